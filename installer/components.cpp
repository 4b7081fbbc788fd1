#include "components.h"

#include "bank/folders.h"
#include "bank/readfile.h"
#include "ui/platform.h"

#include <QFileInfo>

namespace installer {

QStringList componentNames()
{
    return {QStringLiteral("RICHTX32.OCX"), QStringLiteral("GIF89.DLL"),
            QStringLiteral("MSVBVM50.DLL")};
}

Outcome installComponent(const QString &name, const QString &installerFolder,
                         const QString &systemFolder, ui::Platform &platform)
{
    if (!systemFolder.isEmpty() && QFileInfo::exists(bank::findEntry(systemFolder, name)))
        return Outcome::AlreadyPresent;
    const QString source = bank::findEntry(installerFolder, name);
    // Only a small regular file is copied: a FIFO or a device would hang.
    switch (bank::checkFile(source, installerFolder, bank::kMaxComponentBytes)) {
    case bank::FileProblem::None:
        break;
    case bank::FileProblem::TooLarge:
    case bank::FileProblem::Unreadable:
        return Outcome::CopyRefused;
    default:
        return Outcome::SourceMissing;
    }
    // No system folder means nowhere to copy to, never the root of the disk.
    if (systemFolder.isEmpty() || !platform.copyFile(source, systemFolder + u'/' + name))
        return Outcome::CopyRefused;
    const QString registrar = platform.registrationProgram();
    if (!registrar.isEmpty())
        platform.startProgram(registrar, {name}, true);
    return Outcome::Installed;
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
