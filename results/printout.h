// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The table and the per-question statistics on A4 pages, for the school's
// files: a PDF through Qt's own QPdfWriter and QTextDocument.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace results {

struct PrintedTable {
    QString title;
    QStringList headers;
    QList<QStringList> rows;
};

// The tables, one after the other, under `title` (which names the
// filters), as the bytes of a PDF of A4 pages.
QByteArray pdfBytes(const QString &title, const QList<PrintedTable> &tables);

} // namespace results
