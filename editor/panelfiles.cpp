#include "panelfiles.h"

#include "bank/question.h"
#include "bank/textcodec.h"

#include <QtMath>

namespace editor {

QSize scaledToHeight(QSize natural, int height)
{
    if (natural.isEmpty() || height <= 0)
        return {};
    const int width = qRound(double(natural.width()) * height / natural.height());
    return {width, height};
}

QString markCaption(double position)
{
    return bank::coordinateText(qRound(position));
}

QString readingText(const QByteArray &bytes)
{
    QString text = bank::decodeText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

bool isOptionListName(const QString &name)
{
    return name.right(3).compare(QStringLiteral("TXT"), Qt::CaseInsensitive) == 0;
}

QStringList optionListLines(const QByteArray &bytes)
{
    const QString text = readingText(bytes);
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(u'\n');
    if (text.endsWith(u'\n'))
        lines.removeLast();
    return lines;
}

} // namespace editor
