#include "form3.h"

#include "form4.h"
#include "form5.h"
#include "loadfailure.h"
#include "playerstate.h"
#include "scrollinglabel.h"

#include "bank/folders.h"
#include "bank/numeric.h"
#include "bank/languagefile.h"
#include "ui/platform.h"
#include "ui/rowchoice.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>

namespace player {

namespace {

const QColor kFrameColour(255, 224, 192);
const QColor kLightRed = ui::bgr(0xC0C0FF);
const QColor kLightGreen = ui::bgr(0xC0FFC0);
const QColor kLightBlue = ui::bgr(0xFFC0C0);
const QColor kTrueColour(0, 90, 170);
const QColor kFalseColour(180, 30, 0);

QRect screenArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

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

Form3::Form3(const Selection &selection, const QString &pupilNameText, QWidget *startWindow,
             QWidget *selectionWindowToLock)
    : QWidget(nullptr, Qt::Window)
    , selectionWindow(selectionWindowToLock)
{
    setWindowTitle(QStringLiteral("BRENLOQ 3.0 - brenloq@escoles.cat"));
    buildControls();

    // The load sequence.
    pupilName = pupilNameText;
    AssembleTest(selection);
    StartUp(selection.timeLimitMinutes);
    DrawOptionOrder();
    RichTextBox3->setText(model.transcript());
    if (startWindow) {
        startWindow->close();
        startWindow->deleteLater();
    }
    readFinalTexts();
    Command7[ReportButton::Report]->setEnabled(false);
}

Form3::~Form3()
{
    delete form4;
    delete form5;
}

void Form3::buildControls()
{
    setAutoFillBackground(true);
    ui::setBackColor(this, QColor(236, 240, 248));
    const QFont base = font();

    // Left column: subject buttons, counters, question lists.
    auto *button0 = new QPushButton(this);
    button0->setFont(sizedFont(base, 10));
    Command1.reset(QStringLiteral("Command1"), button0, [this](QPushButton *b, int k) {
        connect(b, &QPushButton::clicked, this, [this, k] { Command1_Click(k); });
    });

    // In Counter order: wrong, questions, right.
    const QColor counterColours[3] = {kLightRed, kLightGreen, kLightBlue};
    const char *counterNames[3] = {"Errors", "Preguntes", "Encerts"};
    for (int i = 0; i < 3; ++i) {
        Command3[i] = new QPushButton(this);
        Command3[i]->setFont(sizedFont(base, 12, true));
        ui::setBackColor(Command3[i], counterColours[i]);
        Command3[i]->setFocusPolicy(Qt::NoFocus);
        ui::nameControl(Command3[i], ui::memberName(QStringLiteral("Command3"), i),
                        QString::fromLatin1(counterNames[i]));
    }

    auto *list0 = new QListWidget(this);
    list0->setFont(sizedFont(base, 11));
    List1.reset(QStringLiteral("List1"), list0, [this](QListWidget *list, int k) {
        ui::onRowChosen(list, [this, k] { List1_Click(k); });
    });
    List2.append(QStringList());

    Label4 = makeLabel(this, QStringLiteral("Label4"), 10, true);

    // Top row.
    Command6.fill(nullptr);
    auto topButton = [this, &base](int index, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setFont(sizedFont(base, 10, true));
        ui::nameControl(b, ui::memberName(QStringLiteral("Command6"), index), caption);
        connect(b, &QPushButton::clicked, this, [this, index] { Command6_Click(index); });
        Command6[index] = b;
    };
    topButton(TopButton::Results, QStringLiteral("Resultats"));
    topButton(TopButton::Credits, QStringLiteral("©"));
    topButton(TopButton::Quit, QStringLiteral("Sortir"));

    // In ReportButton order: transcript, report.
    const char *reportNames[2] = {"Veure les respostes", "Obrir l'informe"};
    const Icon reportIcons[2] = {Icon::Transcript, Icon::Report};
    for (int i = 0; i < 2; ++i) {
        Command7[i] = new QPushButton(this);
        Command7[i]->setIcon(drawnIcon(reportIcons[i]));
        Command7[i]->setIconSize(QSize(24, 24));
        ui::nameControl(Command7[i], ui::memberName(QStringLiteral("Command7"), i),
                        QString::fromUtf8(reportNames[i]));
        connect(Command7[i], &QPushButton::clicked, this, [this, i] { Command7_Click(i); });
    }

    for (int i = 0; i < 2; ++i) {
        Label17[i] = makeLabel(this, ui::memberName(QStringLiteral("Label17"), i), 13, true);
        ui::setForeColor(Label17[i], QColor(150, 0, 0));
        Label17[i]->hide();
    }

    // The answer frames, one per type; the one of no type holds the credits.
    for (int i = 0; i < kTypeCodes; ++i) {
        Frame1[i] = new QFrame(this);
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
    Label3.reset(QStringLiteral("Label3"), option0, [this](ui::ClickLabel *label, int i) {
        connect(label, &ui::ClickLabel::clicked, this, [this, i] { Label3_Click(i); });
    });
    Command4 = new QPushButton(choiceFrame);
    Command4->setIcon(drawnIcon(Icon::Attachment));
    Command4->setIconSize(QSize(26, 26));
    ui::nameControl(Command4, QStringLiteral("Command4"), QStringLiteral("Veure l'adjunt"));
    Command4->hide();
    connect(Command4, &QPushButton::clicked, this, &Form3::Command4_Click);

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
        connect(box, &ui::RichTextBox::keyDown, this,
                [this](int &keyCode, Qt::KeyboardModifiers) { RichTextBox_KeyDown(keyCode); });
        connect(box, &ui::RichTextBox::keyPress, this, [this, b](QChar &key) { richtextbox_KeyPress(b, key); });
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
    connect(graphic, &ui::ClickGraphic::marked, this, &Form3::Picture2_MouseDown);

    // A word in a reading text.
    QFrame *readingFrame = Frame1[bank::QuestionType::ReadingWord];
    Label12 = makeLabel(readingFrame, QStringLiteral("Label12"), 12, true);
    Text2 = new ui::ReadingText(readingFrame);
    Text2->setFont(sizedFont(base, 14));
    ui::nameControl(Text2, QStringLiteral("Text2"));
    Label10 = makeLabel(readingFrame, QStringLiteral("Label10"), 12, true);
    Label11 = makeLabel(readingFrame, QStringLiteral("Label11"), 14, true);
    ui::setForeColor(Label11, ui::kBlue);
    connect(Text2, &ui::ReadingText::wordTaken, Label11, &QLabel::setText);

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
        connect(Command5[i], &QPushButton::clicked, this, [this, i] { Command5_Click(i); });
    }

    // Under the frames.
    Command2 = new QPushButton(this);
    Command2->setFont(sizedFont(base, 12, true));
    ui::nameControl(Command2, QStringLiteral("Command2"));
    Command2->setText(QStringLiteral("Confirmar"));
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);

