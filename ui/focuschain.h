// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Keyboard order and window focus, shared by the programs' windows.

#include <QList>
#include <QPointer>
#include <QWidget>

namespace ui {

// Makes Tab visit `order` in that sequence (null entries are left out).
// Controls made after the window was built would otherwise come last,
// wherever they stand on screen.
void chainFocus(const QList<QWidget *> &order);

// Shows `window` in front with the keyboard focus, on `focus` when given.
void showWithFocus(QWidget *window, QWidget *focus = nullptr);

// Escape closes `window` (or hides it, when it is kept for later), and
// when it goes the focus goes back to `opener`'s window, onto the control
// it was on.
void closeOnEscape(QWidget *window, QWidget *opener);

} // namespace ui
