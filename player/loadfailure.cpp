#include "loadfailure.h"

#include "bank/question.h"
#include "bank/textcodec.h"

#include <QFileInfo>

namespace player {

QString missingFileText(const QString &name)
{
    return QStringLiteral("No s'ha trobat el fitxer «%1».").arg(name);
}

QString textTooLongText(const QString &name, qint64 bytes)
{
    const qint64 megabytes = (bytes + 512 * 1024) / (1024 * 1024);
    return QStringLiteral("El text «%1» és massa llarg per mostrar-lo (%2 MB).").arg(name, QString::number(megabytes));
}

QString pictureFailureText(const QString &name, const ui::Picture &picture)
{
    switch (picture.problem) {
    case ui::PictureProblem::Missing:
        return missingFileText(name);
    case ui::PictureProblem::TooLarge:
        return QStringLiteral("La imatge «%1» és massa gran per mostrar-la (%2 × %3 píxels).")
            .arg(name, QString::number(picture.size.width()), QString::number(picture.size.height()));
    case ui::PictureProblem::Unreadable:
    case ui::PictureProblem::None:
        break;
    }
    return QStringLiteral("No es pot obrir la imatge «%1»: està malmesa o no és una imatge.").arg(name);
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
    const QString path = questionFilePath(listed);
    if (!bank::isInside(path, programFolder))
        return false;
    const bank::QuestionRead read = bank::readQuestion(path);
    if (!read.ok())
        return false;
    const bank::Question &question = read.question;
    switch (static_cast<bank::QuestionType>(question.type)) {
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
