#include "poker/game_setup.h"
#include "poker/pay_table.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    void setHallOfFameTitle(std::string_view title) override {
        events.push_back("hall of fame title " + std::string(title));
    }
    void firstCardCreated() override { events.push_back("first card"); }
    void lastCardDestroyed() override { events.push_back("last card"); }

    std::vector<std::string> events;
};

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

TEST(GameSetup, StoredGameTypesOutsideTheThreeGamesPlayStraightPoker) {
    EXPECT_EQ(gameTypeFromNumber(1), GameType::JokersWildPoker);
    EXPECT_EQ(gameTypeFromNumber(2), GameType::DeucesWildPoker);
    EXPECT_EQ(gameTypeFromNumber(3), GameType::StraightPoker);
    EXPECT_EQ(gameTypeFromNumber(65535), GameType::StraightPoker);
}

bool has(const std::vector<std::string>& events, const std::string& event) {
    return std::find(events.begin(), events.end(), event) != events.end();
}

TEST(GameSetup, JokersWildTakesTheJokersAsWildAndSwitchingDropsThem) {
    Recorder recorder;
    PokerTable table;
    setUpGame(GameType::JokersWildPoker, table, recorder);
    EXPECT_TRUE(has(recorder.events, "hall of fame 1"));
    EXPECT_EQ(table.pay.lineCount, 11);
    EXPECT_TRUE(has(recorder.events, "hall of fame title Jokers Wild Poker"));
    EXPECT_EQ(table.gameType, GameType::JokersWildPoker);
    ASSERT_EQ(table.deck->count(), 54);
    EXPECT_EQ(table.hand.wild()[0], table.deck->card(52));
    EXPECT_EQ(table.hand.wild()[1], table.deck->card(53));
    EXPECT_EQ(table.hand.wild()[2], nullptr);

    recorder.events.clear();
    setUpGame(GameType::StraightPoker, table, recorder);
    // The old deck is gone, and its look saved, before the new deck reads it.
    EXPECT_LT(std::find(recorder.events.begin(), recorder.events.end(), "last card"),
              std::find(recorder.events.begin(), recorder.events.end(), "first card"));
    EXPECT_TRUE(has(recorder.events, "hall of fame 0"));
    EXPECT_EQ(table.pay.lineCount, 9);
    EXPECT_EQ(liveCardCount(), 52);
    ASSERT_EQ(table.deck->count(), 52);
    for (int i = 0; i < 52; ++i)
        EXPECT_LE(table.deck->card(i)->rank, 13);
    for (const Card* wild : table.hand.wild())
        EXPECT_EQ(wild, nullptr);
}

TEST(GameSetup, DeucesWildTakesTheFourDeucesInSuitOrder) {
    Recorder recorder;
    PokerTable table;
    setUpGame(GameType::DeucesWildPoker, table, recorder);
    ASSERT_EQ(table.deck->count(), 52);
    for (int suit = 0; suit < 4; ++suit)
        EXPECT_EQ(table.hand.wild()[static_cast<std::size_t>(suit)],
                  table.deck->card(suit * 13 + 1));
}

} // namespace
} // namespace quintaro
