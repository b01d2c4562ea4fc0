#pragma once

#include <QColor>
#include <QImage>

namespace quintaro::wqgame {

// The library's masked form of a picture with transparency: twice as wide, the picture on
// the left and its mask on the right. The mask is white exactly where the picture is
// see-through (and the picture black there), so AND with the mask and then OR with the
// picture lays it on any background. Half-covered edge pixels count as opaque when at
// least half covered and are blended with `edge`, the colour they will most often sit on.
QImage maskedPicture(const QImage& picture, QColor edge);

} // namespace quintaro::wqgame
