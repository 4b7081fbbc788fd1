// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questionloader.h"

#include <QCoreApplication>

namespace editor {

LoadedQuestion loadQuestion(const bank::QuestionRead &read, const EditorFields &current)
{
    LoadedQuestion loaded;
    loaded.fields = current;
    if (!read.isText() || read.lineCount == 0
        || read.error == bank::ReadError::UnknownType)
        return loaded;
    const bank::Question &q = read.question;
    loaded.isQuestion = true;
    loaded.type = q.type;

    const EditorFields fresh;
    // A field whose line the file lacks gets its value of a fresh window.
    auto field = [&read](int number, const QString &value, const QString &missing) {
        return read.hasLine(number) ? value : missing;
    };
    EditorFields &f = loaded.fields;
    f.author = field(2, q.author, fresh.author);

    switch (loaded.type) {
    case bank::QuestionType::None:
        break;
    case bank::QuestionType::MultipleChoice: {
        f.choiceStatement = field(3, q.statement, QString());
        // Every line after the statement, as the file holds them.
        QStringList lines = q.options;
        if (!q.attachment.isEmpty())
            lines << q.attachment;
        lines += read.linesBeyondEighth;
        f.options = Options{};
        int next = 0;
        qsizetype lastTaken = -1;
        for (qsizetype i = 0; i < lines.size() && next < kOptionCount; ++i) {
            if (!lines[i].isEmpty()) {
                f.options[next++] = lines[i];
                lastTaken = i;
            }
        }
        // Readers take the attachment from the file's last line only.
        f.loadedAttachment.clear();
        if (lastTaken >= 0 && lastTaken == lines.size() - 1 && bank::isAttachmentName(lines.last()))
            f.loadedAttachment = lines.last();
        // The mark comes from the file: the first option ending in a space,
        // as the player judges it; none when the file has no key.
        f.markedOption = 0;
        for (int i = 0; i < kOptionCount && f.markedOption == 0; ++i) {
            const bool isAttachment = !f.loadedAttachment.isEmpty() && i == next - 1;
            if (!isAttachment && f.options[i].endsWith(u' ') && !isEmptyOption(f.options[i], false))
                f.markedOption = i + 1;
        }
        break;
    }
    case bank::QuestionType::WrittenAnswer:
        f.writtenStatement = field(3, q.statement, fresh.writtenStatement);
        f.writtenAnswer = field(4, q.answer, fresh.writtenAnswer);
        break;
    case bank::QuestionType::PictureAnswer:
        f.pictureFile = field(3, q.fileName, fresh.pictureFile);
        f.pictureStatement = field(4, q.statement, fresh.pictureStatement);
        f.pictureAnswer = field(5, q.answer, fresh.pictureAnswer);
        break;
    case bank::QuestionType::GraphicPoint: {
        f.graphicFile = field(3, q.fileName, fresh.graphicFile);
        f.graphicStatement = field(4, q.statement, fresh.graphicStatement);
        f.xCaption = field(5, read.xLine, fresh.xCaption);
        f.yCaption = field(6, read.yLine, fresh.yCaption);
        // A stored point far outside any picture names no pixel.
        const int x = bank::pixelCoordinate(q.x);
        const int y = bank::pixelCoordinate(q.y);
        if (read.hasLine(6) && x != -1 && y != -1)
            loaded.mark = QPoint(x, y);
        break;
    }
    case bank::QuestionType::ReadingWord:
        f.readingFile = field(3, q.fileName, fresh.readingFile);
        f.readingStatement = field(4, q.statement, fresh.readingStatement);
        f.wordCaption = field(5, q.answer, fresh.wordCaption);
        break;
    case bank::QuestionType::TrueFalse:
        f.trueFalseStatement = field(3, q.statement, fresh.trueFalseStatement);
        f.trueFalseCaption = field(4, read.answerLine, fresh.trueFalseCaption);
        // Shown as the button that says it, in the language loaded.
        if (f.trueFalseCaption == u"VERDADERO" || f.trueFalseCaption == u"FALSO")
            f.trueFalseCaption = QCoreApplication::translate("editor", f.trueFalseCaption == u"VERDADERO" ? "VERDADERO" : "FALSO");
        break;
    }
    return loaded;
}

} // namespace editor
