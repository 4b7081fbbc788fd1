// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programfolder.h"

#include "atomicfile.h"
#include "folders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace bank {

namespace {

QString absolute(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// "~" and "~/..." are the home of the account that starts the program: one
// settings file for the whole machine may name a folder in every home.
QString expandHome(const QString &path, const QString &home)
{
    if (path == u'~')
        return home;
    if (path.startsWith(QStringLiteral("~/")))
        return home + path.mid(1);
    return path;
}

// mkdir of each missing level; another start making the same folder at the
// same instant is no failure.
bool makeFolder(const QString &path, CopyFailure *failure)
{
    if (QFileInfo(path).isDir())
        return true;
    const QString parent = QFileInfo(path).path();
    if (parent != path && !makeFolder(parent, failure))
        return false;
    if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0)
        return true;
    const int error = errno;
    if (error == EEXIST && QFileInfo(path).isDir())
        return true;
    if (failure)
        *failure = {path, true, QString::fromLocal8Bit(std::strerror(error))};
    return false;
}

} // namespace

std::optional<QString> settingsValue(const QByteArray &text, const QString &key)
{
    QByteArray bytes = text;
    if (bytes.startsWith("\xEF\xBB\xBF")) // saved by a Windows editor
        bytes.remove(0, 3);
    std::optional<QString> value;
    for (const QString &raw : QString::fromUtf8(bytes).split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u';') || line.startsWith(u'['))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0 && line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            value = line.mid(equals + 1).trimmed();
    }
    return value;
}

SettingsFolder folderFromSettings(const QStringList &settingsDirs)
{
    for (const QString &dir : settingsDirs) {
        if (dir.isEmpty())
            continue;
        const QString path = dir + u'/' + QString::fromLatin1(kSettingsFile);
        if (!QFileInfo(path).isFile())
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {path, {}, true};
        const QString value = settingsValue(file.read(64 * 1024), QStringLiteral("folder")).value_or(QString());
        if (!value.isEmpty())
            return {path, value, false};
    }
    return {};
}

ProgramFolder findProgramFolder(const FolderClues &clues)
{
    if (!clues.option.isEmpty())
        return {absolute(clues.option), FolderSource::Option};
    if (!clues.environment.isEmpty())
        return {absolute(clues.environment), FolderSource::Environment};
    const SettingsFolder settings = folderFromSettings(clues.settingsDirs);
    if (!settings.file.isEmpty()) {
        ProgramFolder folder{{}, FolderSource::Settings, settings.file, settings.value};
        const QString path = expandHome(settings.value, clues.homeFolder);
        const QFileInfo info(path);
        if (settings.unreadable)
            folder.problem = SettingsProblem::Unreadable;
        else if (QDir::isRelativePath(path))
            folder.problem = SettingsProblem::Relative;
        else if (!info.exists())
            folder.problem = SettingsProblem::Missing;
        else if (!info.isDir())
            folder.problem = SettingsProblem::NotAFolder;
        if (!settings.unreadable)
            folder.path = folder.problem == SettingsProblem::Relative ? path : absolute(path);
        return folder;
    }
    if (QFileInfo(findEntry(clues.executableFolder, QString::fromLatin1(kQuestionsFolder))).isDir())
        return {absolute(clues.executableFolder), FolderSource::Executable};
    return {absolute(clues.documentsFolder + u'/' + QString::fromLatin1(kUserFolderName)),
            FolderSource::UserCopy};
}

bool copyMissing(const QString &from, const QString &to, CopyFailure *failure)
{
    if (!makeFolder(to, failure))
        return false;
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
            if (!makeFolder(target, failure))
                return false;
        } else if (entry.isFile()) {
            if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
                continue;
            QFile in(entry.filePath());
            QString error;
            bool taken = false;
            if (!in.open(QIODevice::ReadOnly)) {
                error = in.errorString();
            } else if (const QByteArray bytes = in.readAll(); in.error() != QFile::NoError) {
                error = in.errorString();
            } else if (createExclusively(target, bytes, &error, &taken) || taken) {
                continue; // made here, or by a start copying at the same time
            }
            if (failure)
                *failure = {target, false, error};
            return false;
        }
    }
    return true;
}

QString interfaceLanguageFor(const QStringList &uiLanguages)
{
    // Schools in Galicia, the Basque Country, Asturias and Aragon teach in
    // Spanish as well, and their pupils read it; Catalan is no nearer there.
    static const QStringList spanishToo = {QStringLiteral("gl"), QStringLiteral("eu"), QStringLiteral("ast"),
                                           QStringLiteral("an")};
    bool namesALanguage = false;
    for (const QString &tag : uiLanguages) {
        const QString language = tag.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (language.isEmpty() || language == u"c" || language == u"posix")
            continue;
        namesALanguage = true;
        if (language == u"ca" || language == u"es" || language == u"en")
            return language;
        if (spanishToo.contains(language))
            return QStringLiteral("es");
    }
    // Any other language: English, which a school in France or Germany
    // reads far more readily than Catalan. No language at all is a machine
    // nobody set up, which keeps the demo as shipped.
    return namesALanguage ? QStringLiteral("en") : QString();
}

UserCopy completeUserCopy(const QString &demo, const QString &folder, CopyFailure *failure, const QString &language)
{
    const QString mark = folder + u'/' + QString::fromLatin1(kUserCopyMark);
    if (QFileInfo::exists(mark) && QFileInfo(findEntry(folder, QString::fromLatin1(kQuestionsFolder))).isDir())
        return UserCopy::AlreadyWhole;
    // The language's set goes in first: the demo's own idioma/ then only
    // fills in a file the set lacks, and a copy finished by a later start
    // keeps the texts it began with.
    const QString set = findEntry(findEntry(demo, QString::fromLatin1(kLanguageSetsFolder)), language);
    if (!language.isEmpty() && QFileInfo(set).isDir()
        && !copyMissing(set, findEntry(folder, QString::fromLatin1(kLanguageFolder)), failure))
        return UserCopy::Failed;
    if (!copyMissing(demo, folder, failure))
        return UserCopy::Failed;
    bool taken = false;
    QString error;
    // Written last, and only once: a start at the same time finds it taken.
    if (createExclusively(mark, "copied from " + QFile::encodeName(demo) + '\n', &error, &taken))
        return UserCopy::FinishedNow;
    if (taken)
        return UserCopy::AlreadyWhole;
    if (failure)
        *failure = {mark, false, error};
    return UserCopy::Failed;
}

} // namespace bank
