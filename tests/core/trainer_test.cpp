#include "analysis/deck_index.h"
#include "analysis/strategy_advisor.h"
#include "platform/memory_registry_store.h"
#include "poker/random_sequence.h"
#include "recording_view.h"
#include "reference_poker.h"
#include "trainer/hold_judge.h"
#include "trainer/redeal_trainer.h"
#include "trainer/trainer_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>
#include <vector>

namespace quintaro {
namespace {

constexpr GameType straight = GameType::StraightPoker;
const std::string statisticsKey = "SOFTWARE\\Varden\\Parlorset\\Quintaro\\Statistics";

std::array<int, PokerHand::handSize> deckIndices(const PokerHand::Cards& cards) {
    std::array<int, PokerHand::handSize> indices{};
    for (std::size_t i = 0; i < cards.size(); ++i)
        indices[i] = deckIndexOf(*cards[i]);
    return indices;
}

// A Straight Poker table seeded so that its deals are known again by the same seed.
struct Table {
    MemoryRegistryStore store;
    test::RecordingView view;
    HallOfFame hallOfFame{store, "Quintaro", 0, 1};
    RoundFlow flow{view, hallOfFame, "Quintaro"};

    explicit Table(std::uint32_t seed, RedealGate* gate = nullptr) {
        view.flow = &flow;
        processRandomSequence().seed(seed);
        flow.setUpGame(straight);
        flow.startNewGame();
        flow.setRedealGate(gate);
    }
    // Deals, discards what `hold` does not keep, and presses Redeal once.
    void play(unsigned hold) {
        flow.onDealButton();
        switchHold(0b11111, hold);
        flow.onDealButton();
    }
    void switchHold(unsigned from, unsigned to) {
        for (int window = 0; window < RoundFlow::cardWindowCount; ++window)
            if (((from ^ to) >> window) & 1u)
                flow.onCardWindowPress(window);
    }
    PokerHand::Cards cards() const {
        PokerHand::Cards cards{};
        for (int window = 0; window < RoundFlow::cardWindowCount; ++window)
            cards[static_cast<std::size_t>(window)] = flow.card(window);
        return cards;
    }
};

// A trainer with its statistics in a store of its own, judging with tables built once.
class Trainer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        auto prepared = std::make_shared<StrategyAdvisor>(straight);
        prepared->prepare();
        advisor = prepared;
    }
    void SetUp() override { trainer.setAdvisor(advisor); }

    static inline std::shared_ptr<const StrategyAdvisor> advisor;
    MemoryRegistryStore store;
    TrainerStatistics statistics{store, "Quintaro"};
    RedealTrainer trainer{statistics};
};

