#include "platform/ini_registry_store.h"

#include "platform/translated_text.h"

namespace quintaro {

namespace {

// Why the player's scores cannot be kept, `why` in words from the file system.
std::string notKept(const std::string& why) {
    return withArguments(translatedText("Errors", "Your scores will not be kept: %1"), {why});
}

const std::string generalGroup = "General";

struct IniLocation {
    std::string file; // "<organisation>/<application>"
    std::string group;
};

// Splits "SOFTWARE\Org\App\Sub\Key" into the file "Org/App" and the group "Sub/Key".
std::optional<IniLocation> locate(const std::string& keyPath) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= keyPath.size()) {
        const std::size_t end = std::min(keyPath.find('\\', start), keyPath.size());
        if (end > start)
            parts.push_back(keyPath.substr(start, end - start));
        start = end + 1;
    }
    const auto isSoftware = [](const std::string& part) {
        static const std::string software = "software";
        return part.size() == software.size() &&
               std::equal(part.begin(), part.end(), software.begin(),
                          [](char a, char b) { return (a | 0x20) == b; });
    };
    if (!parts.empty() && isSoftware(parts.front()))
        parts.erase(parts.begin());
    if (parts.size() < 2)
        return std::nullopt;
    IniLocation location{parts[0] + "/" + parts[1], {}};
    for (std::size_t i = 2; i < parts.size(); ++i)
        location.group += (i > 2 ? "/" : "") + parts[i];
    return location;
}

std::string keyIn(const std::string& group, const std::string& name) {
    return group.empty() ? name : group + "/" + name;
}

} // namespace

struct IniRegistryStore::File {
    explicit File(std::string path) : disk(std::move(path)) {}

    SettingsFile disk;
    // False for a path that is no regular file or cannot be read: nothing is read or kept.
    bool usable = true;
    bool writable = true;
    bool locked = false;
    // What the file held when last read or stored, as text and as values.
    std::string storedText;
    IniValues stored;
    // The stored values with this copy's changes laid over them.
    IniValues values;
    // This copy's changes since the last store, in order; no value is a deletion.
    std::vector<std::pair<std::string, std::optional<std::string>>> changes;
    // The last damaged text kept aside, so that it is kept once.
    std::string damagedText;
};

IniRegistryStore::IniRegistryStore(std::string folder) : m_folder(std::move(folder)) {}

IniRegistryStore::~IniRegistryStore() {
    commit();
}

std::string IniRegistryStore::filePath(const std::string& organisation,
                                       const std::string& application) const {
    return m_folder + "/" + organisation + "/" + application + ".ini";
}

IniRegistryStore::File* IniRegistryStore::file(const std::string& keyPath, std::string* group) {
    auto location = locate(keyPath);
    if (!location)
        return nullptr;
    if (group != nullptr)
        *group = location->group;
    auto& slot = m_files[location->file];
    if (!slot) {
        const std::size_t slash = location->file.find('/');
        slot = std::make_unique<File>(
            filePath(location->file.substr(0, slash), location->file.substr(slash + 1)));
        if (m_updateDepth > 0) {
            slot->disk.lock();
            slot->locked = true;
        }
        load(*slot);
    }
    return slot.get();
}

void IniRegistryStore::load(File& file) {
    const SettingsFile::Contents contents = file.disk.read();
    switch (contents.state) {
    case SettingsFile::State::NotRegular:
        file.usable = false;
        report(Problem::NotKept, notKept(translatedText("Errors", "it is not a regular file")),
               file.disk.path());
        return;
    case SettingsFile::State::Unreadable:
        file.usable = false;
        report(Problem::NotKept, notKept(contents.problem), file.disk.path());
        return;
    case SettingsFile::State::Missing:
    case SettingsFile::State::Read:
        take(file, contents.text);
        break;
    }
    if (auto problem = file.disk.writeProblem()) {
        file.writable = false;
        report(Problem::NotKept, notKept(*problem), file.disk.path());
    }
}

