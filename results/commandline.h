// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

namespace results {

// RESULTATS BRENLOQ [--csv FILE] [--questions-csv FILE] [--xlsx FILE] [--folder PATH]
struct CommandLine {
    bool asksForHelp = false; // --help or --version: answered as every program of the kit answers them
    QString csvFile; // empty: open the window
    QString questionsCsvFile; // the per-question statistics; empty: none
    QString xlsxFile;         // both as a workbook; empty: none
    QString folder;  // empty: the program's own folder
    QString error;   // what is wrong with the arguments
};
CommandLine parseCommandLine(const QStringList &arguments);

// The --csv option, as --help lists it.
QCommandLineOption csvOption();
QCommandLineOption questionsCsvOption();
QCommandLineOption xlsxOption();

inline constexpr int kExportFailed = 1;
inline constexpr int kBadArguments = 2;

// Writes every report of the program folder to `csvFile`. 0 on success;
// `messages` receives the files skipped and what went wrong.
int exportCsv(const QString &programFolder, const QString &csvFile, QStringList &messages);
// The per-question statistics of every report with a session record.
int exportQuestionsCsv(const QString &programFolder, const QString &csvFile, QStringList &messages);
// The table and the per-question statistics as an .xlsx workbook.
int exportXlsx(const QString &programFolder, const QString &xlsxFile, QStringList &messages);

} // namespace results
