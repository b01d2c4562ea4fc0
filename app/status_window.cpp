#include "app/status_window.h"

#include "displays/bevel.h"
#include "displays/centred_text.h"
#include "displays/classic_colours.h"
#include "displays/device_pixels.h"
#include "displays/vga_palette.h"
#include "platform/translated_text.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace quintaro {

namespace {

struct StatusLook {
    int bevelWidth = 2;
    // "Game Over" keeps this far from the top, the prompt as far from the bottom.
    int textInset = 2;
    const char* gameOver = QUINTARO_TEXT("Table", "Game Over");
    const char* prompt = QUINTARO_TEXT("Table", "Press \"Deal\" for a new game");
};
constexpr StatusLook look;

} // namespace

StatusWindow::StatusWindow(const GameState& state, QWidget* parent)
    : QWidget(parent), m_state(state) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString StatusWindow::text() const {
    const QString prompt = QCoreApplication::translate("Table", look.prompt);
    return m_state.freshGame ? prompt
                             : QCoreApplication::translate("Table", look.gameOver) +
                                   QStringLiteral(". ") + prompt;
}

void StatusWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const ClassicColours& colours = classicColours();
    drawHairlineRect(painter, vgaColour(VgaColour::Black), rect());

    const QRect inner = rect().adjusted(1, 1, -1, -1);
    drawBevel(painter, inner, look.bevelWidth,
              {colours.buttonFace, colours.light, colours.dark, colours.light, colours.dark});

    painter.setPen(colours.windowText);
    const QString prompt = QCoreApplication::translate("Table", look.prompt);
    if (m_state.freshGame) {
        drawFittedCentredText(painter, inner, prompt);
        return;
    }
    const int middle = inner.top() + (inner.bottom() - inner.top()) / 2;
    drawFittedCentredText(
        painter,
        QRect(QPoint(inner.left(), inner.top() + look.textInset), QPoint(inner.right(), middle)),
        QCoreApplication::translate("Table", look.gameOver));
    drawFittedCentredText(
        painter,
        QRect(QPoint(inner.left(), middle), QPoint(inner.right(), inner.bottom() - look.textInset)),
        prompt);
}

void StatusWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace quintaro
