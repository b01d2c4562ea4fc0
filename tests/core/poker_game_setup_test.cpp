#include "poker/game_setup.h"
#include "poker/pay_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quintaro {
namespace {

class Recorder : public GameSetupSeams, public CardLifecycleObserver {
public:
    Recorder() { setCardLifecycleObserver(this); }
    ~Recorder() override { setCardLifecycleObserver(nullptr); }

    void switchHallOfFame(GameType type) override {
        events.push_back("hall of fame " + std::to_string(gameTypeNumber(type)));
    }
    void payTableChanged(const PayDisplayData& pay) override {
        events.push_back("pay table " + std::to_string(pay.lineCount));
    }
    void setHallOfFameTitle(std::string_view title) override {
        events.push_back("hall of fame title " + std::string(title));
    }
    void firstCardCreated() override { events.push_back("first card"); }
    void lastCardDestroyed() override { events.push_back("last card"); }

    std::vector<std::string> events;
};

// The published pay tables, $1 to $5 per line, top line first.
using Payoffs = std::vector<std::vector<int>>;
const Payoffs straightPayoffs = {
    {250, 500, 750, 1000, 4000}, {50, 100, 150, 200, 250}, {25, 50, 75, 100, 125},
    {8, 16, 24, 32, 40},         {5, 10, 15, 20, 25},      {4, 8, 12, 16, 20},
    {3, 6, 9, 12, 15},           {2, 4, 6, 8, 10},         {1, 2, 3, 4, 5}};
const Payoffs jokersPayoffs = {{400, 800, 1200, 1600, 4700},
                               {200, 400, 600, 800, 1000},
                               {100, 200, 300, 400, 500},
                               {50, 100, 150, 200, 250},
                               {15, 30, 45, 60, 75},
                               {7, 14, 21, 28, 35},
                               {5, 10, 15, 20, 25},
                               {3, 6, 9, 12, 15},
                               {2, 4, 6, 8, 10},
                               {1, 2, 3, 4, 5},
                               {1, 2, 3, 4, 5}};
const Payoffs deucesPayoffs = {{250, 500, 750, 1000, 4000},
                               {200, 400, 600, 800, 1000},
                               {20, 40, 60, 80, 100},
                               {10, 20, 30, 40, 50},
                               {10, 20, 30, 40, 50},
                               {4, 8, 12, 16, 20},
                               {4, 8, 12, 16, 20},
                               {3, 6, 9, 12, 15},
                               {2, 4, 6, 8, 10},
                               {1, 2, 3, 4, 5}};

TEST(PayTable, PaysThePublishedAmounts) {
    const std::pair<GameType, const Payoffs*> games[] = {
        {GameType::StraightPoker, &straightPayoffs},
        {GameType::JokersWildPoker, &jokersPayoffs},
        {GameType::DeucesWildPoker, &deucesPayoffs}};
    for (const auto& [type, payoffs] : games) {
        const PayTable& table = payTable(type);
        ASSERT_EQ(table.lineCount, static_cast<int>(payoffs->size()));
        for (int line = 0; line < table.lineCount; ++line) {
            for (int bet = 1; bet <= 5; ++bet)
                EXPECT_EQ(table.payoff(line, bet), (*payoffs)[line][bet - 1])
                    << table.title << " line " << line << " bet " << bet;
        }
    }
    const PayTable& deuces = payTable(GameType::DeucesWildPoker);
    for (int bet = 1; bet <= 5; ++bet) {
        EXPECT_EQ(deuces.payoff(3, bet), deuces.payoff(4, bet)); // five of a kind, straight flush
        EXPECT_EQ(deuces.payoff(5, bet), deuces.payoff(6, bet)); // four of a kind, full house
    }
    EXPECT_EQ(payTable(GameType::StraightPoker).title, "Straight Poker");
    EXPECT_EQ(payTable(GameType::JokersWildPoker).title, "Jokers Wild Poker");
    EXPECT_EQ(deuces.title, "Deuces Wild Poker");
}

TEST(GameSetup, StoredGameTypesOutsideTheThreeGamesPlayStraightPoker) {
    EXPECT_EQ(gameTypeFromNumber(1), GameType::JokersWildPoker);
    EXPECT_EQ(gameTypeFromNumber(2), GameType::DeucesWildPoker);
    EXPECT_EQ(gameTypeFromNumber(3), GameType::StraightPoker);
    EXPECT_EQ(gameTypeFromNumber(65535), GameType::StraightPoker);
}

TEST(GameSetup, JokersWildTakesTheJokersAsWildAndLoadsItsTable) {
    Recorder recorder;
    PokerTable table;
    setUpGame(GameType::JokersWildPoker, table, recorder);
    EXPECT_EQ(recorder.events,
              (std::vector<std::string>{"hall of fame 1", "first card", "pay table 11",
                                        "hall of fame title Jokers Wild Poker"}));
    EXPECT_EQ(table.gameType, GameType::JokersWildPoker);
    ASSERT_EQ(table.deck->count(), 54);
    EXPECT_EQ(table.hand.wild()[0], table.deck->card(52));
    EXPECT_EQ(table.hand.wild()[1], table.deck->card(53));
    EXPECT_EQ(table.hand.wild()[2], nullptr);
    EXPECT_EQ(table.pay.title, "Jokers Wild Poker");
    EXPECT_EQ(table.pay.categories[0], HandCategory::NaturalRoyalFlush);
    EXPECT_EQ(table.pay.categories[10], HandCategory::KingsOrBetter);
    EXPECT_EQ(table.pay.payoff(0, 5), 4700);
    EXPECT_EQ(table.pay.payoff(0, 4), 1600);
    EXPECT_EQ(table.pay.payoff(9, 3), 3);  // two pair returns the bet
    EXPECT_EQ(table.pay.payoff(10, 3), 3); // and so does a pair of kings or aces
}

TEST(GameSetup, SwitchingFromJokersToStraightDropsTheJokers) {
    Recorder recorder;
    PokerTable table;
    setUpGame(GameType::JokersWildPoker, table, recorder);
    recorder.events.clear();
    setUpGame(GameType::StraightPoker, table, recorder);
    EXPECT_EQ(recorder.events,
              (std::vector<std::string>{"last card", "hall of fame 0", "first card", "pay table 9",
                                        "hall of fame title Straight Poker"}));
    EXPECT_EQ(liveCardCount(), 52);
    ASSERT_EQ(table.deck->count(), 52);
    for (int i = 0; i < 52; ++i)
        EXPECT_LE(table.deck->card(i)->rank, 13);
    for (const Card* wild : table.hand.wild())
        EXPECT_EQ(wild, nullptr);
    EXPECT_EQ(table.pay.lineCount, 9);
    EXPECT_EQ(table.pay.categories[0], HandCategory::RoyalFlush);
    EXPECT_EQ(table.pay.payoff(0, 5), 4000);
    EXPECT_EQ(table.pay.payoff(0, 4), 1000);
    // Lines past the count keep what the last game left.
    EXPECT_EQ(table.pay.categories[10], HandCategory::KingsOrBetter);
    EXPECT_EQ(table.pay.payoff(10, 5), 5);
}

TEST(GameSetup, DeucesWildTakesTheFourDeucesInSuitOrder) {
    Recorder recorder;
    PokerTable table;
    setUpGame(GameType::DeucesWildPoker, table, recorder);
    setUpGame(GameType::DeucesWildPoker, table, recorder);
    EXPECT_EQ(recorder.events[4], "last card");
    EXPECT_EQ(recorder.events[5], "hall of fame 2");
    ASSERT_EQ(table.deck->count(), 52);
    for (int suit = 0; suit < 4; ++suit)
        EXPECT_EQ(table.hand.wild()[static_cast<std::size_t>(suit)],
                  table.deck->card(suit * 13 + 1));
    EXPECT_EQ(table.pay.payoff(0, 5), 4000);
    EXPECT_EQ(table.pay.categories[2], HandCategory::RoyalFlush);
    EXPECT_EQ(table.pay.categories[3], HandCategory::FiveOfAKind);
}

} // namespace
} // namespace quintaro
