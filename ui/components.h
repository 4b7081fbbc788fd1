// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Putting a display component in place, as the quiz player's start window and
// the installer both do: copied into the system folder when it is not there
// yet and lies beside the program as a small regular file, then registered
// with the system's own registration program when there is one.

#include <QString>

namespace ui {

class Platform;

enum class ComponentOutcome {
    Installed,      // copied, registration started
    SourceMissing,  // not beside the program
    AlreadyPresent, // already in the system folder; left alone
    CopyRefused,    // the system folder would not take it, or it is no small file
};

ComponentOutcome installComponent(const QString &name, const QString &sourceFolder, const QString &systemFolder,
                                  Platform &platform);

} // namespace ui
