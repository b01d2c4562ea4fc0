#pragma once

#include "poker/card.h"
#include "poker/hand_category.h"

#include <array>
#include <span>

namespace quintaro {

// The evaluator of the five cards on the table. It only reads the cards: aces count as 14
// inside the ace-high straight test through a rank mapping on a private sorted copy, so the
// cards keep rank 1 throughout, which is what setting them back afterwards amounts to.
// Wildness is membership of the wild list by identity of the card record.
class PokerHand {
public:
    static constexpr int handSize = 5;
    static constexpr int maxWildCards = 4;

    using Cards = std::array<const Card*, handSize>;
    using WildCards = std::array<const Card*, maxWildCards>;

    void setCard(int position, const Card* card) {
        m_hand[static_cast<std::size_t>(position)] = card;
    }
    void setHand(const Cards& cards) { m_hand = cards; }
    void clearWild() { m_wild = {}; }
    // Appends to the wild list; a fifth card is ignored, since no game has more than four.
    void addWild(const Card* card);

    const Cards& hand() const { return m_hand; }
    const Cards& sorted() const { return m_sorted; }
    const WildCards& wild() const { return m_wild; }

    // Rebuilds sorted from hand and wild. Precondition: all five hand cards are set.
    void sort();
    // Number of wild cards among the five, from the last sort.
    int wildCount() const { return m_wildCount; }
    // Greatest number of non-wild cards of one rank, from the last sort.
    int longestGroup() const { return m_longestGroup; }
    // Whether the last sort matches the category's test.
    bool passes(HandCategory category) const;

    // Sorts and gives the smallest line index among the first lineCount categories whose
    // test passes, or noLine. A hand with a card missing matches nothing.
    int winningLine(std::span<const HandCategory> categories, int lineCount);

private:
    template <bool acesHigh> void sortInto(Cards& out) const;
    bool isWild(const Card* card) const;
    bool highPair(int firstRank, int secondRank) const;

    Cards m_hand{};
    Cards m_sorted{};
    WildCards m_wild{};
    int m_wildCount = 0;
    int m_longestGroup = 0;
    bool m_oneSuit = false;
    bool m_straightAceLow = false;
    bool m_straightAceHigh = false;
};

} // namespace quintaro
