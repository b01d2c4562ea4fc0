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

} // namespace quintaro
