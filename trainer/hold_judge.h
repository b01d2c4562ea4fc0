#pragma once

#include "analysis/hold_values.h"
#include "poker/card_deck.h"
#include "poker/game_type.h"
#include "poker/poker_hand.h"

#include <cstdint>

namespace quintaro {

// One Redeal press weighed before any card moves: the hold taken against the best hold of
// the same deal, and the line each would end on. Both draws take the deck's next cards in
// window order, so what best play would have paid is exact.
struct JudgedRedeal {
    unsigned hold = 0;
    unsigned best = 0;
    // In the units of HoldValues: whole numbers over `scale`, at the bet of the round.
    std::int64_t holdValue = 0;
    std::int64_t bestValue = 0;
    std::int64_t scale = 1;
    int line = 0; // noLine when the hand wins nothing
    int bestLine = 0;
    int paid = 0;
    int bestPaid = 0;

    // Holds of equal worth are never mistakes, whichever of them HoldValues prefers.
    bool mistake() const { return holdValue < bestValue; }
};

// The five cards a hold ends with: kept windows keep their card, the others take
// next[0], next[1], ... in window order.
PokerHand::Cards drawnHand(const PokerHand::Cards& dealt, unsigned hold,
                           const PokerHand::Cards& next);

// Preconditions: `values` are those of `dealt` at `bet`; dealt and next are cards of
// `deck`, which is the deck of `type`; next holds the deck's five cards after the dealt ones.
JudgedRedeal judgeRedeal(GameType type, const CardDeck& deck, const HoldValues& values,
                         const PokerHand::Cards& dealt, const PokerHand::Cards& next, unsigned hold,
                         int bet);

} // namespace quintaro
