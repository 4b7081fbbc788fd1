#pragma once

// The rows as a table: the model the window's view shows, the filter by
// date range and subject in front of it, the cell texts shared by the view
// and the CSV export, and the per-subject summary under the table.

#include "reports.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QSortFilterProxyModel>

namespace results {

enum Column { Pupil, When, Subject, Mark, Right, Wrong, Blank, ColumnCount };

// What a cell shows: "06/12/2026 09:05 (2)" for the second report of a minute.
QString cellText(const ResultRow &row, int column);

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
    const ResultRow &row(int index) const { return rows.at(index); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<ResultRow> rows;
    QList<double> marks; // each row's mark as a number, for sorting
    QStringList headers;
};

class ResultsFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit ResultsFilter(ResultsModel *model, QObject *parent = nullptr);

    // Both ends count; a null date leaves that end open.
    void setDateRange(QDate from, QDate to);
    // An empty subject lets every subject through.
    void setSubject(const QString &subject);

    // The rows shown, in the order shown.
    QList<ResultRow> shownRows() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    ResultsModel *model;
    QDate from, to;
    QString subject;
};

// The subjects of the rows, sorted.
QStringList subjects(const QList<ResultRow> &rows);

struct SubjectSummary {
    QString subject;
    int reports = 0;
    int marked = 0; // rows with a mark; the figures below are theirs
    double average = 0;
    double lowest = 0;
    double highest = 0;
};
QList<SubjectSummary> summarize(const QList<ResultRow> &rows);

// "6,25": two decimals with a comma, as the reports write marks.
QString decimalText(double value);

// The rows as a spreadsheet of the Catalan or Spanish locale opens them:
// UTF-8 with a byte-order mark, ";" between fields, decimal comma, CR LF
// after each record, and a field quoted when it holds ";", a quote or a
// line break.
QByteArray csvBytes(const QStringList &headers, const QList<ResultRow> &rows);
QString csvField(const QString &text);

} // namespace results
