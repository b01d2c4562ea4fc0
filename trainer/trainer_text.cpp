#include "trainer/trainer_text.h"

#include "analysis/hold_outcomes.h"
#include "analysis/strategy_advisor.h"
#include "platform/translated_text.h"
#include "poker/hand_category.h"
#include "poker/pay_table.h"

#include <cstdio>

namespace quintaro {

namespace {

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

std::string expectedDollars(std::int64_t value, std::int64_t scale) {
    return dollarText(static_cast<double>(value) / static_cast<double>(scale));
}

std::string mistakeMessage(const DealtCards& hand, const HoldValues& values, unsigned hold,
                           bool offerRedeal) {
    const unsigned best = values.best();
    //: The best hold, as "Best: hold K♣ K♦ ($1.53)" (%1), and what the player's pays (%2).
    std::string text = withArguments(translatedText("Trainer", "%1; yours %2"),
                                     {bestHoldText(hand, best, values.expectedPayoff(best)),
                                      dollarText(values.expectedPayoff(hold))});
    if (offerRedeal)
        text = withArguments(translatedText("Trainer", "%1. Redeal again to keep yours"), {text});
    return text;
}

std::vector<StatisticsRow> statisticsRows(GameType type, const GameStatistics& session,
                                          const GameStatistics& allTime) {
    const std::int64_t scale = valueScale(type);
    std::vector<StatisticsRow> rows;
    const auto row = [&](const std::string& label, auto text) {
        rows.push_back({label, text(session), text(allTime)});
    };
    // The costliest mistake's two holds stand indented under it.
    const std::string indent = "    ";
    using Stats = const GameStatistics&;
    rows.push_back({"", translatedText("Statistics", "This session"),
                    translatedText("Statistics", "All time")});
    row(translatedText("Statistics", "Hands played"),
        [](Stats s) { return std::to_string(s.hands); });
    row(translatedText("Statistics", "Total bet"), [](Stats s) { return dollars(s.bet); });
    row(translatedText("Statistics", "Total paid"), [](Stats s) { return dollars(s.paid); });
    row(translatedText("Statistics", "Return"), [](Stats s) { return percent(s.paid, s.bet); });
    row(translatedText("Statistics", "Expected return of your holds"),
        [&](Stats s) { return percent(s.expected, s.bet * scale); });
    row(translatedText("Statistics", "Expected return of best play"),
        [&](Stats s) { return percent(s.bestExpected, s.bet * scale); });
    row(translatedText("Statistics", "Best play would have paid"),
        [](Stats s) { return dollars(s.bestPaid); });
    row(translatedText("Statistics", "Mistakes"),
        [](Stats s) { return std::to_string(s.mistakes); });
    row(translatedText("Statistics", "Cost of mistakes"),
        [&](Stats s) { return expectedDollars(s.mistakeCost, scale); });
    row(translatedText("Statistics", "Cost in % of the total bet"),
        [&](Stats s) { return percent(s.mistakeCost, s.bet * scale); });
    row(translatedText("Statistics", "Costliest mistake"), [](Stats s) {
        if (!s.costliest)
            return std::string("-");
        return keptCardsText(s.costliest->hand, holdAll);
    });
    row(indent + translatedText("Statistics", "Hold taken"), [&](Stats s) {
        return s.costliest ? holdText(s.costliest->hand, s.costliest->hold) + " (" +
                                 expectedDollars(s.costliest->holdValue, scale) + ")"
                           : std::string("-");
    });
    row(indent + translatedText("Statistics", "Best hold"), [&](Stats s) {
        return s.costliest ? holdText(s.costliest->hand, s.costliest->best) + " (" +
                                 expectedDollars(s.costliest->bestValue, scale) + ")"
                           : std::string("-");
    });
    const PayTable& rules = payTable(type);
    rows.push_back({translatedText("Statistics", "Pay lines hit (yours / best play)"), "", ""});
    for (int line = 0; line < rules.lineCount; ++line) {
        const auto at = static_cast<std::size_t>(line);
        rows.push_back(
            {handCategoryText(rules.lines[at].category),
             std::to_string(session.lines[at]) + " / " + std::to_string(session.bestLines[at]),
             std::to_string(allTime.lines[at]) + " / " + std::to_string(allTime.bestLines[at])});
    }
    return rows;
}

} // namespace quintaro
