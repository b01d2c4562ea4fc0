#include "cards/card_window.h"

#include "displays/classic_colours.h"
#include "displays/table_font.h"
#include "displays/table_layout.h"

#include <QFontMetrics>
#include <QPainter>

namespace quintaro {

namespace {

QString caption(HoldState state) {
    switch (state) {
    case HoldState::Hold:
        return QStringLiteral("Hold");
    case HoldState::Discard:
        return QStringLiteral("Discard");
    default:
        return {};
    }
}

} // namespace

CardWindow::CardWindow(QWidget* parent) : QWidget(parent) {
    resize(table_layout::cardWindowWidth, table_layout::cardWindowHeight);
    setFont(tableFont(table_layout::cardWindowFontHeight));
}

void CardWindow::watch(const RoundPhase* phase, const HoldState* holdState) {
    m_phase = phase;
    m_holdState = holdState;
    update();
}

HoldState CardWindow::holdState() const {
    return m_holdState ? *m_holdState : HoldState::Blank;
}

void CardWindow::paintEvent(QPaintEvent*) {
    if (m_phase == nullptr || *m_phase == RoundPhase::NotStarted)
        return;
    const QString text = caption(holdState());
    if (text.isEmpty())
        return;
    // The text box's top-left goes half the spare room in from the window's corner, each
    // half truncated toward zero.
    const QFontMetrics metrics(font());
    const int left = (width() - metrics.horizontalAdvance(text)) / 2;
    const int top = (height() - metrics.height()) / 2;
    QPainter painter(this);
    painter.setPen(classicColours().windowText);
    painter.drawText(QPoint(left, top + metrics.ascent()), text);
}

void CardWindow::mousePressEvent(QMouseEvent*) {
    press();
}

} // namespace quintaro
