#pragma once

#include "platform/registry_store.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quintaro {

class RegistryKey;

// One closing balance entered in a game's Hall of Fame.
struct HallOfFameEntry {
    std::uint16_t game = 0;
    std::string name;
    std::string score;
    bool operator==(const HallOfFameEntry&) const = default;
};

// The ten best closing balances of the game being played, with the players' names, and
// the signed-in player's name. Loads from the settings key at construction, saves at
// destruction and whenever the game type changes. Each save lays the entries this copy
// made over the table as stored then, so another copy's entries stay. The store must
// outlive this object.
class HallOfFame {
public:
    static constexpr int entryCount = 10;
    // The longest name or score text stored; a longer name is cut, never dropped.
    static constexpr std::size_t textLimit = 255;

    HallOfFame(RegistryStore& store, std::string keyName, std::uint16_t gameType,
               std::uint8_t higherIsBetter);
    ~HallOfFame();
    HallOfFame(const HallOfFame&) = delete;
    HallOfFame& operator=(const HallOfFame&) = delete;

    // Saves the table of the current game and loads that of `gameType`; nothing happens
    // when the game does not change.
    void SetGameType(std::uint16_t gameType);
    // Enters `score` under playerName below every entry at least as good; false when the
    // text is no score or the table is full of better or equal scores.
    bool AddScore(const std::string& score);
    // Asks `confirm` first; only on yes the current game's twenty values are deleted and
    // the table emptied. True when cleared.
    bool ClearTable(const std::function<bool()>& confirm);
    // Stores the current table and every entry not stored yet; false when the store
    // failed, and the entries are then kept for the next save.
    bool save();

    // A stored score: one to ten decimal digits and nothing else, at most 2^32 - 1, the
    // largest balance; -1 for any other text, which is an empty entry.
    static std::int64_t ParseScore(const std::string& text);

    // Enters each entry into the stored table of its game, with what is stored now.
    static bool storeEntries(RegistryStore& store, const std::string& keyName,
                             const std::vector<HallOfFameEntry>& entries);

    const std::string& playerName() const { return m_playerName; }
    void setPlayerName(std::string name) { m_playerName = std::move(name); }
    const std::string& title() const { return m_title; }
    void setTitle(std::string title) { m_title = std::move(title); }
    // Entries made since the last save, oldest first.
    const std::vector<HallOfFameEntry>& unsavedEntries() const { return m_unsaved; }

    // Entry 0 is the best; the empty text marks an empty entry. Precondition: 0 <= i < 10.
    const std::string& name(int i) const { return m_table.names.at(static_cast<std::size_t>(i)); }
    const std::string& score(int i) const { return m_table.scores.at(static_cast<std::size_t>(i)); }
    std::uint16_t gameType() const { return m_gameType; }
    const std::string& keyName() const { return m_keyName; }
    bool higherIsBetter() const { return m_higherIsBetter != 0; }

    // Value names under the settings key: "Name__<game>_<entry>", "Score_<game>_<entry>".
    static std::string nameValue(std::uint16_t gameType, int i);
    static std::string scoreValue(std::uint16_t gameType, int i);

private:
    struct Table {
        std::array<std::string, entryCount> names;
        std::array<std::string, entryCount> scores;
    };

    static Table readTable(const RegistryKey& key, std::uint16_t gameType);
    static void writeTable(RegistryKey& key, std::uint16_t gameType, const Table& table);
    static bool enter(Table& table, const HallOfFameEntry& entry, bool higherIsBetter);
    // Stores the tables of the entries' games and of `alsoGame`, each as stored now with
    // the entries entered; the table of `alsoGame` as stored goes to `alsoTable`.
    static bool storeTables(RegistryStore& store, const std::string& keyName,
                            const std::vector<HallOfFameEntry>& entries, bool higherIsBetter,
                            std::uint16_t alsoGame, Table& alsoTable);

    RegistryStore& m_store;
    Table m_table;
    std::vector<HallOfFameEntry> m_unsaved;
    std::uint16_t m_gameType;
    std::string m_keyName;
    std::string m_playerName;
    std::string m_title = "Hall of Fame";
    std::uint8_t m_higherIsBetter;
};

} // namespace quintaro
