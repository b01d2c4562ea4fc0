#include "analysis/deck_index.h"
#include "analysis/strategy_advisor.h"
#include "platform/memory_registry_store.h"
#include "poker/random_sequence.h"
#include "recording_view.h"
#include "trainer/hold_judge.h"
#include "trainer/redeal_trainer.h"
#include "trainer/trainer_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace quintaro {
namespace {

// A Straight Poker table seeded so that its deals are known again by the same seed.
struct Table {
    MemoryRegistryStore store;
    test::RecordingView view;
    HallOfFame hallOfFame{store, "Quintaro", 0, 1};
    RoundFlow flow{view, hallOfFame, "Quintaro"};

    explicit Table(std::uint32_t seed) {
        view.flow = &flow;
        processRandomSequence().seed(seed);
        flow.setUpGame(GameType::StraightPoker);
        flow.startNewGame();
    }
    // Deals, discards what `hold` does not keep, and presses Redeal once.
    void play(unsigned hold) {
        flow.onDealButton();
        discardOutside(hold);
        flow.onDealButton();
    }
    void discardOutside(unsigned hold) {
        for (int window = 0; window < RoundFlow::cardWindowCount; ++window)
            if ((hold & (1u << window)) == 0)
                flow.onCardWindowPress(window);
    }
    PokerHand::Cards cards() const {
        PokerHand::Cards cards{};
        for (int window = 0; window < RoundFlow::cardWindowCount; ++window)
            cards[static_cast<std::size_t>(window)] = flow.card(window);
        return cards;
    }
};

std::shared_ptr<const StrategyAdvisor> preparedAdvisor() {
    auto advisor = std::make_shared<const StrategyAdvisor>(GameType::StraightPoker);
    advisor->prepare();
    return advisor;
}

// "KC 5S KD 7H 9D": cards of an unshuffled Straight Poker deck, suits C S H D.
PokerHand::Cards cardsOf(const CardDeck& deck, const std::string& text) {
    std::istringstream in(text);
    PokerHand::Cards cards{};
    std::string name;
    for (const Card*& card : cards) {
        in >> name;
        card = deck.card(deckIndex(static_cast<int>(std::string("A23456789TJQK").find(name[0])) + 1,
                                   static_cast<int>(std::string("CSHD").find(name[1]))));
    }
    return cards;
}

const std::string statisticsKey = "SOFTWARE\\Varden\\Parlorset\\Quintaro\\Statistics";

HandCategory categoryOf(int line) {
    return payTable(GameType::StraightPoker).lines[static_cast<std::size_t>(line)].category;
}

TEST(Trainer, JudgesHoldsExactlyAndDrawsBestPlayFromTheSameCards) {
    const CardDeck deck(false); // not shuffled: the card at i has deck index i
    const auto advisor = preparedAdvisor();

    // Kings with three odd cards; the draw would bring another king first.
    const PokerHand::Cards kings = cardsOf(deck, "KC 5S KD 7H 9D");
    const PokerHand::Cards next = cardsOf(deck, "KH 2C 3D 4S 8C");
    const HoldValues values = advisor->holdValues(kings, 1);
    struct Case {
        unsigned hold;
        bool mistake;
        HandCategory category;
        int paid;
    };
    // Holds of 0 to 5 cards: the drawn cards fill the discarded windows in window order.
    for (const Case& c : {Case{0b00000, true, HandCategory::Nothing, 0},
                          Case{0b00001, true, HandCategory::JacksOrBetter, 1},
                          Case{0b00101, false, HandCategory::ThreeOfAKind, 3},
                          Case{0b10101, true, HandCategory::ThreeOfAKind, 3},
                          Case{0b01111, true, HandCategory::ThreeOfAKind, 3},
                          Case{0b11111, true, HandCategory::JacksOrBetter, 1}}) {
        SCOPED_TRACE(c.hold);
        const JudgedRedeal judged =
            judgeRedeal(GameType::StraightPoker, deck, values, kings, next, c.hold, 1);
        EXPECT_EQ(judged.mistake(), c.mistake);
        EXPECT_EQ(judged.best, 0b00101u);
        EXPECT_EQ(categoryOf(judged.bestLine), HandCategory::ThreeOfAKind);
        EXPECT_EQ(judged.bestPaid, 3);
        if (c.category == HandCategory::Nothing)
            EXPECT_EQ(judged.line, noLine);
        else
            EXPECT_EQ(categoryOf(judged.line), c.category);
        EXPECT_EQ(judged.paid, c.paid);
    }
    std::array<int, 5> hand{};
    for (std::size_t i = 0; i < hand.size(); ++i)
        hand[i] = deckIndexOf(*kings[i]);
    EXPECT_EQ(mistakeMessage(hand, judgeRedeal(GameType::StraightPoker, deck, values, kings, next,
                                               0b10101, 1)),
              "Best: hold K K ($1.53); yours $1.41. Redeal again to keep yours");

    // Four kings are worth the same with the fifth card kept or redrawn: no mistake either
    // way, though the advice keeps all five.
    const PokerHand::Cards four = cardsOf(deck, "KC 3D KH KS KD");
    const HoldValues fourValues = advisor->holdValues(four, 5);
    const JudgedRedeal redraw =
        judgeRedeal(GameType::StraightPoker, deck, fourValues, four, next, 0b11101, 5);
    EXPECT_EQ(redraw.best, 0b11111u);
    EXPECT_EQ(redraw.holdValue, redraw.bestValue);
    EXPECT_FALSE(redraw.mistake());
    EXPECT_TRUE(
        judgeRedeal(GameType::StraightPoker, deck, fourValues, four, next, 0b11100, 5).mistake());
}

// What the judge predicts against what the round really pays, for seeded deals and holds
// that keep 0 to 5 cards; and the refusal seen through the round.
TEST(Trainer, RefusesAMistakeOnceAndPredictsTheRoundsOwnPayout) {
    const auto advisor = preparedAdvisor();
    int bestWins = 0;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        for (unsigned kept = 0; kept <= 5; ++kept) {
            const unsigned hold = (1u << kept) - 1;
            Table judged(seed);
            judged.flow.onDealButton();
            judged.discardOutside(hold);
            PokerHand::Cards next{};
            for (int i = 0; i < 5; ++i)
                next[static_cast<std::size_t>(i)] = judged.flow.deck()->card(5 + i);
            const JudgedRedeal verdict =
                judgeRedeal(GameType::StraightPoker, *judged.flow.deck(),
                            advisor->holdValues(judged.cards(), 1), judged.cards(), next, hold, 1);
            Table own(seed);
            own.play(hold);
            EXPECT_EQ(own.flow.state().lastWin, static_cast<std::uint32_t>(verdict.paid));
            EXPECT_EQ(own.flow.handNames().highlightedLine, verdict.line);
            Table best(seed);
            best.play(verdict.best);
            EXPECT_EQ(best.flow.state().lastWin, static_cast<std::uint32_t>(verdict.bestPaid));
            EXPECT_EQ(best.flow.handNames().highlightedLine, verdict.bestLine);
            bestWins += verdict.bestPaid > 0 ? 1 : 0;
        }
    }
    EXPECT_GT(bestWins, 6);

