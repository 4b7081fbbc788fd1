#pragma once

#include <QString>
#include <QStringList>

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
};

struct ProgramFolder
{
    QString path; // absolute, cleaned
    FolderSource source = FolderSource::Executable;
};

inline constexpr auto kFolderEnvironment = "BRENLOQ_FOLDER";
inline constexpr auto kSettingsFile = "brenloq/brenloq.conf";
inline constexpr auto kUserFolderName = "BRENLOQ";

// The first clue that names a folder wins; a named folder is used even when
// it does not exist, so that the user hears about the folder they asked for.
ProgramFolder findProgramFolder(const FolderClues &clues);

// The folder= entry of the first settings file found in `settingsDirs`.
QString folderFromSettings(const QStringList &settingsDirs);

// Copies the folder tree `from` into `to`, creating folders as needed. A file
// already in `to` is kept as it is; hidden files, links and special files are not
// copied. Copies are writable by their owner. On failure, `failed` names the
// first path that could not be made.
bool copyMissing(const QString &from, const QString &to, QString *failed = nullptr);

} // namespace bank
