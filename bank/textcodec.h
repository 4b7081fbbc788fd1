// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace bank {

// Old banks are Windows-1252; teachers now also save texts as UTF-8.
// Readers accept both, writers always write Windows-1252.
QString decodeWindows1252(const QByteArray &bytes);

// Encodes text as Windows-1252. Returns false, leaving `out` untouched, when a
// character has no Windows-1252 byte; `badChar` then names it.
bool encodeWindows1252(const QString &text, QByteArray &out, QChar *badChar = nullptr);

// UTF-8 when the bytes start with its byte-order mark, or when they are valid
// UTF-8 and hold at least one multi-byte sequence; UTF-16 when they start with
// its byte-order mark (Notepad's "Unicode"); Windows-1252 otherwise.
QString decodeText(const QByteArray &bytes);

// Splits a text into lines the way the programs read them: a line ends at
// CR LF or at a lone CR; a lone LF stays inside the line. A last line without
// an ending still counts; an empty text has no lines.
QStringList splitLines(const QString &text);

// The same for question files, where a lone LF ends a line as well: banks
// copied through Unix tools lose their CRs, and a question field never holds
// a line break.
QStringList splitQuestionLines(const QString &text);

} // namespace bank