TEST_F(Trainer, JudgesHoldsExactlyAndDrawsBestPlayFromTheSameCards) {
    const CardDeck deck(false); // not shuffled: the card at i has deck index i
    const auto card = [&deck](int rank, int suit) { return deck.card(deckIndex(rank, suit)); };
    enum { clubs, spades, hearts, diamonds };
    // K♣ 5♠ K♦ 7♥ 9♦; the draw would bring K♥ 2♣ 3♦ 4♠ 8♣, another king first.
    const PokerHand::Cards kings{card(13, clubs), card(5, spades), card(13, diamonds),
                                 card(7, hearts), card(9, diamonds)};
    const PokerHand::Cards next{card(13, hearts), card(2, clubs), card(3, diamonds),
                                card(4, spades), card(8, clubs)};
    const HoldValues values = advisor->holdValues(kings, 1);
    using Case = std::tuple<unsigned, bool, int>;
    // Holds of 0 to 5 cards: the drawn cards fill the discarded windows in window order.
    // At $1 nothing pays 0, a pair of jacks or better 1, three of a kind 3.
    for (const auto& [hold, mistake, paid] : {Case{0b00000, true, 0},    // K♥ 2♣ 3♦ 4♠ 8♣
                                              Case{0b00001, true, 1},    // K♣ K♥ 2♣ 3♦ 4♠
                                              Case{0b00101, false, 3},   // K♣ K♥ K♦ 2♣ 3♦
                                              Case{0b10101, true, 3},    // K♣ K♥ K♦ 2♣ 9♦
                                              Case{0b01111, true, 3},    // K♣ 5♠ K♦ 7♥ K♥
                                              Case{0b11111, true, 1}}) { // as dealt
        SCOPED_TRACE(hold);
        const JudgedRedeal judged = judgeRedeal(straight, deck, values, kings, next, hold, 1);
        EXPECT_EQ(judged.mistake(), mistake);
        EXPECT_EQ(judged.best, 0b00101u);
        EXPECT_EQ(judged.bestPaid, 3);
        EXPECT_EQ(judged.paid, paid);
    }
    // The cards are named by rank and suit, as the discarded ones show their backs.
    EXPECT_EQ(mistakeMessage(deckIndices(kings), values, 0b10101, true),
              "Best: hold K♣ K♦ ($1.53); yours $1.41. Redeal again to keep yours");

    // Four kings are worth the same with the fifth card kept or redrawn: no mistake either
    // way, though the advice keeps all five.
    const PokerHand::Cards four{card(13, clubs), card(3, diamonds), card(13, hearts),
                                card(13, spades), card(13, diamonds)};
    const HoldValues fourValues = advisor->holdValues(four, 5);
    const JudgedRedeal redraw = judgeRedeal(straight, deck, fourValues, four, next, 0b11101, 5);
    EXPECT_EQ(redraw.best, 0b11111u);
    EXPECT_FALSE(redraw.mistake());
    EXPECT_TRUE(judgeRedeal(straight, deck, fourValues, four, next, 0b11100, 5).mistake());
}

// Each worse hold is refused once without a word to the view; the best draws, and the
// strip then says what it paid.
TEST_F(Trainer, RefusesEachWorseHoldAndNamesBestPlaysPayout) {
    Table table(3, &trainer);
    table.flow.onDealButton();
    const HoldValues values = advisor->holdValues(table.cards(), 1);
    table.switchHold(0b11111, values.ranked()[31]);
    const auto logged = table.view.log.size();
    table.flow.onDealButton();
    EXPECT_EQ(table.view.log.size(), logged);
    const DealtCards dealt = deckIndices(table.cards());
    EXPECT_EQ(trainer.message(table.flow),
              mistakeMessage(dealt, values, values.ranked()[31], true));
    // The strip follows the hold the player takes next, and offers no redeal for it.
    table.switchHold(values.ranked()[31], values.ranked()[30]);
    EXPECT_EQ(trainer.message(table.flow),
              bestHoldText(dealt, values.best(), values.expectedPayoff(values.best())) +
                  "; yours " + dollarText(values.expectedPayoff(values.ranked()[30])));
    table.flow.onDealButton();
    EXPECT_EQ(table.flow.state().phase, RoundPhase::Holding);
    table.switchHold(values.ranked()[30], values.best());
    table.flow.onDealButton();
    EXPECT_EQ(trainer.message(table.flow),
              "Best play would have paid $" +
                  std::to_string(statistics.session(straight).bestPaid));

    // A worse hold pressed again draws, and the strip names best play's payout, not its own.
    const GameStatistics before = statistics.session(straight);
    table.flow.onDealButton();
    table.switchHold(0b11111, advisor->holdValues(table.cards(), 1).ranked().back());
    table.flow.onDealButton();
    table.flow.onDealButton();
    const GameStatistics after = statistics.session(straight);
    ASSERT_NE(after.paid - before.paid, after.bestPaid - before.bestPaid);
    EXPECT_EQ(trainer.message(table.flow),
              "Best play would have paid $" + std::to_string(after.bestPaid - before.bestPaid));

    // A refusal left behind by New is not shown over the next game's deal, and the same
    // hold, a mistake there too, is refused again.
    table.flow.onDealButton();
    const unsigned worst = advisor->holdValues(table.cards(), 1).ranked().back();
    table.switchHold(0b11111, worst);
    table.flow.onDealButton();
    EXPECT_NE(trainer.message(table.flow), "");
    table.flow.newGame();
    table.flow.onDealButton();
    EXPECT_EQ(trainer.message(table.flow), "");
    const HoldValues next = advisor->holdValues(table.cards(), table.flow.bet());
    ASSERT_LT(next.scaledPayoff[worst], next.scaledPayoff[next.best()]);
    table.switchHold(0b11111, worst);
    table.flow.onDealButton();
    EXPECT_EQ(table.flow.state().phase, RoundPhase::Holding);
}

