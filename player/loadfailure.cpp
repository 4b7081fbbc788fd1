// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "loadfailure.h"

#include "bank/question.h"
#include "bank/textcodec.h"

#include <QFileInfo>
#include <QCoreApplication>

namespace player {

QString missingFileText(const QString &name)
{
    return QCoreApplication::translate("player", "No s'ha trobat el fitxer «%1».").arg(name);
}

QString textTooLongText(const QString &name, qint64 bytes)
{
    const qint64 megabytes = (bytes + 512 * 1024) / (1024 * 1024);
    return QCoreApplication::translate("player", "El text «%1» és massa llarg per mostrar-lo (%2 MB).").arg(name, QString::number(megabytes));
}

QString pictureFailureText(const QString &name, const ui::Picture &picture)
{
    switch (picture.problem) {
    case ui::PictureProblem::Missing:
        return missingFileText(name);
    case ui::PictureProblem::TooLarge:
        // A file refused for its bytes has no size read from its header.
        if (!picture.size.isValid())
            return QCoreApplication::translate("player", "La imatge «%1» és massa gran per mostrar-la.").arg(name);
        return QCoreApplication::translate("player", "La imatge «%1» és massa gran per mostrar-la (%2 × %3 píxels).")
            .arg(name, QString::number(picture.size.width()), QString::number(picture.size.height()));
    case ui::PictureProblem::Unreadable:
    case ui::PictureProblem::None:
        break;
    }
    return QCoreApplication::translate("player", "No es pot obrir la imatge «%1»: està malmesa o no és una imatge.").arg(name);
}

QString fileEndsEarlyText()
{
    return QCoreApplication::translate("player", "El fitxer de la pregunta s'acaba abans d'hora.");
}

QString tooManyOptionsText()
{
    return QCoreApplication::translate("player", "La pregunta té més de vuit opcions.");
}

QString noOptionsText()
{
    return QCoreApplication::translate("player", "La pregunta no té cap opció.");
}

QString unknownTypeText(const QString &typeLine)
{
    return QCoreApplication::translate("player", "El fitxer no és una pregunta: el tipus «%1» no existeix.")
        .arg(typeLine.trimmed().left(20));
}

QString emptyFileText(const QString &name)
{
    return QCoreApplication::translate("player", "El fitxer «%1» és buit.").arg(name);
}

QString damagedFileText(const QString &name)
{
    return QCoreApplication::translate("player", "El fitxer «%1» està malmès: no és un fitxer de text.").arg(name);
}

QString questionTooLargeText(const QString &name)
{
    return QCoreApplication::translate("player", "El fitxer «%1» és massa gran per ser una pregunta.").arg(name);
}

bank::QuestionRead readListedQuestion(const QString &programFolder, const QString &path)
{
    if (!bank::isInside(path, programFolder))
        return bank::QuestionRead{bank::FileProblem::Missing};
    return bank::readQuestion(path);
}

QString unreadableFileText(const bank::QuestionRead &read, const QString &name)
{
    if (read.file == bank::FileProblem::TooLarge)
        return questionTooLargeText(name);
    if (read.file != bank::FileProblem::None)
        return missingFileText(name);
    if (read.empty)
        return emptyFileText(name);
    if (read.holdsNul)
        return damagedFileText(name);
    return {};
}

QString notAQuestionText(const bank::QuestionRead &read, const QString &name)
{
    if (QString why = unreadableFileText(read, name); !why.isEmpty())
        return why;
    switch (read.error) {
    case bank::ReadError::None:
        return {};
    case bank::ReadError::Missing:
        return missingFileText(name);
    case bank::ReadError::UnknownType:
        return unknownTypeText(read.typeLine);
    case bank::ReadError::TooShort:
        return fileEndsEarlyText();
    case bank::ReadError::NoOptions:
        return noOptionsText();
    case bank::ReadError::TooManyOptions:
        return tooManyOptionsText();
    }
    return {};
}

bool readQuestionText(const QString &programFolder, const QString &name, QString &text, QString &failure)
{
    const QString path = bank::resolveReferenced(programFolder, bank::ReferencedKind::Text, name);
    const bank::FileContent file = path.isEmpty() ? bank::FileContent{{}, bank::FileProblem::Missing}
                                                  : bank::readFile(path, kMaxTextBytes);
    switch (file.problem) {
    case bank::FileProblem::None:
        break;
    case bank::FileProblem::TooLarge:
        failure = textTooLongText(name, file.size);
        return false;
    default:
        failure = missingFileText(name);
        return false;
    }
    text = bank::decodeText(file.bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return true;
}

QString questionFilePath(const QString &listed)
{
    const QFileInfo info(listed);
    return bank::findEntry(info.path(), info.fileName());
}

bool canShowQuestion(const QString &programFolder, const QString &listed)
{
    const bank::QuestionRead read = readListedQuestion(programFolder, questionFilePath(listed));
    if (!read.ok())
        return false;
    const bank::Question &question = read.question;
    switch (question.type) {
    case bank::QuestionType::PictureAnswer:
    case bank::QuestionType::GraphicPoint: {
        const QString picture = bank::resolveReferenced(programFolder, bank::ReferencedKind::Picture, question.fileName);
        return !picture.isEmpty() && ui::readPicture(picture).problem == ui::PictureProblem::None;
    }
    case bank::QuestionType::ReadingWord: {
        QString text;
        QString failure;
        return readQuestionText(programFolder, question.fileName, text, failure);
    }
    default:
        return true;
    }
}

} // namespace player
