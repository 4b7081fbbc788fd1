#include "languagefile.h"

#include "folders.h"
#include "textcodec.h"

#include <QFile>

namespace bank {

LineReader::LineReader(const QString &path, LineEnds ends)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return;
    }
    take(file.readAll(), ends);
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
    byteCount = bytes.size();
    const QString text = decodeText(bytes);
    nul = text.contains(QChar(0));
    lines = ends == LineEnds::CrOrLf ? splitQuestionLines(text) : splitLines(text);
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
    return LineReader(resolvePath(programFolder, QString::fromLatin1(kLanguageFolder) + u'/' + name),
                      LineEnds::CrOnly);
}

} // namespace bank
