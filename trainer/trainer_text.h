#pragma once

#include "analysis/draw_tables.h"
#include "analysis/hold_values.h"
#include "poker/game_type.h"
#include "trainer/trainer_statistics.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quintaro {

// "$7.63": an expected payoff in the units of HoldValues.
std::string expectedDollars(std::int64_t value, std::int64_t scale);

// The trainer's word while a refused deal is held, for the hold taken now:
// "Best: hold K♣ K♠ ($1.53); yours $1.41", and with the offer, made for the hold refused,
// ". Redeal again to keep yours".
std::string mistakeMessage(const DealtCards& hand, const HoldValues& values, unsigned hold,
                           bool offerRedeal);

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
