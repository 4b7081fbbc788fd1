#include "languagefile.h"

#include "folders.h"
#include "textcodec.h"

#include <QFile>

namespace bank {

LineReader::LineReader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return;
    }
    found = true;
    lines = splitLines(decodeText(file.readAll()));
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
    return LineReader(resolvePath(programFolder, QString::fromLatin1(kLanguageFolder) + u'/' + name));
}

} // namespace bank
