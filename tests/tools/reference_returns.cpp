// The whole-game return of each game at $1 and $5, worked out from the test reference alone
// (tests/core/reference_poker.h): every final hand of the deck is classified once, and every
// deal of five cards is walked, in no class but its own, to the best of its 32 holds. The
// figures pinned in tests/tools/quintaro_analyze_strategy_test.sh come from this program.
//
// Not run by ctest: build the target quintaro-reference-returns and run
//   nice build/quintaro-reference-returns [GAME...]
// with GAME 0 (Straight Poker), 1 (Jokers Wild) or 2 (Deuces Wild), all three when none is
// named. It prints "game G: $1 R1 $5 R5" per game. All three take about 25 seconds of
// processor time in the sanitizer build (3 minutes on a loaded two-core machine), a few
// seconds each in an optimised one.
#include "tests/core/reference_poker.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace quintaro::test {
namespace {

// Sets of up to five cards, each numbered by the combinatorial number system after the
// sets of fewer cards.
class CardSets {
public:
    explicit CardSets(int deckSize) {
        for (int n = 0; n <= deckSize; ++n) {
            m_choose[n][0] = 1;
            for (int k = 1; k <= dealSize; ++k)
                m_choose[n][k] = n == 0 ? 0 : m_choose[n - 1][k - 1] + m_choose[n - 1][k];
        }
        for (int k = 0; k < dealSize; ++k)
            m_first[k + 1] = m_first[k] + m_choose[deckSize][k];
        m_count = m_first[dealSize] + m_choose[deckSize][dealSize];
    }
    std::int64_t count() const { return m_count; }
    std::int64_t choose(int n, int k) const { return m_choose[n][k]; }
    // The number of the cards `sorted[i]` for each bit i of `mask`, lowest card first.
    std::int64_t number(const Five& sorted, unsigned mask) const {
        std::int64_t number = 0;
        int size = 0;
        for (int i = 0; i < dealSize; ++i)
            if (mask & (1u << i))
                number += m_choose[sorted[static_cast<std::size_t>(i)]][++size];
        return m_first[size] + number;
    }

private:
    std::int64_t m_choose[55][dealSize + 1]{};
    std::int64_t m_first[dealSize + 1]{};
    std::int64_t m_count = 0;
};

// What the final hands containing one set of cards pay together at $1, and how many of
// them make the first line, whose pay at $5 is not five times its pay at $1.
struct Pays {
    std::int64_t atOne = 0;
    std::int64_t topLines = 0;
};

// Calls f with every five cards of the deck, lowest first.
template <typename F> void forEveryFive(int deckSize, F f) {
    Five cards{};
    for (cards[0] = 0; cards[0] < deckSize; ++cards[0])
        for (cards[1] = cards[0] + 1; cards[1] < deckSize; ++cards[1])
            for (cards[2] = cards[1] + 1; cards[2] < deckSize; ++cards[2])
                for (cards[3] = cards[2] + 1; cards[3] < deckSize; ++cards[3])
                    for (cards[4] = cards[3] + 1; cards[4] < deckSize; ++cards[4])
                        f(cards);
}

void printReturns(GameType type) {
    const ReferenceGame& game = referenceGame(type);
    const CardSets sets(game.deckSize);
    std::vector<Pays> containing(static_cast<std::size_t>(sets.count()));
    forEveryFive(game.deckSize, [&](const Five& hand) {
        const int line = referenceLine(game, hand);
        if (line == noReferenceLine)
            return;
        for (unsigned mask = 0; mask < 32; ++mask) {
            Pays& pays = containing[static_cast<std::size_t>(sets.number(hand, mask))];
            pays.atOne += game.pay(line, 1);
            pays.topLines += line == 0 ? 1 : 0;
        }
    });

    // A hold's draws all avoid the cards it discards: by inclusion and exclusion, the final
    // hands containing the held cards less those containing any discarded one.
    const int left = game.deckSize - dealSize;
    // left (left - 1) ... (left - 4): a multiple of every hold's number of draws.
    std::int64_t scale = 1;
    for (int i = 0; i < dealSize; ++i)
        scale *= left - i;
    std::array<long double, 2> total{};
    std::int64_t deals = 0;
    forEveryFive(game.deckSize, [&](const Five& dealt) {
        std::array<Pays, 32> subsets;
        for (unsigned mask = 0; mask < 32; ++mask)
            subsets[mask] = containing[static_cast<std::size_t>(sets.number(dealt, mask))];
        std::array<std::int64_t, 2> best{};
        for (unsigned hold = 0; hold < 32; ++hold) {
            Pays pays;
            const unsigned discarded = 31u & ~hold;
            for (unsigned extra = discarded;; extra = (extra - 1) & discarded) {
                const int sign = std::popcount(extra) % 2 == 0 ? 1 : -1;
                pays.atOne += sign * subsets[hold | extra].atOne;
                pays.topLines += sign * subsets[hold | extra].topLines;
                if (extra == 0)
                    break;
            }
            const std::int64_t perDraw = scale / sets.choose(left, dealSize - std::popcount(hold));
            const std::int64_t atFive =
                5 * pays.atOne + (game.pay(0, 5) - 5 * game.pay(0, 1)) * pays.topLines;
            best[0] = std::max(best[0], pays.atOne * perDraw);
            best[1] = std::max(best[1], atFive * perDraw);
        }
        total[0] += static_cast<long double>(best[0]);
        total[1] += static_cast<long double>(best[1]) / 5;
        ++deals;
    });
    std::printf("game %d: $1 %.6Lf $5 %.6Lf\n", gameTypeNumber(type),
                total[0] / scale / static_cast<long double>(deals),
                total[1] / scale / static_cast<long double>(deals));
    std::fflush(stdout);
}

} // namespace
} // namespace quintaro::test

int main(int argc, char** argv) {
    std::vector<int> games{0, 1, 2};
    if (argc > 1)
        games.assign(argc - 1, 0);
    for (int i = 1; i < argc; ++i)
        games[static_cast<std::size_t>(i - 1)] = std::atoi(argv[i]);
    for (int number : games)
        quintaro::test::printReturns(quintaro::gameTypeFromNumber(static_cast<unsigned>(number)));
    return 0;
}
