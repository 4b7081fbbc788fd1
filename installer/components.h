#pragma once

// What the installer does with each file it ships: copy it into the system
// folder when it is not there yet, and register the copy.

#include <QString>
#include <QStringList>

#include "ui/components.h"

namespace installer {

// The files, in the order they are handled and listed.
QStringList componentNames();

using Outcome = ui::ComponentOutcome;
using ui::installComponent;

// The message the user sees for an outcome; empty when there is nothing to say.
QString outcomeMessage(const QString &name, Outcome outcome);

} // namespace installer
