#include "displays/bevel.h"

#include "displays/device_pixels.h"

#include <QPainter>

namespace quintaro {

namespace {

void edge(QPainter& painter, const std::optional<QColor>& colour, QPoint from, QPoint to) {
    if (!colour)
        return;
    drawHairline(painter, *colour, from, to);
}

} // namespace

void drawBevel(QPainter& painter, const QRect& rect, int width, const BevelColours& colours) {
    painter.save();
    if (colours.fill)
        painter.fillRect(rect, *colours.fill);
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.right();
    const int b = rect.bottom();
    for (int i = 0; i < width; ++i) {
        edge(painter, colours.top, {l + i, t + i}, {r - i, t + i});
        edge(painter, colours.right, {r - i, t + i}, {r - i, b - i});
        edge(painter, colours.bottom, {l + i, b - i}, {r - i, b - i});
        edge(painter, colours.left, {l + i, t + i}, {l + i, b - i});
    }
    painter.restore();
}

} // namespace quintaro
