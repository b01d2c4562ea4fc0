#pragma once

#include "poker/pay_table.h"

#include <cstdint>

namespace quintaro {

// What one bet column shows besides the pay table it reads: its bet, whether it is the
// chosen one, and the highlighted line. The round flow owns these; the column widgets
// paint from them.
struct PaylineColumn {
    std::uint8_t highlightedLine = noLine;
    std::uint8_t bet = 1;
    bool selected = false;
};

// The hand-name column's highlighted line; its title and names come from the pay table.
struct HandNamesColumn {
    std::uint8_t highlightedLine = noLine;
};

// Rows of a column of height `height` with `lineCount` lines: band 0 is the header,
// band b >= 1 shows line b - 1. Both edges are inside the band.
struct RowBand {
    int top;
    int bottom;
};

constexpr RowBand rowBand(int height, int lineCount, int band) {
    return {height * band / (lineCount + 1), height * (band + 1) / (lineCount + 1) - 1};
}

} // namespace quintaro
