#include "analysis/deal_classes.h"

#include "analysis/deck_index.h"

#include <array>
#include <bit>

namespace quintaro {

namespace {

constexpr int ranks = 13;
constexpr int suits = 4;
constexpr std::uint32_t suitOrders = 24;

// Masks of 13 ranks (bit r - 1 for rank r), by number of ranks, each list ascending.
using MaskLists = std::array<std::vector<unsigned>, 6>;

MaskLists masksByCount() {
    MaskLists lists;
    for (unsigned mask = 0; mask < (1u << ranks); ++mask) {
        const int count = std::popcount(mask);
        if (count <= 5)
            lists[static_cast<std::size_t>(count)].push_back(mask);
    }
    return lists;
}

// A class is represented by its suits' rank masks in descending order, so a relabelling
// of suits gives the same representative. It stands for 4! deals divided by the orders of
// equal masks among themselves.
struct ClassWalk {
    const MaskLists& lists;
    std::vector<DealClass>& out;
    std::array<int, 2> jokers;
    int jokerCount;
    std::uint32_t jokerWeight;
    std::array<unsigned, suits> masks{};

    void chooseSuit(int suit, int left, unsigned upper) {
        const int first = suit == suits - 1 ? left : 0;
        for (int count = first; count <= left; ++count) {
            for (unsigned mask : lists[static_cast<std::size_t>(count)]) {
                if (mask > upper)
                    break;
                masks[static_cast<std::size_t>(suit)] = mask;
                if (suit == suits - 1)
                    emit();
                else
                    chooseSuit(suit + 1, left - count, mask);
            }
        }
    }

    void emit() {
        DealClass deal{};
        std::size_t next = 0;
        for (int suit = 0; suit < suits; ++suit) {
            for (int rank = 1; rank <= ranks; ++rank) {
                if (masks[static_cast<std::size_t>(suit)] & (1u << (rank - 1)))
                    deal.cards[next++] = deckIndex(rank, suit);
            }
        }
        for (int i = 0; i < jokerCount; ++i)
            deal.cards[next++] = jokers[static_cast<std::size_t>(i)];
        std::uint32_t orders = 1;
        std::uint32_t run = 1;
        for (std::size_t i = 1; i < masks.size(); ++i) {
            run = masks[i] == masks[i - 1] ? run + 1 : 1;
            orders *= run;
        }
        deal.weight = suitOrders / orders * jokerWeight;
        out.push_back(deal);
    }
};

} // namespace

std::vector<DealClass> dealClasses(bool withJokers) {
    const MaskLists lists = masksByCount();
    std::vector<DealClass> classes;
    const std::array<int, 2> jokers{jokerIndex, jokerIndex + 1};
    ClassWalk{lists, classes, jokers, 0, 1}.chooseSuit(0, 5, ~0u);
    if (withJokers) {
        // One joker: either of the two, so the deal with the first stands for both.
        ClassWalk{lists, classes, jokers, 1, 2}.chooseSuit(0, 4, ~0u);
        ClassWalk{lists, classes, jokers, 2, 1}.chooseSuit(0, 3, ~0u);
    }
    return classes;
}

} // namespace quintaro
