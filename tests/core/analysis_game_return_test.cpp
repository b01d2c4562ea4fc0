#include "analysis/deal_classes.h"
#include "analysis/deck_index.h"
#include "analysis/draw_tables.h"
#include "analysis/game_return.h"
#include "analysis/subset_index.h"
#include "poker/hand_frequencies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace quintaro {
namespace {

// The published return of 8/5 jacks or better: 800 per coin for a royal flush at the
// top bet, 250 below it.
TEST(AnalysisGameReturn, StraightPokerPaysThePublishedReturn) {
    const DrawTables tables(GameType::StraightPoker);
    EXPECT_NEAR(computeGameReturn(tables, 5).returnRate, 0.972984, 5e-7);
    for (int bet : {1, 4})
        EXPECT_NEAR(computeGameReturn(tables, bet).returnRate, 0.960635, 5e-7) << "bet " << bet;
}

// Relabelling suits and swapping the jokers never changes a hand's line, and the deal
// classes stand for every deal once: their weighted lines give the counts of the walk
// over every deal.
TEST(AnalysisGameReturn, DealClassesStandForEveryDeal) {
    for (GameType type :
         {GameType::StraightPoker, GameType::JokersWildPoker, GameType::DeucesWildPoker}) {
        SCOPED_TRACE(gameTypeNumber(type));
        const DrawTables tables(type);
        const int n = tables.deckSize();
        // A swap of two suits, a turn of all four and the swap of the jokers generate every
        // relabelling.
        struct Relabelling {
            std::array<int, 4> suits;
            bool swapJokers;
        };
        const std::array<Relabelling, 3> relabellings{
            {{{1, 0, 2, 3}, false}, {{1, 2, 3, 0}, false}, {{0, 1, 2, 3}, true}}};
        std::array<int, 5> hand{0, 1, 2, 3, 4};
        int mismatches = 0;
        for (std::uint32_t index = 0; index < binomial(n, 5); ++index) {
            const int line = tables.lineOf(hand);
            for (const Relabelling& relabelling : relabellings) {
                std::array<int, 5> moved;
                for (std::size_t i = 0; i < hand.size(); ++i) {
                    const int card = hand[i];
                    if (card < jokerIndex)
                        moved[i] = deckIndex(rankAt(card), relabelling.suits[suitAt(card)]);
                    else
                        moved[i] = relabelling.swapJokers ? 2 * jokerIndex + 1 - card : card;
                }
                std::sort(moved.begin(), moved.end());
                mismatches += tables.lineOf(moved) != line ? 1 : 0;
            }
            if (index + 1 < binomial(n, 5))
                nextSubset(hand);
        }
        EXPECT_EQ(mismatches, 0);

        const HandFrequencies walked = countHandFrequencies(type);
        std::array<std::uint64_t, maxPayLines> lines{};
        std::uint64_t nothing = 0;
        std::uint64_t total = 0;
        for (const DealClass& deal : dealClasses(n == 54)) {
            const int line = tables.lineOf(deal.cards);
            (line == PokerHand::noLine ? nothing : lines[static_cast<std::size_t>(line)]) +=
                deal.weight;
            total += deal.weight;
        }
        EXPECT_EQ(total, walked.total);
        EXPECT_EQ(nothing, walked.nothing);
        EXPECT_EQ(lines, walked.lines);
    }
}

} // namespace
} // namespace quintaro