// Without the trainer, or with it but its tables not built, a session makes the very same
// calls of the view and leaves the very same stored values.
TEST_F(Trainer, AbsentOrUnreadyItChangesNothing) {
    const auto session = [](RedealGate* gate) {
        Table table(77, gate);
        for (unsigned hold : {0u, 5u, 31u, 18u, 0u, 7u}) {
            table.flow.onPaylinePress(static_cast<int>(hold % 5));
            table.play(hold);
        }
        table.flow.newGame();
        table.flow.offerBalanceToHallOfFame();
        return std::pair(table.view.log,
                         table.store.values("SOFTWARE\\Varden\\Parlorset\\Quintaro"));
    };
    trainer.setAdvisor(std::make_shared<const StrategyAdvisor>(straight));
    const auto without = session(nullptr);
    EXPECT_GT(without.first.size(), 200u);
    EXPECT_EQ(session(&trainer), without);
    statistics.save();
    EXPECT_TRUE(store.values(statisticsKey).empty());
}

std::string percentOf(std::int64_t part, std::int64_t whole) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f%%", 100.0 * static_cast<double>(part) / whole);
    return text;
}

std::string dollarsOf(std::int64_t value, std::int64_t scale) {
    char text[32];
    std::snprintf(text, sizeof text, "$%.2f", static_cast<double>(value) / scale);
    return text;
}

