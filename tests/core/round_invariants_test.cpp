#include "tests/core/scripted_table.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

// Twenty thousand rounds of random play, every rule checked after every step: the money
// agrees with a ledger of stakes, bets and payouts, every payout is the pay table's payoff
// for the hand as evaluated afresh, no card is on the table twice and the deck never runs
// out. bench/run plays a million.
TEST(RoundInvariants, TwentyThousandScriptedRoundsKeepEveryRule) {
    ScriptedTable table(20240601);
    while (table.counts().rounds < 20000)
        ASSERT_TRUE(table.playRound()) << table.failure();

    // The script reached what it is there to reach.
    const ScriptedTable::Counts& counts = table.counts();
    for (long played : counts.roundsOfGame)
        EXPECT_GT(played, 2000);
    EXPECT_GT(counts.wins, 4000);
    EXPECT_GT(counts.broke, 20);
    EXPECT_GT(counts.newGames, 20);
    EXPECT_GT(counts.optionsAccepted, 20);
    EXPECT_GT(counts.refusedBets, 1000);
}

} // namespace
} // namespace quintaro
