// Renders the program's artwork from the SVG sources in res/art and checks
// the result. The build runs it once per image; the art test runs the check.
//
//   tavrel-render-art render <manifest> <id> <output folder>
//   tavrel-render-art check <manifest> <output folder>

#include <algorithm>
#include <cstdio>

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include "ArtCheck.h"
#include "ArtManifest.h"
#include "ArtRenderer.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "tavrel-render-art: %s\n", qPrintable(message));
  return 1;
}

bool Save(const QImage& image, const QString& path, QString* error) {
  if (image.isNull()) return false;
  if (!image.save(path, "PNG")) {
    *error = path + ": cannot write";
    return false;
  }
  return true;
}

int Render(const QList<ArtEntry>& entries, const QString& manifest, const QString& id, const QString& folder) {
  const auto it = std::find_if(entries.begin(), entries.end(), [&](const ArtEntry& e) { return e.id == id; });
  if (it == entries.end()) return Fail(manifest + ": no image " + id);
  const QString svgPath = QFileInfo(manifest).dir().filePath(it->source);
  if (!QDir().mkpath(folder)) return Fail(folder + ": cannot create");
  const QStringList names = ArtOutputNames(*it);
  QString error;
  if (!Save(RenderArt(*it, svgPath, &error), folder + "/" + names[0], &error)) return Fail(error);
  for (qsizetype i = 0; i < it->iconSizes.size(); ++i)
    if (!Save(RenderArtScaled(*it, svgPath, it->iconSizes[i], &error), folder + "/" + names[i + 1], &error))
      return Fail(error);
  return 0;
}

int Check(const QList<ArtEntry>& entries, const QString& folder) {
  const QStringList problems = CheckRenderedArt(entries, folder);
  for (const QString& problem : problems) std::fprintf(stderr, "%s\n", qPrintable(problem));
  if (!problems.isEmpty()) return 1;
  std::printf("%lld images checked\n", static_cast<long long>(entries.size()));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  if (!((mode == "render" && argc == 5) || (mode == "check" && argc == 4)))
    return Fail("usage: render <manifest> <id> <folder> | check <manifest> <folder>");
  const QString manifest = QString::fromLocal8Bit(argv[2]);
  QList<ArtEntry> entries;
  QString error;
  if (!ReadArtManifest(manifest, &entries, &error)) return Fail(error);
  if (mode == "render") return Render(entries, manifest, QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]));
  return Check(entries, QString::fromLocal8Bit(argv[3]));
}
