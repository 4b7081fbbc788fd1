// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// brenloq-check [--folder PATH | PATH]: checks a program folder before
// class. A first line naming the folder and why that one, one line per
// problem on standard output, then a summary. Exit status 0 without
// problems, 1 with some, 2 when the folder cannot be checked.

#include "bankcheck.h"

#include "bank/terminaltext.h"
#include "ui/startup.h"
#include "ui/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>

#include <cstdio>
#include <utility>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

void writeLine(std::FILE *stream, const QString &line)
{
    // Always UTF-8: a teacher's terminal or a saved report, whatever the
    // locale; names from the bank cannot steer the terminal.
    const QByteArray bytes = bank::terminalText(line).toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

bool isTerminal(std::FILE *stream)
{
#ifdef Q_OS_UNIX
    return ::isatty(::fileno(stream)) == 1;
#else
    Q_UNUSED(stream);
    return false;
#endif
}

// A line on the terminal that says how far the check has come; nothing
// when standard error goes to a file or a pipe.
class ProgressLine
{
public:
    ProgressLine()
        : shown(isTerminal(stderr))
        , sharesTerminal(shown && isTerminal(stdout))
    {
        clock.start();
    }

    void update(int filesRead, const QString &folder)
    {
        if (!shown || clock.elapsed() < next)
            return;
        next = clock.elapsed() + 100;
        QString where = bank::terminalText(folder);
        if (where.size() > 50)
            where = QStringLiteral("…") + where.right(49);
        const QByteArray text = (QStringLiteral("\r\033[K") + QCoreApplication::translate("checker::main", "%1 preguntes llegides  %2")).arg(filesRead).arg(where).toUtf8();
        std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
        std::fflush(stderr);
        dirty = true;
    }

    // Before a line on standard output that would land on the same terminal.
    void clearFor(bool output)
    {
        if (!dirty || (output && !sharesTerminal))
            return;
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
        dirty = false;
    }

private:
    bool shown;
    bool sharesTerminal;
    bool dirty = false;
    QElapsedTimer clock;
    qint64 next = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    // The picture readers are plugins, found through the application.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brenloq-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRENLOQ_VERSION));
    // A damaged JPEG is told in the checker's own line; the decoder's
    // warnings would fall between its lines.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg.warning=false"));

    ui::useLanguage(QCoreApplication::arguments(), QStringLiteral("ca"));
    ui::StartupTexts texts = ui::commonStartupTexts();
    texts.fromOption = QCoreApplication::translate("checker::main", "de la línia d'ordres");
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("checker::main", 
        "Comprova el banc de preguntes, les imatges, els textos, els fitxers d'idioma i tope.txt de la carpeta "
        "del programa, la mateixa que farien servir els programes (--folder o CARPETA, BRENLOQ_FOLDER, la "
        "configuració del sistema, la carpeta de brenloq-check si té Preguntas, la carpeta de l'usuari), i "
        "escriu una línia per problema. Surt amb 0 si no en troba cap, 1 si en troba i 2 si no pot comprovar."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption folderOption(QStringLiteral("folder"), QCoreApplication::translate("checker::main", "Comprova la carpeta CARPETA."), QCoreApplication::translate("checker::main", "CARPETA"));
    parser.addOption(folderOption);
    parser.addOption(ui::languageOption()); // read above
    parser.addPositionalArgument(QCoreApplication::translate("checker::main", "CARPETA"), QCoreApplication::translate("checker::main", "La carpeta del programa."), QCoreApplication::translate("checker::main", "[CARPETA]"));
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (parsed && parser.isSet(help))
        parser.showHelp(0);
    if (parsed && parser.isSet(version))
        parser.showVersion();
    const QStringList positional = parser.positionalArguments();
    if (!parsed || positional.size() > 1 || (positional.size() == 1 && parser.isSet(folderOption))) {
        writeLine(stderr, QStringLiteral("brenloq-check: ")
                              + (parsed ? QCoreApplication::translate("checker::main", "una sola carpeta.") : parser.errorText()));
        std::fputs(parser.helpText().toUtf8().constData(), stderr);
        return checker::CannotCheck;
    }
    const bank::ProgramFolder folder =
        ui::lookUpProgramFolder(positional.isEmpty() ? parser.value(folderOption) : positional.first());
    writeLine(stdout, ui::folderLineText(texts, folder));
    std::fflush(stdout);
    if (folder.problem != bank::SettingsProblem::None) {
        writeLine(stderr, QStringLiteral("brenloq-check: ") + ui::settingsProblemText(texts, folder));
        return checker::CannotCheck;
    }

    ProgressLine progress;
    const checker::Outcome outcome = checker::checkProgramFolder(
        folder.path,
        [&progress](const checker::Problem &problem) {
            progress.clearFor(true);
            writeLine(stdout, problem.path + QStringLiteral(": ") + problem.message);
        },
        [&progress](int filesRead, const QString &where) { progress.update(filesRead, where); });
    progress.clearFor(false);

    if (outcome.status == checker::CannotCheck) {
        writeLine(stderr, QStringLiteral("brenloq-check: ") + outcome.failure);
        return checker::CannotCheck;
    }
    for (const QString &line : checker::summaryLines(outcome.summary))
        writeLine(stdout, line);
    std::fflush(stdout);
    return outcome.status;
}
