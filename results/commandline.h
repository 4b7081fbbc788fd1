#pragma once

#include <QString>
#include <QStringList>

namespace results {

// RESULTATS BRENLOQ [--csv FILE] [--folder PATH]
struct CommandLine {
    QString csvFile; // empty: open the window
    QString folder;  // empty: the program's own folder
    QString error;   // what is wrong with the arguments
};
CommandLine parseCommandLine(const QStringList &arguments);

inline constexpr int kExportFailed = 1;
inline constexpr int kBadArguments = 2;

// Writes every report of the program folder to `csvFile`. 0 on success;
// `messages` receives the files skipped and what went wrong.
int exportCsv(const QString &programFolder, const QString &csvFile, QStringList &messages);

} // namespace results
