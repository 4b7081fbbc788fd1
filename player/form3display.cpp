// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Showing a question: the steps every type shares, then each type's frame.

#include "form3.h"

#include "form5.h"
#include "loadfailure.h"
#include "scrollinglabel.h"
#include "testkeys.h"

#include "bank/folders.h"
#include "bank/numeric.h"
#include "bank/question.h"
#include "ui/picturefile.h"
#include "ui/platform.h"

#include <QFileInfo>

namespace player {

namespace {

// Line `number` of the question file into `target`; a file that ends before
// it fails the display, as it always has.
bool take(const bank::QuestionRead &read, int number, const QString &value, QString &target, QString &failure)
{
    if (!read.hasLine(number)) {
        failure = fileEndsEarlyText();
        return false;
    }
    target = value;
    return true;
}

} // namespace

void Form3::List1_Click(int index)
{
    attachmentShown = false;
    showRow(index);
    // The viewer only ever shows the attachment of the question on show.
    if (!attachmentShown && form5)
        form5->hide();
}

void Form3::showRow(int index)
{
    if (index < 0 || index >= testCount())
        return;
    if (RichTextBox3->isVisible())
        RichTextBox3->hide();
    Label18->clear();
    shown.row = List1(index)->currentRow();
    if (shown.row < 0 || shown.row >= List2[index].size())
        return;
    // The pupil's choice belongs to the question it was made on.
    shown.clearMoves();
    Gif89a1->setFileName(QString());
    Command2->setAccessibleDescription(QString());

    const QString path = questionFilePath(List2[index][shown.row]);
    const bank::QuestionRead read = readListedQuestion(appFolder, path);
    QString failure = unreadableFileText(read, QFileInfo(path).fileName());
    const Verdict verdict = model.verdict(index, shown.row);
    if (failure.isEmpty())
        showQuestion(read, verdict, failure);
    for (QLabel *statement : {Label2, Label5, Label7, Label9, Label10, Label15})
        scrollToTop(statement);
    if (failure.isEmpty()) {
        // A blank question belongs to a finished test: shown, not answered.
        if (verdict == Verdict::Blank)
            showErrorLine(QString());
        return;
    }
    showErrorLine(failure);
    // It may have been the last question of its test left to answer.
    if (model.checkFinished())
        endSession();
}

bool Form3::showQuestion(const bank::QuestionRead &read, Verdict verdict, QString &failure)
{
    QString line;
    if (!take(read, 1, read.typeLine, line, failure))
        return false;
    // Digit 0 shows the credits frame, as it always has; another unknown
    // digit is refused.
    const double code = bank::numericValue(line);
    shown.questionType = bank::questionTypeOf(code);
    if (shown.questionType == bank::QuestionType::None && code != 0) {
        failure = unknownTypeText(line);
        return false;
    }
    Label14->setText(files.typeHelpTexts[shown.questionType]);
    if (!take(read, 2, read.question.author, line, failure))
        return false;
    Label4->setText(files.texts.authorPrefix + line);
    for (int i = 0; i < kTypeCodes; ++i)
        Frame1[i]->setVisible(i == bank::typeCode(shown.questionType));
    frame(shown.questionType)->setEnabled(true);

    const Verdict state = verdict == Verdict::Blank ? Verdict::Open : verdict;
    switch (shown.questionType) {
    case bank::QuestionType::MultipleChoice:
        return showMultipleChoice(read, state, failure);
    case bank::QuestionType::WrittenAnswer:
    case bank::QuestionType::PictureAnswer:
        return showTypedAnswer(read, state, failure);
    case bank::QuestionType::GraphicPoint:
        return showGraphicPoint(read, state, failure);
    case bank::QuestionType::ReadingWord:
        return showReadingWord(read, state, failure);
    case bank::QuestionType::TrueFalse:
        return showTrueFalse(read, state, failure);
    case bank::QuestionType::None:
        break;
    }
    return true;
}

void Form3::showVerdict(Verdict verdict)
{
    const VerdictLook look = verdictLook(verdict);
    ui::setBackColor(Command2, look.confirm);
    Command2->setEnabled(look.open);
    if (!look.open)
        frame(shown.questionType)->setEnabled(false);
}

void Form3::showErrorLine(const QString &failure)
{
    Label18->setText(failure);
    Command2->setEnabled(false);
    frame(shown.questionType)->setEnabled(false);
}

bool Form3::showMultipleChoice(const bank::QuestionRead &read, Verdict verdict, QString &failure)
{
    const bank::Question &q = read.question;
    QString line;
    if (!take(read, 3, q.statement, line, failure))
        return false;
    Label2->setText(line);

    const ChoiceOptions options = choiceOptions(q, optionOrder);
    if (read.error == bank::ReadError::TooManyOptions || options.count == 0) {
        // The labels show the lines read, under the error line.
        for (int i = 0; i < options.count; ++i) {
            Label3(i)->setText(q.options.value(i));
            Label3(i)->show();
        }
        failure = options.count == 0 ? noOptionsText() : tooManyOptionsText();
        return false;
    }
    showOptions(options);
    const bool attached = options.attachment >= 0;
    attachment = attached ? Attachment{options.captions[options.attachment], options.attachmentIsPicture}
                          : Attachment{};
    Command4->setVisible(attached);
    if (attached) {
        Command4_Click();
        attachmentShown = true;
    }
    stackOptions(optionOrder);
    nameOptions(this);

    showVerdict(verdict);
    if (verdict == Verdict::Open)
        return true;
    if (verdict == Verdict::Wrong) {
        const int x = model.chosenOption(currentTestIndex, shown.row);
        if (x >= 0 && x < 8)
            setOptionLook(x, ui::kRed, true);
    }
    highlightCorrectOptions();
    return true;
}

bool Form3::showTypedAnswer(const bank::QuestionRead &read, Verdict state, QString &failure)
{
    const bank::Question &q = read.question;
    const bool picture = shown.questionType == bank::QuestionType::PictureAnswer;
    const int b = picture ? TypedBox::Picture : TypedBox::Written;
    ui::RichTextBox *box = typedBox(b);
    const bool open = state == Verdict::Open;
    showVerdict(state);
    if (open && picture) {
        placePictureAnswerBox();
    } else if (open) {
        ui::setWidthTwips(placeOf(Label5), ui::widthTwips(frame(bank::QuestionType::WrittenAnswer)) - 400);
    }
    box->setEnabled(open);
    if (open)
        box->setText(QString());

    // The picture's name comes first, on line 3.
    const int first = picture ? 4 : 3;
    QString line;
    if (picture && (!take(read, 3, q.fileName, line, failure) || !readPicture(line, failure)))
        return false;
    if (!take(read, first, q.statement, line, failure))
        return false;
    typedStatement(b)->setText(line);
    if (!take(read, first + 1, q.answer, shown.expectedAnswer, failure))
        return false;
    if (!open) {
        colourTypedAnswer(box, shown.expectedAnswer, verdictLook(state).answer);
        return true;
    }
    // The letters already typed come back, as they were judged: the
    // corrections used stay with the question.
    showTypedLetters(box, shown.expectedAnswer, currentTyped().position() - 1);
    box->setFocus();
    return true;
}

bool Form3::readPicture(const QString &name, QString &failure)
{
    Image1->hide();
    const QString path = bank::resolveReferenced(appFolder, bank::ReferencedKind::Picture, name);
    const ui::Picture read = ui::readPicture(path);
    if (read.problem != ui::PictureProblem::None) {
        failure = pictureFailureText(name, read);
        return false;
    }
    showPicture(read.image);
    return true;
}

bool Form3::showGraphicPoint(const bank::QuestionRead &read, Verdict state, QString &failure)
{
    const bank::Question &q = read.question;
    QString line;
    if (!take(read, 3, q.fileName, line, failure))
        return false;
    const QString path = bank::resolveReferenced(appFolder, bank::ReferencedKind::Picture, line);
    if (path.isEmpty() || !graphic->load(path)) {
        const ui::Picture why = path.isEmpty() ? ui::Picture{{}, ui::PictureProblem::Missing} : graphic->loadFailure();
        failure = pictureFailureText(line, why);
        return false;
    }
    if (!take(read, 4, q.statement, line, failure))
        return false;
    Label9->setText(line);
    if (read.hasLine(5))
        shown.targetX = q.x;
    if (!read.hasLine(6)) {
        failure = fileEndsEarlyText();
        return false;
    }
    shown.targetY = q.y;

    showVerdict(state);
    if (state == Verdict::Open)
        return true;
    Picture2->setFillColor(verdictLook(state).answer);
    Picture2->floodFill(bank::pixelCoordinate(shown.targetX), bank::pixelCoordinate(shown.targetY));
    Picture2->setFillColor(ui::kBlue);
    return true;
}

bool Form3::showReadingWord(const bank::QuestionRead &read, Verdict state, QString &failure)
{
    const bank::Question &q = read.question;
    QString line;
    Label11->clear();
    if (!take(read, 3, q.fileName, line, failure))
        return false;
    QString content;
    if (!readQuestionText(appFolder, line, content, failure))
        return false;
    Text2->setPlainText(content);
    if (!take(read, 4, q.statement, line, failure))
        return false;
    Label10->setText(line);
    if (!take(read, 5, q.answer, shown.expectedAnswer, failure))
        return false;

    showVerdict(state);
    if (state == Verdict::Open)
        return true;
    ui::setForeColor(Label11, verdictLook(state).answer);
    Label11->setText(shown.expectedAnswer);
    return true;
}

bool Form3::showTrueFalse(const bank::QuestionRead &read, Verdict state, QString &failure)
{
    const bank::Question &q = read.question;
    QString line;
    Label16->clear();
    if (!take(read, 3, q.statement, line, failure))
        return false;
    Label15->setText(line);
    if (!read.hasLine(4)) {
        failure = fileEndsEarlyText();
        return false;
    }
    shown.trueFalseAnswer = q.isTrue;

    showVerdict(state);
    if (state == Verdict::Open)
        return true;
    ui::setForeColor(Label16, verdictLook(state).answer);
    Label16->setText(ui::caption(Command5[shown.trueFalseAnswer ? TrueFalseButton::SaysTrue : TrueFalseButton::SaysFalse]));
    return true;
}

} // namespace player
