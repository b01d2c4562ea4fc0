#include "platform/ini_registry_store.h"

#include <QSettings>
#include <QStringList>

#include <memory>

namespace quintaro {

namespace {

struct IniLocation {
    QString organisation;
    QString application;
    QString group;
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

std::unique_ptr<QSettings> open(const IniLocation& location) {
    auto settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                location.organisation, location.application);
    if (!location.group.isEmpty())
        settings->beginGroup(location.group);
    return settings;
}

} // namespace

bool IniRegistryStore::createKey(const std::string& keyPath) {
    auto location = locate(keyPath);
    if (!location)
        return true;
    auto settings = open(*location);
    return settings->status() == QSettings::NoError && settings->isWritable();
}

std::optional<std::string> IniRegistryStore::readValue(const std::string& keyPath,
                                                       const std::string& name) {
    auto location = locate(keyPath);
    if (!location)
        return std::nullopt;
    auto settings = open(*location);
    const QVariant value = settings->value(QString::fromStdString(name));
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
    auto settings = open(*location);
    settings->setValue(QString::fromStdString(name), QString::fromStdString(value));
}

void IniRegistryStore::deleteValue(const std::string& keyPath, const std::string& name) {
    auto location = locate(keyPath);
    if (!location)
        return;
    auto settings = open(*location);
    settings->remove(QString::fromStdString(name));
}

} // namespace quintaro
