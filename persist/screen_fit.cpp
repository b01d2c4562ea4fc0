#include "persist/screen_fit.h"

#include <algorithm>

namespace quintaro {

namespace {

// Only a window that runs over the far edge moves; one already past the near edge stays.
int fitted(int position, int size, int screenSize) {
    if (position + size <= screenSize)
        return position;
    return std::max(0, screenSize - size);
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

} // namespace quintaro
