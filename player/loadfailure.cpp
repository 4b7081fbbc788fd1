#include "loadfailure.h"

#include "bank/question.h"
#include "bank/textcodec.h"

#include <QFile>
#include <QFileInfo>

namespace player {

QString missingFileText(const QString &name)
{
    return QStringLiteral("No s'ha trobat el fitxer «%1».").arg(name);
}

QString textTooLongText(const QString &name, qint64 bytes)
{
    const qint64 megabytes = (bytes + 512 * 1024) / (1024 * 1024);
    return QStringLiteral("El text «%1» és massa llarg per mostrar-lo (%2 MB).").arg(name).arg(megabytes);
}

QString pictureFailureText(const QString &name, const ui::Picture &picture)
{
    switch (picture.problem) {
    case ui::PictureProblem::Missing:
        return missingFileText(name);
    case ui::PictureProblem::TooLarge:
        return QStringLiteral("La imatge «%1» és massa gran per mostrar-la (%2 × %3 píxels).")
            .arg(name)
            .arg(picture.size.width())
            .arg(picture.size.height());
    case ui::PictureProblem::Unreadable:
    case ui::PictureProblem::None:
        break;
    }
    return QStringLiteral("No es pot obrir la imatge «%1»: està malmesa o no és una imatge.").arg(name);
}

QString questionFilePath(const QString &listed)
{
    const QFileInfo info(listed);
    return bank::findEntry(info.path(), info.fileName());
}

bool canShowQuestion(const QString &programFolder, const QString &listed)
{
    const QFileInfo info(questionFilePath(listed));
    if (!info.isFile() || info.size() == 0 || info.size() > kMaxQuestionFileBytes)
        return false;
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.contains('\0'))
        return false;
    bank::Question question;
    if (bank::parseQuestion(bank::splitQuestionLines(bank::decodeText(bytes)), question) != bank::ReadError::None)
        return false;
    switch (static_cast<bank::QuestionType>(question.type)) {
    case bank::QuestionType::PictureAnswer:
    case bank::QuestionType::GraphicPoint: {
        const QString path = bank::resolveReferenced(programFolder, bank::ReferencedKind::Picture, question.fileName);
        return !path.isEmpty() && ui::readPicture(path).problem == ui::PictureProblem::None;
    }
    case bank::QuestionType::ReadingWord: {
        const QFileInfo text(bank::resolveReferenced(programFolder, bank::ReferencedKind::Text, question.fileName));
        return text.isFile() && text.isReadable() && text.size() <= kMaxTextBytes;
    }
    default:
        return true;
    }
}

} // namespace player
