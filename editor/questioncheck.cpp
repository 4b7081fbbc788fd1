// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questioncheck.h"

#include "bank/numeric.h"

#include <QCoreApplication>

namespace editor {

bool hasAttachment(const QString &caption)
{
    return bank::isAttachmentName(caption);
}

namespace {

QStringList multipleChoiceFailures(const EditorFields &f)
{
    auto empty = [&f](int option) {
        return isEmptyOption(f.options[option - 1], option == f.markedOption);
    };
    QStringList messages;
    if (f.choiceStatement.isEmpty())
        messages << QCoreApplication::translate("editor", "Se ha de escribir la pregunta");
    if (empty(1))
        messages << QCoreApplication::translate("editor", "Se ha de escribir la primera opción");
    if (empty(2))
        messages << QCoreApplication::translate("editor", "Se ha de escribir la segunda opción");
    if (hasAttachment(f.attachmentCaption) && !empty(8))
        messages << QCoreApplication::translate("editor", "Si se selecciona un archivo de imagen o de texto, no debemos "
                                   "escribir en la opcion 8");
    if (f.markedOption < 1 || f.markedOption > kOptionCount)
        messages << QCoreApplication::translate("editor", "Has de seleccionar la opción correcta");
    // A mark left on a blank option would make it the only correct answer.
    else if (isEmptyOption(f.options[f.markedOption - 1], false))
        messages << kBlankMarkedOption();
    return messages;
}

// The first failing test of the other types, or an empty text.
QString firstFailure(bank::QuestionType type, const EditorFields &f)
{
    switch (type) {
    case bank::QuestionType::WrittenAnswer:
        if (f.writtenStatement.isEmpty() || f.writtenAnswer.isEmpty())
            return QCoreApplication::translate("editor", "Te falta redactar la pregunta i/o la respuesta");
        break;
    case bank::QuestionType::PictureAnswer:
        if (f.pictureStatement.isEmpty() || f.pictureAnswer.isEmpty())
            return QCoreApplication::translate("editor", "Te falta redactar la pregunta i/o la respuesta");
        if (f.pictureFile.isEmpty())
            return QCoreApplication::translate("editor", "Falta seleccionar una imagen");
        break;
    case bank::QuestionType::GraphicPoint:
        if (f.graphicStatement.isEmpty())
            return QCoreApplication::translate("editor", "Falta redactar la pregunta");
        if (!(bank::numericValue(f.xCaption) > 1 && bank::numericValue(f.yCaption) > 1))
            return QCoreApplication::translate("editor", "Se ha de seleccionar un gráfico y hacer clic en él");
        // Without its graphic the player cannot show the question.
        if (f.graphicFile.isEmpty())
            return QCoreApplication::translate("editor", "Falta seleccionar un gráfico");
        break;
    case bank::QuestionType::ReadingWord:
        if (f.readingStatement.isEmpty())
            return QCoreApplication::translate("editor", "Falta redactar la pregunta");
        if (f.readingFile.isEmpty())
            return QCoreApplication::translate("editor", "Se ha de seleccionar el archivo de texto");
        // An empty word (a click between two spaces) is no word a pupil
        // can click.
        if (f.wordCaption == kNoWordCaption() || f.wordCaption.isEmpty())
            return QCoreApplication::translate("editor", "Se ha de hacer clic en la palabra del texto");
        break;
    case bank::QuestionType::TrueFalse:
        if (f.trueFalseStatement.isEmpty())
            return QCoreApplication::translate("editor", "Se de escribir la pregunta");
        if (f.trueFalseCaption.isEmpty())
            return QCoreApplication::translate("editor", "Falta hacer clic sobre verdadero o falso");
        break;
    case bank::QuestionType::None:
    case bank::QuestionType::MultipleChoice:
        break;
    }
    return {};
}

} // namespace

CheckOutcome checkQuestion(bank::QuestionType type, const EditorFields &fields)
{
    CheckOutcome outcome;
    if (!bank::isQuestionType(type))
        return outcome;
    if (type == bank::QuestionType::MultipleChoice) {
        outcome.messages = multipleChoiceFailures(fields);
        outcome.passed = outcome.messages.isEmpty();
        outcome.normalise = outcome.passed;
        outcome.openCheckWindow = outcome.passed;
        return outcome;
    }
    const QString failure = firstFailure(type, fields);
    outcome.passed = failure.isEmpty();
    outcome.messages << (outcome.passed ? kAgreed() : failure);
    return outcome;
}

bool isEmptyOption(const QString &option, bool marked)
{
    if (marked)
        return option.isEmpty();
    for (const QChar c : option) {
        if (c != u' ')
            return false;
    }
    return true;
}

Options normaliseOptions(const Options &options, int markedOption)
{
    Options result = options;
    for (int i = 0; i < kOptionCount; ++i) {
        QString &text = result[i];
        const bool marked = i + 1 == markedOption;
        qsizetype end = text.size();
        while (end > 0 && text.at(end - 1) == u' ')
            --end;
        text = text.left(end) + (marked ? QStringLiteral(" ") : QString());
    }
    return result;
}

ChoiceOptions closeOptionGaps(const Options &options, int markedOption)
{
    ChoiceOptions result;
    int next = 0;
    for (int i = 0; i < kOptionCount; ++i) {
        if (options[i].isEmpty())
            continue;
        if (i + 1 == markedOption)
            result.markedOption = next + 1;
        result.options[next++] = options[i];
    }
    return result;
}

bank::Question questionFromFields(bank::QuestionType type, const EditorFields &f)
{
    bank::Question q;
    q.type = type;
    q.author = f.author;
    switch (type) {
    case bank::QuestionType::None:
        break;
    case bank::QuestionType::MultipleChoice:
        q.statement = f.choiceStatement;
        for (const QString &option : f.options) {
            if (option.isEmpty())
                break;
            q.options << option;
        }
        // The loaded attachment line stays the attachment, unless another
        // was chosen: then it is gone, never written as an option.
        if (!q.options.isEmpty() && !f.loadedAttachment.isEmpty()
            && q.options.last() == f.loadedAttachment)
            q.attachment = q.options.takeLast();
        if (hasAttachment(f.attachmentCaption))
            q.attachment = f.attachmentCaption;
        break;
    case bank::QuestionType::WrittenAnswer:
        q.statement = f.writtenStatement;
        q.answer = f.writtenAnswer;
        break;
    case bank::QuestionType::PictureAnswer:
        q.fileName = f.pictureFile;
        q.statement = f.pictureStatement;
        q.answer = f.pictureAnswer;
        break;
    case bank::QuestionType::GraphicPoint:
        q.fileName = f.graphicFile;
        q.statement = f.graphicStatement;
        q.x = bank::numericValue(f.xCaption);
        q.y = bank::numericValue(f.yCaption);
        break;
    case bank::QuestionType::ReadingWord:
        q.fileName = f.readingFile;
        q.statement = f.readingStatement;
        q.answer = f.wordCaption;
        break;
    case bank::QuestionType::TrueFalse:
        q.statement = f.trueFalseStatement;
        // The file keeps VERDADERO whatever language the button speaks.
        q.isTrue = f.trueFalseCaption == u"VERDADERO" || f.trueFalseCaption == QCoreApplication::translate("editor", "VERDADERO");
        break;
    }
    return q;
}

SaveOutcome saveQuestion(const QString &folder, bank::QuestionType type, bool questionChecked,
                         const EditorFields &fields)
{
    SaveOutcome outcome;
    if (!questionChecked) {
        outcome.message = kCheckFirst();
        return outcome;
    }
    outcome.clearChecked = true;
    if (!bank::isQuestionType(type))
        return outcome;
    const bank::SaveResult result = bank::saveNewQuestion(folder, questionFromFields(type, fields));
    if (!result.ok) {
        outcome.clearChecked = false;
        outcome.message = result.error;
        return outcome;
    }
    outcome.written = true;
    outcome.number = result.number;
    outcome.resetAttachment = type == bank::QuestionType::MultipleChoice;
    return outcome;
}

bool stillAsChecked(const CheckedQuestion &checked, bank::QuestionType type, const EditorFields &now)
{
    EditorFields then = checked.fields;
    then.author = now.author;
    return checked.type == type && then == now;
}

QString withoutLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar &c : text) {
        if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator
            || c == u'\v' || c == u'\f')
            c = u' ';
    }
    return text;
}

} // namespace editor
