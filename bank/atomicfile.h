#pragma once

#include <QByteArray>
#include <QString>

namespace bank {

// The start of the hidden name a file has while it is being written.
inline constexpr auto kTemporaryPrefix = ".nou-";

// Files that appear whole or not at all, and never over another file. Each is
// written under a hidden temporary name in the target's folder, flushed to
// the disk and then given its name, so a crash, a full disk or a network
// share that drops never leaves a truncated file behind. Created files get
// the permissions of any file the user creates (0666 less the umask), so
// the other accounts of a classroom can read them.

// Creates `path` with `bytes`; fails, writing nothing, when `path` already
// exists (`alreadyExists` then says so). Two programs creating the same name
// at once: exactly one succeeds. On file systems without hard links (FAT
// memory sticks, many network shares) the file is created new under its own
// name and removed again if it cannot be written whole.
bool createExclusively(const QString &path, const QByteArray &bytes, QString *error = nullptr,
                       bool *alreadyExists = nullptr);

// Creates or replaces `path` with `bytes` in one step. A link standing at
// `path` is replaced, never followed.
bool replaceAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

namespace testing {
// Makes every hard link fail as it does on a FAT memory stick.
void refuseHardLinks(bool refuse);
} // namespace testing

} // namespace bank
