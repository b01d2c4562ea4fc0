#pragma once

#include <optional>
#include <string>

namespace quintaro {

// A hierarchical store of text values, addressed by a backslash-separated key path
// such as "SOFTWARE\Varden\Parlorset\Quintaro". RegistryKey is its only user.
class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    // Creates the key and every missing key along its path; false when the store refuses.
    virtual bool createKey(const std::string& keyPath) = 0;
    // The stored bytes of a value, or nothing when the value or the key is absent.
    virtual std::optional<std::string> readValue(const std::string& keyPath,
                                                 const std::string& name) = 0;
    virtual void writeValue(const std::string& keyPath, const std::string& name,
                            const std::string& value) = 0;
    virtual void deleteValue(const std::string& keyPath, const std::string& name) = 0;
};

} // namespace quintaro
