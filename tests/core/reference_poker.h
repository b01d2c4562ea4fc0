#pragma once

#include "poker/game_type.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

// A slow, plain model of the three games for the tests to measure the program against: the
// pay tables as the tables print them, a hand classifier written from the game rules, and
// the worth of a hold found by walking every one of its draws. It shares nothing with the
// program's rules or analysis but the card numbering.
namespace quintaro::test {

// Cards are numbered as the analysis numbers them: suit * 13 + rank - 1, aces 1 to kings 13,
// suits clubs, spades, hearts, diamonds; the jokers are 52 and 53.
inline constexpr int firstJoker = 52;
inline constexpr int dealSize = 5;
using Five = std::array<int, dealSize>;

enum class Made {
    NaturalRoyal,
    FourDeuces,
    WildRoyal,
    FiveOfAKind,
    StraightFlush,
    FourOfAKind,
    FullHouse,
    Flush,
    Straight,
    ThreeOfAKind,
    TwoPair,
    KingsOrBetter,
    JacksOrBetter
};

struct ReferenceGame {
    int deckSize;
    bool deucesWild;         // the jokers, where the deck has them, are always wild
    std::vector<Made> lines; // best first
    std::vector<int> pays;   // each line's pay for $1
    int topPayAtFive;        // the first line's at a bet of $5

    int pay(int line, int bet) const {
        return line == 0 && bet == 5 ? topPayAtFive : pays[static_cast<std::size_t>(line)] * bet;
    }
};

// The tables by game number: 8/5 jacks or better; jokers wild, kings or better, with two
// jokers; deuces wild.
inline const ReferenceGame& referenceGame(GameType type) {
    using enum Made;
    static const std::array<ReferenceGame, 3> games{
        {{52,
          false,
          {WildRoyal, StraightFlush, FourOfAKind, FullHouse, Flush, Straight, ThreeOfAKind, TwoPair,
           JacksOrBetter},
          {250, 50, 25, 8, 5, 4, 3, 2, 1},
          4000},
         {54,
          false,
          {NaturalRoyal, FiveOfAKind, WildRoyal, StraightFlush, FourOfAKind, FullHouse, Flush,
           Straight, ThreeOfAKind, TwoPair, KingsOrBetter},
          {400, 200, 100, 50, 15, 7, 5, 3, 2, 1, 1},
          4700},
         {52,
          true,
          {NaturalRoyal, FourDeuces, WildRoyal, FiveOfAKind, StraightFlush, FourOfAKind, FullHouse,
           Flush, Straight, ThreeOfAKind},
          {250, 200, 20, 10, 10, 4, 4, 3, 2, 1},
          4000}}};
    return games[static_cast<std::size_t>(gameTypeNumber(type))];
}

inline constexpr int noReferenceLine = -1;

// The first line of the table the five cards make, or noReferenceLine. The games' rules,
// quirks included: counts of a rank are exact (three kings are no pair of kings), a single
// wild card pairs with one king or ace, and a straight of distinct ranks within five counts
// as reaching the ace, so as a royal flush, whenever its highest rank plus the wild cards
// come to 14 (9 J Q K and a wild card).
inline int referenceLine(const ReferenceGame& game, const Five& cards) {
    int wild = 0;
    std::array<int, 14> ofRank{};
    int longest = 0;
    int pairs = 0;
    unsigned ranks = 0; // bit r for rank r, the ace at bits 1 and 14
    unsigned suits = 0;
    for (int card : cards) {
        const int rank = card % 13 + 1;
        if (card >= firstJoker || (game.deucesWild && rank == 2)) {
            ++wild;
            continue;
        }
        const int count = ++ofRank[static_cast<std::size_t>(rank)];
        longest = std::max(longest, count);
        pairs += count == 2 ? 1 : 0;
        ranks |= 1u << rank | (rank == 1 ? 1u << 14 : 0u);
        suits |= 1u << (card / 13);
    }
    // The span of the natural ranks with the ace low (1 to 13) and high (2 to 14).
    const int lowA = std::countr_zero(ranks);
    const int highA = std::bit_width(ranks & 0x3fffu) - 1;
    const int lowB = std::countr_zero(ranks & ~2u);
    const int highB = std::bit_width(ranks) - 1;
    const bool distinct = longest <= 1;
    const bool toTheAce = distinct && highB - lowB < 5 && highB + wild >= 14;
    const bool straight = toTheAce || (distinct && highA - lowA < 5);
    const bool flush = std::popcount(suits) == 1;
    const auto pairOf = [&](std::size_t rank, std::size_t other) {
        const int wanted = wild == 1 ? 1 : 2;
        return ofRank[rank] == wanted || ofRank[other] == wanted;
    };
    // What each kind of hand needs, in the order of Made. Four of a kind with a wild card,
    // and natural four of a kind as two pair, are paid above the full house in every table.
    const std::array<bool, 13> made{toTheAce && flush && wild == 0,
                                    wild == 4,
                                    toTheAce && flush,
                                    longest + wild == 5,
                                    straight && flush,
                                    longest + wild == 4,
                                    (wild == 0 && longest == 3 && pairs == 2) ||
                                        (wild == 1 && pairs == 2),
                                    flush,
                                    straight,
                                    longest + wild == 3,
                                    wild == 0 && pairs == 2,
                                    pairOf(13, 1),
                                    pairOf(13, 1) || pairOf(11, 12)};
    for (std::size_t line = 0; line < game.lines.size(); ++line)
        if (made[static_cast<std::size_t>(game.lines[line])])
            return static_cast<int>(line);
    return noReferenceLine;
}

// What one hold of a deal ends on over all its draws.
struct ReferenceHold {
    std::int64_t draws = 0;
    std::array<std::int64_t, 11> lines{};

