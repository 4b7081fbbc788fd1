// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "atomicfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <QSet>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <linux/fs.h>
#include <sys/syscall.h>
#endif
#endif

namespace bank {

namespace {

bool hardLinksRefused = false;

// Inside a SyncBatch: the folders written into, synced when it ends.
thread_local int batchDepth = 0;
thread_local QSet<QString> batchFolders;

#ifdef Q_OS_UNIX

QString reason(int failure)
{
    return QString::fromLocal8Bit(std::strerror(failure));
}

// The mask can only be read by setting it, and setting it for an instant
// gives a file another thread creates meanwhile 0666. So it is read once,
// while the program starts: the namespace-scope copy below makes that
// happen during static initialisation, before main() and any thread; the
// function-local static covers a writer called from another initialiser.
// A mask the program sets later is not followed; none of ours sets one.
mode_t processMask()
{
    static const mode_t mask = [] {
        const mode_t value = ::umask(0);
        ::umask(value);
        return value;
    }();
    return mask;
}
[[maybe_unused]] const mode_t maskAtStart = processMask();

// 0666 less the umask, as for any file the user creates.
mode_t filePermissions()
{
    return 0666 & ~processMask();
}

bool isUnsupported(int failure)
{
    return failure == EPERM || failure == EINVAL || failure == ENOSYS || failure == ENOTSUP || failure == EOPNOTSUPP;
}

bool exists(const QByteArray &path)
{
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0;
}

bool isSameFile(const QByteArray &one, const QByteArray &other)
{
    struct stat first {}, second {};
    return ::lstat(one.constData(), &first) == 0 && ::lstat(other.constData(), &second) == 0
        && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// Shares answer EIO or EBUSY for a moment under load: a few tries, 1 to 8 ms
// apart (15 ms at most in all), and no wait at all when the first succeeds.
constexpr int kAttempts = 5;

bool isTransient(int failure)
{
    return failure == EIO || failure == EBUSY || failure == EINTR || failure == EAGAIN;
}

// Runs `call` (0 or -1 with errno) until it succeeds or fails for good;
// `retryRefusals` retries EACCES and EPERM too. 0 or the errno.
template <typename Call>
int retried(Call call, bool retryRefusals = false)
{
    for (int attempt = 0;; ++attempt) {
        if (call() == 0)
            return 0;
        const int failure = errno;
        const bool refused = failure == EACCES || failure == EPERM;
        if (attempt + 1 >= kAttempts || !(isTransient(failure) || (retryRefusals && refused)))
            return failure;
        ::usleep(useconds_t(1000) << attempt);
    }
}

enum class Writing { NewFile, InPlace };

// Writes all of `bytes` from the start of `fd` and makes them reach the
// disk; the errno of the first failure, else 0. A failed fsync or close is
// a failed write: on a network disk that is where a full share shows
// itself. A file written in place keeps its owner's permissions and is cut
// to the new length only once the new bytes are there.
int writeWhole(int fd, const QByteArray &bytes, Writing writing = Writing::NewFile)
{
    auto failed = [fd](int failure) {
        ::close(fd);
        return failure;
    };
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return failed(n < 0 ? errno : EIO);
        done += n;
    }
    if (writing == Writing::InPlace && ::ftruncate(fd, off_t(bytes.size())) != 0)
        return failed(errno);
    // FAT and many shares keep no permissions, and some cannot sync a file.
    if (writing == Writing::NewFile && ::fchmod(fd, filePermissions()) != 0 && !isUnsupported(errno))
        return failed(errno);
    if (batchDepth == 0 && ::fsync(fd) != 0 && !isUnsupported(errno))
        return failed(errno);
    return ::close(fd) == 0 ? 0 : errno;
}

// After a link or a rename the new name is on the disk only once its folder
// is. Not every file system can sync a folder, and the file is named
// whatever the answer, so a refusal changes nothing.
void syncFolder(const QString &folder)
{
    if (batchDepth > 0) {
        batchFolders.insert(folder);
        return;
    }
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool isOlderThanADay(const struct stat &status)
{
    return std::time(nullptr) - status.st_mtime > 24 * 60 * 60;
}

// Temporaries and claims a killed writer left behind, once per folder and
// run: every reader skips hidden names, this keeps them from piling up.
// A day gives any writer still at work, on a server whose clock is off,
// all the time it needs.
void sweepOnce(const QString &folder)
{
    static QMutex mutex;
    static QSet<QString> swept;
    {
        QMutexLocker lock(&mutex);
        if (swept.contains(folder))
            return;
        swept.insert(folder);
    }
    const QByteArray base = QFile::encodeName(folder) + '/';
    DIR *dir = ::opendir(base.constData());
    if (!dir)
        return;
    const size_t prefixLength = std::strlen(kTemporaryPrefix);
    const size_t claimLength = std::strlen(kClaimPrefix);
    while (const dirent *entry = ::readdir(dir)) {
        if (std::strncmp(entry->d_name, kTemporaryPrefix, prefixLength) != 0)
            continue;
        const QByteArray path = base + entry->d_name;
        struct stat status {};
        if (::lstat(path.constData(), &status) != 0 || !isOlderThanADay(status))
            continue;
        if (S_ISDIR(status.st_mode) && std::strncmp(entry->d_name, kClaimPrefix, claimLength) == 0)
            ::rmdir(path.constData());
        else if (S_ISREG(status.st_mode))
            ::unlink(path.constData());
    }
    ::closedir(dir);
}

// A hidden file in `folder`, made new and written whole; its name, or an
// empty one with `failure` set.
QByteArray writeTemporary(const QString &folder, const QByteArray &bytes, int &failure)
{
    const QByteArray pattern =
        QFile::encodeName(folder + u'/' + QLatin1String(kTemporaryPrefix) + QStringLiteral("XXXXXX"));
    QByteArray name;
    int fd = -1;
    failure = retried([&] {
        name = pattern;
        fd = ::mkostemp(name.data(), O_CLOEXEC);
        return fd < 0 ? -1 : 0;
    });
    if (failure != 0)
        return {};
    failure = writeWhole(fd, bytes);
    if (failure != 0) {
        ::unlink(name.constData());
        return {};
    }
    return name;
}

bool isNoHardLinks(int failure)
{
    return failure == EPERM || failure == ENOTSUP || failure == EOPNOTSUPP || failure == ENOSYS
        || failure == EXDEV;
}

// Renames `from` to `to` only while `to` is free, in one step; EINVAL where
// the system or the file system cannot (glibc before 2.28 has no wrapper).
int renameNoReplace(const QByteArray &from, const QByteArray &to)
{
#if defined(Q_OS_LINUX) && defined(RENAME_NOREPLACE)
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 28))
    return ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
#elif defined(SYS_renameat2)
    return int(::syscall(SYS_renameat2, AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE));
#endif
#endif
    Q_UNUSED(from);
    Q_UNUSED(to);
    errno = EINVAL;
    return -1;
}

// The claim folder of `name`: the name itself where it fits, else its hash.
QByteArray claimPath(const QString &folder, const QString &name)
{
    QByteArray claim = kClaimPrefix + QFile::encodeName(name);
    if (claim.size() > 200)
        claim = kClaimPrefix + QCryptographicHash::hash(QFile::encodeName(name), QCryptographicHash::Sha1).toHex();
    return QFile::encodeName(folder) + '/' + claim;
}

constexpr int kNoClaim = -1;

// Gives the whole file `temporary` the name `target` while that is free:
// first the hidden folder claiming the name is made (mkdir is exclusive
// where O_EXCL is not, as on a Samba share through smbnetfs), then the
// file is renamed onto the name without replacing, or, where the file
// system cannot, after seeing the name still free. 0, EEXIST when the name
// is taken or being taken, kNoClaim when no claim folder can be made here,
// else the errno.
int renameUnderClaim(const QString &folder, const QString &name, const QByteArray &temporary,
                     const QByteArray &target)
{
    const QByteArray claim = claimPath(folder, name);
    int made = -1;
    for (int attempt = 0; attempt < 3 && made != 0; ++attempt) {
        made = retried([&] { return ::mkdir(claim.constData(), 0700); });
        if (made == 0)
            break;
        if (made != EEXIST && made != EPERM) // sshfs says EPERM for a name that exists
            return kNoClaim;
        struct stat status {};
        if (::lstat(claim.constData(), &status) != 0)
            continue; // given up meanwhile
        if (!isOlderThanADay(status))
            return EEXIST; // another writer is giving the name its file
        ::rmdir(claim.constData());
    }
    if (made != 0)
        return made == EPERM && !exists(claim) ? kNoClaim : EEXIST;

    int failure = retried([&] { return renameNoReplace(temporary, target); });
    if (failure == EPERM && exists(target))
        failure = EEXIST;
    else if (isUnsupported(failure))
        failure = exists(target) ? EEXIST : retried([&] { return ::rename(temporary.constData(), target.constData()); });
    // A rename the server did but answered EIO to: the file has its name.
    if (failure != 0 && failure != EEXIST && !exists(temporary) && exists(target))
        failure = 0;
    retried([&] { return ::rmdir(claim.constData()); });
    return failure;
}

// The file at `target` opened for writing in place when it is a regular
// file with no other name: never a link, a device or a pipe. -1 with
// `failure` set otherwise.
int openInPlace(const QByteArray &target, int &failure)
{
    struct stat before {};
    if (::lstat(target.constData(), &before) != 0) {
        failure = errno;
        return -1;
    }
    if (!S_ISREG(before.st_mode) || before.st_nlink > 1) {
        failure = S_ISLNK(before.st_mode) ? ELOOP : S_ISDIR(before.st_mode) ? EISDIR : before.st_nlink > 1 ? EMLINK : EINVAL;
        return -1;
    }
    const int fd = ::open(target.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        failure = errno;
        return -1;
    }
    struct stat now {};
    if (::fstat(fd, &now) != 0 || now.st_dev != before.st_dev || now.st_ino != before.st_ino || now.st_nlink > 1) {
        failure = EBUSY; // changed while it was being opened
        ::close(fd);
        return -1;
    }
    return fd;
}

// Whether a rename refused onto `target` may be the share's contention
// rather than the sticky folder's rule that only a file's owner (or the
// folder's) takes its name away.
bool mayTakeTheName(const QString &folder, const QByteArray &target)
{
    struct stat status {};
    if (::stat(QFile::encodeName(folder).constData(), &status) != 0 || !(status.st_mode & S_ISVTX))
        return true;
    const uid_t me = ::geteuid();
    if (me == 0 || status.st_uid == me)
        return true;
    return ::lstat(target.constData(), &status) != 0 || status.st_uid == me;
}

#endif

} // namespace

