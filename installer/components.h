#pragma once

// What the installer does with each file it ships: copy it into the system
// folder when it is not there yet, and register the copy.

#include <QString>
#include <QStringList>

namespace ui {
class Platform;
}

namespace installer {

// The files, in the order they are handled and listed.
QStringList componentNames();

enum class Outcome {
    Installed,      // copied, registration started
    SourceMissing,  // not beside the installer
    AlreadyPresent, // already in the system folder; left alone
    CopyRefused,    // the system folder would not take it
};

Outcome installComponent(const QString &name, const QString &installerFolder,
                         const QString &systemFolder, ui::Platform &platform);

// The message the user sees for an outcome; empty when there is nothing to say.
QString outcomeMessage(const QString &name, Outcome outcome);

} // namespace installer