    Gif89a1 = new ui::AnimatedPicture(this);
    Gif89a1->setScaledContents(true);
    ui::nameControl(Gif89a1, QStringLiteral("Gif89a1"));

    Label14 = makeLabel(this, QStringLiteral("Label14"), 10, true);
    ui::setForeColor(Label14, QColor(0, 70, 140));
    Label18 = makeLabel(this, QStringLiteral("Label18"), 10, true);
    ui::setForeColor(Label18, QColor(200, 0, 0));

    RichTextBox3 = new ui::RichTextBox(this);
    ui::nameControl(RichTextBox3, QStringLiteral("RichTextBox3"));
    RichTextBox3->setFont(sizedFont(base, 11));
    connect(RichTextBox3, &ui::RichTextBox::keyDown, this, [](int &keyCode, Qt::KeyboardModifiers) { keyCode = 0; });
    // The transcript becomes the report: only the program writes into it.
    RichTextBox3->setReadOnly(true);
    RichTextBox3->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form3::Timer1_Timer);
    // A statement longer than its rectangle scrolls rather than lose lines.
    for (QLabel *statement : {Label2, Label5, Label7, Label9, Label10, Label15})
        scrollWhenLong(statement);
    // Statements, options and folder names are shown as written.
    ui::showPlainTexts(this);
}

void Form3::AssembleTest(const Selection &selection)
{
    // Maximised rather than given the screen's area: under a window manager
    // the title bar and borders then come out of the screen, not off the
    // bottom of the window. The controls follow the size the window gets.
    setGeometry(screenArea(this));
    setWindowState(windowState() | Qt::WindowMaximized);
    ui::platform().randomize();

    const QList<AssembledTest> tests =
        assembleTests(selection.subjects, selection.questionsPerSubject, selection.coursePath,
                      [] { return ui::platform().random(); }, kMaxTests);

    for (int k = 0; k < tests.size(); ++k) {
        if (k > 0) {
            Command1.load(k);
            List1.load(k);
            List2.append(QStringList());
            Command1(k)->show();
        }
        ui::setCaption(Command1(k), tests[k].subject);
        List1(k)->addItems(tests[k].labels);
        List1(k)->setAccessibleName(tests[k].subject);
        List2[k] = tests[k].paths;
    }
    model = TestSession(tests, pupilName, [this](const QString &file) { return canShowQuestion(appFolder, file); });
    model.coursePath = selection.coursePath;
    model.started = ui::platform().now();

    for (QFrame *frame : Frame1) {
        ui::setBackColor(frame, kFrameColour);
        // A locked answer area keeps its texts readable.
        QPalette palette = frame->palette();
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(QPalette::Disabled, role, Qt::black);
        frame->setPalette(palette);
    }
}

