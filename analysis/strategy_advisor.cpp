#include "analysis/strategy_advisor.h"

#include "analysis/deck_index.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace quintaro {

namespace {

DealtCards deckIndices(const PokerHand::Cards& hand) {
    DealtCards dealt;
    for (std::size_t i = 0; i < hand.size(); ++i)
        dealt[i] = deckIndexOf(*hand[i]);
    return dealt;
}

std::string_view rankText(int rank) {
    static constexpr std::array<std::string_view, 14> names{"",  "A", "2", "3",  "4", "5", "6",
                                                            "7", "8", "9", "10", "J", "Q", "K"};
    if (rank >= firstJokerRank)
        return "Joker";
    return names[static_cast<std::size_t>(rank)];
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

std::string strategyHint(const PokerHand::Cards& hand, const HoldAdvice& advice) {
    std::string text = "Best: ";
    if (advice.mask == 0) {
        text += "discard all";
    } else {
        text += "hold";
        for (std::size_t i = 0; i < hand.size(); ++i) {
            if (advice.mask & (1u << i)) {
                text += ' ';
                text += rankText(hand[i]->rank);
            }
        }
    }
    char amount[32];
    std::snprintf(amount, sizeof amount, "  -  expected $%.2f", advice.expectedPayoff);
    return text + amount;
}

} // namespace quintaro
