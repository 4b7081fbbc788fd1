// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "bank/folders.h"
#include "ui/startup.h"

#include <QCoreApplication>

namespace {

ui::StartupTexts startupTexts()
{
    ui::StartupTexts texts = ui::commonStartupTexts();
    texts.description = QCoreApplication::translate("editor::main", "Editor de BRENLOQ: escribe, comprueba y guarda las preguntas del banco.");
    texts.folderHelp = QCoreApplication::translate("editor::main", "Usar la carpeta del programa PATH (preguntas, gráficos, textos).");
    texts.cannotWrite = QCoreApplication::translate("editor::main", "No se puede escribir en la carpeta «%1»: las preguntas nuevas no se podrán guardar.");
    texts.userCopyNote = QCoreApplication::translate("editor::main", 
        "Se ha creado la carpeta del programa «%1» en esta cuenta. Las preguntas y los informes de los "
        "alumnos se guardarán aquí y solo se verán desde esta cuenta. Para compartir una carpeta entre "
        "todas las cuentas, vea brenloq-editor --help.");
    texts.writableFolder = QString::fromLatin1(bank::kQuestionsFolder);
    return texts;
}

} // namespace

int main(int argc, char *argv[])
{
    const ui::ProgramInfo info{QStringLiteral("Editor"), QStringLiteral("org.brenloq.Brenloq.Editor"), startupTexts,
                               QStringLiteral("es")};
    return ui::runProgram(argc, argv, info, [] { return new editor::Form1; });
}
