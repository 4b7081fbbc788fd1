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

// A horizontal strip of the laid-out document, from `top` to `bottom`: a
// heading, a table's header rows, or one table row.
struct Band {
    double top = 0;
    double bottom = 0;
    int header = -1;           // the band repeated above this one at a page's top
    bool keepWithNext = false; // a heading stays with what follows it
};
// A strip of the document drawn on a page, in document coordinates.
struct Slice {
    double top = 0;
    double bottom = 0;
    bool operator==(const Slice &) const = default;
};
// The bands laid on pages of `pageHeight`, one list of slices per page. A
// band never leaves its page unless it is taller than a page; a page that
// goes on with a table starts with its header.
QList<QList<Slice>> paginate(const QList<Band> &bands, double pageHeight);

} // namespace results
