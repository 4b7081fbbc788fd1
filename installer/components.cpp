// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "components.h"

#include <QCoreApplication>



namespace installer {

ui::StartupTexts startupTexts()
{
    ui::StartupTexts texts = ui::commonStartupTexts();
    texts.description = QCoreApplication::translate("installer", "INSTALAR BRENLOQ: instala los componentes que usa el programa BRENLOQ, "
                                       "copiados de la carpeta donde está el instalador.");
    texts.needsProgramFolder = false;
    return texts;
}

QStringList componentNames()
{
    return {QStringLiteral("RICHTX32.OCX"), QStringLiteral("GIF89.DLL"),
            QStringLiteral("MSVBVM50.DLL")};
}

QString outcomeMessage(const QString &name, Outcome outcome)
{
    switch (outcome) {
    case Outcome::Installed:
        return {};
    case Outcome::SourceMissing:
        return QCoreApplication::translate("installer", "el archivo %1 No lo encuentro").arg(name);
    case Outcome::AlreadyPresent:
        return QCoreApplication::translate("installer", "el archivo %1 ya se encontraba en SYSTEM").arg(name);
    case Outcome::CopyRefused:
        return QCoreApplication::translate("installer", "el archivo %1 no se ha podido copiar en SYSTEM").arg(name);
    }
    return {};
}

} // namespace installer
