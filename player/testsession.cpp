// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testsession.h"

#include <QDir>
#include <QFileInfo>

namespace player {

TestSession::TestSession(const QList<AssembledTest> &assembled, const QString &pupilName, Showable canShow)
    : showable(std::move(canShow))
    // A line break in the name would split the report's first line.
    , text(singleLine(pupilName))
    , pupil(pupilName)
{
    for (const AssembledTest &a : assembled) {
        SessionTest t;
        t.subject = a.subject;
        t.labels = a.labels;
        t.files = a.paths;
        t.verdicts.fill(Verdict::Open, a.labels.size());
        t.chosenOptions.fill(-1, a.labels.size());
        t.typed.resize(a.labels.size());
        t.answers.resize(a.labels.size());
        tests.append(t);
    }
}

void TestSession::setVerdictTexts(const QString &right, const QString &wrong)
{
    rightText = right;
    wrongText = wrong;
}

QString TestSession::rowText(int k, int row) const
{
    switch (verdict(k, row)) {
    case Verdict::Right:
        return rightText;
    case Verdict::Wrong: {
        const int option = chosenOption(k, row);
        return option < 0 ? wrongText : wrongMultipleChoiceEntry(wrongText, option);
    }
    case Verdict::Open:
    case Verdict::Blank:
        break;
    }
    return tests[k].labels.value(row);
}

TypedAnswer &TestSession::typedAnswer(int k, int row, const QString &expected)
{
    TypedAnswer &typed = tests[k].typed[row];
    if (typed.expected() != expected)
        typed.start(expected);
    return typed;
}

bool TestSession::book(int k, int row, bool right, const QString &statement, const std::optional<QString> &given,
                       int chosenOption)
{
    lastEnded = false;
    if (k < 0 || k >= testCount() || verdict(k, row) != Verdict::Open)
        return false;
    SessionTest &t = tests[k];
    t.verdicts[row] = right ? Verdict::Right : Verdict::Wrong;
    if (!right)
        t.chosenOptions[row] = chosenOption;
    ++(right ? t.right : t.wrong);
    if (given)
        t.answers[row] = *given;
    t.mark = markTextOnScale(t.right, t.questions(), markScale);

    ++answered;
    const QString word = right ? rightText : wrongText;
    text += QStringLiteral("\r\r\r") + QString::number(answered) + QStringLiteral(".- ") + statement;
    text += QStringLiteral("\r\r --- ") + (given ? *given + QStringLiteral(" - ") + word : word);
    checkFinished();
    return true;
}

bool TestSession::testIsOver(const SessionTest &t) const
{
    if (t.questions() == t.right + t.wrong)
        return true;
    for (int row = 0; row < t.questions(); ++row) {
        if (t.verdicts[row] == Verdict::Open && (!showable || showable(t.files.value(row))))
            return false;
    }
    return true;
}

bool TestSession::checkFinished()
{
    bool finishedNow = false;
    for (SessionTest &t : tests) {
        if (t.finished || !testIsOver(t))
            continue;
        t.finished = true;
        for (Verdict &v : t.verdicts) {
            if (v == Verdict::Open)
                v = Verdict::Blank;
        }
        ++finished;
        finishedNow = true;
    }
    lastEnded = finishedNow && isOver();
    return lastEnded;
}

QList<TestResult> TestSession::results() const
{
    QList<TestResult> list;
    for (const SessionTest &t : tests)
        list.append(TestResult{t.subject, t.mark, t.right, t.wrong, t.questions()});
    return list;
}

QString TestSession::reportText(const QString &rightLabel, const QString &wrongLabel, const QString &blankLabel) const
{
    QString report = text;
    const QList<TestResult> all = results();
    for (qsizetype k = 0; k < all.size(); ++k) {
        TestResult r = all[k];
        // A folder name with a line break would split the summary line.
        r.subject = singleLine(r.subject);
        report += (k == 0 ? QStringLiteral("\r\r\r") : QStringLiteral("\r"))
            + resultLine(r, rightLabel, wrongLabel, blankLabel).toUpper();
    }
    return report;
}

bank::SessionRecord TestSession::record(const QDateTime &ended) const
{
    bank::SessionRecord record;
    // The name as typed: the report's file name may have lost characters.
    record.pupil = pupil;
    record.started = started;
    record.ended = ended;
    const QFileInfo course(coursePath);
    record.course = course.fileName();
    const QDir questionsFolder(course.path());
    for (const SessionTest &t : tests) {
        bank::RecordedTest r;
        r.subject = t.subject;
        r.scaleHundredths = markScale;
        r.mark = t.mark;
        r.right = t.right;
        r.wrong = t.wrong;
        r.blank = t.questions() - t.right - t.wrong;
        for (int row = 0; row < t.questions(); ++row) {
            const QString file = questionsFolder.relativeFilePath(t.files.value(row));
            // Course/Subject/Option/N.txt: the option is the third part.
            const QStringList parts = file.split(u'/');
            if (parts.size() == 4)
                r.option = parts[2];
            bank::RecordedQuestion q;
            q.file = file;
            switch (t.verdicts[row]) {
            case Verdict::Right:
                q.verdict = bank::RecordedQuestion::Verdict::Right;
                break;
            case Verdict::Wrong:
                q.verdict = bank::RecordedQuestion::Verdict::Wrong;
                break;
            case Verdict::Open:
            case Verdict::Blank:
                q.verdict = bank::RecordedQuestion::Verdict::Blank;
                break;
            }
            q.answer = t.answers.value(row);
            r.questions.append(q);
        }
        record.tests.append(r);
    }
    return record;
}

} // namespace player
