#pragma once

#include <QColor>
#include <QRect>

#include <optional>

class QPainter;

namespace quintaro {

// The colours of a bevel; an element without a colour is not drawn.
struct BevelColours {
    std::optional<QColor> fill;
    std::optional<QColor> top;
    std::optional<QColor> bottom;
    std::optional<QColor> left;
    std::optional<QColor> right;
};

// Fills `rect`, then draws `width` rings of edges inside it, outermost first, each ring
// in the order top, right, bottom, left, so the left edge owns both left corners and the
// right edge the top right one.
void drawBevel(QPainter& painter, const QRect& rect, int width, const BevelColours& colours);

} // namespace quintaro
