// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordrule.h"

#include <algorithm>

namespace bank {

bool isWordSeparator(QChar c)
{
    return c == u' ' || c == QChar::Nbsp || c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator
        || c == QChar::LineSeparator;
}

WordRange wordRangeAt(const QString &text, int position)
{
    const int size = int(text.size());
    const int caret = std::clamp(position, 0, size);

    // Back from the caret to the separator before the word, if any.
    int start = caret;
    while (start > 0 && !isWordSeparator(text.at(start - 1)))
        --start;

    int end = start;
    while (end < size && !isWordSeparator(text.at(end)))
        ++end;
    return {start, end - start};
}

QString wordAt(const QString &text, int position)
{
    const WordRange range = wordRangeAt(text, position);
    return text.mid(range.start, range.length);
}

} // namespace bank
