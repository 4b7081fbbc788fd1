// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Preloaded into the drivers (LD_PRELOAD) so that a local folder answers as
// the school shares answered when tried: BRENLOQ_SHARE=smb as a Samba share
// mounted through smbnetfs, BRENLOQ_SHARE=sftp as sshfs. Only names under
// BRENLOQ_SHARE_ROOT are touched; everything else the process opens (Qt's
// own caches, fonts) goes straight through.
//
// smb:  link() is refused (EPERM); O_EXCL is not honoured (an exclusive
//       create of a taken name succeeds and empties it); renameat2 with
//       flags is not supported (EINVAL); a rename over an existing file fails
//       every other time (EACCES, EBUSY) as under contention; every third
//       rename onto a free name and every fifth mkdir fail with EIO. Never
//       twice in a row, so a writer that retries gets through.
// sftp: link() is refused (EPERM); a taken name, to an exclusive create or
//       to mkdir, answers EPERM rather than EEXIST; renameat2 with flags is
//       not supported (EINVAL).

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Share { None, Smb, Sftp };

Share share()
{
    static const Share kind = [] {
        const char *name = std::getenv("BRENLOQ_SHARE");
        if (!name)
            return Share::None;
        if (std::strcmp(name, "smb") == 0)
            return Share::Smb;
        if (std::strcmp(name, "sftp") == 0)
            return Share::Sftp;
        return Share::None;
    }();
    return kind;
}

bool onShare(const char *path)
{
    const char *root = std::getenv("BRENLOQ_SHARE_ROOT");
    if (share() == Share::None || !root || !*root || !path)
        return false;
    return std::strncmp(path, root, std::strlen(root)) == 0;
}

bool exists(const char *path)
{
    struct stat status {};
    return ::lstat(path, &status) == 0;
}

// True on the calls of a kind that fail: every `period`th, starting with the first.
bool failsNow(std::atomic<unsigned> &counter, unsigned period)
{
    return counter.fetch_add(1) % period == 0;
}

std::atomic<unsigned> renamesOver{0}, renamesToFree{0}, mkdirs{0};

template <typename F>
F next(const char *name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

// The flags an exclusive create reaches the disk with, or -1 with errno set.
int shareFlags(const char *path, int flags)
{
    if (!onShare(path) || (flags & (O_CREAT | O_EXCL)) != (O_CREAT | O_EXCL))
        return flags;
    if (share() == Share::Smb)
        return (flags & ~O_EXCL) | O_TRUNC;
    if (exists(path)) {
        errno = EPERM;
        return -1;
    }
    return flags;
}

int failWith(int failure)
{
    errno = failure;
    return -1;
}

} // namespace

extern "C" {

int open(const char *path, int flags, ...)
{
    mode_t mode = 0;
    if ((flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list args;
        va_start(args, flags);
        mode = mode_t(va_arg(args, int));
        va_end(args);
    }
    const int shared = shareFlags(path, flags);
    return shared < 0 ? -1 : next<int (*)(const char *, int, ...)>("open")(path, shared, mode);
}

int open64(const char *path, int flags, ...)
{
    mode_t mode = 0;
    if ((flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list args;
        va_start(args, flags);
        mode = mode_t(va_arg(args, int));
        va_end(args);
    }
    const int shared = shareFlags(path, flags);
    return shared < 0 ? -1 : next<int (*)(const char *, int, ...)>("open64")(path, shared, mode);
}

int link(const char *from, const char *to)
{
    if (onShare(to))
        return failWith(EPERM);
    return next<int (*)(const char *, const char *)>("link")(from, to);
}

int mkdir(const char *path, mode_t mode)
{
    if (onShare(path)) {
        if (share() == Share::Sftp && exists(path))
            return failWith(EPERM);
        if (share() == Share::Smb && failsNow(mkdirs, 5))
            return failWith(EIO);
    }
    return next<int (*)(const char *, mode_t)>("mkdir")(path, mode);
}

int rename(const char *from, const char *to)
{
    if (onShare(to) && share() == Share::Smb) {
        if (exists(to)) {
            const unsigned n = renamesOver.fetch_add(1);
            if (n % 2 == 0)
                return failWith(n % 4 == 0 ? EACCES : EBUSY);
        } else if (failsNow(renamesToFree, 3)) {
            return failWith(EIO);
        }
    }
    return next<int (*)(const char *, const char *)>("rename")(from, to);
}

int renameat2(int fromFolder, const char *from, int toFolder, const char *to, unsigned flags)
{
    if (flags != 0 && onShare(to))
        return failWith(EINVAL);
    return next<int (*)(int, const char *, int, const char *, unsigned)>("renameat2")(fromFolder, from, toFolder,
                                                                                        to, flags);
}

} // extern "C"
