#pragma once

#include <optional>

namespace quintaro {

struct WindowPosition {
    int x = 0;
    int y = 0;
    bool operator==(const WindowPosition&) const = default;
};

// Where a window of size width x height at (x, y) must move so that it lies on a screen
// area of screenWidth x screenHeight whose corner is (0, 0): pulled back from the right
// and bottom edges, and to 0 when it is larger than the screen. Nothing when it need not
// move.
std::optional<WindowPosition> keepOnScreen(WindowPosition position, int width, int height,
                                           int screenWidth, int screenHeight);

// A rectangle of the desktop, its right and bottom edges outside it.
struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool intersects(const ScreenRect& other) const {
        return x < other.right() && other.x < right() && y < other.bottom() && other.y < bottom();
    }
    bool operator==(const ScreenRect&) const = default;
};

// Where a window whose frame is width x height goes beside the table's frame, inside the
// free area of the table's screen. Its width is what it needs to show its columns; its
// height may give way down to minHeight. Tried in turn:
//   right of the table, when the area has the whole width there;
//   left of it, likewise;
//   below it, when the area has minHeight there;
//   above it, likewise.
// Beside the table it lines up with the table's top, below or above with its left edge,
// pulled inside the area and cut to its height (or below and above, to the room there).
// When no side has room for it whole, it takes the largest free side, narrowed or cut to
// it, if that side is at least minHeight both ways; else it goes to the area's top-right
// corner, over the table.
ScreenRect besideTable(const ScreenRect& table, int width, int height, int minHeight,
                       const ScreenRect& area);

} // namespace quintaro
