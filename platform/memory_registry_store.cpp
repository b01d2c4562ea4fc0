#include "platform/memory_registry_store.h"

namespace quintaro {

bool MemoryRegistryStore::createKey(const std::string& keyPath) {
    if (m_refuseKeys)
        return false;
    for (std::size_t pos = keyPath.find('\\'); pos != std::string::npos;
         pos = keyPath.find('\\', pos + 1))
        m_keys[keyPath.substr(0, pos)];
    m_keys[keyPath];
    return true;
}

std::optional<std::string> MemoryRegistryStore::readValue(const std::string& keyPath,
                                                          const std::string& name) {
    auto key = m_keys.find(keyPath);
    if (key == m_keys.end())
        return std::nullopt;
    auto value = key->second.find(name);
    if (value == key->second.end())
        return std::nullopt;
    return value->second;
}

void MemoryRegistryStore::writeValue(const std::string& keyPath, const std::string& name,
                                     const std::string& value) {
    m_keys[keyPath][name] = value;
}

void MemoryRegistryStore::deleteValue(const std::string& keyPath, const std::string& name) {
    auto key = m_keys.find(keyPath);
    if (key != m_keys.end())
        key->second.erase(name);
}

const MemoryRegistryStore::Values& MemoryRegistryStore::values(const std::string& keyPath) const {
    static const Values none;
    auto key = m_keys.find(keyPath);
    return key == m_keys.end() ? none : key->second;
}

} // namespace quintaro