    // Through the round: a mistake is refused without a word to the view, then drawn.
    MemoryRegistryStore store;
    TrainerStatistics statistics(store, "Quintaro");
    RedealTrainer trainer(statistics);
    trainer.setAdvisor(advisor);
    Table table(3);
    table.flow.setRedealGate(&trainer);
    table.flow.onDealButton();
    const unsigned best = advisor->holdValues(table.cards(), 1).best();
    const unsigned worst = advisor->holdValues(table.cards(), 1).ranked().back();
    table.discardOutside(worst);
    const auto logged = table.view.log.size();
    table.flow.onDealButton();
    EXPECT_EQ(table.view.log.size(), logged);
    EXPECT_EQ(table.flow.state().phase, RoundPhase::Holding);
    EXPECT_TRUE(trainer.message(table.flow).starts_with("Best: "));
    EXPECT_TRUE(trainer.message(table.flow).ends_with(". Redeal again to keep yours"));
    // Another hold is judged afresh: a second mistake is refused too, the best draws.
    const auto switchHold = [&table](unsigned from, unsigned to) {
        for (int window = 0; window < 5; ++window)
            if (((from ^ to) >> window) & 1u)
                table.flow.onCardWindowPress(window);
    };
    const unsigned other = advisor->holdValues(table.cards(), 1).ranked()[30];
    switchHold(worst, other);
    table.flow.onDealButton();
    EXPECT_EQ(table.flow.state().phase, RoundPhase::Holding);
    switchHold(other, best);
    Table twin(3);
    twin.play(best);
    table.flow.onDealButton();
    EXPECT_EQ(table.flow.state().phase, RoundPhase::Over);
    EXPECT_EQ(trainer.message(table.flow),
              "Best play would have paid $" + std::to_string(twin.flow.state().lastWin));
    EXPECT_EQ(statistics.session(GameType::StraightPoker).mistakes, 0);
    // A refusal left behind by New is not shown over the next game's deal.
    table.flow.onDealButton();
    table.discardOutside(advisor->holdValues(table.cards(), 1).ranked().back());
    table.flow.onDealButton();
    EXPECT_NE(trainer.message(table.flow), "");
    table.flow.newGame();
    table.flow.onDealButton();
    EXPECT_EQ(trainer.message(table.flow), "");
}

