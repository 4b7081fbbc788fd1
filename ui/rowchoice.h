// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QListWidget;

namespace ui {

// Calls `chosen` whenever a row of `list` is chosen: by a click, also on the
// row already current (to show it again), or by a key that moves the current
// row (arrows, Home/End, Page keys, typing a letter). A click that moves the
// current row calls it once, not twice.
void onRowChosen(QListWidget *list, std::function<void()> chosen);

} // namespace ui
