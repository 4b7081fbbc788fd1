// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reports.h"

#include "rtftext.h"

#include "bank/atomicfile.h"
#include "bank/folders.h"
#include "bank/readfile.h"
#include "bank/sessionrecord.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>

namespace results {

namespace {

const QString kTemporaryPrefix = QString::fromLatin1(bank::kTemporaryPrefix);
const QString kLatestReport = QString::fromLatin1(bank::kLatestReport);

} // namespace

QList<SubjectResult> summaryLines(const QStringList &paragraphs)
{
    qsizetype end = paragraphs.size();
    // A word processor may have added an empty paragraph after the last line.
    while (end > 0 && paragraphs[end - 1].trimmed().isEmpty())
        --end;
    qsizetype start = end;
    QList<SubjectResult> lines;
    while (start > 0) {
        const std::optional<SubjectResult> line = bank::readSummaryLine(paragraphs[start - 1]);
        if (!line)
            break;
        lines.prepend(*line);
        --start;
    }
    return lines;
}

std::optional<double> markValue(const QString &mark)
{
    if (mark.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = QString(mark).replace(u',', u'.').toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString reportsFolder(const QString &programFolder)
{
    return bank::usableReportsFolder(programFolder);
}

namespace {

// A folder's entries, with the links among them told by the listing itself
// (the directory entry's type): a year of reports must not cost a stat each.
struct Listing {
    QStringList names;
    QSet<QString> links;
};

Listing list(const QString &folder)
{
    Listing listing;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        listing.names.append(name);
        if (it.fileInfo().isSymLink())
            listing.links.insert(name);
    }
    listing.names.sort();
    return listing;
}

// What one file gives: its rows, or why it was skipped, or nothing.
struct FileRows {
    QList<ResultRow> rows;
    std::optional<SkipReason> skipped;
};

FileRows readReport(const QString &folder, const QString &name, bool isLink, bool hasRecord)
{
    FileRows result;
    auto skip = [&](SkipReason reason) {
        result.skipped = reason;
        return result;
    };
    if (name.startsWith(u'.')) {
        // Other hidden files are the file manager's or the system's.
        if (name.startsWith(kTemporaryPrefix))
            return skip(SkipReason::BeingWritten);
        return result;
    }
    if (name.compare(kLatestReport, Qt::CaseInsensitive) == 0)
        return result;
    const std::optional<ReportName> parsed = reportName(name);
    if (!parsed)
        return skip(SkipReason::NotReportName);
    const QString path = folder + u'/' + name;
    // The bank's rule: a link leading out of the program folder reads as missing.
    if (isLink && !bank::isInside(path, folder))
        return result;
    // The record, when there is one, says more than the report's text and
    // needs no RTF read: the report's text is not read then.
    if (hasRecord) {
        const bank::FileContent record = bank::readFile(
            bank::recordPath(folder, name), bank::kMaxRecordBytes);
        if (record.problem == bank::FileProblem::None) {
            if (const std::optional<bank::SessionRecord> read = bank::readSessionRecord(record.bytes)) {
                result.rows.reserve(read->tests.size());
                for (const bank::RecordedTest &t : read->tests) {
                    // Upper case as in the report, so a subject's rows from
                    // reports with and without a record share its name.
                    result.rows.append({parsed->pupil, parsed->when, parsed->repeat, read->course, t.subject.toUpper(),
                                        t.option, t.mark.trimmed(), t.right, t.wrong, t.blank, path, true, t.questions});
                }
                return result;
            }
        }
    }
    const bank::FileContent content = bank::readFile(path, kMaxReportBytes);
    switch (content.problem) {
    case bank::FileProblem::None:
        break;
    case bank::FileProblem::Missing:
        // Removed since the folder was listed.
        return result;
    case bank::FileProblem::TooLarge:
        return skip(SkipReason::TooLarge);
    case bank::FileProblem::NotAFile:
    case bank::FileProblem::Unreadable:
        return skip(SkipReason::Unreadable);
    }
    if (content.bytes.isEmpty())
        return skip(SkipReason::Empty);
    const RtfText text = rtfText(content.bytes);
    if (text.problem == RtfProblem::NotRtf)
        return skip(SkipReason::NotRtf);
    if (text.problem == RtfProblem::Unfinished)
        return skip(SkipReason::Unfinished);
    const QList<SubjectResult> lines = summaryLines(text.paragraphs);
    if (lines.isEmpty()) {
        const bool annotated = std::any_of(text.paragraphs.cbegin(), text.paragraphs.cend(),
                                           [](const QString &p) { return summaryLine(p).has_value(); });
        return skip(annotated ? SkipReason::SummaryNotAtEnd : SkipReason::NoSummary);
    }
    for (const SubjectResult &line : lines) {
        result.rows.append({parsed->pupil, parsed->when, parsed->repeat, QString(), line.subject, QString(), line.mark,
                            line.right, line.wrong, line.blank, path, false, {}});
    }
    return result;
}

} // namespace

ReportLoader::ReportLoader(const QString &programFolder)
{
    table.folder = reportsFolder(programFolder);
    table.folderFound = !table.folder.isEmpty();
    if (table.folderFound) {
        Listing reports = list(table.folder);
        names = std::move(reports.names);
        links = std::move(reports.links);
        // Checked once: a year of records would pay for it at each file.
        // A link, which could lead anywhere, is no record.
        const QString folder = table.folder + u'/' + QLatin1String(bank::kRecordsFolder);
        if (QFileInfo(folder).isDir() && bank::isInside(folder, table.folder)) {
            const Listing found = list(folder);
            for (const QString &name : found.names) {
                if (!found.links.contains(name))
                    records.insert(name);
            }
        }
    }
}

void ReportLoader::readNext(int count)
{
    const int end = int(std::min<qsizetype>(names.size(), qsizetype(next) + std::max(count, 0)));
    const QString folder = table.folder;
    // Each file on its own: read and parsed on every core, kept in the listing's order.
    const QList<FileRows> read = QtConcurrent::blockingMapped(names.mid(next, end - next), [&](const QString &name) {
        return readReport(folder, name, links.contains(name), records.contains(bank::recordFileName(name)));
    });
    for (qsizetype i = 0; i < read.size(); ++i) {
        table.rows.append(read[i].rows);
        if (read[i].skipped)
            table.skipped.append({names[next + i], *read[i].skipped});
    }
    next = end;
}

ReportTable ReportLoader::result()
{
    readNext(int(names.size()));
    // Rows of one report stay together, in the report's order.
    std::stable_sort(table.rows.begin(), table.rows.end(), [](const ResultRow &a, const ResultRow &b) {
        if (a.when != b.when)
            return a.when < b.when;
        if (a.pupil != b.pupil)
            return a.pupil < b.pupil;
        return a.repeat < b.repeat;
    });
    return std::move(table);
}

ReportTable loadReports(const QString &programFolder)
{
    return ReportLoader(programFolder).result();
}

} // namespace results
