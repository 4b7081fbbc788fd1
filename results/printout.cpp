// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printout.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QBuffer>
#include <QFont>
#include <QTextDocument>

namespace results {

QByteArray pdfBytes(const QString &title, const QList<PrintedTable> &tables)
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
    // Into memory: the file is then replaced whole, as the other exports are.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setTitle(title);
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    document.setHtml(html);
    document.print(&writer);
    return buffer.data();
}

} // namespace results
