// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QStringList>

namespace results {

enum class RtfProblem {
    None,
    NotRtf,     // does not begin as an RTF document
    Unfinished, // its groups never close: cut short, or still being written
};

struct RtfText {
    QStringList paragraphs;
    RtfProblem problem = RtfProblem::None;
};

// The plain text of an RTF document, one entry per paragraph. Enough of RTF
// for what word processors write: groups, control words and symbols, \'hh
// as Windows-1252, \uN with its \ucN fallback skipped; font and colour
// tables, pictures, {\*...} destinations and the like are left out. Any
// bytes at all give a result, never a crash or a hang.
RtfText rtfText(const QByteArray &rtf);

} // namespace results
