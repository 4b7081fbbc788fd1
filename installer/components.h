// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the installer does with each file it ships: copy it into the system
// folder when it is not there yet, and register the copy.

#include <QString>
#include <QStringList>

#include "ui/components.h"
#include "ui/startup.h"

namespace installer {

// The files, in the order they are handled and listed.
QStringList componentNames();

using Outcome = ui::ComponentOutcome;
using ui::installComponent;

// What the installer says at start. It copies the files that lie beside it,
// as it always did on a stick: no program folder is looked for, so a copy
// in a folder without questions still runs.
ui::StartupTexts startupTexts();

// The message the user sees for an outcome; empty when there is nothing to say.
QString outcomeMessage(const QString &name, Outcome outcome);

} // namespace installer
