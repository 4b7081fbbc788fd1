#include "form1.h"
#include "playerstate.h"
#include "wavplayer.h"

#include "bank/folders.h"
#include "ui/platform.h"
#include "ui/programstyle.h"
#include "ui/startup.h"

#include <QApplication>

namespace {

ui::StartupTexts startupTexts()
{
    ui::StartupTexts texts = ui::catalanStartupTexts();
    texts.description = QStringLiteral("BRENLOQ: proves amb preguntes del banc, amb els resultats desats en un informe.");
    texts.folderHelp = QStringLiteral("Fes servir la carpeta del programa PATH (preguntes, idioma, informes).");
    texts.cannotWrite = QStringLiteral("No es pot escriure a la carpeta «%1»: els resultats de les proves no s'hi podran desar.");
    texts.writableFolder = QString::fromLatin1(bank::kReportsFolder);
    return texts;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("BRENLOQ"));
    QApplication::setApplicationVersion(QStringLiteral(BRENLOQ_VERSION));
    // Ties the windows to the menu entry, for the icon of the task bar.
    QApplication::setDesktopFileName(QStringLiteral("org.brenloq.Brenloq"));
    if (ui::asksOnlyForHelp(argc, argv)) {
        QCoreApplication app(argc, argv);
        return ui::startUp(app, startupTexts()).value_or(0);
    }
    QApplication app(argc, argv);
    ui::useProgramStyle();

    player::installDesktopPlatform();
    if (const auto exitCode = ui::startUp(app, startupTexts()))
        return *exitCode;
    player::state().programFolder = ui::platform().programFolder();

    // The test window closes the start window when it loads.
    auto *start = new player::Form1;
    start->setAttribute(Qt::WA_DeleteOnClose);
    start->show();
    return app.exec();
}
