#include "poker/card_deck.h"
#include "poker/game_setup.h"
#include "poker/pay_table.h"
#include "poker/random_sequence.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace quintaro {
namespace {

using RankSuit = std::pair<int, int>;

std::vector<RankSuit> allCards(const CardDeck& deck) {
    std::vector<RankSuit> cards;
    for (int i = 0; i < deck.count(); ++i)
        cards.emplace_back(deck.card(i)->rank, deck.card(i)->suit);
    return cards;
}

std::vector<RankSuit> firstFive(const CardDeck& deck) {
    const std::vector<RankSuit> cards = allCards(deck);
    return {cards.begin(), cards.begin() + 5};
}

class LifecycleRecorder : public CardLifecycleObserver {
public:
    void firstCardCreated() override { log.push_back("first " + std::to_string(liveCardCount())); }
    void lastCardDestroyed() override { log.push_back("last " + std::to_string(liveCardCount())); }
    std::vector<std::string> log;
};

// The strategy analysis builds decks on pool threads while the table's card look watches
// the table's own thread: those decks must not reach it, nor change its count.
TEST(CardDeck, CardsOfAnotherThreadStayOutOfThisThreadsLifecycle) {
    LifecycleRecorder recorder;
    setCardLifecycleObserver(&recorder);
    const CardDeck table(false);
    int countThere = -1;
    std::thread([&countThere] {
        const CardDeck analysis(true);
        countThere = liveCardCount();
    }).join();
    setCardLifecycleObserver(nullptr);
    EXPECT_EQ(countThere, 54);
    EXPECT_EQ(liveCardCount(), 52);
    EXPECT_EQ(recorder.log, std::vector<std::string>{"first 1"});
}

TEST(RandomSequence, FollowsTheClassicGeneratorFromItsSeed) {
    RandomSequence unseeded;
    RandomSequence one(1);
    for (int expected : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}) {
        EXPECT_EQ(one.next(), expected);
        EXPECT_EQ(unseeded.next(), expected);
    }
    // 4242 * 214013 + 2531011 = 0x3643'350D; bits 16..30 give 0x3643 = 13891.
    EXPECT_EQ(RandomSequence(4242).next(), 13891);
}

TEST(CardDeck, ShuffleSwapsEachPositionWithOneDrawnPosition) {
    // Seed 1 draws 41, 18467, 6334, ...: j = 41, 7, 42, ... for 52 cards. The pinned orders
    // here were cross-checked once against a separate small computation of the same walk.
    RandomSequence sequence(1);
    CardDeck deck(false);
    deck.shuffle(sequence);
    EXPECT_EQ(firstFive(deck), (std::vector<RankSuit>{{3, 3}, {9, 0}, {10, 1}, {10, 0}, {5, 1}}));
    // Exactly 52 draws were taken: the next one is the 53rd of the sequence.
    EXPECT_EQ(sequence.next(), 32662);

    RandomSequence jokerSequence(1);
    CardDeck jokers(true);
    EXPECT_EQ(allCards(jokers)[52], RankSuit(15, 0)); // the jokers follow the standard order
    EXPECT_EQ(allCards(jokers)[53], RankSuit(16, 0));
    jokers.shuffle(jokerSequence);
    EXPECT_EQ(firstFive(jokers), (std::vector<RankSuit>{{3, 3}, {12, 2}, {4, 3}, {2, 3}, {2, 0}}));
    EXPECT_EQ(jokerSequence.next(), 20037); // the 55th: 54 draws were taken
}

TEST(CardDeck, TheProcessSequenceTakesItsSeedFromTheEnvironment) {
    // The largest seed, so all 32 bits must reach it; the orders were computed separately.
    ASSERT_EQ(setenv("QUINTARO_SEED", "4294967295", 1), 0);
    seedProcessRandomSequence();
    CardDeck deck(false);
    deck.shuffle();
    EXPECT_EQ(firstFive(deck), (std::vector<RankSuit>{{8, 2}, {6, 2}, {8, 3}, {4, 0}, {5, 0}}));
    deck.shuffle();
    EXPECT_EQ(firstFive(deck), (std::vector<RankSuit>{{13, 3}, {5, 2}, {10, 1}, {7, 1}, {8, 1}}));
    unsetenv("QUINTARO_SEED");
}

