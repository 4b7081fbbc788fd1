// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "table.h"

#include "bank/atomicfile.h"
#include "player/testlogic.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace results {

QString warningText(const ResultRow &row, const RowWarnings &warnings)
{
    QStringList said;
    // In hundredths, as marks are written: 6,50 is on a scale of 6,5.
    if (std::round(markValue(row.mark).value_or(0) * 100) > warnings.markScaleHundredths)
        said.append(warnings.markOverScale.arg(player::markScaleText(warnings.markScaleHundredths)));
    if (qint64(row.right) + row.wrong + row.blank > kMaxQuestionsInTest)
        said.append(warnings.tooManyQuestions.arg(kMaxQuestionsInTest));
    return said.join(QStringLiteral("; "));
}

QString cellText(const ResultRow &row, int column, const RowWarnings &warnings)
{
    switch (column) {
    case Pupil:
        return row.pupil;
    case When:
        return row.when.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    case Repeat:
        return row.repeat > 1 ? QString::number(row.repeat) : QString();
    case Warning:
        return warningText(row, warnings);
    case Subject:
        return row.subject;
    case Course:
        return row.course;
    case Option:
        return row.option;
    case Mark:
        return row.mark;
    case Right:
        return QString::number(row.right);
    case Wrong:
        return QString::number(row.wrong);
    case Blank:
        return QString::number(row.blank);
    default:
        return {};
    }
}

ResultsModel::ResultsModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ResultsModel::setRows(QList<ResultRow> newRows)
{
    beginResetModel();
    rows = std::move(newRows);
    // Read once here, not at each of a sort's comparisons. A test without a
    // mark sorts below every mark.
    marks.clear();
    marks.reserve(rows.size());
    for (const ResultRow &r : std::as_const(rows))
        marks.append(markValue(r.mark).value_or(-1.0));
    endResetModel();
}

void ResultsModel::setWarnings(const RowWarnings &newWarnings)
{
    beginResetModel();
    warnings = newWarnings;
    endResetModel();
}

void ResultsModel::setHeaders(const QStringList &newHeaders)
{
    headers = newHeaders;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

int ResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int ResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return {};
    const ResultRow &r = rows.at(index.row());
    const int column = index.column();
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return cellText(r, column, warnings);
    if (role == Qt::TextAlignmentRole && ((column >= Mark && column <= Blank) || column == Repeat))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    // The file name as text: a tool tip would take a name holding "<b>" as markup.
    if (role == Qt::ToolTipRole && column == Pupil)
        return QString(QStringLiteral("<p style='white-space:pre'>") + r.path.section(u'/', -1).toHtmlEscaped()
                       + QStringLiteral("</p>"));
    if (role != SortRole)
        return {};
    switch (column) {
    case When:
        // Minutes, then the repeat within the minute.
        return r.when.toSecsSinceEpoch() * 1000 + r.repeat;
    case Repeat:
        return r.repeat;
    case Mark:
        return marks.at(index.row());
    case Right:
        return r.right;
    case Wrong:
        return r.wrong;
    case Blank:
        return r.blank;
    default:
        return cellText(r, column, warnings);
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
        return headers.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

ResultsFilter::ResultsFilter(ResultsModel *source, QObject *parent)
    : QSortFilterProxyModel(parent)
    , model(source)
{
    setSourceModel(model);
    setSortRole(SortRole);
    setSortLocaleAware(true);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void ResultsFilter::setDateRange(QDate newFrom, QDate newTo)
{
    from = newFrom;
    to = newTo;
    invalidateRowsFilter();
}

void ResultsFilter::setSubject(const QString &newSubject)
{
    subject = newSubject;
    invalidateRowsFilter();
}

void ResultsFilter::setCourse(const QString &newCourse)
{
    course = newCourse;
    invalidateRowsFilter();
}

void ResultsFilter::setOption(const QString &newOption)
{
    option = newOption;
    invalidateRowsFilter();
}

QList<ResultRow> ResultsFilter::shownRows() const
{
    QList<ResultRow> shown;
    shown.reserve(rowCount());
    for (int i = 0; i < rowCount(); ++i)
        shown.append(model->row(mapToSource(index(i, 0)).row()));
    return shown;
}

bool ResultsFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const ResultRow &r = model->row(sourceRow);
    const QDate day = r.when.date();
    if (from.isValid() && day < from)
        return false;
    if (to.isValid() && day > to)
        return false;
    return (subject.isEmpty() || r.subject == subject) && (course.isEmpty() || r.course == course)
        && (option.isEmpty() || r.option == option);
}

namespace {

QStringList sortedNames(const QList<ResultRow> &rows, QString ResultRow::*member)
{
    QStringList names;
    for (const ResultRow &r : rows) {
        if (!(r.*member).isEmpty())
            names.append(r.*member);
    }
    names.removeDuplicates();
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return QString::localeAwareCompare(a, b) < 0; });
    return names;
}

} // namespace

