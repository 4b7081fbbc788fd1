// Answering: choosing, typing, pointing; judging and booking the verdict.

#include "form3.h"

#include "loadfailure.h"
#include "playerstate.h"

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
    Label16->setText(Command5[index]->text());
    ui::setForeColor(Label16, ui::backColor(Command5[index]));
    trueFalseChoice = index == TrueFalseButton::SaysTrue;
    trueFalseChosen = true;
}

void Form3::appendTranscript(const QString &text)
{
    RichTextBox3->setText(RichTextBox3->text() + text);
}

void Form3::appendHead(const QLabel *statement)
{
    appendTranscript(kCR + kCR + kCR + QString::number(answeredCount) + QStringLiteral(".- ")
                     + statement->text());
}

void Form3::appendVerdict(const QString &given, bool right)
{
    appendTranscript(kCR + kCR + QStringLiteral(" --- ") + given + QStringLiteral(" - ")
                     + (right ? texts.right : texts.wrong));
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

void Form3::RecordRightAnswer()
{
    const int k = currentTestIndex;
    ui::setBackColor(Command2, ui::kBlue);
    if (QListWidgetItem *entry = currentEntry())
        entry->setText(texts.right);
    setCounter(Counter::Right, ++state().subjectRight[k]);
    ShowFeedback(true);
    PlayFeedbackSound(QStringLiteral("si"));
}

void Form3::RecordWrongAnswer()
{
    const int k = currentTestIndex;
    if (QListWidgetItem *entry = currentEntry())
        entry->setText(texts.wrong);
    ui::setBackColor(Command2, ui::kRed);
    setCounter(Counter::Wrong, ++state().subjectWrong[k]);
    ShowFeedback(false);
    PlayFeedbackSound(QStringLiteral("no"));
}

void Form3::UpdateTestMark()
{
    const int k = currentTestIndex;
    const QString mark = markText(state().subjectRight[k], List1(k)->count(), maximumMark);
    state().subjectMark[k] = mark;
    Command1(k)->setText(state().subjectName[k] + QStringLiteral(" - ") + mark);
}

void Form3::checkEndOfTest()
{
    bool finishedNow = false;
    for (int k = 0; k < testCount(); ++k) {
        if (state().subjectFinished[k] || !testIsOver(k))
            continue;
        state().subjectFinished[k] = true;
        ++finishedTestCount;
        finishedNow = true;
    }
    if (finishedNow && finishedTestCount == testCount())
        endSession();
}

bool Form3::testIsOver(int k) const
{
    const int questions = k == currentTestIndex ? static_cast<int>(bank::numericValue(Command3[Counter::Questions]->text()))
                                                : List1(k)->count();
    if (questions == state().subjectRight[k] + state().subjectWrong[k])
        return true;
    // A question that cannot be shown (a gap in the numbering, a stray file)
    // counts as blank: the test is over once nothing answerable is left.
    for (int row = 0; row < List1(k)->count() && row < List2[k].size(); ++row) {
        if (bank::numericValue(List1(k)->item(row)->text()) > 0 && canShowQuestion(appFolder, List2[k][row]))
            return false;
    }
    return true;
}

void Form3::restoreFrame(int type)
{
    const QFrame *designed = Frame1[TypeCode::None];
    Frame1[type]->setGeometry(designed->x(), Frame1[type]->y(), designed->width(), Frame1[type]->height());
}

void Form3::Command2_Click()
{
    if (!Command2->isEnabled())
        return;
    const int k = currentTestIndex;
    switch (questionType) {
    case TypeCode::MultipleChoice: {
        // Nothing to judge until an option of this question was chosen.
        if (chosenOption < 0 || chosenOption > 7)
            return;
        ++answeredCount;
        appendHead(Label2);
        const QString caption = Label3(chosenOption)->text();
        const QString given = caption.mid(3);
        if (bank::isCorrectOption(caption)) {
            appendVerdict(given, true);
            RecordRightAnswer();
        } else {
            ui::setBackColor(Command2, ui::kRed);
            if (QListWidgetItem *entry = currentEntry())
                entry->setText(wrongMultipleChoiceEntry(texts.wrong, chosenOption));
            ui::setForeColor(Label3(chosenOption), ui::kRed);
            for (int i = 0; i < 8; ++i) {
                if (bank::isCorrectOption(Label3(i)->text()))
                    setOptionLook(Label3(i), ui::kBlue, true, 12);
            }
            setCounter(Counter::Wrong, ++state().subjectWrong[k]);
            ShowFeedback(false);
            PlayFeedbackSound(QStringLiteral("no"));
            appendVerdict(given, false);
        }
        break;
    }
    case TypeCode::WrittenAnswer:
    case TypeCode::PictureAnswer: {
        ++answeredCount;
        const int box = questionType == TypeCode::WrittenAnswer ? TypedBox::Written : TypedBox::Picture;
        restoreFrame(questionType);
        setCounter(Counter::Wrong, ++state().subjectWrong[k]);
        ui::setBackColor(Command2, ui::kRed);
        colourTypedAnswer(typedBox(box), ui::kRed);
        typedBox(box)->setEnabled(false);
        Command2->setEnabled(false);
        if (QListWidgetItem *entry = currentEntry())
            entry->setText(texts.wrong);
        ShowFeedback(false);
        appendHead(typedStatement(box));
        appendVerdict(QStringLiteral("???"), false);
        break;
    }
    case TypeCode::GraphicPoint: {
        // Nothing to judge until the pupil has marked this graphic.
        if (!graphicMarked)
            return;
        ++answeredCount;
        appendHead(Label9);
        if (targetInMarkedRegion) {
            RecordRightAnswer();
            appendTranscript(kCR + kCR + QStringLiteral(" --- ") + texts.right);
        } else {
            Picture2->floodFill(bank::pixelCoordinate(targetX), bank::pixelCoordinate(targetY));
            Picture2->setFillColor(ui::kRed);
            Picture2->floodFill(qRound(markX), markY);
            Picture2->setFillColor(ui::kBlue);
            RecordWrongAnswer();
            appendTranscript(kCR + kCR + QStringLiteral(" --- ") + texts.wrong);
        }
        break;
    }
    case TypeCode::ReadingWord: {
        ++answeredCount;
        appendHead(Label10);
        if (isRightWord(Label11->text(), expectedAnswer)) {
            RecordRightAnswer();
            appendVerdict(expectedAnswer, true);
        } else {
            RecordWrongAnswer();
            appendVerdict(QStringLiteral("???"), false);
        }
        break;
    }
    case TypeCode::TrueFalse: {
        // Nothing to judge until true or false was pressed for this question.
        if (!trueFalseChosen)
            return;
        ++answeredCount;
        appendHead(Label15);
        if (trueFalseChoice == trueFalseAnswer) {
            RecordRightAnswer();
            ui::setForeColor(Label16, ui::kBlue);
            appendVerdict(Label16->text(), true);
        } else {
            ui::setForeColor(Label16, ui::kRed);
            RecordWrongAnswer();
            // The words of the language file, as on the buttons.
            appendVerdict(Command5[trueFalseChoice ? TrueFalseButton::SaysTrue : TrueFalseButton::SaysFalse]->text(), false);
        }
        break;
    }
    default:
        return;
    }
    UpdateTestMark();
    checkEndOfTest();
    if (questionType >= 0 && questionType < kTypeCodes)
        Frame1[questionType]->setEnabled(false);
    Command2->setEnabled(false);
    typed.clearPending();
}

void Form3::RichTextBox_KeyDown(int &keyCode)
{
    if (keyCode == ui::kKeyBack || keyCode == ui::kKeyReturn || keyCode == ui::kKeyDelete)
        keyCode = 0;
}

void Form3::richtextbox_KeyPress(int box, QChar &key)
{
    ui::RichTextBox *answer = typedBox(box);
    const int t = typedFrame(box);
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen ? ui::twips(screen->availableGeometry().width()) : ui::twips(width());
    ui::setLeftTwips(Frame1[t], 20);
    ui::setWidthTwips(Frame1[t], screenWidth - 25);
    Frame1[t]->raise();

    const TypedAnswer::Step step = typed.type(key);
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
    const int k = currentTestIndex;
    const int t = typedFrame(box);
    restoreFrame(t);
    typedBox(box)->setEnabled(false);
    ++answeredCount;
    appendHead(typedStatement(box));
    if (!typed.isRight()) {
        setCounter(Counter::Wrong, ++state().subjectWrong[k]);
        ui::setBackColor(Command2, ui::kRed);
        if (QListWidgetItem *entry = currentEntry())
            entry->setText(texts.wrong);
        ShowFeedback(false);
        // The mark is shown after a wrong answer too, as for every other type.
        UpdateTestMark();
        PlayFeedbackSound(QStringLiteral("no"));
        appendVerdict(QStringLiteral("???"), false);
    } else {
        setCounter(Counter::Right, ++state().subjectRight[k]);
        ui::setBackColor(Command2, ui::kBlue);
        if (QListWidgetItem *entry = currentEntry())
            entry->setText(texts.right);
        ShowFeedback(true);
        UpdateTestMark();
        PlayFeedbackSound(QStringLiteral("si"));
        appendVerdict(expectedAnswer, true);
    }
    checkEndOfTest();
    Command2->setEnabled(false);
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
