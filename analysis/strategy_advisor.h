#pragma once

#include "analysis/draw_tables.h"
#include "analysis/hold_outcomes.h"
#include "analysis/hold_values.h"
#include "poker/game_type.h"
#include "poker/poker_hand.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

namespace quintaro {

struct HoldAdvice {
    unsigned mask;         // bit i keeps the card of window i + 1
    double expectedPayoff; // in dollars at the bet asked about
};

// The best hold for a dealt hand of one game. The draw tables behind it take a moment to
// build (a few tenths of a second on two threads in an optimised build) and hold 8 MB;
// they are built once, by prepare() or else by the first question, after which each
// answer takes microseconds.
class StrategyAdvisor {
public:
    explicit StrategyAdvisor(GameType type);
    ~StrategyAdvisor();
    StrategyAdvisor(const StrategyAdvisor&) = delete;
    StrategyAdvisor& operator=(const StrategyAdvisor&) = delete;

    GameType gameType() const { return m_type; }

    // Builds the tables unless they exist. Safe to call from any thread, also while another
    // thread asks for advice: that one waits for the tables.
    void prepare() const;
    bool isPrepared() const { return m_prepared.load(std::memory_order_acquire); }

    // Precondition: five distinct cards of a deck of this game, a bet of 1 to 5.
    HoldAdvice best(const PokerHand::Cards& hand, int bet) const;
    HoldValues holdValues(const PokerHand::Cards& hand, int bet) const;
    // Every hold of the dealt cards, most preferred first, with its chance of each line.
    std::array<HoldOutcome, holdCount> holdOutcomes(const DealtCards& dealt, int bet) const;

private:
    GameType m_type;
    mutable std::once_flag m_once;
    mutable std::unique_ptr<const DrawTables> m_tables;
    mutable std::atomic<bool> m_prepared{false};
};

// How the hint, the trainer and the statistics name a hold: "hold 10♠ K♠" with the kept
// cards in window order, each its rank and suit sign ("Joker" for a joker), for some may
// show their backs; or "discard all".
std::string holdText(const DealtCards& dealt, unsigned hold);
// An expected payoff in dollars, "$1.53".
std::string dollarText(double amount);
// "Best: hold K♣ K♠ ($1.53)": a hold and what it pays on average.
std::string bestHoldText(const DealtCards& dealt, unsigned hold, double expectedPayoff);

// The hint line: bestHoldText of the advice. Precondition: the five cards of the advice.
std::string strategyHint(const PokerHand::Cards& hand, const HoldAdvice& advice);

} // namespace quintaro
