#pragma once

#include "app/round_flow.h"
#include "platform/memory_registry_store.h"
#include "poker/pay_table.h"
#include "poker/poker_hand.h"
#include "poker/random_sequence.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <string>

namespace quintaro {

// A table played by a random script: bets, deals, holds, redeals, New and accepted options
// in random order, through the round flow's own entry points. After every step it checks
// what must always hold against its own ledger of the money and its own evaluation of the
// hand, and keeps the first rule it finds broken. Shared by the core test and the long run
// in bench/.
class ScriptedTable : private TableView {
public:
    struct Counts {
        long rounds = 0;
        long wins = 0;
        long broke = 0;
        long newGames = 0;
        long optionsAccepted = 0;
        long refusedBets = 0;
        std::array<long, 3> roundsOfGame{};
    };

    explicit ScriptedTable(std::uint32_t seed) : m_script(seed) {
        processRandomSequence().seed(seed);
        m_flow.setUpGame(GameType::StraightPoker);
        m_flow.startNewGame();
        m_ledger = 100;
        m_bestOffered.fill(-1);
    }

    // Plays one round from the bet to the payout, with now and then a New or an accepted
    // Options first; a broke table is restarted. False once a rule is broken.
    bool playRound() {
        // Rare enough that most games run until the player is broke.
        if (chance(3))
            acceptOptions();
        else if (chance(3))
            newGame();
        if (!m_failure.empty())
            return false;
        if (m_flow.state().balance == 0) {
            expectRefusalsWhenBroke();
            newGame();
            return m_failure.empty();
        }
        if (chance(500))
            pressPayline(pick(RoundFlow::columnCount));
        deal();
        for (int window = 0; window < RoundFlow::cardWindowCount && m_failure.empty(); ++window)
            if (chance(400))
                pressCard(window);
        if (chance(100))
            pressPayline(pick(RoundFlow::columnCount));
        if (m_failure.empty())
            redeal();
        return m_failure.empty();
    }

    const std::string& failure() const { return m_failure; }
    const Counts& counts() const { return m_counts; }

private:
    using Phase = RoundPhase;

    bool chance(int perMille) { return static_cast<int>(m_script() % 1000) < perMille; }
    int pick(int count) { return static_cast<int>(m_script() % static_cast<unsigned>(count)); }

    void fail(const std::string& what) {
        if (m_failure.empty())
            m_failure = "round " + std::to_string(m_counts.rounds) + ": " + what;
    }
    void expect(bool holds, const char* what) {
        if (!holds)
            fail(what);
    }

    int selectedColumn() const {
        for (int column = 0; column < RoundFlow::columnCount; ++column)
            if (m_flow.column(column).selected)
                return column;
        return -1;
    }

    // What holds between any two steps: the money agrees with the ledger, exactly one bet
    // is chosen, the deck is not exhausted, and no card is on the table twice.
    void checkTable() {
        expect(m_ledger >= 0, "the ledger went below $0");
        expect(m_flow.state().balance == static_cast<std::uint64_t>(m_ledger),
               "the balance differs from the ledger of stakes, bets and payouts");
        int selected = 0;
        for (int column = 0; column < RoundFlow::columnCount; ++column)
            selected += m_flow.column(column).selected ? 1 : 0;
        expect(selected == 1, "not exactly one bet column is selected");
        expect(m_flow.nextCardIndex() <= m_flow.deck()->count(), "the deck was dealt past its end");
        for (int a = 0; a < RoundFlow::cardWindowCount; ++a) {
            const Card* card = m_flow.card(a);
            if (card == nullptr)
                continue;
            for (int b = a + 1; b < RoundFlow::cardWindowCount; ++b)
                expect(card != m_flow.card(b), "a card is on the table twice");
            bool inDeck = false;
            for (int i = 0; i < m_flow.deck()->count(); ++i)
                inDeck = inDeck || m_flow.deck()->card(i) == card;
            expect(inDeck, "a card on the table is not in the game's deck");
        }
    }

    static bool isWild(WildRule rule, const Card& card) {
        switch (rule) {
        case WildRule::Jokers:
            return card.rank == firstJokerRank || card.rank == secondJokerRank;
        case WildRule::Deuces:
            return card.rank == 2;
        case WildRule::None:
            break;
        }
        return false;
    }

