#pragma once

#include "poker/pay_table.h"

#include <array>
#include <cstdint>
#include <string>

namespace quintaro {

// What one bet column of the pay table shows. The round flow owns these; the column
// widgets paint from them.
struct PaylineColumn {
    std::uint8_t lineCount = 9;
    std::uint8_t highlightedLine = noLine;
    std::uint8_t bet = 1;
    // Entries beyond lineCount keep whatever an earlier game left; they are never shown.
    std::array<std::uint16_t, maxPayLines> payoffs{};
    bool selected = false;
};

// What the hand-name column shows: the game's title and the category of every line.
struct HandNamesColumn {
    std::uint8_t lineCount = 9;
    std::uint8_t highlightedLine = noLine;
    std::array<int, maxPayLines> categories{};
    std::string title;
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
