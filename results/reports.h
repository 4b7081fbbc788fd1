// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The class results program reads every pupil report in the reports folder
// of a program folder into one table. Each file name gives the pupil and the
// moment (reportName); each report's plain text (rtfText) ends with one
// summary line per subject, found by its shape (summaryLines), which gives
// one ResultRow; where the player kept a session record beside the report
// (bank/sessionrecord.h) the rows come from it, with the course and option
// folder the report's text does not name. Files that are no complete report are listed as skipped
// with their reason, never guessed at. ReportLoader reads a folder a few
// files at a time, so a window can show its progress; the table, the CSV
// export and the per-subject summary (table.h) work on the rows.

#include "bank/reportformat.h"
#include "bank/sessionrecord.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace results {

// A report is a transcript of a few hundred lines; far more is no report.
inline constexpr qint64 kMaxReportBytes = 8 * 1024 * 1024;

// A report's file name and summary lines, as the player writes them.
using ReportName = bank::ReportName;
using SubjectResult = bank::ReportSummary;
inline std::optional<ReportName> reportName(const QString &fileName) { return bank::readReportFileName(fileName); }
inline std::optional<SubjectResult> summaryLine(const QString &line) { return bank::readSummaryLine(line); }

// The summary lines that end a report's paragraphs (a report written twice
// gives its last set); empty when the text does not end with any.
QList<SubjectResult> summaryLines(const QStringList &paragraphs);

struct ResultRow {
    QString pupil;
    QDateTime when;
    int repeat = 1;
    QString course; // from the session record; empty for a report without one
    QString subject;
    QString option; // the option folder, from the record

    QString mark;
    int right = 0;
    int wrong = 0;
    int blank = 0;
    QString path; // the report file
    bool fromRecord = false;
    QList<bank::RecordedQuestion> questions; // from the record: each question asked
};

// Rows of different courses or options are different tests, never one.
inline bool sameTest(const ResultRow &a, const ResultRow &b)
{
    return a.subject == b.subject && a.course == b.course && a.option == b.option;
}

// The mark as a number, or nothing for a test without a mark.
std::optional<double> markValue(const QString &mark);

enum class SkipReason {
    NotReportName, // a file name the player does not write
    BeingWritten,  // the hidden temporary file of a report being saved
    Empty,
    TooLarge,
    Unreadable,
    NotRtf,
    Unfinished,    // cut short or still being written
    NoSummary,     // RTF without the summary lines
    SummaryNotAtEnd, // summary lines, then more text (a teacher's note)
};

struct SkippedFile {
    QString name;
    SkipReason reason;
};

struct ReportTable {
    bool folderFound = false;
    QString folder;
    QList<ResultRow> rows; // by moment, then pupil, then subject as in the report
    QList<SkippedFile> skipped; // by name
};

// The reports folder of a program folder, or an empty name when there is
// no real folder of that name inside it.
QString reportsFolder(const QString &programFolder);

// Reads a reports folder in steps: readNext() reads a few files, so a
// window stays responsive and can show how far it has come.
class ReportLoader
{
public:
    explicit ReportLoader(const QString &programFolder);

    int total() const { return int(names.size()); }
    int done() const { return next; }
    bool atEnd() const { return next >= names.size(); }
    void readNext(int count);

    // The table once every file was read.
    ReportTable result();

private:
    ReportTable table;
    QStringList names;
    QSet<QString> links;   // names of `names` that are symbolic links
    QSet<QString> records; // record files of the records folder, links left out
    int next = 0;
};

// The whole folder at once.
ReportTable loadReports(const QString &programFolder);

} // namespace results
