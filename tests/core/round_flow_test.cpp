#include "app/round_flow.h"
#include "platform/memory_registry_store.h"
#include "poker/random_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace quintaro {
namespace {

// Records what the round flow asks of the screen, as "kind:detail" lines.
class RecordingView : public TableView {
public:
    std::vector<std::string> log;
    std::string nameToSignIn = "Ann";
    bool answerYes = true;
    std::string title;

    void errorBeep() override { log.push_back("beep:error"); }
    void defaultBeep() override { log.push_back("beep:default"); }
    void playSoundEvent(const std::string& event) override { log.push_back("sound:" + event); }
    void drawCardNow(int window) override { log.push_back("draw:" + std::to_string(window)); }
    void cardWindowChanged(int window) override {
        log.push_back("caption:" + std::to_string(window));
    }
    void columnBandChanged(int column, int band) override {
        log.push_back("band:" + std::to_string(column) + "/" + std::to_string(band));
    }
    void columnChanged(int column) override { log.push_back("column:" + std::to_string(column)); }
    void drawWinFigure() override { log.push_back("win"); }
    void drawBalanceFigure() override { log.push_back("balance"); }
    void flushRepaints() override { log.push_back("flush"); }
    void hintAreaChanged() override { log.push_back("hint"); }
    void statusVisibilityChanged(bool visible) override {
        log.push_back(visible ? "status:shown" : "status:hidden");
    }
    void dealButtonTextChanged(const std::string& text) override {
        log.push_back("button:" + text);
    }
    void titleChanged(const std::string& t) override { title = t; }
    void tableChanged() override { log.push_back("table"); }
    std::string signIn(const std::string& name) override {
        log.push_back("signin:" + name);
        return nameToSignIn;
    }
    bool askYesNo(int queryId) override {
        log.push_back("ask:" + std::to_string(queryId));
        return answerYes;
    }
    void showMessage(const std::string& message) override { log.push_back("message:" + message); }

    std::vector<std::string> matching(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const auto& entry : log)
            if (entry.rfind(prefix, 0) == 0)
                found.push_back(entry);
        return found;
    }
    bool has(const std::string& entry) const {
        return std::find(log.begin(), log.end(), entry) != log.end();
    }
};

struct Table {
    MemoryRegistryStore store;
    RecordingView view;
    HallOfFame hallOfFame{store, "Quintaro", 0, 1};
    RoundFlow flow{view, hallOfFame, "Quintaro"};

    explicit Table(GameType type = GameType::StraightPoker) {
        flow.setUpGame(type);
        flow.startNewGame();
        view.log.clear();
    }

    // The line the next deal's five cards would win if the sequence were seeded so.
    int lineOfDealWithSeed(std::uint32_t seed) const {
        std::vector<const Card*> order;
        for (int i = 0; i < flow.deck()->count(); ++i)
            order.push_back(flow.deck()->card(i));
        RandomSequence sequence(seed);
        const auto n = static_cast<unsigned>(order.size());
        for (unsigned i = 0; i < n; ++i)
            std::swap(order[i], order[static_cast<unsigned>(sequence.next()) % n]);
        PokerHand hand;
        for (int w = 0; w < 5; ++w)
            hand.setCard(w, order[static_cast<std::size_t>(w)]);
        const PayTable& rules = payTable(flow.gameType());
        std::array<HandCategory, maxPayLines> categories{};
        for (int line = 0; line < rules.lineCount; ++line)
            categories[static_cast<std::size_t>(line)] =
                rules.lines[static_cast<std::size_t>(line)].category;
        return hand.winningLine(categories, rules.lineCount);
    }

    // Seeds the program's sequence so that the next deal wins `wanted` (noLine: loses).
    void rigNextDeal(int wanted) {
        for (std::uint32_t seed = 1; seed < 1000000; ++seed) {
            if (lineOfDealWithSeed(seed) == wanted) {
                processRandomSequence().seed(seed);
                return;
            }
        }
        FAIL() << "no seed deals line " << wanted;
    }

    // Deals a hand that wins `line`, holds all five and redeals.
    void playRound(int line) {
        rigNextDeal(line);
        flow.onDealButton();
        flow.onDealButton();
    }
};

