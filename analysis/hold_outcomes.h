#pragma once

#include "analysis/draw_tables.h"
#include "analysis/hold_values.h"

#include <array>
#include <cstdint>
#include <string>

namespace quintaro {

// What one hold of a dealt hand brings over all its draws from the rest of the deck.
struct HoldOutcome {
    unsigned hold = 0;
    double expectedPayoff = 0; // in dollars at the bet asked about
    std::int64_t draws = 0;    // the ways to refill the discarded windows
    std::array<std::int64_t, maxPayLines> drawsWinning{}; // per pay line

    double chance(int line) const {
        return static_cast<double>(drawsWinning[static_cast<std::size_t>(line)]) /
               static_cast<double>(draws);
    }
};

// Every hold of the dealt cards, most preferred first, at a bet of 1 to 5.
// Precondition: five distinct deck indices of the tables' game.
std::array<HoldOutcome, holdCount> holdOutcomes(const DrawTables& tables, const DealtCards& dealt,
                                                int bet);

// The kept cards in window order, each its rank and suit sign ("10♥", "Joker"), or
// "Discard all".
std::string keptCardsText(const DealtCards& dealt, unsigned hold);

// "Seven of Clubs", "Joker": one card by its deck index in words, as a screen reader speaks it.
std::string cardWords(int deckIndex);

// count out of total as a percentage to three significant digits ("45.5%", "0.0462%"); none
// and all are "0%" and "100%". Precondition: 0 <= count <= total, total > 0.
std::string percentText(std::int64_t count, std::int64_t total);

} // namespace quintaro
