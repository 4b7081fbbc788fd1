// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The session of the test window without its widgets: per test the drawn
// questions and each one's verdict, the counters and the mark; the typed
// answers; the transcript that becomes the report; the clock and where the
// report went. The window shows it and asks it; nothing is read back from a
// widget.

#include "testlogic.h"

#include "bank/sessionrecord.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace player {

// A question's verdict. Blank is an open question of a finished test: one
// that could not be shown.
enum class Verdict { Open, Right, Wrong, Blank };

struct SessionTest {
    QString subject;
    QStringList labels;         // "1. Mates": the row of a question still open
    QStringList files;          // the question file behind each row
    QList<Verdict> verdicts;    // per row
    QList<int> chosenOptions;   // per row: the option a wrong multiple choice took, else -1
    QList<TypedAnswer> typed;   // per row: a typed answer as far as it went
    QStringList answers;        // per row: the answer given, as the transcript has it
    int right = 0;
    int wrong = 0;
    QString mark;               // empty until the first verdict
    bool finished = false;

    int questions() const { return static_cast<int>(labels.size()); }
};

class TestSession
{
public:
    // Whether a question file can be shown; an open question that cannot
    // counts as blank.
    using Showable = std::function<bool(const QString &file)>;

    TestSession() = default;
    TestSession(const QList<AssembledTest> &tests, const QString &pupilName, Showable showable);

    // The words of the verdicts (Principal.txt) and the top of the mark scale.
    void setVerdictTexts(const QString &right, const QString &wrong);
    void setMaximumMark(int top) { markScale = top * 100; }
    void setMarkScaleHundredths(int hundredths) { markScale = hundredths; }

    int testCount() const { return static_cast<int>(tests.size()); }
    SessionTest &test(int k) { return tests[k]; }
    const SessionTest &test(int k) const { return tests[k]; }

    Verdict verdict(int k, int row) const { return tests[k].verdicts.value(row, Verdict::Blank); }
    int chosenOption(int k, int row) const { return tests[k].chosenOptions.value(row, -1); }
    // The row's caption, drawn from its verdict. A wrong multiple choice
    // trails one space per option index + 1, as it always has.
    QString rowText(int k, int row) const;

    // The typed answer of a row, started on `expected` the first time only:
    // letters typed and corrections used stay with the question.
    TypedAnswer &typedAnswer(int k, int row, const QString &expected);

    // Books the verdict of an open row: the counter, the mark, the
    // transcript's entry (the statement, then the answer given and the
    // verdict's word, or the word alone without `given`), then which tests
    // are over. A row already judged books nothing and returns false.
    bool book(int k, int row, bool right, const QString &statement, const std::optional<QString> &given,
              int chosenOption = -1);

    // Marks the tests with nothing answerable left as finished; true once
    // this call finishes the last one.
    bool checkFinished();
    bool endedNow() const { return lastEnded; }

    int finishedTestCount() const { return finished; }
    bool isOver() const { return finished >= testCount(); }
    int answeredCount() const { return answered; }
    QString transcript() const { return text; }

    // Each test's summary as it stands now.
    QList<TestResult> results() const;
    // A session writes one report, at the end of its last test or when the
    // time runs out. Answers after it are judged on screen only: the final
    // window keeps showing the results as reported.
    void markReported() { reportedResults = results(); }
    bool reported() const { return reportedResults.has_value(); }
    QList<TestResult> finalResults() const { return reportedResults.value_or(results()); }
    // The transcript with the summary lines, upper-cased, after it.
    QString reportText(const QString &rightLabel, const QString &wrongLabel, const QString &blankLabel) const;

    // The session record of the report written at `ended`: question files
    // named from the questions folder, each test's option folder read from
    // them. Types and hashes need the files read; the saver does that.
    bank::SessionRecord record(const QDateTime &ended) const;

    int remainingSeconds = 0; // of the time limit
    QString coursePath;       // the course folder the questions were drawn from
    QDateTime started;        // when the test window opened
    QString reportFileName;   // the pupil's report, without folder
    QString reportPath;       // once written

private:
    bool testIsOver(const SessionTest &test) const;

    QList<SessionTest> tests;
    Showable showable;
    QString rightText, wrongText;
    int markScale = 1000; // hundredths
    int answered = 0;
    int finished = 0;
    bool lastEnded = false;
    QString text;
    QString pupil; // as typed
    std::optional<QList<TestResult>> reportedResults;
};

} // namespace player
