#include "selection.h"

#include "bank/folders.h"
#include "bank/numeric.h"

namespace player {

int stepQuestionsPerSubject(int current, int button)
{
    if (button == QuestionStep::More)
        return current < kMaxQuestions ? current + 1 : current;
    return current > kMinQuestions ? current - 1 : current;
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
