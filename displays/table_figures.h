#pragma once

#include "poker/game_state.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>

class QPainter;

namespace quintaro {

// What the table paints straight onto its client area around the pay table: the Win
// and Balance figures left of the hand names and the bet hint under the columns. The
// painter draws in client coordinates and carries the table's own font and text colour.

// Repaints the table background in a rectangle, wiping what was drawn there.
using BackgroundPainter = std::function<void(QPainter&, const QRect&)>;

// "$" and the whole-dollar amount, no separators.
QString moneyText(std::uint32_t amount);

// The figures' value font.
QFont displayFont();

// Each figure as one line of text: its caption and its amount, "Balance $99".
QString winFigureText(const GameState& state);
QString balanceFigureText(const GameState& state);

// The whole area each figure occupies, label and value, for a repaint of the client.
QRect winFigureRect();
QRect balanceFigureRect();

// Draw the label in the painter's font, wipe the value area with `background`, then
// draw the value in `valueFont`. The painter's state is restored.
void drawWinFigure(QPainter& painter, const GameState& state, const QFont& valueFont,
                   const BackgroundPainter& background);
void drawBalanceFigure(QPainter& painter, const GameState& state, const QFont& valueFont,
                       const BackgroundPainter& background);

// The hint shows between hands while there is money to bet.
QRect paylineHintRect();
bool showsPaylineHint(const GameState& state);
void drawPaylineHint(QPainter& painter, const GameState& state);

} // namespace quintaro
