#include "poker/hand_category.h"

#include <array>

namespace quintaro {

std::string_view handCategoryName(HandCategory category) {
    static constexpr std::array<std::string_view, 15> names = {
        "Nothing",
        "Pair",
        "Pair (Jacks or better)",
        "Pair (Kings or better)",
        "Two Pair",
        "Flush",
        "Three of a Kind",
        "Straight",
        "Full House",
        "Four of a Kind",
        "Straight Flush",
        "Royal Flush",
        "Five of a Kind",
        "Four Wild Cards",
        "Royal Flush (No Wilds)",
    };
    const int code = static_cast<int>(category);
    if (code < 0 || code >= static_cast<int>(names.size()))
        return {};
    return names[static_cast<std::size_t>(code)];
}

} // namespace quintaro
