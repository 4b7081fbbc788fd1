// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printout.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <limits>

namespace results {

namespace {

QString html(const QString &title, const QList<PrintedTable> &tables)
{
    // Names are the pupils' and the teachers': escaped, never markup.
    QString html = QStringLiteral("<h2>") + title.toHtmlEscaped() + QStringLiteral("</h2>");
    for (const PrintedTable &t : tables) {
        html += QStringLiteral("<h3>") + t.title.toHtmlEscaped()
            + QStringLiteral("</h3><table border='1' cellspacing='0' cellpadding='2'><thead><tr>");
        for (const QString &h : t.headers)
            html += QStringLiteral("<th>") + h.toHtmlEscaped() + QStringLiteral("</th>");
        html += QStringLiteral("</tr></thead>");
        for (const QStringList &row : t.rows) {
            html += QStringLiteral("<tr>");
            for (const QString &cell : row)
                html += QStringLiteral("<td>") + cell.toHtmlEscaped() + QStringLiteral("</td>");
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
    }
    return html;
}

// Halfway between the lowest text of row r - 1 and the highest of row r:
// the line the two rows' borders meet on.
double rowBoundary(const QAbstractTextDocumentLayout &layout, const QTextTable &table, int r)
{
    double above = 0;
    double below = std::numeric_limits<double>::max();
    for (int c = 0; c < table.columns(); ++c) {
        above = std::max(above, layout.blockBoundingRect(table.cellAt(r - 1, c).lastCursorPosition().block()).bottom());
        below = std::min(below, layout.blockBoundingRect(table.cellAt(r, c).firstCursorPosition().block()).top());
    }
    return (above + below) / 2;
}

// The document, laid out as one long page, cut into headings, table
// headers and rows.
QList<Band> bands(const QTextDocument &document)
{
    const QAbstractTextDocumentLayout &layout = *document.documentLayout();
    QList<Band> bands;
    auto add = [&bands](double top, int header, bool keepWithNext) {
        if (!bands.isEmpty())
            bands.last().bottom = top;
        bands.append({top, top, header, keepWithNext});
    };
    for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        QTextFrame *frame = it.currentFrame();
        const QTextTable *table = qobject_cast<const QTextTable *>(frame);
        if (table && table->rows() > 0 && table->columns() > 0) {
            const int headerRows = std::clamp(table->format().headerRowCount(), 0, table->rows() - 1);
            const int header = headerRows > 0 ? int(bands.size()) : -1;
            add(layout.frameBoundingRect(frame).top(), -1, headerRows > 0);
            for (int r = std::max(headerRows, 1); r < table->rows(); ++r)
                add(rowBoundary(layout, *table, r), header, false);
        } else if (frame) {
            add(layout.frameBoundingRect(frame).top(), -1, false);
        } else {
            add(layout.blockBoundingRect(it.currentBlock()).top(), -1, true);
        }
    }
    if (!bands.isEmpty())
        bands.last().bottom = std::max(bands.last().top, layout.documentSize().height());
    return bands;
}

} // namespace

// Qt's own pagination of a table moves a row to the next page only when
// none of its cells' first lines fit, so a wrapped cell was cut in two; the
// rows are laid on the pages here instead.
QList<QList<Slice>> paginate(const QList<Band> &bands, double pageHeight)
{
    // Rounding of the layout's fixed-point positions.
    const double slack = 1e-6 * std::max(pageHeight, 1.0);
    QList<QList<Slice>> pages;
    QList<Slice> page;
    double used = 0;
    bool fresh = true; // nothing on the page yet but a repeated header
    auto place = [&](double top, double bottom) {
        if (!page.isEmpty() && page.last().bottom == top)
            page.last().bottom = bottom;
        else
            page.append({top, bottom});
        used += bottom - top;
        fresh = false;
    };
    // A header that would take half the page is not repeated.
    auto startPage = [&](int header) {
        if (!page.isEmpty())
            pages.append(page);
        page.clear();
        used = 0;
        if (header >= 0 && bands[header].bottom - bands[header].top < pageHeight / 2)
            place(bands[header].top, bands[header].bottom);
        fresh = true;
    };
    qsizetype flowUntil = -1; // a group too tall for a page: cut where pages end
    for (qsizetype i = 0; i < bands.size();) {
        qsizetype last = i;
        while (i > flowUntil && last + 1 < bands.size() && bands[last].keepWithNext)
            ++last;
        const int header = bands[i].header;
        const double height = bands[last].bottom - bands[i].top;
        if (i > flowUntil && !fresh && used + height > pageHeight + slack)
            startPage(header);
        if (used + height <= pageHeight + slack) {
            place(bands[i].top, bands[last].bottom);
            i = last + 1;
            continue;
        }
        // Too tall for a page even at its top: the group flows from here.
        flowUntil = std::max(flowUntil, last);
        const Band &band = bands[i];
        double y = band.top;
        while (band.bottom - y > pageHeight - used + slack) {
            const double room = pageHeight - used;
            place(y, y + room);
            y += room;
            startPage(header);
        }
        place(y, band.bottom);
        ++i;
    }
    if (!page.isEmpty())
        pages.append(page);
    return pages;
}

QByteArray pdfBytes(const QString &title, const QList<PrintedTable> &tables)
{
    // Into memory: the file is then replaced whole, as the other exports are.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setTitle(title);

    // Laid out once for the writer's resolution, as wide as a page and as
    // long as it needs; each page then shows its strips of it.
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    document.setHtml(html(title, tables));
    document.setTextWidth(writer.width());

    const QList<QList<Slice>> pages = paginate(bands(document), writer.height());
    // The layout draws every row its clip touches, the clip then hides what
    // falls outside; a row beside the strip would still leave its words in
    // the PDF, for a search or a copy to find on the wrong page. A point
    // less at each end leaves it out, and is less than a cell's padding.
    const double inset = writer.resolution() / 72.0;
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    QPainter painter(&writer);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0)
            writer.newPage();
        double y = 0;
        for (const Slice &slice : pages[p]) {
            const QRectF strip(0, slice.top, writer.width(), slice.bottom - slice.top);
            painter.save();
            painter.translate(0, y - slice.top);
            painter.setClipRect(strip);
            context.clip = strip.height() > 4 * inset ? strip.adjusted(0, inset, 0, -inset) : strip;
            document.documentLayout()->draw(&painter, context);
            painter.restore();
            y += strip.height();
        }
    }
    painter.end();
    return buffer.data();
}

} // namespace results
