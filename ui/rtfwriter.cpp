// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rtfwriter.h"

#include "bank/textcodec.h"

#include <QFont>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace ui {

namespace {

void appendText(QByteArray &out, const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator) {
            out += "\\line ";
        } else if (u < 0x20 || u == QChar::ObjectReplacementCharacter
                   || u == QChar::ParagraphSeparator) {
            // Controls and embedded objects have no text to carry.
        } else if (u < 0x80) {
            out += char(u);
        } else {
            QByteArray byte;
            if (bank::encodeWindows1252(QString(c), byte)) {
                out += "\\'";
                out += QByteArray::number(uchar(byte.at(0)), 16).rightJustified(2, '0');
            } else {
                // RTF counts \u in signed 16 bits; surrogates go out one by one.
                out += "\\u";
                out += QByteArray::number(int(qint16(u)));
                out += '?';
            }
        }
    }
}

// Indices into the font and colour tables, built while the runs are written.
class Tables
{
public:
    int font(const QString &family)
    {
        int index = fonts.indexOf(family);
        if (index < 0) {
            fonts.append(family);
            index = int(fonts.size()) - 1;
        }
        return index;
    }

    // 0 is the reader's automatic colour.
    int color(QRgb rgb)
    {
        rgb = qRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
        int index = colors.indexOf(rgb);
        if (index < 0) {
            colors.append(rgb);
            index = int(colors.size()) - 1;
        }
        return index + 1;
    }

    QByteArray fontTable() const
    {
        QByteArray out = "{\\fonttbl";
        for (int i = 0; i < fonts.size(); ++i) {
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
            appendText(out, fonts[i]);
            out += ";}";
        }
        return out + '}';
    }

    QByteArray colorTable() const
    {
        QByteArray out = "{\\colortbl;";
        for (QRgb rgb : colors) {
            out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green"
                + QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb))
                + ';';
        }
        return out + '}';
    }

private:
    QStringList fonts;
    QList<QRgb> colors;
};

QByteArray runStart(Tables &tables, const QTextCharFormat &format, const QFont &defaultFont)
{
    const QFont font = format.font().resolve(defaultFont);
    QByteArray out = "{\\f" + QByteArray::number(tables.font(font.family()));
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 12.0;
    out += "\\fs" + QByteArray::number(qRound(points * 2));
    if (font.bold())
        out += "\\b";
    if (font.italic())
        out += "\\i";
    if (font.underline())
        out += "\\ul";
    const QBrush brush = format.foreground();
    if (format.hasProperty(QTextFormat::ForegroundBrush) && brush.style() != Qt::NoBrush)
        out += "\\cf" + QByteArray::number(tables.color(brush.color().rgb()));
    else
        out += "\\cf0";
    return out + ' ';
}

} // namespace

QByteArray toRtf(const QTextDocument &document)
{
    Tables tables;
    const QFont defaultFont = document.defaultFont();
    tables.font(defaultFont.family());

    QByteArray body;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            body += "\\par\r\n";
        body += "\\pard";
        if (block.begin().atEnd()) {
            body += ' ';
            continue;
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            body += runStart(tables, fragment.charFormat(), defaultFont);
            appendText(body, fragment.text());
            body += '}';
        }
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
    out += tables.fontTable() + "\r\n";
    out += tables.colorTable() + "\r\n";
    out += body;
    out += "}\r\n";
    return out;
}

} // namespace ui
