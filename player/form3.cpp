// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form3.h"

#include "form4.h"
#include "form5.h"
#include "loadfailure.h"
#include "testkeys.h"

#include "ui/platform.h"
#include "ui/rowchoice.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>

namespace player {

namespace {

QRect screenArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

Form3 *Form3::open()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (auto *test = qobject_cast<Form3 *>(w))
            return test;
    }
    return nullptr;
}

Form3::Form3(const Selection &selection, const QString &pupilNameText, QWidget *startWindow,
             QWidget *selectionWindowToLock)
    : QWidget(nullptr, Qt::Window)
    , selectionWindow(selectionWindowToLock)
{
    setWindowTitle(QStringLiteral("BRENLOQ 3.0 - brenloq@escoles.cat"));
    setupUi(this, {[this](QPushButton *b, int k) {
                       connect(b, &QPushButton::clicked, this, [this, k] { Command1_Click(k); });
                   },
                   [this](QListWidget *list, int k) { ui::onRowChosen(list, [this, k] { List1_Click(k); }); },
                   [this](ui::ClickLabel *label, int i) {
                       connect(label, &ui::ClickLabel::clicked, this, [this, i] { Label3_Click(i); });
                       label->setKeyboardOperable(QAccessible::RadioButton);
                   }});
    connectControls();

    // The load sequence.
    pupilName = pupilNameText;
    AssembleTest(selection);
    StartUp(selection.timeLimitMinutes);
    optionOrder = drawOptionOrder([] { return ui::platform().random(); });
    RichTextBox3->setText(model.transcript());
    if (startWindow) {
        startWindow->close();
        startWindow->deleteLater();
    }
    Command7[ReportButton::Report]->setEnabled(false);
    prepareTestWindowKeys(this);
}

Form3::~Form3()
{
    delete form4;
    delete form5;
}

void Form3::connectControls()
{
    for (const int i : {TopButton::Results, TopButton::Credits, TopButton::Quit})
        connect(Command6[i], &QPushButton::clicked, this, [this, i] { Command6_Click(i); });
    for (int i = 0; i < 2; ++i) {
        connect(Command7[i], &QPushButton::clicked, this, [this, i] { Command7_Click(i); });
        connect(Command5[i], &QPushButton::clicked, this, [this, i] { Command5_Click(i); });
    }
    connect(Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    for (const int b : {TypedBox::Written, TypedBox::Picture}) {
        connect(typedBox(b), &ui::RichTextBox::keyDown, this,
                [this](int &keyCode, Qt::KeyboardModifiers) { RichTextBox_KeyDown(keyCode); });
        connect(typedBox(b), &ui::RichTextBox::keyPress, this, [this, b](QChar &key) { richtextbox_KeyPress(b, key); });
    }
    connect(graphic, &ui::ClickGraphic::marked, this, &Form3::Picture2_MouseDown);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Timer1, &QTimer::timeout, this, &Form3::Timer1_Timer);
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
        addTest(k, tests[k].subject, tests[k].labels);
        List2.append(tests[k].paths);
    }
    if (List2.isEmpty())
        List2.append(QStringList());
    model = TestSession(tests, pupilName, [this](const QString &file) { return canShowQuestion(appFolder, file); });
    model.coursePath = selection.coursePath;
    model.started = ui::platform().now();
}

void Form3::placeAll(QSize size)
{
    placeControls(testWindowLayout(size, testCount()), testCount());
    for (int k = 0; k < testCount(); ++k)
        captionTestButton(k);
}

void Form3::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!laidOut.subjectButtons.isEmpty() && event->size() != event->oldSize()) {
        placeAll(size());
        if (shown.questionType == bank::QuestionType::MultipleChoice)
            stackOptions(optionOrder);
    }
}

void Form3::captionTestButton(int k)
{
    TestWindowUi::captionTestButton(k, model.test(k).subject, model.test(k).mark);
}

void Form3::StartUp(int minutes)
{
    // Eight option labels; a question fills them in its drawn order.
    for (int i = 1; i < 8; ++i) {
        Label3.load(i);
        Label3(i)->show();
    }
    placeAll(screenArea(this).size());
    for (int i = 0; i < kTypeCodes; ++i)
        Frame1[i]->setVisible(i == bank::typeCode(bank::QuestionType::None));
    showCounters(0, QString());

    // Graphics are filled solid blue.
    Picture2->setFillColor(ui::kBlue);

    appFolder = ui::platform().programFolder();
    files = readTestWindowFiles(appFolder);
    Label14->setText(files.typeHelpTexts[bank::QuestionType::None]);

    // The selection stays locked while the test runs; the answer boxes start empty.
    if (selectionWindow)
        selectionWindow->setEnabled(false);
    RichTextBox1->setText(QString());
    RichTextBox2->setText(QString());

    // The window's own texts.
    const TestWindowTexts &texts = files.texts;
    model.setVerdictTexts(texts.right, texts.wrong);
    showTexts(texts);

    // The clock.
    Timer1->stop();
    if (minutes > 0) {
        Label17[ClockLabel::Allowed]->show();
        Label17[ClockLabel::Countdown]->show();
        Label17[ClockLabel::Allowed]->setText(timeLimitCaption(minutes));
        model.remainingSeconds = minutes * 60;
        Timer1->start();
    }

    // The results wait for the end of the session.
    Command6[TopButton::Results]->setEnabled(false);
    model.setMarkScaleHundredths(files.markScaleHundredths);
}

void Form3::closeEvent(QCloseEvent *event)
{
    // A session still running is not thrown away by a stray click on the
    // title bar: the window asks what the quit button asks.
    if (!leaving && !model.isOver() && !model.reported()) {
        if (ui::message(this, files.quitQuestion, QStringLiteral("Brenloq"), ui::MessageButtons::YesNo)
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
