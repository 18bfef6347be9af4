#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRectF>

// The drawing of every embedded picture. Each function gives the same
// pixels on every run with the same fonts.
namespace ArtDrawing {

QImage DrawIntroPicture();
// which: 0 start-up screen, 1 shut-down wait screen, 2 safe-to-turn-off screen.
QImage DrawThumbnail(int which);
QImage DrawSwatch(int red, int green, int blue);
QImage DrawAboutPhoto();
QImage DrawClosePicture();
QImage DrawIcon32();
QImage DrawIcon16();

// Scales and moves a path so that its bounds fill the target exactly.
QPainterPath FitPath(const QPainterPath& path, const QRectF& target);
// Replaces every pixel of one colour by another, so that a key colour
// appears only where it is drawn on purpose.
void ReplaceColour(QImage& image, QRgb from, QRgb to);

} // namespace ArtDrawing
