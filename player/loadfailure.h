#pragma once

#include "bank/folders.h"
#include "ui/picturefile.h"

#include <QString>

namespace player {

// The error-line texts for files a question names that cannot be shown.

// A question file is a few lines; anything far larger was put there by
// mistake.
inline constexpr qint64 kMaxQuestionFileBytes = 1024 * 1024;
inline constexpr qint64 kMaxTextBytes = bank::kMaxTextFileBytes;

QString missingFileText(const QString &name);
QString textTooLongText(const QString &name, qint64 bytes);
QString pictureFailureText(const QString &name, const ui::Picture &picture);

} // namespace player
