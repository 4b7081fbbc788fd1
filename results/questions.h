// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Per-question statistics of the rows shown: which questions most of the
// class got wrong. Only rows read from a session record name their
// questions; a report without one adds nothing here.

#include "reports.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace results {

struct QuestionStat {
    QString file;        // "1r ESO/Mates/3.txt", from the questions folder
    QString statement;   // as the file says now; empty when it cannot be read
    int asked = 0;
    int right = 0;
    int wrong = 0;
    int blank = 0;
    QString commonWrong; // the wrong answer given most often (the first of a tie)
    int commonWrongCount = 0;
    bool changed = false; // the file differs from (one of) the times it was asked, or is gone
    QStringList hashes;   // as recorded, each once

    double shareRight() const { return asked > 0 ? double(right) / asked : 0; }
};

// The questions of `rows`, by file name.
QList<QuestionStat> questionStats(const QList<ResultRow> &rows);

// Fills in each question's statement and whether its file changed since,
// reading the files under `questionsFolder` once each.
void readQuestionFiles(QList<QuestionStat> &stats, const QString &questionsFolder);

// The statistics as CSV, in the table's CSV form (";", decimal comma, BOM).
QByteArray questionsCsvBytes(const QStringList &headers, const QList<QuestionStat> &stats);

} // namespace results
