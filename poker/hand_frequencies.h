#pragma once

#include "poker/game_type.h"
#include "poker/pay_table.h"

#include <array>
#include <cstdint>

namespace quintaro {

// How many of all possible five-card deals of a game's deck win each pay line.
struct HandFrequencies {
    std::array<std::uint64_t, maxPayLines> lines{}; // indexed like the game's pay lines
    std::uint64_t nothing = 0;
    std::uint64_t total = 0;
};

// Walks every five-card deal of the game's freshly built deck through the game's own
// set-up and evaluation.
HandFrequencies countHandFrequencies(GameType type);

} // namespace quintaro
