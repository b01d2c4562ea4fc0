#pragma once

#include "platform/registry_store.h"

#include <map>
#include <string>

namespace quintaro {

// Keeps keys and values in memory: the store of the core tests.
class MemoryRegistryStore : public RegistryStore {
public:
    using Values = std::map<std::string, std::string>;

    bool createKey(const std::string& keyPath) override;
    std::optional<std::string> readValue(const std::string& keyPath,
                                         const std::string& name) override;
    void writeValue(const std::string& keyPath, const std::string& name,
                    const std::string& value) override;
    void deleteValue(const std::string& keyPath, const std::string& name) override;

    // When set, createKey fails, as a store that cannot be written would.
    void setRefuseKeys(bool refuse) { m_refuseKeys = refuse; }
    bool hasKey(const std::string& keyPath) const { return m_keys.count(keyPath) != 0; }
    const Values& values(const std::string& keyPath) const;

private:
    std::map<std::string, Values> m_keys;
    bool m_refuseKeys = false;
};

} // namespace quintaro
