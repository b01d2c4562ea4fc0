#pragma once

#include "analysis/draw_tables.h"

#include <array>
#include <cstdint>

namespace quintaro {

// A whole game played with the best hold on every deal (HoldValues::best), over all deals
// and draws. Weights are whole numbers: a deal counts as drawScale of the cards left, split
// among its hold's draws, so the sums are exact.
struct GameReturn {
    int lineCount = 0;
    std::array<std::uint64_t, maxPayLines> lineWeights{};
    std::uint64_t nothingWeight = 0;
    std::uint64_t totalWeight = 0;
    // Expected payoff divided by the bet.
    double returnRate = 0;

    double lineProbability(int line) const {
        return static_cast<double>(lineWeights[static_cast<std::size_t>(line)]) /
               static_cast<double>(totalWeight);
    }
    double nothingProbability() const {
        return static_cast<double>(nothingWeight) / static_cast<double>(totalWeight);
    }
};

// At a bet of 1 to 5, on `workers` threads.
GameReturn computeGameReturn(const DrawTables& tables, int bet, int workers = 2);

} // namespace quintaro
