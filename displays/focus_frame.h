#pragma once

#include <QRect>

class QPainter;

namespace quintaro {

// The keyboard focus on what the table draws itself: a dashed black line over a white one,
// two pixels wide, just inside `area`. It reads on every background and scales with the
// painter, so it stays visible at any resolution and under any desktop theme.
void drawFocusFrame(QPainter& painter, const QRect& area);

} // namespace quintaro