QStringList subjects(const QList<ResultRow> &rows)
{
    return sortedNames(rows, &ResultRow::subject);
}

QStringList courses(const QList<ResultRow> &rows)
{
    return sortedNames(rows, &ResultRow::course);
}

QStringList options(const QList<ResultRow> &rows)
{
    return sortedNames(rows, &ResultRow::option);
}

QString testName(const SubjectSummary &summary)
{
    QString name = summary.subject;
    if (!summary.option.isEmpty())
        name += QStringLiteral(" / ") + summary.option;
    if (!summary.course.isEmpty())
        name += QStringLiteral(" (") + summary.course + u')';
    return name;
}

QList<SubjectSummary> summarize(const QList<ResultRow> &rows)
{
    // Keyed by the test: the same subject of two courses, or two options of
    // one subject, are never one summary.
    std::map<std::tuple<QString, QString, QString>, SubjectSummary> byTest;
    for (const ResultRow &r : rows) {
        SubjectSummary &s = byTest[{r.subject, r.course, r.option}];
        s.course = r.course;
        s.subject = r.subject;
        s.option = r.option;
        ++s.reports;
        const std::optional<double> mark = markValue(r.mark);
        if (!mark)
            continue;
        s.lowest = s.marked == 0 ? *mark : std::min(s.lowest, *mark);
        s.highest = s.marked == 0 ? *mark : std::max(s.highest, *mark);
        s.average += *mark;
        ++s.marked;
    }
    QList<SubjectSummary> summaries;
    for (auto &[key, s] : byTest) {
        if (s.marked > 0)
            s.average /= s.marked;
        summaries.append(s);
    }
    std::stable_sort(summaries.begin(), summaries.end(), [](const SubjectSummary &a, const SubjectSummary &b) {
        for (const auto &[x, y] : {std::pair{&a.subject, &b.subject}, std::pair{&a.course, &b.course},
                                   std::pair{&a.option, &b.option}}) {
            if (const int c = QString::localeAwareCompare(*x, *y); c != 0)
                return c < 0;
        }
        return false;
    });
    return summaries;
}

QString decimalText(double value)
{
    return QString::number(value, 'f', 2).replace(u'.', u',');
}

QString csvField(const QString &field)
{
    // A pupil types the name: one that starts like a formula must not become
    // one in the teacher's spreadsheet, so it is kept as text.
    static const QString startsFormula = QStringLiteral("=+-@\t\r");
    const QString text = !field.isEmpty() && startsFormula.contains(field.front()) ? u'\'' + field : field;
    static const QString needsQuotes = QStringLiteral(";,\"\r\n");
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return needsQuotes.contains(c); }))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

void appendCsvRecord(QString &text, const QStringList &fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += u';';
        text += csvField(fields[i]);
    }
    text += QStringLiteral("\r\n");
}

QByteArray csvBytes(const QStringList &headers, const QList<ResultRow> &rows, const RowWarnings &warnings)
{
    QString text;
    auto record = [&text](const QStringList &fields) { appendCsvRecord(text, fields); };
    record(headers);
    for (const ResultRow &r : rows) {
        QStringList fields;
        for (int column = 0; column < ColumnCount; ++column)
            fields.append(cellText(r, column, warnings));
        record(fields);
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool writeCsvFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file;
    bool opened = false;
    if (path == u"-") {
        opened = file.open(stdout, QIODevice::WriteOnly);
    } else if (const QFileInfo info(path); info.exists() && !info.isFile() && !info.isDir()) {
        // /dev/null, /dev/stdout, a FIFO: renaming over it would put a file
        // in its place (as root, the system's own /dev/null).
        file.setFileName(path);
        opened = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    } else {
        return bank::replaceAtomically(path, bytes, error);
    }
    if (opened && file.write(bytes) == bytes.size() && file.flush())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

} // namespace results
