#pragma once

#include "bank/folders.h"
#include "bank/readfile.h"
#include "ui/picturefile.h"

#include <QString>

namespace player {

// The error-line texts for files a question names that cannot be shown.

// A question file is a few lines; anything far larger was put there by
// mistake.
inline constexpr qint64 kMaxQuestionFileBytes = bank::kMaxLineFileBytes;
inline constexpr qint64 kMaxTextBytes = bank::kMaxTextFileBytes;

QString missingFileText(const QString &name);
QString textTooLongText(const QString &name, qint64 bytes);
QString pictureFailureText(const QString &name, const ui::Picture &picture);

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
