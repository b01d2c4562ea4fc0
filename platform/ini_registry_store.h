#pragma once

#include "platform/ini_text.h"
#include "platform/registry_store.h"
#include "platform/settings_file.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace quintaro {

// Keeps the registry in INI files under the player's configuration folder: the key path
// "SOFTWARE\<organisation>\<application>\<sub key>" is the group <sub key> of
// "<folder>/<organisation>/<application>.ini". Every value is text.
//
// Changes are stored together: at the end of an update, or when commit() is called (the
// owner is asked to, through the commit request, after the first change). Each store
// re-reads the file under a lock and lays this copy's changes over what it holds now, so
// the values another copy stored meanwhile stay. A write that fails leaves the file as it
// was and drops the changes; their owners keep what they must store again.
class IniRegistryStore : public RegistryStore {
public:
    // A sentence for the player, and the file it is about.
    using ProblemHandler = std::function<void(const std::string& message, const std::string& path)>;

    explicit IniRegistryStore(std::string folder = configHome());
    ~IniRegistryStore() override;
    IniRegistryStore(const IniRegistryStore&) = delete;
    IniRegistryStore& operator=(const IniRegistryStore&) = delete;

    bool createKey(const std::string& keyPath) override;
    std::optional<std::string> readValue(const std::string& keyPath,
                                         const std::string& name) override;
    void writeValue(const std::string& keyPath, const std::string& name,
                    const std::string& value) override;
    void deleteValue(const std::string& keyPath, const std::string& name) override;
    void beginUpdate() override;
    bool endUpdate() override;

    // Stores the changes made outside an update; false when that failed.
    bool commit();

    // Each kind of problem is reported once: a file that will not be kept, a damaged file
    // repaired (the path is then where the damaged file was kept), a failed save.
    void setProblemHandler(ProblemHandler handler) { m_problemHandler = std::move(handler); }
    // Called at the first change outside an update, so that commit() follows soon.
    void setCommitRequest(std::function<void()> request) { m_commitRequest = std::move(request); }
    // Called after each file was stored.
    void setStoredHandler(std::function<void()> handler) { m_storedHandler = std::move(handler); }

    // The file that holds the keys of `organisation\application`.
    std::string filePath(const std::string& organisation, const std::string& application) const;

private:
    struct File;
    enum class Problem { NotKept, Damaged, SaveFailed };

    // The file that holds the key, loaded on first use; `group` receives the key's group in it.
    File* file(const std::string& keyPath, std::string* group);
    void load(File& file);
    void take(File& file, const std::string& text);
    void change(File& file, const std::string& key, std::optional<std::string> value);
    bool store(File& file);
    void report(Problem problem, const std::string& message, const std::string& path);

    std::string m_folder;
    std::map<std::string, std::unique_ptr<File>> m_files;
    int m_updateDepth = 0;
    bool m_commitRequested = false;
    std::set<Problem> m_reported;
    ProblemHandler m_problemHandler;
    std::function<void()> m_commitRequest;
    std::function<void()> m_storedHandler;
};

} // namespace quintaro
