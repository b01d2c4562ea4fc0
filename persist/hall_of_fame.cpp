#include "persist/hall_of_fame.h"

#include "persist/registry_key.h"

#include <set>

namespace quintaro {

namespace {

const std::string playerNameValue = "PlayerName";

// At most the stored length, cut before a character rather than inside its UTF-8 bytes.
std::string storedText(const std::string& text) {
    if (text.size() <= HallOfFame::textLimit)
        return text;
    std::size_t end = HallOfFame::textLimit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0u) == 0x80u)
        --end;
    return text.substr(0, end);
}

} // namespace

HallOfFame::HallOfFame(RegistryStore& store, std::string keyName, std::uint16_t gameType,
                       std::uint8_t higherIsBetter)
    : m_store(store), m_gameType(gameType), m_keyName(std::move(keyName)),
      m_higherIsBetter(higherIsBetter) {
    RegistryKey key(m_store);
    key.Open(m_keyName);
    m_playerName = key.QueryString(playerNameValue);
    m_table = readTable(key, m_gameType);
}

HallOfFame::~HallOfFame() {
    StoreUpdate update(m_store);
    RegistryKey key(m_store);
    key.Open(m_keyName);
    key.SetString(playerNameValue, storedText(m_playerName));
    save();
    update.commit();
}

std::string HallOfFame::nameValue(std::uint16_t gameType, int i) {
    return "Name__" + std::to_string(gameType) + "_" + std::to_string(i);
}

std::string HallOfFame::scoreValue(std::uint16_t gameType, int i) {
    return "Score_" + std::to_string(gameType) + "_" + std::to_string(i);
}

// An entry whose score is no score is empty, its name with it.
HallOfFame::Table HallOfFame::readTable(const RegistryKey& key, std::uint16_t gameType) {
    Table table;
    for (int i = 0; i < entryCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        table.scores[slot] = key.QueryString(scoreValue(gameType, i));
        if (ParseScore(table.scores[slot]) == -1)
            table.scores[slot].clear();
        else
            table.names[slot] = key.QueryString(nameValue(gameType, i));
    }
    return table;
}

// Every entry is written whole or removed whole, so no name outlives its score.
void HallOfFame::writeTable(RegistryKey& key, std::uint16_t gameType, const Table& table) {
    for (int i = 0; i < entryCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (table.scores[slot].empty()) {
            key.DeleteValue(nameValue(gameType, i));
            key.DeleteValue(scoreValue(gameType, i));
        } else {
            key.SetString(nameValue(gameType, i), storedText(table.names[slot]));
            key.SetString(scoreValue(gameType, i), table.scores[slot]);
        }
    }
}

bool HallOfFame::enter(Table& table, const HallOfFameEntry& entry, bool higherIsBetter) {
    const std::int64_t value = ParseScore(entry.score);
    if (value == -1)
        return false;
    int position = 0;
    for (; position < entryCount; ++position) {
        const std::int64_t held = ParseScore(table.scores[static_cast<std::size_t>(position)]);
        if (held == -1 || (higherIsBetter ? value > held : value < held))
            break;
    }
    if (position == entryCount)
        return false;
    for (int i = entryCount - 2; i >= position; --i) {
        const auto from = static_cast<std::size_t>(i);
        table.names[from + 1] = std::move(table.names[from]);
        table.scores[from + 1] = std::move(table.scores[from]);
    }
    table.names[static_cast<std::size_t>(position)] = entry.name;
    table.scores[static_cast<std::size_t>(position)] = entry.score;
    return true;
}

bool HallOfFame::storeTables(RegistryStore& store, const std::string& keyName,
                             const std::vector<HallOfFameEntry>& entries, bool higherIsBetter,
                             std::uint16_t alsoGame, Table& alsoTable) {
    StoreUpdate update(store);
    RegistryKey key(store);
    key.Open(keyName);
    std::set<std::uint16_t> games{alsoGame};
    for (const HallOfFameEntry& entry : entries)
        games.insert(entry.game);
    for (std::uint16_t game : games) {
        Table table = readTable(key, game);
        for (const HallOfFameEntry& entry : entries)
            if (entry.game == game)
                enter(table, entry, higherIsBetter);
        writeTable(key, game, table);
        if (game == alsoGame)
            alsoTable = std::move(table);
    }
    return update.commit();
}

bool HallOfFame::save() {
    if (!storeTables(m_store, m_keyName, m_unsaved, m_higherIsBetter != 0, m_gameType, m_table))
        return false;
    m_unsaved.clear();
    return true;
}

bool HallOfFame::storeEntries(RegistryStore& store, const std::string& keyName,
                              const std::vector<HallOfFameEntry>& entries) {
    if (entries.empty())
        return true;
    Table table;
    return storeTables(store, keyName, entries, true, entries.front().game, table);
}

void HallOfFame::SetGameType(std::uint16_t gameType) {
    if (gameType == m_gameType)
        return;
    save();
    m_gameType = gameType;
    RegistryKey key(m_store);
    key.Open(m_keyName);
    m_table = readTable(key, m_gameType);
    for (const HallOfFameEntry& entry : m_unsaved)
        if (entry.game == m_gameType)
            enter(m_table, entry, m_higherIsBetter != 0);
}

std::int64_t HallOfFame::ParseScore(const std::string& text) {
    constexpr std::size_t mostDigits = 10;
    constexpr std::int64_t largest = 0xFFFFFFFF;
    if (text.empty() || text.size() > mostDigits)
        return -1;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value <= largest ? value : -1;
}

bool HallOfFame::AddScore(const std::string& score) {
    const HallOfFameEntry entry{m_gameType, m_playerName, score};
    if (!enter(m_table, entry, m_higherIsBetter != 0))
        return false;
    m_unsaved.push_back(entry);
    return true;
}

bool HallOfFame::ClearTable(const std::function<bool()>& confirm) {
    if (!confirm())
        return false;
    StoreUpdate update(m_store);
    RegistryKey key(m_store);
    key.Open(m_keyName);
    for (int i = 0; i < entryCount; ++i) {
        key.DeleteValue(nameValue(m_gameType, i));
        key.DeleteValue(scoreValue(m_gameType, i));
    }
    update.commit();
    m_table = {};
    std::erase_if(m_unsaved,
                  [this](const HallOfFameEntry& entry) { return entry.game == m_gameType; });
    return true;
}

} // namespace quintaro
