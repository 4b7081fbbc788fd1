// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace player {

class Form2;
class Form3;

// Opens the test window for the selection made, or, when no chosen subject
// has enough questions, tells the pupil so and leaves the selection window
// as it is.
Form3 *startTest(Form2 *selection, const QString &pupilName, QWidget *startWindow);

} // namespace player