// A session of scripted bets and holds, each hold judged again by the reference from the
// cards dealt and the five after them: its worth and the best hold's, the line each ends
// on and what it pays. The statistics, their page and the round's payout all agree with it.
TEST_F(Trainer, StatisticsAddUpToTheReferenceAndSurviveTheStore) {
    const test::ReferenceGame& game = test::referenceGame(straight);
    const std::int64_t scale = std::int64_t{47} * 46 * 45 * 44 * 43;
    constexpr unsigned bestPlay = holdCount;
    const std::vector<std::pair<int, unsigned>> script{
        {1, 0b00000}, {5, 0b11111}, {2, bestPlay}, {3, 0b00100}};
    GameStatistics expected;
    Table table(1, &trainer);
    for (const auto& [bet, scripted] : script) {
        table.flow.onPaylinePress(bet - 1);
        table.flow.onDealButton();
        const auto dealt = deckIndices(table.cards());
        test::Five next{};
        for (int i = 0; i < 5; ++i)
            next[static_cast<std::size_t>(i)] = deckIndexOf(*table.flow.deck()->card(5 + i));
        const test::ReferenceHolds holds = test::referenceHolds(game, dealt);
        const auto worth = [&](unsigned h) {
            return holds[h].paid(game, bet) * (scale / holds[h].draws);
        };
        const auto lineAfter = [&](unsigned h) {
            test::Five hand = dealt;
            for (std::size_t window = 0, drawn = 0; window < hand.size(); ++window)
                if (!(h & (1u << window)))
                    hand[window] = next[drawn++];
            return test::referenceLine(game, hand);
        };
        const unsigned best = test::referenceBest(game, holds, bet);
        const unsigned hold = scripted == bestPlay ? best : scripted;
        const int line = lineAfter(hold);
        const int bestLine = lineAfter(best);
        const std::int64_t cost = worth(best) - worth(hold);

        table.switchHold(0b11111, hold);
        table.flow.onDealButton();
        EXPECT_EQ(table.flow.state().phase, cost > 0 ? RoundPhase::Holding : RoundPhase::Over);
        if (cost > 0)
            table.flow.onDealButton();
        const int paid = line == test::noReferenceLine ? 0 : game.pay(line, bet);
        EXPECT_EQ(table.flow.state().lastWin, paid);

        ++expected.hands;
        expected.bet += bet;
        expected.paid += paid;
        expected.bestPaid += bestLine == test::noReferenceLine ? 0 : game.pay(bestLine, bet);
        expected.expected += worth(hold);
        expected.bestExpected += worth(best);
        expected.mistakes += cost > 0 ? 1 : 0;
        expected.mistakeCost += cost;
        if (line != test::noReferenceLine)
            ++expected.lines[static_cast<std::size_t>(line)];
        if (bestLine != test::noReferenceLine)
            ++expected.bestLines[static_cast<std::size_t>(bestLine)];
        if (cost > 0 && (!expected.costliest || cost > expected.costliest->cost()))
            expected.costliest = CostliestMistake{dealt, hold, best, worth(hold), worth(best)};
    }
    ASSERT_GE(expected.mistakes, 2);
    ASSERT_NE(expected.paid, expected.bestPaid);
    EXPECT_EQ(statistics.session(straight), expected);

    const auto rows = statisticsRows(straight, statistics.session(straight), GameStatistics{});
    std::vector<std::string> session;
    for (std::size_t row = 1; row < 11; ++row)
        session.push_back(rows[row].session);
    const std::int64_t betScaled = expected.bet * scale;
    EXPECT_EQ(
        session,
        (std::vector<std::string>{
            std::to_string(script.size()), "$" + std::to_string(expected.bet),
            "$" + std::to_string(expected.paid), percentOf(expected.paid, expected.bet),
            percentOf(expected.expected, betScaled), percentOf(expected.bestExpected, betScaled),
            "$" + std::to_string(expected.bestPaid), std::to_string(expected.mistakes),
            dollarsOf(expected.mistakeCost, scale), percentOf(expected.mistakeCost, betScaled)}));
    const std::array<const char*, 13> rankNames{"A", "2", "3",  "4", "5", "6", "7",
                                                "8", "9", "10", "J", "Q", "K"};
    // Deck order of the suits: clubs, spades, hearts, diamonds.
    const std::array<const char*, 4> suitSigns{"\u2663", "\u2660", "\u2665", "\u2666"};
    std::string held = expected.costliest->hold == 0 ? "discard all" : "hold";
    for (std::size_t window = 0; window < 5; ++window)
        if (expected.costliest->hold & (1u << window))
            held += std::string(" ") +
                    rankNames[static_cast<std::size_t>(expected.costliest->hand[window] % 13)] +
                    suitSigns[static_cast<std::size_t>(expected.costliest->hand[window] / 13)];
    EXPECT_EQ(rows[12].session,
              held + " (" + dollarsOf(expected.costliest->holdValue, scale) + ")");
    for (std::size_t line = 0; line < game.lines.size(); ++line)
        EXPECT_EQ(rows[15 + line].session, std::to_string(expected.lines[line]) + " / " +
                                               std::to_string(expected.bestLines[line]));

    // Stored as plain decimal text, read back whole by the next session, and added to.
    statistics.save();
    const auto& stored = store.values(statisticsKey);
    EXPECT_EQ(stored.at("Bet_0"), "11");
    EXPECT_EQ(stored.at("Lines_0").size(), 17u); // nine counts, one digit each
    TrainerStatistics next(store, "Quintaro");
    EXPECT_EQ(next.allTime(straight), expected);
    next.record(straight, JudgedRedeal{31, 31, 0, 0, 1, noLine, noLine, 0, 0}, {}, 1);
    next.save();
    EXPECT_EQ(store.values(statisticsKey).at("Hands_0"), "5");

    // A damaged value counts as nothing stored; the others keep theirs.
    store.writeValue(statisticsKey, "Bet_0", "18x");
    store.writeValue(statisticsKey, "Lines_0", "1 2 3");
    store.writeValue(statisticsKey, "Costliest_0", "5 5 6 7 8 1 2 3 4");
    store.writeValue(statisticsKey, "Paid_0", "99999999999999999999");
    GameStatistics survivors = next.allTime(straight);
    survivors.bet = survivors.paid = 0;
    survivors.lines = {};
    survivors.costliest.reset();
    TrainerStatistics damaged(store, "Quintaro");
    EXPECT_EQ(damaged.allTime(straight), survivors);

    damaged.reset(straight);
    EXPECT_TRUE(store.values(statisticsKey).empty());
    EXPECT_EQ(damaged.allTime(straight), GameStatistics{});
}

