// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Answering: choosing, typing, pointing; judging and booking the verdict.

#include "form3.h"

#include "testkeys.h"

#include "bank/folders.h"
#include "bank/question.h"
#include "ui/floodfill.h"
#include "ui/platform.h"

#include <QGuiApplication>
#include <QScreen>

namespace player {

void Form3::Label3_Click(int index)
{
    for (int i = 0; i < 8; ++i)
        setOptionLook(i, i == index ? ui::kBlue : ui::kBlack, i == index);
    shown.chosenOption = index;
}

void Form3::Command5_Click(int index)
{
    Label16->setText(ui::caption(Command5[index]));
    ui::setForeColor(Label16, ui::backColor(Command5[index]));
    shown.trueFalseChoice = index == TrueFalseButton::SaysTrue;
}

void Form3::Picture2_MouseDown(QPointF position)
{
    const QPoint click(qRound(position.x()), qRound(position.y()));
    // Judged by where the pupil pointed, not by the target's colour: a
    // coloured target region is no longer right without a click on it. The
    // picture as loaded, since the click's region is filled already.
    const QPoint target(bank::pixelCoordinate(shown.targetX), bank::pixelCoordinate(shown.targetY));
    shown.targetInMarkedRegion = ui::sameRegion(Picture2->picture(), click, target);
    shown.graphicMarked = true;
    shown.markX = position.x();
    shown.markY = click.y();
}

void Form3::Command2_Click()
{
    if (!Command2->isEnabled())
        return;
    // The pupil's choices as the controls show them now.
    shown.word = Label11->text();
    if (shown.chosenOption >= 0 && shown.chosenOption < Label3.count())
        shown.chosenCaption = Label3(shown.chosenOption)->text();
    const std::optional<Judgement> judgement =
        shown.judgement(Command5[TrueFalseButton::SaysTrue]->text(), Command5[TrueFalseButton::SaysFalse]->text());
    if (!judgement || !book(*judgement, statement(shown.questionType)))
        return;
    showJudged(*judgement);
    frame(shown.questionType)->setEnabled(false);
    Command2->setEnabled(false);
}

void Form3::showJudged(const Judgement &judgement)
{
    const QColor verdict = judgement.right ? ui::kBlue : ui::kRed;
    switch (shown.questionType) {
    case bank::QuestionType::MultipleChoice:
        if (judgement.right)
            break;
        ui::setForeColor(Label3(judgement.chosen), ui::kRed);
        highlightCorrectOptions();
        break;
    case bank::QuestionType::WrittenAnswer:
    case bank::QuestionType::PictureAnswer: {
        // Given up: the answer is shown in red.
        const int box = shown.questionType == bank::QuestionType::WrittenAnswer ? TypedBox::Written : TypedBox::Picture;
        restoreFrame(shown.questionType);
        colourTypedAnswer(typedBox(box), shown.expectedAnswer, ui::kRed);
        typedBox(box)->setEnabled(false);
        break;
    }
    case bank::QuestionType::GraphicPoint:
        if (judgement.right)
            break;
        Picture2->floodFill(bank::pixelCoordinate(shown.targetX), bank::pixelCoordinate(shown.targetY));
        Picture2->setFillColor(ui::kRed);
        Picture2->floodFill(qRound(shown.markX), shown.markY);
        Picture2->setFillColor(ui::kBlue);
        break;
    case bank::QuestionType::TrueFalse:
        ui::setForeColor(Label16, verdict);
        break;
    case bank::QuestionType::ReadingWord:
    case bank::QuestionType::None:
        break;
    }
}

bool Form3::book(const Judgement &judgement, const QLabel *statement)
{
    const int k = currentTestIndex;
    const bool right = judgement.right;
    if (!model.book(k, shown.row, right, statement->text(), judgement.given, judgement.chosen))
        return false;
    if (QListWidgetItem *entry = List1(k)->item(shown.row))
        entry->setText(model.rowText(k, shown.row));
    ui::setBackColor(Command2, right ? ui::kBlue : ui::kRed);
    describeVerdict(this, right);
    const SessionTest &test = model.test(k);
    Command3[right ? Counter::Right : Counter::Wrong]->setText(QString::number(right ? test.right : test.wrong));
    captionTestButton(k);
    // Once reported, the transcript box keeps the report as written.
    if (!model.reported())
        RichTextBox3->setText(model.transcript());
    const QString gifs = bank::findEntry(appFolder, QString::fromLatin1(bank::kFeedbackPicturesFolder));
    Gif89a1->setFileName(bank::findEntry(gifs, right ? QStringLiteral("si.gif") : QStringLiteral("no.gif")));
    if (judgement.sound) {
        const QString sounds = bank::findEntry(appFolder, QString::fromLatin1(bank::kSoundsFolder));
        ui::platform().playSound(bank::findEntry(sounds, right ? QStringLiteral("si.wav") : QStringLiteral("no.wav")));
    }
    Command2->setEnabled(false);
    if (model.endedNow())
        endSession();
    return true;
}

TypedAnswer &Form3::currentTyped()
{
    return model.typedAnswer(currentTestIndex, shown.row, shown.expectedAnswer);
}

void Form3::RichTextBox_KeyDown(int &keyCode)
{
    if (keyCode == ui::kKeyBack || keyCode == ui::kKeyReturn || keyCode == ui::kKeyDelete)
        keyCode = 0;
}

void Form3::richtextbox_KeyPress(int box, QChar &key)
{
    ui::RichTextBox *answer = typedBox(box);
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    widenFrame(typedFrame(box), screen ? ui::twips(screen->availableGeometry().width()) : ui::twips(width()));

    const TypedAnswer::Step step = currentTyped().type(key);
    answer->setSelStart(step.offset);
    answer->setSelLength(step.offset < answer->length() ? 1 : 0);
    if (!step.matched) {
        ui::platform().beep();
        answer->setSelColor(ui::kRed);
        return;
    }
    answer->setSelBold(true);
    answer->setSelColor(step.corrected ? ui::bgr(0xFF00FF) : ui::kBlue);
    if (!step.complete)
        return;
    restoreFrame(typedFrame(box));
    answer->setEnabled(false);
    book(judgeTypedAnswer(currentTyped()), typedStatement(box));
}

} // namespace player
