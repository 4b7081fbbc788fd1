// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the benchmarks share: a generated program folder with a large
// question bank (courses x subjects x options x questions, every question
// type, pictures of 1 and 12 megapixels), a folder of many questions for the
// editor, and showing a window offscreen until it has been painted.

#include <QSize>
#include <QString>

class QWidget;

namespace bench {

struct BankShape {
    int courses = 40;
    int subjects = 25;
    int options = 4;
    int questions = 100;
};

// Question n of every option folder is of kind (n - 1) % kKinds, so any
// hundred questions hold every kind several times.
enum class Kind {
    Choice,
    ChoiceWithText,
    ChoiceWithSmallPicture,
    ChoiceWithLargePicture,
    Written,
    PictureSmall,
    PictureLarge,
    GraphicSmall,
    GraphicLarge,
    Reading,
    TrueFalse,
    WrittenLong,
};
inline constexpr int kKinds = 12;
Kind kindOf(int questionNumber);
const char *kindName(Kind kind);

inline constexpr QSize kSmallPicture{1000, 1000};  // 1 megapixel
inline constexpr QSize kLargePicture{4000, 3000};  // 12 megapixels
inline constexpr auto kSmallPhoto = "foto-1mp.jpg";
inline constexpr auto kLargePhoto = "foto-12mp.jpg";
inline constexpr auto kSmallGraphic = "grafic-1mp.jpg";
inline constexpr auto kLargeGraphic = "grafic-12mp.jpg";

// Takes "--bank=FOLDER" out of the command line (the rest is left for the
// benchmark library) and returns FOLDER/subfolder, or "" without it.
QString takeBankArgument(int &argc, char *argv[], const QString &subfolder);

QString courseName(int course);   // "Curs 01"
QString subjectName(int subject); // "Assignatura 01"
QString optionName(int option);   // "Opció A"

// Fills `root` as a program folder: the demo's language files, feedback
// pictures and sounds, the generated bank, pictures and texts. Returns the
// number of question files written.
qint64 makeProgramFolder(const QString &root, const BankShape &shape);

// Writes questions 1..count into `folder` (created when missing).
void writeQuestions(const QString &folder, int count);

// The raw bytes of question n, as the editor writes them.
QByteArray questionBytes(int questionNumber);

// Shows a window and returns once it is exposed and painted.
void showAndPaint(QWidget *window);

// Delivers every pending event, deferred deletions included.
void settle();

} // namespace bench
