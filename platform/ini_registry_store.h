#pragma once

#include "platform/registry_store.h"

namespace quintaro {

// Keeps the registry in INI files under the XDG config folder: the key path
// "SOFTWARE\<organisation>\<application>\<sub key>" is the group <sub key> of
// "$XDG_CONFIG_HOME/<organisation>/<application>.ini". Every value is text.
class IniRegistryStore : public RegistryStore {
public:
    bool createKey(const std::string& keyPath) override;
    std::optional<std::string> readValue(const std::string& keyPath,
                                         const std::string& name) override;
    void writeValue(const std::string& keyPath, const std::string& name,
                    const std::string& value) override;
    void deleteValue(const std::string& keyPath, const std::string& name) override;
};

} // namespace quintaro
