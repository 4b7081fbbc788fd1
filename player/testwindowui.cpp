// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The test window's controls: built once, placed for the screen.

#include "testwindowui.h"

#include "scrollinglabel.h"

#include "ui/rowchoice.h"

#include <QPainter>
#include <QStyle>
#include <QCoreApplication>

#include <algorithm>

namespace player {

namespace {

const QColor kFrameColour(255, 224, 192);
const QColor kLightRed = ui::bgr(0xC0C0FF);
const QColor kLightGreen = ui::bgr(0xC0FFC0);
const QColor kLightBlue = ui::bgr(0xFFC0C0);
const QColor kTrueColour(0, 90, 170);
const QColor kFalseColour(180, 30, 0);

QFont sizedFont(const QFont &base, int points, bool bold = false)
{
    QFont font = base;
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

// Small drawn pictures for the caption-less buttons.
enum class Icon { Transcript, Report, Attachment };

QIcon drawnIcon(Icon kind)
{
    return ui::drawnIcon(26, {26}, [kind](QPainter &p) {
        p.setPen(QPen(Qt::black, 1.5));
        switch (kind) {
        case Icon::Transcript: // a page with lines
            p.setBrush(Qt::white);
            p.drawRect(5, 2, 16, 22);
            for (int y = 7; y < 22; y += 4)
                p.drawLine(8, y, 18, y);
            break;
        case Icon::Report: // a page with a printer-like band
            p.setBrush(QColor(255, 255, 200));
            p.drawRect(5, 2, 16, 22);
            p.setBrush(QColor(40, 90, 200));
            p.drawRect(5, 14, 16, 6);
            break;
        case Icon::Attachment: // a paper clip
            p.setPen(QPen(QColor(60, 60, 60), 2.5));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(8, 3, 10, 20, 5, 5);
            p.drawLine(13, 8, 13, 18);
            break;
        }
    });
}

QLabel *makeLabel(QWidget *parent, const QString &name, int points = 10, bool bold = false)
{
    auto *label = new QLabel(parent);
    label->setFont(sizedFont(label->font(), points, bold));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::nameControl(label, name);
    return label;
}

} // namespace

void TestWindowUi::setupUi(QWidget *window, const TestWindowHooks &hooks)
{
    window->setAutoFillBackground(true);
    ui::setBackColor(window, QColor(236, 240, 248));
    const QFont base = window->font();

    // Left column: subject buttons, counters, question lists.
    auto *button0 = new QPushButton(window);
    button0->setFont(sizedFont(base, 10));
    Command1.reset(QStringLiteral("Command1"), button0, hooks.subjectButton);

    // In Counter order: wrong, questions, right.
    const QColor counterColours[3] = {kLightRed, kLightGreen, kLightBlue};
    const char *counterNames[3] = {"Errors", "Preguntes", "Encerts"};
    for (int i = 0; i < 3; ++i) {
        Command3[i] = new QPushButton(window);
        Command3[i]->setFont(sizedFont(base, 12, true));
        ui::setBackColor(Command3[i], counterColours[i]);
        Command3[i]->setFocusPolicy(Qt::NoFocus);
        ui::nameControl(Command3[i], ui::memberName(QStringLiteral("Command3"), i),
                        QString::fromLatin1(counterNames[i]));
    }

    auto *list0 = new QListWidget(window);
    list0->setFont(sizedFont(base, 11));
    List1.reset(QStringLiteral("List1"), list0, hooks.questionList);

    Label4 = makeLabel(window, QStringLiteral("Label4"), 10, true);

    // Top row.
    Command6.fill(nullptr);
    auto topButton = [this, window, &base](int index, const QString &caption) {
        auto *b = new QPushButton(caption, window);
        b->setFont(sizedFont(base, 10, true));
        ui::nameControl(b, ui::memberName(QStringLiteral("Command6"), index), caption);
        Command6[index] = b;
    };
    topButton(TopButton::Results, QCoreApplication::translate("player", "Resultats"));
    topButton(TopButton::Credits, QStringLiteral("©"));
    topButton(TopButton::Quit, QCoreApplication::translate("player", "Sortir"));

    // In ReportButton order: transcript, report.
    const char *reportNames[2] = {"Veure les respostes", "Obrir l'informe"};
    const Icon reportIcons[2] = {Icon::Transcript, Icon::Report};
    for (int i = 0; i < 2; ++i) {
        Command7[i] = new QPushButton(window);
        Command7[i]->setIcon(drawnIcon(reportIcons[i]));
        Command7[i]->setIconSize(QSize(24, 24));
        ui::nameControl(Command7[i], ui::memberName(QStringLiteral("Command7"), i),
                        QString::fromUtf8(reportNames[i]));
    }

    for (int i = 0; i < 2; ++i) {
        Label17[i] = makeLabel(window, ui::memberName(QStringLiteral("Label17"), i), 13, true);
        ui::setForeColor(Label17[i], QColor(150, 0, 0));
        Label17[i]->hide();
    }

    // The answer frames, one per type; the one of no type holds the credits.
    for (int i = 0; i < kTypeCodes; ++i) {
        Frame1[i] = new QFrame(window);
        Frame1[i]->setFrameShape(QFrame::Box);
        ui::nameControl(Frame1[i], ui::memberName(QStringLiteral("Frame1"), i));
    }

    Frame2 = new QFrame(Frame1[bank::QuestionType::None]);
    Frame2->setFrameShape(QFrame::StyledPanel);
    ui::nameControl(Frame2, QStringLiteral("Frame2"));
    ui::setBackColor(Frame2, QColor(255, 248, 230));
    for (int i = 0; i < 5; ++i) {
        const bool title = i == CreditsLine::Title;
        Label13[i] = makeLabel(Frame2, ui::memberName(QStringLiteral("Label13"), i), title ? 16 : 11, title);
        Label13[i]->setAlignment(Qt::AlignCenter);
    }
    Label13[CreditsLine::ProgramName]->hide(); // the language file names the program in the title
    Label13[CreditsLine::Address]->setText(QStringLiteral("brenloq@escoles.cat"));

    // Multiple choice.
    QFrame *choiceFrame = Frame1[bank::QuestionType::MultipleChoice];
    Label2 = makeLabel(choiceFrame, QStringLiteral("Label2"), 13, true);
    auto *option0 = new ui::ClickLabel(choiceFrame);
    option0->setWordWrap(true);
    option0->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    option0->setFont(sizedFont(base, 10));
    option0->setCursor(Qt::PointingHandCursor);
    Label3.reset(QStringLiteral("Label3"), option0, hooks.option);
    Command4 = new QPushButton(choiceFrame);
    Command4->setIcon(drawnIcon(Icon::Attachment));
    Command4->setIconSize(QSize(26, 26));
    ui::nameControl(Command4, QStringLiteral("Command4"), QStringLiteral("Veure l'adjunt"));
    Command4->hide();

    // Written answer.
    QFrame *writtenFrame = Frame1[bank::QuestionType::WrittenAnswer];
    Label5 = makeLabel(writtenFrame, QStringLiteral("Label5"), 14, true);
    Label6 = makeLabel(writtenFrame, QStringLiteral("Label6"), 11);
    RichTextBox1 = new ui::RichTextBox(writtenFrame);
    ui::nameControl(RichTextBox1, QStringLiteral("RichTextBox1"));

    // Written answer about a picture.
    QFrame *pictureFrame = Frame1[bank::QuestionType::PictureAnswer];
    Label7 = makeLabel(pictureFrame, QStringLiteral("Label7"), 13, true);
    Image1 = new QLabel(pictureFrame);
    ui::nameControl(Image1, QStringLiteral("Image1"));
    Image1->hide();
    Label8 = makeLabel(pictureFrame, QStringLiteral("Label8"), 11);
    RichTextBox2 = new ui::RichTextBox(pictureFrame);
    ui::nameControl(RichTextBox2, QStringLiteral("RichTextBox2"));

    for (const int b : {TypedBox::Written, TypedBox::Picture}) {
        ui::RichTextBox *box = typedBox(b);
        box->setFont(sizedFont(base, 22, true));
        // Letters arrive only by typing, so each one is judged.
        box->setTypingOnly(true);
    }

    // Point on a graphic.
    QFrame *graphicFrame = Frame1[bank::QuestionType::GraphicPoint];
    Label9 = makeLabel(graphicFrame, QStringLiteral("Label9"), 13, true);
    // The bars at the style's thickness, the lower one a pixel below the view.
    graphic = new ui::ClickGraphic(graphicFrame, ui::ScrollBarPlacement{1, 0});
    Picture1 = graphic->viewport();
    Picture2 = graphic->pictureBox();
    HScroll1 = graphic->horizontalBar();
    VScroll1 = graphic->verticalBar();
    ui::setBackColor(Picture1, Qt::white);

    // A word in a reading text.
    QFrame *readingFrame = Frame1[bank::QuestionType::ReadingWord];
    Label12 = makeLabel(readingFrame, QStringLiteral("Label12"), 12, true);
    Text2 = new ui::ReadingText(readingFrame);
    Text2->setFont(sizedFont(base, 14));
    ui::nameControl(Text2, QStringLiteral("Text2"));
    Label10 = makeLabel(readingFrame, QStringLiteral("Label10"), 12, true);
    Label11 = makeLabel(readingFrame, QStringLiteral("Label11"), 14, true);
    ui::setForeColor(Label11, ui::kBlue);
    QObject::connect(Text2, &ui::ReadingText::wordTaken, Label11, &QLabel::setText);

    // True or false.
    QFrame *trueFalseFrame = Frame1[bank::QuestionType::TrueFalse];
    Label15 = makeLabel(trueFalseFrame, QStringLiteral("Label15"), 16, true);
    Label16 = makeLabel(trueFalseFrame, QStringLiteral("Label16"), 16, true);
    Label16->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 2; ++i) {
        Command5[i] = new QPushButton(trueFalseFrame);
        Command5[i]->setFont(sizedFont(base, 14, true));
        ui::nameControl(Command5[i], ui::memberName(QStringLiteral("Command5"), i));
        // Dark enough that the chosen word, written in its button's colour,
        // reads clearly on the pale frame.
        ui::setBackColor(Command5[i], i == TrueFalseButton::SaysTrue ? kTrueColour : kFalseColour);
        ui::setForeColor(Command5[i], Qt::white);
    }

