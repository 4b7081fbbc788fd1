// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registercomponents.h"

#include "bank/folders.h"
#include "ui/components.h"
#include "ui/platform.h"

#include <QFileInfo>

namespace player {

void RegisterComponents(const QString &programFolder, ui::Platform &platform)
{
    const QString gif = QString::fromLatin1(kGifComponent);
    if (programFolder.isEmpty() || !QFileInfo::exists(bank::findEntry(programFolder, gif)))
        return;
    // Without a system folder there is nowhere to put the components; an empty
    // name must not turn the target into a path at the root of the disk.
    const QString systemFolder = platform.systemFolder();
    if (systemFolder.isEmpty())
        return;
    // Each one on its own: one already in place does not stop the other.
    ui::installComponent(gif, programFolder, systemFolder, platform);
    ui::installComponent(QString::fromLatin1(kRichTextComponent), programFolder, systemFolder, platform);
}

} // namespace player
