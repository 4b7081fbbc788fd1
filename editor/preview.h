// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "questioncheck.h"

#include <QColor>
#include <QString>
#include <QStringList>

namespace editor {

// What the check window shows: the editor's multiple-choice fields as they
// stand after the check.
struct PreviewQuestion {
    bank::QuestionType type = bank::QuestionType::MultipleChoice;
    QString statement;
    Options options;
    QColor panelColor;
};

// "2. París ": the option number, ". " and the text, trailing space kept.
QString optionCaption(int index, const QString &text);

struct Verdict {
    bool correct = false;
    QString text; // the verdict line under the options
};

// The verdict for the option `chosen` (0 to 7) among the shown option
// captions (empty for an option that is not shown). The correct option is
// the one whose caption ends in a space; when several do, the last names
// the right answer.
Verdict judgeChoice(const QStringList &captions, int chosen);

} // namespace editor
