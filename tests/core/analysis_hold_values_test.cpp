#include "analysis/deck_index.h"
#include "analysis/draw_tables.h"
#include "analysis/hold_outcomes.h"
#include "analysis/strategy_advisor.h"
#include "app/deal_in_play.h"
#include "platform/memory_registry_store.h"
#include "poker/random_sequence.h"
#include "reference_poker.h"
#include "round/round_flow.h"
#include "silent_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <sstream>
#include <string>
#include <vector>

namespace quintaro {
namespace {

// "KC KD 5S 7H 9D": rank A 2..9 T J Q K, suit C S H D (deck suits 0..3); X1, X2 the jokers.
DealtCards deal(const std::string& text) {
    const std::string ranks = "A23456789TJQK";
    const std::string suits = "CSHD";
    std::istringstream in(text);
    DealtCards dealt{};
    std::string name;
    for (int& index : dealt) {
        in >> name;
        index = name[0] == 'X' ? jokerIndex + name[1] - '1'
                               : deckIndex(static_cast<int>(ranks.find(name[0])) + 1,
                                           static_cast<int>(suits.find(name[1])));
    }
    return dealt;
}

// Every hold of each sample deal at $1 and $5, against the reference's walk over all of its
// draws: the exact payoff, the count of every line and the best hold.
void expectHoldsMatchReference(GameType type, const std::vector<std::string>& deals) {
    const DrawTables tables(type);
    const test::ReferenceGame& game = test::referenceGame(type);
    for (const std::string& text : deals) {
        const DealtCards dealt = deal(text);
        const test::ReferenceHolds holds = test::referenceHolds(game, dealt);
        for (int bet : {1, 5}) {
            const HoldValues values = tables.holdValues(dealt, bet);
            SCOPED_TRACE(text + " at $" + std::to_string(bet));
            EXPECT_EQ(values.best(), test::referenceBest(game, holds, bet));
            for (unsigned hold = 0; hold < holdCount; ++hold) {
                EXPECT_EQ(values.scaledPayoff[hold] * holds[hold].draws,
                          holds[hold].paid(game, bet) * values.scale)
                    << "hold mask " << hold;
                const auto draws = tables.drawsWinning(dealt, hold);
                EXPECT_TRUE(std::equal(draws.begin(), draws.end(), holds[hold].lines.begin()))
                    << "hold mask " << hold;
            }
        }
    }
}

// Jokers and deuces dealt one and two at a time, the wild royal of 9 J Q K and a wild card,
// and a lone deuce in the first window, the only card worth keeping.
TEST(AnalysisHoldValues, EveryHoldOfEveryGameMatchesTheReference) {
    expectHoldsMatchReference(GameType::StraightPoker, {"KC KD 5S 7H 9D", "AH KH QH JH 2S"});
    expectHoldsMatchReference(GameType::JokersWildPoker, {"X2 KC 8D 4H QS", "9S X1 JS X2 QC"});
    expectHoldsMatchReference(GameType::DeucesWildPoker,
                              {"2C 9S JS 2D KS", "AS 5C 6D 8S 2H", "2C 5S 9D KH 7C"});
}

// Of holds worth the same, the one keeping more cards, then the lower mask: the advice never
// depends on the order a sort happens to leave.
TEST(HoldValues, EqualHoldsRankByCardsKeptThenByMask) {
    const HoldValues worthless;
    EXPECT_EQ(worthless.best(), holdAll);
    const auto ranked = worthless.ranked();
    EXPECT_EQ(std::vector<unsigned>(ranked.begin(), ranked.begin() + 7),
              (std::vector<unsigned>{31, 15, 23, 27, 29, 30, 7}));
    EXPECT_EQ(ranked.back(), 0u);
}

TEST(StrategyAdvisor, AdvisesFromTheTablesCardsAndWordsTheHint) {
    const CardDeck deck(true); // not shuffled: the card at i has deck index i
    const auto cards = [&deck](const std::string& text) {
        PokerHand::Cards hand;
        const DealtCards dealt = deal(text);
        for (std::size_t i = 0; i < hand.size(); ++i)
            hand[i] = deck.card(dealt[i]);
        return hand;
    };
    const StrategyAdvisor advisor(GameType::StraightPoker);
    EXPECT_FALSE(advisor.isPrepared());

    // A dealt royal flush is kept whole and pays the table's amount: 4000 at $5, 1000 at $4.
    const PokerHand::Cards royal = cards("TS JS QS KS AS");
    EXPECT_EQ(strategyHint(royal, advisor.best(royal, 5)), "Best: hold 10♠ J♠ Q♠ K♠ A♠ ($4000.00)");
    EXPECT_TRUE(advisor.isPrepared());
    EXPECT_EQ(strategyHint(royal, advisor.best(royal, 4)), "Best: hold 10♠ J♠ Q♠ K♠ A♠ ($1000.00)");

    // Four kings are worth 125 at $5 whether the fifth card is kept or redrawn; of two equal
    // holds the one keeping more cards is advised.
    const PokerHand::Cards kings = cards("KC 3D KH KS KD");
    EXPECT_EQ(strategyHint(kings, advisor.best(kings, 5)), "Best: hold K♣ 3♦ K♥ K♠ K♦ ($125.00)");
    EXPECT_EQ(advisor.holdValues(kings, 5).ranked()[1], 0b11101u);

    // The textbook plays: a high pair is kept alone, and nothing worth keeping is thrown away.
    const PokerHand::Cards pair = cards("KC 5S KD 7H 9D");
    EXPECT_EQ(strategyHint(pair, advisor.best(pair, 1)), "Best: hold K♣ K♦ ($1.53)");
    const PokerHand::Cards junk = cards("2C 3D 7H 8S TD");
    EXPECT_EQ(strategyHint(junk, advisor.best(junk, 1)), "Best: discard all ($0.35)");

    const PokerHand::Cards jokers = cards("X1 KC 8D X2 QS");
    EXPECT_EQ(strategyHint(jokers, {0b01011, 2.5}), "Best: hold Joker K♣ Joker ($2.50)");
}

// Each hold's counts and payoff are checked against the reference above and, as the rows
// of Hand Analysis, in the table window's test; here the texts at their edges.
TEST(HoldOutcomes, TextsReadAsTheTableDoes) {
    const DealtCards royal = deal("TS JS QS KS AS");
    const DealtCards hearts = deal("AH KH QH JH 2S");
    EXPECT_EQ(percentText(12, 47), "25.5%");
    EXPECT_EQ(percentText(2, 47), "4.26%");
    EXPECT_EQ(percentText(1, 1533939), "0.0000652%");
    EXPECT_EQ(percentText(0, 47), "0%");
    EXPECT_EQ(percentText(47, 47), "100%");
    EXPECT_EQ(keptCardsText(hearts, 0b10001), "A\u2665 2\u2660");
    EXPECT_EQ(keptCardsText(royal, 0b00011), "10\u2660 J\u2660");
    EXPECT_EQ(keptCardsText({jokerIndex + 1, 0, jokerIndex, 2, 3}, 0b00111), "Joker A\u2663 Joker");
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
    // Between hands the bet may change, or a payout lower it: the deal keeps the bet it
    // was played at.
    flow.onPaylinePress(0);
    ASSERT_EQ(flow.bet(), 1);
    EXPECT_EQ(dealInPlay(flow), deal);

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
