#include "persist/registry_key.h"

namespace quintaro {

void RegistryKey::Open(const std::string& subKey) {
    m_openPath.reset();
    std::string path = "SOFTWARE\\Varden\\" + m_familyName + "\\" + subKey;
    if (m_store.createKey(path))
        m_openPath = std::move(path);
}

std::string RegistryKey::QueryString(const std::string& name) const {
    if (!m_openPath)
        return {};
    std::optional<std::string> data = m_store.readValue(*m_openPath, name);
    if (!data || data->size() + 1 > readBufferSize)
        return {};
    // The data is read as a zero-terminated text, whatever was stored after a zero byte.
    return data->substr(0, data->find('\0'));
}

void RegistryKey::SetString(const std::string& name, const std::string& value) {
    if (m_openPath)
        m_store.writeValue(*m_openPath, name, value);
}

void RegistryKey::DeleteValue(const std::string& name) {
    if (m_openPath)
        m_store.deleteValue(*m_openPath, name);
}

} // namespace quintaro