    // The pay line the five cards win, from a fresh evaluator and the game's pay table.
    int winningLine() const {
        const PayTable& rules = payTable(m_flow.gameType());
        PokerHand hand;
        for (int i = 0; i < m_flow.deck()->count(); ++i)
            if (isWild(rules.wildRule, *m_flow.deck()->card(i)))
                hand.addWild(m_flow.deck()->card(i));
        for (int window = 0; window < RoundFlow::cardWindowCount; ++window)
            hand.setCard(window, m_flow.card(window));
        std::array<HandCategory, maxPayLines> categories{};
        for (int line = 0; line < rules.lineCount; ++line)
            categories[static_cast<std::size_t>(line)] =
                rules.lines[static_cast<std::size_t>(line)].category;
        return hand.winningLine(categories, rules.lineCount);
    }

    void pressPayline(int column) {
        const int before = selectedColumn();
        const long beeps = m_errorBeeps;
        const bool allowed = m_flow.state().balance != 0 &&
                             m_flow.state().phase != Phase::Holding &&
                             column + 1 <= static_cast<long>(m_flow.state().balance);
        m_flow.onPaylinePress(column);
        if (allowed) {
            expect(selectedColumn() == column, "an allowed bet was not taken");
        } else {
            ++m_counts.refusedBets;
            expect(m_errorBeeps == beeps + 1, "a refused bet gave no error beep");
            expect(selectedColumn() == before, "a refused bet changed the bet");
        }
        checkTable();
    }

    void deal() {
        const int bet = m_flow.bet();
        expect(bet <= m_ledger, "the bet is more than the balance");
        m_flow.onDealButton();
        m_ledger -= bet;
        m_betOfRound = bet;
        expect(m_flow.state().phase == Phase::Holding, "Deal left the table not holding");
        expect(m_flow.state().lastWin == 0, "Deal left the last win standing");
        expect(m_flow.nextCardIndex() == RoundFlow::cardWindowCount,
               "Deal did not take five cards");
        for (int window = 0; window < RoundFlow::cardWindowCount; ++window) {
            m_dealt[static_cast<std::size_t>(window)] = m_flow.card(window);
            m_holding[static_cast<std::size_t>(window)] = true;
            expect(m_flow.holdState(window) == HoldState::Hold &&
                       m_flow.card(window)->state == CardState::FaceUp,
                   "a dealt card is not held face up");
        }
        expect(m_flow.handNames().highlightedLine == static_cast<std::uint8_t>(winningLine()),
               "the highlighted line is not the line the dealt hand wins");
        checkTable();
    }

    void pressCard(int window) {
        const auto at = static_cast<std::size_t>(window);
        m_flow.onCardWindowPress(window);
        m_holding[at] = !m_holding[at];
        expect(m_flow.holdState(window) == (m_holding[at] ? HoldState::Hold : HoldState::Discard),
               "a card press did not toggle hold and discard");
        expect(m_flow.card(window) == m_dealt[at], "a card press changed the card");
        checkTable();
    }

    void redeal() {
        const auto broke = m_messages;
        m_flow.onDealButton();
        ++m_counts.rounds;
        ++m_counts.roundsOfGame[static_cast<std::size_t>(gameTypeNumber(m_flow.gameType()))];
        for (int window = 0; window < RoundFlow::cardWindowCount; ++window) {
            const auto at = static_cast<std::size_t>(window);
            const Card* card = m_flow.card(window);
            if (m_holding[at]) {
                expect(card == m_dealt[at], "a held card was replaced");
            } else {
                const bool returned =
                    std::find(m_dealt.begin(), m_dealt.end(), card) != m_dealt.end();
                expect(!returned, "a discarded card came back, or a dealt one was dealt again");
            }
        }
        const int line = winningLine();
        const std::uint32_t payout =
            line == noLine ? 0 : payTable(m_flow.gameType()).payoff(line, m_betOfRound);
        expect(m_flow.handNames().highlightedLine == static_cast<std::uint8_t>(line),
               "the highlighted line is not the line the final hand wins");
        expect(m_flow.state().lastWin == payout, "the payout is not the pay table's payoff");
        expect(m_flow.state().phase == Phase::Over, "Redeal did not end the round");
        m_ledger += payout;
        m_counts.wins += payout != 0 ? 1 : 0;
        if (m_ledger == 0) {
            ++m_counts.broke;
            expect(m_messages == broke + 1 && m_lastMessage == "You are broke!",
                   "going broke did not say so");
        } else {
            expect(m_messages == broke, "a message came with money left");
            expect(m_flow.bet() == std::min<long>(m_betOfRound, m_ledger),
                   "the bet was not lowered to what the balance covers");
        }
        checkTable();
    }

