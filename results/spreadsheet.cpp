// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spreadsheet.h"

#include "bank/readfile.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace results {

namespace {

// Sheet names: at most 31 characters, none of []:*?/\ .
QByteArray sheetName(const QString &name)
{
    QString clean = name;
    for (QChar c : QStringLiteral("[]:*?/\\"))
        clean.replace(c, u'_');
    return clean.left(31).toUtf8();
}

void writeText(lxw_worksheet *sheet, int row, int column, const QString &text, lxw_format *format = nullptr)
{
    // Strings stay strings: a name that starts like a formula is not one.
    if (!text.isEmpty())
        worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column), text.toUtf8().constData(), format);
}

void writeHeaders(lxw_worksheet *sheet, const QStringList &headers, lxw_format *bold)
{
    for (int c = 0; c < headers.size(); ++c)
        writeText(sheet, 0, c, headers[c], bold);
    worksheet_freeze_panes(sheet, 1, 0);
}

} // namespace

QByteArray xlsxBytes(const WorkbookTexts &texts, const QList<ResultRow> &rows, const QList<QuestionStat> &stats,
                     const RowWarnings &warnings, QString *error)
{
    // The library writes to a file name only: a folder of our own, read back whole.
    QTemporaryDir dir;
    if (!dir.isValid()) {
        if (error)
            *error = dir.errorString();
        return {};
    }
    const QByteArray path = dir.filePath(QStringLiteral("resultats.xlsx")).toLocal8Bit();
    lxw_workbook *book = workbook_new(path.constData());
    if (!book) {
        if (error)
            *error = QCoreApplication::translate("results", "no s'ha pogut començar el llibre de càlcul");
        return {};
    }
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format *date = workbook_add_format(book);
    format_set_num_format(date, "dd/mm/yyyy hh:mm");
    lxw_format *twoDecimals = workbook_add_format(book);
    format_set_num_format(twoDecimals, "0.00");
    lxw_format *whole = workbook_add_format(book);
    format_set_num_format(whole, "0");

    lxw_worksheet *table = workbook_add_worksheet(book, sheetName(texts.tableSheet).constData());
    writeHeaders(table, texts.columnHeaders, bold);
    for (int i = 0; i < rows.size(); ++i) {
        const ResultRow &r = rows[i];
        const int row = i + 1;
        for (int column = 0; column < ColumnCount; ++column) {
            switch (column) {
            case When: {
                const QDate d = r.when.date();
                const QTime t = r.when.time();
                // Excel's dates begin in 1900; an earlier one stays text.
                if (d.year() >= 1900) {
                    lxw_datetime when{d.year(), d.month(), d.day(), t.hour(), t.minute(), 0};
                    worksheet_write_datetime(table, lxw_row_t(row), lxw_col_t(column), &when, date);
                } else {
                    writeText(table, row, column, cellText(r, column, warnings));
                }
                break;
            }
            case Repeat:
                if (r.repeat > 1)
                    worksheet_write_number(table, lxw_row_t(row), lxw_col_t(column), r.repeat, whole);
                break;
            case Mark:
                if (const std::optional<double> mark = markValue(r.mark))
                    worksheet_write_number(table, lxw_row_t(row), lxw_col_t(column), *mark, twoDecimals);
                break;
            case Right:
            case Wrong:
            case Blank: {
                const int n = column == Right ? r.right : column == Wrong ? r.wrong : r.blank;
                worksheet_write_number(table, lxw_row_t(row), lxw_col_t(column), n, whole);
                break;
            }
            default:
                writeText(table, row, column, cellText(r, column, warnings));
            }
        }
    }
    worksheet_set_column(table, When, When, 16, nullptr);

    lxw_worksheet *questions = workbook_add_worksheet(book, sheetName(texts.questionsSheet).constData());
    writeHeaders(questions, texts.questionHeaders, bold);
    for (int i = 0; i < stats.size(); ++i) {
        const QuestionStat &s = stats[i];
        const lxw_row_t row = lxw_row_t(i + 1);
        writeText(questions, int(row), 0, s.file);
        writeText(questions, int(row), 1, s.statement);
        const int counts[] = {s.asked, s.right, s.wrong, s.blank};
        for (int c = 0; c < 4; ++c)
            worksheet_write_number(questions, row, lxw_col_t(2 + c), counts[c], whole);
        worksheet_write_number(questions, row, 6, 100 * s.shareRight(), twoDecimals);
        writeText(questions, int(row), 7, s.commonWrong);
        writeText(questions, int(row), 8, s.changed ? QStringLiteral("*") : QString());
    }

    if (const lxw_error e = workbook_close(book); e != LXW_NO_ERROR) {
        if (error)
            *error = QString::fromUtf8(lxw_strerror(e));
        return {};
    }
    const bank::FileContent content = bank::readFile(QString::fromLocal8Bit(path), 1024LL * 1024 * 1024);
    if (content.problem != bank::FileProblem::None) {
        if (error)
            *error = QCoreApplication::translate("results", "no s'ha pogut tornar a llegir el llibre de càlcul");
        return {};
    }
    return content.bytes;
}

} // namespace results
