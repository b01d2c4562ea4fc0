#include "platform/screen_fit.h"

#include <algorithm>
#include <array>

namespace quintaro {

namespace {

// Only a window that runs over the far edge moves; one already past the near edge stays.
int fitted(int position, int size, int screenSize) {
    if (position + size <= screenSize)
        return position;
    return std::max(0, screenSize - size);
}

// `wanted` moved inside [low, high - size]; to low when the size does not fit.
int clampedInto(int wanted, int size, int low, int high) {
    return std::max(low, std::min(wanted, high - size));
}

} // namespace

std::optional<WindowPosition> keepOnScreen(WindowPosition position, int width, int height,
                                           int screenWidth, int screenHeight) {
    const WindowPosition moved{fitted(position.x, width, screenWidth),
                               fitted(position.y, height, screenHeight)};
    if (moved == position)
        return std::nullopt;
    return moved;
}

ScreenRect besideTable(const ScreenRect& table, int width, int height, int minHeight,
                       const ScreenRect& area) {
    const int tallest = std::min(height, area.height);
    const int besideTop = clampedInto(table.y, tallest, area.y, area.bottom());
    if (area.right() - table.right() >= width)
        return {table.right(), besideTop, width, tallest};
    if (table.x - area.x >= width)
        return {table.x - width, besideTop, width, tallest};

    const int widest = std::min(width, area.width);
    const int underLeft = clampedInto(table.x, widest, area.x, area.right());
    const int roomBelow = area.bottom() - table.bottom();
    if (roomBelow >= minHeight)
        return {underLeft, table.bottom(), widest, std::min(height, roomBelow)};
    const int roomAbove = table.y - area.y;
    if (roomAbove >= minHeight) {
        const int shortened = std::min(height, roomAbove);
        return {underLeft, table.y - shortened, widest, shortened};
    }
    // No side has room for the window whole: it takes the largest free side, narrowed or
    // shortened to fit, so long as that leaves it the least height both ways.
    const std::array<ScreenRect, 4> sides{{
        {table.right(), besideTop, std::max(0, area.right() - table.right()), tallest},
        {area.x, besideTop, std::max(0, table.x - area.x), tallest},
        {underLeft, table.bottom(), widest, std::max(0, roomBelow)},
        {underLeft, area.y, widest, std::max(0, roomAbove)},
    }};
    const auto size = [](const ScreenRect& side) {
        return static_cast<long long>(side.width) * side.height;
    };
    const ScreenRect largest = *std::max_element(
        sides.begin(), sides.end(),
        [&](const ScreenRect& a, const ScreenRect& b) { return size(a) < size(b); });
    if (largest.width >= minHeight && largest.height >= minHeight)
        return largest;
    return {std::max(area.x, area.right() - width), area.y, widest, tallest};
}

} // namespace quintaro
