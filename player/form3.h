#pragma once

#include "testlogic.h"

#include "bank/languagefile.h"
#include "bank/question.h"
#include "ui/animatedpicture.h"
#include "ui/clicklabel.h"
#include "ui/controls.h"
#include "ui/picturebox.h"
#include "ui/richtextbox.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>

#include <array>

namespace player {

class Form2;
class Form4;
class Form5;

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
    // `startWindow` is closed once the pupil's name has been taken from it.
    Form3(Form2 *selection, const QString &pupilNameText, QWidget *startWindow = nullptr);
    ~Form3() override;

    // How many tests the selection would give; none means no test window.
    static int qualifyingTestCount(const Form2 *selection);

    // Event handlers.
    void List1_Click(int index);
    void Label3_Click(int index);
    void Command1_Click(int index);
    void Command2_Click();
    void Command4_Click();
    void Command5_Click(int index);
    void Command6_Click(int index);
    void Command7_Click(int index);
    void Picture2_MouseDown(Qt::MouseButton button, QPointF position);
    void HScroll1_Change();
    void VScroll1_Change();
    void Text2_Click();
    void Timer1_Timer();
    void richtextbox_KeyPress(int box, QChar &key);
    void RichTextBox_KeyDown(int &keyCode);

    void WriteResultsReport();

    int testCount() const { return static_cast<int>(List2.size()); }
    bool sessionOver() const { return finishedTestCount >= testCount(); }
    Form4 *finalWindow() const;
    Form5 *attachmentViewer() const;
    void ShowFinalWindow();

    // Controls, under their names.
    ui::ControlFamily<QPushButton> Command1;
    ui::ControlFamily<QListWidget> List1;
    QList<QStringList> List2;
    std::array<QPushButton *, 3> Command3{};
    std::array<QPushButton *, 7> Command6{};
    std::array<QPushButton *, 2> Command7{};
    std::array<QFrame *, 7> Frame1{};
    QFrame *Frame2 = nullptr;
    std::array<QLabel *, 5> Label13{};
    QLabel *Label2 = nullptr;
    ui::ControlFamily<ui::ClickLabel> Label3;
    QPushButton *Command4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    ui::RichTextBox *RichTextBox1 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label8 = nullptr;
    ui::RichTextBox *RichTextBox2 = nullptr;
    QLabel *Label9 = nullptr;
    QWidget *Picture1 = nullptr;
    ui::PictureBox *Picture2 = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QScrollBar *VScroll1 = nullptr;
    QLabel *Label12 = nullptr;
    QTextEdit *Text2 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label15 = nullptr;
    std::array<QPushButton *, 2> Command5{};
    QLabel *Label16 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label14 = nullptr;
    std::array<QLabel *, 2> Label17{};
    QLabel *Label18 = nullptr;
    QPushButton *Command2 = nullptr;
    ui::AnimatedPicture *Gif89a1 = nullptr;
    ui::RichTextBox *RichTextBox3 = nullptr;
    QTimer *Timer1 = nullptr;

    // Fields.
    QString pupilName;
    QString rightLabel, wrongLabel, blankLabel, quitQuestion;
    std::array<QString, 7> typeHelpTexts;
    std::array<QString, 7> languageTexts; // authorPrefix, rightText, wrongText, subjectPrompt, true, false
    int maximumMark = 10;
    int remainingSeconds = 0;
    QString appFolder;
    int questionType = 0;
    int currentQuestionRow = 0;
    std::array<int, 8> optionOrder{0, 1, 2, 3, 4, 5, 6, 7};
    int chosenOption = -1; // none chosen for the question on show
    TypedAnswer typed;
    QString expectedAnswer;
    double targetX = 0, targetY = 0;
    double markX = 0;
    int markY = 0;
    bool trueFalseAnswer = false;
    bool trueFalseChoice = false;
    bool trueFalseChosen = false;
    bool graphicMarked = false; // the pupil clicked the graphic of the question on show
    int currentTestIndex = 0;
    int answeredCount = 0;
    int finishedTestCount = 0;
    QString reportFileName;
    QString reportPath; // this pupil's report, once written

    QString authorPrefix() const { return languageTexts[0]; }
    QString rightText() const { return languageTexts[1]; }
    QString wrongText() const { return languageTexts[2]; }
    QString subjectPrompt() const { return languageTexts[3]; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void AssembleTest();
    void StartUp();
    void DrawOptionOrder();
    void readFinalTexts();

    // Display.
    bool showQuestion(const bank::QuestionRead &read, const QString &entry, QString &failure);
    bool showMultipleChoice(const bank::QuestionRead &read, const QString &entry, QString &failure);
    bool showWrittenAnswer(const bank::QuestionRead &read, EntryState state, QString &failure);
    bool showPictureAnswer(const bank::QuestionRead &read, EntryState state, QString &failure);
    bool showGraphicPoint(const bank::QuestionRead &read, EntryState state, QString &failure);
    bool showReadingWord(const bank::QuestionRead &read, EntryState state, QString &failure);
    bool showTrueFalse(const bank::QuestionRead &read, EntryState state, QString &failure);
    bool showPicture(const QString &name, QString &failure);
    void showErrorLine(const QString &failure);
    void colourTypedAnswer(ui::RichTextBox *box, const QColor &colour);
    QListWidgetItem *currentEntry() const;

    // Answering.
    void RecordRightAnswer();
    void RecordWrongAnswer();
    void UpdateTestMark();
    void checkEndOfTest();
    bool testIsOver(int k) const;
    void putAwayQuestion();
    void showRow(int index);
    void appendHead(const QLabel *statement);
    void appendVerdict(const QString &given, bool right);
    void appendTranscript(const QString &text);
    void ShowFeedback(bool right);
    void PlayFeedbackSound(const QString &name);
    void setCounter(int index, int value);
    int typedFrame(int box) const { return box == 1 ? 2 : 3; }
    ui::RichTextBox *typedBox(int box) const { return box == 1 ? RichTextBox1 : RichTextBox2; }
    QLabel *typedStatement(int box) const { return box == 1 ? Label5 : Label7; }
    void completeTypedAnswer(int box);
    void restoreFrame(int type);

    void endSession();

    Form2 *selection = nullptr;
    QPointer<Form4> form4;
    QPointer<Form5> form5;
    bank::LineBuffer readingBuffer; // shared by ayuda.txt, Principal.txt and tope.txt
    bool clockStopped = false;
    bool attachmentShown = false; // the question on show opened the viewer
    bool targetInMarkedRegion = false; // the last click filled the target's region
};

} // namespace player
