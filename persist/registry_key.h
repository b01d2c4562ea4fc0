#pragma once

#include "platform/registry_store.h"

#include <optional>
#include <string>

namespace quintaro {

// One open key of the product family's registry, "SOFTWARE\Varden\Parlorset\<sub key>".
// Lives for one load or save. Failures are absorbed: with no key open every read gives
// the empty text and every write is dropped.
class RegistryKey {
public:
    explicit RegistryKey(RegistryStore& store) : m_store(store) {}
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Closes the key already open, then opens (creating when missing) the sub key.
    void Open(const std::string& subKey);
    // The value's text; empty when absent, when no key is open, or when the value with
    // its terminating zero byte does not fit the 256-byte read buffer.
    std::string QueryString(const std::string& name) const;
    void SetString(const std::string& name, const std::string& value);
    void DeleteValue(const std::string& name);

    bool isOpen() const { return m_openPath.has_value(); }
    const std::string& familyName() const { return m_familyName; }

    static constexpr std::size_t readBufferSize = 256;

private:
    RegistryStore& m_store;
    std::string m_familyName = "Parlorset";
    std::optional<std::string> m_openPath;
};

} // namespace quintaro
