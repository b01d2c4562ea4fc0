#pragma once

#include <cstdint>

namespace quintaro {

enum class GameType : std::uint16_t {
    StraightPoker = 0,
    JokersWildPoker = 1,
    DeucesWildPoker = 2,
};

// A stored or typed number as a game; anything but 0, 1 or 2 plays Straight Poker.
constexpr GameType gameTypeFromNumber(std::uint32_t number) {
    return number <= 2 ? static_cast<GameType>(number) : GameType::StraightPoker;
}

constexpr int gameTypeNumber(GameType type) {
    return static_cast<int>(type);
}

} // namespace quintaro
