#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;

namespace quintaro {

// Puts a masked picture on an opaque target. `sheet` holds two halves of equal width:
// the picture on the left, its mask on the right (white where the target shows through,
// black under the picture, with the picture itself black there). The mask goes on with
// a bitwise AND, then the picture with a bitwise OR; the painter's mode is restored. A
// sheet at a higher scale (its devicePixelRatio) covers the same place in finer pixels.
void drawMaskedPicture(QPainter& painter, QPoint at, const QImage& sheet);
// The same for `part` of the picture only (in its 1x pixels), put with its corner at `at`.
void drawMaskedPicture(QPainter& painter, QPoint at, const QImage& sheet, const QRect& part);

// The size of one half of a sheet, in device-independent pixels.
QSize maskedPictureSize(const QImage& sheet);

} // namespace quintaro
