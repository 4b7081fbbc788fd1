#include "form1.h"

#include "ui/programstyle.h"
#include "ui/startup.h"

#include <QApplication>

namespace {

ui::StartupTexts startupTexts()
{
    ui::StartupTexts texts = ui::spanishStartupTexts();
    texts.description = QStringLiteral("INSTALAR BRENLOQ: instala los componentes que usa el programa BRENLOQ.");
    texts.folderHelp = QStringLiteral("Usar la carpeta del programa PATH.");
    return texts;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("INSTALAR BRENLOQ"));
    QApplication::setApplicationVersion(QStringLiteral(BRENLOQ_VERSION));
    if (ui::asksOnlyForHelp(argc, argv)) {
        QCoreApplication app(argc, argv);
        return ui::startUp(app, startupTexts()).value_or(0);
    }
    QApplication app(argc, argv);
    ui::useProgramStyle();
    if (const auto exitCode = ui::startUp(app, startupTexts()))
        return *exitCode;

    auto *window = new installer::Form1;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return app.exec();
}
