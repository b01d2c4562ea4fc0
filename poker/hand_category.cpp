#include "poker/hand_category.h"

#include "platform/translated_text.h"

#include <array>

namespace quintaro {

std::string_view handCategoryName(HandCategory category) {
    static constexpr std::array<std::string_view, 15> names = {
        QUINTARO_TEXT("Hands", "Nothing"),
        QUINTARO_TEXT("Hands", "Pair"),
        QUINTARO_TEXT("Hands", "Pair (Jacks or better)"),
        QUINTARO_TEXT("Hands", "Pair (Kings or better)"),
        QUINTARO_TEXT("Hands", "Two Pair"),
        QUINTARO_TEXT("Hands", "Flush"),
        QUINTARO_TEXT("Hands", "Three of a Kind"),
        QUINTARO_TEXT("Hands", "Straight"),
        QUINTARO_TEXT("Hands", "Full House"),
        QUINTARO_TEXT("Hands", "Four of a Kind"),
        QUINTARO_TEXT("Hands", "Straight Flush"),
        QUINTARO_TEXT("Hands", "Royal Flush"),
        QUINTARO_TEXT("Hands", "Five of a Kind"),
        QUINTARO_TEXT("Hands", "Four Wild Cards"),
        QUINTARO_TEXT("Hands", "Royal Flush (No Wilds)"),
    };
    const int code = static_cast<int>(category);
    if (code < 0 || code >= static_cast<int>(names.size()))
        return {};
    return names[static_cast<std::size_t>(code)];
}

std::string handCategoryText(HandCategory category) {
    const std::string_view name = handCategoryName(category);
    return name.empty() ? std::string() : translatedText("Hands", name.data());
}

} // namespace quintaro
