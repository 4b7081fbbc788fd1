// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The decisions of the test window that need no widget: drawing the
// questions and the option order, reading list entries back, judging,
// marks, clock texts, typed answers letter by letter, and the report's lines
// and file names. The windows call these and only show the results.

#include "bank/folders.h"
#include "bank/languagefile.h"
#include "bank/reportformat.h"
#include "bank/question.h"

#include <QColor>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace player {

using RandomSource = std::function<double()>; // uniform in [0, 1)

// The test window keeps one answer frame and one help line per question
// type, at the index of the type's digit; None, no question on show, has
// the credits frame and the general help line.
inline constexpr int kTypeCodes = bank::typeCode(bank::QuestionType::TrueFalse) + 1;
template <typename T>
struct ByType : std::array<T, kTypeCodes> {
    using std::array<T, kTypeCodes>::operator[];
    T &operator[](bank::QuestionType type) { return (*this)[size_t(bank::typeCode(type))]; }
    const T &operator[](bank::QuestionType type) const { return (*this)[size_t(bank::typeCode(type))]; }
};

// The test window's own texts, in the order of the lines of its language file
// (Principal.txt).
struct TestWindowTexts {
    QString creditsTitle;    // Label13(Title)
    QString creditsSubtitle; // Label13(Subtitle)
    QString creditsFooter;   // Label13(Footer)
    QString readingCaption;  // Label12, over the reading text
    QString writtenCaption;  // Label6, over the box of a written answer
    QString pictureCaption;  // Label8, over the box of an answer about a picture
    QString confirm;         // Command2
    QString authorPrefix;    // before the author's name under the lists
    QString right;           // the list entry and the transcript's verdict of a right answer
    QString wrong;           // and of a wrong one
    QString subjectPrompt;   // under the lists once a test is chosen
    QString trueWord;        // Command5(SaysTrue)
    QString falseWord;       // Command5(SaysFalse)
};

// Reads the texts through `buffer`, which the window shares with its other
// language files: a line that is missing repeats the text read before it.
TestWindowTexts readTestWindowTexts(bank::LineReader &file, bank::LineBuffer &buffer);

// What the test window reads from the program folder as it opens: the help
// line per type (ayuda.txt), its own texts (Principal.txt), the top of the
// mark scale (tope.txt) and the final window's words (Final.txt). The first
// three share one buffer: a line that is missing repeats the text read
// before it. A missing or short Final.txt leaves its words empty.
struct TestWindowFiles {
    ByType<QString> typeHelpTexts;
    TestWindowTexts texts;
    int markScaleHundredths = 1000;
    QString rightLabel, wrongLabel, blankLabel, quitQuestion;
};
TestWindowFiles readTestWindowFiles(const QString &programFolder);

// The top of the mark scale in hundredths (650 for 6,5), from tope.txt; the
// class results read it the same way.
int readMarkScale(const QString &programFolder);

// The report's file name for `name` at `when`. A file name holds at most
// 255 bytes: a long pupil name is shortened in the file name (with room for
// " (999)") rather than lose the report. The report itself keeps the name
// whole.
QString fittedReportFileName(QString name, const QDateTime &when);
// The clock's accessible name once the time is up.
QString timeUpText();

// `count` distinct numbers in 1..available, in draw order: a repeat is drawn
// again.
QList<int> drawDistinct(int count, int available, const RandomSource &random);

// A permutation of 0..7, drawn the same way.
std::array<int, 8> drawOptionOrder(const RandomSource &random);

// One subject row of the selection window as the assembly sees it.
struct SubjectChoice {
    QString name;
    bool chosen = false;
    QString option;     // empty when the subject has no option folders
    QString available;  // the row's file count caption
};

struct AssembledTest {
    QString subject;
    QStringList labels; // "1. Mates", "2. Mates", ...
    QStringList paths;  // the question file of each label
};

inline constexpr int kMinimumQuestionFiles = 3;

// Why no test can start when every chosen subject has too few question files.
QString tooFewQuestionsText(const QStringList &subjects);

// The tests of a session: one per chosen subject with at least three files,
// at most `maxTests`, each with its drawn questions.
QList<AssembledTest> assembleTests(const QList<SubjectChoice> &subjects, int questionsPerSubject,
                                   const QString &coursePath, const RandomSource &random,
                                   int maxTests);

// The row of a wrong multiple choice: the wrong text and one trailing space
// per chosen index + 1.
QString wrongMultipleChoiceEntry(const QString &wrongText, int chosenOption);

// " 7,50": the mark of `right` answers out of `questions` on a scale given
// in hundredths (650 for a top of 6,50), truncated to hundredths, with a
// comma; " 0,00" without questions.
QString markTextOnScale(int right, int questions, qint64 scaleHundredths);

// The top of the mark scale from the first line of tope.txt, in hundredths,
// its decimals kept ("6,5" and "6.5" give 650); 1000 when it is not above 0
// or beyond 32767.
int markScaleHundredths(const QString &line);
// "20", "6,50": the scale as the checker names it.
QString markScaleText(int hundredths);

// Whether the line gives a scale of its own (markScaleHundredths) rather
// than the fallback of 10.
bool isUsableMarkScale(const QString &line);

// A line of the final window is red below half the top of the mark scale,
// the scale in hundredths as markScaleHundredths reads it (650 for 6,5).
bool isFailingMark(const QString &markText, int scaleHundredths);

// The clock: the minutes set in the selection window, or 0 for no clock.
int timeLimitMinutes(bool boxVisible, const QString &boxText);
QString timeLimitCaption(int minutes); // "1 H : 30 m"
QString countdownText(int seconds);    // "1 : 2 : 5"

// The reading-word verdict: one word contains the other and their lengths
// differ by less than 2; case ignored.
bool isRightWord(const QString &chosen, const QString &expected);

// A typed answer judged letter by letter.
class TypedAnswer
{
public:
    struct Step {
        bool matched = false;   // the letter was right
        bool corrected = false; // right, after a wrong key at this letter
        int offset = 0;         // 0-based offset of the letter in the box
        bool complete = false;  // the last letter has been typed
    };

    void start(const QString &expected);
    Step type(QChar typed);

    QString expected() const { return answer; }
    int position() const { return answerPosition; }
    int correctedLetters() const { return correctedLetterCount; }
    bool correctionPending() const { return letterCorrectionPending; }
    bool isRight() const { return correctedLetterCount <= 1; }
    void clearPending() { letterCorrectionPending = false; }

private:
    QString answer;
    int answerPosition = 1;
    int correctedLetterCount = 0;
    bool letterCorrectionPending = false;
};

// The summary of one test, as the report (upper-cased) and the final window
// show it, in the report's format.
struct TestResult {
    QString subject;
    QString mark;
    int right = 0;
    int wrong = 0;
    int questions = 0;
};
QString resultLine(const TestResult &result, const QString &rightLabel, const QString &wrongLabel,
                   const QString &blankLabel);

// `name` on one line: line and paragraph breaks and other control
// characters become spaces, so that a folder or pupil name cannot split the
// report's lines (nor plant a line of its own there).
QString singleLine(const QString &name);

// The report's file name, as the class results read it back.
using bank::reportFileName;
using bank::usableReportsFolder;

} // namespace player
