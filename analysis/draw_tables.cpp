#include "analysis/draw_tables.h"

#include "analysis/parallel_chunks.h"
#include "analysis/subset_index.h"

#include <algorithm>
#include <bit>
#include <type_traits>
#include <utility>

namespace quintaro {

namespace {

constexpr std::uint8_t noHandLine = 0xff;

class NoSeams : public GameSetupSeams {
public:
    void switchHallOfFame(GameType) override {}
    void setHallOfFameTitle(std::string_view) override {}
};

// For every subset of K cards, in index order: add(index of the subset with one more card,
// sums) for each card of the deck not in it, then store(index of the subset, sums). A
// five-card hand containing the subset is met through each of its 5 - K other cards, so
// the sums of per-superset counts are 5 - K times the subset's own.
template <int K, class Add, class Store>
void gatherSupersets(int deckSize, int workers, Add add, Store store) {
    const std::size_t subsets = binomial(deckSize, K);
    forEachChunk(subsets, 4096, workers, [&](std::size_t begin, std::size_t end) {
        std::array<int, K> subset{};
        subsetAt(static_cast<std::uint32_t>(begin), subset);
        std::array<std::uint32_t, maxPayLines> sums;
        for (std::size_t index = begin; index < end; ++index) {
            // A new card with g subset cards below it takes place g; those above move up one.
            std::array<std::uint32_t, K + 1> below{};
            std::array<std::uint32_t, K + 1> above{};
            for (int g = 0; g < K; ++g)
                below[g + 1] = below[g] + binomial(subset[g], g + 1);
            for (int g = K - 1; g >= 0; --g)
                above[g] = above[g + 1] + binomial(subset[g], g + 2);
            sums.fill(0);
            int g = 0;
            for (int card = 0; card < deckSize; ++card) {
                if (g < K && subset[static_cast<std::size_t>(g)] == card) {
                    ++g;
                    continue;
                }
                add(below[g] + binomial(card, g + 1) + above[g], sums);
            }
            store(index, sums);
            if (index + 1 < end)
                nextSubset(subset);
        }
    });
}

} // namespace

DrawTables::DrawTables(GameType type, int workers) : m_type(type) {
    PokerTable table;
    NoSeams seams;
    setUpGame(type, table, seams);
    m_deckSize = table.deck->count();
    m_pay = table.pay;

    const int threads = std::max(1, workers);
    // The deck is not shuffled, so its order is the index order of the analysis.
    m_lines.assign(binomial(m_deckSize, 5), noHandLine);
    forEachChunk(static_cast<std::size_t>(m_deckSize - 4), 1, threads,
                 [&](std::size_t begin, std::size_t end) {
                     PokerHand hand = table.hand;
                     for (std::size_t i = begin; i < end; ++i) {
                         // Highest cards first, so the big blocks go out early.
                         const int top = m_deckSize - 1 - static_cast<int>(i);
                         walkHandsBelow(top, *table.deck, hand);
                     }
                 });
    buildCounts(threads);
}

void DrawTables::walkHandsBelow(int top, const CardDeck& deck, PokerHand& hand) {
    // Inner cards run fastest and lowest first, which is index order.
    std::uint32_t index = binomial(top, 5);
    hand.setCard(4, deck.card(top));
    for (int d = 3; d < top; ++d) {
        hand.setCard(3, deck.card(d));
        for (int c = 2; c < d; ++c) {
            hand.setCard(2, deck.card(c));
            for (int b = 1; b < c; ++b) {
                hand.setCard(1, deck.card(b));
                for (int a = 0; a < b; ++a) {
                    hand.setCard(0, deck.card(a));
                    const int line = hand.winningLine(m_pay.categories, m_pay.lineCount);
                    m_lines[index++] =
                        line == noLine ? noHandLine : static_cast<std::uint8_t>(line);
                }
            }
        }
    }
}

void DrawTables::buildCounts(int workers) {
    const auto lines = static_cast<std::size_t>(lineCount());
    const auto storeInto = [lines](auto& counts, std::uint32_t divisor) {
        return [&counts, lines, divisor](std::size_t index,
                                         const std::array<std::uint32_t, maxPayLines>& sums) {
            using Count = typename std::remove_reference_t<decltype(counts)>::value_type;
            for (std::size_t line = 0; line < lines; ++line)
                counts[index * lines + line] = static_cast<Count>(sums[line] / divisor);
        };
    };
    const auto addFrom = [lines](const auto& counts) {
        return
            [&counts, lines](std::uint32_t superset, std::array<std::uint32_t, maxPayLines>& sums) {
                for (std::size_t line = 0; line < lines; ++line)
                    sums[line] += counts[superset * lines + line];
            };
    };

    m_fourCounts.assign(binomial(m_deckSize, 4) * lines, 0);
    gatherSupersets<4>(
        m_deckSize, workers,
        [this](std::uint32_t superset, std::array<std::uint32_t, maxPayLines>& sums) {
            const std::uint8_t line = m_lines[superset];
            if (line != noHandLine)
                ++sums[line];
        },
        storeInto(m_fourCounts, 1));
    for (int size = 0; size < 4; ++size)
        m_smallCounts[static_cast<std::size_t>(size)].assign(binomial(m_deckSize, size) * lines, 0);
    gatherSupersets<3>(m_deckSize, workers, addFrom(m_fourCounts), storeInto(m_smallCounts[3], 2));
    gatherSupersets<2>(m_deckSize, workers, addFrom(m_smallCounts[3]),
                       storeInto(m_smallCounts[2], 3));
    gatherSupersets<1>(m_deckSize, workers, addFrom(m_smallCounts[2]),
                       storeInto(m_smallCounts[1], 4));
    gatherSupersets<0>(m_deckSize, workers, addFrom(m_smallCounts[1]),
                       storeInto(m_smallCounts[0], 5));
}

int DrawTables::lineOf(std::span<const int> ascending) const {
    const std::uint8_t line = m_lines[subsetIndex(ascending)];
    return line == noHandLine ? noLine : line;
}

DrawTables::SortedDeal DrawTables::sortDeal(const DealtCards& dealt) {
    SortedDeal deal{dealt, {0, 1, 2, 3, 4}};
    for (std::size_t i = 1; i < dealt.size(); ++i) {
        for (std::size_t j = i; j > 0 && deal.cards[j - 1] > deal.cards[j]; --j) {
            std::swap(deal.cards[j - 1], deal.cards[j]);
            std::swap(deal.windows[j - 1], deal.windows[j]);
        }
    }
    return deal;
}

int DrawTables::subsetOf(const SortedDeal& deal, unsigned hold, DealtCards& out) {
    int size = 0;
    for (std::size_t i = 0; i < deal.cards.size(); ++i) {
        if (hold & (1u << deal.windows[i]))
            out[static_cast<std::size_t>(size++)] = deal.cards[i];
    }
    return size;
}

HoldValues DrawTables::holdValues(const DealtCards& dealt, int bet) const {
    const SortedDeal deal = sortDeal(dealt);
    const auto lines = static_cast<std::size_t>(lineCount());
    std::array<std::int64_t, maxPayLines> payoffs{};
    for (std::size_t line = 0; line < lines; ++line)
        payoffs[line] = m_pay.payoff(static_cast<int>(line), bet);

    HoldValues values;
    auto& sums = values.scaledPayoff;
    DealtCards subset;
    for (unsigned hold = 0; hold < holdCount; ++hold) {
        const auto size = static_cast<std::size_t>(subsetOf(deal, hold, subset));
        const std::size_t index = subsetIndex({subset.data(), size});
        std::int64_t sum = 0;
        if (size == 5) {
            const std::uint8_t line = m_lines[index];
            sum = line == noHandLine ? 0 : payoffs[line];
        } else if (size == 4) {
            const std::uint8_t* counts = &m_fourCounts[index * lines];
            for (std::size_t line = 0; line < lines; ++line)
                sum += counts[line] * payoffs[line];
        } else {
            const std::uint32_t* counts = &m_smallCounts[size][index * lines];
            for (std::size_t line = 0; line < lines; ++line)
                sum += counts[line] * payoffs[line];
        }
        sums[hold] = sum;
    }
    // So far each entry counts every hand containing the hold; taking away, one discard at
    // a time, the hands that also contain that discard leaves the hold's own draws.
    for (unsigned bit = 1; bit < holdCount; bit <<= 1) {
        for (unsigned hold = 0; hold < holdCount; ++hold) {
            if (!(hold & bit))
                sums[hold] -= sums[hold | bit];
        }
    }
    const int remaining = m_deckSize - PokerHand::handSize;
    values.scale = drawScale(remaining);
    for (unsigned hold = 0; hold < holdCount; ++hold)
        sums[hold] *= holdScale(remaining, std::popcount(hold));
    return values;
}

std::array<std::int64_t, maxPayLines> DrawTables::drawsWinning(const DealtCards& dealt,
                                                               unsigned hold) const {
    const SortedDeal deal = sortDeal(dealt);
    const auto lines = static_cast<std::size_t>(lineCount());
    std::array<std::int64_t, maxPayLines> draws{};
    DealtCards subset;
    for (unsigned superset = hold; superset < holdCount; superset = (superset + 1) | hold) {
        const auto size = static_cast<std::size_t>(subsetOf(deal, superset, subset));
        const std::span<const int> cards{subset.data(), size};
        const std::int64_t sign = std::popcount(superset ^ hold) % 2 ? -1 : 1;
        if (size == 5) {
            const int line = lineOf(cards);
            if (line != noLine)
                draws[static_cast<std::size_t>(line)] += sign;
            continue;
        }
        const std::size_t at = subsetIndex(cards) * lines;
        for (std::size_t line = 0; line < lines; ++line)
            draws[line] +=
                sign * (size == 4 ? m_fourCounts[at + line] : m_smallCounts[size][at + line]);
    }
    return draws;
}

} // namespace quintaro
