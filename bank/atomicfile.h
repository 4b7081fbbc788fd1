#pragma once

#include <QByteArray>
#include <QString>

namespace bank {

// Files that appear whole or not at all. Each is written under a hidden
// temporary name in the target's folder and then given its name, so a crash
// or a full disk never leaves a truncated file behind.

// Creates `path` with `bytes`; fails, writing nothing, when `path` already
// exists (errno-style reason in `error`). Two programs creating the same name
// at once: exactly one succeeds.
bool createExclusively(const QString &path, const QByteArray &bytes, QString *error = nullptr,
                       bool *alreadyExists = nullptr);

// Creates or replaces `path` with `bytes` in one step.
bool replaceAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace bank
