#include "components.h"
#include "form1.h"

int main(int argc, char *argv[])
{
    const ui::ProgramInfo info{QStringLiteral("INSTALAR BRENLOQ"), QString(), installer::startupTexts, QStringLiteral("es")};
    return ui::runProgram(argc, argv, info, [] { return new installer::Form1; });
}
