#pragma once

#include "analysis/hold_values.h"
#include "poker/game_type.h"
#include "trainer/trainer_statistics.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quintaro {

// "K♣", "10♥", "Joker": a card by its deck index (see deck_index.h).
std::string cardName(int deckIndex);
// "Seven of Clubs", "Joker": the same card in words, as a screen reader speaks it.
std::string cardWords(int deckIndex);
// "hold K K" with the kept ranks in window order, or "discard all".
std::string holdText(const std::array<int, PokerHand::handSize>& hand, unsigned hold);
// "$7.63": an expected payoff in the units of HoldValues.
std::string expectedDollars(std::int64_t value, std::int64_t scale);

// "Best: hold K K ($7.63); yours $7.04. Redeal again to keep yours".
std::string mistakeMessage(const std::array<int, PokerHand::handSize>& hand,
                           const JudgedRedeal& judged);

// One row of a statistics page: what it counts, this session, all time.
struct StatisticsRow {
    std::string label;
    std::string session;
    std::string allTime;
};

// The rows of a game's page, in the order shown: the column headers first, pay lines last
// under a heading row, one row each as "hits / best play's hits".
std::vector<StatisticsRow> statisticsRows(GameType type, const GameStatistics& session,
                                          const GameStatistics& allTime);

} // namespace quintaro
