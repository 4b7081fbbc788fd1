#include "folders.h"

#include "readfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>
#include <vector>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

namespace bank {

QString findEntry(const QString &folder, const QString &name)
{
    const QString exact = folder + u'/' + name;
    if (name.isEmpty() || QFileInfo::exists(exact))
        return exact;
    const QDir dir(folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + u'/' + entry;
    }
    return exact;
}

QString resolvePath(const QString &base, const QString &relative)
{
    QString path = base;
    const auto parts = QStringView(relative).split(u'/', Qt::SkipEmptyParts);
    for (QStringView part : parts) {
        const auto inner = part.split(u'\\', Qt::SkipEmptyParts);
        for (QStringView component : inner)
            path = findEntry(path, component.toString());
    }
    return path;
}

QStringList subfolders(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    // Real folders only: a link may lead to a device or out of the bank.
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                                  QDir::Name | QDir::IgnoreCase);
}

namespace {

// The files of `folder` (links followed, hidden ones left out) in the
// folder's own order. A bank folder can hold thousands of questions: on Unix
// the names and kinds come straight from the folder, a file's details being
// looked up only for a link or an entry of unknown kind.
QStringList unsortedFileNames(const QString &folder)
{
    if (folder.isEmpty())
        return {};
#ifdef Q_OS_UNIX
    QStringList names;
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.') // hidden, and "." and ".."
            continue;
        const QString name = QFile::decodeName(entry->d_name);
        const bool isFile = entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN
            ? QFileInfo(folder + u'/' + name).isFile()
            : entry->d_type == DT_REG;
        if (isFile)
            names.append(name);
    }
    ::closedir(dir);
    return names;
#else
    return QDir(folder).entryList(QDir::Files, QDir::NoSort);
#endif
}

} // namespace

QStringList fileNames(const QString &folder)
{
    const QStringList names = unsortedFileNames(folder);
    // Alphabetical ignoring case, by the lower-case names as QDir sorts.
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(size_t(names.size()));
    for (const QString &name : names)
        keyed.emplace_back(name.toLower(), name);
    std::sort(keyed.begin(), keyed.end());
    QStringList sorted;
    sorted.reserve(names.size());
    for (const auto &entry : keyed)
        sorted.append(entry.second);
    return sorted;
}

int fileCount(const QString &folder)
{
    return static_cast<int>(unsortedFileNames(folder).size());
}

bool isBareFileName(const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(u':')
        && !name.contains(QChar(0));
}

QString resolveReferenced(const QString &programFolder, ReferencedKind kind, const QString &name)
{
    if (!isBareFileName(name))
        return {};
    const QString folder = findEntry(programFolder, kind == ReferencedKind::Picture
                                                        ? QString::fromLatin1(kPicturesFolder)
                                                        : QString::fromLatin1(kTextsFolder));
    const QString path = findEntry(folder, name);
    return QFileInfo(path).isFile() && isInside(path, programFolder) ? path : QString();
}

} // namespace bank
