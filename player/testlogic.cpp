// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testlogic.h"

#include "selection.h"

#include "bank/folders.h"
#include "bank/reportformat.h"
#include "bank/numeric.h"
#include "bank/readfile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QCoreApplication>

#include <cmath>

namespace player {

QList<int> drawDistinct(int count, int available, const RandomSource &random)
{
    QList<int> drawn;
    if (count > available)
        count = available;
    while (drawn.size() < count) {
        const int x = static_cast<int>(random() * available) + 1;
        if (x >= 1 && x <= available && !drawn.contains(x))
            drawn.append(x);
    }
    return drawn;
}

std::array<int, 8> drawOptionOrder(const RandomSource &random)
{
    std::array<int, 8> order{};
    const QList<int> drawn = drawDistinct(8, 8, random);
    for (int p = 0; p < 8; ++p)
        order[p] = drawn[p] - 1;
    return order;
}

QList<AssembledTest> assembleTests(const QList<SubjectChoice> &subjects, int questionsPerSubject,
                                   const QString &coursePath, const RandomSource &random,
                                   int maxTests)
{
    QList<AssembledTest> tests;
    for (const SubjectChoice &subject : subjects) {
        if (tests.size() >= maxTests)
            break;
        const int available = static_cast<int>(bank::numericValue(subject.available));
        if (!subject.chosen || available < kMinimumQuestionFiles)
            continue;
        AssembledTest test;
        test.subject = subject.name;
        const int count = available >= questionsPerSubject ? questionsPerSubject : available;
        const QString folder = questionFolder(coursePath, subject.name, subject.option);
        const QList<int> numbers = drawDistinct(count, available, random);
        for (int m = 0; m < numbers.size(); ++m) {
            test.paths.append(folder + u'/' + QString::number(numbers[m]) + QStringLiteral(".txt"));
            test.labels.append(QString::number(m + 1) + QStringLiteral(". ") + subject.name);
        }
        tests.append(test);
    }
    return tests;
}

TestWindowTexts readTestWindowTexts(bank::LineReader &file, bank::LineBuffer &buffer)
{
    TestWindowTexts texts;
    for (QString *text : {&texts.creditsTitle, &texts.creditsSubtitle, &texts.creditsFooter, &texts.readingCaption,
                          &texts.writtenCaption, &texts.pictureCaption, &texts.confirm, &texts.authorPrefix,
                          &texts.right, &texts.wrong, &texts.subjectPrompt, &texts.trueWord, &texts.falseWord}) {
        file.readLine(buffer);
        *text = buffer.text;
    }
    return texts;
}

QString wrongMultipleChoiceEntry(const QString &wrongText, int chosenOption)
{
    return wrongText + QString(chosenOption + 1, u' ');
}

QString markTextOnScale(int right, int questions, qint64 scaleHundredths)
{
    if (questions <= 0)
        return QStringLiteral(" 0,00");
    // Whole hundredths from the counts: in binary floating point 23 * 10 / 25
    // * 100 lands just under 920 and the truncation lost a hundredth.
    const qint64 m = qint64(right) * scaleHundredths / questions;
    return u' ' + QString::number(m / 100) + u',' + QStringLiteral("%1").arg(m % 100, 2, 10, QChar(u'0'));
}

namespace {
// The scale's hundredths, or -1 when the line gives none from 0,01 to 32767.
qint64 parseMarkScale(const QString &line)
{
    // "6,5" and "6.5" alike: a teacher writes the decimal comma. Digits past
    // the hundredths are dropped; text after the number is ignored.
    static const QRegularExpression number(QStringLiteral("^[ \\t]*\\+?(\\d+)(?:[.,](\\d*))?"));
    const QRegularExpressionMatch match = number.match(line);
    if (!match.hasMatch() || match.capturedLength(1) > 6)
        return -1;
    const qint64 hundredths = match.captured(1).toLongLong() * 100 + (match.captured(2) + QStringLiteral("00")).left(2).toInt();
    return hundredths > 0 && hundredths <= 3276700 ? hundredths : -1;
}
} // namespace

int markScaleHundredths(const QString &line)
{
    const qint64 hundredths = parseMarkScale(line);
    return hundredths > 0 ? static_cast<int>(hundredths) : 1000;
}

QString markScaleText(int hundredths)
{
    return hundredths % 100 == 0 ? QString::number(hundredths / 100)
                                 : markTextOnScale(1, 1, hundredths).mid(1);
}

bool isUsableMarkScale(const QString &line)
{
    return parseMarkScale(line) > 0;
}

QString tooFewQuestionsText(const QStringList &subjects)
{
    QStringList quoted;
    for (const QString &subject : subjects)
        quoted.append(u'«' + subject + u'»');
    return QCoreApplication::translate("player", "Les matèries triades tenen menys de %1 preguntes i no es poden fer: %2.")
        .arg(QString::number(kMinimumQuestionFiles), quoted.join(QStringLiteral(", ")));
}

bool isFailingMark(const QString &markText, int scaleHundredths)
{
    // The comma is the mark's decimal point: on a scale of 15, 7,80 passes.
    QString value = markText;
    value.replace(u',', u'.');
    // In whole hundredths, doubled, so that half of 6,55 is exact.
    return 2 * std::round(bank::numericValue(value) * 100) < scaleHundredths;
}

int timeLimitMinutes(bool boxVisible, const QString &boxText)
{
    if (!boxVisible)
        return 0;
    const double minutes = bank::numericValue(boxText);
    if (minutes > 0 && minutes < 480)
        return static_cast<int>(minutes);
    return 0;
}

QString timeLimitCaption(int minutes)
{
    return QStringLiteral("%1 H : %2 m").arg(minutes / 60).arg(minutes % 60);
}

QString countdownText(int seconds)
{
    return QStringLiteral("%1 : %2 : %3").arg(seconds / 3600).arg((seconds % 3600) / 60).arg(seconds % 60);
}

bool isRightWord(const QString &chosen, const QString &expected)
{
    if (chosen.isEmpty())
        return false;
    const QString w = chosen.toUpper();
    const QString a = expected.toUpper();
    // Either way round, so a stray comma still matches, but never a word
    // much shorter than the expected one ("i" inside "petit").
    return (w.contains(a) || a.contains(w)) && std::abs(a.size() - w.size()) < 2;
}

void TypedAnswer::start(const QString &expectedAnswer)
{
    answer = expectedAnswer;
    answerPosition = 1;
    correctedLetterCount = 0;
    letterCorrectionPending = false;
}

TypedAnswer::Step TypedAnswer::type(QChar typed)
{
    Step step;
    step.offset = answerPosition - 1;
    if (answerPosition > answer.size()) {
        // An empty expected answer can never be typed, only given up.
        letterCorrectionPending = true;
        return step;
    }
    if (typed.toUpper() != answer[answerPosition - 1].toUpper()) {
        letterCorrectionPending = true;
        return step;
    }
    step.matched = true;
    if (letterCorrectionPending) {
        step.corrected = true;
        ++correctedLetterCount;
        letterCorrectionPending = false;
    }
    if (answerPosition == answer.size())
        step.complete = true;
    else
        ++answerPosition;
    return step;
}

QString resultLine(const TestResult &r, const QString &rightLabel, const QString &wrongLabel,
                   const QString &blankLabel)
{
    return bank::summaryLine({r.subject, r.mark, r.right, r.wrong, r.questions - r.right - r.wrong}, rightLabel,
                             wrongLabel, blankLabel);
}

QString singleLine(const QString &name)
{
    QString line = name;
    for (QChar &c : line) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            c = u' ';
    }
    return line;
}


