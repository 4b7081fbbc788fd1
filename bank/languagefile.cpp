// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "languagefile.h"

#include "folders.h"
#include "textcodec.h"

#include <QFile>

namespace bank {

LineReader::LineReader(const QString &path, LineEnds ends)
{
    const FileContent file = readFile(path, kMaxLineFileBytes);
    why = file.problem;
    if (file.problem != FileProblem::None) {
        error = file.error;
        return;
    }
    take(file.bytes, ends);
}

LineReader LineReader::fromBytes(const QByteArray &bytes, LineEnds ends)
{
    LineReader reader;
    reader.take(bytes, ends);
    return reader;
}

void LineReader::take(const QByteArray &bytes, LineEnds ends)
{
    found = true;
    why = FileProblem::None;
    byteCount = bytes.size();
    const QString text = decodeText(bytes);
    nul = text.contains(QChar(0));
    const bool lineFeedsOnly = !text.contains(u'\r');
    lines = ends == LineEnds::CrOrLf || lineFeedsOnly ? splitQuestionLines(text) : splitLines(text);
}

bool LineReader::readLine(QString &target)
{
    if (next >= lines.size())
        return false;
    target = lines[next++];
    return true;
}

LineReader openLanguageFile(const QString &programFolder, const QString &name)
{
    return openProgramFile(programFolder, QString::fromLatin1(kLanguageFolder) + u'/' + name, LineEnds::CrOnly);
}

LineReader openProgramFile(const QString &programFolder, const QString &relative, LineEnds ends)
{
    const QString path = resolvePath(programFolder, relative);
    if (!isInside(path, programFolder))
        return LineReader();
    return LineReader(path, ends);
}

} // namespace bank
