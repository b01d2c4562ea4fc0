#include "trainer/trainer_text.h"

#include "analysis/deck_index.h"
#include "poker/hand_category.h"
#include "poker/pay_table.h"

#include <cstdio>

namespace quintaro {

namespace {

std::string rankName(int rank) {
    static constexpr std::array<const char*, 14> names{"",  "A", "2", "3",  "4", "5", "6",
                                                       "7", "8", "9", "10", "J", "Q", "K"};
    return rank >= firstJokerRank ? "Joker" : names[static_cast<std::size_t>(rank)];
}

// Two decimals of a ratio in percent; a dash while there is nothing to divide by.
std::string percent(std::int64_t part, std::int64_t whole) {
    if (whole == 0)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f%%",
                  100.0 * static_cast<double>(part) / static_cast<double>(whole));
    return text;
}

std::string dollars(std::int64_t amount) {
    std::string text = "$";
    text += std::to_string(amount);
    return text;
}

} // namespace

std::string cardName(int deckIndex) {
    static constexpr std::array<const char*, 4> suits{"\u2663", "\u2660", "\u2665", "\u2666"};
    const int rank = rankAt(deckIndex);
    if (rank >= firstJokerRank)
        return rankName(rank);
    return rankName(rank) + suits[static_cast<std::size_t>(suitAt(deckIndex))];
}

std::string cardWords(int deckIndex) {
    static constexpr std::array<const char*, 14> ranks{"",     "Ace",  "Two",   "Three", "Four",
                                                       "Five", "Six",  "Seven", "Eight", "Nine",
                                                       "Ten",  "Jack", "Queen", "King"};
    static constexpr std::array<const char*, 4> suits{"Clubs", "Spades", "Hearts", "Diamonds"};
    const int rank = rankAt(deckIndex);
    if (rank >= firstJokerRank)
        return "Joker";
    std::string words = ranks[static_cast<std::size_t>(rank)];
    words += " of ";
    words += suits[static_cast<std::size_t>(suitAt(deckIndex))];
    return words;
}

std::string holdText(const std::array<int, PokerHand::handSize>& hand, unsigned hold) {
    if (hold == 0)
        return "discard all";
    std::string text = "hold";
    for (std::size_t i = 0; i < hand.size(); ++i) {
        if (hold & (1u << i)) {
            text += ' ';
            text += rankName(rankAt(hand[i]));
        }
    }
    return text;
}

std::string expectedDollars(std::int64_t value, std::int64_t scale) {
    char text[32];
    std::snprintf(text, sizeof text, "$%.2f",
                  static_cast<double>(value) / static_cast<double>(scale));
    return text;
}

std::string mistakeMessage(const std::array<int, PokerHand::handSize>& hand,
                           const JudgedRedeal& judged) {
    return std::string("Best: ") + holdText(hand, judged.best) + " (" +
           expectedDollars(judged.bestValue, judged.scale) + "); yours " +
           expectedDollars(judged.holdValue, judged.scale) + ". Redeal again to keep yours";
}

std::vector<StatisticsRow> statisticsRows(GameType type, const GameStatistics& session,
                                          const GameStatistics& allTime) {
    const std::int64_t scale = valueScale(type);
    std::vector<StatisticsRow> rows;
    const auto row = [&](const char* label, auto text) {
        rows.push_back({label, text(session), text(allTime)});
    };
    using Stats = const GameStatistics&;
    rows.push_back({"", "This session", "All time"});
    row("Hands played", [](Stats s) { return std::to_string(s.hands); });
    row("Total bet", [](Stats s) { return dollars(s.bet); });
    row("Total paid", [](Stats s) { return dollars(s.paid); });
    row("Return", [](Stats s) { return percent(s.paid, s.bet); });
    row("Expected return of your holds",
        [&](Stats s) { return percent(s.expected, s.bet * scale); });
    row("Expected return of best play",
        [&](Stats s) { return percent(s.bestExpected, s.bet * scale); });
    row("Best play would have paid", [](Stats s) { return dollars(s.bestPaid); });
    row("Mistakes", [](Stats s) { return std::to_string(s.mistakes); });
    row("Cost of mistakes", [&](Stats s) { return expectedDollars(s.mistakeCost, scale); });
    row("Cost in % of the total bet",
        [&](Stats s) { return percent(s.mistakeCost, s.bet * scale); });
    row("Costliest mistake", [](Stats s) {
        if (!s.costliest)
            return std::string("-");
        std::string hand;
        for (int card : s.costliest->hand) {
            if (!hand.empty())
                hand += ' ';
            hand += cardName(card);
        }
        return hand;
    });
    row("    Hold taken", [&](Stats s) {
        return s.costliest ? holdText(s.costliest->hand, s.costliest->hold) + " (" +
                                 expectedDollars(s.costliest->holdValue, scale) + ")"
                           : std::string("-");
    });
    row("    Best hold", [&](Stats s) {
        return s.costliest ? holdText(s.costliest->hand, s.costliest->best) + " (" +
                                 expectedDollars(s.costliest->bestValue, scale) + ")"
                           : std::string("-");
    });
    const PayTable& rules = payTable(type);
    rows.push_back({"Pay lines hit (yours / best play)", "", ""});
    for (int line = 0; line < rules.lineCount; ++line) {
        const auto at = static_cast<std::size_t>(line);
        rows.push_back(
            {std::string(handCategoryName(rules.lines[at].category)),
             std::to_string(session.lines[at]) + " / " + std::to_string(session.bestLines[at]),
             std::to_string(allTime.lines[at]) + " / " + std::to_string(allTime.bestLines[at])});
    }
    return rows;
}

} // namespace quintaro
