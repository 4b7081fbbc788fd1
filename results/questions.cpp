// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questions.h"

#include "table.h"

#include "bank/question.h"
#include "bank/readfile.h"

#include <map>

namespace results {

QList<QuestionStat> questionStats(const QList<ResultRow> &rows)
{
    std::map<QString, QuestionStat> byFile;
    // Wrong answers per file, in the order first given, so a tie goes to the first.
    std::map<QString, QList<std::pair<QString, int>>> wrongAnswers;
    for (const ResultRow &r : rows) {
        for (const bank::RecordedQuestion &q : r.questions) {
            QuestionStat &s = byFile[q.file];
            s.file = q.file;
            ++s.asked;
            if (!q.hash.isEmpty() && !s.hashes.contains(q.hash))
                s.hashes.append(q.hash);
            switch (q.verdict) {
            case bank::RecordedQuestion::Verdict::Right:
                ++s.right;
                break;
            case bank::RecordedQuestion::Verdict::Blank:
                ++s.blank;
                break;
            case bank::RecordedQuestion::Verdict::Wrong: {
                ++s.wrong;
                auto &answers = wrongAnswers[q.file];
                auto it = std::find_if(answers.begin(), answers.end(), [&](const auto &a) { return a.first == q.answer; });
                if (it == answers.end())
                    answers.append({q.answer, 1});
                else
                    ++it->second;
                break;
            }
            }
        }
    }
    QList<QuestionStat> stats;
    for (auto &[file, s] : byFile) {
        for (const auto &[answer, count] : wrongAnswers[file]) {
            if (count > s.commonWrongCount) {
                s.commonWrong = answer;
                s.commonWrongCount = count;
            }
        }
        stats.append(s);
    }
    return stats;
}

void readQuestionFiles(QList<QuestionStat> &stats, const QString &questionsFolder)
{
    for (QuestionStat &s : stats) {
        const QString path = questionsFolder + u'/' + s.file;
        // The file name comes from a record anyone could have written.
        const bank::FileContent content = bank::isInside(path, questionsFolder)
            ? bank::readFile(path, bank::kMaxLineFileBytes)
            : bank::FileContent{{}, bank::FileProblem::Missing};
        if (content.problem != bank::FileProblem::None) {
            s.changed = true;
            continue;
        }
        const QString now = bank::questionHash(content.bytes);
        s.changed = std::any_of(s.hashes.cbegin(), s.hashes.cend(), [&](const QString &h) { return h != now; });
        const bank::QuestionRead read = bank::readQuestionBytes(content.bytes);
        if (read.isText())
            s.statement = read.question.statement;
    }
}

QByteArray questionsCsvBytes(const QStringList &headers, const QList<QuestionStat> &stats)
{
    QString text;
    auto record = [&text](const QStringList &fields) { appendCsvRecord(text, fields); };
    record(headers);
    for (const QuestionStat &s : stats) {
        record({s.file, s.statement, QString::number(s.asked), QString::number(s.right), QString::number(s.wrong),
                QString::number(s.blank), decimalText(100 * s.shareRight()), s.commonWrong,
                s.changed ? QStringLiteral("*") : QString()});
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace results
