// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A program folder on a slow share, for the benchmarks only: preloaded
// (LD_PRELOAD), it makes every call that would ask the server something
// about a file under BRENLOQ_SLOW_FOLDER wait BRENLOQ_SLOW_MS milliseconds
// first, as one round trip to a school server does: each open, look-up
// (stat, access, a link read, each component of a realpath), read of an
// open file and each batch of a folder listing. The waits of calls made at
// once overlap, as requests in flight on a network do. A FUSE file system
// would catch the C library's own calls too, but needs a mount; this runs
// wherever the benchmarks do and gives the same figure every time.
//
// Only the C library's exported functions are caught, which is where Qt
// and the bank's readers call.

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string root;       // the slow folder, without a trailing "/"
long delayNs = 0;       // 0: nothing is slowed
constexpr int kMaxFd = 1 << 16;
std::atomic<bool> slowFd[kMaxFd];      // descriptors opened under the folder
std::atomic<unsigned> entriesRead[kMaxFd]; // entries a listing has given
// One listing request brings this many entries, as an SMB folder query of
// 64 KB does for short names.
constexpr unsigned kEntriesPerRequest = 512;

struct Init {
    Init()
    {
        const char *folder = std::getenv("BRENLOQ_SLOW_FOLDER");
        const char *ms = std::getenv("BRENLOQ_SLOW_MS");
        if (!folder || !*folder || !ms)
            return;
        char *resolved = ::realpath(folder, nullptr);
        root = resolved ? resolved : folder;
        std::free(resolved);
        while (root.size() > 1 && root.back() == '/')
            root.pop_back();
        delayNs = long(std::strtod(ms, nullptr) * 1e6);
    }
};
const Init init;

void roundTrip()
{
    timespec wait{delayNs / 1000000000L, delayNs % 1000000000L};
    while (::nanosleep(&wait, &wait) != 0 && errno == EINTR) {
    }
}

bool fdIsSlow(int fd)
{
    return fd >= 0 && fd < kMaxFd && slowFd[fd].load(std::memory_order_relaxed);
}

bool underRoot(const char *path)
{
    if (delayNs <= 0 || !path)
        return false;
    std::string full;
    if (path[0] == '/') {
        full = path;
    } else {
        char cwd[4096];
        if (!::getcwd(cwd, sizeof cwd))
            return false;
        full = std::string(cwd) + '/' + path;
    }
    return full.compare(0, root.size(), root) == 0 && (full.size() == root.size() || full[root.size()] == '/');
}

bool slowAt(int dirfd, const char *path)
{
    if (delayNs <= 0 || !path)
        return false;
    if (path[0] != '/' && dirfd != AT_FDCWD)
        return fdIsSlow(dirfd);
    return underRoot(path);
}

void mark(int fd, bool slow)
{
    if (fd >= 0 && fd < kMaxFd) {
        slowFd[fd].store(slow, std::memory_order_relaxed);
        entriesRead[fd].store(0, std::memory_order_relaxed);
    }
}

template<typename F>
F real(const char *name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

#define REAL(name, type)                                                                                       \
    static const auto real_##name = real<type>(#name)

int openMode(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(args, int) : 0;
}

int afterOpen(int fd, bool slow)
{
    if (fd >= 0)
        mark(fd, slow);
    return fd;
}

} // namespace

