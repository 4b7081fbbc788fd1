#include "form1.h"

#include "ui/startup.h"


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
    const ui::ProgramInfo info{QStringLiteral("INSTALAR BRENLOQ"), QString(), startupTexts()};
    return ui::runProgram(argc, argv, info, [] { return new installer::Form1; });
}
