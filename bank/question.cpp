// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "question.h"

#include "atomicfile.h"
#include "languagefile.h"
#include "numeric.h"
#include "readfile.h"
#include "textcodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cmath>
#include <cstring>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

namespace bank {

bool isCorrectOption(const QString &option)
{
    return option.endsWith(u' ');
}

bool isAttachmentName(const QString &line)
{
    const QString ext = line.right(4).toUpper();
    return ext == u".TXT" || ext == u".JPG" || ext == u".GIF";
}

bool isPictureAttachment(const QString &name)
{
    return isAttachmentName(name) && name.right(4).toUpper() != u".TXT";
}

QuestionType questionTypeOf(double code)
{
    for (const QuestionType type : kQuestionTypes) {
        if (code == typeCode(type))
            return type;
    }
    return QuestionType::None;
}

QString typeCodeLine(QuestionType type)
{
    return numberText(typeCode(type)) + u' ';
}

QString coordinateText(double value)
{
    QString text = numberText(value).mid(value < 0 ? 0 : 1);
    // Readers stop at an exponent: "1e+20" would read back as 1.
    if (text.contains(u'e'))
        text = QString::number(value, 'f', std::fabs(value) >= 1 ? 0 : 15);
    return text;
}

QStringList questionLines(const Question &q)
{
    QStringList lines{typeCodeLine(q.type), q.author};
    switch (q.type) {
    case QuestionType::None:
        break;
    case QuestionType::MultipleChoice:
        lines << q.statement;
        for (const QString &option : q.options) {
            if (option.isEmpty())
                break;
            lines << option;
        }
        if (!q.attachment.isEmpty())
            lines << q.attachment;
        break;
    case QuestionType::WrittenAnswer:
        lines << q.statement << q.answer;
        break;
    case QuestionType::PictureAnswer:
    case QuestionType::ReadingWord:
        lines << q.fileName << q.statement << q.answer;
        break;
    case QuestionType::GraphicPoint:
        lines << q.fileName << q.statement << coordinateText(q.x) << coordinateText(q.y);
        break;
    case QuestionType::TrueFalse:
        lines << q.statement << QString::fromLatin1(q.isTrue ? "VERDADERO" : "FALSO");
        break;
    }
    return lines;
}

ReadError parseQuestion(const QStringList &lines, Question &q)
{
    auto line = [&lines](int number) { return lines.value(number - 1); };
    if (lines.isEmpty())
        return ReadError::TooShort;
    q.type = questionTypeOf(numericValue(lines[0]));
    if (q.type == QuestionType::None)
        return ReadError::UnknownType;
    if (lines.size() < 2)
        return ReadError::TooShort;
    q.author = line(2);

    switch (q.type) {
    case QuestionType::None:
        break;
    case QuestionType::MultipleChoice: {
        if (lines.size() < 3)
            return ReadError::TooShort;
        q.statement = line(3);
        QStringList rest = lines.mid(3);
        if (rest.isEmpty())
            return ReadError::NoOptions;
        if (rest.size() > 8) {
            q.options = rest.mid(0, 8);
            return ReadError::TooManyOptions;
        }
        if (isAttachmentName(rest.last()))
            q.attachment = rest.takeLast();
        q.options = rest;
        return rest.isEmpty() ? ReadError::NoOptions : ReadError::None;
    }
    case QuestionType::WrittenAnswer:
        q.statement = line(3);
        q.answer = line(4);
        return lines.size() < 4 ? ReadError::TooShort : ReadError::None;
    case QuestionType::PictureAnswer:
    case QuestionType::ReadingWord:
        q.fileName = line(3);
        q.statement = line(4);
        q.answer = line(5);
        return lines.size() < 5 ? ReadError::TooShort : ReadError::None;
    case QuestionType::GraphicPoint:
        q.fileName = line(3);
        q.statement = line(4);
        q.x = numericValue(line(5));
        q.y = numericValue(line(6));
        return lines.size() < 6 ? ReadError::TooShort : ReadError::None;
    case QuestionType::TrueFalse:
        q.statement = line(3);
        q.isTrue = line(4) == u"VERDADERO";
        return lines.size() < 4 ? ReadError::TooShort : ReadError::None;
    }
    return ReadError::UnknownType;
}

QuestionRead readQuestionBytes(const QByteArray &bytes)
{
    QuestionRead read;
    read.empty = bytes.isEmpty();
    const QString text = decodeText(bytes);
    read.holdsNul = text.contains(QChar(0));
    const QStringList lines = splitQuestionLines(text);
    read.lineCount = int(std::min<qsizetype>(lines.size(), 1 << 30));
    read.typeLine = lines.value(0);
    read.error = parseQuestion(lines, read.question);
    switch (read.question.type) {
    case QuestionType::MultipleChoice:
        if (read.error == ReadError::TooManyOptions)
            read.linesBeyondEighth = lines.mid(3 + 8);
        break;
    case QuestionType::GraphicPoint:
        read.xLine = lines.value(4);
        read.yLine = lines.value(5);
        break;
    case QuestionType::TrueFalse:
        read.answerLine = lines.value(3);
        break;
    default:
        break;
    }
    return read;
}

QuestionRead readQuestion(const QString &path)
{
    const FileContent file = readFile(path, kMaxLineFileBytes);
    if (file.problem != FileProblem::None) {
        QuestionRead read;
        read.file = file.problem;
        read.error = ReadError::Missing;
        return read;
    }
    return readQuestionBytes(file.bytes);
}

ReadError readQuestionFile(const QString &path, Question &question)
{
    const QuestionRead read = readQuestion(path);
    if (read.file == FileProblem::None)
        question = read.question;
    return read.error;
}

int pixelCoordinate(double value)
{
    if (!std::isfinite(value) || std::abs(value) > 1e9)
        return -1;
    return qRound(value);
}

namespace {

// The refusals below are written in Spanish, as the editor that shows them
// is; the converter shows them too, so they go through the translations.

// Questions whose file could not be read back as written.
QString unreadableQuestion(const Question &q)
{
    if (!isQuestionType(q.type))
        return QCoreApplication::translate("bank::Question", "El tipo de pregunta %1 no existe. No se ha guardado la pregunta.")
            .arg(typeCode(q.type));
    if (q.type != QuestionType::MultipleChoice)
        return {};
    const qsizetype written = questionLines(q).size() - 3 - (q.attachment.isEmpty() ? 0 : 1);
    if (written > 8 || (written > 7 && !q.attachment.isEmpty()))
        return QCoreApplication::translate("bank::Question", "Una pregunta tipo test tiene como máximo ocho opciones, o siete "
                              "con un archivo de imagen o de texto. No se ha guardado la pregunta.");
    // Readers need one option line at least.
    if (written < 1)
        return QCoreApplication::translate("bank::Question", "Una pregunta tipo test necesita al menos una opción. "
                              "No se ha guardado la pregunta.");
    // Anything else on the last line would be read back as one more option.
    if (!q.attachment.isEmpty() && !isAttachmentName(q.attachment))
        return QCoreApplication::translate("bank::Question", "El archivo «%1» no es txt, gif ni jpg. No se ha guardado la pregunta.")
            .arg(q.attachment);
    // And a last option named like a file would be read back as the attachment.
    const QString lastOption = questionLines(q).at(2 + written);
    if (q.attachment.isEmpty() && isAttachmentName(lastOption))
        return QCoreApplication::translate("bank::Question", "La última opción «%1» se leería como un archivo adjunto. "
                              "No se ha guardado la pregunta.")
            .arg(lastOption);
    return {};
}

} // namespace

bool encodeQuestion(const Question &question, QByteArray &bytes, QString *error)
{
    if (const QString refusal = unreadableQuestion(question); !refusal.isEmpty()) {
        if (error)
            *error = refusal;
        return false;
    }
    QByteArray out;
    for (const QString &line : questionLines(question)) {
        if (line.contains(u'\r') || line.contains(u'\n')) {
            if (error)
                *error = QCoreApplication::translate("bank::Question", "Un campo de la pregunta contiene un salto de línea. "
                                        "No se ha guardado la pregunta.");
            return false;
        }
        // Readers take a file holding a NUL for a damaged one.
        if (line.contains(QChar(0))) {
            if (error)
                *error = QCoreApplication::translate("bank::Question", "Un campo de la pregunta contiene un carácter nulo. "
                                        "No se ha guardado la pregunta.");
            return false;
        }
        QByteArray encoded;
        QChar bad;
        if (!encodeWindows1252(line, encoded, &bad)) {
            if (error)
                *error = QCoreApplication::translate("bank::Question", "El carácter «%1» no se puede guardar en un archivo de "
                                        "preguntas. No se ha guardado la pregunta.")
                             .arg(bad);
            return false;
        }
        out += encoded;
        out += "\r\n";
    }
    bytes = out;
    return true;
}

namespace {

// N of a name "N.txt" (".txt" in any case, N from 1 without leading zeros,
// at most nine digits), else 0; straight from a folder entry's bytes as well.
template <typename Char>
int numberOfName(const Char *name, qsizetype size)
{
    if (size < 5 || name[0] < '1' || name[0] > '9')
        return 0;
    int n = 0;
    qsizetype i = 0;
    for (; i < size && name[i] >= '0' && name[i] <= '9'; ++i) {
        if (i >= 9)
            return 0;
        n = n * 10 + int(name[i] - '0');
    }
    const auto lower = [](Char c) { return c >= 'A' && c <= 'Z' ? Char(c - 'A' + 'a') : c; };
    if (size - i != 4 || name[i] != '.' || lower(name[i + 1]) != 't' || lower(name[i + 2]) != 'x'
        || lower(name[i + 3]) != 't')
        return 0;
    return n;
}

} // namespace

int questionFileNumber(QStringView name)
{
    return numberOfName(name.utf16(), name.size());
}

int nextQuestionNumber(const QString &folder)
{
    QSet<int> taken;
    // Every kind of entry: a folder called 3.txt blocks the name as well,
    // and so does another editor's claim on it (".nou-claim-3.txt").
    // Names are all that is needed, and a folder may hold thousands of
    // questions: they are read straight from the folder, nothing else.
#ifdef Q_OS_UNIX
    const size_t claimLength = std::strlen(kClaimPrefix);
    if (DIR *dir = ::opendir(QFile::encodeName(folder).constData())) {
        while (const dirent *entry = ::readdir(dir)) {
            const char *name = entry->d_name;
            if (std::strncmp(name, kClaimPrefix, claimLength) == 0)
                name += claimLength;
            if (const int n = numberOfName(name, qsizetype(std::strlen(name))))
                taken.insert(n);
        }
        ::closedir(dir);
    }
#else
    const QStringList names = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QString &name : names) {
        if (const int n = questionFileNumber(name))
            taken.insert(n);
    }
#endif
    int n = 1;
    while (taken.contains(n))
        ++n;
    return n;
}

