// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "components.h"

#include "platform.h"

#include "bank/folders.h"
#include "bank/readfile.h"

#include <QFileInfo>

namespace ui {

ComponentOutcome installComponent(const QString &name, const QString &sourceFolder, const QString &systemFolder,
                                  Platform &platform)
{
    if (!systemFolder.isEmpty() && QFileInfo::exists(bank::findEntry(systemFolder, name)))
        return ComponentOutcome::AlreadyPresent;
    const QString source = bank::findEntry(sourceFolder, name);
    // Only a small regular file is copied: a FIFO or a device would hang.
    switch (bank::checkFile(source, sourceFolder, bank::kMaxComponentBytes)) {
    case bank::FileProblem::None:
        break;
    case bank::FileProblem::TooLarge:
    case bank::FileProblem::Unreadable:
        return ComponentOutcome::CopyRefused;
    default:
        return ComponentOutcome::SourceMissing;
    }
    // No system folder means nowhere to copy to, never the root of the disk;
    // a file that never reached it is not registered.
    if (systemFolder.isEmpty() || !platform.copyFile(source, systemFolder + u'/' + name))
        return ComponentOutcome::CopyRefused;
    const QString registrar = platform.registrationProgram();
    if (!registrar.isEmpty())
        platform.startProgram(registrar, {name}, true);
    return ComponentOutcome::Installed;
}

} // namespace ui
