#include "persist/game_frame_window.h"

#include "displays/vga_palette.h"

#include <QLayout>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace quintaro {

// The client area: hands paint and mouse presses to its frame window.
class FrameClient : public QWidget {
public:
    FrameClient(GameFrameWindow* frame, QSize size) : QWidget(frame), m_frame(frame) {
        setFixedSize(size);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        m_frame->paintClient(painter, event->rect());
    }
    void mousePressEvent(QMouseEvent* event) override { m_frame->clientMousePress(event); }

private:
    GameFrameWindow* m_frame;
};

GameFrameWindow::GameFrameWindow(const QString& title, QSize clientSize)
    : m_client(new FrameClient(this, clientSize)), m_settingsKeyName(title) {
    setWindowTitle(title);
    setCentralWidget(m_client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void GameFrameWindow::paintBackground(QPainter& painter, const QRect& rect) const {
    painter.fillRect(rect, vgaColour(VgaColour::Green));
}

void GameFrameWindow::paintClient(QPainter& painter, const QRect& rect) {
    paintBackground(painter, rect);
}

void GameFrameWindow::clientMousePress(QMouseEvent* event) {
    event->ignore();
}

} // namespace quintaro
