#pragma once

#include "poker/card.h"

namespace quintaro {

// Cards are known to the analysis by their place in a freshly built deck: suit * 13 + rank -
// 1 for the standard cards, 52 and 53 for the jokers of rank 15 and 16. A game's deck is
// built the same way every time, so the index names the same card in every deck of a game.
inline constexpr int jokerIndex = 52;

constexpr int deckIndex(int rank, int suit) {
    return rank >= firstJokerRank ? jokerIndex + rank - firstJokerRank : suit * 13 + rank - 1;
}

constexpr int deckIndexOf(const Card& card) {
    return deckIndex(card.rank, card.suit);
}

constexpr int rankAt(int index) {
    return index >= jokerIndex ? firstJokerRank + index - jokerIndex : index % 13 + 1;
}

// Both jokers have suit 0.
constexpr int suitAt(int index) {
    return index >= jokerIndex ? 0 : index / 13;
}

} // namespace quintaro