// Without the trainer, or with it but its tables not built, a session makes the very same
// calls of the view and leaves the very same stored values.
TEST(Trainer, AbsentOrUnreadyItChangesNothing) {
    const auto session = [](RedealGate* gate) {
        Table table(77);
        table.flow.setRedealGate(gate);
        for (unsigned hold : {0u, 5u, 31u, 18u, 0u, 7u}) {
            table.flow.onPaylinePress(static_cast<int>(hold % 5));
            table.play(hold);
        }
        table.flow.newGame();
        table.flow.offerBalanceToHallOfFame();
        return std::pair(table.view.log,
                         table.store.values("SOFTWARE\\Varden\\Parlorset\\Quintaro"));
    };
    MemoryRegistryStore store;
    TrainerStatistics statistics(store, "Quintaro");
    RedealTrainer unready(statistics);
    unready.setAdvisor(std::make_shared<const StrategyAdvisor>(GameType::StraightPoker));
    const auto without = session(nullptr);
    EXPECT_GT(without.first.size(), 200u);
    EXPECT_EQ(session(&unready), without);
    statistics.save();
    EXPECT_TRUE(store.values(statisticsKey).empty());
}

// A session of known deals and holds: what the statistics hold is what the rounds paid,
// what a twin session holding the best cards was paid, and the exact worth of each hold.
TEST(Trainer, StatisticsAddUpAndSurviveTheStore) {
    const auto advisor = preparedAdvisor();
    const std::vector<std::pair<int, bool>> script{{1, true}, {5, false}, {2, false},
                                                   {5, true}, {3, false}, {1, true}};
    const std::int64_t scale = valueScale(GameType::StraightPoker);
    GameStatistics expected;
    std::vector<unsigned> bestHolds;
    MemoryRegistryStore store;
    TrainerStatistics statistics(store, "Quintaro");
    {
        RedealTrainer trainer(statistics);
        trainer.setAdvisor(advisor);
        Table table(2024);
        table.flow.setRedealGate(&trainer);
        for (const auto& [bet, bestPlay] : script) {
            table.flow.onPaylinePress(bet - 1);
            table.flow.onDealButton();
            const HoldValues values = advisor->holdValues(table.cards(), bet);
            std::array<int, 5> dealt{};
            for (int w = 0; w < 5; ++w)
                dealt[static_cast<std::size_t>(w)] = deckIndexOf(*table.flow.card(w));
            // The other plays keep the hold worth least, or the one before it on a tie.
            const unsigned hold = bestPlay ? values.best() : values.ranked().back();
            bestHolds.push_back(values.best());
            table.discardOutside(hold);
            const std::int64_t cost =
                values.scaledPayoff[values.best()] - values.scaledPayoff[hold];
            for (int press = cost > 0 ? 2 : 1; press > 0; --press)
                table.flow.onDealButton();
            ++expected.hands;
            expected.bet += bet;
            expected.paid += table.flow.state().lastWin;
            expected.expected += values.scaledPayoff[hold];
            expected.bestExpected += values.scaledPayoff[values.best()];
            expected.mistakes += cost > 0 ? 1 : 0;
            expected.mistakeCost += cost;
            if (table.flow.handNames().highlightedLine != noLine)
                ++expected.lines[table.flow.handNames().highlightedLine];
            if (cost > 0 && (!expected.costliest || cost > expected.costliest->cost())) {
                CostliestMistake worst{{},
                                       hold,
                                       values.best(),
                                       values.scaledPayoff[hold],
                                       values.scaledPayoff[values.best()]};
                worst.hand = dealt;
                expected.costliest = worst;
            }
        }
    }
    Table twin(2024);
    for (std::size_t round = 0; round < script.size(); ++round) {
        twin.flow.onPaylinePress(script[round].first - 1);
        twin.play(bestHolds[round]);
        expected.bestPaid += twin.flow.state().lastWin;
        if (twin.flow.handNames().highlightedLine != noLine)
            ++expected.bestLines[twin.flow.handNames().highlightedLine];
    }
    EXPECT_EQ(expected.mistakes, 3);
    EXPECT_EQ(statistics.session(GameType::StraightPoker), expected);
    EXPECT_EQ(statistics.allTime(GameType::StraightPoker), expected);

    // Stored as plain decimal text, read back whole by the next session, and added to.
    statistics.save();
    const auto& stored = store.values(statisticsKey);
    EXPECT_EQ(stored.at("Hands_0"), "6");
    EXPECT_EQ(stored.at("Bet_0"), "17");
    EXPECT_EQ(stored.at("MistakeCost_0"), std::to_string(expected.mistakeCost));
    EXPECT_EQ(stored.at("Lines_0").size(), 17u); // nine counts, one digit each
    EXPECT_EQ(stored.count("Hands_1"), 0u);
    TrainerStatistics next(store, "Quintaro");
    EXPECT_EQ(next.allTime(GameType::StraightPoker), expected);
    EXPECT_EQ(next.session(GameType::StraightPoker), GameStatistics{});
    next.record(GameType::StraightPoker,
                JudgedRedeal{31, 31, scale, scale, scale, noLine, noLine, 0, 0}, {}, 1);
    next.save();
    EXPECT_EQ(store.values(statisticsKey).at("Hands_0"), "7");
    EXPECT_EQ(store.values(statisticsKey).at("Bet_0"), "18");

    // A damaged value counts as nothing stored; the others keep theirs.
    store.writeValue(statisticsKey, "Bet_0", "18x");
    store.writeValue(statisticsKey, "Lines_0", "1 2 3");
    store.writeValue(statisticsKey, "Costliest_0", "5 5 6 7 8 1 2 3 4");
    store.writeValue(statisticsKey, "Paid_0", "99999999999999999999");
    TrainerStatistics damaged(store, "Quintaro");
    const GameStatistics read = damaged.allTime(GameType::StraightPoker);
    EXPECT_EQ(read.hands, 7);
    EXPECT_EQ(read.bet, 0);
    EXPECT_EQ(read.paid, 0);
    EXPECT_EQ(read.lines, decltype(read.lines){});
    EXPECT_EQ(read.bestLines, expected.bestLines);
    EXPECT_FALSE(read.costliest);
    EXPECT_EQ(read.mistakeCost, expected.mistakeCost);

    damaged.reset(GameType::StraightPoker);
    EXPECT_TRUE(store.values(statisticsKey).empty());
    EXPECT_EQ(damaged.allTime(GameType::StraightPoker), GameStatistics{});
}

} // namespace
} // namespace quintaro
