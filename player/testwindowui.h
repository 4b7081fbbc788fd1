// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The test window's controls, built and placed: what a designer's form
// would hold. The window (Form3) inherits them under their legacy names
// and connects them to its handlers; nothing here decides anything about
// the session.

#include "testlayout.h"
#include "shownquestion.h"
#include "testlogic.h"

#include "ui/animatedpicture.h"
#include "ui/clickgraphic.h"
#include "ui/clicklabel.h"
#include "ui/controls.h"
#include "ui/picturebox.h"
#include "ui/readingtext.h"
#include "ui/richtextbox.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <array>
#include <functional>

namespace player {

// The members of the test window's indexed controls, by role; each struct
// names the family it indexes.
struct Counter { // Command3, the counters of the test on show
    enum Index : int { Wrong, Questions, Right };
};
struct TopButton { // Command6; members 2 to 5 were never used
    enum Index : int { Results = 0, Credits = 1, Quit = 6 };
};
struct ReportButton { // Command7
    enum Index : int { Transcript, Report };
};
struct TrueFalseButton { // Command5
    enum Index : int { SaysTrue, SaysFalse };
};
struct ClockLabel { // Label17
    enum Index : int { Allowed, Countdown };
};
struct CreditsLine { // Label13
    enum Index : int { Title, Subtitle, ProgramName, Address, Footer };
};
// Frame1 and typeHelpTexts are indexed by question type; the answer boxes
// that take a typed answer are numbered as their handler
// richtextbox_KeyPress receives them.
struct TypedBox {
    enum Index : int { Written = 1, Picture = 2 };
};

// How each member of an indexed family is connected, as it is made.
struct TestWindowHooks {
    std::function<void(QPushButton *, int)> subjectButton;
    std::function<void(QListWidget *, int)> questionList;
    std::function<void(ui::ClickLabel *, int)> option;
};

class TestWindowUi
{
public:
    // Builds every control inside `window`, member 0 of each family.
    void setupUi(QWidget *window, const TestWindowHooks &hooks);
    // Puts the controls where `layout` says, for `tests` tests.
    void placeControls(const TestWindowLayout &layout, int tests);
    // Each option as tall as its text needs, stacked in `order`; the
    // statement takes the room they leave.
    void stackOptions(const std::array<int, 8> &order);
    // Subject button k: the name shortened so that the mark stays readable.
    void captionTestButton(int k, const QString &subject, const QString &mark);
    void setOptionLook(int option, const QColor &colour, bool highlighted);

    QFrame *frame(bank::QuestionType type) const { return Frame1[type]; }
    bank::QuestionType typedFrame(int box) const
    {
        return box == TypedBox::Written ? bank::QuestionType::WrittenAnswer : bank::QuestionType::PictureAnswer;
    }
    ui::RichTextBox *typedBox(int box) const { return box == TypedBox::Written ? RichTextBox1 : RichTextBox2; }
    QLabel *typedStatement(int box) const { return box == TypedBox::Written ? Label5 : Label7; }
    // The frame of `type` back to the designed left and width, after typing
    // widened it.
    void restoreFrame(bank::QuestionType type);
    // While a letter is typed the frame spans the screen's width.
    void widenFrame(bank::QuestionType type, int screenWidthTwips);
    // The statement label of a type's frame.
    QLabel *statement(bank::QuestionType type) const;
    // `text` in `box`, all of it in `colour`.
    void colourTypedAnswer(ui::RichTextBox *box, const QString &text, const QColor &colour);
    // The first `done` letters of `text` back in `box`, bold blue as typed.
    void showTypedLetters(ui::RichTextBox *box, const QString &text, int done);
    // The answer box of a picture question under its picture, centred.
    void placePictureAnswerBox();
    // The picture of a picture question, as large as the room between the
    // statement and the answer caption allows, never wider than its frame.
    void showPicture(const QImage &picture);
    // Subject button `index` marked as the test on show, `previous` not.
    void markTestButton(int previous, int index);
    void showTimeUp(const QString &text);
    // The window's own texts in their captions.
    void showTexts(const TestWindowTexts &texts);
    // Subject button and question list k for a test; member 0 exists.
    void addTest(int k, const QString &subject, const QStringList &labels);
    // The option labels as `options` says, in their plain look.
    void showOptions(const ChoiceOptions &options);
    // Every correct option in the highlighted blue.
    void highlightCorrectOptions();