bool createExclusively(const QString &path, const QByteArray &bytes, QString *error, bool *alreadyExists)
{
    if (alreadyExists)
        *alreadyExists = false;
#ifdef Q_OS_UNIX
    auto fail = [&](int failure) {
        if (alreadyExists)
            *alreadyExists = failure == EEXIST;
        if (error)
            *error = reason(failure);
        return false;
    };
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    sweepOnce(folder);
    const QByteArray target = QFile::encodeName(path);
    int failure = 0;
    const QByteArray temporary = writeTemporary(folder, bytes, failure);
    if (temporary.isEmpty())
        return fail(failure);
    failure = hardLinksRefused ? EPERM : retried([&] { return ::link(temporary.constData(), target.constData()); });
    // EPERM: no hard links here (FAT, smbnetfs, sshfs), or sshfs's word for
    // a taken name. EEXIST after an EIO may be our own link, made though
    // the answer was lost.
    if (failure == EPERM && exists(target))
        failure = EEXIST;
    if (failure == EEXIST && isSameFile(temporary, target))
        failure = 0;
    if (!isNoHardLinks(failure)) {
        ::unlink(temporary.constData());
        if (failure != 0)
            return fail(failure);
        syncFolder(folder);
        return true;
    }

    // No hard links here: the whole file is renamed onto the name it claimed.
    failure = renameUnderClaim(folder, info.fileName(), temporary, target);
    if (failure != kNoClaim) {
        if (failure != 0) {
            ::unlink(temporary.constData());
            return fail(failure);
        }
        syncFolder(folder);
        return true;
    }

    // Not even a folder can be made: the name itself is created new, then
    // written, exclusive only as far as the file system keeps O_EXCL.
    ::unlink(temporary.constData());
    int fd = -1;
    failure = retried([&] {
        fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        return fd < 0 ? -1 : 0;
    });
    if (failure == EPERM && exists(target))
        failure = EEXIST;
    if (failure != 0)
        return fail(failure);
    failure = writeWhole(fd, bytes);
    if (failure != 0) {
        ::unlink(target.constData());
        return fail(failure);
    }
    syncFolder(folder);
    return true;
#else
    // Created new under its own name, never checked and then renamed.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (alreadyExists)
            *alreadyExists = QFileInfo::exists(path);
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        file.close();
        file.remove();
        return false;
    }
    file.close();
    return true;
