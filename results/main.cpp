// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// RESULTATS BRENLOQ: the class results window, or with --csv FILE the CSV
// of every report written without a window.

#include "commandline.h"
#include "form1.h"

#include "bank/terminaltext.h"
#include "ui/startup.h"
#include "ui/translations.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

namespace {

void writeError(const QString &line)
{
    // A file name may hold an escape sequence: it must not steer the terminal.
    const QByteArray bytes = bank::terminalText(QStringLiteral("RESULTATS BRENLOQ: %1").arg(line)).toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

ui::StartupTexts startupTexts()
{
    ui::StartupTexts texts = ui::commonStartupTexts();
    texts.description = QCoreApplication::translate("results::main", "RESULTATS BRENLOQ: els informes de tots els alumnes en una taula.");
    texts.folderHelp = QCoreApplication::translate("results::main", "Fes servir la carpeta del programa PATH.");
    texts.moreOptions = {results::csvOption(), results::questionsCsvOption(), results::xlsxOption()};
    return texts;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const results::CommandLine line = results::parseCommandLine(arguments);
    if (!line.error.isEmpty()) {
        // Said again once the language is loaded.
        QCoreApplication app(argc, argv);
        ui::useLanguage(app.arguments(), QStringLiteral("ca"));
        writeError(results::parseCommandLine(arguments).error);
        writeError(QCoreApplication::translate("results::main", "ús: \"RESULTATS BRENLOQ\" [--csv FITXER] [--questions-csv FITXER] [--xlsx FITXER] [--folder CARPETA]"));
        return results::kBadArguments;
    }

    if ((!line.csvFile.isEmpty() || !line.questionsCsvFile.isEmpty() || !line.xlsxFile.isEmpty())
        && !line.asksForHelp) {
        QCoreApplication app(argc, argv);
        ui::useLanguage(app.arguments(), QStringLiteral("ca"));
        // A settings file naming a folder that cannot be used is said, as
        // the other programs say it, rather than writing an empty class.
        const bank::ProgramFolder folder = ui::lookUpProgramFolder(line.folder);
        if (const QString problem = ui::settingsProblemText(ui::commonStartupTexts(), folder); !problem.isEmpty()) {
            writeError(problem);
            return 1;
        }
        QStringList messages;
        int status = line.csvFile.isEmpty() ? 0 : results::exportCsv(folder.path, line.csvFile, messages);
        if (!line.questionsCsvFile.isEmpty())
            status = std::max(status, results::exportQuestionsCsv(folder.path, line.questionsCsvFile, messages));
        if (!line.xlsxFile.isEmpty())
            status = std::max(status, results::exportXlsx(folder.path, line.xlsxFile, messages));
        for (const QString &message : std::as_const(messages))
            writeError(message);
        return status;
    }

    // Ties the window to the menu entry, for the icon of the task bar.
    const ui::ProgramInfo info{QStringLiteral("RESULTATS BRENLOQ"), QStringLiteral("org.brenloq.Brenloq.Results"),
                               startupTexts};
    return ui::runProgram(argc, argv, info, [] { return new results::Form1(ui::chosenProgramFolder()); });
}
