#pragma once

#include <functional>
#include <string>

class QPoint;

class QWidget;

namespace quintaro {

// Puts a window of its own beside the table's frame on the table's screen, inside the
// screen's free area (see besideTable): right of the table, else left, else below, else
// above. The window keeps its width and may be made shorter, down to minHeight. Call it
// before show(): the window goes there with a frame like the table's, and as soon as a
// window manager has framed it, within 10 s however slow it is, it is placed again by its
// own frame (a dialog may be framed otherwise). On Wayland the compositor places windows and this
// does nothing.
// Each time it places the window, `placed` hears where its frame went.
void placeBeside(QWidget& window, const QWidget& table, int minHeight,
                 const std::function<void(QPoint)>& placed = {});

// The arrangement of the screens, for settings kept per arrangement: each screen as
// "WIDTHxHEIGHT.X.Y" in the desktop's coordinates, joined by "_", e.g. "1280x1024.0.0".
std::string screenArrangement();

} // namespace quintaro
