#pragma once

#include <optional>
#include <string>

namespace quintaro {

// The folder of the player's configuration: $XDG_CONFIG_HOME, or ~/.config without it.
std::string configHome();

// Writes `text` to a new file beside `path` and renames it over `path`, so readers see
// the old file or the new one, never a part. On failure the old file is left as it was,
// the new one is removed, and the reason (strerror) is given. `sync` also waits for the
// disk, so that the new file survives a power cut.
std::optional<std::string> replaceFile(const std::string& path, const std::string& text, bool sync);

// One settings file of the product family, shared by every program of it and by every
// copy of this one. It is only ever read when it is a regular file, and only replaced
// whole. A symbolic link is followed for both, and stays a link.
class SettingsFile {
public:
    enum class State {
        Missing,    // nothing there yet: a first run
        Read,       // `text` holds the file
        NotRegular, // a folder, a pipe, a device: never opened, never replaced
        Unreadable, // `problem` says why
    };
    struct Contents {
        State state = State::Missing;
        std::string text;
        std::string problem;
    };

    explicit SettingsFile(std::string path);
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    const std::string& path() const { return m_path; }
    Contents read() const;
    // Why the file could not be replaced, checked without writing; nothing when it can.
    std::optional<std::string> writeProblem() const;
    // Replaces the file with `text`, synced to disk; the reason when that failed.
    std::optional<std::string> replace(const std::string& text) const;
    // Keeps `text` beside the file under the first free name of "<path>.damaged",
    // "<path>.damaged.2", ...; gives the name used, or nothing when it could not.
    std::optional<std::string> keepAside(const std::string& text) const;

    // Copies of the program take turns: between lock() and unlock() no other copy reads
    // the file to change it. Locks nest.
    void lock();
    void unlock();

private:
    // Where the file really is: `m_path` with every symbolic link along it resolved.
    std::string target() const;

    std::string m_path;
    int m_lockFd = -1;
    int m_lockDepth = 0;
};

} // namespace quintaro