    // Under the frames.
    Command2 = new QPushButton(window);
    Command2->setFont(sizedFont(base, 12, true));
    ui::nameControl(Command2, QStringLiteral("Command2"));
    Command2->setText(QStringLiteral("Confirmar"));

    Gif89a1 = new ui::AnimatedPicture(window);
    Gif89a1->setScaledContents(true);
    ui::nameControl(Gif89a1, QStringLiteral("Gif89a1"));

    Label14 = makeLabel(window, QStringLiteral("Label14"), 10, true);
    ui::setForeColor(Label14, QColor(0, 70, 140));
    Label18 = makeLabel(window, QStringLiteral("Label18"), 10, true);
    ui::setForeColor(Label18, QColor(200, 0, 0));

    RichTextBox3 = new ui::RichTextBox(window);
    ui::nameControl(RichTextBox3, QStringLiteral("RichTextBox3"));
    RichTextBox3->setFont(sizedFont(base, 11));
    QObject::connect(RichTextBox3, &ui::RichTextBox::keyDown, RichTextBox3,
                     [](int &keyCode, Qt::KeyboardModifiers) { keyCode = 0; });
    // The transcript becomes the report: only the program writes into it.
    RichTextBox3->setReadOnly(true);
    RichTextBox3->hide();

    Timer1 = new QTimer(window);
    Timer1->setInterval(1000);
    // A statement longer than its rectangle scrolls rather than lose lines.
    for (QLabel *statement : {Label2, Label5, Label7, Label9, Label10, Label15})
        scrollWhenLong(statement);
    for (QFrame *frame : Frame1) {
        ui::setBackColor(frame, kFrameColour);
        // A locked answer area keeps its texts readable.
        QPalette palette = frame->palette();
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(QPalette::Disabled, role, Qt::black);
        frame->setPalette(palette);
    }
    // Statements, options and folder names are shown as written.
    ui::showPlainTexts(window);
}

void TestWindowUi::placeControls(const TestWindowLayout &layout, int tests)
{
    laidOut = layout;
    for (int k = 0; k < tests; ++k) {
        Command1(k)->setGeometry(layout.subjectButtons[k]);
        List1(k)->setGeometry(layout.questionList);
    }
    for (int i = 0; i < 3; ++i)
        Command3[i]->setGeometry(layout.counters[i]);
    Label4->setGeometry(layout.authorLine);

    Command6[TopButton::Results]->setGeometry(layout.resultsButton);
    Command6[TopButton::Credits]->setGeometry(layout.creditsButton);
    Command6[TopButton::Quit]->setGeometry(layout.quitButton);
    for (int i = 0; i < 2; ++i) {
        Command7[i]->setGeometry(layout.reportButtons[i]);
        Label17[i]->setGeometry(layout.clock[i]);
    }

    for (QFrame *frame : Frame1)
        frame->setGeometry(layout.answerFrame);
    RichTextBox3->setGeometry(layout.answerFrame);
    Command2->setGeometry(layout.confirmButton);
    Gif89a1->setGeometry(layout.feedbackPicture);
    Label14->setGeometry(layout.helpLine);
    Label18->setGeometry(layout.errorLine);

    Frame2->setGeometry(layout.creditsPanel);
    for (int i = 0; i < 5; ++i)
        Label13[i]->setGeometry(layout.creditsLines[i]);
    placeOf(Label2)->setGeometry(layout.choiceStatement);
    for (int i = 0; i < Label3.count(); ++i)
        Label3(i)->setGeometry(layout.options[i]);
    Command4->setGeometry(layout.attachmentButton);
    placeOf(Label5)->setGeometry(layout.writtenStatement);
    Label6->setGeometry(layout.writtenCaption);
    RichTextBox1->setGeometry(layout.writtenBox);
    placeOf(Label7)->setGeometry(layout.pictureStatement);
    Label8->setGeometry(layout.pictureCaption);
    RichTextBox2->setGeometry(layout.pictureBox);
    placeOf(Label9)->setGeometry(layout.graphicStatement);
    Label12->setGeometry(layout.readingCaption);
    Text2->setGeometry(layout.readingText);
    placeOf(Label10)->setGeometry(layout.readingStatement);
    Label11->setGeometry(layout.readingWord);
    placeOf(Label15)->setGeometry(layout.trueFalseStatement);
    Label16->setGeometry(layout.trueFalseWord);
    for (int i = 0; i < 2; ++i)
        Command5[i]->setGeometry(layout.trueFalseButtons[i]);

    // The graphic viewport, two thirds of its frame and centred.
    QFrame *f4 = Frame1[bank::QuestionType::GraphicPoint];
    const double viewHeight = ui::heightTwips(f4) / 3.0 * 2;
    const double viewWidth = ui::widthTwips(f4) / 3.0 * 2;
    graphic->setViewportGeometry(ui::rectTwips(static_cast<int>(ui::widthTwips(f4) - viewWidth) / 2,
                                               static_cast<int>(ui::heightTwips(f4) - viewHeight) / 2,
                                               viewWidth, viewHeight));
}

void TestWindowUi::captionTestButton(int k, const QString &subject, const QString &markText)
{
    // The mark stays readable on a narrow button: a long subject name gives
    // way, shortened with an ellipsis, and is whole in the tooltip and for a
    // screen reader.
    QPushButton *button = Command1(k);
    const QString mark = markText.isEmpty() ? QString() : QStringLiteral(" - ") + markText;
    const QString whole = subject + mark;
    const QFontMetrics metrics(button->font());
    const int margins = 2 * (button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
                             + button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
    const int room = button->width() - margins - metrics.horizontalAdvance(mark);
    // "&" as written, never a shortcut.
    ui::setCaption(button, metrics.elidedText(subject, Qt::ElideRight, std::max(room, 0)) + mark);
    button->setToolTip(whole);
    button->setAccessibleName(whole);
}

void TestWindowUi::stackOptions(const std::array<int, 8> &optionOrder)
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

void TestWindowUi::setOptionLook(int option, const QColor &colour, bool highlighted)
{
    QLabel *label = Label3(option);
    ui::setForeColor(label, colour);
    QFont font = label->font();
    font.setBold(highlighted);
    font.setPointSize(highlighted ? 12 : 10);
    label->setFont(font);
}

void TestWindowUi::restoreFrame(bank::QuestionType type)
{
    const QFrame *designed = Frame1[bank::QuestionType::None];
    Frame1[type]->setGeometry(designed->x(), Frame1[type]->y(), designed->width(), Frame1[type]->height());
}

void TestWindowUi::widenFrame(bank::QuestionType type, int screenWidthTwips)
{
    ui::setLeftTwips(Frame1[type], 20);
    ui::setWidthTwips(Frame1[type], screenWidthTwips - 25);
    Frame1[type]->raise();
}

QLabel *TestWindowUi::statement(bank::QuestionType type) const
{
    switch (type) {
    case bank::QuestionType::WrittenAnswer:
        return Label5;
    case bank::QuestionType::PictureAnswer:
        return Label7;
    case bank::QuestionType::GraphicPoint:
        return Label9;
    case bank::QuestionType::ReadingWord:
        return Label10;
    case bank::QuestionType::TrueFalse:
        return Label15;
    case bank::QuestionType::MultipleChoice:
    case bank::QuestionType::None:
        break;
    }
    return Label2;
}

void TestWindowUi::colourTypedAnswer(ui::RichTextBox *box, const QString &text, const QColor &colour)
{
    box->setText(text);
    box->setSelStart(0);
    box->setSelLength(static_cast<int>(text.size()));
    box->setSelColor(colour);
}

void TestWindowUi::showTypedLetters(ui::RichTextBox *box, const QString &text, int done)
{
    if (done <= 0)
        return;
    box->setText(text.left(done));
    box->setSelStart(0);
    box->setSelLength(done);
    box->setSelBold(true);
    box->setSelColor(ui::kBlue);
}

void TestWindowUi::placePictureAnswerBox()
{
    const QFrame *f = Frame1[bank::QuestionType::PictureAnswer];
    ui::setTopTwips(RichTextBox2, ui::heightTwips(f) - ui::heightTwips(RichTextBox2) - 200);
    ui::setLeftTwips(RichTextBox2, (ui::widthTwips(f) - ui::widthTwips(RichTextBox2)) / 2);
    ui::setLeftTwips(Label8, ui::leftTwips(RichTextBox2));
    ui::setTopTwips(Label8, ui::topTwips(RichTextBox2) - ui::heightTwips(Label8) - 40);
}

void TestWindowUi::showPicture(const QImage &picture)
{
    const int w = picture.width();
    const int h = picture.height();
    const QWidget *above = placeOf(Label7);
    int height = ui::topTwips(Label8) - (ui::topTwips(above) + ui::heightTwips(above)) - 100;
    int width = h > 0 ? static_cast<int>(static_cast<double>(w) * height / h) : 0;
    // A wide picture is made smaller still rather than cut off at the sides.
    const int frameWidth = ui::widthTwips(Frame1[bank::QuestionType::PictureAnswer]);
    const int room = frameWidth - 400;
    if (width > room && w > 0) {
        height = static_cast<int>(static_cast<double>(h) * room / w);
        width = room;
    }
    ui::setGeometryTwips(Image1, (frameWidth - width) / 2, ui::topTwips(above) + ui::heightTwips(above), width,
                         height);
    Image1->setPixmap(
        QPixmap::fromImage(picture.scaled(Image1->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    Image1->show();
}

void TestWindowUi::markTestButton(int previous, int index)
{
    ui::setBold(Command1(previous), false);
    ui::setBackColor(Command1(previous), ui::bgr(0xC0FFFF));
    ui::setBold(Command1(index), true);
    ui::setBackColor(Command1(index), ui::bgr(0xC0FFC0));
}

void TestWindowUi::showTimeUp(const QString &text)
{
    QLabel *countdown = Label17[ClockLabel::Countdown];
    ui::setForeColor(countdown, ui::kRed);
    countdown->setAccessibleName(text);
    countdown->setToolTip(text);
}

void TestWindowUi::showTexts(const TestWindowTexts &texts)
{
    const auto caption = [](QWidget *control, const QString &text) { ui::setCaption(control, text); };
    caption(Label13[CreditsLine::Title], texts.creditsTitle);
    caption(Label13[CreditsLine::Subtitle], texts.creditsSubtitle);
    caption(Label13[CreditsLine::Footer], texts.creditsFooter);
    caption(Label12, texts.readingCaption);
    caption(Label6, texts.writtenCaption);
    caption(Label8, texts.pictureCaption);
    caption(Command2, texts.confirm);
    caption(Command5[TrueFalseButton::SaysTrue], texts.trueWord);
    caption(Command5[TrueFalseButton::SaysFalse], texts.falseWord);
    RichTextBox1->setAccessibleName(Label6->text());
    RichTextBox2->setAccessibleName(Label8->text());
    Text2->setAccessibleName(Label12->text());
}

void TestWindowUi::addTest(int k, const QString &subject, const QStringList &labels)
{
    if (k > 0) {
        Command1.load(k);
        List1.load(k);
        Command1(k)->show();
    }
    ui::setCaption(Command1(k), subject);
    List1(k)->addItems(labels);
    List1(k)->setAccessibleName(subject);
}

void TestWindowUi::showOptions(const ChoiceOptions &options)
{
    for (int i = 0; i < 8; ++i) {
        Label3(i)->setText(options.captions[i]);
        Label3(i)->setVisible(options.shown[i]);
        setOptionLook(i, ui::kBlack, false);
    }
}

void TestWindowUi::highlightCorrectOptions()
{
    for (int i = 0; i < 8; ++i) {
        if (bank::isCorrectOption(Label3(i)->text()))
            setOptionLook(i, ui::kBlue, true);
    }
}

} // namespace player