// A stored figure is 1 to 18 decimal digits and nothing else; a stored costliest mistake
// names cards of the game's own deck; of two equally costly mistakes the earlier is kept.
TEST(TrainerFigures, StoredTextsAndTiesKeepTheirBounds) {
    MemoryRegistryStore store;
    for (const char* text : {"-5", "+5", "1.5", " 5", "5 ", "", "1234567890123456789"}) {
        store.writeValue(statisticsKey, "Hands_0", text);
        EXPECT_EQ(TrainerStatistics(store, "Quintaro").allTime(straight).hands, 0) << text;
    }
    store.writeValue(statisticsKey, "Hands_0", "123456789012345678");
    EXPECT_EQ(TrainerStatistics(store, "Quintaro").allTime(straight).hands, 123456789012345678);

    const auto costliestIn = [&store](GameType type, const std::string& text) {
        store.writeValue(statisticsKey, TrainerStatistics::valueName("Costliest", type), text);
        return TrainerStatistics(store, "Quintaro").allTime(type).costliest;
    };
    EXPECT_FALSE(costliestIn(straight, "0 1 2 3 52 1 2 3 4"));
    EXPECT_EQ(costliestIn(straight, "0 1 2 3 51 1 2 3 4")->hand,
              (std::array<int, PokerHand::handSize>{0, 1, 2, 3, 51}));
    // Both jokers are named as jokers, the first as well as the second.
    ASSERT_TRUE(costliestIn(GameType::JokersWildPoker, "52 1 2 0 53 9 2 3 4"));
    const auto rows =
        statisticsRows(GameType::JokersWildPoker, {},
                       TrainerStatistics(store, "Quintaro").allTime(GameType::JokersWildPoker));
    EXPECT_EQ(rows[11].allTime, "Joker 2\u2663 3\u2663 A\u2663 Joker");
    EXPECT_EQ(rows[12].allTime, "hold Joker A\u2663 ($0.00)");
    EXPECT_FALSE(costliestIn(GameType::JokersWildPoker, "0 1 2 3 54 1 2 3 4"));

    const CardDeck deck(false); // not shuffled: the card at i has deck index i
    const auto handFrom = [&deck](int first) {
        PokerHand::Cards cards{};
        for (int i = 0; i < PokerHand::handSize; ++i)
            cards[static_cast<std::size_t>(i)] = deck.card(first + i);
        return cards;
    };
    const JudgedRedeal mistake{1, 3, 10, 30, 1, noLine, noLine, 0, 0};
    GameStatistics earlier;
    earlier.add(mistake, handFrom(0), 1);
    earlier.add(mistake, handFrom(5), 1);
    EXPECT_EQ(earlier.costliest->hand[0], 0);
    GameStatistics later;
    later.add(mistake, handFrom(10), 1);
    earlier.merge(later);
    EXPECT_EQ(earlier.costliest->hand[0], 0);
    later.merge(earlier);
    EXPECT_EQ(later.costliest->hand[0], 10);
}

} // namespace
} // namespace quintaro
