#pragma once

class QWidget;

namespace quintaro {

// Paints at once what update() has marked on `window` and its children, and runs nothing
// else: no timer, queued call, input or close request, which could change the game in the
// middle of drawing it. `window` must be a top-level widget.
void paintPendingAreasNow(QWidget& window);

} // namespace quintaro
