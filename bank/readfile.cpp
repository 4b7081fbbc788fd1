// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "readfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace bank {

FileContent readFile(const QString &path, qint64 limit)
{
    FileContent content;
#ifdef Q_OS_UNIX
    // Non-blocking, so that opening a FIFO returns at once; the type is then
    // checked on the descriptor, not on a name that may change meanwhile.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int failure = errno;
        content.problem = failure == ENOENT || failure == ENOTDIR || failure == ELOOP ? FileProblem::Missing
            : failure == ENXIO                                                     ? FileProblem::NotAFile
                                                                                   : FileProblem::Unreadable;
        content.error = QString::fromLocal8Bit(std::strerror(failure));
        return content;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        content.problem = FileProblem::NotAFile;
        return content;
    }
    content.size = status.st_size;
    if (status.st_size > limit) {
        ::close(fd);
        content.problem = FileProblem::TooLarge;
        return content;
    }
    // A file that grows while it is read stops at the limit plus one byte.
    content.bytes.resize(static_cast<qsizetype>(std::max<qint64>(status.st_size, 0)) + 1);
    qsizetype done = 0;
    while (done < content.bytes.size()) {
        const ssize_t n = ::read(fd, content.bytes.data() + done, size_t(content.bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            content.problem = FileProblem::Unreadable;
            content.error = QString::fromLocal8Bit(std::strerror(errno));
            break;
        }
        if (n == 0)
            break;
        done += n;
        if (done > limit) {
            content.problem = FileProblem::TooLarge;
            break;
        }
        if (done == content.bytes.size() && done <= limit)
            content.bytes.resize(std::min<qint64>(limit + 1, qint64(done) * 2));
    }
    ::close(fd);
    content.bytes.truncate(done);
    content.size = std::max<qint64>(content.size, done);
    if (content.problem != FileProblem::None)
        content.bytes.clear();
    return content;
#else
    const QFileInfo info(path);
    if (!info.exists()) {
        content.problem = FileProblem::Missing;
        return content;
    }
    if (!info.isFile()) {
        content.problem = FileProblem::NotAFile;
        return content;
    }
    content.size = info.size();
    if (info.size() > limit) {
        content.problem = FileProblem::TooLarge;
        return content;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        content.problem = FileProblem::Unreadable;
        content.error = file.errorString();
        return content;
    }
    content.bytes = file.read(limit + 1);
    if (content.bytes.size() > limit) {
        content.bytes.clear();
        content.problem = FileProblem::TooLarge;
    }
    return content;
#endif
}

bool isInside(const QString &path, const QString &folder)
{
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    const QString canonicalPath = QFileInfo(path).canonicalFilePath();
    if (canonicalFolder.isEmpty() || canonicalPath.isEmpty())
        return false;
    return canonicalPath.startsWith(canonicalFolder + u'/') || canonicalFolder == u"/";
}

FileProblem checkFile(const QString &path, const QString &folder, qint64 limit)
{
    const QFileInfo info(path);
    if (!info.exists() || !isInside(path, folder))
        return FileProblem::Missing;
    if (!info.isFile())
        return FileProblem::NotAFile;
    if (info.size() > limit)
        return FileProblem::TooLarge;
    return FileProblem::None;
}

bool isRealFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink();
}

} // namespace bank
