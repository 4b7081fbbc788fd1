// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include "platform.h"
#include "programstyle.h"
#include "translations.h"

#include "bank/atomicfile.h"
#include "bank/folders.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QWidget>

#include <cstdio>

namespace ui {

namespace {

QString chosen;

QString sourceText(const StartupTexts &texts, bank::FolderSource source)
{
    switch (source) {
    case bank::FolderSource::Option:
        return texts.fromOption;
    case bank::FolderSource::Environment:
        return texts.fromEnvironment;
    case bank::FolderSource::Settings:
        return texts.fromSettings;
    case bank::FolderSource::Executable:
        return texts.fromExecutable;
    case bank::FolderSource::UserCopy:
        return texts.fromUserCopy;
    }
    return {};
}

QStringList systemSettingsDirs()
{
    const QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    return dirs.isEmpty() ? QStringList{QStringLiteral("/etc/xdg")}
                          : dirs.split(u':', Qt::SkipEmptyParts);
}

// A folder takes new files when one can really be made there: permission
// bits say nothing on a read-only disk or to the administrator.
bool takesNewFiles(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.brenloq-probe-XXXXXX"));
    return probe.open();
}

} // namespace

QString folderLineText(const StartupTexts &texts, const bank::ProgramFolder &folder)
{
    return texts.folderLine.arg(QDir::toNativeSeparators(folder.path), sourceText(texts, folder.source));
}

QString settingsProblemText(const StartupTexts &texts, const bank::ProgramFolder &folder)
{
    QString why;
    switch (folder.problem) {
    case bank::SettingsProblem::None:
        return {};
    case bank::SettingsProblem::Unreadable:
        why = texts.settingsUnreadable;
        break;
    case bank::SettingsProblem::Relative:
        why = texts.notAbsolute;
        break;
    case bank::SettingsProblem::Missing:
        why = texts.notFound;
        break;
    case bank::SettingsProblem::NotAFolder:
        why = texts.notAFolder;
        break;
    }
    return texts.badSettings.arg(QDir::toNativeSeparators(folder.settingsFile), folder.settingsValue, why);
}

namespace {

// Said on the terminal as well, for scripts and for a machine without a screen.
void tell(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    message(nullptr, text);
}

} // namespace

StartupTexts commonStartupTexts()
{
    // Written in Catalan, as the player speaks; a program written in another
    // language loads these in its own when the desktop names none.
    StartupTexts texts;
    texts.folderLine = QCoreApplication::translate("ui::Startup", "Carpeta del programa: %1 (%2).");
    texts.fromOption = QCoreApplication::translate("ui::Startup", "de l'opció --folder");
    texts.fromEnvironment = QCoreApplication::translate("ui::Startup", "de la variable BRENLOQ_FOLDER");
    texts.fromSettings = QCoreApplication::translate("ui::Startup", "de la configuració del sistema");
    texts.fromExecutable = QCoreApplication::translate("ui::Startup", "la carpeta del programa mateix");
    texts.fromUserCopy = QCoreApplication::translate("ui::Startup", "la carpeta de l'usuari");
    texts.missingFolder = QCoreApplication::translate("ui::Startup", "No es troba la carpeta del programa «%1».");
    texts.sharedFolderHelp = QCoreApplication::translate("ui::Startup", 
        "Per fer servir una carpeta compartida des de tots els comptes (els informes de tots els alumnes "
        "en un sol lloc), poseu folder=CAMÍ a /etc/xdg/brenloq/brenloq.conf (n'hi ha un exemple a "
        "/usr/share/doc/brenloq/brenloq.conf), o doneu la variable BRENLOQ_FOLDER o l'opció --folder. "
        "Sense cap d'aquestes, cada compte té la seva còpia a Documents/BRENLOQ.");
    texts.cannotCopyFile = QCoreApplication::translate("ui::Startup", "No s'ha pogut crear el fitxer «%1» de la còpia de l'usuari: %2.");
    texts.cannotCopyFolder = QCoreApplication::translate("ui::Startup", "No s'ha pogut crear la carpeta «%1» de la còpia de l'usuari: %2.");
    texts.userCopyNote = QCoreApplication::translate("ui::Startup", 
        "S'ha creat la carpeta del programa «%1» en aquest compte. Els informes dels alumnes es desaran "
        "aquí i només es veuran des d'aquest compte. Per compartir una carpeta entre tots els comptes, "
        "vegeu brenloq --help.");
    texts.badSettings = QCoreApplication::translate("ui::Startup", "El fitxer de configuració «%1» indica la carpeta «%2», que no es pot fer servir: %3.");
    texts.settingsUnreadable = QCoreApplication::translate("ui::Startup", "no es pot llegir el fitxer");
    texts.notAbsolute = QCoreApplication::translate("ui::Startup", "cal un camí complet, que comenci per / o per ~/");
    texts.notFound = QCoreApplication::translate("ui::Startup", "no existeix");
    texts.notAFolder = QCoreApplication::translate("ui::Startup", "no és una carpeta");
    return texts;
}

QString chosenProgramFolder()
{
    return chosen;
}

QString installedDemoFolder()
{
#ifdef BRENLOQ_DEMO_FROM_PROGRAM
    // Beside an installed program, wherever the prefix is (a DESTDIR too).
    const QString beside = QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/'
                                           + QStringLiteral(BRENLOQ_DEMO_FROM_PROGRAM));
    if (QFileInfo(beside).isDir())
        return beside;
#endif
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("brenloq/demo"),
                                  QStandardPaths::LocateDirectory);
}