void IniRegistryStore::take(File& file, const std::string& text) {
    IniReading reading = readIniText(text);
    // What cannot be read is kept aside as it was, once; the next store writes a clean file.
    if (reading.damagedLines > 0 && text != file.damagedText) {
        file.damagedText = text;
        const auto keptAs = file.disk.keepAside(text);
        report(
            Problem::Damaged,
            translatedText("Errors",
                           "Your settings file was damaged: everything that could be read is kept"),
            keptAs.value_or(file.disk.path()));
    }
    file.storedText = text;
    file.stored = std::move(reading.values);
    file.values = file.stored;
    for (const auto& [key, value] : file.changes) {
        if (value)
            file.values[key] = *value;
        else
            file.values.erase(key);
    }
}

bool IniRegistryStore::createKey(const std::string& keyPath) {
    File* found = file(keyPath, nullptr);
    return found == nullptr || found->usable;
}

std::optional<std::string> IniRegistryStore::readValue(const std::string& keyPath,
                                                       const std::string& name) {
    std::string group;
    File* found = file(keyPath, &group);
    if (found == nullptr || !found->usable)
        return std::nullopt;
    auto value = found->values.find(keyIn(group, name));
    // A group named General is "[%General]" in the file, because a plain "[General]" holds
    // the file's top level; a player who edits the file by hand writes the plain one.
    if (value == found->values.end() && group == generalGroup)
        value = found->values.find(name);
    if (value == found->values.end())
        return std::nullopt;
    return value->second;
}

void IniRegistryStore::writeValue(const std::string& keyPath, const std::string& name,
                                  const std::string& value) {
    std::string group;
    if (File* found = file(keyPath, &group))
        change(*found, keyIn(group, name), value);
}

void IniRegistryStore::deleteValue(const std::string& keyPath, const std::string& name) {
    std::string group;
    if (File* found = file(keyPath, &group))
        change(*found, keyIn(group, name), std::nullopt);
}

void IniRegistryStore::change(File& file, const std::string& key,
                              std::optional<std::string> value) {
    // Kept in memory, a value the file cannot take would read back as if stored.
    if (!file.usable || !file.writable)
        return;
    if (value)
        file.values[key] = *value;
    else
        file.values.erase(key);
    file.changes.emplace_back(key, std::move(value));
    if (m_updateDepth == 0 && !m_commitRequested && m_commitRequest) {
        m_commitRequested = true;
        m_commitRequest();
    }
}

void IniRegistryStore::beginUpdate() {
    if (m_updateDepth++ > 0)
        return;
    for (auto& [name, file] : m_files) {
        if (!file->usable)
            continue;
        file->disk.lock();
        file->locked = true;
        const SettingsFile::Contents contents = file->disk.read();
        if (contents.state == SettingsFile::State::Read ||
            contents.state == SettingsFile::State::Missing)
            take(*file, contents.text);
    }
}

bool IniRegistryStore::endUpdate() {
    if (--m_updateDepth > 0)
        return true;
    bool stored = true;
    for (auto& [name, file] : m_files) {
        stored = store(*file) && stored;
        if (file->locked)
            file->disk.unlock();
        file->locked = false;
    }
    return stored;
}

bool IniRegistryStore::store(File& file) {
    if (file.changes.empty())
        return true;
    const std::string text = writeIniText(file.values);
    file.changes.clear();
    const auto problem = text == file.storedText ? std::nullopt : file.disk.replace(text);
    if (problem) {
        report(Problem::SaveFailed,
               withArguments(translatedText("Errors", "Your scores could not be saved: %1"),
                             {*problem}),
               file.disk.path());
        file.values = file.stored;
        return false;
    }
    file.storedText = text;
    file.stored = file.values;
    if (m_storedHandler)
        m_storedHandler();
    return true;
}

bool IniRegistryStore::commit() {
    m_commitRequested = false;
    bool pending = false;
    for (const auto& [name, file] : m_files)
        pending = pending || !file->changes.empty();
    if (!pending)
        return true;
    beginUpdate();
    return endUpdate();
}

void IniRegistryStore::report(Problem problem, const std::string& message,
                              const std::string& path) {
    if (!m_reported.insert(problem).second || !m_problemHandler)
        return;
    m_problemHandler(message, path);
}

} // namespace quintaro
