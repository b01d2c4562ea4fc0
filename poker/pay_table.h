#pragma once

#include "poker/game_type.h"
#include "poker/hand_category.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace quintaro {

// Room on the table for pay lines, and the bets of $1 to $5 (one payline column each).
inline constexpr int maxPayLines = 11;
inline constexpr int betCount = 5;

enum class WildRule { None, Jokers, Deuces };

struct PayLine {
    HandCategory category;
    std::uint16_t base; // the payoff for a $1 bet
};

struct PayTable {
    std::string_view title;
    int lineCount;
    std::array<PayLine, maxPayLines> lines; // entries past lineCount are unused
    std::uint16_t topPayoff;                // line 0 at a $5 bet
    bool jokers;                            // the deck is built with the two jokers
    WildRule wildRule;

    // The whole amount credited for a win on line (0..lineCount-1) with a bet of 1..5.
    std::uint16_t payoff(int line, int bet) const;
};

// Precondition: a valid game type (see gameTypeFromNumber).
const PayTable& payTable(GameType type);

} // namespace quintaro