bank::ProgramFolder lookUpProgramFolder(const QString &option)
{
    bank::FolderClues clues;
    clues.option = option;
    clues.environment = qEnvironmentVariable(bank::kFolderEnvironment);
    clues.settingsDirs = systemSettingsDirs();
    clues.executableFolder = QCoreApplication::applicationDirPath();
    clues.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    clues.homeFolder = QDir::homePath();
    if (clues.documentsFolder.isEmpty())
        clues.documentsFolder = clues.homeFolder;
    return bank::findProgramFolder(clues);
}

QStringList writeWarnings(const QString &programFolder, const StartupTexts &texts)
{
    QStringList warnings;
    if (texts.writableFolder.isEmpty())
        return warnings;
    const QString writable = bank::findEntry(programFolder, texts.writableFolder);
    QString why;
    // The reports folder as the writer will judge it: a link passes a mere
    // "can a file be made there" and then takes no report.
    if (texts.writableFolder.compare(QLatin1String(bank::kReportsFolder), Qt::CaseInsensitive) == 0)
        bank::usableReportsFolder(programFolder, &why);
    if (!why.isEmpty())
        warnings << texts.cannotWrite.arg(QDir::toNativeSeparators(writable)) + u' ' + why;
    else if (!takesNewFiles(writable))
        warnings << texts.cannotWrite.arg(QDir::toNativeSeparators(writable));
    if (!texts.latestReportUnwritable.isEmpty()) {
        const QString latest = bank::findEntry(programFolder, QString::fromLatin1(bank::kLatestReport));
        why = bank::whyCannotReplace(latest);
        if (!why.isEmpty())
            warnings << texts.latestReportUnwritable.arg(QDir::toNativeSeparators(latest), why);
    }
    return warnings;
}

bool asksOnlyForHelp(int argc, char *argv[])
{
    static const QByteArrayList asks = {"-h", "--help", "-?", "--help-all", "-v", "--version"};
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--folder" || arg == "-folder" || arg == "--language" || arg == "-language")
            ++i; // its value may be any name, "-h" too
        else if (asks.contains(arg))
            return true;
    }
    return false;
}

std::optional<int> startUp(QCoreApplication &app, const StartupTexts &texts)
{
    return startUp(app.arguments(), texts);
}

