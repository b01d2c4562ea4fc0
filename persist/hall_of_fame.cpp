#include "persist/hall_of_fame.h"

#include "persist/registry_key.h"

namespace quintaro {

namespace {

const std::string playerNameValue = "PlayerName";

} // namespace

HallOfFame::HallOfFame(RegistryStore& store, std::string keyName, std::uint16_t gameType,
                       std::uint8_t higherIsBetter)
    : m_store(store), m_gameType(gameType), m_keyName(std::move(keyName)),
      m_higherIsBetter(higherIsBetter) {
    RegistryKey key(m_store);
    key.Open(m_keyName);
    m_playerName = key.QueryString(playerNameValue);
    loadTable(key);
}

HallOfFame::~HallOfFame() {
    RegistryKey key(m_store);
    key.Open(m_keyName);
    key.SetString(playerNameValue, m_playerName);
    saveTable(key);
}

std::string HallOfFame::nameValue(std::uint16_t gameType, int i) {
    return "Name__" + std::to_string(gameType) + "_" + std::to_string(i);
}

std::string HallOfFame::scoreValue(std::uint16_t gameType, int i) {
    return "Score_" + std::to_string(gameType) + "_" + std::to_string(i);
}

void HallOfFame::loadTable(RegistryKey& key) {
    for (int i = 0; i < entryCount; ++i) {
        m_names[static_cast<std::size_t>(i)] = key.QueryString(nameValue(m_gameType, i));
        m_scores[static_cast<std::size_t>(i)] = key.QueryString(scoreValue(m_gameType, i));
    }
}

// Empty entries are neither written nor deleted: what the store held for them stays.
void HallOfFame::saveTable(RegistryKey& key) {
    for (int i = 0; i < entryCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (!m_names[slot].empty())
            key.SetString(nameValue(m_gameType, i), m_names[slot]);
        if (!m_scores[slot].empty())
            key.SetString(scoreValue(m_gameType, i), m_scores[slot]);
    }
}

void HallOfFame::SetGameType(std::uint16_t gameType) {
    if (gameType == m_gameType)
        return;
    RegistryKey key(m_store);
    key.Open(m_keyName);
    saveTable(key);
    m_gameType = gameType;
    loadTable(key);
}

std::int32_t HallOfFame::ParseScore(const std::string& text) {
    // Unsigned so that more than ten digits wrap instead of overflowing.
    std::uint32_t result = 0;
    std::uint32_t place = 1;
    bool seenDigit = false;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        if (*it < '0' || *it > '9')
            continue;
        result += static_cast<std::uint32_t>(*it - '0') * place;
        place *= 10;
        seenDigit = true;
    }
    return seenDigit ? static_cast<std::int32_t>(result) : -1;
}

bool HallOfFame::AddScore(const std::string& score) {
    const std::int32_t value = ParseScore(score);
    if (value == -1)
        return false;
    int position = 0;
    for (; position < entryCount; ++position) {
        const std::int32_t entry = ParseScore(m_scores[static_cast<std::size_t>(position)]);
        if (entry == -1 || (m_higherIsBetter != 0 ? value > entry : value < entry))
            break;
    }
    if (position == entryCount)
        return false;
    for (int i = entryCount - 2; i >= position; --i) {
        const auto from = static_cast<std::size_t>(i);
        m_names[from + 1] = std::move(m_names[from]);
        m_scores[from + 1] = std::move(m_scores[from]);
    }
    m_names[static_cast<std::size_t>(position)] = m_playerName;
    m_scores[static_cast<std::size_t>(position)] = score;
    return true;
}

bool HallOfFame::ClearTable(const std::function<bool()>& confirm) {
    if (!confirm())
        return false;
    RegistryKey key(m_store);
    key.Open(m_keyName);
    for (int i = 0; i < entryCount; ++i) {
        key.DeleteValue(nameValue(m_gameType, i));
        key.DeleteValue(scoreValue(m_gameType, i));
    }
    m_names.fill({});
    m_scores.fill({});
    return true;
}

} // namespace quintaro
