#pragma once

#include "platform/registry_store.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace quintaro {

class RegistryKey;

// The ten best closing balances of the game being played, with the players' names, and
// the signed-in player's name. Loads from the settings key at construction, saves at
// destruction and whenever the game type changes. The store must outlive this object.
class HallOfFame {
public:
    static constexpr int entryCount = 10;

    HallOfFame(RegistryStore& store, std::string keyName, std::uint16_t gameType,
               std::uint8_t higherIsBetter);
    ~HallOfFame();
    HallOfFame(const HallOfFame&) = delete;
    HallOfFame& operator=(const HallOfFame&) = delete;

    // Saves the table of the current game and loads that of `gameType`; nothing happens
    // when the game does not change.
    void SetGameType(std::uint16_t gameType);
    // Enters `score` under playerName below every entry at least as good; false when the
    // text holds no digit or the table is full of better or equal scores.
    bool AddScore(const std::string& score);
    // Asks `confirm` first; only on yes the current game's twenty values are deleted and
    // the table emptied. True when cleared.
    bool ClearTable(const std::function<bool()>& confirm);

    // The digits of `text` read as one decimal number, every other character skipped, in
    // 32-bit arithmetic that wraps; -1 when there is no digit.
    static std::int32_t ParseScore(const std::string& text);

    const std::string& playerName() const { return m_playerName; }
    void setPlayerName(std::string name) { m_playerName = std::move(name); }
    const std::string& title() const { return m_title; }
    void setTitle(std::string title) { m_title = std::move(title); }

    // Entry 0 is the best; the empty text marks an empty entry. Precondition: 0 <= i < 10.
    const std::string& name(int i) const { return m_names.at(static_cast<std::size_t>(i)); }
    const std::string& score(int i) const { return m_scores.at(static_cast<std::size_t>(i)); }
    std::uint16_t gameType() const { return m_gameType; }
    const std::string& keyName() const { return m_keyName; }
    bool higherIsBetter() const { return m_higherIsBetter != 0; }

    // Value names under the settings key: "Name__<game>_<entry>", "Score_<game>_<entry>".
    static std::string nameValue(std::uint16_t gameType, int i);
    static std::string scoreValue(std::uint16_t gameType, int i);

private:
    void loadTable(RegistryKey& key);
    void saveTable(RegistryKey& key);

    RegistryStore& m_store;
    std::array<std::string, entryCount> m_names;
    std::array<std::string, entryCount> m_scores;
    std::uint16_t m_gameType;
    std::string m_keyName;
    std::string m_playerName;
    std::string m_title = "Hall of Fame";
    std::uint8_t m_higherIsBetter;
};

} // namespace quintaro
