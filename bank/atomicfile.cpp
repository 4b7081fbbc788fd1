#include "atomicfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace bank {

namespace {

bool hardLinksRefused = false;

#ifdef Q_OS_UNIX

QString reason(int failure)
{
    return QString::fromLocal8Bit(std::strerror(failure));
}

// 0666 less the umask, as for any file the user creates.
mode_t filePermissions()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool isUnsupported(int failure)
{
    return failure == EPERM || failure == EINVAL || failure == ENOSYS || failure == ENOTSUP || failure == EOPNOTSUPP;
}

// Writes all of `bytes` and makes them reach the disk; the errno of the
// first failure, else 0. A failed fsync or close is a failed write: on a
// network disk that is where a full share shows itself.
int writeWhole(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int failure = n < 0 ? errno : EIO;
            ::close(fd);
            return failure;
        }
        done += n;
    }
    // FAT and many shares keep no permissions, and some cannot sync a file.
    if (::fchmod(fd, filePermissions()) != 0 && !isUnsupported(errno)) {
        const int failure = errno;
        ::close(fd);
        return failure;
    }
    if (::fsync(fd) != 0 && !isUnsupported(errno)) {
        const int failure = errno;
        ::close(fd);
        return failure;
    }
    return ::close(fd) == 0 ? 0 : errno;
}

// A hidden file next to `path`, made new and written whole; its name, or an
// empty one with `failure` set.
QByteArray writeTemporary(const QString &path, const QByteArray &bytes, int &failure)
{
    const QFileInfo info(path);
    QByteArray name = QFile::encodeName(info.absolutePath() + u'/' + QLatin1String(kTemporaryPrefix) + QStringLiteral("XXXXXX"));
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        failure = errno;
        return {};
    }
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
    const QByteArray target = QFile::encodeName(path);
    int failure = 0;
    const QByteArray temporary = writeTemporary(path, bytes, failure);
    if (temporary.isEmpty())
        return fail(failure);
    const int linked = hardLinksRefused ? -1 : ::link(temporary.constData(), target.constData());
    failure = linked == 0 ? 0 : (hardLinksRefused ? EPERM : errno);
    ::unlink(temporary.constData());
    if (linked == 0)
        return true;
    if (!isNoHardLinks(failure))
        return fail(failure);

    // No hard links here: the name itself is created new, then written.
    const int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0)
        return fail(errno);
    failure = writeWhole(fd, bytes);
    if (failure != 0) {
        ::unlink(target.constData());
        return fail(failure);
    }
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
    int failure = 0;
    const QByteArray temporary = writeTemporary(path, bytes, failure);
    // rename() replaces the name itself: a link there is replaced, not its
    // target, and a file of another account goes as the folder allows.
    if (!temporary.isEmpty() && ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        failure = errno;
        ::unlink(temporary.constData());
    }
    if (failure != 0 && error)
        *error = reason(failure);
    return failure == 0;
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

namespace testing {

void refuseHardLinks(bool refuse)
{
    hardLinksRefused = refuse;
}

} // namespace testing

} // namespace bank
