#include "cards/card_on_table.h"

#include "cards/card_layout.h"

#include <QWidget>

namespace quintaro {

QRect cardRect(const Card& card) {
    return QRect(card.x, card.y, card_layout::cardWidth, card_layout::cardHeight);
}

void setCardPosition(Card& card, QPoint position, bool eraseOldPlace, bool drawNow,
                     QWidget* table) {
    const QRect oldPlace = cardRect(card);
    card.x = static_cast<std::int16_t>(position.x());
    card.y = static_cast<std::int16_t>(position.y());
    if (table == nullptr)
        return;
    if (drawNow)
        table->repaint(cardRect(card));
    if (eraseOldPlace)
        table->update(oldPlace);
}

void setCardState(Card& card, CardState state, bool drawNow, QWidget* table) {
    card.state = state;
    if (drawNow && table != nullptr)
        table->repaint(cardRect(card));
}

} // namespace quintaro
