// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace bank {

// The word of a reading text at a caret position, as both the player and the
// editor take it, and as the checker lists the words a click can give. Only
// the space separates words, so punctuation and tabs stay with their word; a
// line break ends a word as well, so a word at the end of a line does not
// run on into the next line. A no-break space is a space here: the reading
// box shows it as one, so a word read from the file breaks where a word
// clicked in the box does.
//
// `position` is the caret: the number of characters before it. A caret just
// after a separator takes the word that follows; a caret inside or at the
// end of a word takes that word; between two separators the word is empty.

struct WordRange
{
    int start = 0;
    int length = 0;
    friend bool operator==(const WordRange &, const WordRange &) = default;
};

bool isWordSeparator(QChar c);
WordRange wordRangeAt(const QString &text, int position);
QString wordAt(const QString &text, int position);

} // namespace bank
