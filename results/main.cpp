// RESULTATS BRENLOQ: the class results window, or with --csv FILE the CSV
// of every report written without a window.

#include "commandline.h"
#include "form1.h"

#include "ui/platform.h"
#include "ui/programstyle.h"
#include "ui/startup.h"

#include <QApplication>

#include <cstdio>

namespace {

void writeError(const QString &line)
{
    const QByteArray bytes = QStringLiteral("RESULTATS BRENLOQ: %1\n").arg(line).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const results::CommandLine line = results::parseCommandLine(arguments);
    if (!line.error.isEmpty()) {
        writeError(line.error);
        writeError(QStringLiteral("ús: \"RESULTATS BRENLOQ\" [--csv FITXER] [--folder CARPETA]"));
        return results::kBadArguments;
    }

    // A settings file naming a folder that cannot be used is said, as the
    // other programs say it, rather than showing an empty class. The folder
    // is looked up once the application knows its own folder.
    auto folderOrProblem = [&line](QString &problem) {
        const bank::ProgramFolder folder = ui::lookUpProgramFolder(line.folder);
        problem = ui::settingsProblemText(ui::catalanStartupTexts(), folder);
        if (!problem.isEmpty())
            writeError(problem);
        return folder.path;
    };
    QString settingsProblem;

    if (!line.csvFile.isEmpty()) {
        QCoreApplication app(argc, argv);
        const QString folder = folderOrProblem(settingsProblem);
        if (!settingsProblem.isEmpty())
            return 1;
        QStringList messages;
        const int status = results::exportCsv(folder, line.csvFile, messages);
        for (const QString &message : std::as_const(messages))
            writeError(message);
        return status;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RESULTATS BRENLOQ"));
    // Ties the window to the menu entry, for the icon of the task bar.
    QApplication::setDesktopFileName(QStringLiteral("org.brenloq.Brenloq.Results"));
    ui::useProgramStyle();
    const QString folder = folderOrProblem(settingsProblem);
    if (!settingsProblem.isEmpty()) {
        ui::message(nullptr, settingsProblem);
        return 1;
    }

    auto *window = new results::Form1(folder);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return app.exec();
}
