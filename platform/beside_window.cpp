#include "platform/beside_window.h"

#include "platform/screen_fit.h"
#include "platform/window_placement.h"

#include <QBasicTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>
#include <QWindow>

namespace quintaro {

namespace {

// A window manager frames a window it maps within this time, even on a loaded machine; a
// window still unframed by then has none, and keeps the place it was given.
constexpr int framingWaitMs = 10000;
// How often the frame is looked for meanwhile: a window manager may frame a window without
// moving it, and the window then hears nothing of it.
constexpr int framingCheckMs = 50;
constexpr const char* watcherName = "placeWhenFramed";

ScreenRect screenRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// The frame as the window system has it now: a widget's own frame geometry is only brought
// up to date when the window moves.
QRect frameOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr && window.isVisible() ? handle->frameGeometry()
                                                   : window.frameGeometry();
}

QMargins frameMargins(const QWidget& window) {
    const QRect frame = frameOf(window);
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// Returns where the window's frame went.
QPoint place(QWidget& window, const QWidget& table, int minHeight, const QMargins& frame) {
    const QScreen* screen = table.screen();
    if (screen == nullptr)
        return window.pos();
    const QSize wanted = window.size().grownBy(frame);
    const ScreenRect placed = besideTable(screenRect(frameOf(table)), wanted.width(),
                                          wanted.height(), minHeight + frame.top() + frame.bottom(),
                                          screenRect(screen->availableGeometry()));
    window.resize(QSize(placed.width, placed.height).shrunkBy(frame));
    const QPoint at(placed.x, placed.y);
    // Shown, the window system places it by the frame it knows; hidden, a window's position
    // is that of its frame.
    if (window.isVisible() && window.windowHandle() != nullptr)
        window.windowHandle()->setFramePosition(at);
    else
        window.move(at);
    return at;
}

// Once the window manager has put its frame around the window just shown (a frame other
// than the table's, say, with a dialog's resize handle; or it pushed the window back onto
// the screen), places the window again by that frame, once. It looks for the frame until
// the wait is over, so a slow window manager is waited for, and goes when done, when the
// window is hidden or the table goes. The window owns it.
class PlaceWhenFramed : public QObject {
public:
    PlaceWhenFramed(QWidget& window, const QWidget& table, int minHeight,
                    std::function<void(QPoint)> placed)
        : QObject(&window), m_window(window), m_table(&table), m_minHeight(minHeight),
          m_placed(std::move(placed)) {
        setObjectName(QString::fromUtf8(watcherName));
        window.installEventFilter(this);
        m_checks.start(framingCheckMs, this);
        QTimer::singleShot(framingWaitMs, this, &PlaceWhenFramed::stop);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::Hide)
            stop();
        return false;
    }

protected:
    void timerEvent(QTimerEvent* event) override {
        if (event->timerId() != m_checks.timerId() || !m_window.isVisible() ||
            frameMargins(m_window).isNull())
            return;
        stop();
        if (!m_table)
            return;
        const QPoint at = place(m_window, *m_table, m_minHeight, frameMargins(m_window));
        if (m_placed)
            m_placed(at);
    }

private:
    void stop() {
        m_checks.stop();
        m_window.removeEventFilter(this);
        deleteLater();
    }

    QWidget& m_window;
    QPointer<const QWidget> m_table;
    int m_minHeight;
    std::function<void(QPoint)> m_placed;
    QBasicTimer m_checks;
};

} // namespace

void placeBeside(QWidget& window, const QWidget& table, int minHeight,
                 const std::function<void(QPoint)>& placed) {
    if (!programPlacesWindows())
        return;
    // Until it is shown the window has no frame of its own: the table's stands for it.
    const QPoint at = place(window, table, minHeight, frameMargins(table));
    if (placed)
        placed(at);
    // A window manager may frame it otherwise, or push it back onto the screen.
    delete window.findChild<QObject*>(QString::fromUtf8(watcherName), Qt::FindDirectChildrenOnly);
    new PlaceWhenFramed(window, table, minHeight, placed);
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
