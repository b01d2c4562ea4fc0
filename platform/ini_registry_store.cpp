#include "platform/ini_registry_store.h"

#include <QSettings>
#include <QStringList>

namespace quintaro {

namespace {

const QString generalGroup = QStringLiteral("General");

struct IniLocation {
    QString organisation;
    QString application;
    QString group;

    // The value's key inside the file: "Sub/Key/Name", or the name alone at the top.
    QString key(const std::string& name) const {
        const QString value = QString::fromStdString(name);
        return group.isEmpty() ? value : group + u'/' + value;
    }
};

// Splits "SOFTWARE\Org\App\Sub\Key" into the file and the group "Sub/Key".
std::optional<IniLocation> locate(const std::string& keyPath) {
    QStringList parts = QString::fromStdString(keyPath).split(u'\\', Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.front().compare(u"SOFTWARE", Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    if (parts.size() < 2)
        return std::nullopt;
    IniLocation location{parts[0], parts[1], {}};
    location.group = parts.mid(2).join(u'/');
    return location;
}

} // namespace

IniRegistryStore::IniRegistryStore() = default;

IniRegistryStore::~IniRegistryStore() = default;

QSettings& IniRegistryStore::file(const QString& organisation, const QString& application) {
    auto& settings = m_files[{organisation, application}];
    if (!settings)
        settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                               organisation, application);
    return *settings;
}

bool IniRegistryStore::createKey(const std::string& keyPath) {
    auto location = locate(keyPath);
    if (!location)
        return true;
    // A file the player may read but not write opens for reading; writes to it are dropped.
    return file(location->organisation, location->application).status() == QSettings::NoError;
}

std::optional<std::string> IniRegistryStore::readValue(const std::string& keyPath,
                                                       const std::string& name) {
    auto location = locate(keyPath);
    if (!location)
        return std::nullopt;
    QSettings& settings = file(location->organisation, location->application);
    QVariant value = settings.value(location->key(name));
    // Qt keeps the group "General" as "[%General]", because it reads a plain "[General]"
    // as the file's top level; a player who edits the file by hand writes the plain one.
    if (!value.isValid() && location->group == generalGroup)
        value = settings.value(QString::fromStdString(name));
    if (!value.isValid())
        return std::nullopt;
    // A hand-edited value with an unquoted comma comes back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',').toStdString();
    return value.toString().toStdString();
}

void IniRegistryStore::writeValue(const std::string& keyPath, const std::string& name,
                                  const std::string& value) {
    auto location = locate(keyPath);
    if (!location)
        return;
    QSettings& settings = file(location->organisation, location->application);
    // Kept in memory, a value the file cannot take would read back as if stored.
    if (settings.isWritable())
        settings.setValue(location->key(name), QString::fromStdString(value));
}

void IniRegistryStore::deleteValue(const std::string& keyPath, const std::string& name) {
    auto location = locate(keyPath);
    if (!location)
        return;
    QSettings& settings = file(location->organisation, location->application);
    if (settings.isWritable())
        settings.remove(location->key(name));
}

} // namespace quintaro