TEST(RoundFlow, NewGameSignsInStakesAndShowsBacks) {
    Table t;
    t.view.nameToSignIn = "Bob";
    t.hallOfFame.setPlayerName("Ann");
    t.flow.startNewGame();
    EXPECT_EQ(t.view.log.front(), "signin:Ann");
    EXPECT_EQ(t.hallOfFame.playerName(), "Bob");
    EXPECT_EQ(t.view.title, "Quintaro - Bob");
    EXPECT_EQ(t.flow.state().balance, 100u);
    EXPECT_EQ(t.flow.state().phase, RoundPhase::NotStarted);
    EXPECT_TRUE(t.flow.state().freshGame);
    EXPECT_TRUE(t.flow.statusVisible());
    EXPECT_EQ(t.flow.nextCardIndex(), 5);
    for (int w = 0; w < 5; ++w) {
        EXPECT_EQ(t.flow.card(w), t.flow.deck()->card(w)); // unshuffled cards 0 to 4
        EXPECT_EQ(t.flow.card(w)->state, CardState::FaceDown);
        EXPECT_EQ(t.flow.card(w)->x, 25 + 120 * w);
        EXPECT_EQ(t.flow.card(w)->y, 227);
        EXPECT_EQ(t.flow.holdState(w), HoldState::Discard);
    }
    EXPECT_EQ(t.flow.cardWindowAt(25, 227), 0);
    EXPECT_EQ(t.flow.cardWindowAt(95, 322), 0);
    EXPECT_EQ(t.flow.cardWindowAt(96, 250), std::nullopt); // between two pictures
    EXPECT_EQ(t.flow.cardWindowAt(505, 323), std::nullopt);
}

TEST(RoundFlow, DealTakesTheBetAndRedealPaysTheHighlightedLine) {
    Table t;
    t.flow.onPaylinePress(2); // $3
    EXPECT_EQ(t.view.log,
              (std::vector<std::string>{"sound:Change Bet", "column:0", "column:2", "column:2"}));
    EXPECT_EQ(t.flow.bet(), 3);
    t.view.log.clear();

    t.rigNextDeal(7); // two pair pays 2 per dollar
    t.flow.onDealButton();
    EXPECT_FALSE(t.flow.state().freshGame);
    EXPECT_EQ(t.flow.state().balance, 97u);
    EXPECT_EQ(t.flow.state().phase, RoundPhase::Holding);
    EXPECT_EQ(t.flow.dealButtonText(), "Redeal");
    EXPECT_FALSE(t.flow.statusVisible());
    EXPECT_FALSE(t.flow.hintShown());
    EXPECT_EQ(t.view.log.front(), "sound:Deal Cards");
    // The dealt hand is highlighted at once: band 8 (line 7) of all six columns.
    EXPECT_EQ(t.view.matching("band:"),
              (std::vector<std::string>{"band:0/8", "band:1/8", "band:2/8", "band:3/8", "band:4/8",
                                        "band:5/8"}));
    // The first deal of a game shows each back and turns it over at once.
    EXPECT_EQ(t.view.matching("draw:").size(), 10u);

    t.view.log.clear();
    t.flow.onDealButton(); // hold all five: nothing is dealt, the dealt hand is paid
    EXPECT_EQ(t.flow.nextCardIndex(), 5);
    EXPECT_TRUE(t.view.matching("draw:").empty());
    EXPECT_EQ(t.flow.state().lastWin, 6u);
    EXPECT_EQ(t.flow.state().balance, 103u);
    EXPECT_EQ(t.flow.state().phase, RoundPhase::Over);
    EXPECT_TRUE(t.view.matching("band:").empty()); // same line: nothing repainted
    EXPECT_EQ(t.view.log, (std::vector<std::string>{"win", "balance", "flush", "sound:Jackpot",
                                                    "status:shown", "button:Deal", "hint"}));
}

