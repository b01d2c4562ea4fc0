#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quintaro {

// The line value that means "no line", wherever a pay line is named: the winning line of a
// hand, the highlighted line of a column.
inline constexpr std::uint8_t noLine = 100;

// Codes as stored in the pay tables; their values do not order the hands, the pay lines do.
// Nothing and Pair have names but no test; any other value outside 2..14 never matches.
enum class HandCategory : int {
    Nothing = 0,
    Pair = 1,
    JacksOrBetter = 2,
    KingsOrBetter = 3,
    TwoPair = 4,
    Flush = 5,
    ThreeOfAKind = 6,
    Straight = 7,
    FullHouse = 8,
    FourOfAKind = 9,
    StraightFlush = 10,
    RoyalFlush = 11,
    FiveOfAKind = 12,
    FourWildCards = 13,
    NaturalRoyalFlush = 14,
};

// The hand's name in English, as the analyzer prints it and the translations look it up;
// empty for a code outside 0..14.
std::string_view handCategoryName(HandCategory category);
// The name the player reads, in the program's language.
std::string handCategoryText(HandCategory category);

} // namespace quintaro