// The published pay tables, top line first: each line's hand and its payoff for $1, which
// bets of $2 to $5 multiply, except that the top line pays `top` at $5.
struct PublishedTable {
    GameType type;
    std::string_view title;
    int top;
    std::vector<std::string> lines;
};
const PublishedTable published[] = {
    {GameType::StraightPoker,
     "Straight Poker",
     4000,
     {"Royal Flush 250", "Straight Flush 50", "Four of a Kind 25", "Full House 8", "Flush 5",
      "Straight 4", "Three of a Kind 3", "Two Pair 2", "Pair (Jacks or better) 1"}},
    {GameType::JokersWildPoker,
     "Jokers Wild Poker",
     4700,
     {"Royal Flush (No Wilds) 400", "Five of a Kind 200", "Royal Flush 100", "Straight Flush 50",
      "Four of a Kind 15", "Full House 7", "Flush 5", "Straight 3", "Three of a Kind 2",
      "Two Pair 1", "Pair (Kings or better) 1"}},
    {GameType::DeucesWildPoker,
     "Deuces Wild Poker",
     4000,
     {"Royal Flush (No Wilds) 250", "Four Wild Cards 200", "Royal Flush 20", "Five of a Kind 10",
      "Straight Flush 10", "Four of a Kind 4", "Full House 4", "Flush 3", "Straight 2",
      "Three of a Kind 1"}}};

TEST(PayTable, PaysThePublishedAmountsForThePublishedHands) {
    for (const PublishedTable& game : published) {
        const PayTable& table = payTable(game.type);
        EXPECT_EQ(table.title, game.title);
        ASSERT_EQ(table.lineCount, static_cast<int>(game.lines.size()));
        for (int line = 0; line < table.lineCount; ++line) {
            const std::string& text = game.lines[static_cast<std::size_t>(line)];
            const std::size_t space = text.rfind(' ');
            const int perDollar = std::stoi(text.substr(space + 1));
            SCOPED_TRACE(text);
            EXPECT_EQ(handCategoryName(table.lines[static_cast<std::size_t>(line)].category),
                      text.substr(0, space));
            for (int bet = 1; bet <= 5; ++bet)
                EXPECT_EQ(table.payoff(line, bet),
                          line == 0 && bet == 5 ? game.top : perDollar * bet);
        }
    }
}

class NoSeams : public GameSetupSeams {
public:
    void switchHallOfFame(GameType) override {}
    void setHallOfFameTitle(std::string_view) override {}
};

TEST(GameSetup, OtherStoredTypesPlayStraightPokerAndSwitchingDropsTheOldDeckFirst) {
    EXPECT_EQ(gameTypeFromNumber(1), GameType::JokersWildPoker);
    EXPECT_EQ(gameTypeFromNumber(2), GameType::DeucesWildPoker);
    EXPECT_EQ(gameTypeFromNumber(3), GameType::StraightPoker);
    EXPECT_EQ(gameTypeFromNumber(65535), GameType::StraightPoker);

    NoSeams seams;
    PokerTable table;
    setUpGame(GameType::JokersWildPoker, table, seams);
    LifecycleRecorder recorder;
    setCardLifecycleObserver(&recorder);
    setUpGame(GameType::StraightPoker, table, seams);
    setCardLifecycleObserver(nullptr);
    // The old deck is gone, and its look saved, before the new deck reads it.
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"last 0", "first 1"}));
    for (const Card* wild : table.hand.wild())
        EXPECT_EQ(wild, nullptr);
}

} // namespace
} // namespace quintaro