    std::int64_t paid(const ReferenceGame& game, int bet) const {
        std::int64_t sum = 0;
        for (std::size_t line = 0; line < game.lines.size(); ++line)
            sum += lines[line] * game.pay(static_cast<int>(line), bet);
        return sum;
    }
};
using ReferenceHolds = std::array<ReferenceHold, 32>;

// Every hold of the dealt cards by mask (bit i keeps window i + 1), each of its draws dealt
// from the cards left and classified one by one.
inline ReferenceHolds referenceHolds(const ReferenceGame& game, const Five& dealt) {
    std::vector<int> rest;
    for (int card = 0; card < game.deckSize; ++card)
        if (std::find(dealt.begin(), dealt.end(), card) == dealt.end())
            rest.push_back(card);
    ReferenceHolds holds;
    for (unsigned hold = 0; hold < holds.size(); ++hold) {
        std::vector<std::size_t> open;
        for (std::size_t window = 0; window < dealSize; ++window)
            if (!(hold & (1u << window)))
                open.push_back(window);
        Five hand = dealt;
        ReferenceHold& result = holds[hold];
        const auto fill = [&](auto& self, std::size_t filled, std::size_t from) -> void {
            if (filled == open.size()) {
                ++result.draws;
                const int line = referenceLine(game, hand);
                if (line != noReferenceLine)
                    ++result.lines[static_cast<std::size_t>(line)];
                return;
            }
            for (std::size_t i = from; i + (open.size() - filled) <= rest.size(); ++i) {
                hand[open[filled]] = rest[i];
                self(self, filled + 1, i + 1);
            }
        };
        fill(fill, 0, 0);
    }
    return holds;
}

// Whether hold a is worth more than hold b at the bet; equal worths go to the hold keeping
// more cards, then to the lower mask.
inline bool referencePrefers(const ReferenceGame& game, const ReferenceHolds& holds, int bet,
                             unsigned a, unsigned b) {
    const std::int64_t left = holds[a].paid(game, bet) * holds[b].draws;
    const std::int64_t right = holds[b].paid(game, bet) * holds[a].draws;
    if (left != right)
        return left > right;
    if (std::popcount(a) != std::popcount(b))
        return std::popcount(a) > std::popcount(b);
    return a < b;
}

inline unsigned referenceBest(const ReferenceGame& game, const ReferenceHolds& holds, int bet) {
    unsigned best = 0;
    for (unsigned hold = 1; hold < holds.size(); ++hold)
        if (referencePrefers(game, holds, bet, hold, best))
            best = hold;
    return best;
}

} // namespace quintaro::test
