#include "cards/card_look.h"

#include "persist/decimal_text.h"
#include "persist/registry_key.h"

#include <optional>
#include <utility>

namespace quintaro {

CardLook::CardLook(RegistryStore& store, std::string settingsKey, std::uint32_t number)
    : m_store(store), m_settingsKey(std::move(settingsKey)), m_number(number) {
    setCardLifecycleObserver(this);
}

CardLook::~CardLook() {
    setCardLifecycleObserver(nullptr);
}

std::uint16_t CardLook::readValue(const char* name, std::uint16_t fallback) const {
    RegistryKey key(m_store);
    key.Open(m_settingsKey);
    const std::optional<std::uint32_t> value = decimalValue(key.QueryString(name));
    return value ? static_cast<std::uint16_t>(*value) : fallback;
}

void CardLook::firstCardCreated() {
    // The back is read, and its picture cut, before the face set is read.
    if (!m_settingsKey.empty()) {
        m_back = readValue(backValueName, static_cast<std::uint16_t>(m_number % 100 / 10));
        m_backAsLoaded = m_back;
    }
    if (m_sink)
        m_sink->rebuildBackImage(m_back);
    if (!m_settingsKey.empty()) {
        m_faceSet = readValue(faceValueName, static_cast<std::uint16_t>(m_number % 10));
        m_faceSetAsLoaded = m_faceSet;
    }
    if (m_sink)
        m_sink->reloadFaceSet(m_faceSet);
}

void CardLook::lastCardDestroyed() {
    if (m_settingsKey.empty())
        return;
    RegistryKey key(m_store);
    key.Open(m_settingsKey);
    if (m_back != m_backAsLoaded)
        key.SetString(backValueName, std::to_string(m_back));
    if (m_faceSet != m_faceSetAsLoaded)
        key.SetString(faceValueName, std::to_string(m_faceSet));
}

void CardLook::choose(std::uint16_t faceSet, std::uint16_t back) {
    m_faceSet = faceSet;
    m_back = back;
    if (!m_sink)
        return;
    m_sink->reloadFaceSet(m_faceSet);
    m_sink->rebuildBackImage(m_back);
}

} // namespace quintaro
