#include "displays/table_figures.h"

#include "displays/centred_text.h"
#include "displays/classic_colours.h"
#include "displays/table_font.h"
#include "displays/table_layout.h"

#include <QCoreApplication>
#include <QPainter>

namespace quintaro {

namespace {

// The figures fill the strip left of the hand names.
constexpr int stripRight = table_layout::handNames.left - 1;

struct Figure {
    const char* label;
    QRect labelRect;
    QRect valueRect;
};

constexpr Figure winFigure{QUINTARO_TEXT("Table", "Win"),
                           QRect(QPoint(0, 10), QPoint(stripRight, 30)),
                           QRect(QPoint(0, 30), QPoint(stripRight, 100))};
constexpr Figure balanceFigure{QUINTARO_TEXT("Table", "Balance"),
                               QRect(QPoint(0, 100), QPoint(stripRight, 120)),
                               QRect(QPoint(0, 120), QPoint(stripRight, 190))};

constexpr int displayFontHeight = 30;
constexpr const char* paylineHint = QUINTARO_TEXT("Table", "Click a payline to change your bet");
constexpr QRect hintRect(QPoint(300, 200), QPoint(600, 220));

void drawFigure(QPainter& painter, const Figure& figure, std::uint32_t amount,
                const QFont& valueFont, const BackgroundPainter& background) {
    painter.save();
    painter.setPen(classicColours().windowText);
    drawFittedCentredText(painter, figure.labelRect,
                          QCoreApplication::translate("Table", figure.label));
    background(painter, figure.valueRect);
    painter.setFont(valueFont);
    drawCentredText(painter, figure.valueRect, moneyText(amount));
    painter.restore();
}

// A figure as a screen reader reads it: "Balance $99".
QString figureText(const Figure& figure, std::uint32_t amount) {
    //: A figure's caption (%1) and its amount (%2), as a screen reader reads them.
    return QCoreApplication::translate("Screen reader", "%1 %2")
        .arg(QCoreApplication::translate("Table", figure.label), moneyText(amount));
}

} // namespace

QString moneyText(std::uint32_t amount) {
    return QStringLiteral("$") + QString::number(amount);
}

QString winFigureText(const GameState& state) {
    return figureText(winFigure, state.lastWin);
}

QString balanceFigureText(const GameState& state) {
    return figureText(balanceFigure, state.balance);
}

QFont displayFont() {
    return tableFont(displayFontHeight);
}

QRect winFigureRect() {
    return winFigure.labelRect.united(winFigure.valueRect);
}

QRect balanceFigureRect() {
    return balanceFigure.labelRect.united(balanceFigure.valueRect);
}

void drawWinFigure(QPainter& painter, const GameState& state, const QFont& valueFont,
                   const BackgroundPainter& background) {
    drawFigure(painter, winFigure, state.lastWin, valueFont, background);
}

void drawBalanceFigure(QPainter& painter, const GameState& state, const QFont& valueFont,
                       const BackgroundPainter& background) {
    drawFigure(painter, balanceFigure, state.balance, valueFont, background);
}

QRect paylineHintRect() {
    return hintRect;
}

bool showsPaylineHint(const GameState& state) {
    return state.balance != 0 && state.phase != RoundPhase::Holding;
}

void drawPaylineHint(QPainter& painter, const GameState& state) {
    if (!showsPaylineHint(state))
        return;
    painter.save();
    painter.setPen(classicColours().windowText);
    drawFittedCentredText(painter, hintRect, QCoreApplication::translate("Table", paylineHint));
    painter.restore();
}

} // namespace quintaro
