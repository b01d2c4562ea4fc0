#pragma once

#include "analysis/strategy_advisor.h"
#include "round/round_flow.h"
#include "trainer/trainer_statistics.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace quintaro {

// Judges each Redeal press against the best hold of the deal. A hold worth less than the
// best is refused once, with the mistake named; pressed again with the same hold it draws.
// Every judged redeal is recorded in the statistics. Until the advisor's tables are built
// for the game on the table, presses are let through unjudged: the trainer never waits.
// The statistics must outlive it.
class RedealTrainer : public RedealGate {
public:
    explicit RedealTrainer(TrainerStatistics& statistics) : m_statistics(statistics) {}

    void setAdvisor(std::shared_ptr<const StrategyAdvisor> advisor) {
        m_advisor = std::move(advisor);
    }
    bool allowRedeal(const RoundFlow& round) override;

    // The strip's text for the table as it is, or empty: the mistake while its deal is
    // held, what best play would have paid once that deal is over.
    std::string message(const RoundFlow& round) const;

private:
    bool ready(const RoundFlow& round) const;

    // The deck's first ten places, which fix the deal and every draw from it.
    using DealKey = std::array<int, 2 * PokerHand::handSize>;
    static DealKey keyOf(const RoundFlow& round);

    struct Note {
        DealKey deal;
        unsigned hold;
        std::string text;
    };

    TrainerStatistics& m_statistics;
    std::shared_ptr<const StrategyAdvisor> m_advisor;
    std::optional<Note> m_refusal;
    std::optional<Note> m_outcome;
};

} // namespace quintaro
