// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace bank {

// `text` fit to print on a terminal: control characters (C0, DEL, C1) are
// written as \xNN, so a file or folder name holding an escape sequence
// cannot clear the screen or move the cursor, and one holding a line break
// cannot pass for two lines. The command-line programs print every line
// that carries a name through it.
QString terminalText(const QString &text);

} // namespace bank
