// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The rows as a table: the model the window's view shows, the filter by
// date range and subject in front of it, the cell texts shared by the view
// and the CSV export, and the per-subject summary under the table.

#include "reports.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QSortFilterProxyModel>

namespace results {

// The repeat ("2" for the second report of a minute) has a column of its
// own, so that a spreadsheet reads the moment as a date.
enum Column { Pupil, When, Repeat, Course, Subject, Option, Mark, Right, Wrong, Blank, Warning, ColumnCount };

// A test gives at most this many questions.
inline constexpr int kMaxQuestionsInTest = 100;

// What a row says that no test can give: a mark over the scale, more
// questions than a test asks. Empty for a row a test can give.
struct RowWarnings {
    int markScaleHundredths = 1000;
    QString markOverScale = QStringLiteral("%1");    // "%1" the scale
    QString tooManyQuestions = QStringLiteral("%1"); // "%1" the most a test asks
};
QString warningText(const ResultRow &row, const RowWarnings &warnings);

// What a cell shows: "06/12/2026 09:05", "2" for the repeat.
QString cellText(const ResultRow &row, int column, const RowWarnings &warnings = {});

// The role QSortFilterProxyModel sorts by: the moment (and repeat) as one
// number, marks and counts as numbers, names as text.
inline constexpr int SortRole = Qt::UserRole;

class ResultsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ResultsModel(QObject *parent = nullptr);

    void setRows(QList<ResultRow> rows);
    void setHeaders(const QStringList &headers);
    void setWarnings(const RowWarnings &warnings);
    const ResultRow &row(int index) const { return rows.at(index); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<ResultRow> rows;
    QList<double> marks; // each row's mark as a number, for sorting
    QStringList headers;
    RowWarnings warnings;
};

class ResultsFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit ResultsFilter(ResultsModel *model, QObject *parent = nullptr);

    // Both ends count; a null date leaves that end open.
    void setDateRange(QDate from, QDate to);
    // An empty subject, course or option lets every one through.
    void setSubject(const QString &subject);
    void setCourse(const QString &course);
    void setOption(const QString &option);

    // The rows shown, in the order shown.
    QList<ResultRow> shownRows() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    ResultsModel *model;
    QDate from, to;
    QString subject, course, option;
};

// The subjects, courses and options of the rows, sorted, without empty names.
QStringList subjects(const QList<ResultRow> &rows);
QStringList courses(const QList<ResultRow> &rows);
QStringList options(const QList<ResultRow> &rows);

// One per test: a subject of two courses, or two options of a subject,
// are two summaries.
struct SubjectSummary {
    QString course;
    QString subject;
    QString option;
    int reports = 0;
    int marked = 0; // rows with a mark; the figures below are theirs
    double average = 0;
    double lowest = 0;
    double highest = 0;
};
QList<SubjectSummary> summarize(const QList<ResultRow> &rows);
// "LLENGUA ESTRANGERA / Francès (1r ESO)": the summary's name of its test.
QString testName(const SubjectSummary &summary);

// "6,25": two decimals with a comma, as the reports write marks.
QString decimalText(double value);

// The rows as a spreadsheet of the Catalan or Spanish locale opens them:
// UTF-8 with a byte-order mark, ";" between fields, decimal comma, CR LF
// after each record, and a field quoted when it holds ";", ",", a quote or a
// line break: LibreOffice's default import splits on commas too, and would
// cut "3,00" in two.
QByteArray csvBytes(const QStringList &headers, const QList<ResultRow> &rows, const RowWarnings &warnings = {});

// Writes a CSV to `path`: "-" is standard output; a device or a FIFO that
// stands there is written straight into, never replaced by a file; a
// regular file is replaced whole by renaming a temporary file over it.
bool writeCsvFile(const QString &path, const QByteArray &bytes, QString *error);
QString csvField(const QString &text);

// Appends one CSV line of `fields` (quoted as csvField does, ";" between, CR LF).
void appendCsvRecord(QString &text, const QStringList &fields);

} // namespace results
