#pragma once

#include "analysis/strategy_advisor.h"
#include "round/round_flow.h"
#include "trainer/trainer_statistics.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace quintaro {

// How much the trainer says of a refusal: all of it, or without the offer to redeal again,
// for a place too narrow for the whole.
enum class TrainerWording { Full, Brief };

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

    // The strip's text for the table as it is, or empty: while a refused deal is held, the
    // mistake with the worth of the hold taken now (see mistakeMessage); what best play
    // would have paid once that deal is over.
    std::string message(const RoundFlow& round,
                        TrainerWording wording = TrainerWording::Full) const;

private:
    bool ready(const RoundFlow& round) const;

    // The deck's first ten places, which fix the deal and every draw from it.
    using DealKey = std::array<int, 2 * PokerHand::handSize>;
    static DealKey keyOf(const RoundFlow& round);

    // The hold in the windows now.
    static unsigned holdOf(const RoundFlow& round);

    struct Refusal {
        DealKey deal;
        unsigned hold;
        DealtCards hand;
        HoldValues values;
    };
    struct Outcome {
        DealKey deal;
        std::string text;
    };

    TrainerStatistics& m_statistics;
    std::shared_ptr<const StrategyAdvisor> m_advisor;
    std::optional<Refusal> m_refusal;
    std::optional<Outcome> m_outcome;
};

} // namespace quintaro
