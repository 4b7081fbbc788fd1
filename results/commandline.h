#pragma once

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

namespace results {

// RESULTATS BRENLOQ [--csv FILE] [--folder PATH]
struct CommandLine {
    bool asksForHelp = false; // --help or --version: answered as every program of the kit answers them
    QString csvFile; // empty: open the window
    QString folder;  // empty: the program's own folder
    QString error;   // what is wrong with the arguments
};
CommandLine parseCommandLine(const QStringList &arguments);

// The --csv option, as --help lists it.
QCommandLineOption csvOption();

inline constexpr int kExportFailed = 1;
inline constexpr int kBadArguments = 2;

// Writes every report of the program folder to `csvFile`. 0 on success;
// `messages` receives the files skipped and what went wrong.
int exportCsv(const QString &programFolder, const QString &csvFile, QStringList &messages);

} // namespace results
