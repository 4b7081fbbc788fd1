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
// Opened by a key, it shows the focus ring at once.
void showWithFocus(QWidget *window, QWidget *focus = nullptr);

// Whether the user's last press was a key rather than the mouse or a touch.
bool lastInputWasKey();

// When the last press was a key, `window` draws its focus ring from now
// on: Qt draws it only once a key has moved the focus in that window, and a
// window just opened by Enter has had no such key yet.
void showFocusWhenByKey(QWidget *window);

// Escape closes `window` (or hides it, when it is kept for later), and
// when it goes the focus goes back to `opener`'s window, onto the control
// it was on.
void closeOnEscape(QWidget *window, QWidget *opener);

} // namespace ui
