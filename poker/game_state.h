#pragma once

#include <cstdint>

namespace quintaro {

enum class RoundPhase : std::int32_t { Holding = 0, Over = 1, NotStarted = 2 };

// The round record the whole table shares: money, where the round stands, and whether
// the game was just started by a sign-in (then the status box omits "Game Over").
struct GameState {
    std::uint32_t balance = 0;
    std::uint32_t lastWin = 0;
    RoundPhase phase = RoundPhase::NotStarted;
    bool freshGame = false;
};

} // namespace quintaro
