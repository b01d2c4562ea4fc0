#include "analysis/hold_values.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace quintaro {

bool HoldValues::prefers(unsigned hold, unsigned other) const {
    if (scaledPayoff[hold] != scaledPayoff[other])
        return scaledPayoff[hold] > scaledPayoff[other];
    if (std::popcount(hold) != std::popcount(other))
        return std::popcount(hold) > std::popcount(other);
    return hold < other;
}

unsigned HoldValues::best() const {
    unsigned best = 0;
    for (unsigned hold = 1; hold < holdCount; ++hold) {
        if (prefers(hold, best))
            best = hold;
    }
    return best;
}

std::array<unsigned, holdCount> HoldValues::ranked() const {
    std::array<unsigned, holdCount> holds;
    std::iota(holds.begin(), holds.end(), 0u);
    std::sort(holds.begin(), holds.end(), [this](unsigned a, unsigned b) { return prefers(a, b); });
    return holds;
}

} // namespace quintaro
