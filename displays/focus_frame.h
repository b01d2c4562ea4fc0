#pragma once

#include <QRect>

class QPainter;

namespace quintaro {

// The keyboard focus on what the table draws itself: a solid black line just inside `area`
// and a solid white one inside that, two pixels wide each. Wherever it is drawn one of the
// two stands out from what it covers, whatever the background, a border under it or the
// desktop's theme, and it scales with the painter, so it stays visible at any resolution.
void drawFocusFrame(QPainter& painter, const QRect& area);

} // namespace quintaro
