#include "form1.h"

#include "bank/folders.h"
#include "ui/programstyle.h"
#include "ui/startup.h"

#include <QApplication>

namespace {

ui::StartupTexts startupTexts()
{
    ui::StartupTexts texts = ui::spanishStartupTexts();
    texts.description = QStringLiteral("Editor de BRENLOQ: escribe, comprueba y guarda las preguntas del banco.");
    texts.folderHelp = QStringLiteral("Usar la carpeta del programa PATH (preguntas, gráficos, textos).");
    texts.cannotWrite = QStringLiteral("No se puede escribir en la carpeta «%1»: las preguntas nuevas no se podrán guardar.");
    texts.writableFolder = QString::fromLatin1(bank::kQuestionsFolder);
    return texts;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("Editor"));
    QApplication::setApplicationVersion(QStringLiteral(BRENLOQ_VERSION));
    // Ties the windows to the menu entry, for the icon of the task bar.
    QApplication::setDesktopFileName(QStringLiteral("org.brenloq.Brenloq.Editor"));
    if (ui::asksOnlyForHelp(argc, argv)) {
        QCoreApplication app(argc, argv);
        return ui::startUp(app, startupTexts()).value_or(0);
    }
    QApplication app(argc, argv);
    ui::useProgramStyle();
    if (const auto exitCode = ui::startUp(app, startupTexts()))
        return *exitCode;

    auto *editor = new editor::Form1;
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->show();
    return app.exec();
}
