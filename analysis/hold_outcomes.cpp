#include "analysis/hold_outcomes.h"

#include "analysis/deck_index.h"
#include "analysis/subset_index.h"
#include "platform/translated_text.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace quintaro {

std::array<HoldOutcome, holdCount> holdOutcomes(const DrawTables& tables, const DealtCards& dealt,
                                                int bet) {
    const HoldValues values = tables.holdValues(dealt, bet);
    const int remaining = tables.deckSize() - PokerHand::handSize;
    std::array<HoldOutcome, holdCount> outcomes;
    const auto ranked = values.ranked();
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        const unsigned hold = ranked[i];
        const int drawn = PokerHand::handSize - std::popcount(hold);
        outcomes[i] = {hold, values.expectedPayoff(hold), binomial(remaining, drawn),
                       tables.drawsWinning(dealt, hold)};
    }
    return outcomes;
}

std::string keptCardsText(const DealtCards& dealt, unsigned hold) {
    static constexpr std::array<const char*, 14> ranks{"",
                                                       QUINTARO_TEXT("Card ranks", "A"),
                                                       "2",
                                                       "3",
                                                       "4",
                                                       "5",
                                                       "6",
                                                       "7",
                                                       "8",
                                                       "9",
                                                       "10",
                                                       QUINTARO_TEXT("Card ranks", "J"),
                                                       QUINTARO_TEXT("Card ranks", "Q"),
                                                       QUINTARO_TEXT("Card ranks", "K")};
    // Deck suits 0 to 3: clubs, spades, hearts, diamonds.
    static constexpr std::array<std::string_view, 4> suits{"\u2663", "\u2660", "\u2665", "\u2666"};
    std::string text;
    for (std::size_t window = 0; window < dealt.size(); ++window) {
        if (!(hold & (1u << window)))
            continue;
        if (!text.empty())
            text += ' ';
        const int rank = rankAt(dealt[window]);
        if (rank >= firstJokerRank) {
            text += translatedText("Cards", "Joker");
        } else {
            text += translatedText("Card ranks", ranks[static_cast<std::size_t>(rank)]);
            text += suits[static_cast<std::size_t>(suitAt(dealt[window]))];
        }
    }
    return text.empty() ? translatedText("Hints", "Discard all") : text;
}

std::string cardWords(int deckIndex) {
    static constexpr std::array<const char*, 14> ranks{"",
                                                       QUINTARO_TEXT("Cards", "Ace"),
                                                       QUINTARO_TEXT("Cards", "Two"),
                                                       QUINTARO_TEXT("Cards", "Three"),
                                                       QUINTARO_TEXT("Cards", "Four"),
                                                       QUINTARO_TEXT("Cards", "Five"),
                                                       QUINTARO_TEXT("Cards", "Six"),
                                                       QUINTARO_TEXT("Cards", "Seven"),
                                                       QUINTARO_TEXT("Cards", "Eight"),
                                                       QUINTARO_TEXT("Cards", "Nine"),
                                                       QUINTARO_TEXT("Cards", "Ten"),
                                                       QUINTARO_TEXT("Cards", "Jack"),
                                                       QUINTARO_TEXT("Cards", "Queen"),
                                                       QUINTARO_TEXT("Cards", "King")};
    static constexpr std::array<const char*, 4> suits{
        QUINTARO_TEXT("Cards", "Clubs"), QUINTARO_TEXT("Cards", "Spades"),
        QUINTARO_TEXT("Cards", "Hearts"), QUINTARO_TEXT("Cards", "Diamonds")};
    const int rank = rankAt(deckIndex);
    if (rank >= firstJokerRank)
        return translatedText("Cards", "Joker");
    //: The rank and the suit of a card: "Seven of Clubs".
    return withArguments(
        translatedText("Cards", "%1 of %2"),
        {translatedText("Cards", ranks[static_cast<std::size_t>(rank)]),
         translatedText("Cards", suits[static_cast<std::size_t>(suitAt(deckIndex))])});
}

std::string percentText(std::int64_t count, std::int64_t total) {
    if (count == 0)
        return "0%";
    if (count == total)
        return "100%";
    const double percent = 100.0 * static_cast<double>(count) / static_cast<double>(total);
    const int decimals = std::max(0, 2 - static_cast<int>(std::floor(std::log10(percent))));
    char text[32];
    std::snprintf(text, sizeof text, "%.*f%%", decimals, percent);
    return text;
}

} // namespace quintaro
