#include "form3.h"

#include "form2.h"
#include "form4.h"
#include "form5.h"
#include "playerstate.h"

#include "bank/folders.h"
#include "bank/numeric.h"
#include "bank/languagefile.h"
#include "ui/platform.h"
#include "ui/rowchoice.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

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
QIcon drawnIcon(int kind)
{
    QPixmap pixmap(26, 26);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    switch (kind) {
    case 0: // transcript: a page with lines
        p.setBrush(Qt::white);
        p.drawRect(5, 2, 16, 22);
        for (int y = 7; y < 22; y += 4)
            p.drawLine(8, y, 18, y);
        break;
    case 1: // report: a page with a printer-like band
        p.setBrush(QColor(255, 255, 200));
        p.drawRect(5, 2, 16, 22);
        p.setBrush(QColor(40, 90, 200));
        p.drawRect(5, 14, 16, 6);
        break;
    default: // attachment: a paper clip
        p.setPen(QPen(QColor(60, 60, 60), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(8, 3, 10, 20, 5, 5);
        p.drawLine(13, 8, 13, 18);
        break;
    }
    return QIcon(pixmap);
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

Form3::Form3(Form2 *selectionWindow, const QString &pupilNameText, QWidget *startWindow)
    : QWidget(nullptr, Qt::Window)
    , selection(selectionWindow)
{
    setWindowTitle(QStringLiteral("BRENLOQ 3.0 - brenloq@escoles.cat"));
    buildControls();

    // The load sequence.
    AssembleTest();
    StartUp();
    DrawOptionOrder();
    pupilName = pupilNameText;
    RichTextBox3->setText(pupilName);
    if (startWindow) {
        startWindow->close();
        startWindow->deleteLater();
    }
    readFinalTexts();
    Command7[1]->setEnabled(false);
}

Form3::~Form3()
{
    delete form4;
    delete form5;
}

int Form3::qualifyingTestCount(const Form2 *selection)
{
    int count = 0;
    for (int i = 0; i < state().subjectCount && i < selection->Check1.count(); ++i) {
        if (ui::isBold(selection->Check1(i))
            && bank::numericValue(selection->Label4(i)->text()) >= kMinimumQuestionFiles)
            ++count;
    }
    return std::min(count, kMaxTests);
}

void Form3::buildControls()
{
    setAutoFillBackground(true);
    ui::setBackColor(this, QColor(236, 240, 248));
    const QFont base = font();

    // Left column: subject buttons, counters, question lists.
    auto *button0 = new QPushButton(this);
    ui::setGeometryTwips(button0, 120, 120, 3600, 560);
    button0->setFont(sizedFont(base, 10));
    Command1.reset(QStringLiteral("Command1"), button0, [this](QPushButton *b, int k) {
        connect(b, &QPushButton::clicked, this, [this, k] { Command1_Click(k); });
    });

    const QColor counterColours[3] = {kLightRed, kLightGreen, kLightBlue};
    const char *counterNames[3] = {"Errors", "Preguntes", "Encerts"};
    for (int i = 0; i < 3; ++i) {
        Command3[i] = new QPushButton(this);
        ui::setGeometryTwips(Command3[i], 120 + i * 1225, 800, 1150, 560);
        Command3[i]->setFont(sizedFont(base, 12, true));
        ui::setBackColor(Command3[i], counterColours[i]);
        Command3[i]->setFocusPolicy(Qt::NoFocus);
        ui::nameControl(Command3[i], ui::memberName(QStringLiteral("Command3"), i),
                        QString::fromLatin1(counterNames[i]));
    }

    auto *list0 = new QListWidget(this);
    ui::setGeometryTwips(list0, 120, 1500, 3600, 6000);
    list0->setFont(sizedFont(base, 11));
    List1.reset(QStringLiteral("List1"), list0, [this](QListWidget *list, int k) {
        ui::onRowChosen(list, [this, k] { List1_Click(k); });
    });
    List2.append(QStringList());

    Label4 = makeLabel(this, QStringLiteral("Label4"), 10, true);
    ui::setGeometryTwips(Label4, 120, 8000, 3600, 600);

    // Top row.
    Command6.fill(nullptr);
    auto topButton = [this, &base](int index, const QString &caption, double left, double width) {
        auto *b = new QPushButton(caption, this);
        ui::setGeometryTwips(b, left, 120, width, 500);
        b->setFont(sizedFont(base, 10, true));
        ui::nameControl(b, ui::memberName(QStringLiteral("Command6"), index), caption);
        connect(b, &QPushButton::clicked, this, [this, index] { Command6_Click(index); });
        Command6[index] = b;
    };
    topButton(0, QStringLiteral("Resultats"), 3900, 1800);
    topButton(1, QStringLiteral("©"), 5760, 600);
    topButton(6, QStringLiteral("Sortir"), 6420, 1500);

    const char *reportNames[2] = {"Veure les respostes", "Obrir l'informe"};
    for (int i = 0; i < 2; ++i) {
        Command7[i] = new QPushButton(this);
        ui::setGeometryTwips(Command7[i], 8040 + i * 560, 120, 500, 500);
        Command7[i]->setIcon(drawnIcon(i));
        Command7[i]->setIconSize(QSize(24, 24));
        ui::nameControl(Command7[i], ui::memberName(QStringLiteral("Command7"), i),
                        QString::fromUtf8(reportNames[i]));
        connect(Command7[i], &QPushButton::clicked, this, [this, i] { Command7_Click(i); });
    }

    for (int i = 0; i < 2; ++i) {
        Label17[i] = makeLabel(this, ui::memberName(QStringLiteral("Label17"), i), 13, true);
        ui::setGeometryTwips(Label17[i], 9400 + i * 2400, 160, 2300, 460);
        ui::setForeColor(Label17[i], QColor(150, 0, 0));
        Label17[i]->hide();
    }

    // The answer frames, one per type; frame 0 holds the credits.
    for (int i = 0; i < 7; ++i) {
        Frame1[i] = new QFrame(this);
        Frame1[i]->setFrameShape(QFrame::Box);
        ui::nameControl(Frame1[i], ui::memberName(QStringLiteral("Frame1"), i));
        ui::setGeometryTwips(Frame1[i], 3900, 620, 12000, 8000);
    }

    Frame2 = new QFrame(Frame1[0]);
    Frame2->setFrameShape(QFrame::StyledPanel);
    ui::setGeometryTwips(Frame2, 0, 0, 7200, 3600);
    ui::nameControl(Frame2, QStringLiteral("Frame2"));
    ui::setBackColor(Frame2, QColor(255, 248, 230));
    for (int i = 0; i < 5; ++i) {
        Label13[i] = makeLabel(Frame2, ui::memberName(QStringLiteral("Label13"), i), i == 0 ? 16 : 11, i == 0);
        Label13[i]->setAlignment(Qt::AlignCenter);
        ui::setGeometryTwips(Label13[i], 200, 240 + i * 640, 6800, 560);
    }
    Label13[2]->hide(); // the language file names the program on line 1
    Label13[3]->setText(QStringLiteral("brenloq@escoles.cat"));

    // Multiple choice.
    Label2 = makeLabel(Frame1[1], QStringLiteral("Label2"), 13, true);
    ui::setGeometryTwips(Label2, 400, 200, 8000, 800);
    auto *option0 = new ui::ClickLabel(Frame1[1]);
    option0->setWordWrap(true);
    option0->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    option0->setFont(sizedFont(base, 10));
    option0->setCursor(Qt::PointingHandCursor);
    ui::setGeometryTwips(option0, 400, 1200, 8000, 600);
    Label3.reset(QStringLiteral("Label3"), option0, [this](ui::ClickLabel *label, int i) {
        connect(label, &ui::ClickLabel::clicked, this, [this, i] { Label3_Click(i); });
    });
    Command4 = new QPushButton(Frame1[1]);
    ui::setGeometryTwips(Command4, 7000, 100, 600, 600);
    Command4->setIcon(drawnIcon(2));
    Command4->setIconSize(QSize(26, 26));
    ui::nameControl(Command4, QStringLiteral("Command4"), QStringLiteral("Veure l'adjunt"));
    Command4->hide();
    connect(Command4, &QPushButton::clicked, this, &Form3::Command4_Click);

    // Written answer.
    Label5 = makeLabel(Frame1[2], QStringLiteral("Label5"), 14, true);
    ui::setGeometryTwips(Label5, 400, 400, 8000, 1600);
    Label6 = makeLabel(Frame1[2], QStringLiteral("Label6"), 11);
    ui::setGeometryTwips(Label6, 400, 2700, 6000, 400);
    RichTextBox1 = new ui::RichTextBox(Frame1[2]);
    ui::setGeometryTwips(RichTextBox1, 400, 3150, 9000, 1100);
    ui::nameControl(RichTextBox1, QStringLiteral("RichTextBox1"));

    // Written answer about a picture.
    Label7 = makeLabel(Frame1[3], QStringLiteral("Label7"), 13, true);
    ui::setGeometryTwips(Label7, 400, 200, 8000, 1000);
    Image1 = new QLabel(Frame1[3]);
    ui::nameControl(Image1, QStringLiteral("Image1"));
    Image1->hide();
    Label8 = makeLabel(Frame1[3], QStringLiteral("Label8"), 11);
    ui::setGeometryTwips(Label8, 400, 5000, 6000, 400);
    RichTextBox2 = new ui::RichTextBox(Frame1[3]);
    ui::setGeometryTwips(RichTextBox2, 400, 5500, 9000, 1000);
    ui::nameControl(RichTextBox2, QStringLiteral("RichTextBox2"));

    const std::array<ui::RichTextBox *, 2> answerBoxes{RichTextBox1, RichTextBox2};
    for (int b = 0; b < 2; ++b) {
        ui::RichTextBox *box = answerBoxes[b];
        box->setFont(sizedFont(base, 22, true));
        connect(box, &ui::RichTextBox::keyDown, this,
                [this](int &keyCode, Qt::KeyboardModifiers) { RichTextBox_KeyDown(keyCode); });
        connect(box, &ui::RichTextBox::keyPress, this, [this, b](QChar &key) { richtextbox_KeyPress(b + 1, key); });
        // Letters arrive only by typing, so each one is judged.
        box->setTypingOnly(true);
    }

    // Point on a graphic.
    Label9 = makeLabel(Frame1[4], QStringLiteral("Label9"), 13, true);
    ui::setGeometryTwips(Label9, 400, 200, 8000, 800);
    // The bars at the style's thickness, the lower one a pixel below the view.
    graphic = new ui::ClickGraphic(Frame1[4], ui::ScrollBarPlacement{1, 0});
    Picture1 = graphic->viewport();
    Picture2 = graphic->pictureBox();
    HScroll1 = graphic->horizontalBar();
    VScroll1 = graphic->verticalBar();
    ui::setBackColor(Picture1, Qt::white);
    connect(graphic, &ui::ClickGraphic::marked, this, &Form3::Picture2_MouseDown);

    // A word in a reading text.
    Label12 = makeLabel(Frame1[5], QStringLiteral("Label12"), 12, true);
    ui::setGeometryTwips(Label12, 400, 200, 6000, 400);
    Text2 = new ui::ReadingText(Frame1[5]);
    Text2->setFont(sizedFont(base, 14));
    ui::nameControl(Text2, QStringLiteral("Text2"));
    Label10 = makeLabel(Frame1[5], QStringLiteral("Label10"), 12, true);
    ui::setGeometryTwips(Label10, 400, 6000, 8000, 700);
    Label11 = makeLabel(Frame1[5], QStringLiteral("Label11"), 14, true);
    ui::setGeometryTwips(Label11, 400, 6800, 8000, 500);
    ui::setForeColor(Label11, ui::kBlue);
    connect(Text2, &ui::ReadingText::wordTaken, Label11, &QLabel::setText);

    // True or false.
    Label15 = makeLabel(Frame1[6], QStringLiteral("Label15"), 16, true);
    ui::setGeometryTwips(Label15, 300, 300, 8000, 2500);
    Label16 = makeLabel(Frame1[6], QStringLiteral("Label16"), 16, true);
    Label16->setAlignment(Qt::AlignCenter);
    ui::setGeometryTwips(Label16, 0, 3300, 6000, 700);
    for (int i = 0; i < 2; ++i) {
        Command5[i] = new QPushButton(Frame1[6]);
        Command5[i]->setFont(sizedFont(base, 14, true));
        ui::setGeometryTwips(Command5[i], 0, 4400, 2800, 900);
        ui::nameControl(Command5[i], ui::memberName(QStringLiteral("Command5"), i));
        // Dark enough that the chosen word, written in its button's colour,
        // reads clearly on the pale frame.
        ui::setBackColor(Command5[i], i == 0 ? kTrueColour : kFalseColour);
        ui::setForeColor(Command5[i], Qt::white);
        connect(Command5[i], &QPushButton::clicked, this, [this, i] { Command5_Click(i); });
    }

    // Under the frames.
    Command2 = new QPushButton(this);
    ui::setGeometryTwips(Command2, 3900, 9000, 2400, 600);
    Command2->setFont(sizedFont(base, 12, true));
    ui::nameControl(Command2, QStringLiteral("Command2"));
    Command2->setText(QStringLiteral("Confirmar"));
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);

    Gif89a1 = new ui::AnimatedPicture(this);
    ui::setGeometryTwips(Gif89a1, 6400, 9000, 960, 960);
    Gif89a1->setScaledContents(true);
    ui::nameControl(Gif89a1, QStringLiteral("Gif89a1"));

    Label14 = makeLabel(this, QStringLiteral("Label14"), 10, true);
    ui::setGeometryTwips(Label14, 7600, 9100, 6000, 460);
    ui::setForeColor(Label14, QColor(0, 70, 140));
    Label18 = makeLabel(this, QStringLiteral("Label18"), 10, true);
    ui::setForeColor(Label18, QColor(200, 0, 0));
    ui::setGeometryTwips(Label18, 7600, 9560, 6000, 460);

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
    // Statements, options and folder names are shown as written.
    ui::showPlainTexts(this);
}

void Form3::AssembleTest()
{
    const QRect area = screenArea(this);
    setGeometry(area);
    ui::platform().randomize();

    QList<SubjectChoice> subjects;
    for (int i = 0; i < state().subjectCount && i < selection->Check1.count(); ++i) {
        SubjectChoice choice;
        choice.name = selection->Check1(i)->text();
        choice.chosen = ui::isBold(selection->Check1(i));
        choice.option = selection->Combo1(i)->currentText();
        choice.available = selection->Label4(i)->text();
        subjects.append(choice);
    }
    const QList<AssembledTest> tests =
        assembleTests(subjects, state().questionsPerSubject, selection->dir1Path(),
                      [] { return ui::platform().random(); }, kMaxTests);

    for (int k = 0; k < tests.size(); ++k) {
        if (k > 0) {
            Command1.load(k);
            List1.load(k);
            List2.append(QStringList());
            Command1(k)->move(Command1(k - 1)->x(),
                              ui::px(ui::topTwips(Command1(k - 1)) + ui::heightTwips(Command1(k - 1)) + 25));
            Command1(k)->show();
        }
        state().subjectName[k] = tests[k].subject;
        Command1(k)->setText(tests[k].subject);
        Command1(k)->setAccessibleName(tests[k].subject);
        List1(k)->addItems(tests[k].labels);
        List1(k)->setAccessibleName(tests[k].subject);
        List2[k] = tests[k].paths;
    }

    const int screenHeight = ui::twips(area.height());
    const int last = testCount() - 1;
    const int counterTop = ui::topTwips(Command1(last)) + ui::heightTwips(Command1(last)) + 75;
    for (QPushButton *counter : Command3)
        ui::setTopTwips(counter, counterTop);
    for (int k = 0; k < testCount(); ++k) {
        const int top = ui::topTwips(Command3[0]) + ui::heightTwips(Command3[0]) + 75;
        ui::setGeometryTwips(List1(k), ui::leftTwips(List1(k)), top, ui::widthTwips(Command1(0)),
                             screenHeight - top - 1050);
    }
    ui::setTopTwips(Label4, ui::topTwips(List1(0)) + ui::heightTwips(List1(0)) + 200);
    for (QFrame *frame : Frame1) {
        ui::setBackColor(frame, kFrameColour);
        // A locked answer area keeps its texts readable.
        QPalette palette = frame->palette();
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(QPalette::Disabled, role, Qt::black);
        frame->setPalette(palette);
    }
}

void Form3::StartUp()
{
    const QRect area = screenArea(this);
    const int screenWidth = ui::twips(area.width());
    const int windowWidth = screenWidth;
    const int windowHeight = ui::twips(area.height());

    // 1-3: the frames fill the window under the top row of buttons.
    for (int i = 0; i < 7; ++i) {
        const int top = ui::topTwips(Command6[0]) + ui::heightTwips(Command6[0]);
        const int left = ui::leftTwips(Command6[0]);
        ui::setGeometryTwips(Frame1[i], left, top, windowWidth - left - 100, windowHeight - top - 1050);
        Frame1[i]->setVisible(i == 0);
    }
    QFrame *f0 = Frame1[0];
    RichTextBox3->setGeometry(f0->geometry());
    ui::setTopTwips(Command2, ui::topTwips(f0) + ui::heightTwips(f0) + 10);
    ui::setLeftTwips(Command2, ui::leftTwips(f0));

    // 4-5: the statement and eight option labels.
    const int w1 = ui::widthTwips(Frame1[1]);
    ui::setWidthTwips(Label2, w1 - 800);
    ui::setHeightTwips(Label2, 800);
    ui::setGeometryTwips(Label3(0), ui::leftTwips(Label3(0)), ui::topTwips(Label2) + ui::heightTwips(Label2) + 200,
                         w1 - 800, 600);
    ui::setTopTwips(Command4, 100);
    ui::setLeftTwips(Command4, w1 - 800);
    for (int i = 1; i < 8; ++i) {
        Label3.load(i);
        Label3(i)->move(Label3(i - 1)->x(),
                        ui::px(ui::topTwips(Label3(i - 1)) + ui::heightTwips(Label3(i - 1)) + 100));
        Label3(i)->show();
    }

    // 6: the counters of the first test.
    Command3[0]->setText(QStringLiteral("0"));
    Command3[1]->setText(QString::number(List1(0)->count()));
    Command3[2]->setText(QStringLiteral("0"));

    state().programFolder = ui::platform().programFolder();

    // 8: graphics are filled solid blue.
    Picture2->setFillColor(ui::kBlue);

    // 9-11: credits centred, feedback picture and help line beside the button.
    ui::setLeftTwips(Frame2, (ui::widthTwips(f0) - ui::widthTwips(Frame2)) / 2);
    ui::setTopTwips(Frame2, (ui::heightTwips(f0) - ui::heightTwips(Frame2)) / 2);
    ui::setTopTwips(Gif89a1, ui::topTwips(Command2));
    ui::setLeftTwips(Gif89a1, ui::leftTwips(Command2) + ui::widthTwips(Command2) + 25);
    appFolder = ui::platform().programFolder();
    Label14->clear();
    ui::setTopTwips(Label14, ui::topTwips(Command2) + 60);
    ui::setLeftTwips(Label14, ui::leftTwips(Gif89a1) + ui::widthTwips(Gif89a1) + 250);

    // 12: help texts, through the buffer the other two files share.
    bank::LineReader help = bank::openLanguageFile(appFolder, QStringLiteral("ayuda.txt"));
    for (QString &text : typeHelpTexts) {
        help.readLine(readingBuffer);
        text = readingBuffer.text;
    }
    Label14->setText(typeHelpTexts[0]);

    // 13-14.
    if (selection)
        selection->setEnabled(false);
    RichTextBox1->setText(QString());
    RichTextBox2->setText(QString());

    // 15: the graphic viewport, two thirds of its frame and centred.
    QFrame *f4 = Frame1[4];
    const double viewHeight = ui::heightTwips(f4) / 3.0 * 2;
    const double viewWidth = ui::widthTwips(f4) / 3.0 * 2;
    graphic->setViewportGeometry(ui::rectTwips(static_cast<int>(ui::widthTwips(f4) - viewWidth) / 2,
                                               static_cast<int>(ui::heightTwips(f4) - viewHeight) / 2,
                                               viewWidth, viewHeight));

    // 16: the reading text, centred, with its labels around it.
    QFrame *f5 = Frame1[5];
    const int textHeight = ui::heightTwips(f5) / 2 + 250;
    const int textWidth = (ui::widthTwips(f5) / 3) * 2 + 350;
    ui::setGeometryTwips(Text2, (ui::widthTwips(f5) - textWidth) / 2, (ui::heightTwips(f5) - textHeight) / 2,
                         textWidth, textHeight);
    ui::setTopTwips(Label12, ui::topTwips(Text2) - ui::heightTwips(Label12) - 200);
    ui::setLeftTwips(Label12, ui::leftTwips(Text2) + 200);
    ui::setWidthTwips(Label12, textWidth - 200);
    ui::setTopTwips(Label10, ui::topTwips(Text2) + ui::heightTwips(Text2) + 150);
    ui::setLeftTwips(Label10, ui::leftTwips(Text2));
    ui::setWidthTwips(Label10, textWidth);
    ui::setTopTwips(Label11, ui::topTwips(Label10) + ui::heightTwips(Label10) + 50);
    ui::setLeftTwips(Label11, ui::leftTwips(Text2));
    ui::setWidthTwips(Label11, textWidth);

    // 17-19.
    for (QLabel *statement : {Label5, Label7, Label9})
        ui::setWidthTwips(statement, ui::widthTwips(f0) - ui::leftTwips(statement) - 250);
    ui::setWidthTwips(RichTextBox1, std::min(9000, ui::widthTwips(f0) - 800));
    ui::setWidthTwips(RichTextBox2, std::min(9000, ui::widthTwips(f0) - 800));
    ui::setLeftTwips(RichTextBox1, (ui::widthTwips(f0) - ui::widthTwips(RichTextBox1)) / 2);
    ui::setLeftTwips(Label6, ui::leftTwips(RichTextBox1));
    ui::setWidthTwips(Label14, screenWidth - ui::leftTwips(Label14) - 200);
    ui::setWidthTwips(Label18, ui::widthTwips(Label14));
    ui::setGeometryTwips(Label18, ui::leftTwips(Label14), ui::topTwips(Label14) + ui::heightTwips(Label14),
                         ui::widthTwips(Label14), ui::heightTwips(Label18));

    // 20: the window's own texts.
    bank::LineReader texts = bank::openLanguageFile(appFolder, QStringLiteral("Principal.txt"));
    auto caption = [&](QWidget *control, auto setText) {
        texts.readLine(readingBuffer);
        setText(readingBuffer.text);
        control->setAccessibleName(readingBuffer.text);
    };
    caption(Label13[0], [this](const QString &t) { Label13[0]->setText(t); });
    caption(Label13[1], [this](const QString &t) { Label13[1]->setText(t); });
    caption(Label13[4], [this](const QString &t) { Label13[4]->setText(t); });
    caption(Label12, [this](const QString &t) { Label12->setText(t); });
    caption(Label6, [this](const QString &t) { Label6->setText(t); });
    caption(Label8, [this](const QString &t) { Label8->setText(t); });
    caption(Command2, [this](const QString &t) { Command2->setText(t); });
    for (int i = 0; i < 6; ++i) {
        texts.readLine(readingBuffer);
        languageTexts[i] = readingBuffer.text;
    }
    RichTextBox1->setAccessibleName(Label6->text());
    RichTextBox2->setAccessibleName(Label8->text());
    Text2->setAccessibleName(Label12->text());

    // 21: true/false buttons side by side in the middle.
    QFrame *f6 = Frame1[6];
    ui::setWidthTwips(Label15, ui::widthTwips(f6) - 600);
    ui::setHeightTwips(Label15, 2500);
    ui::setLeftTwips(Label16, (ui::widthTwips(f6) - ui::widthTwips(Label16)) / 2);
    ui::setTopTwips(Label16, ui::topTwips(Label15) + ui::heightTwips(Label15) + 500);
    const int buttonsLeft = (ui::widthTwips(f6) - 2 * ui::widthTwips(Command5[0])) / 2;
    ui::setLeftTwips(Command5[0], buttonsLeft);
    ui::setLeftTwips(Command5[1], buttonsLeft + ui::widthTwips(Command5[0]));
    for (int i = 0; i < 2; ++i) {
        ui::setTopTwips(Command5[i], ui::topTwips(Label16) + ui::heightTwips(Label16) + 300);
        Command5[i]->setText(languageTexts[4 + i]);
        Command5[i]->setAccessibleName(languageTexts[4 + i]);
    }

    // 22: the clock.
    Timer1->stop();
    const int minutes = selection ? timeLimitMinutes(!selection->Text1->isHidden(),
                                                     selection->Text1->text())
                                  : 0;
    if (minutes > 0) {
        Label17[0]->show();
        Label17[1]->show();
        Label17[0]->setText(timeLimitCaption(minutes));
        remainingSeconds = minutes * 60;
        Timer1->start();
    }

    // 23-24.
    Command6[0]->setEnabled(false);
    bank::LineReader top = bank::openProgramFile(appFolder, QStringLiteral("tope.txt"));
    top.readLine(readingBuffer);
    maximumMark = maximumMarkFrom(readingBuffer.text);
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
    // Closing the test window ends the program.
    Timer1->stop();
    event->accept();
    ui::platform().quit();
}

} // namespace player
