#pragma once

#include "platform/registry_store.h"
#include "poker/game_type.h"
#include "poker/pay_table.h"
#include "poker/poker_hand.h"
#include "trainer/hold_judge.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace quintaro {

// The mistake that gave away the most expected payoff: the dealt cards as deck indices
// (see deck_index.h) in window order, and both holds with their worth.
struct CostliestMistake {
    std::array<int, PokerHand::handSize> hand{};
    unsigned hold = 0;
    unsigned best = 0;
    std::int64_t holdValue = 0;
    std::int64_t bestValue = 0;

    std::int64_t cost() const { return bestValue - holdValue; }
    bool operator==(const CostliestMistake&) const = default;
};

// The judged hands of one game. Money is in whole dollars; expected payoffs are exact sums
// in the units of HoldValues, whose scale is the same for every deal of a game (valueScale).
struct GameStatistics {
    std::int64_t hands = 0;
    std::int64_t bet = 0;
    std::int64_t paid = 0;
    std::int64_t bestPaid = 0;
    std::int64_t expected = 0;
    std::int64_t bestExpected = 0;
    std::int64_t mistakes = 0;
    std::int64_t mistakeCost = 0;
    // How often each pay line was hit, by the holds taken and by best play on the same draws.
    std::array<std::int64_t, maxPayLines> lines{};
    std::array<std::int64_t, maxPayLines> bestLines{};
    std::optional<CostliestMistake> costliest;

    void add(const JudgedRedeal& judged, const PokerHand::Cards& dealt, int stake);
    // Sums; the costlier of the two costliest mistakes, the earlier one on a tie.
    void merge(const GameStatistics& later);
    bool operator==(const GameStatistics&) const = default;
};

// The denominator of a game's expected payoffs.
std::int64_t valueScale(GameType type);

// The statistics of the three games: those stored and this session's. They live in a sub
// key of their own under the settings key, and are written only by save() and reset(), so
// a session that records nothing leaves the store untouched. Each save adds the hands
// judged since the last one to the figures as stored then, so two copies playing at once
// both count. The store must outlive this object.
class TrainerStatistics {
public:
    static constexpr int gameCount = 3;
    // Stored texts by value name, such as "Hands_0".
    using StoredValues = std::map<std::string, std::string>;
    using ValueReader = std::function<std::string(const std::string& name)>;
    using ChangeListener = std::function<void(GameType)>;

    TrainerStatistics(RegistryStore& store, const std::string& settingsKeyName);

    // Hears the game whose figures changed: a hand recorded, a reset, figures added from
    // elsewhere, or a save that found another copy's hands stored. One listener at a time,
    // whoever shows the figures; an empty one stops it.
    void setChangeListener(ChangeListener listener) { m_changed = std::move(listener); }

    void record(GameType type, const JudgedRedeal& judged, const PokerHand::Cards& dealt, int bet);
    const GameStatistics& session(GameType type) const { return m_session[at(type)]; }
    GameStatistics allTime(GameType type) const;

    // Adds the hands judged since the last save to the stored figures; false when the store
    // failed, and the hands are then kept for the next save.
    bool save();
    // Deletes the game's stored figures and empties its session.
    void reset(GameType type);

    // The hands judged since the last save, as their figures would be stored, and a way to
    // add such figures from elsewhere (a session that did not end cleanly) to the next save.
    StoredValues unsavedValues() const;
    void addUnsaved(const StoredValues& values);

    const std::string& subKey() const { return m_subKey; }
    static std::string valueName(const char* figure, GameType type);

private:
    static std::size_t at(GameType type) { return static_cast<std::size_t>(gameTypeNumber(type)); }
    void changed(GameType type) const;

    RegistryStore& m_store;
    std::string m_subKey;
    std::array<GameStatistics, gameCount> m_stored;
    std::array<GameStatistics, gameCount> m_session;
    std::array<GameStatistics, gameCount> m_unsaved;
    ChangeListener m_changed;
};

} // namespace quintaro
