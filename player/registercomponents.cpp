#include "registercomponents.h"

#include "bank/folders.h"
#include "bank/readfile.h"
#include "ui/platform.h"

#include <QFileInfo>

namespace player {

namespace {

void installIfMissing(const QString &programFolder, const QString &systemFolder,
                      const QString &name, ui::Platform &platform)
{
    if (QFileInfo::exists(bank::findEntry(systemFolder, name)))
        return;
    // Registering a file that never reached the system folder would only make
    // the registration program complain on every start.
    // Only a small regular file: a FIFO or a device under a component's name
    // would hang the start window.
    const QString source = bank::findEntry(programFolder, name);
    if (bank::checkFile(source, programFolder, bank::kMaxComponentBytes) != bank::FileProblem::None)
        return;
    if (!platform.copyFile(source, systemFolder + u'/' + name))
        return;
    const QString registrar = platform.registrationProgram();
    if (!registrar.isEmpty())
        platform.startProgram(registrar, {name}, true);
}

} // namespace

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
    installIfMissing(programFolder, systemFolder, gif, platform);
    installIfMissing(programFolder, systemFolder, QString::fromLatin1(kRichTextComponent), platform);
}

} // namespace player
