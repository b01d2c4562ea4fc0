#include "analysis/deal_classes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace quintaro {
namespace {

// Each class's cards, relabelled by all 24 orders of the suits and with the jokers swapped,
// make as many different deals as its weight, and no deal is made by two classes; with the
// weights adding up to C(52, 5) or C(54, 5) the classes stand for every deal exactly once.
TEST(AnalysisDealClasses, EveryDealIsInExactlyOneClass) {
    for (const auto& [jokers, deals] : {std::pair{false, 2598960u}, std::pair{true, 3162510u}}) {
        SCOPED_TRACE(jokers ? "with jokers" : "without jokers");
        const int deckSize = jokers ? 54 : 52;
        std::vector<std::uint64_t> firstImages;
        std::uint64_t total = 0;
        int malformed = 0;
        int misweighted = 0;
        for (const DealClass& deal : dealClasses(jokers)) {
            total += deal.weight;
            if (!std::is_sorted(deal.cards.begin(), deal.cards.end()) ||
                std::adjacent_find(deal.cards.begin(), deal.cards.end()) != deal.cards.end() ||
                deal.cards.front() < 0 || deal.cards.back() >= deckSize) {
                ++malformed;
                continue;
            }
            std::array<std::uint64_t, 48> images{};
            std::size_t made = 0;
            std::array<int, 4> suitOrder{0, 1, 2, 3};
            do {
                for (int swap = 0; swap <= (jokers ? 1 : 0); ++swap) {
                    std::uint64_t image = 0;
                    for (int card : deal.cards) {
                        const int moved =
                            card >= 52
                                ? card ^ swap
                                : suitOrder[static_cast<std::size_t>(card / 13)] * 13 + card % 13;
                        image |= std::uint64_t{1} << moved;
                    }
                    images[made++] = image;
                }
            } while (std::next_permutation(suitOrder.begin(), suitOrder.end()));
            const auto end = images.begin() + static_cast<std::ptrdiff_t>(made);
            std::sort(images.begin(), end);
            const auto orbit =
                static_cast<std::uint32_t>(std::unique(images.begin(), end) - images.begin());
            misweighted += orbit == deal.weight ? 0 : 1;
            firstImages.push_back(images.front());
        }
        EXPECT_EQ(malformed, 0);
        EXPECT_EQ(misweighted, 0);
        std::sort(firstImages.begin(), firstImages.end());
        EXPECT_EQ(std::adjacent_find(firstImages.begin(), firstImages.end()), firstImages.end());
        EXPECT_EQ(total, deals);
    }
}

} // namespace
} // namespace quintaro
