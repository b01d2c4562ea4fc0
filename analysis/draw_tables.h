#pragma once

#include "analysis/hold_values.h"
#include "poker/card_deck.h"
#include "poker/game_setup.h"
#include "poker/game_type.h"
#include "poker/pay_table.h"
#include "poker/poker_hand.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace quintaro {

// Deck indices (see deck_index.h) of the five dealt cards, in window order.
using DealtCards = std::array<int, PokerHand::handSize>;

// Everything the draw counts of a game need, built once: the winning line of every
// five-card hand of the game's deck, found by the table's own set-up and evaluation, and for
// every subset of up to four cards how many five-card hands containing it win each line.
// The counts of the hands that contain a hold and none of the discards then follow by
// inclusion and exclusion over the discards, 32 look-ups per dealt hand.
// Read-only once built, so any number of threads may use it.
class DrawTables {
public:
    // Walks every five-card hand on `workers` threads (at least one).
    explicit DrawTables(GameType type, int workers = 2);

    GameType gameType() const { return m_type; }
    int deckSize() const { return m_deckSize; }
    // Line count, categories and payoffs as the table holds them.
    const PayDisplayData& pay() const { return m_pay; }
    int lineCount() const { return m_pay.lineCount; }

    // The winning line, or noLine. Precondition: five ascending deck indices.
    int lineOf(std::span<const int> ascending) const;

    // The exact worth of every hold of the dealt cards over all draws from the rest of the
    // deck, at a bet of 1 to 5. Precondition: five distinct deck indices of this game.
    HoldValues holdValues(const DealtCards& dealt, int bet) const;
    // How many draws of the hold end on each line (entries past lineCount() are 0).
    std::array<std::int64_t, maxPayLines> drawsWinning(const DealtCards& dealt,
                                                       unsigned hold) const;

private:
    // The dealt cards in ascending order, with each one's window position.
    struct SortedDeal {
        DealtCards cards;
        DealtCards windows;
    };
    static SortedDeal sortDeal(const DealtCards& dealt);
    // The ascending cards of a hold; returns how many there are.
    static int subsetOf(const SortedDeal& deal, unsigned hold, DealtCards& out);

    // Fills the lines of every hand whose highest card is `top`; hands of different tops
    // fill disjoint entries, so threads may walk different tops at once.
    void walkHandsBelow(int top, const CardDeck& deck, PokerHand& hand);
    void buildCounts(int workers);

    GameType m_type;
    int m_deckSize;
    PayDisplayData m_pay;
    // Per five-card hand: its line, or noHandLine.
    std::vector<std::uint8_t> m_lines;
    // Per four-card subset, lineCount counts (at most 50 hands contain four given cards).
    std::vector<std::uint8_t> m_fourCounts;
    // Per subset of 0 to 3 cards, lineCount counts; indexed by subset size.
    std::array<std::vector<std::uint32_t>, 4> m_smallCounts;
};

} // namespace quintaro
