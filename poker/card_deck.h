#pragma once

#include "poker/card.h"
#include "poker/random_sequence.h"

#include <memory>
#include <vector>

namespace quintaro {

// The deck owns its cards for its whole life; the order is a separate list of pointers
// into them, so reordering never moves a card record.
class CardDeck {
public:
    static constexpr int standardCount = 52;
    static constexpr int countWithJokers = 54;

    // Builds the deck in its fixed order: index suit * 13 + rank - 1 for the 52 standard
    // cards, then (with jokers) rank 15 at 52 and rank 16 at 53, both of suit 0.
    explicit CardDeck(bool withJokers);
    CardDeck(const CardDeck&) = delete;
    CardDeck& operator=(const CardDeck&) = delete;

    int count() const { return static_cast<int>(m_order.size()); }
    // Precondition: 0 <= index < count().
    Card* card(int index) const { return m_order[static_cast<std::size_t>(index)]; }
    // Precondition: card belongs to this deck and the order stays a permutation of it once
    // the caller is done (the shuffle puts the two cards of a swap back in turn).
    void putCard(int index, Card* card) { m_order[static_cast<std::size_t>(index)] = card; }

    // One draw per position, in index order: the card at i swaps with the card at
    // draw % count. Starts from whatever order the previous shuffle left.
    void shuffle(RandomSequence& sequence);
    void shuffle() { shuffle(processRandomSequence()); }

private:
    std::vector<std::unique_ptr<Card>> m_cards;
    std::vector<Card*> m_order;
};

} // namespace quintaro
