// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "playerstate.h"
#include "reportsaver.h"
#include "wavplayer.h"

#include "bank/folders.h"
#include "ui/platform.h"
#include "ui/startup.h"

#include <QCoreApplication>


namespace {

ui::StartupTexts startupTexts()
{
    ui::StartupTexts texts = ui::commonStartupTexts();
    texts.description = QCoreApplication::translate("player::main", "BRENLOQ: proves amb preguntes del banc, amb els resultats desats en un informe.");
    texts.folderHelp = QCoreApplication::translate("player::main", "Fes servir la carpeta del programa PATH (preguntes, idioma, informes).");
    texts.cannotWrite = QCoreApplication::translate("player::main", "No es pot escriure a la carpeta «%1»: els resultats de les proves no s'hi podran desar.");
    texts.writableFolder = QString::fromLatin1(bank::kReportsFolder);
    texts.latestReportUnwritable = QCoreApplication::translate("player::main", "No es pot escriure «%1» (%2): els informes es desaran igualment, però aquest fitxer no mostrarà l'últim.");
    return texts;
}

} // namespace

int main(int argc, char *argv[])
{
    const ui::ProgramInfo info{QStringLiteral("BRENLOQ"), QStringLiteral("org.brenloq.Brenloq"), startupTexts};
    return ui::runProgram(
        argc, argv, info,
        [] {
            player::state().programFolder = ui::platform().programFolder();
            // Reports an earlier session could not save on the share.
            player::deliverPendingReports(player::state().programFolder);
            // The test window closes the start window when it loads.
            return new player::Form1;
        },
        player::installDesktopPlatform);
}