#endif
}

bool replaceAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
#ifdef Q_OS_UNIX
    const QString folder = QFileInfo(path).absolutePath();
    sweepOnce(folder);
    const QByteArray target = QFile::encodeName(path);
    int failure = 0;
    const QByteArray temporary = writeTemporary(folder, bytes, failure);
    if (!temporary.isEmpty()) {
        // rename() replaces the name itself: a link there is replaced, not
        // its target. A share refuses it now and then while another client
        // has the file open; a sticky folder refuses it for good.
        failure = retried([&] { return ::rename(temporary.constData(), target.constData()); },
                          mayTakeTheName(folder, target));
        if (failure == 0) {
            syncFolder(folder);
            return true;
        }
        ::unlink(temporary.constData());
    }
    // No temporary beside it (a read-only program folder), or its name
    // belongs to another account (a sticky folder): the file itself, when
    // it is one this account may write. Not whole if cut short, but only
    // the copy of the latest report is written so.
    int inPlace = 0;
    const int fd = openInPlace(target, inPlace);
    if (fd >= 0 && writeWhole(fd, bytes, Writing::InPlace) == 0)
        return true;
    if (error)
        *error = reason(failure);
    return false;
#else
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
#endif
}

QString whyCannotReplace(const QString &path)
{
#ifdef Q_OS_UNIX
    const QString folder = QFileInfo(path).absolutePath();
    const QByteArray target = QFile::encodeName(path);
    struct stat status {};
    const bool standing = ::lstat(target.constData(), &status) == 0;
    if (standing && S_ISDIR(status.st_mode))
        return reason(EISDIR);
    QByteArray probe = QFile::encodeName(folder + u'/' + QLatin1String(kTemporaryPrefix) + QStringLiteral("XXXXXX"));
    const int made = ::mkostemp(probe.data(), O_CLOEXEC);
    int failure = made < 0 ? errno : 0;
    if (made >= 0) {
        ::close(made);
        ::unlink(probe.constData());
        if (!standing || mayTakeTheName(folder, target))
            return {};
        failure = EPERM;
    }
    int inPlace = 0;
    const int fd = standing ? openInPlace(target, inPlace) : -1;
    if (fd >= 0) {
        ::close(fd);
        return {};
    }
    return reason(failure);
#else
    const QFileInfo info(path);
    // Shown in the player's start-up warning, in the language of its other texts.
    return !info.exists() || info.isWritable() ? QString() : QCoreApplication::translate("bank::AtomicFile", "accés denegat");
#endif
}

SyncBatch::SyncBatch()
{
    ++batchDepth;
}

SyncBatch::~SyncBatch()
{
    if (--batchDepth > 0)
        return;
#ifdef Q_OS_UNIX
    QSet<dev_t> synced;
    for (const QString &folder : std::as_const(batchFolders)) {
        const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat status {};
        if (::fstat(fd, &status) == 0 && !synced.contains(status.st_dev)) {
            synced.insert(status.st_dev);
#ifdef Q_OS_LINUX
            ::syncfs(fd);
#else
            ::sync();
#endif
        }
        ::close(fd);
    }
#endif
    batchFolders.clear();
}

namespace testing {

void refuseHardLinks(bool refuse)
{
    hardLinksRefused = refuse;
}

} // namespace testing

} // namespace bank