    void expectRefusalsWhenBroke() {
        const long beeps = m_errorBeeps;
        m_flow.onDealButton();
        m_flow.onPaylinePress(pick(RoundFlow::columnCount));
        m_flow.onCardWindowPress(pick(RoundFlow::cardWindowCount));
        expect(m_errorBeeps == beeps + 3, "a broke table let a deal, bet or card press through");
        expect(m_flow.state().phase == Phase::Over, "a broke table changed its phase");
        checkTable();
    }

    void offered(GameType type) {
        auto& best = m_bestOffered[static_cast<std::size_t>(gameTypeNumber(type))];
        best = std::max(best, m_ledger);
    }

    void checkHallOfFame() {
        const long best =
            m_bestOffered[static_cast<std::size_t>(gameTypeNumber(m_flow.gameType()))];
        if (best >= 0)
            expect(HallOfFame::ParseScore(m_hallOfFame.score(0)) == best,
                   "the Hall of Fame's best is not the best balance offered to it");
    }

    void newGame() {
        const bool withMoney = m_ledger != 0;
        m_answerYes = chance(700);
        const long asked = m_questions;
        m_flow.newGame();
        expect(m_questions == asked + (withMoney ? 1 : 0), "New asked when it should not, or not");
        if (!withMoney || m_answerYes) {
            if (withMoney)
                offered(m_flow.gameType());
            m_ledger = 100;
            ++m_counts.newGames;
            expect(m_flow.state().phase == Phase::NotStarted, "New did not wait for a deal");
        }
        checkHallOfFame();
        checkTable();
    }

    void acceptOptions() {
        const auto type = static_cast<GameType>(pick(3));
        bool applied = false;
        m_flow.acceptOptions(type, [&applied] { applied = true; });
        offered(type);
        m_ledger = 100;
        ++m_counts.optionsAccepted;
        expect(applied, "accepted options were not applied");
        expect(m_flow.gameType() == type, "the chosen game is not on the table");
        expect(m_flow.deck()->count() == (payTable(type).jokers ? 54 : 52),
               "the deck does not fit the game");
        expect(m_flow.state().phase == Phase::NotStarted,
               "accepted options did not wait for a deal");
        checkHallOfFame();
        checkTable();
    }

    void errorBeep() override { ++m_errorBeeps; }
    void defaultBeep() override {}
    void playSoundEvent(const std::string&) override {}
    void drawCardNow(int) override {}
    void cardWindowChanged(int) override {}
    void columnBandChanged(int, int) override {}
    void columnChanged(int) override {}
    void drawWinFigure() override {}
    void drawBalanceFigure() override {}
    void flushRepaints() override {}
    void hintAreaChanged() override {}
    void statusVisibilityChanged(bool) override {}
    void dealButtonTextChanged(const std::string&) override {}
    void titleChanged(const std::string&) override {}
    void tableChanged() override {}
    std::string signIn(const std::string&) override { return "Scripted"; }
    bool askYesNo(int) override {
        ++m_questions;
        return m_answerYes;
    }
    void showMessage(const std::string& message) override {
        ++m_messages;
        m_lastMessage = message;
    }

    std::mt19937 m_script;
    MemoryRegistryStore m_store;
    HallOfFame m_hallOfFame{m_store, "Quintaro", 0, 1};
    RoundFlow m_flow{*this, m_hallOfFame, "Quintaro"};
    long m_ledger = 0;
    int m_betOfRound = 1;
    std::array<const Card*, RoundFlow::cardWindowCount> m_dealt{};
    std::array<bool, RoundFlow::cardWindowCount> m_holding{};
    std::array<long, 3> m_bestOffered{};
    long m_errorBeeps = 0;
    long m_questions = 0;
    long m_messages = 0;
    bool m_answerYes = true;
    std::string m_lastMessage;
    std::string m_failure;
    Counts m_counts;
};

} // namespace quintaro
