#include "cards/card_window.h"

#include "displays/centred_text.h"
#include "displays/classic_colours.h"
#include "displays/focus_frame.h"
#include "displays/table_font.h"
#include "displays/table_layout.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

namespace quintaro {

CardWindow::CardWindow(QWidget* parent) : QWidget(parent) {
    resize(table_layout::cardWindowWidth, table_layout::cardWindowHeight);
    setFont(tableFont(table_layout::cardWindowFontHeight));
    setFocusPolicy(Qt::TabFocus);
}

void CardWindow::watch(const RoundPhase* phase, const HoldState* holdState, CardSource card) {
    m_phase = phase;
    m_holdState = holdState;
    m_card = std::move(card);
    update();
}

HoldState CardWindow::holdState() const {
    return m_holdState ? *m_holdState : HoldState::Blank;
}

QString CardWindow::caption() const {
    if (phase() == RoundPhase::NotStarted)
        return {};
    switch (holdState()) {
    case HoldState::Hold:
        return QCoreApplication::translate("Table", "Hold");
    case HoldState::Discard:
        return QCoreApplication::translate("Table", "Discard");
    default:
        return {};
    }
}

void CardWindow::paintEvent(QPaintEvent*) {
    const QString text = caption();
    if (text.isEmpty() && !hasFocus())
        return;
    QPainter painter(this);
    if (!text.isEmpty()) {
        painter.setPen(classicColours().windowText);
        drawFittedCentredText(painter, rect(), text);
    }
    if (hasFocus())
        drawFocusFrame(painter, rect());
}

void CardWindow::mousePressEvent(QMouseEvent*) {
    press();
}

void CardWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier)
        press();
    else
        QWidget::keyPressEvent(event);
}

} // namespace quintaro
