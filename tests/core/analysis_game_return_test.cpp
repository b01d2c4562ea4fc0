#include "analysis/deal_classes.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

// The deal classes, weighted, stand for every five-card deal: C(52, 5) without jokers and
// C(54, 5) with them. What they return, against the published 8/5 jacks or better, is
// checked through quintaro-analyze.
TEST(AnalysisDealClasses, WeightsCountEveryDeal) {
    for (const auto& [jokers, deals] : {std::pair{false, 2598960u}, std::pair{true, 3162510u}}) {
        std::uint64_t total = 0;
        for (const DealClass& deal : dealClasses(jokers))
            total += deal.weight;
        EXPECT_EQ(total, deals) << (jokers ? "with" : "without") << " jokers";
    }
}

} // namespace
} // namespace quintaro
