#include "form1.h"

#include "bank/folders.h"
#include "ui/startup.h"


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
    const ui::ProgramInfo info{QStringLiteral("Editor"), QStringLiteral("org.brenloq.Brenloq.Editor"), startupTexts()};
    return ui::runProgram(argc, argv, info, [] { return new editor::Form1; });
}
