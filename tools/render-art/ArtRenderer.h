#pragma once

#include <QImage>
#include <QString>

#include "ArtManifest.h"

// Draws the entry's SVG at size and applies its finish (halo, colour key,
// opacity). The SVG's view box must already be that size in pixels: the
// artwork is drawn on the target pixel grid, and scaling it would blur it.
QImage RenderArt(const ArtEntry& entry, const QString& svgPath, QString* error);

// The same SVG drawn at side x side without the grid requirement, for the
// extra sizes of the window icon.
QImage RenderArtScaled(const ArtEntry& entry, const QString& svgPath, int side, QString* error);
