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

std::string dollarsOf(std::int64_t value, std::int64_t scale) {
    char text[32];
    std::snprintf(text, sizeof text, "$%.2f", static_cast<double>(value) / scale);
    return text;
}

// The denominator of expected payoffs: (m)(m - 1)...(m - 4) for the m cards left after a deal.
std::int64_t scaleOf(const test::ReferenceGame& game) {
    std::int64_t scale = 1;
    for (int left = game.deckSize - 5; left > game.deckSize - 10; --left)
        scale *= left;
    return scale;
}

// A hold as the player reads it, with card names written here: "hold K♣ K♦" or "discard all".
std::string holdNamed(const std::array<int, PokerHand::handSize>& hand, unsigned hold) {
    const std::array<const char*, 13> rankNames{"A", "2", "3",  "4", "5", "6", "7",
                                                "8", "9", "10", "J", "Q", "K"};
    // Deck order of the suits: clubs, spades, hearts, diamonds.
    const std::array<const char*, 4> suitSigns{"\u2663", "\u2660", "\u2665", "\u2666"};
    std::string held = hold == 0 ? "discard all" : "hold";
    for (std::size_t window = 0; window < 5; ++window)
        if (hold & (1u << window))
            held += hand[window] >= test::firstJoker
                        ? std::string(" Joker")
                        : std::string(" ") +
                              rankNames[static_cast<std::size_t>(hand[window] % 13)] +
                              suitSigns[static_cast<std::size_t>(hand[window] / 13)];
    return held;
}

// The holds of the table's deal as the reference values them at `bet`, and their words.
struct ReferenceDeal {
    const test::ReferenceGame& game = test::referenceGame(straight);
    std::array<int, PokerHand::handSize> dealt;
    test::ReferenceHolds holds;
    int bet;
    unsigned best;

    ReferenceDeal(const PokerHand::Cards& cards, int bet)
        : dealt(deckIndices(cards)), holds(test::referenceHolds(game, dealt)), bet(bet),
          best(test::referenceBest(game, holds, bet)) {}
    // The hold worth least, other than `besides`.
    unsigned worst(unsigned besides = holdCount) const {
        unsigned worst = best;
        for (unsigned h = 0; h < holdCount; ++h)
            if (h != besides && test::referencePrefers(game, holds, bet, worst, h))
                worst = h;
        return worst;
    }
    std::string worth(unsigned h) const {
        const std::int64_t scale = scaleOf(game);
        return dollarsOf(holds[h].paid(game, bet) * (scale / holds[h].draws), scale);
    }
    std::string strip(unsigned hold) const {
        return "Best: " + holdNamed(dealt, best) + " (" + worth(best) + "); yours " + worth(hold);
    }
};

