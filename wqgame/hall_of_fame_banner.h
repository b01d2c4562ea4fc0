#pragma once

#include <QRectF>

class QPainter;
class QString;

namespace quintaro::wqgame {

// The red ribbon across the foot of the Hall of Fame picture, in the picture's own pixels.
inline constexpr QRectF hallOfFameRibbon(16, 272, 236, 24);

// Draws the ribbon's face, its gilt edges and `words` centred on it, the largest that fit up
// to the picture's 17 pixels. The library's picture carries the English words; a Hall of
// Fame shown in another language draws the face again over them with its own.
void drawHallOfFameRibbonFace(QPainter& painter, const QString& words);

} // namespace quintaro::wqgame
