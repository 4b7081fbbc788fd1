// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "readfile.h"

namespace bank {

// A reading buffer that several lines (and, in the test window, several
// files) are read through. A line that cannot be read leaves the buffer as it
// was, so the caption it feeds repeats the last text read: translators' files
// that are short or missing degrade the way the shipped program always did.
struct LineBuffer {
    QString text;
};

// Where lines end. Language files end them at CR LF or a lone CR only, a lone
// LF staying in the text (a file with no CR at all, saved by a Linux editor,
// ends them at LF); question files end them at a lone LF as well.
enum class LineEnds { CrOnly, CrOrLf };

// Reads a text file line by line (question files, language files), through
// the bank's reader: only a regular file of at most kMaxLineFileBytes. A
// missing, special, oversized or unreadable file behaves like an empty one:
// every read fails and leaves its target unchanged.
class LineReader
{
public:
    LineReader() = default;
    explicit LineReader(const QString &path, LineEnds ends = LineEnds::CrOrLf);
    static LineReader fromBytes(const QByteArray &bytes, LineEnds ends);

    bool exists() const { return found; }
    FileProblem problem() const { return why; }
    QString errorString() const { return error; }

    // The file was there but held no byte at all.
    bool isEmpty() const { return found && byteCount == 0; }
    // A NUL character: a damaged file (a crash leaves files of zeros) or not
    // a text at all.
    bool holdsNul() const { return nul; }

    // Reads the next line into `target`. Returns false, leaving `target`
    // unchanged, when there is no further line.
    bool readLine(QString &target);
    bool readLine(LineBuffer &buffer) { return readLine(buffer.text); }
    bool atEnd() const { return next >= lines.size(); }

private:
    void take(const QByteArray &bytes, LineEnds ends);

    QStringList lines;
    qsizetype next = 0;
    qsizetype byteCount = 0;
    bool found = false;
    FileProblem why = FileProblem::Missing;
    bool nul = false;
    QString error;
};

// Opens "idioma/<name>" under the program folder, names matched without
// regard to case. A link leading out of the program folder reads as missing.
LineReader openLanguageFile(const QString &programFolder, const QString &name);

// Opens a file of the program folder by its relative path, the same way.
LineReader openProgramFile(const QString &programFolder, const QString &relative,
                           LineEnds ends = LineEnds::CrOrLf);

} // namespace bank
