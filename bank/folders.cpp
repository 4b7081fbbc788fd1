// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "folders.h"

#include "readfile.h"

#include <QCoreApplication>
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

QString usableReportsFolder(const QString &programFolder, QString *why)
{
    const QString folder = findEntry(programFolder, QString::fromLatin1(kReportsFolder));
    const QFileInfo info(folder);
    // Shown at the player's start, in the language of its other texts.
    const char *problem = nullptr;
    if (info.isSymLink())
        problem = QT_TRANSLATE_NOOP("bank::Folders", "«%1» és un enllaç, i els informes no poden anar a parar fora de la carpeta del programa.");
    else if (!info.exists())
        problem = QT_TRANSLATE_NOOP("bank::Folders", "«%1» no existeix.");
    else if (!info.isDir())
        problem = QT_TRANSLATE_NOOP("bank::Folders", "«%1» no és una carpeta.");
    else if (!isInside(folder, programFolder))
        problem = QT_TRANSLATE_NOOP("bank::Folders", "«%1» és fora de la carpeta del programa.");
    if (why)
        *why = problem ? QCoreApplication::translate("bank::Folders", problem).arg(QString::fromLatin1(kReportsFolder)) : QString();
    return problem ? QString() : folder;
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
QList<FileEntry> listFiles(const QString &folder)
{
    QList<FileEntry> files;
    if (folder.isEmpty())
        return files;
#ifdef Q_OS_UNIX
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return files;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.') // hidden, and "." and ".."
            continue;
        const QString name = QFile::decodeName(entry->d_name);
        bool isLink = entry->d_type == DT_LNK;
        bool isFile = entry->d_type == DT_REG;
        if (isLink || entry->d_type == DT_UNKNOWN) {
            const QFileInfo info(folder + u'/' + name);
            isLink = info.isSymLink();
            isFile = info.isFile();
        }
        if (isFile)
            files.append({name, isLink});
    }
    ::closedir(dir);
#else
    const QFileInfoList infos = QDir(folder).entryInfoList(QDir::Files, QDir::NoSort);
    for (const QFileInfo &info : infos)
        files.append({info.fileName(), info.isSymLink()});
#endif
    return files;
}

QStringList unsortedFileNames(const QString &folder)
{
    QStringList names;
    const QList<FileEntry> files = listFiles(folder);
    names.reserve(files.size());
    for (const FileEntry &file : files)
        names.append(file.name);
    return names;
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
    return static_cast<int>(listFiles(folder).size());
}

QList<FileEntry> fileEntries(const QString &folder)
{
    return listFiles(folder);
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
