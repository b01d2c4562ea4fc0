#include "platform/beside_window.h"

#include "platform/screen_fit.h"
#include "platform/window_placement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace quintaro {

namespace {

// Long enough for a window manager to have put its frame around the window just shown.
constexpr int framedAfterMs = 300;

ScreenRect screenRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QMargins frameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

void place(QWidget& window, const QWidget& table, int minHeight, const QMargins& frame) {
    const QScreen* screen = table.screen();
    if (screen == nullptr)
        return;
    const QSize wanted = window.size().grownBy(frame);
    const ScreenRect placed = besideTable(screenRect(table.frameGeometry()), wanted.width(),
                                          wanted.height(), minHeight + frame.top() + frame.bottom(),
                                          screenRect(screen->availableGeometry()));
    window.resize(QSize(placed.width, placed.height).shrunkBy(frame));
    // A window's position is that of its frame.
    window.move(placed.x, placed.y);
}

} // namespace

void placeBeside(QWidget& window, const QWidget& table, int minHeight,
                 const std::function<void(QPoint)>& placed) {
    if (!programPlacesWindows())
        return;
    // Until it is shown the window has no frame of its own: the table's stands for it.
    place(window, table, minHeight, frameMargins(table));
    if (placed)
        placed(window.pos());
    // A window manager may frame it otherwise (a dialog with a resize handle, say), and
    // push it back onto the screen: once framed, it is placed again by its own frame.
    QPointer<QWidget> placedWindow = &window;
    QPointer<const QWidget> placedTable = &table;
    QTimer::singleShot(framedAfterMs, &window, [placedWindow, placedTable, minHeight, placed] {
        if (!placedWindow || !placedTable || !placedWindow->isVisible())
            return;
        place(*placedWindow, *placedTable, minHeight, frameMargins(*placedWindow));
        if (placed)
            placed(placedWindow->pos());
    });
}

std::string screenArrangement() {
    std::string text;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        if (!text.empty())
            text += '_';
        text += std::to_string(area.width()) + 'x' + std::to_string(area.height()) + '.' +
                std::to_string(area.x()) + '.' + std::to_string(area.y());
    }
    return text;
}

} // namespace quintaro