TestWindowFiles readTestWindowFiles(const QString &programFolder)
{
    TestWindowFiles files;
    bank::LineBuffer buffer;
    bank::LineReader help = bank::openLanguageFile(programFolder, QStringLiteral("ayuda.txt"));
    for (QString &text : files.typeHelpTexts) {
        help.readLine(buffer);
        text = buffer.text;
    }
    bank::LineReader texts = bank::openLanguageFile(programFolder, QStringLiteral("Principal.txt"));
    files.texts = readTestWindowTexts(texts, buffer);
    files.markScaleHundredths = readMarkScale(programFolder);

    bank::LineReader final = bank::openLanguageFile(programFolder, QStringLiteral("Final.txt"));
    QString heading; // the final window's, read when it opens
    final.readLine(heading);
    for (QString *text : {&files.rightLabel, &files.wrongLabel, &files.blankLabel, &files.quitQuestion})
        final.readLine(*text);
    return files;
}

int readMarkScale(const QString &programFolder)
{
    bank::LineReader reader = bank::openProgramFile(programFolder, QStringLiteral("tope.txt"));
    QString line;
    reader.readLine(line);
    return markScaleHundredths(line);
}

QString fittedReportFileName(QString name, const QDateTime &when)
{
    constexpr int kNameMax = 255;
    const QString room = QStringLiteral(" (999)");
    QString fileName = reportFileName(name, when);
    while (!name.isEmpty() && QFile::encodeName(fileName + room).size() > kNameMax) {
        name.chop(name.back().isLowSurrogate() && name.size() > 1 ? 2 : 1);
        fileName = reportFileName(name, when);
    }
    return fileName;
}

QString timeUpText()
{
    return QCoreApplication::translate("player", "S'ha acabat el temps");
}

} // namespace player
