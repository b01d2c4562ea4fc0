#pragma once

#include "cards/hold_state.h"
#include "displays/pay_table_columns.h"
#include "persist/hall_of_fame.h"
#include "poker/game_setup.h"
#include "poker/game_state.h"
#include "round/table_view.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace quintaro {

class RoundFlow;

// Consulted on every Redeal press before a card moves; with none attached every press
// redeals. The trainer attaches itself here while the player has it on.
class RedealGate {
public:
    virtual ~RedealGate() = default;
    // False refuses the press: the round stays as it was and the view hears nothing.
    virtual bool allowRedeal(const RoundFlow& round) = 0;
};

// The game on the table: money, bet, deck, the five card windows, the pay-table
// displays' state, and every rule of a round from bet to payout. It never draws; it
// tells its view what changed. The Hall of Fame and the view must outlive it.
class RoundFlow : private GameSetupSeams {
public:
    static constexpr int cardWindowCount = 5;
    static constexpr int columnCount = 5;

    RoundFlow(TableView& view, HallOfFame& hallOfFame, std::string settingsKeyName);

    const GameState& state() const { return m_state; }
    GameType gameType() const { return m_table.gameType; }
    // The bet of the selected column, 1 to 5.
    int bet() const;
    // The bet the cards on the table were dealt at: a payout that leaves less than the bet
    // lowers bet(), not this.
    int dealtBet() const { return m_dealtBet; }
    const PaylineColumn& column(int column) const { return m_columns.at(index(column)); }
    const HandNamesColumn& handNames() const { return m_handNames; }
    // The current game's pay table, which the pay-table displays read.
    const PayDisplayData& pay() const { return m_table.pay; }
    const HoldState& holdState(int window) const { return m_holdStates.at(index(window)); }
    // The card shown above a card window, or nullptr from a game set-up to the next deal.
    const Card* card(int window) const;
    // The card window whose card picture covers the point, if any.
    std::optional<int> cardWindowAt(int x, int y) const;
    int nextCardIndex() const { return m_nextCardIndex; }
    const CardDeck* deck() const { return m_table.deck.get(); }
    bool statusVisible() const { return m_statusVisible; }
    const std::string& dealButtonText() const { return m_dealButtonText; }
    // Whether the hint "Click a payline to change your bet" shows now.
    bool hintShown() const;

    // Switches the table to a game: deck, wild cards, pay table and Hall of Fame table.
    void setUpGame(GameType type);
    // Sign-in, the $100 stake, card backs on the table and the status box shown.
    void startNewGame();

    void onPaylinePress(int column);
    // The + and - keys: a press on the column one bet up (+1) or down (-1). Past $1 or $5
    // there is no column, and the press is refused as a refused click is.
    void onBetStep(int step);
    void selectPayline(int column, bool selected);
    void onDealButton();
    // Not owned; nullptr detaches. It must stay alive while attached.
    void setRedealGate(RedealGate* gate) { m_redealGate = gate; }
    void onCardWindowPress(int window);
    void dealCards();
    // Classifies the five cards and highlights the winning line in all six columns.
    void evaluate();
    void setHighlightedLine(int column, std::uint8_t line);

    // The New command: asks before giving up a game with money, which then enters the
    // Hall of Fame.
    void newGame();
    // Accepted options: the chosen game is set up, `applyLook` then applies what the
    // pages chose (card look, background, sounds), the balance enters the chosen game's
    // Hall of Fame, and a fresh $100 game waits for its first deal.
    void acceptOptions(GameType type, const std::function<void()>& applyLook);
    // Offers the balance to the Hall of Fame of the current game, as at exit.
    void offerBalanceToHallOfFame();

private:
    static std::size_t index(int i) { return static_cast<std::size_t>(i); }

    void switchHallOfFame(GameType type) override;
    void setHallOfFameTitle(std::string_view title) override;

    void placeCard(int window, int deckIndex);
    void showCard(int window, HoldState hold, CardState state);
    void takeAllCardsOffTable();
    void clearHighlights();
    void blankCardWindows();
    void updateDealButton();
    void showStatus(bool visible);
    void payOut();
    void loseGame();

    TableView& m_view;
    HallOfFame& m_hallOfFame;
    std::string m_settingsKeyName;
    GameState m_state;
    PokerTable m_table;
    std::uint16_t m_nextCardIndex = 0;
    int m_dealtBet = 1;
    std::array<PaylineColumn, columnCount> m_columns;
    HandNamesColumn m_handNames;
    std::array<HoldState, cardWindowCount> m_holdStates;
    // Deck positions, not card pointers: a set-up replaces the deck and clears these, so
    // nothing can reach a card of the deck that went.
    static constexpr int noCard = -1;
    std::array<int, cardWindowCount> m_deckPositions{noCard, noCard, noCard, noCard, noCard};
    bool m_statusVisible = false;
    std::string m_dealButtonText = "Deal";
    RedealGate* m_redealGate = nullptr;
};

} // namespace quintaro
