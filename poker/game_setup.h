#pragma once

#include "poker/card_deck.h"
#include "poker/game_type.h"
#include "poker/hand_category.h"
#include "poker/pay_table.h"
#include "poker/poker_hand.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quintaro {

// Where a game set-up reaches outside the rules. Calls come in this order; set-up repaints
// nothing, its caller does.
class GameSetupSeams {
public:
    virtual ~GameSetupSeams() = default;
    // Before the new deck is built; the Hall of Fame keeps its table when the type is the same.
    virtual void switchHallOfFame(GameType type) = 0;
    // Last, with the hand-name display's title.
    virtual void setHallOfFameTitle(std::string_view title) = 0;
};

// The rules' part of the table: the current game, its deck, the evaluator with its wild
// list, and the pay data the displays show and the payout reads.
struct PokerTable {
    GameType gameType = GameType::StraightPoker;
    std::unique_ptr<CardDeck> deck;
    PokerHand hand;
    PayDisplayData pay;
};

// Switches the table to the given game, also when it is the current one: drops the wild
// list, the hand and the old deck with every card of it, builds the game's deck, takes its
// wild cards in build order and loads its pay table. The caller then deals new cards into
// the hand before anything is evaluated or drawn.
void setUpGame(GameType type, PokerTable& table, GameSetupSeams& seams);

// The line five cards of `deck` win in game `type`, or noLine, from an evaluator of its
// own: the deck's wild cards by the game's rule, the categories of the game's pay table.
int winningLineOf(GameType type, const CardDeck& deck, const PokerHand::Cards& cards);

} // namespace quintaro