    // Controls, under their names.
    ui::ControlFamily<QPushButton> Command1; // one button per test: subject and mark
    ui::ControlFamily<QListWidget> List1;    // one question list per test; only the current one shows
    std::array<QPushButton *, 3> Command3{}; // counters of the current test, by Counter
    std::array<QPushButton *, 7> Command6{}; // top row: results, credits, quit, by TopButton
    std::array<QPushButton *, 2> Command7{}; // show the transcript, open the pupil's report, by ReportButton
    ByType<QFrame *> Frame1{};               // answer area per type; None holds the credits
    QFrame *Frame2 = nullptr;                // the credits panel inside Frame1(None)
    std::array<QLabel *, 5> Label13{};       // credits lines, by CreditsLine
    QLabel *Label2 = nullptr;                // multiple choice: the statement
    ui::ControlFamily<ui::ClickLabel> Label3; // multiple choice: the options, in drawn order
    QPushButton *Command4 = nullptr;         // multiple choice: opens the attachment again
    QLabel *Label5 = nullptr;                // written answer: the statement
    QLabel *Label6 = nullptr;                // written answer: the caption over the box
    ui::RichTextBox *RichTextBox1 = nullptr; // written answer: typed letter by letter
    QLabel *Label7 = nullptr;                // answer about a picture: the statement
    QLabel *Image1 = nullptr;                // answer about a picture: the picture
    QLabel *Label8 = nullptr;                // answer about a picture: the caption over the box
    ui::RichTextBox *RichTextBox2 = nullptr; // answer about a picture: typed letter by letter
    QLabel *Label9 = nullptr;                // point on a graphic: the statement
    ui::ClickGraphic *graphic = nullptr;     // point on a graphic: the four controls below
    QFrame *Picture1 = nullptr;              // point on a graphic: the viewport
    ui::PictureBox *Picture2 = nullptr;      // point on a graphic: the graphic a click fills
    QScrollBar *HScroll1 = nullptr;          // point on a graphic: scroll bars of the viewport
    QScrollBar *VScroll1 = nullptr;
    QLabel *Label12 = nullptr;               // reading word: the caption over the text
    ui::ReadingText *Text2 = nullptr;        // reading word: the text whose clicked word is taken
    QLabel *Label10 = nullptr;               // reading word: the statement
    QLabel *Label11 = nullptr;               // reading word: the word chosen, the pupil's answer
    QLabel *Label15 = nullptr;               // true or false: the statement
    std::array<QPushButton *, 2> Command5{}; // true or false: the buttons, by TrueFalseButton
    QLabel *Label16 = nullptr;               // true or false: the word chosen
    QLabel *Label4 = nullptr;                // under the lists: author line or a hint
    QLabel *Label14 = nullptr;               // help line for the type on show
    std::array<QLabel *, 2> Label17{};       // the clock: time allowed, countdown, by ClockLabel
    QLabel *Label18 = nullptr;               // the error line under the question
    QPushButton *Command2 = nullptr;         // confirm; its colour shows the verdict
    ui::AnimatedPicture *Gif89a1 = nullptr;  // the right/wrong feedback picture
    ui::RichTextBox *RichTextBox3 = nullptr; // the answer transcript, which becomes the report
    QTimer *Timer1 = nullptr;                // the one-second clock of a time limit

protected:
    TestWindowLayout laidOut; // where the controls were last put
};

} // namespace player
