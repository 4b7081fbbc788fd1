#pragma once

#include "reportsaver.h"
#include "selection.h"
#include "testlayout.h"
#include "testlogic.h"
#include "testsession.h"

#include "bank/languagefile.h"
#include "bank/question.h"
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
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include <array>

namespace player {

class Form4;
class Form5;

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
// Frame1 and typeHelpTexts are indexed by question type; the answer boxes that
// take a typed answer are numbered as their handler richtextbox_KeyPress
// receives them.
struct TypedBox {
    enum Index : int { Written = 1, Picture = 2 };
};

// The test window: one test per chosen subject (a button, a visible question
// list and the hidden list of question files), an answer frame per question
// type, the confirm button, the counters, the clock and the transcript.
// Loading it assembles the tests and lays it out for the screen; clicks on
// the lists show questions; answers are judged and booked at once; when the
// last test is finished the report is written and the final window shown.
class Form3 : public QWidget
{
    Q_OBJECT
public:
    // `startWindow` is closed once the pupil's name has been taken from it;
    // `selectionWindow` stays locked while the test runs.
    Form3(const Selection &selection, const QString &pupilNameText, QWidget *startWindow = nullptr,
          QWidget *selectionWindow = nullptr);
    ~Form3() override;

    // Event handlers.
    void List1_Click(int index);
    void Label3_Click(int index);
    void Command1_Click(int index);
    void Command2_Click();
    void Command4_Click();
    void Command5_Click(int index);
    void Command6_Click(int index);
    void Command7_Click(int index);
    void Picture2_MouseDown(QPointF position);
    void Timer1_Timer();
    void richtextbox_KeyPress(int box, QChar &key);
    void RichTextBox_KeyDown(int &keyCode);

    // Adds the summary lines to the transcript and starts saving the report
    // off the window's thread; savingReport() until the outcome is shown.
    void WriteResultsReport();
    bool savingReport() const { return reportsBeingSaved > 0; }

    int testCount() const { return static_cast<int>(List2.size()); }
    bool sessionOver() const { return model.isOver(); }
    // The session the window shows: verdicts, counters, marks, transcript.
    TestSession &session() { return model; }
    const TestSession &session() const { return model; }
    Form4 *finalWindow() const;
    Form5 *attachmentViewer() const;
    void ShowFinalWindow();

    // Controls, under their names.
    ui::ControlFamily<QPushButton> Command1; // one button per test: subject and mark
    ui::ControlFamily<QListWidget> List1;    // one question list per test; only the current one shows
    QList<QStringList> List2;                // per test, the question file behind each row of List1
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

    // Fields.
    QString pupilName;                       // as typed in the start window
    QString rightLabel, wrongLabel, blankLabel, quitQuestion; // from Final.txt
    ByType<QString> typeHelpTexts;           // help line per type, from ayuda.txt
    TestWindowTexts texts;                   // from Principal.txt
    int maximumMark = 10;                    // top of the mark scale, from tope.txt
    QString appFolder;                       // the program folder
    bank::QuestionType questionType = bank::QuestionType::None; // the question on show
    int currentQuestionRow = 0;              // its row in List1(currentTestIndex)
    std::array<int, 8> optionOrder{0, 1, 2, 3, 4, 5, 6, 7}; // display order of options, drawn once
    int chosenOption = -1;                   // none chosen for the question on show
    QString expectedAnswer;                  // typed answer or reading word expected
    double targetX = 0, targetY = 0;         // the stored point of a graphic question
    double markX = 0;                        // the pupil's last click on the graphic
    int markY = 0;
    bool trueFalseAnswer = false;            // the question's truth
    bool trueFalseChoice = false;            // the pupil's choice
    bool trueFalseChosen = false;            // a button was pressed for the question on show
    bool graphicMarked = false;              // the pupil clicked the graphic of the question on show
    int currentTestIndex = 0;                // the test whose list shows
    int reportsBeingSaved = 0;
    QString helpBeforeSaving;                // Label14 while the report is being saved

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    void AssembleTest(const Selection &selection);
    void placeControls(const TestWindowLayout &layout);
    void captionTestButton(int k);
    void stackOptions();
    void StartUp(int minutes);
    void DrawOptionOrder();
    void readFinalTexts();

    // Display.
    bool showQuestion(const bank::QuestionRead &read, Verdict verdict, QString &failure);
    bool showMultipleChoice(const bank::QuestionRead &read, Verdict verdict, QString &failure);
    bool showWrittenAnswer(const bank::QuestionRead &read, Verdict verdict, QString &failure);
    bool showPictureAnswer(const bank::QuestionRead &read, Verdict verdict, QString &failure);
    bool showGraphicPoint(const bank::QuestionRead &read, Verdict verdict, QString &failure);
    bool showReadingWord(const bank::QuestionRead &read, Verdict verdict, QString &failure);
    bool showTrueFalse(const bank::QuestionRead &read, Verdict verdict, QString &failure);
    bool showPicture(const QString &name, QString &failure);
    void showErrorLine(const QString &failure);
    void colourTypedAnswer(ui::RichTextBox *box, const QColor &colour);
    void resumeTypedAnswer(ui::RichTextBox *box);
    QListWidgetItem *currentEntry() const;

    // Answering: one judging function per type, each booking through book().
    bool judgeMultipleChoice();
    bool giveUpTypedAnswer();
    bool judgeGraphicPoint();
    bool judgeReadingWord();
    bool judgeTrueFalse();
    bool book(bool right, const QLabel *statement, const std::optional<QString> &given, bool sound = true,
              int chosen = -1);
    TypedAnswer &currentTyped();
    void putAwayQuestion();
    void showRow(int index);
    void ShowFeedback(bool right);
    void PlayFeedbackSound(const QString &name);
    void setCounter(Counter::Index counter, int value);
    bank::QuestionType typedFrame(int box) const { return box == TypedBox::Written ? bank::QuestionType::WrittenAnswer : bank::QuestionType::PictureAnswer; }
    ui::RichTextBox *typedBox(int box) const { return box == TypedBox::Written ? RichTextBox1 : RichTextBox2; }
    QLabel *typedStatement(int box) const { return box == TypedBox::Written ? Label5 : Label7; }
    void completeTypedAnswer(int box);
    void restoreFrame(bank::QuestionType type);

    void endSession();
    void reportSaved(const ReportOutcome &outcome);

    QPointer<QWidget> selectionWindow;
    TestSession model;
    QPointer<Form4> form4;
    QPointer<Form5> form5;
    bank::LineBuffer readingBuffer; // shared by ayuda.txt, Principal.txt and tope.txt
    bool clockStopped = false;
    TestWindowLayout laidOut; // where the controls were last put
    bool leaving = false; // the pupil has said yes to quitting
    bool attachmentShown = false; // the question on show opened the viewer
    bool targetInMarkedRegion = false; // the last click filled the target's region
};

} // namespace player
