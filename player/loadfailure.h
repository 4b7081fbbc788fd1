#pragma once

#include "ui/picturefile.h"

#include <QString>

namespace player {

// The error-line texts for files a question names that cannot be shown.

// A question file is a few lines; a reading text or a text attachment a few
// pages. Anything far larger is a file put there by mistake, and showing it
// would freeze the window for minutes.
inline constexpr qint64 kMaxQuestionFileBytes = 1024 * 1024;
inline constexpr qint64 kMaxTextBytes = 2 * 1024 * 1024;

QString missingFileText(const QString &name);
QString textTooLongText(const QString &name, qint64 bytes);
QString pictureFailureText(const QString &name, const ui::Picture &picture);

} // namespace player
