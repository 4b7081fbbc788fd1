#include "atomicfile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace bank {

bool createExclusively(const QString &path, const QByteArray &bytes, QString *error, bool *alreadyExists)
{
    if (alreadyExists)
        *alreadyExists = false;
    const QFileInfo info(path);
    QTemporaryFile temporary(info.absolutePath() + QStringLiteral("/.nou-XXXXXX.tmp"));
    if (!temporary.open() || temporary.write(bytes) != bytes.size() || !temporary.flush()) {
        if (error)
            *error = temporary.errorString();
        return false;
    }
#ifdef Q_OS_UNIX
    ::fsync(temporary.handle());
    temporary.close();
    if (::link(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(path).constData()) == 0)
        return true;
    const int failure = errno;
    if (alreadyExists)
        *alreadyExists = failure == EEXIST;
    if (error)
        *error = QString::fromLocal8Bit(std::strerror(failure));
    return false;
#else
    temporary.close();
    if (info.exists()) {
        if (alreadyExists)
            *alreadyExists = true;
        if (error)
            *error = QStringLiteral("File exists");
        return false;
    }
    if (!QFile::rename(temporary.fileName(), path)) {
        if (error)
            *error = QStringLiteral("Cannot rename");
        return false;
    }
    temporary.setAutoRemove(false);
    return true;
#endif
}

bool replaceAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace bank
