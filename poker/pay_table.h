#pragma once

#include "poker/game_type.h"
#include "poker/hand_category.h"

#include <array>
#include <cstdint>
#include <string>
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
    std::string_view title; // English; a string literal, so data() ends in a NUL
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

// The pay table as the table holds it: the hand-name display's title, line count and
// categories, and one payoff list per payline column. Entries past lineCount keep whatever
// an earlier game left there; they are never shown or paid.
struct PayDisplayData {
    std::string title; // in the program's language
    int lineCount = 0;
    std::array<HandCategory, maxPayLines> categories{};
    std::array<std::array<std::uint16_t, maxPayLines>, betCount> payoffs{}; // [bet - 1][line]

    std::uint16_t payoff(int line, int bet) const {
        return payoffs[static_cast<std::size_t>(bet - 1)][static_cast<std::size_t>(line)];
    }
};

} // namespace quintaro
