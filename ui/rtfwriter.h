// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace ui {

// Writes a document as RTF for word processors: one \par between
// paragraphs, font, size, bold, italic, underline and colour kept per run.
// Text goes out as Windows-1252 (\'hh for bytes from 0x80), anything else as
// \uN with a question mark for readers that cannot show it.
QByteArray toRtf(const QTextDocument &document);

} // namespace ui
