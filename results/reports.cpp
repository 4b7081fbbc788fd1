#include "reports.h"

#include "rtftext.h"

#include "bank/atomicfile.h"
#include "bank/folders.h"
#include "bank/readfile.h"
#include "bank/sessionrecord.h"

#include <QDir>
#include <QFileInfo>

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

ReportLoader::ReportLoader(const QString &programFolder)
{
    table.folder = reportsFolder(programFolder);
    table.folderFound = !table.folder.isEmpty();
    if (table.folderFound) {
        // Checked once: a year of records would pay for it at each file.
        const QString records = table.folder + u'/' + QLatin1String(bank::kRecordsFolder);
        if (QFileInfo(records).isDir() && bank::isInside(records, table.folder))
            recordsFolder = records;
        names = QDir(table.folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                             QDir::Name);
    }
}

void ReportLoader::readNext(int count)
{
    for (int i = 0; i < count && !atEnd(); ++i)
        read(names[next++]);
}

void ReportLoader::read(const QString &name)
{
    auto skip = [&](SkipReason reason) { table.skipped.append({name, reason}); };
    if (name.startsWith(u'.')) {
        // Other hidden files are the file manager's or the system's.
        if (name.startsWith(kTemporaryPrefix))
            skip(SkipReason::BeingWritten);
        return;
    }
    if (name.compare(kLatestReport, Qt::CaseInsensitive) == 0)
        return;
    const std::optional<ReportName> parsed = reportName(name);
    if (!parsed) {
        skip(SkipReason::NotReportName);
        return;
    }
    const QString path = table.folder + u'/' + name;
    // The bank's rule: a link leading out of the program folder reads as missing.
    if (!bank::isInside(path, table.folder))
        return;
    // The record, when there is one, says more than the report's text and
    // needs no RTF read: the report's text is not read then.
    const QString recordPath = recordsFolder + u'/' + bank::recordFileName(name);
    // A link, which could lead anywhere, is no record.
    if (const bank::FileContent record = recordsFolder.isEmpty() || QFileInfo(recordPath).isSymLink()
            ? bank::FileContent{{}, bank::FileProblem::Missing}
            : bank::readFile(recordPath, bank::kMaxRecordBytes);
        record.problem == bank::FileProblem::None) {
        if (const std::optional<bank::SessionRecord> read = bank::readSessionRecord(record.bytes)) {
            for (const bank::RecordedTest &t : read->tests) {
                // Upper case as in the report, so a subject's rows from
                // reports with and without a record share its name.
                table.rows.append({parsed->pupil, parsed->when, parsed->repeat, read->course, t.subject.toUpper(),
                                   t.option, t.mark.trimmed(), t.right, t.wrong, t.blank, path, true, t.questions});
            }
            return;
        }
    }
    const bank::FileContent content = bank::readFile(path, kMaxReportBytes);
    switch (content.problem) {
    case bank::FileProblem::None:
        break;
    case bank::FileProblem::Missing:
        // Removed since the folder was listed.
        return;
    case bank::FileProblem::TooLarge:
        skip(SkipReason::TooLarge);
        return;
    case bank::FileProblem::NotAFile:
    case bank::FileProblem::Unreadable:
        skip(SkipReason::Unreadable);
        return;
    }
    if (content.bytes.isEmpty()) {
        skip(SkipReason::Empty);
        return;
    }
    const RtfText text = rtfText(content.bytes);
    if (text.problem == RtfProblem::NotRtf) {
        skip(SkipReason::NotRtf);
        return;
    }
    if (text.problem == RtfProblem::Unfinished) {
        skip(SkipReason::Unfinished);
        return;
    }
    const QList<SubjectResult> lines = summaryLines(text.paragraphs);
    if (lines.isEmpty()) {
        const bool annotated = std::any_of(text.paragraphs.cbegin(), text.paragraphs.cend(),
                                           [](const QString &p) { return summaryLine(p).has_value(); });
        skip(annotated ? SkipReason::SummaryNotAtEnd : SkipReason::NoSummary);
        return;
    }
    for (const SubjectResult &line : lines) {
        table.rows.append({parsed->pupil, parsed->when, parsed->repeat, QString(), line.subject, QString(), line.mark,
                           line.right, line.wrong, line.blank, path, false, {}});
    }
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
