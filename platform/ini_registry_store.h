#pragma once

#include "platform/registry_store.h"

#include <QString>

#include <map>
#include <memory>
#include <utility>

class QSettings;

namespace quintaro {

// Keeps the registry in INI files under the XDG config folder: the key path
// "SOFTWARE\<organisation>\<application>\<sub key>" is the group <sub key> of
// "$XDG_CONFIG_HOME/<organisation>/<application>.ini". Every value is text.
//
// Each file stays open for the store's life, and what changes reaches the disk in one
// atomic write: on the next pass of the event loop, or when the store goes. So
// the many values of one save (a whole Hall of Fame at exit) are never half written, even
// if the program is killed. A file that cannot be written is read as it is and takes no values.
class IniRegistryStore : public RegistryStore {
public:
    IniRegistryStore();
    ~IniRegistryStore() override;
    IniRegistryStore(const IniRegistryStore&) = delete;
    IniRegistryStore& operator=(const IniRegistryStore&) = delete;

    bool createKey(const std::string& keyPath) override;
    std::optional<std::string> readValue(const std::string& keyPath,
                                         const std::string& name) override;
    void writeValue(const std::string& keyPath, const std::string& name,
                    const std::string& value) override;
    void deleteValue(const std::string& keyPath, const std::string& name) override;

private:
    QSettings& file(const QString& organisation, const QString& application);

    std::map<std::pair<QString, QString>, std::unique_ptr<QSettings>> m_files;
};

} // namespace quintaro
