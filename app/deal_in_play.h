#pragma once

#include "analysis/draw_tables.h"
#include "poker/game_type.h"
#include "round/round_flow.h"

#include <optional>

namespace quintaro {

// The five cards a round dealt, as deck indices in window order, and their hold: while
// the player holds, the cards held so far; after the redeal, the cards it kept.
struct DealInPlay {
    GameType game = GameType::StraightPoker;
    DealtCards dealt{};
    unsigned hold = 0; // bit i: window i + 1 kept
    int bet = 1;

    bool operator==(const DealInPlay&) const = default;
};

// The deal the round is holding or has redealt; none before a game's first deal, from a
// New or accepted Options until the next deal, and midway through a deal.
std::optional<DealInPlay> dealInPlay(const RoundFlow& round);

} // namespace quintaro
