#pragma once

#include "poker/card.h"

#include <QPoint>
#include <QRect>

class QWidget;

namespace quintaro {

// Moving and turning a card that stands on the table window. The table paints its cards
// from their records, so "draw now" repaints the card's rectangle of the table at once
// and "erase old place" schedules a repaint of where it stood. `table` may be nullptr
// when nothing is shown yet; then only the record changes.

// The table-window pixels a card covers: (x, y) to (x + 70, y + 95).
QRect cardRect(const Card& card);

void setCardPosition(Card& card, QPoint position, bool eraseOldPlace, bool drawNow, QWidget* table);
void setCardState(Card& card, CardState state, bool drawNow, QWidget* table);

} // namespace quintaro