std::optional<int> startUp(const QStringList &arguments, const StartupTexts &texts)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(texts.description);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption folderOption(QStringLiteral("folder"), texts.folderHelp,
                                          QStringLiteral("PATH"));
    if (texts.needsProgramFolder)
        parser.addOption(folderOption);
    const QCommandLineOption language = languageOption();
    parser.addOption(language); // read before too, by useLanguage(), for --help's own texts
    parser.addOptions(texts.moreOptions);
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s\n", parser.errorText().toLocal8Bit().constData());
        return 2;
    }
    if (parser.isSet(version))
        parser.showVersion(); // exits
    if (!texts.needsProgramFolder) {
        if (parser.isSet(help))
            parser.showHelp(); // exits
        return std::nullopt;
    }

    const bank::ProgramFolder folder = lookUpProgramFolder(parser.value(folderOption));

    if (parser.isSet(help)) {
        parser.setApplicationDescription(
            texts.description + u'\n'
            + folderLineText(texts, folder)
            + (folder.problem == bank::SettingsProblem::None ? QString() : u'\n' + settingsProblemText(texts, folder))
            + QStringLiteral("\n\n") + texts.sharedFolderHelp);
        parser.showHelp(); // exits
    }

    chosen = folder.path;
    if (folder.problem != bank::SettingsProblem::None) {
        tell(settingsProblemText(texts, folder));
        return 1;
    }
    // Every start until the copy is whole: one stopped by a full disk is
    // finished, and starts at the same time each find the copy complete.
    const QString demo = folder.source == bank::FolderSource::UserCopy ? installedDemoFolder() : QString();
    if (!demo.isEmpty()) {
        bank::CopyFailure failure;
        // The language the program speaks (--language, else the desktop's),
        // so the folder's texts agree with its windows; none under the C
        // locale keeps the demo as shipped. Passed on rather than set as
        // QLocale's default, which would change how reports write numbers.
        const bank::UserCopy copy = bank::completeUserCopy(
            demo, folder.path, &failure, chooseLanguage(parser.value(language), desktopLanguages(), QString()));
        if (copy == bank::UserCopy::Failed && QFileInfo(folder.path).isDir())
            tell((failure.isFolder ? texts.cannotCopyFolder : texts.cannotCopyFile)
                     .arg(QDir::toNativeSeparators(failure.path), failure.reason));
        else if (copy == bank::UserCopy::FinishedNow && !texts.userCopyNote.isEmpty())
            message(nullptr, texts.userCopyNote.arg(QDir::toNativeSeparators(folder.path)));
    }
    if (!QFileInfo(folder.path).isDir()) {
        tell(texts.missingFolder.arg(QDir::toNativeSeparators(folder.path)));
        return 1;
    }
    for (const QString &warning : writeWarnings(folder.path, texts))
        tell(warning);
    return std::nullopt;
}

int runProgram(int argc, char *argv[], const ProgramInfo &info, const std::function<QWidget *()> &openFirstWindow,
               const std::function<void()> &prepare)
{
    QCoreApplication::setApplicationName(info.name);
    QCoreApplication::setApplicationVersion(QStringLiteral(BRENLOQ_VERSION));
    if (!info.desktopFileName.isEmpty())
        QGuiApplication::setDesktopFileName(info.desktopFileName);
    if (asksOnlyForHelp(argc, argv)) {
        QCoreApplication app(argc, argv);
        useLanguage(app.arguments(), info.sourceLanguage);
        return startUp(app, info.texts()).value_or(0);
    }
    QApplication app(argc, argv);
    useLanguage(app.arguments(), info.sourceLanguage);
    useProgramStyle();
    if (prepare)
        prepare();
    if (const auto exitCode = startUp(app, info.texts()))
        return *exitCode;

    QWidget *window = openFirstWindow();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return app.exec();
}

} // namespace ui
