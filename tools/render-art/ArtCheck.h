#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "ArtManifest.h"

// Checks the rendered images in folder against the manifest and returns one
// line per problem; an empty list means every image is usable.
QStringList CheckRenderedArt(const QList<ArtEntry>& entries, const QString& folder);