// Each worse hold is refused once without a word to the view; the best draws, and the
// strip then says what it paid. Every expected word and figure comes from the reference.
TEST_F(Trainer, RefusesEachWorseHoldAndNamesBestPlaysPayout) {
    Table table(3, &trainer);
    table.flow.onDealButton();
    const ReferenceDeal deal(table.cards(), 1);
    const unsigned worst = deal.worst();
    const unsigned worse = deal.worst(worst);
    table.switchHold(0b11111, worst);
    const auto logged = table.view.log.size();
    table.flow.onDealButton();
    EXPECT_EQ(table.view.log.size(), logged);
    EXPECT_EQ(trainer.message(table.flow), deal.strip(worst) + ". Redeal again to keep yours");
    // The strip follows the hold the player takes next, and offers no redeal for it.
    table.switchHold(worst, worse);
    EXPECT_EQ(trainer.message(table.flow), deal.strip(worse));
    table.flow.onDealButton();
    EXPECT_EQ(table.flow.state().phase, RoundPhase::Holding);
    table.switchHold(worse, deal.best);
    table.flow.onDealButton();
    EXPECT_EQ(trainer.message(table.flow),
              "Best play would have paid $" +
                  std::to_string(statistics.session(straight).bestPaid));

    // A worse hold pressed again draws, and the strip names best play's payout, not its own.
    const GameStatistics before = statistics.session(straight);
    table.flow.onDealButton();
    table.switchHold(0b11111, ReferenceDeal(table.cards(), 1).worst());
    table.flow.onDealButton();
    table.flow.onDealButton();
    const GameStatistics after = statistics.session(straight);
    ASSERT_NE(after.paid - before.paid, after.bestPaid - before.bestPaid);
    EXPECT_EQ(trainer.message(table.flow),
              "Best play would have paid $" + std::to_string(after.bestPaid - before.bestPaid));

    // A refusal left behind by New is not shown over the next game's deal, and the same
    // hold, a mistake there too, is refused again.
    table.flow.onDealButton();
    const unsigned last = ReferenceDeal(table.cards(), 1).worst();
    table.switchHold(0b11111, last);
    table.flow.onDealButton();
    EXPECT_NE(trainer.message(table.flow), "");
    table.flow.newGame();
    table.flow.onDealButton();
    EXPECT_EQ(trainer.message(table.flow), "");
    const ReferenceDeal next(table.cards(), table.flow.bet());
    ASSERT_TRUE(test::referencePrefers(next.game, next.holds, next.bet, next.best, last));
    table.switchHold(0b11111, last);
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

// Scripted bets and holds; a hold of holdCount takes the best.
using Script = std::vector<std::pair<int, unsigned>>;
constexpr unsigned bestPlay = holdCount;

// Plays the script at the table with the trainer on, each hold judged again by the reference
// from the cards dealt and the five after them: its worth and the best hold's, the line each
// ends on and what it pays. Returns the statistics the reference expects; counts in
// `apartWins` the rounds where the hold taken wins a line other than best play's.
GameStatistics playJudgedByTheReference(Table& table, const Script& script, int& apartWins) {
    const test::ReferenceGame& game = test::referenceGame(table.flow.gameType());
    const std::int64_t scale = scaleOf(game);
    GameStatistics expected;
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
        apartWins += line != test::noReferenceLine && line != bestLine ? 1 : 0;

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
    return expected;
}

// The session column of the Statistics page, from the figures the reference expects and
// card names written here.
void expectSessionRows(GameType type, const GameStatistics& expected) {
    const test::ReferenceGame& game = test::referenceGame(type);
    const std::int64_t scale = scaleOf(game);
    const auto rows = statisticsRows(type, expected, GameStatistics{});
    std::vector<std::string> session;
    for (std::size_t row = 1; row < 11; ++row)
        session.push_back(rows[row].session);
    const std::int64_t betScaled = expected.bet * scale;
    EXPECT_EQ(
        session,
        (std::vector<std::string>{
            std::to_string(expected.hands), "$" + std::to_string(expected.bet),
            "$" + std::to_string(expected.paid), percentOf(expected.paid, expected.bet),
            percentOf(expected.expected, betScaled), percentOf(expected.bestExpected, betScaled),
            "$" + std::to_string(expected.bestPaid), std::to_string(expected.mistakes),
            dollarsOf(expected.mistakeCost, scale), percentOf(expected.mistakeCost, betScaled)}));
    EXPECT_EQ(rows[12].session, holdNamed(expected.costliest->hand, expected.costliest->hold) +
                                    " (" + dollarsOf(expected.costliest->holdValue, scale) + ")");
    for (std::size_t line = 0; line < game.lines.size(); ++line)
        EXPECT_EQ(rows[15 + line].session, std::to_string(expected.lines[line]) + " / " +
                                               std::to_string(expected.bestLines[line]));
}

// A session of Straight Poker, then one of Jokers Wild after a change of game, where a joker
// kept alone makes three of a kind and best play a pair of kings: the statistics, their page
// and each round's payout all agree with the reference.
TEST_F(Trainer, StatisticsAddUpToTheReferenceAndSurviveTheStore) {
    int apartWins = 0;
    Table table(1, &trainer);
    const GameStatistics expected = playJudgedByTheReference(
        table, {{1, 0b00000}, {5, 0b11111}, {2, bestPlay}, {3, 0b00100}}, apartWins);
    ASSERT_GE(expected.mistakes, 2);
    ASSERT_NE(expected.paid, expected.bestPaid);
    EXPECT_EQ(statistics.session(straight), expected);
    expectSessionRows(straight, expected);

    constexpr GameType jokers = GameType::JokersWildPoker;
    auto jokersAdvisor = std::make_shared<StrategyAdvisor>(jokers);
    jokersAdvisor->prepare();
    trainer.setAdvisor(jokersAdvisor);
    table.flow.acceptOptions(jokers, [] {});
    const GameStatistics expectedJokers = playJudgedByTheReference(
        table, {{1, 0b00000}, {5, 0b00001}, {2, bestPlay}, {3, 0b00100}}, apartWins);
    ASSERT_GE(expectedJokers.mistakes, 1);
    ASSERT_GE(apartWins, 1);
    EXPECT_EQ(statistics.session(jokers), expectedJokers);
    expectSessionRows(jokers, expectedJokers);

    // Stored as plain decimal text, read back whole by the next session, and added to.
    statistics.save();
    const auto& stored = store.values(statisticsKey);
    EXPECT_EQ(stored.at("Bet_0"), "11");
    EXPECT_EQ(stored.at("Lines_0").size(), 17u); // nine counts, one digit each
    TrainerStatistics next(store, "Quintaro");
    EXPECT_EQ(next.allTime(straight), expected);
    EXPECT_EQ(next.allTime(jokers), expectedJokers);
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

    damaged.reset(straight); // the other game's figures stay
    for (const auto& [name, text] : store.values(statisticsKey))
        EXPECT_TRUE(name.ends_with("_1")) << name;
    EXPECT_EQ(damaged.allTime(straight), GameStatistics{});
    EXPECT_EQ(damaged.allTime(jokers), expectedJokers);
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
    EXPECT_FALSE(costliestIn(straight, "0 1 2 3 51 1 2 4 4")); // no mistake at equal worth
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
