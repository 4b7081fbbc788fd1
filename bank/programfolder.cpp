#include "programfolder.h"

#include "folders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace bank {

namespace {

QString absolute(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

QString folderFromSettings(const QStringList &settingsDirs)
{
    for (const QString &dir : settingsDirs) {
        if (dir.isEmpty())
            continue;
        const QString file = dir + u'/' + QString::fromLatin1(kSettingsFile);
        if (!QFileInfo(file).isFile())
            continue;
        const QSettings settings(file, QSettings::IniFormat);
        return settings.value(QStringLiteral("folder")).toString().trimmed();
    }
    return {};
}

ProgramFolder findProgramFolder(const FolderClues &clues)
{
    if (!clues.option.isEmpty())
        return {absolute(clues.option), FolderSource::Option};
    if (!clues.environment.isEmpty())
        return {absolute(clues.environment), FolderSource::Environment};
    const QString configured = folderFromSettings(clues.settingsDirs);
    if (!configured.isEmpty())
        return {absolute(configured), FolderSource::Settings};
    if (QFileInfo(findEntry(clues.executableFolder, QString::fromLatin1(kQuestionsFolder))).isDir())
        return {absolute(clues.executableFolder), FolderSource::Executable};
    return {absolute(clues.documentsFolder + u'/' + QString::fromLatin1(kUserFolderName)),
            FolderSource::UserCopy};
}

bool copyMissing(const QString &from, const QString &to, QString *failed)
{
    auto fail = [failed](const QString &path) {
        if (failed)
            *failed = path;
        return false;
    };
    if (!QDir().mkpath(to))
        return fail(to);
    const QDir source(from);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo entry = it.fileInfo();
        const QString target = to + u'/' + source.relativeFilePath(entry.filePath());
        if (entry.isSymLink())
            continue;
        if (entry.isDir()) {
            if (!QDir().mkpath(target))
                return fail(target);
        } else if (entry.isFile()) {
            if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
                continue;
            if (!QFile::copy(entry.filePath(), target))
                return fail(target);
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner
                                              | QFile::ReadOwner);
        }
    }
    return true;
}

} // namespace bank