extern "C" {

#define OPEN_WRAPPER(name)                                                                                     \
    int name(const char *path, int flags, ...)                                                                 \
    {                                                                                                          \
        REAL(name, int (*)(const char *, int, ...));                                                           \
        va_list args;                                                                                          \
        va_start(args, flags);                                                                                 \
        const int mode = openMode(flags, args);                                                                \
        va_end(args);                                                                                          \
        const bool slow = underRoot(path);                                                                     \
        if (slow)                                                                                              \
            roundTrip();                                                                                       \
        return afterOpen(real_##name(path, flags, mode), slow);                                                \
    }
OPEN_WRAPPER(open)
OPEN_WRAPPER(open64)

#define OPENAT_WRAPPER(name)                                                                                   \
    int name(int dirfd, const char *path, int flags, ...)                                                      \
    {                                                                                                          \
        REAL(name, int (*)(int, const char *, int, ...));                                                      \
        va_list args;                                                                                          \
        va_start(args, flags);                                                                                 \
        const int mode = openMode(flags, args);                                                                \
        va_end(args);                                                                                          \
        const bool slow = slowAt(dirfd, path);                                                                 \
        if (slow)                                                                                              \
            roundTrip();                                                                                       \
        return afterOpen(real_##name(dirfd, path, flags, mode), slow);                                         \
    }
OPENAT_WRAPPER(openat)
OPENAT_WRAPPER(openat64)

// The checked forms a fortified build calls.
#define OPEN2_WRAPPER(name)                                                                                    \
    int name(const char *path, int flags)                                                                      \
    {                                                                                                          \
        REAL(name, int (*)(const char *, int));                                                                \
        const bool slow = underRoot(path);                                                                     \
        if (slow)                                                                                              \
            roundTrip();                                                                                       \
        return afterOpen(real_##name(path, flags), slow);                                                      \
    }
OPEN2_WRAPPER(__open_2)
OPEN2_WRAPPER(__open64_2)

#define OPENAT2_WRAPPER(name)                                                                                  \
    int name(int dirfd, const char *path, int flags)                                                           \
    {                                                                                                          \
        REAL(name, int (*)(int, const char *, int));                                                           \
        const bool slow = slowAt(dirfd, path);                                                                 \
        if (slow)                                                                                              \
            roundTrip();                                                                                       \
        return afterOpen(real_##name(dirfd, path, flags), slow);                                               \
    }
OPENAT2_WRAPPER(__openat_2)
OPENAT2_WRAPPER(__openat64_2)

int close(int fd)
{
    REAL(close, int (*)(int));
    mark(fd, false);
    return real_close(fd);
}

#define PATH_WRAPPER(name, statType)                                                                           \
    int name(const char *path, struct statType *buf)                                                           \
    {                                                                                                          \
        REAL(name, int (*)(const char *, struct statType *));                                                  \
        if (underRoot(path))                                                                                   \
            roundTrip();                                                                                       \
        return real_##name(path, buf);                                                                         \
    }
PATH_WRAPPER(stat, stat)
PATH_WRAPPER(stat64, stat64)
PATH_WRAPPER(lstat, stat)
PATH_WRAPPER(lstat64, stat64)

#define FD_WRAPPER(name, statType)                                                                             \
    int name(int fd, struct statType *buf)                                                                     \
    {                                                                                                          \
        REAL(name, int (*)(int, struct statType *));                                                           \
        if (fdIsSlow(fd))                                                                                      \
            roundTrip();                                                                                       \
        return real_##name(fd, buf);                                                                           \
    }
FD_WRAPPER(fstat, stat)
FD_WRAPPER(fstat64, stat64)

#define AT_WRAPPER(name, statType)                                                                             \
    int name(int dirfd, const char *path, struct statType *buf, int flags)                                     \
    {                                                                                                          \
        REAL(name, int (*)(int, const char *, struct statType *, int));                                        \
        if (!*path && (flags & AT_EMPTY_PATH) ? fdIsSlow(dirfd) : slowAt(dirfd, path))                 \
            roundTrip();                                                                                       \
        return real_##name(dirfd, path, buf, flags);                                                           \
    }
AT_WRAPPER(fstatat, stat)
AT_WRAPPER(fstatat64, stat64)

int statx(int dirfd, const char *path, int flags, unsigned mask, struct statx *buf)
{
    REAL(statx, int (*)(int, const char *, int, unsigned, struct statx *));
    if (!*path && (flags & AT_EMPTY_PATH) ? fdIsSlow(dirfd) : slowAt(dirfd, path))
        roundTrip();
    return real_statx(dirfd, path, flags, mask, buf);
}

int access(const char *path, int mode)
{
    REAL(access, int (*)(const char *, int));
    if (underRoot(path))
        roundTrip();
    return real_access(path, mode);
}

int faccessat(int dirfd, const char *path, int mode, int flags)
{
    REAL(faccessat, int (*)(int, const char *, int, int));
    if (slowAt(dirfd, path))
        roundTrip();
    return real_faccessat(dirfd, path, mode, flags);
}

ssize_t readlink(const char *path, char *buf, size_t size)
{
    REAL(readlink, ssize_t (*)(const char *, char *, size_t));
    if (underRoot(path))
        roundTrip();
    return real_readlink(path, buf, size);
}

// The C library looks each component up itself: one round trip for each
// that lies in the folder.
char *realpath(const char *path, char *resolved)
{
    REAL(realpath, char *(*)(const char *, char *));
    char *result = real_realpath(path, resolved);
    if (result && underRoot(result)) {
        for (const char *p = result + root.size(); *p; ++p) {
            if (*p == '/')
                roundTrip();
        }
    }
    return result;
}

ssize_t read(int fd, void *buf, size_t count)
{
    REAL(read, ssize_t (*)(int, void *, size_t));
    if (fdIsSlow(fd))
        roundTrip();
    return real_read(fd, buf, count);
}

ssize_t pread64(int fd, void *buf, size_t count, off_t offset)
{
    REAL(pread64, ssize_t (*)(int, void *, size_t, off_t));
    if (fdIsSlow(fd))
        roundTrip();
    return real_pread64(fd, buf, count, offset);
}

DIR *opendir(const char *path)
{
    REAL(opendir, DIR *(*)(const char *));
    const bool slow = underRoot(path);
    if (slow)
        roundTrip();
    DIR *dir = real_opendir(path);
    if (dir)
        mark(::dirfd(dir), slow);
    return dir;
}

DIR *fdopendir(int fd)
{
    REAL(fdopendir, DIR *(*)(int));
    DIR *dir = real_fdopendir(fd);
    if (dir)
        entriesRead[fd].store(0, std::memory_order_relaxed);
    return dir;
}

int closedir(DIR *dir)
{
    REAL(closedir, int (*)(DIR *));
    mark(::dirfd(dir), false);
    return real_closedir(dir);
}

#define READDIR_WRAPPER(name, entryType)                                                                       \
    struct entryType *name(DIR *dir)                                                                           \
    {                                                                                                          \
        REAL(name, struct entryType *(*)(DIR *));                                                              \
        const int fd = ::dirfd(dir);                                                                           \
        if (fdIsSlow(fd) && entriesRead[fd].fetch_add(1, std::memory_order_relaxed) % kEntriesPerRequest == 0) \
            roundTrip();                                                                                       \
        return real_##name(dir);                                                                               \
    }
READDIR_WRAPPER(readdir, dirent)
READDIR_WRAPPER(readdir64, dirent64)

} // extern "C"
