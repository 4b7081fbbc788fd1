#include "components.h"



namespace installer {

ui::StartupTexts startupTexts()
{
    ui::StartupTexts texts = ui::spanishStartupTexts();
    texts.description = QStringLiteral("INSTALAR BRENLOQ: instala los componentes que usa el programa BRENLOQ, "
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
        return QStringLiteral("el archivo ") + name + QStringLiteral(" No lo encuentro");
    case Outcome::AlreadyPresent:
        return QStringLiteral("el archivo ") + name + QStringLiteral(" ya se encontraba en SYSTEM");
    case Outcome::CopyRefused:
        return QStringLiteral("el archivo ") + name
            + QStringLiteral(" no se ha podido copiar en SYSTEM");
    }
    return {};
}

} // namespace installer
