// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include "readfile.h"

namespace bank {

// The kinds of question; the value is the digit line 1 of a file holds.
// None is what a file of another digit reads as: the readers refuse it.
enum class QuestionType {
    None = 0,
    MultipleChoice = 1,
    WrittenAnswer = 2,
    PictureAnswer = 3,
    GraphicPoint = 4,
    ReadingWord = 5,
    TrueFalse = 6,
};
inline constexpr QuestionType kQuestionTypes[] = {
    QuestionType::MultipleChoice, QuestionType::WrittenAnswer, QuestionType::PictureAnswer,
    QuestionType::GraphicPoint,   QuestionType::ReadingWord,   QuestionType::TrueFalse,
};

// The digit of a type, as files, records and the windows' indexed controls
// number it (None is 0).
constexpr int typeCode(QuestionType type) { return static_cast<int>(type); }
// The type a line 1 value names: None for anything but a whole 1 to 6.
QuestionType questionTypeOf(double code);
constexpr bool isQuestionType(QuestionType type)
{
    return type >= QuestionType::MultipleChoice && type <= QuestionType::TrueFalse;
}

// One question as a question file holds it. Which fields a type uses:
//   MultipleChoice  statement, options (the correct one ends in a space), attachment
//   WrittenAnswer   statement, answer
//   PictureAnswer   fileName (picture), statement, answer
//   GraphicPoint    fileName (graphic), statement, x, y
//   ReadingWord     fileName (reading text), statement, answer (the word)
//   TrueFalse       statement, isTrue
struct Question {
    QuestionType type = QuestionType::MultipleChoice;
    QString author;
    QString statement;
    QStringList options;
    QString attachment;
    QString fileName;
    QString answer;
    double x = 0;
    double y = 0;
    bool isTrue = false;

    bool operator==(const Question &) const = default;
};

// An option line ending in a space is a correct one.
bool isCorrectOption(const QString &option);

// True when the last four characters, ignoring case, are ".TXT", ".JPG" or
// ".GIF": the last line of a multiple-choice file then names an attachment.
bool isAttachmentName(const QString &line);
bool isPictureAttachment(const QString &name);

// The line 1 form of a type code: " 1 ".
QString typeCodeLine(QuestionType type);

// A point coordinate as the editor writes it: "132", or a fraction in
// general form.
QString coordinateText(double value);

// The lines of a question file for the question's type, in order. Options
// after the first empty one are not written.
QStringList questionLines(const Question &question);

enum class ReadError {
    None,
    Missing,        // the file could not be opened
    UnknownType,    // line 1 is not 1 to 6
    TooShort,       // the file ends before the type's last line
    NoOptions,      // a multiple-choice file without option lines
    TooManyOptions, // more than eight option lines
};

// Reads a question from its lines. Fields read before a failure are kept
// (a file with more than eight options keeps the first eight).
ReadError parseQuestion(const QStringList &lines, Question &question);

// A question file as the player, the editor and the bank checker read it:
// through the bank's file reader (a regular file of at most
// kMaxLineFileBytes), its lines split at CR LF, CR or LF, then parsed.
// Everything the lines hold is kept whatever failed, so a window can show
// what it shows for a damaged file and say why. Every member has its
// initializer, so that QuestionRead{problem} names a whole value.
struct QuestionRead {
    FileProblem file = FileProblem::None; // the file itself could not be read
    bool empty = false;                   // it holds no byte at all
    bool holdsNul = false;                // a NUL: zeroed by a crash, or no text
    ReadError error = ReadError::None;    // what its lines lack
    int lineCount = 0;                    // the lines it holds
    QString typeLine{};                   // line 1 as written
    Question question{};
    // Lines the question keeps only as values, as written: the editor shows
    // them as captions. The answer of a TrueFalse file, the point of a
    // GraphicPoint file.
    QString answerLine{};
    QString xLine{};
    QString yLine{};
    // A multiple-choice file with more than eight option lines: the lines
    // after the eighth (the editor passes over empty ones to reach them).
    QStringList linesBeyondEighth{};

    // Text a reader may take lines from. A NUL byte is never written (the
    // writer refuses it): a file holding one is damaged, whatever its lines
    // say, for the player, the editor and the bank checker alike.
    bool isText() const { return file == FileProblem::None && !empty && !holdsNul; }
    bool ok() const { return isText() && error == ReadError::None; }
    bool hasLine(int number) const { return number <= lineCount; }
};
QuestionRead readQuestion(const QString &path);
QuestionRead readQuestionBytes(const QByteArray &bytes);

// The parse result of readQuestion(), Missing when the file could not be read.
ReadError readQuestionFile(const QString &path, Question &question);

// A stored point coordinate as a whole pixel; -1 for a value no picture
// could hold, instead of an overflow.
int pixelCoordinate(double value);

// The whole file as it is written: each line Windows-1252, ending CR LF.
// Fails on a field holding a line break, a NUL or a character Windows-1252 lacks,
// and on a question whose file would read back otherwise (a type outside 1
// to 6, more than eight options or eight with an attachment, an attachment
// not named .txt/.jpg/.gif); `error` then says why, in the editor's words.
bool encodeQuestion(const Question &question, QByteArray &bytes, QString *error = nullptr);

struct SaveResult {
    bool ok = false;
    int number = 0;   // the N of N.txt
    QString path;
    QString error;    // why nothing was written
};

// N of a question file's name "N.txt" (".txt" in any case, N from 1 without
// leading zeros, at most nine digits), else 0: the names the editor gives and
// the player asks for.
int questionFileNumber(QStringView name);

// The smallest N >= 1 for which no N.txt (any letter case) lies in `folder`.
int nextQuestionNumber(const QString &folder);

// Saves a new question as N.txt in `folder` with the smallest free N. The file
// appears whole or not at all, and is never written over an existing one:
// two editors saving into one folder at once get different numbers.
SaveResult saveNewQuestion(const QString &folder, const Question &question);

} // namespace bank