SaveResult saveNewQuestion(const QString &folder, const Question &question)
{
    SaveResult result;
    QByteArray bytes;
    if (!encodeQuestion(question, bytes, &result.error))
        return result;
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        result.error = QCoreApplication::translate("bank::Question", "La carpeta «%1» no existe. No se ha guardado la pregunta.")
                           .arg(QDir::toNativeSeparators(folder));
        return result;
    }

    // The lowest free number; a name taken meanwhile by another editor
    // saving into the same folder sends this one on to the next.
    for (int attempt = 0; attempt < 100000; ++attempt) {
        const int n = nextQuestionNumber(folder);
        const QString target = folder + u'/' + QString::number(n) + QStringLiteral(".txt");
        QString why;
        bool taken = false;
        if (createExclusively(target, bytes, &why, &taken)) {
            result.ok = true;
            result.number = n;
            result.path = target;
            return result;
        }
        if (!taken) {
            result.error = QCoreApplication::translate("bank::Question", "No se puede crear el archivo «%1» (%2). No se ha guardado la pregunta.")
                               .arg(QDir::toNativeSeparators(target), why);
            return result;
        }
    }
    result.error = QCoreApplication::translate("bank::Question", "No queda ningún número libre en la carpeta «%1».")
                       .arg(QDir::toNativeSeparators(folder));
    return result;
}

} // namespace bank
