// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The test window from the keyboard and for screen readers: the options of a
// multiple-choice question by their digits, the Tab order, the names of the
// options, the verdict and the clock.

#include <QObject>
#include <QString>

class QLabel;
class QWidget;

namespace player {

class Form3;

// Typing an option's number (1 to 8) anywhere in the options' frame chooses
// it, as a click does, and puts the focus on it.
class OptionKeys : public QObject
{
public:
    explicit OptionKeys(QWidget *choiceFrame);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *frame;
};

// "Opció 2: text" for the option drawn second, as a screen reader names it.
QString optionAccessibleName(const QString &shownText);

// Everything above, once the window has its tests.
void prepareTestWindowKeys(Form3 *window);

// Names the numbered options of the question on show.
void nameOptions(Form3 *window);

// The verdict, where a screen reader reads it with the confirm button.
void describeVerdict(Form3 *window, bool right);

// The time left, readable on demand: the countdown keeps one name, and its
// text goes into the description, which is not spoken at every tick.
void describeClock(QLabel *countdown);

} // namespace player
