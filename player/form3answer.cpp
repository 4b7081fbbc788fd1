// Answering: choosing, typing, pointing; judging and booking the verdict.

#include "form3.h"

#include "loadfailure.h"

#include "bank/folders.h"
#include "bank/numeric.h"
#include "bank/question.h"
#include "ui/floodfill.h"
#include "ui/platform.h"

#include <QGuiApplication>
#include <QScreen>

namespace player {

namespace {

const QColor kMagenta = ui::bgr(0xFF00FF);
const QString kCR = QStringLiteral("\r");

void setOptionLook(QLabel *label, const QColor &colour, bool bold, int points)
{
    ui::setForeColor(label, colour);
    QFont font = label->font();
    font.setBold(bold);
    font.setPointSize(points);
    label->setFont(font);
}

} // namespace

void Form3::Label3_Click(int index)
{
    for (int i = 0; i < 8; ++i)
        setOptionLook(Label3(i), i == index ? ui::kBlue : ui::kBlack, i == index, i == index ? 12 : 10);
    chosenOption = index;
}

void Form3::Command5_Click(int index)
{
    Label16->setText(ui::caption(Command5[index]));
    ui::setForeColor(Label16, ui::backColor(Command5[index]));
    trueFalseChoice = index == TrueFalseButton::SaysTrue;
    trueFalseChosen = true;
}

void Form3::setCounter(Counter::Index counter, int value)
{
    Command3[counter]->setText(QString::number(value));
}

void Form3::ShowFeedback(bool right)
{
    const QString gifs = bank::findEntry(appFolder, QString::fromLatin1(bank::kFeedbackPicturesFolder));
    Gif89a1->setFileName(bank::findEntry(gifs, right ? QStringLiteral("si.gif") : QStringLiteral("no.gif")));
}

void Form3::PlayFeedbackSound(const QString &name)
{
    const QString folder = ui::platform().programFolder();
    const QString sounds = bank::findEntry(folder, QString::fromLatin1(bank::kSoundsFolder));
    ui::platform().playSound(bank::findEntry(sounds, name + QStringLiteral(".wav")));
}

bool Form3::book(bool right, const QLabel *statement, const std::optional<QString> &given, bool sound, int chosen)
{
    const int k = currentTestIndex;
    if (!model.book(k, currentQuestionRow, right, statement->text(), given, chosen))
        return false;
    const SessionTest &test = model.test(k);
    if (QListWidgetItem *entry = currentEntry())
        entry->setText(model.rowText(k, currentQuestionRow));
    ui::setBackColor(Command2, right ? ui::kBlue : ui::kRed);
    setCounter(right ? Counter::Right : Counter::Wrong, right ? test.right : test.wrong);
    captionTestButton(k);
    // Once reported, the transcript box keeps the report as written.
    if (!model.reported())
        RichTextBox3->setText(model.transcript());
    ShowFeedback(right);
    if (sound)
        PlayFeedbackSound(right ? QStringLiteral("si") : QStringLiteral("no"));
    Command2->setEnabled(false);
    if (model.endedNow())
        endSession();
    return true;
}

TypedAnswer &Form3::currentTyped()
{
    return model.typedAnswer(currentTestIndex, currentQuestionRow, expectedAnswer);
}

void Form3::restoreFrame(bank::QuestionType type)
{
    const QFrame *designed = Frame1[bank::QuestionType::None];
    Frame1[type]->setGeometry(designed->x(), Frame1[type]->y(), designed->width(), Frame1[type]->height());
}

void Form3::Command2_Click()
{
    if (!Command2->isEnabled())
        return;
    bool judged = false;
    switch (questionType) {
    case bank::QuestionType::MultipleChoice:
        judged = judgeMultipleChoice();
        break;
    case bank::QuestionType::WrittenAnswer:
    case bank::QuestionType::PictureAnswer:
        judged = giveUpTypedAnswer();
        break;
    case bank::QuestionType::GraphicPoint:
        judged = judgeGraphicPoint();
        break;
    case bank::QuestionType::ReadingWord:
        judged = judgeReadingWord();
        break;
    case bank::QuestionType::TrueFalse:
        judged = judgeTrueFalse();
        break;
    case bank::QuestionType::None:
        break;
    }
    if (!judged)
        return;
    Frame1[questionType]->setEnabled(false);
    Command2->setEnabled(false);
}

bool Form3::judgeMultipleChoice()
{
    // Nothing to judge until an option of this question was chosen.
    if (chosenOption < 0 || chosenOption > 7)
        return false;
    const QString caption = Label3(chosenOption)->text();
    const bool right = bank::isCorrectOption(caption);
    if (!book(right, Label2, caption.mid(3), true, chosenOption))
        return false;
    if (!right) {
        ui::setForeColor(Label3(chosenOption), ui::kRed);
        for (int i = 0; i < 8; ++i) {
            if (bank::isCorrectOption(Label3(i)->text()))
                setOptionLook(Label3(i), ui::kBlue, true, 12);
        }
    }
    return true;
}

bool Form3::giveUpTypedAnswer()
{
    const int box = questionType == bank::QuestionType::WrittenAnswer ? TypedBox::Written : TypedBox::Picture;
    // A given-up answer has no sound of its own.
    if (!book(false, typedStatement(box), QStringLiteral("???"), false))
        return false;
    restoreFrame(questionType);
    colourTypedAnswer(typedBox(box), ui::kRed);
    typedBox(box)->setEnabled(false);
    return true;
}

bool Form3::judgeGraphicPoint()
{
    // Nothing to judge until the pupil has marked this graphic.
    if (!graphicMarked)
        return false;
    if (!targetInMarkedRegion) {
        Picture2->floodFill(bank::pixelCoordinate(targetX), bank::pixelCoordinate(targetY));
        Picture2->setFillColor(ui::kRed);
        Picture2->floodFill(qRound(markX), markY);
        Picture2->setFillColor(ui::kBlue);
    }
    return book(targetInMarkedRegion, Label9, std::nullopt);
}

bool Form3::judgeReadingWord()
{
    // Nothing to judge until a word of the text was chosen.
    if (Label11->text().isEmpty())
        return false;
    const bool right = isRightWord(Label11->text(), expectedAnswer);
    return book(right, Label10, right ? expectedAnswer : QStringLiteral("???"));
}

bool Form3::judgeTrueFalse()
{
    // Nothing to judge until true or false was pressed for this question.
    if (!trueFalseChosen)
        return false;
    const bool right = trueFalseChoice == trueFalseAnswer;
    // The words of the language file, as on the buttons.
    const QString given = Command5[trueFalseChoice ? TrueFalseButton::SaysTrue : TrueFalseButton::SaysFalse]->text();
    if (!book(right, Label15, given))
        return false;
    ui::setForeColor(Label16, right ? ui::kBlue : ui::kRed);
    return true;
}

void Form3::RichTextBox_KeyDown(int &keyCode)
{
    if (keyCode == ui::kKeyBack || keyCode == ui::kKeyReturn || keyCode == ui::kKeyDelete)
        keyCode = 0;
}

void Form3::richtextbox_KeyPress(int box, QChar &key)
{
    ui::RichTextBox *answer = typedBox(box);
    const bank::QuestionType t = typedFrame(box);
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen ? ui::twips(screen->availableGeometry().width()) : ui::twips(width());
    ui::setLeftTwips(Frame1[t], 20);
    ui::setWidthTwips(Frame1[t], screenWidth - 25);
    Frame1[t]->raise();

    const TypedAnswer::Step step = currentTyped().type(key);
    answer->setSelStart(step.offset);
    answer->setSelLength(step.offset < answer->length() ? 1 : 0);
    if (step.matched) {
        answer->setSelBold(true);
        answer->setSelColor(step.corrected ? kMagenta : ui::kBlue);
        if (step.complete)
            completeTypedAnswer(box);
    } else {
        ui::platform().beep();
        answer->setSelColor(ui::kRed);
    }
}

void Form3::completeTypedAnswer(int box)
{
    restoreFrame(typedFrame(box));
    typedBox(box)->setEnabled(false);
    const bool right = currentTyped().isRight();
    book(right, typedStatement(box), right ? expectedAnswer : QStringLiteral("???"));
}

void Form3::Picture2_MouseDown(QPointF position)
{
    const QPoint click(qRound(position.x()), qRound(position.y()));
    // Judged by where the pupil pointed, not by the target's colour: a
    // coloured target region is no longer right without a click on it. The
    // picture as loaded, since the click's region is filled already.
    targetInMarkedRegion = ui::sameRegion(Picture2->picture(), click,
                                          QPoint(bank::pixelCoordinate(targetX), bank::pixelCoordinate(targetY)));
    graphicMarked = true;
    markX = position.x();
    markY = click.y();
}

} // namespace player
