// Showing a question: the steps every type shares, then each type's frame.

#include "form3.h"

#include "form5.h"
#include "loadfailure.h"
#include "playerstate.h"
#include "scrollinglabel.h"

#include "bank/folders.h"
#include "bank/numeric.h"
#include "bank/question.h"
#include "bank/textcodec.h"
#include "ui/picturefile.h"
#include "ui/platform.h"

#include <QFileInfo>

#include <algorithm>

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

QListWidgetItem *Form3::currentEntry() const
{
    QListWidget *list = List1(currentTestIndex);
    return list ? list->item(currentQuestionRow) : nullptr;
}

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
    QListWidget *list = List1(index);
    currentQuestionRow = list->currentRow();
    if (currentQuestionRow < 0 || currentQuestionRow >= List2[index].size())
        return;
    // The pupil's choice belongs to the question it was made on.
    chosenOption = -1;
    trueFalseChosen = false;
    graphicMarked = false;
    Gif89a1->setFileName(QString());

    const QString path = questionFilePath(List2[index][currentQuestionRow]);
    const QString name = QFileInfo(path).fileName();
    const bank::QuestionRead read = readListedQuestion(appFolder, path);
    QString failure = unreadableFileText(read, name);
    const Verdict verdict = model.verdict(index, currentQuestionRow);
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
    questionType = bank::questionTypeOf(code);
    if (questionType == bank::QuestionType::None && code != 0) {
        failure = unknownTypeText(line);
        return false;
    }
    Label14->setText(typeHelpTexts[questionType]);
    if (!take(read, 2, read.question.author, line, failure))
        return false;
    Label4->setText(texts.authorPrefix + line);
    for (int i = 0; i < kTypeCodes; ++i)
        Frame1[i]->setVisible(i == bank::typeCode(questionType));
    Frame1[questionType]->setEnabled(true);

    const Verdict state = verdict == Verdict::Blank ? Verdict::Open : verdict;
    switch (questionType) {
    case bank::QuestionType::MultipleChoice:
        return showMultipleChoice(read, state, failure);
    case bank::QuestionType::WrittenAnswer:
        return showWrittenAnswer(read, state, failure);
    case bank::QuestionType::PictureAnswer:
        return showPictureAnswer(read, state, failure);
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

void Form3::showErrorLine(const QString &failure)
{
    Label18->setText(failure);
    Command2->setEnabled(false);
    Frame1[questionType]->setEnabled(false);
}

bool Form3::showMultipleChoice(const bank::QuestionRead &read, Verdict verdict, QString &failure)
{
    const bank::Question &q = read.question;
    QString line;
    if (!take(read, 3, q.statement, line, failure))
        return false;
    Label2->setText(line);

    // Every line after the statement goes into an option label, the
    // attachment's name included; a ninth is a failure.
    QStringList lines = q.options;
    if (!q.attachment.isEmpty())
        lines.append(q.attachment);
    const int n = static_cast<int>(std::min<qsizetype>(lines.size(), 8));
    for (int i = 0; i < n; ++i) {
        Label3(i)->setText(lines[i]);
        Label3(i)->show();
    }
    if (read.error == bank::ReadError::TooManyOptions) {
        failure = tooManyOptionsText();
        return false;
    }
    if (n == 0) {
        failure = noOptionsText();
        return false;
    }
    if (bank::isAttachmentName(Label3(n - 1)->text())) {
        Label3(n - 1)->hide();
        state().attachmentOptionIndex = n - 1;
        state().attachmentIsPicture = bank::isPictureAttachment(Label3(n - 1)->text());
        Command4->show();
        Command4_Click();
        attachmentShown = true;
    } else {
        Command4->hide();
    }
    for (int j = n; j < 8; ++j) {
        Label3(j)->clear();
        Label3(j)->hide();
    }

    int m = 0;
    for (int i = 0; i < 8; ++i) {
        ui::ClickLabel *label = Label3(optionOrder[i]);
        if (!label->isHidden())
            label->setText(QString::number(++m) + QStringLiteral(". ") + label->text());
    }
    for (int i = 0; i < 8; ++i) {
        ui::setForeColor(Label3(i), ui::kBlack);
        QFont font = Label3(i)->font();
        font.setBold(false);
        font.setPointSize(10);
        Label3(i)->setFont(font);
    }
    stackOptions();

    if (verdict == Verdict::Open) {
        ui::setBackColor(Command2, ui::kGreen);
        Command2->setEnabled(true);
        return true;
    }
    auto highlight = [](QLabel *label, const QColor &colour) {
        ui::setForeColor(label, colour);
        QFont font = label->font();
        font.setBold(true);
        font.setPointSize(12);
        label->setFont(font);
    };
    if (verdict == Verdict::Wrong) {
        const int x = model.chosenOption(currentTestIndex, currentQuestionRow);
        if (x >= 0 && x < 8)
            highlight(Label3(x), ui::kRed);
        ui::setBackColor(Command2, ui::kRed);
    } else {
        ui::setBackColor(Command2, ui::kBlue);
    }
    for (int i = 0; i < 8; ++i) {
        if (bank::isCorrectOption(Label3(i)->text()))
            highlight(Label3(i), ui::kBlue);
    }
    Frame1[questionType]->setEnabled(false);
    Command2->setEnabled(false);
    return true;
}

void Form3::stackOptions()
{
    // Each option as tall as its text needs, in the larger bold font of a
    // highlighted one too (at least as designed), stacked in drawn order.
    // The statement grows into the room the options leave in the frame and
    // scrolls beyond it; with short texts everything stays where designed.
    const int width = laidOut.options[0].width();
    const int designedHeight = laidOut.options[0].height();
    std::array<int, 8> heights{};
    int optionsHeight = 0;
    int shown = 0;
    for (int i = 0; i < 8; ++i) {
        ui::ClickLabel *label = Label3(i);
        if (label->isHidden())
            continue;
        const QFont font = label->font();
        QFont highlighted = font;
        highlighted.setBold(true);
        highlighted.setPointSize(12);
        const int plain = label->heightForWidth(width);
        label->setFont(highlighted);
        heights[i] = std::max({designedHeight, plain, label->heightForWidth(width)});
        label->setFont(font);
        optionsHeight += heights[i] + (shown++ > 0 ? ui::px(100) : 0);
    }
    const QRect designed = laidOut.choiceStatement;
    const int gap = ui::px(1440) - (designed.y() + designed.height());
    const int room = laidOut.answerFrame.height() - ui::px(100) - optionsHeight - gap - designed.y();
    const int statementHeight =
        std::clamp(Label2->heightForWidth(designed.width()), designed.height(), std::max(designed.height(), room));
    placeOf(Label2)->setGeometry(designed.x(), designed.y(), designed.width(), statementHeight);

    int top = ui::twips(designed.y() + statementHeight + gap);
    for (int i = 0; i < 8; ++i) {
        ui::ClickLabel *label = Label3(optionOrder[i]);
        if (label->isHidden())
            continue;
        label->resize(width, heights[optionOrder[i]]);
        ui::setTopTwips(label, top);
        top = ui::topTwips(label) + ui::heightTwips(label) + 100;
    }
}

void Form3::colourTypedAnswer(ui::RichTextBox *box, const QColor &colour)
{
    box->setText(expectedAnswer);
    box->setSelStart(0);
    box->setSelLength(static_cast<int>(expectedAnswer.size()));
    box->setSelColor(colour);
}

void Form3::resumeTypedAnswer(ui::RichTextBox *box)
{
    // The letters already typed come back, as they were judged: the
    // corrections used stay with the question.
    const TypedAnswer &typed = currentTyped();
    const int done = typed.position() - 1;
    if (done <= 0)
        return;
    box->setText(expectedAnswer.left(done));
    box->setSelStart(0);
    box->setSelLength(done);
    box->setSelBold(true);
    box->setSelColor(ui::kBlue);
}

bool Form3::showWrittenAnswer(const bank::QuestionRead &read, Verdict state, QString &failure)
{
    const bank::Question &q = read.question;
    QString line;
    if (state == Verdict::Open) {
        ui::setBackColor(Command2, ui::kGreen);
        Command2->setEnabled(true);
        ui::setWidthTwips(placeOf(Label5), ui::widthTwips(Frame1[bank::QuestionType::WrittenAnswer]) - 400);
        RichTextBox1->setText(QString());
        RichTextBox1->setEnabled(true);
        if (!take(read, 3, q.statement, line, failure))
            return false;
        Label5->setText(line);
        if (!take(read, 4, q.answer, expectedAnswer, failure))
            return false;
        resumeTypedAnswer(RichTextBox1);
        RichTextBox1->setFocus();
        return true;
    }
    const QColor verdict = state == Verdict::Right ? ui::kBlue : ui::kRed;
    Command2->setEnabled(false);
    RichTextBox1->setEnabled(false);
    if (!take(read, 3, q.statement, line, failure))
        return false;
    Label5->setText(line);
    if (!take(read, 4, q.answer, expectedAnswer, failure))
        return false;
    colourTypedAnswer(RichTextBox1, verdict);
    ui::setBackColor(Command2, verdict);
    return true;
}

bool Form3::showPicture(const QString &name, QString &failure)
{
    Image1->hide();
    const QString path = bank::resolveReferenced(appFolder, bank::ReferencedKind::Picture, name);
    const ui::Picture read = ui::readPicture(path);
    if (read.problem != ui::PictureProblem::None) {
        failure = pictureFailureText(name, read);
        return false;
    }
    const QImage &picture = read.image;
    const int w = picture.width();
    const int h = picture.height();
    const QWidget *statement = placeOf(Label7);
    int height = ui::topTwips(Label8) - (ui::topTwips(statement) + ui::heightTwips(statement)) - 100;
    int width = h > 0 ? static_cast<int>(static_cast<double>(w) * height / h) : 0;
    // A wide picture is made smaller still rather than cut off at the sides.
    const int room = ui::widthTwips(Frame1[bank::QuestionType::PictureAnswer]) - 400;
    if (width > room && w > 0) {
        height = static_cast<int>(static_cast<double>(h) * room / w);
        width = room;
    }
    ui::setGeometryTwips(Image1, (ui::widthTwips(Frame1[bank::QuestionType::PictureAnswer]) - width) / 2,
                         ui::topTwips(statement) + ui::heightTwips(statement), width, height);
    Image1->setPixmap(QPixmap::fromImage(picture.scaled(Image1->size(), Qt::IgnoreAspectRatio,
                                                        Qt::SmoothTransformation)));
    Image1->show();
    return true;
}

bool Form3::showPictureAnswer(const bank::QuestionRead &read, Verdict state, QString &failure)
{
    const bank::Question &q = read.question;
    QString line;
    if (state == Verdict::Open) {
        QFrame *frame = Frame1[bank::QuestionType::PictureAnswer];
        ui::setTopTwips(RichTextBox2, ui::heightTwips(frame) - ui::heightTwips(RichTextBox2) - 200);
        ui::setLeftTwips(RichTextBox2, (ui::widthTwips(frame) - ui::widthTwips(RichTextBox2)) / 2);
        ui::setLeftTwips(Label8, ui::leftTwips(RichTextBox2));
        ui::setTopTwips(Label8, ui::topTwips(RichTextBox2) - ui::heightTwips(Label8) - 40);
        ui::setBackColor(Command2, ui::kGreen);
        Command2->setEnabled(true);
        RichTextBox2->setText(QString());
        RichTextBox2->setEnabled(true);
        RichTextBox2->setFocus();
        if (!take(read, 3, q.fileName, line, failure) || !showPicture(line, failure))
            return false;
        if (!take(read, 4, q.statement, line, failure))
            return false;
        Label7->setText(line);
        if (!take(read, 5, q.answer, expectedAnswer, failure))
            return false;
        resumeTypedAnswer(RichTextBox2);
        RichTextBox2->setFocus();
        return true;
    }
    const QColor verdict = state == Verdict::Right ? ui::kBlue : ui::kRed;
    Command2->setEnabled(false);
    if (!take(read, 3, q.fileName, line, failure) || !showPicture(line, failure))
        return false;
    RichTextBox2->setEnabled(false);
    if (!take(read, 4, q.statement, line, failure))
        return false;
    Label7->setText(line);
    if (!take(read, 5, q.answer, expectedAnswer, failure))
        return false;
    colourTypedAnswer(RichTextBox2, verdict);
    ui::setBackColor(Command2, verdict);
    Frame1[bank::QuestionType::PictureAnswer]->setEnabled(false);
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
    if (!read.hasLine(5) || !read.hasLine(6)) {
        if (read.hasLine(5))
            targetX = q.x;
        failure = fileEndsEarlyText();
        return false;
    }
    targetX = q.x;
    targetY = q.y;

    if (state == Verdict::Open) {
        ui::setBackColor(Command2, ui::kGreen);
        Command2->setEnabled(true);
        return true;
    }
    const QColor verdict = state == Verdict::Right ? ui::kBlue : ui::kRed;
    Command2->setEnabled(false);
    Picture2->setFillColor(verdict);
    ui::setBackColor(Command2, verdict);
    Picture2->floodFill(bank::pixelCoordinate(targetX), bank::pixelCoordinate(targetY));
    Picture2->setFillColor(ui::kBlue);
    Frame1[bank::QuestionType::GraphicPoint]->setEnabled(false);
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
    if (!take(read, 5, q.answer, expectedAnswer, failure))
        return false;

    if (state == Verdict::Open) {
        ui::setBackColor(Command2, ui::kGreen);
        Command2->setEnabled(true);
        return true;
    }
    const QColor verdict = state == Verdict::Right ? ui::kBlue : ui::kRed;
    ui::setForeColor(Label11, verdict);
    ui::setBackColor(Command2, verdict);
    Command2->setEnabled(false);
    Label11->setText(expectedAnswer);
    Frame1[bank::QuestionType::ReadingWord]->setEnabled(false);
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
    trueFalseAnswer = q.isTrue;

    if (state == Verdict::Open) {
        ui::setBackColor(Command2, ui::kGreen);
        Command2->setEnabled(true);
        return true;
    }
    const QColor verdict = state == Verdict::Right ? ui::kBlue : ui::kRed;
    ui::setForeColor(Label16, verdict);
    ui::setBackColor(Command2, verdict);
    Command2->setEnabled(false);
    Label16->setText(ui::caption(Command5[trueFalseAnswer ? TrueFalseButton::SaysTrue : TrueFalseButton::SaysFalse]));
    Frame1[bank::QuestionType::TrueFalse]->setEnabled(false);
    return true;
}

} // namespace player
