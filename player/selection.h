// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the selection window decides without looking at its widgets.

#include "testlogic.h"

#include <QChar>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace player {

inline constexpr int kMaxTests = 16; // tests of one session, at most
inline constexpr int kMinQuestions = 2;
inline constexpr int kMaxQuestions = 100;

// The selection window's buttons beside the questions per subject (Command3).
struct QuestionStep {
    enum Button : int { More, Fewer };
};

// The questions per subject after a press of `button` (More raises, any
// other lowers), kept within 2..100.
int stepQuestionsPerSubject(int current, int button);

// Only digits and backspace may be typed into the time limit.
bool acceptsTimeLimitKey(QChar key);
// What the time limit box holds, whatever the route (keys, paste, drop):
// ASCII digits only, as timeLimitMinutes reads them.
const QRegularExpression &timeLimitPattern();

// One subject row as the bank gives it for a course.
struct SubjectRow {
    QString name;
    QStringList options; // option folders, in folder-list order
    int fileCount = 0;   // files of the first option (or of the subject itself)
};

// The subject rows of the course folder `coursePath`.
QList<SubjectRow> subjectRows(const QString &coursePath);

// The folder a subject's questions come from: the option folder, or the
// subject folder itself when the option is empty.
QString questionFolder(const QString &coursePath, const QString &subject, const QString &option);

// What the selection window hands the test window: the course, its subject
// rows with the chosen ones flagged and their option folders, the questions
// per subject and the time limit.
struct Selection {
    QString coursePath;
    QList<SubjectChoice> subjects;
    int questionsPerSubject = 15;
    int timeLimitMinutes = 0; // 0: no clock

    // The tests it gives: chosen subjects with enough question files, at
    // most kMaxTests; none means no test window.
    int qualifyingTestCount() const;
    QStringList chosenSubjects() const;
    // The chosen subjects with enough question files past the first
    // kMaxTests, which the session leaves out.
    QStringList leftOutSubjects() const;
};

// What the selection window says of the subjects left out; empty when none.
QString leftOutText(const QStringList &subjects);

} // namespace player
