// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/programfolder.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QCoreApplication;
class QWidget;

namespace ui {

// What one program says and needs at start, in its own language.
struct StartupTexts
{
    QString description;    // first line of --help
    QString folderHelp;     // --folder in --help
    QString folderLine;     // "%1" the folder in use, "%2" where it came from
    QString fromOption, fromEnvironment, fromSettings, fromExecutable, fromUserCopy;
    QString missingFolder;  // "%1" the folder
    QString cannotWrite;    // "%1" the folder that must take new files
    QString writableFolder; // inside the program folder; empty when nothing is written
    QString latestReportUnwritable; // "%1" ultimo.rtf, "%2" why; empty when the program keeps none
    QString sharedFolderHelp; // --help: how a school points every account at one folder
    QString cannotCopyFile, cannotCopyFolder; // the user's copy: "%1" what, "%2" why
    QString userCopyNote;   // once, when the user's copy is whole: "%1" the folder
    QString badSettings;    // "%1" the settings file, "%2" its folder=, "%3" why
    QString settingsUnreadable, notAbsolute, notFound, notAFolder; // the whys
    // The program's own options: listed by --help and let through, for the
    // program to read itself.
    QList<QCommandLineOption> moreOptions{};
    // The installer works from its own folder, as on a stick, and looks for
    // no program folder at all.
    bool needsProgramFolder = true;
};

// The texts every program says about its folder, in the language loaded.
StartupTexts commonStartupTexts();

// Reads --help, --version and --folder, finds the program folder (making the
// user's copy from the installed demo on first start) and checks that it can
// be used, saying what is wrong in a message box. Returns an exit code when
// the program must end now (after --help, or without a folder to work on).
std::optional<int> startUp(QCoreApplication &app, const StartupTexts &texts);
// The same with the command line given (the program's name first).
std::optional<int> startUp(const QStringList &arguments, const StartupTexts &texts);

// What startUp() warns about the files the program will write in
// `programFolder`: a writable folder that cannot take new files (for the
// reports folder, the writer's own rule, naming what is wrong with it), and
// an ultimo.rtf that can be neither replaced nor written.
QStringList writeWarnings(const QString &programFolder, const StartupTexts &texts);

// True when the command line asks only for --help or --version: those are
// answered on the terminal, with no window and no screen needed.
bool asksOnlyForHelp(int argc, char *argv[]);

// What one program is called and says at start.
struct ProgramInfo
{
    QString name;            // the application's name
    QString desktopFileName; // its menu entry, for the task bar's icon; empty when it has none
    // Made once the language is loaded.
    std::function<StartupTexts()> texts;
    // The language its windows are written in: spoken where the desktop names none.
    QString sourceLanguage = QStringLiteral("ca");
};

// The start the quiz player, the editor and the installer share: --help and
// --version answered on the terminal, the kit's style, the program folder
// found and checked (startUp), then the window `openFirstWindow` makes,
// shown until the last window closes. `prepare` runs once the application
// exists, before the folder is looked for. Returns the exit code.
int runProgram(int argc, char *argv[], const ProgramInfo &info, const std::function<QWidget *()> &openFirstWindow,
               const std::function<void()> &prepare = {});

// The program folder the clues of this run name (--folder given as
// `option`, BRENLOQ_FOLDER, the settings file, the program's own folder, the
// user's copy), without making or checking anything.
bank::ProgramFolder lookUpProgramFolder(const QString &option);

// "Carpeta del programa: PATH (where it came from)." in `texts`' language.
QString folderLineText(const StartupTexts &texts, const bank::ProgramFolder &folder);

// What is wrong with the folder a settings file names, in `texts`' language;
// empty when nothing is.
QString settingsProblemText(const StartupTexts &texts, const bank::ProgramFolder &folder);

// The program folder startUp() chose; empty before it ran.
QString chosenProgramFolder();

// The installed demo program folder, empty when this copy is not installed.
QString installedDemoFolder();

} // namespace ui
