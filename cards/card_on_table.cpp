#include "cards/card_on_table.h"

#include "wqgame/card_layout.h"

namespace quintaro {

QRect cardRect(const Card& card) {
    return QRect(card.x, card.y, card_layout::cardWidth, card_layout::cardHeight);
}

} // namespace quintaro
