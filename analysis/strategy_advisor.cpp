#include "analysis/strategy_advisor.h"

#include "analysis/deck_index.h"
#include "platform/translated_text.h"

#include <cstdio>

namespace quintaro {

namespace {

DealtCards deckIndices(const PokerHand::Cards& hand) {
    DealtCards dealt;
    for (std::size_t i = 0; i < hand.size(); ++i)
        dealt[i] = deckIndexOf(*hand[i]);
    return dealt;
}

} // namespace

StrategyAdvisor::StrategyAdvisor(GameType type) : m_type(type) {}

StrategyAdvisor::~StrategyAdvisor() = default;

void StrategyAdvisor::prepare() const {
    std::call_once(m_once, [this] {
        m_tables = std::make_unique<const DrawTables>(m_type);
        m_prepared.store(true, std::memory_order_release);
    });
}

HoldValues StrategyAdvisor::holdValues(const PokerHand::Cards& hand, int bet) const {
    prepare();
    return m_tables->holdValues(deckIndices(hand), bet);
}

std::array<HoldOutcome, holdCount> StrategyAdvisor::holdOutcomes(const DealtCards& dealt,
                                                                 int bet) const {
    prepare();
    return quintaro::holdOutcomes(*m_tables, dealt, bet);
}

HoldAdvice StrategyAdvisor::best(const PokerHand::Cards& hand, int bet) const {
    const HoldValues values = holdValues(hand, bet);
    const unsigned mask = values.best();
    return {mask, values.expectedPayoff(mask)};
}

std::string holdText(const DealtCards& dealt, unsigned hold) {
    if (hold == 0)
        return translatedText("Hints", "discard all");
    //: The cards kept, as "K♣ K♦".
    return withArguments(translatedText("Hints", "hold %1"), {keptCardsText(dealt, hold)});
}

std::string dollarText(double amount) {
    char text[32];
    std::snprintf(text, sizeof text, "$%.2f", amount);
    return text;
}

std::string bestHoldText(const DealtCards& dealt, unsigned hold, double expectedPayoff) {
    //: The best hold, as "hold K♣ K♦" (%1), and what it pays on average, as "$1.53" (%2).
    return withArguments(translatedText("Hints", "Best: %1 (%2)"),
                         {holdText(dealt, hold), dollarText(expectedPayoff)});
}

std::string strategyHint(const PokerHand::Cards& hand, const HoldAdvice& advice) {
    return bestHoldText(deckIndices(hand), advice.mask, advice.expectedPayoff);
}

} // namespace quintaro
