// Preloaded into the program, makes the disk look full under one folder: write and writev
// on a file whose path lies under $QUINTARO_FULL_FOLDER fail with ENOSPC, as they do when
// no room is left; every other call goes to the C library unchanged. The folder must be
// given as a path without symbolic links, as /proc/self/fd shows paths.
#include <dlfcn.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool underFullFolder(int fd) {
    const char* folder = std::getenv("QUINTARO_FULL_FOLDER");
    if (folder == nullptr || folder[0] == '\0')
        return false;
    const int error = errno;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[PATH_MAX];
    const ssize_t length = ::readlink(link, path, sizeof path);
    errno = error;
    const std::size_t prefix = std::strlen(folder);
    return length > 0 && static_cast<std::size_t>(length) > prefix &&
           std::strncmp(path, folder, prefix) == 0 && path[prefix] == '/';
}

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" ssize_t write(int fd, const void* data, std::size_t size) {
    static const auto real = next<ssize_t (*)(int, const void*, std::size_t)>("write");
    if (underFullFolder(fd)) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, data, size);
}

extern "C" ssize_t writev(int fd, const struct iovec* parts, int count) {
    static const auto real = next<ssize_t (*)(int, const struct iovec*, int)>("writev");
    if (underFullFolder(fd)) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, parts, count);
}
