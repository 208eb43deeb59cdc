#pragma once

#include <QColor>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

// One line of res/art/manifest.txt: an image resource, the SVG it is drawn
// from, the pixel size the program shows it at and how it is finished.
struct ArtEntry {
  QString id;
  QString source;
  QSize size;
  QString kind;          // button, picture, rose, strip, tile or icon
  QColor glow;           // invalid: no halo
  double glowRadius = 0.0;
  double glowStrength = 0.0;
  int cells = 1;         // strip: images side by side, each size.height() wide
  QColor key;            // strip: colour written into fully transparent pixels
  QList<int> iconSizes;  // icon: extra square renders besides the main one
};

// Reads the manifest; on failure returns false and says why in *error.
bool ReadArtManifest(const QString& path, QList<ArtEntry>* entries, QString* error);

// Output files of one entry, relative to the output folder: "<id>.png" first,
// then "<id>-<n>.png" for every extra icon size.
QStringList ArtOutputNames(const ArtEntry& entry);
