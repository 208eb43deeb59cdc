#include "ArtManifest.h"

#include <algorithm>

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace {

const QStringList kKinds = {"button", "picture", "rose", "strip", "tile", "icon"};

bool ParseSize(const QString& text, QSize* size) {
  static const QRegularExpression pattern("^(\\d+)x(\\d+)$");
  const auto match = pattern.match(text);
  if (!match.hasMatch()) return false;
  *size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
  return size->width() > 0 && size->height() > 0;
}

bool ParseOption(const QString& option, ArtEntry* entry, QString* why) {
  const qsizetype eq = option.indexOf('=');
  if (eq <= 0) {
    *why = "option without a value: " + option;
    return false;
  }
  const QString name = option.left(eq);
  const QString value = option.mid(eq + 1);
  bool ok = true;
  if (name == "glow") {
    entry->glow = QColor::fromString(value);
    ok = entry->glow.isValid();
  } else if (name == "glow-radius") {
    entry->glowRadius = value.toDouble(&ok);
    ok = ok && entry->glowRadius > 0.0;
  } else if (name == "glow-strength") {
    entry->glowStrength = value.toDouble(&ok);
    ok = ok && entry->glowStrength > 0.0;
  } else if (name == "cells") {
    entry->cells = value.toInt(&ok);
    ok = ok && entry->cells > 0;
  } else if (name == "key") {
    entry->key = QColor::fromString(value);
    ok = entry->key.isValid();
  } else if (name == "sizes") {
    for (const QString& part : value.split(',')) {
      const int n = part.toInt(&ok);
      if (!ok || n <= 0) break;
      entry->iconSizes.append(n);
    }
  } else {
    *why = "unknown option " + name;
    return false;
  }
  if (!ok) *why = "bad value in " + option;
  return ok;
}

}  // namespace

bool ReadArtManifest(const QString& path, QList<ArtEntry>* entries, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    *error = path + ": cannot open";
    return false;
  }
  QTextStream in(&file);
  int lineNumber = 0;
  while (!in.atEnd()) {
    ++lineNumber;
    // A '#' starts a comment only at the start of a word: colours use it too.
    static const QRegularExpression comment("(^|\\s)#.*$");
    const QString line = in.readLine().remove(comment).trimmed();
    if (line.isEmpty()) continue;
    const QStringList fields = line.split(QRegularExpression("\\s+"));
    const auto fail = [&](const QString& why) {
      *error = QString("%1:%2: %3").arg(path).arg(lineNumber).arg(why);
      return false;
    };
    if (fields.size() < 4) return fail("expected: id source WxH kind [options]");
    ArtEntry entry;
    entry.id = fields[0];
    entry.source = fields[1];
    if (!ParseSize(fields[2], &entry.size)) return fail("bad size " + fields[2]);
    entry.kind = fields[3];
    if (!kKinds.contains(entry.kind)) return fail("unknown kind " + entry.kind);
    for (qsizetype i = 4; i < fields.size(); ++i) {
      QString why;
      if (!ParseOption(fields[i], &entry, &why)) return fail(why);
    }
    // A halo defaults to a radius that suits the image's scale.
    if (entry.glow.isValid() && entry.glowRadius == 0.0)
      entry.glowRadius = std::max(1.0, std::min(entry.size.width(), entry.size.height()) / 16.0);
    if (entry.glow.isValid() && entry.glowStrength == 0.0) entry.glowStrength = 0.6;
    if (entry.kind == "strip" && entry.size.width() != entry.cells * entry.size.height())
      return fail("a strip is cells square images side by side");
    for (const ArtEntry& other : *entries)
      if (other.id == entry.id) return fail("duplicate id " + entry.id);
    entries->append(entry);
  }
  return true;
}

QStringList ArtOutputNames(const ArtEntry& entry) {
  QStringList names{entry.id + ".png"};
  for (int n : entry.iconSizes) names.append(QString("%1-%2.png").arg(entry.id).arg(n));
  return names;
}