void Form3::placeControls(const TestWindowLayout &layout)
{
    laidOut = layout;
    for (int k = 0; k < testCount(); ++k) {
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
    for (int k = 0; k < testCount(); ++k)
        captionTestButton(k);
}

void Form3::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!laidOut.subjectButtons.isEmpty() && event->size() != event->oldSize()) {
        placeControls(testWindowLayout(size(), testCount()));
        if (questionType == bank::QuestionType::MultipleChoice)
            stackOptions();
    }
}

void Form3::captionTestButton(int k)
{
    // The mark stays readable on a narrow button: a long subject name gives
    // way, shortened with an ellipsis, and is whole in the tooltip and for a
    // screen reader.
    QPushButton *button = Command1(k);
    const SessionTest &test = model.test(k);
    const QString mark = test.mark.isEmpty() ? QString() : QStringLiteral(" - ") + test.mark;
    const QString whole = test.subject + mark;
    const QFontMetrics metrics(button->font());
    const int margins = 2 * (button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
                             + button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
    const int room = button->width() - margins - metrics.horizontalAdvance(mark);
    // "&" as written, never a shortcut.
    ui::setCaption(button, metrics.elidedText(test.subject, Qt::ElideRight, std::max(room, 0)) + mark);
    button->setToolTip(whole);
    button->setAccessibleName(whole);
}

void Form3::StartUp(int minutes)
{
    // Eight option labels; a question fills them in its drawn order.
    for (int i = 1; i < 8; ++i) {
        Label3.load(i);
        Label3(i)->show();
    }
    placeControls(testWindowLayout(screenArea(this).size(), testCount()));
    for (int i = 0; i < kTypeCodes; ++i)
        Frame1[i]->setVisible(i == bank::typeCode(bank::QuestionType::None));

    // The counters of the first test.
    Command3[Counter::Wrong]->setText(QStringLiteral("0"));
    Command3[Counter::Questions]->setText(QString::number(List1(0)->count()));
    Command3[Counter::Right]->setText(QStringLiteral("0"));

    state().programFolder = ui::platform().programFolder();

    // Graphics are filled solid blue.
    Picture2->setFillColor(ui::kBlue);

    appFolder = ui::platform().programFolder();
    Label14->clear();

    // The help texts, through the buffer that Principal.txt and tope.txt share.
    bank::LineReader help = bank::openLanguageFile(appFolder, QStringLiteral("ayuda.txt"));
    for (QString &text : typeHelpTexts) {
        help.readLine(readingBuffer);
        text = readingBuffer.text;
    }
    Label14->setText(typeHelpTexts[bank::QuestionType::None]);

    // The selection stays locked while the test runs; the answer boxes start empty.
    if (selectionWindow)
        selectionWindow->setEnabled(false);
    RichTextBox1->setText(QString());
    RichTextBox2->setText(QString());

    // The window's own texts.
    bank::LineReader textFile = bank::openLanguageFile(appFolder, QStringLiteral("Principal.txt"));
    texts = readTestWindowTexts(textFile, readingBuffer);
    model.setVerdictTexts(texts.right, texts.wrong);
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

    // The clock.
    Timer1->stop();
    if (minutes > 0) {
        Label17[ClockLabel::Allowed]->show();
        Label17[ClockLabel::Countdown]->show();
        Label17[ClockLabel::Allowed]->setText(timeLimitCaption(minutes));
        model.remainingSeconds = minutes * 60;
        Timer1->start();
    }

    // The results wait for the end of the session; the top of the mark scale.
    Command6[TopButton::Results]->setEnabled(false);
    bank::LineReader top = bank::openProgramFile(appFolder, QStringLiteral("tope.txt"));
    top.readLine(readingBuffer);
    maximumMark = maximumMarkFrom(readingBuffer.text);
    model.setMarkScaleHundredths(markScaleHundredths(readingBuffer.text));
}

void Form3::DrawOptionOrder()
{
    optionOrder = drawOptionOrder([] { return ui::platform().random(); });
}

void Form3::readFinalTexts()
{
    // A missing or short file leaves the texts empty; the test goes on.
    bank::LineReader file = bank::openLanguageFile(appFolder, QStringLiteral("Final.txt"));
    QString discarded;
    file.readLine(discarded);
    file.readLine(rightLabel);
    file.readLine(wrongLabel);
    file.readLine(blankLabel);
    file.readLine(quitQuestion);
}

void Form3::closeEvent(QCloseEvent *event)
{
    // A session still running is not thrown away by a stray click on the
    // title bar: the window asks what the quit button asks.
    if (!leaving && !model.isOver() && !model.reported()) {
        if (ui::message(this, quitQuestion, QStringLiteral("Brenloq"), ui::MessageButtons::YesNo)
            != ui::MessageAnswer::Yes) {
            event->ignore();
            return;
        }
    }
    leaving = true;
    // Closing the test window ends the program, once the report being saved
    // is kept somewhere.
    Timer1->stop();
    for (ReportSaver *saver : findChildren<ReportSaver *>(Qt::FindDirectChildrenOnly))
        saver->settleNow();
    event->accept();
    ui::platform().quit();
}

} // namespace player
