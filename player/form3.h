// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reportsaver.h"
#include "selection.h"
#include "shownquestion.h"
#include "testlogic.h"
#include "testsession.h"
#include "testwindowui.h"

#include "bank/question.h"

#include <QPointer>
#include <QWidget>

namespace player {

class Form4;
class Form5;

// The test window: one test per chosen subject (a button, a visible question
// list and the hidden list of question files), an answer frame per question
// type, the confirm button, the counters, the clock and the transcript.
// The session is the model (TestSession), the question on show another
// (ShownQuestion); each handler asks them and shows what they say. When the
// last test is finished the report is written and the final window shown.
class Form3 : public QWidget, public TestWindowUi
{
    Q_OBJECT
public:
    // `startWindow` is closed once the pupil's name has been taken from it;
    // `selectionWindow` stays locked while the test runs.
    Form3(const Selection &selection, const QString &pupilNameText, QWidget *startWindow = nullptr,
          QWidget *selectionWindow = nullptr);
    ~Form3() override;

    // The test window on show, if any: the selection window opens it without
    // handing it back, so whatever drives the player from outside (drivers,
    // benchmarks, screenshot tools) finds it among the top-level windows.
    static Form3 *open();

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
    void ShowFinalWindow();

    int testCount() const { return static_cast<int>(List2.size()); }
    bool sessionOver() const { return model.isOver(); }
    // The session the window shows: verdicts, counters, marks, transcript.
    TestSession &session() { return model; }
    const TestSession &session() const { return model; }
    Form4 *finalWindow() const;
    // The program folder the session's files are read from and its report
    // written to, for the windows it opens.
    QString programFolder() const { return appFolder; }
    Form5 *attachmentViewer() const;

    QList<QStringList> List2;  // per test, the question file behind each row of List1
    ShownQuestion shown;       // the question on show and the pupil's moves on it
    TestWindowFiles files;     // the texts read from the program folder at start
    QString pupilName;         // as typed in the start window
    std::array<int, 8> optionOrder{0, 1, 2, 3, 4, 5, 6, 7}; // display order of options, drawn once
    int currentTestIndex = 0;  // the test whose list shows

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void connectControls();
    void AssembleTest(const Selection &selection);
    void StartUp(int minutes);
    void placeAll(QSize size);

    // Display.
    bool showQuestion(const bank::QuestionRead &read, Verdict verdict, QString &failure);
    bool showMultipleChoice(const bank::QuestionRead &read, Verdict verdict, QString &failure);
    bool showTypedAnswer(const bank::QuestionRead &read, Verdict verdict, QString &failure);
    bool showGraphicPoint(const bank::QuestionRead &read, Verdict verdict, QString &failure);
    bool showReadingWord(const bank::QuestionRead &read, Verdict verdict, QString &failure);
    bool showTrueFalse(const bank::QuestionRead &read, Verdict verdict, QString &failure);
    bool readPicture(const QString &name, QString &failure);
    void showVerdict(Verdict verdict);
    void showErrorLine(const QString &failure);
    void showRow(int index);
    void putAwayQuestion();

    // Answering: every judgement is booked by book(), then shown.
    bool book(const Judgement &judgement, const QLabel *statement);
    void showJudged(const Judgement &judgement);
    TypedAnswer &currentTyped();
    void captionTestButton(int k);
    void showCounters(int k, const QString &prefix);

    void endSession();
    void reportSaved(const ReportOutcome &outcome);

    QPointer<QWidget> selectionWindow;
    TestSession model;
    QPointer<Form4> form4;
    QPointer<Form5> form5;
    QString appFolder;        // the program folder
    int reportsBeingSaved = 0;
    QString helpBeforeSaving; // Label14 while the report is being saved
    bool leaving = false;     // the pupil has said yes to quitting
    bool attachmentShown = false; // the question on show opened the viewer
    Attachment attachment;    // the one the question on show names
};

} // namespace player
