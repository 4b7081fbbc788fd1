// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The table and the per-question statistics as an .xlsx workbook: typed
// cells (moments as dates, marks as numbers with two decimals, counts as
// whole numbers), the header row frozen. libxlsxwriter writes the format.

#include "questions.h"
#include "table.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace results {

struct WorkbookTexts {
    QStringList columnHeaders;   // the table's, in Column order
    QStringList questionHeaders; // the statistics'
    QString tableSheet;
    QString questionsSheet;
};

// The workbook's bytes; empty, with `error` saying why, when it could not be made.
QByteArray xlsxBytes(const WorkbookTexts &texts, const QList<ResultRow> &rows, const QList<QuestionStat> &stats,
                     const RowWarnings &warnings, QString *error);

} // namespace results
