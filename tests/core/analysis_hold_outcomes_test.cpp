#include "analysis/deck_index.h"
#include "analysis/hold_outcomes.h"
#include "app/deal_in_play.h"
#include "app/round_flow.h"
#include "platform/memory_registry_store.h"
#include "poker/random_sequence.h"
#include "silent_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

namespace quintaro {
namespace {

const HoldOutcome& outcomeOf(const std::array<HoldOutcome, holdCount>& outcomes, unsigned hold) {
    return *std::find_if(outcomes.begin(), outcomes.end(),
                         [hold](const HoldOutcome& o) { return o.hold == hold; });
}

// Cards by rank and suit (clubs 0, spades 1, hearts 2, diamonds 3).
DealtCards cards(std::array<std::pair<int, int>, 5> rankSuits) {
    DealtCards dealt;
    for (std::size_t i = 0; i < dealt.size(); ++i)
        dealt[i] = deckIndex(rankSuits[i].first, rankSuits[i].second);
    return dealt;
}

TEST(HoldOutcomes, CountsAgreeWithHandCountsAndTheTextsReadAsTheTableDoes) {
    const DrawTables tables(GameType::StraightPoker);

    // A dealt royal flush kept whole ends on its line, the first, for certain: $4000 at $5.
    const DealtCards royal = cards({{{10, 1}, {11, 1}, {12, 1}, {13, 1}, {1, 1}}});
    const auto kept = holdOutcomes(tables, royal, 5);
    EXPECT_EQ(kept[0].hold, holdAll);
    EXPECT_DOUBLE_EQ(kept[0].expectedPayoff, 4000);
    EXPECT_EQ(kept[0].draws, 1);
    EXPECT_EQ(kept[0].chance(0), 1);

    // A♥ K♥ Q♥ J♥ 2♠, the four hearts kept, draws one of 47 cards: the T♥ makes the royal,
    // 8 other hearts a flush, 3 other tens a straight, 12 other aces to jacks a high pair.
    const DealtCards hearts = cards({{{1, 2}, {13, 2}, {12, 2}, {11, 2}, {2, 1}}});
    const auto outcomes = holdOutcomes(tables, hearts, 1);
    const HoldOutcome& four = outcomeOf(outcomes, 0b01111);
    EXPECT_EQ(four.draws, 47);
    const std::array<std::int64_t, maxPayLines> byHand{1, 0, 0, 0, 8, 3, 0, 0, 12};
    EXPECT_EQ(four.drawsWinning, byHand);
    EXPECT_EQ(outcomes[0].hold, 0b01111u);
    EXPECT_DOUBLE_EQ(four.expectedPayoff, (250.0 + 8 * 5 + 3 * 4 + 12) / 47);

    // Every hold: C(47, drawn) draws, the holds ranked by payoff, and each payoff the sum of
    // its lines' chances times their pay.
    const std::array<std::int64_t, 6> choose47{1, 47, 1081, 16215, 178365, 1533939};
    std::array<unsigned, holdCount> holds{};
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const HoldOutcome& outcome = outcomes[i];
        holds[i] = outcome.hold;
        EXPECT_EQ(outcome.draws,
                  choose47[5 - static_cast<std::size_t>(std::popcount(outcome.hold))]);
        if (i > 0) {
            EXPECT_LE(outcome.expectedPayoff, outcomes[i - 1].expectedPayoff);
        }
        double payoff = 0;
        for (int line = 0; line < tables.lineCount(); ++line)
            payoff += outcome.chance(line) * tables.pay().payoff(line, 1);
        EXPECT_NEAR(outcome.expectedPayoff, payoff, 1e-9) << outcome.hold;
    }
    std::sort(holds.begin(), holds.end());
    for (unsigned hold = 0; hold < holdCount; ++hold)
        EXPECT_EQ(holds[hold], hold);

    EXPECT_EQ(percentText(12, 47), "25.5%");
    EXPECT_EQ(percentText(2, 47), "4.26%");
    EXPECT_EQ(percentText(1, 1533939), "0.0000652%");
    EXPECT_EQ(percentText(0, 47), "0%");
    EXPECT_EQ(percentText(47, 47), "100%");
    EXPECT_EQ(keptCardsText(hearts, 0b10001), "A\u2665 2\u2660");
    EXPECT_EQ(keptCardsText(royal, 0b00011), "10\u2660 J\u2660");
    EXPECT_EQ(keptCardsText({jokerIndex + 1, 0, 1, 2, 3}, 0b00011), "Joker A\u2663");
    EXPECT_EQ(keptCardsText(hearts, 0), "Discard all");
}

// Answers every question of the flow and records what dealInPlay says at each moment the
// table window would ask it.
class QuietView : public test::SilentView {
public:
    const RoundFlow* flow = nullptr;
    std::vector<std::optional<DealInPlay>> seen;

    void cardWindowChanged(int) override { seen.push_back(dealInPlay(*flow)); }
    void hintAreaChanged() override { seen.push_back(dealInPlay(*flow)); }
    std::string signIn(const std::string&) override { return "Ann"; }

    // Since the last call, nothing was seen but none or the deal, with any hold while
    // the player was still choosing.
    bool sawOnly(const DealInPlay& deal, bool anyHold) {
        const bool only = std::all_of(seen.begin(), seen.end(), [&](const auto& d) {
            return !d ||
                   *d == DealInPlay{deal.game, deal.dealt, anyHold ? d->hold : deal.hold, deal.bet};
        });
        seen.clear();
        return only;
    }
};

TEST(DealInPlay, IsTheDealtHandWithItsHoldAndNeverAHandMidwayThroughADeal) {
    processRandomSequence().seed(11);
    MemoryRegistryStore store;
    HallOfFame hallOfFame(store, "Quintaro", 0, 1);
    QuietView view;
    RoundFlow flow(view, hallOfFame, "Quintaro");
    view.flow = &flow;
    flow.setUpGame(GameType::StraightPoker);
    flow.startNewGame();
    EXPECT_FALSE(dealInPlay(flow));

    flow.onPaylinePress(2);
    flow.onDealButton();
    DealInPlay deal{GameType::StraightPoker, {}, holdAll, 3};
    for (int window = 0; window < 5; ++window)
        deal.dealt[static_cast<std::size_t>(window)] = deckIndexOf(*flow.card(window));
    EXPECT_EQ(dealInPlay(flow), deal);
    flow.onCardWindowPress(1);
    flow.onCardWindowPress(3);
    deal.hold = 0b10101;
    EXPECT_EQ(dealInPlay(flow), deal);
    EXPECT_TRUE(view.sawOnly(deal, true));

    flow.onDealButton();
    EXPECT_EQ(dealInPlay(flow), deal);
    EXPECT_TRUE(view.sawOnly(deal, false));
    EXPECT_NE(deckIndexOf(*flow.card(1)), deal.dealt[1]);

    // A New or accepted Options midway through the next round leaves no deal to show.
    flow.onDealButton();
    flow.newGame();
    EXPECT_FALSE(dealInPlay(flow));
    flow.onDealButton();
    view.seen.clear();
    flow.acceptOptions(GameType::StraightPoker, [] {});
    EXPECT_FALSE(dealInPlay(flow));
    EXPECT_TRUE(std::none_of(view.seen.begin(), view.seen.end(),
                             [](const auto& d) { return d.has_value(); }));
}

} // namespace
} // namespace quintaro
