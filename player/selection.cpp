// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "selection.h"

#include "bank/folders.h"
#include "bank/numeric.h"

#include <QRegularExpression>
#include <QCoreApplication>

namespace player {

int stepQuestionsPerSubject(int current, int button)
{
    if (button == QuestionStep::More)
        return current < kMaxQuestions ? current + 1 : current;
    return current > kMinQuestions ? current - 1 : current;
}

const QRegularExpression &timeLimitPattern()
{
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    return digits;
}

bool acceptsTimeLimitKey(QChar key)
{
    return (key >= u'0' && key <= u'9') || key == QChar(8);
}

QString questionFolder(const QString &coursePath, const QString &subject, const QString &option)
{
    const QString subjectPath = bank::findEntry(coursePath, subject);
    return option.isEmpty() ? subjectPath : bank::findEntry(subjectPath, option);
}

QList<SubjectRow> subjectRows(const QString &coursePath)
{
    QList<SubjectRow> rows;
    const QStringList subjects = bank::subfolders(coursePath);
    for (const QString &subject : subjects) {
        SubjectRow row;
        row.name = subject;
        row.options = bank::subfolders(coursePath + u'/' + subject);
        row.fileCount = bank::fileCount(questionFolder(coursePath, subject, row.options.value(0)));
        rows.append(row);
    }
    return rows;
}

int Selection::qualifyingTestCount() const
{
    int count = 0;
    for (const SubjectChoice &subject : subjects) {
        if (subject.chosen && bank::numericValue(subject.available) >= kMinimumQuestionFiles)
            ++count;
    }
    return std::min(count, kMaxTests);
}

QStringList Selection::leftOutSubjects() const
{
    QStringList names;
    int count = 0;
    for (const SubjectChoice &subject : subjects) {
        if (subject.chosen && bank::numericValue(subject.available) >= kMinimumQuestionFiles && ++count > kMaxTests)
            names.append(subject.name);
    }
    return names;
}

QString leftOutText(const QStringList &subjects)
{
    if (subjects.isEmpty())
        return QString();
    QStringList quoted;
    for (const QString &subject : subjects)
        quoted.append(u'«' + subject + u'»');
    return QCoreApplication::translate("player", "Una sessió té com a molt %1 proves: no es farà %2.")
        .arg(QString::number(kMaxTests), quoted.join(QStringLiteral(", ")));
}

QStringList Selection::chosenSubjects() const
{
    QStringList names;
    for (const SubjectChoice &subject : subjects) {
        if (subject.chosen)
            names.append(subject.name);
    }
    return names;
}

} // namespace player
