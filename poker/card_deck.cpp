#include "poker/card_deck.h"

namespace quintaro {

CardDeck::CardDeck(bool withJokers) {
    const int total = withJokers ? countWithJokers : standardCount;
    m_cards.reserve(static_cast<std::size_t>(total));
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = aceRank; rank <= kingRank; ++rank)
            m_cards.push_back(std::make_unique<Card>(rank, suit));
    }
    if (withJokers) {
        m_cards.push_back(std::make_unique<Card>(firstJokerRank, 0));
        m_cards.push_back(std::make_unique<Card>(secondJokerRank, 0));
    }
    m_order.reserve(m_cards.size());
    for (const auto& card : m_cards)
        m_order.push_back(card.get());
}

void CardDeck::shuffle(RandomSequence& sequence) {
    const auto n = static_cast<unsigned>(count());
    for (int i = 0; i < count(); ++i) {
        const int j = static_cast<int>(static_cast<unsigned>(sequence.next()) % n);
        Card* atI = card(i);
        Card* atJ = card(j);
        putCard(i, atJ);
        putCard(j, atI);
    }
}

} // namespace quintaro
