// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace bank {

// Where a program's folder (questions, pictures, language files, reports)
// comes from. A copy run from its own folder, as shipped on a stick, finds
// the folder beside it; an installed copy is pointed elsewhere.
enum class FolderSource {
    Option,      // --folder PATH
    Environment, // BRENLOQ_FOLDER
    Settings,    // folder= in brenloq/brenloq.conf of a system settings folder
    Executable,  // the folder of the program, when it holds the questions
    UserCopy,    // BRENLOQ in the user's documents, made from the installed demo
};

// What a program knows of its surroundings when it starts.
struct FolderClues
{
    QString option;           // the value of --folder, empty when not given
    QString environment;      // BRENLOQ_FOLDER, empty when unset
    QStringList settingsDirs; // system settings folders, first wins (XDG_CONFIG_DIRS)
    QString executableFolder;
    QString documentsFolder;  // the user's documents folder
    QString homeFolder;       // for a settings file's folder=~/...
};

// Why the folder a settings file names cannot be used. A school that set
// one up wants to hear about it, not to find every account on its own copy.
enum class SettingsProblem {
    None,
    Unreadable, // the settings file cannot be read
    Relative,   // it would depend on the folder the program starts in
    Missing,
    NotAFolder,
};

struct ProgramFolder
{
    QString path; // absolute, cleaned (as written when the settings give a relative one)
    FolderSource source = FolderSource::Executable;
    QString settingsFile{};  // Settings: the file that named the folder
    QString settingsValue{}; // Settings: its folder= value as written
    SettingsProblem problem = SettingsProblem::None; // Settings only
};

inline constexpr auto kFolderEnvironment = "BRENLOQ_FOLDER";
inline constexpr auto kSettingsFile = "brenloq/brenloq.conf";
inline constexpr auto kUserFolderName = "BRENLOQ";

// The first clue that names a folder wins; a named folder is used even when
// it does not exist, so that the user hears about the folder they asked for.
// A settings folder that cannot be used is returned with its problem, never
// passed over for the next clue.
ProgramFolder findProgramFolder(const FolderClues &clues);

// The value of the last `key=value` line for `key` (any case) in the text
// of a settings file, as written: UTF-8, trimmed of the blanks around it, no
// quoting or escapes, since a school's share may be named with commas,
// semicolons or backslashes. Lines starting with # or ; and [section]
// headers are ignored. Empty when there is no such line.
std::optional<QString> settingsValue(const QByteArray &text, const QString &key);

// The first settings file of `settingsDirs` with a non-empty folder= entry,
// or the first one that cannot be read.
struct SettingsFolder
{
    QString file; // empty when no settings file names a folder
    QString value;
    bool unreadable = false;
};
SettingsFolder folderFromSettings(const QStringList &settingsDirs);

// What could not be made while copying a folder tree.
struct CopyFailure
{
    QString path;
    bool isFolder = false;
    QString reason; // the system's words
};

// Copies the folder tree `from` into `to`, creating folders as needed. A file
// already in `to` is kept as it is; hidden files, links and special files are not
// copied. Each file appears whole under its name or not at all, so that
// several starts copying at once (or one stopped by a full disk) never see
// half a file and never fail because another made the same file first.
// Copies are writable by their owner. On failure, `failure` says what could
// not be made.
bool copyMissing(const QString &from, const QString &to, CopyFailure *failure = nullptr);

// The hidden file that marks a user's copy as whole.
inline constexpr auto kUserCopyMark = ".brenloq-copia";

enum class UserCopy {
    AlreadyWhole,
    FinishedNow, // this start wrote the mark: the first whole copy
    Failed,
};

// Makes `folder` a whole copy of the installed `demo`: copies what is
// missing until a copy has finished once, then marks the folder so that
// later starts leave it alone (files the user removed stay removed). A copy
// stopped part-way is finished by the next start. The copy's idioma/ is the
// demo's set idiomes/<language> when there is one, the demo's own idioma/
// otherwise.
UserCopy completeUserCopy(const QString &demo, const QString &folder, CopyFailure *failure = nullptr,
                          const QString &language = {});

// The interface texts a new user's copy takes on a desktop whose languages,
// most wanted first, are `uiLanguages` (as QLocale::uiLanguages() gives
// them: "es-ES", "ca", "fr"): "ca", "es" or "en", or empty for the demo's
// own texts when the desktop names no language at all (the C locale).
QString interfaceLanguageFor(const QStringList &uiLanguages);

} // namespace bank
