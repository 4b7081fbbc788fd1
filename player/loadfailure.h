// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/folders.h"
#include "bank/question.h"
#include "bank/readfile.h"
#include "ui/picturefile.h"

#include <QString>

namespace player {

// The error-line texts for files a question names that cannot be shown.

// A reading text or attachment is a few pages at most.
inline constexpr qint64 kMaxTextBytes = bank::kMaxTextFileBytes;

QString missingFileText(const QString &name);
QString textTooLongText(const QString &name, qint64 bytes);
QString pictureFailureText(const QString &name, const ui::Picture &picture);

// The error-line texts for a question file that is no question; the bank
// checker gives the same reasons.
QString fileEndsEarlyText();
QString tooManyOptionsText();
QString noOptionsText();
QString unknownTypeText(const QString &typeLine);
QString emptyFileText(const QString &name);
QString damagedFileText(const QString &name);
QString questionTooLargeText(const QString &name);

// The question file `path` as the test window reads it: a link that leads
// out of the program folder is not a question of it and reads as missing.
bank::QuestionRead readListedQuestion(const QString &programFolder, const QString &path);

// Why the file `name` read as `read` cannot be read at all (missing, too
// large, empty, not text); empty when its lines can be read.
QString unreadableFileText(const bank::QuestionRead &read, const QString &name);

// Why it is no question: the reason above, or what its lines lack; empty
// for a question.
QString notAQuestionText(const bank::QuestionRead &read, const QString &name);

// The reading text or text attachment `name` of the "textos" folder, with
// its line ends made "\n"; false, with the error line in `failure`, when it
// is missing, not a file or too long.
bool readQuestionText(const QString &programFolder, const QString &name, QString &text, QString &failure);

// A listed question file ("N.txt"), found whatever its letter case on disk.
QString questionFilePath(const QString &listed);

// Whether the question a list row names can be shown and answered: its file
// is there and is a question, and the picture or text it names can be read.
// A question that cannot be shown counts as blank, so its test still ends.
bool canShowQuestion(const QString &programFolder, const QString &listed);

} // namespace player
