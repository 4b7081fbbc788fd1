// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QScrollArea>

namespace player {

// Puts `label` in a borderless, see-through scroll area that takes its place
// and follows its visibility: a long statement stays readable whole in the
// label's rectangle, with a vertical bar when, and only when, its wrapped
// text is taller than the rectangle. The label keeps its font, colours and
// text; the rectangle is then set on placeOf(label).
QScrollArea *scrollWhenLong(QLabel *label);

// The widget that holds `label`'s place in its frame: its scroll area, or
// the label itself.
QWidget *placeOf(QWidget *label);

// Back to the first line, for the next statement shown.
void scrollToTop(QWidget *label);

} // namespace player
