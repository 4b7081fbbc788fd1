// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace bank {

// The start of the hidden name a file has while it is being written.
inline constexpr auto kTemporaryPrefix = ".nou-";
// The hidden folder ".nou-claim-<name>" a writer holds while it gives a new
// file that name where the disk has no hard links.
inline constexpr auto kClaimPrefix = ".nou-claim-";

// Files that appear whole or not at all, and never over another file. Each is
// written under a hidden temporary name in the target's folder, flushed to
// the disk and then given its name, and the folder flushed after it. Created
// files get the permissions of any file the user creates (0666 less the
// umask as the program started), so the other accounts of a classroom can
// read them. Passing failures of a share (EIO, EBUSY) are tried again a few
// times, a few milliseconds apart. Temporaries and claims older than a day,
// left by a killed writer, are removed when a writer first writes into
// their folder; every reader skips hidden names meanwhile.

// Creates `path` with `bytes`; fails, writing nothing, when `path` already
// exists (`alreadyExists` then says so). What holds, by the disk:
// - hard links (local disks, most servers): the whole file is linked to the
//   name; two writers at once, exactly one succeeds, even across machines.
// - no hard links (FAT memory sticks, Samba through smbnetfs, sshfs): the
//   writer first makes the hidden claim folder of the name (mkdir stays
//   exclusive where O_EXCL does not), then renames the whole file onto the
//   name with RENAME_NOREPLACE where the file system has it (vfat does), else
//   after seeing the name still free. Whole always; exclusive among these
//   writers, which all claim first.
// - not even a claim folder can be made: the name is created with O_EXCL and
//   written; a crash can then leave part of a file under the name, and two
//   writers both win where the file system ignores O_EXCL.
bool createExclusively(const QString &path, const QByteArray &bytes, QString *error = nullptr,
                       bool *alreadyExists = nullptr);

// Creates or replaces `path` with `bytes` in one step. A link standing at
// `path` is replaced, never followed. Where no temporary can be made beside
// it (a read-only folder) or its name belongs to another account (a sticky
// folder), a writable regular file with no other name is written in place
// instead: no link followed, not whole if the writer is cut short.
bool replaceAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Empty when replaceAtomically could replace or write the file at `path`,
// else why not (the system's words). Changes nothing.
QString whyCannotReplace(const QString &path);

// Many new files at once (an import of thousands of questions): while one
// of these lives, files that createExclusively writes on this thread still
// appear whole under their names, but reach the disk together when it ends,
// one sync of each file system instead of two per file (10,000 questions
// took 80 s one sync at a time). A power cut before the end may leave files
// of the batch missing or empty.
class SyncBatch
{
public:
    SyncBatch();
    ~SyncBatch();
    SyncBatch(const SyncBatch &) = delete;
    SyncBatch &operator=(const SyncBatch &) = delete;
};

namespace testing {
// Makes every hard link fail as it does on a FAT memory stick.
void refuseHardLinks(bool refuse);
} // namespace testing

} // namespace bank
