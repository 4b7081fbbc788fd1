// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panelfiles.h"

#include "bank/question.h"
#include "bank/textcodec.h"

#include <QCoreApplication>
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

QString fileRefusal(ClickedFile kind, const QString &name, const bank::FileContent &file)
{
    if (file.problem == bank::FileProblem::NotAFile)
        return QCoreApplication::translate("editor", "«%1» no es un archivo normal y no se puede leer.").arg(name);
    if (file.problem != bank::FileProblem::TooLarge)
        return {};
    const QString megabytes = QString::number((file.size + 512 * 1024) / (1024 * 1024));
    switch (kind) {
    case ClickedFile::Question:
        return QCoreApplication::translate("editor", "El archivo «%1» es demasiado grande para ser una pregunta.").arg(name);
    case ClickedFile::OptionList:
        return QCoreApplication::translate("editor", "La lista «%1» es demasiado larga para mostrarla (%2 MB).").arg(name, megabytes);
    case ClickedFile::ReadingText:
        return QCoreApplication::translate("editor", "El texto «%1» es demasiado largo para mostrarlo (%2 MB).").arg(name, megabytes);
    }
    return {};
}

QString pictureRefusal(const QString &name, const ui::Picture &picture)
{
    if (picture.problem == ui::PictureProblem::Unreadable)
        return QCoreApplication::translate("editor", "La imagen «%1» no se puede leer: no es un GIF, JPG o BMP válido.").arg(name);
    if (picture.problem != ui::PictureProblem::TooLarge)
        return {};
    if (!picture.size.isValid())
        return QCoreApplication::translate("editor", "La imagen «%1» es demasiado grande para mostrarla.").arg(name);
    return QCoreApplication::translate("editor", "La imagen «%1» es demasiado grande para mostrarla (%2 × %3 píxeles).")
        .arg(name, QString::number(picture.size.width()), QString::number(picture.size.height()));
}

QString outsideRefusal(const QString &name)
{
    return QCoreApplication::translate("editor", "«%1» es un enlace que sale de la carpeta del programa: BRENLOQ no lo leerá.").arg(name);
}

QString stretchedPictureRefusal(const QString &name, QSize natural)
{
    return QCoreApplication::translate("editor", "La imagen «%1» es demasiado ancha para mostrarla a esta altura (%2 × %3 píxeles).")
        .arg(name, QString::number(natural.width()), QString::number(natural.height()));
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
