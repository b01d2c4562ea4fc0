#include "poker/poker_hand.h"

#include <algorithm>

namespace quintaro {

namespace {

constexpr int rankOf(const Card* card, bool acesHigh) {
    return acesHigh && card->rank == aceRank ? highAceRank : card->rank;
}

// Non-wild cards of sorted sit before the first empty entry.
int nonWildCount(const PokerHand::Cards& sorted) {
    int count = 0;
    while (count < PokerHand::handSize && sorted[static_cast<std::size_t>(count)] != nullptr)
        ++count;
    return count;
}

// Distinct neighbours spanning less than five values; wild cards fill the gaps.
bool straightShape(const PokerHand::Cards& sorted, bool acesHigh, int nonWild) {
    for (int i = 1; i < nonWild; ++i) {
        if (rankOf(sorted[static_cast<std::size_t>(i)], acesHigh) ==
            rankOf(sorted[static_cast<std::size_t>(i - 1)], acesHigh))
            return false;
    }
    const int highest = rankOf(sorted[static_cast<std::size_t>(nonWild - 1)], acesHigh);
    const int lowest = rankOf(sorted[0], acesHigh);
    return highest - lowest < 5;
}

} // namespace

void PokerHand::addWild(const Card* card) {
    for (auto& entry : m_wild) {
        if (entry == nullptr) {
            entry = card;
            return;
        }
    }
}

bool PokerHand::isWild(const Card* card) const {
    return std::find(m_wild.begin(), m_wild.end(), card) != m_wild.end();
}

// Five passes of neighbour exchanges, only on a strictly greater left rank, so equal ranks
// keep window order; then the wild cards leave, the later entries closing up behind them.
template <bool acesHigh> void PokerHand::sortInto(Cards& out) const {
    out = m_hand;
    std::array<int, handSize> ranks;
    for (std::size_t i = 0; i < out.size(); ++i)
        ranks[i] = rankOf(out[i], acesHigh);
    for (int pass = 0; pass < handSize; ++pass) {
        for (std::size_t i = 0; i + 1 < out.size(); ++i) {
            if (ranks[i] > ranks[i + 1]) {
                std::swap(ranks[i], ranks[i + 1]);
                std::swap(out[i], out[i + 1]);
            }
        }
    }
    if (m_wild[0] == nullptr)
        return;
    std::size_t i = 0;
    while (i < out.size() && out[i] != nullptr) {
        if (isWild(out[i])) {
            std::copy(out.begin() + static_cast<std::ptrdiff_t>(i) + 1, out.end(),
                      out.begin() + static_cast<std::ptrdiff_t>(i));
            out.back() = nullptr;
        } else {
            ++i;
        }
    }
}

void PokerHand::sort() {
    sortInto<false>(m_sorted);
    const int nonWild = nonWildCount(m_sorted);
    m_wildCount = handSize - nonWild;

    m_longestGroup = 1;
    int run = 1;
    for (int i = 1; i < nonWild; ++i) {
        const bool same = m_sorted[static_cast<std::size_t>(i)]->rank ==
                          m_sorted[static_cast<std::size_t>(i - 1)]->rank;
        run = same ? run + 1 : 1;
        m_longestGroup = std::max(m_longestGroup, run);
    }

    m_oneSuit = true;
    for (int i = 1; i < nonWild; ++i) {
        if (m_sorted[static_cast<std::size_t>(i)]->suit !=
            m_sorted[static_cast<std::size_t>(i - 1)]->suit)
            m_oneSuit = false;
    }

    m_straightAceLow = nonWild == 0 || straightShape(m_sorted, false, nonWild);
    m_straightAceHigh = false;
    if (nonWild > 0) {
        // Without an ace the ace-high order is the one just built.
        const bool anyAce = std::any_of(m_hand.begin(), m_hand.end(),
                                        [](const Card* card) { return card->rank == aceRank; });
        Cards acesHigh = m_sorted;
        if (anyAce)
            sortInto<true>(acesHigh);
        m_straightAceHigh =
            straightShape(acesHigh, true, nonWild) &&
            rankOf(acesHigh[static_cast<std::size_t>(nonWild - 1)], true) + m_wildCount >=
                highAceRank;
    }
}

// One wild card pairs with a single card of either rank; otherwise exactly two natural
// cards of one of the ranks are needed.
bool PokerHand::highPair(int firstRank, int secondRank) const {
    int first = 0;
    int second = 0;
    for (int i = 0; i < handSize - m_wildCount; ++i) {
        const int rank = m_sorted[static_cast<std::size_t>(i)]->rank;
        first += rank == firstRank ? 1 : 0;
        second += rank == secondRank ? 1 : 0;
    }
    const int wanted = m_wildCount == 1 ? 1 : 2;
    return first == wanted || second == wanted;
}

bool PokerHand::passes(HandCategory category) const {
    const auto r = [this](std::size_t i) { return m_sorted[i]->rank; };
    switch (category) {
    case HandCategory::JacksOrBetter:
        return passes(HandCategory::KingsOrBetter) || highPair(jackRank, queenRank);
    case HandCategory::KingsOrBetter:
        return highPair(kingRank, aceRank);
    case HandCategory::TwoPair:
        return m_wildCount == 0 &&
               ((r(0) == r(1) && (r(2) == r(3) || r(3) == r(4))) || (r(1) == r(2) && r(3) == r(4)));
    case HandCategory::Flush:
        return m_oneSuit;
    case HandCategory::ThreeOfAKind:
        return m_longestGroup + m_wildCount == 3;
    case HandCategory::Straight:
        return m_straightAceLow || m_straightAceHigh;
    case HandCategory::FullHouse:
        if (m_wildCount == 0)
            return r(0) == r(1) && r(3) == r(4) && (r(2) == r(1) || r(2) == r(3));
        if (m_wildCount == 1)
            return r(0) == r(1) && r(2) == r(3);
        return false;
    case HandCategory::FourOfAKind:
        return m_longestGroup + m_wildCount == 4;
    case HandCategory::StraightFlush:
        return (m_straightAceLow || m_straightAceHigh) && m_oneSuit;
    case HandCategory::RoyalFlush:
        return m_straightAceHigh && m_oneSuit;
    case HandCategory::FiveOfAKind:
        return m_longestGroup + m_wildCount == 5;
    case HandCategory::FourWildCards:
        return m_sorted[1] == nullptr;
    case HandCategory::NaturalRoyalFlush:
        return m_straightAceHigh && m_oneSuit && m_wildCount == 0;
    case HandCategory::Nothing:
    case HandCategory::Pair:
        return false;
    }
    return false;
}

int PokerHand::winningLine(std::span<const HandCategory> categories, int lineCount) {
    if (std::find(m_hand.begin(), m_hand.end(), nullptr) != m_hand.end())
        return noLine;
    sort();
    int result = noLine;
    const int lines = std::clamp(lineCount, 0, static_cast<int>(categories.size()));
    for (int i = lines - 1; i >= 0; --i) {
        if (passes(categories[static_cast<std::size_t>(i)]))
            result = i;
    }
    return result;
}

} // namespace quintaro