TEST(RoundFlow, DiscardedCardsAreReplacedFromIndexFive) {
    Table t;
    t.rigNextDeal(noLine);
    t.flow.onDealButton();
    std::vector<const Card*> dealt;
    for (int w = 0; w < 5; ++w)
        dealt.push_back(t.flow.card(w));
    for (int w = 0; w < 5; ++w)
        t.flow.onCardWindowPress(w);
    EXPECT_EQ(t.view.matching("sound:Flip").size(), 5u);
    for (int w = 0; w < 5; ++w) {
        EXPECT_EQ(t.flow.holdState(w), HoldState::Discard);
        EXPECT_EQ(t.flow.card(w)->state, CardState::FaceDown);
    }
    t.flow.onCardWindowPress(1); // back to Hold
    EXPECT_EQ(t.view.matching("sound:").back(), "sound:Flip Card - Front");
    t.flow.onDealButton();
    EXPECT_EQ(t.flow.card(1), dealt[1]);
    EXPECT_EQ(t.flow.card(0), t.flow.deck()->card(5));
    EXPECT_EQ(t.flow.card(2), t.flow.deck()->card(6));
    EXPECT_EQ(t.flow.card(4), t.flow.deck()->card(8));
    EXPECT_EQ(t.flow.nextCardIndex(), 9);
    for (int w = 0; w < 5; ++w)
        EXPECT_EQ(t.flow.card(w)->state, CardState::FaceUp);
}

TEST(RoundFlow, ClicksOutsideTheirPhaseOnlyBeep) {
    Table t;
    t.flow.onCardWindowPress(0); // not started
    t.rigNextDeal(noLine);
    t.flow.onDealButton();
    t.view.log.clear();
    t.flow.onPaylinePress(3); // during a round
    t.flow.onDealButton();
    t.flow.onCardWindowPress(0); // round over
    EXPECT_EQ(t.view.matching("beep:"), (std::vector<std::string>{"beep:error", "beep:error"}));
    EXPECT_EQ(t.flow.bet(), 1);
    EXPECT_TRUE(t.view.matching("sound:Change").empty());
}

TEST(RoundFlow, BetFollowsTheBalanceDownAndBrokeEndsTheGame) {
    Table t;
    t.flow.onPaylinePress(4); // $5
    for (int round = 0; round < 18; ++round)
        t.playRound(noLine);
    EXPECT_EQ(t.flow.state().balance, 10u);
    t.flow.onPaylinePress(1); // $2
    t.playRound(noLine);
    EXPECT_EQ(t.flow.state().balance, 8u);
    t.flow.onPaylinePress(4); // $5 with $8
    t.playRound(noLine);
    EXPECT_EQ(t.flow.state().balance, 3u);
    EXPECT_EQ(t.flow.bet(), 3); // lowered to the whole balance by itself
    t.view.log.clear();
    t.flow.onPaylinePress(3); // $4 with $3
    EXPECT_EQ(t.view.log, std::vector<std::string>{"beep:error"});

    // Balance exactly equal to the bet: the bet stays.
    t.rigNextDeal(8); // jacks or better pays the bet back
    t.flow.onDealButton();
    t.flow.onDealButton();
    EXPECT_EQ(t.flow.state().balance, 3u);
    EXPECT_EQ(t.flow.bet(), 3);
    EXPECT_TRUE(t.view.has("sound:Jackpot")); // even the smallest win

    t.view.log.clear();
    t.playRound(noLine);
    EXPECT_EQ(t.flow.state().balance, 0u);
    EXPECT_EQ(t.view.matching("sound:You"), std::vector<std::string>{"sound:You are Broke"});
    EXPECT_EQ(t.view.matching("message:"), std::vector<std::string>{"message:You are broke!"});
    EXPECT_TRUE(t.flow.statusVisible());
    EXPECT_FALSE(t.flow.state().freshGame); // the status box shows "Game Over"
    EXPECT_FALSE(t.flow.hintShown());

    t.view.log.clear();
    t.flow.onDealButton();
    t.flow.onPaylinePress(0);
    EXPECT_EQ(t.view.matching("beep:"), (std::vector<std::string>{"beep:error", "beep:error"}));
    EXPECT_EQ(t.flow.state().phase, RoundPhase::Over);

    // New with no money: no question, no Hall of Fame entry.
    t.view.log.clear();
    t.flow.newGame();
    EXPECT_TRUE(t.view.matching("ask:").empty());
    EXPECT_EQ(t.hallOfFame.score(0), "");
    EXPECT_EQ(t.flow.state().balance, 100u);
}

