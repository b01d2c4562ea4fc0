#include "platform/settings_file.h"

#include "platform/translated_text.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quintaro {

namespace {

// How many symbolic links in a row are followed before the path counts as a loop.
constexpr int linkLimit = 40;

std::string reason(int error) {
    return std::strerror(error);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates the folder and those above it that are missing; the errno of making the folder
// itself, 0 when it was made or was there.
int makeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1))
        ::mkdir(folder.substr(0, slash).c_str(), 0777);
    return ::mkdir(folder.c_str(), 0777) == 0 || errno == EEXIST ? 0 : errno;
}

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Opens a file of a new name beside `path`, readable as a file made by the player's
// umask would be; -1 with errno set when none could be made.
int openNewFile(const std::string& path, std::string& name) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

std::string configHome() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/')
        return config;
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.config";
}

std::optional<std::string> replaceFile(const std::string& path, const std::string& text,
                                       bool sync) {
    makeFolders(folderOf(path));
    std::string name;
    const int fd = openNewFile(path, name);
    if (fd < 0)
        return reason(errno);
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    const bool written = writeAll(fd, text) && (!sync || ::fsync(fd) == 0);
    int error = errno;
    const bool closed = ::close(fd) == 0;
    if (written && !closed)
        error = errno;
    if (written && closed && ::rename(name.c_str(), path.c_str()) == 0) {
        if (sync) {
            const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (folder >= 0) {
                ::fsync(folder);
                ::close(folder);
            }
        }
        return std::nullopt;
    }
    if (written && closed)
        error = errno;
    ::unlink(name.c_str());
    return reason(error);
}

SettingsFile::SettingsFile(std::string path) : m_path(std::move(path)) {}

SettingsFile::~SettingsFile() {
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

std::string SettingsFile::target() const {
    std::string resolved = m_path;
    for (int hop = 0; hop < linkLimit; ++hop) {
        char link[PATH_MAX];
        const ssize_t length = ::readlink(resolved.c_str(), link, sizeof link);
        if (length <= 0 || static_cast<std::size_t>(length) >= sizeof link)
            break;
        const std::string to(link, static_cast<std::size_t>(length));
        resolved = to.front() == '/' ? to : folderOf(resolved) + "/" + to;
    }
    return resolved;
}

SettingsFile::Contents SettingsFile::read() const {
    Contents contents;
    struct stat status {};
    if (::stat(m_path.c_str(), &status) != 0) {
        if (errno != ENOENT) {
            contents.state = State::Unreadable;
            contents.problem = reason(errno);
        }
        return contents;
    }
    // A pipe would block the start, a device might never end: only a regular file is read.
    if (!S_ISREG(status.st_mode)) {
        contents.state = State::NotRegular;
        return contents;
    }
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        contents.state = fd < 0 ? State::Unreadable : State::NotRegular;
        contents.problem = reason(errno);
        if (fd >= 0)
            ::close(fd);
        return contents;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            contents.state = State::Unreadable;
            contents.problem = reason(errno);
            break;
        }
        if (got == 0) {
            contents.state = State::Read;
            break;
        }
        contents.text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return contents;
}

std::optional<std::string> SettingsFile::writeProblem() const {
    const std::string file = target();
    const std::string folder = folderOf(file);
    const int notMade = makeFolders(folder);
    // A folder that could not be made is missing for the reason it could not be made.
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        return reason(errno == ENOENT && notMade != 0 ? notMade : errno);
    if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        return reason(errno);
    return std::nullopt;
}

std::optional<std::string> SettingsFile::replace(const std::string& text) const {
    struct stat status {};
    if (::stat(m_path.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
        return translatedText("Errors", "it is not a regular file");
    return replaceFile(target(), text, true);
}

std::optional<std::string> SettingsFile::keepAside(const std::string& text) const {
    const std::string base = target() + ".damaged";
    for (int number = 1; number < 1000; ++number) {
        const std::string name = number == 1 ? base : base + "." + std::to_string(number);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return std::nullopt;
        const bool written = writeAll(fd, text);
        if (::close(fd) == 0 && written)
            return name;
        ::unlink(name.c_str());
        return std::nullopt;
    }
    return std::nullopt;
}

void SettingsFile::lock() {
    if (m_lockDepth++ > 0)
        return;
    // The folder is locked, not the file: the file is replaced by each write, and a lock
    // on it would go with the old one.
    const std::string folder = folderOf(target());
    makeFolders(folder);
    m_lockFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_lockFd < 0)
        return;
    while (::flock(m_lockFd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

void SettingsFile::unlock() {
    if (m_lockDepth == 0 || --m_lockDepth > 0)
        return;
    if (m_lockFd >= 0)
        ::close(m_lockFd);
    m_lockFd = -1;
}

} // namespace quintaro
