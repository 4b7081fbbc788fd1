// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reading a file of the program folder. Banks come from memory sticks,
// school shares and downloads, so a name may be anything: only a regular
// file is read (a FIFO would hang the window, a device never ends), never
// more than its limit, and a link that leads out of the program folder reads
// as a missing file.

#include <QByteArray>
#include <QString>

namespace bank {

// A question file or a language file is a few lines.
inline constexpr qint64 kMaxLineFileBytes = 1024 * 1024;
// A picture beyond this is not a picture a question shows.
inline constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;
// A feedback sound is a second or two of WAV.
inline constexpr qint64 kMaxSoundFileBytes = 4 * 1024 * 1024;
// The components the player and the installer copy are small programs.
inline constexpr qint64 kMaxComponentBytes = 16 * 1024 * 1024;

enum class FileProblem {
    None,
    Missing,    // no such file, or a link that leads out of the folder
    NotAFile,   // a folder, FIFO, device or socket
    TooLarge,   // more than the limit
    Unreadable, // there, but it cannot be opened or read
};

// Every member has its initializer, so that FileContent{{}, problem} names
// a whole value.
struct FileContent {
    QByteArray bytes{};
    FileProblem problem = FileProblem::None;
    qint64 size = 0;   // the file's size, as far as it is known
    QString error{};   // the system's words for an Unreadable file
};

// Reads the regular file `path` whole, up to `limit` bytes. Special files
// are refused from the open descriptor itself, without waiting on them.
FileContent readFile(const QString &path, qint64 limit);

// Whether `path`, once every link is resolved, lies inside `folder`.
bool isInside(const QString &path, const QString &folder);

// `path` when it is a regular file of at most `limit` bytes inside `folder`;
// the reason otherwise.
FileProblem checkFile(const QString &path, const QString &folder, qint64 limit);

// A folder, not a link to one, nor a file standing where a folder should be.
bool isRealFolder(const QString &path);

} // namespace bank