TEST(RoundFlow, AWinIsAddedBeforeTheBetCheck) {
    Table t;
    t.flow.onPaylinePress(4);
    for (int round = 0; round < 19; ++round)
        t.playRound(noLine);
    EXPECT_EQ(t.flow.state().balance, 5u);
    t.playRound(7); // $5 bet leaves 0, two pair pays 10
    EXPECT_EQ(t.flow.state().balance, 10u);
    EXPECT_EQ(t.flow.bet(), 5);
}

TEST(RoundFlow, NewGameAsksFirstAndRemembersTheBalance) {
    Table t;
    t.flow.onPaylinePress(1);
    t.rigNextDeal(noLine);
    t.flow.onDealButton(); // $98 with a round in progress
    t.view.answerYes = false;
    t.flow.newGame();
    EXPECT_EQ(t.view.matching("ask:"), std::vector<std::string>{"ask:1001"});
    EXPECT_EQ(t.flow.state().phase, RoundPhase::Holding);
    EXPECT_EQ(t.hallOfFame.score(0), "");

    t.view.answerYes = true;
    t.view.nameToSignIn = "Cy";
    t.flow.newGame();
    EXPECT_EQ(t.hallOfFame.score(0), "98");
    EXPECT_EQ(t.hallOfFame.name(0), "Ann");
    EXPECT_EQ(t.view.title, "Quintaro - Cy");
    EXPECT_EQ(t.flow.state().phase, RoundPhase::NotStarted);
    EXPECT_EQ(t.flow.bet(), 2); // New keeps the bet
    EXPECT_EQ(t.flow.handNames().highlightedLine, noLine);
    for (int w = 0; w < 5; ++w) {
        EXPECT_EQ(t.flow.holdState(w), HoldState::Blank);
        EXPECT_EQ(t.flow.card(w)->state, CardState::FaceDown);
    }
    EXPECT_TRUE(t.view.has("table"));
}

TEST(RoundFlow, AcceptedOptionsSwitchGamesAndRestartAtOneHundred) {
    Table t;
    t.rigNextDeal(noLine);
    t.flow.onDealButton();
    t.flow.onDealButton(); // $99, status shown with "Game Over"
    bool applied = false;
    t.flow.acceptOptions(GameType::DeucesWildPoker, [&] { applied = true; });
    EXPECT_TRUE(applied);
    EXPECT_EQ(t.flow.gameType(), GameType::DeucesWildPoker);
    EXPECT_EQ(t.hallOfFame.gameType(), 2);
    EXPECT_EQ(t.hallOfFame.score(0), "99"); // entered in the chosen game's table
    EXPECT_EQ(t.hallOfFame.title(), "Deuces Wild Poker");
    EXPECT_EQ(t.flow.handNames().title, "Deuces Wild Poker");
    EXPECT_EQ(t.flow.column(4).lineCount, 10);
    EXPECT_EQ(t.flow.column(4).payoffs[0], 4000);
    EXPECT_EQ(t.flow.column(2).payoffs[9], 3);
    EXPECT_EQ(t.flow.state().balance, 100u);
    EXPECT_EQ(t.flow.state().phase, RoundPhase::NotStarted);
    EXPECT_EQ(t.flow.deck()->count(), 52);
    EXPECT_TRUE(t.flow.statusVisible());
    for (int w = 0; w < 5; ++w) {
        EXPECT_EQ(t.flow.card(w), t.flow.deck()->card(w)); // five cards of the new deck
        EXPECT_EQ(t.flow.holdState(w), HoldState::Blank);
    }
}

TEST(RoundFlow, HighlightRepaintsOnlyTheBandsThatChange) {
    Table t;
    t.flow.setHighlightedLine(0, noLine);
    EXPECT_TRUE(t.view.log.empty());
    t.flow.setHighlightedLine(3, 2);
    t.flow.setHighlightedLine(3, 5);
    EXPECT_EQ(t.view.log, (std::vector<std::string>{"band:3/3", "band:3/3", "band:3/6"}));
}

} // namespace
} // namespace quintaro
