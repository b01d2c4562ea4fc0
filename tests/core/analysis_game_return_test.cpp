#include "analysis/deal_classes.h"
#include "analysis/draw_tables.h"
#include "analysis/game_return.h"

#include <gtest/gtest.h>

#include <array>

namespace quintaro {
namespace {

// Of all 2,598,960 five-card deals, the textbook counts of each hand from a royal flush down
// to two pair, and of the 1,098,240 one-pair deals the 337,920 of jacks to aces. The deal
// classes, weighted, must give them through the game's own evaluation. Played with the best
// hold, the game must then return what 8/5 jacks or better is published to return, with 800
// per coin for a royal flush at the top bet. Below it the royal pays 250 per coin, a figure
// of our own analysis kept so that a change shows.
TEST(AnalysisGameReturn, StraightPokerDealsTheTextbookHandsAndPaysThePublishedReturn) {
    const DrawTables tables(GameType::StraightPoker);
    std::array<std::uint64_t, maxPayLines> lines{};
    std::uint64_t total = 0;
    for (const DealClass& deal : dealClasses(false)) {
        const int line = tables.lineOf(deal.cards);
        if (line != noLine)
            lines[static_cast<std::size_t>(line)] += deal.weight;
        total += deal.weight;
    }
    EXPECT_EQ(total, 2598960u);
    EXPECT_EQ(lines, (std::array<std::uint64_t, maxPayLines>{4, 36, 624, 3744, 5108, 10200, 54912,
                                                             123552, 337920}));

    EXPECT_NEAR(computeGameReturn(tables, 5).returnRate, 0.972984, 5e-7);
    for (int bet : {1, 4})
        EXPECT_NEAR(computeGameReturn(tables, bet).returnRate, 0.960635, 5e-7) << "bet " << bet;

    std::uint64_t withJokers = 0;
    for (const DealClass& deal : dealClasses(true))
        withJokers += deal.weight;
    EXPECT_EQ(withJokers, 3162510u); // C(54, 5)
}

} // namespace
} // namespace quintaro
