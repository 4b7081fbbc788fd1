// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A quiz session in a throw-away copy of the demo program folder, with the
// recording platform pointing at it, and the selection and test windows
// opened on it in one of two ways: on a course "Proves" whose questions each
// test writes itself, or on the demo bank's own courses, chosen and started
// as a pupil does. Then answering as a pupil does, and reading the reports
// back.

#include "player/form2.h"
#include "player/form3.h"
#include "player/form4.h"
#include "player/playerstate.h"
#include "player/session.h"

#include "bank/pendingreports.h"
#include "bank/textcodec.h"
#include "support/testsupport.h"
#include "support/recordingplatform.h"

#include <QDir>
#include <QListWidget>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

namespace testsupport {

// Random values that make a draw of `n` numbers come out 1, 2, ..., n.
inline QList<double> drawInOrder(int n)
{
    QList<double> values;
    for (int i = 0; i < n; ++i)
        values.append((i + 0.5) / n);
    return values;
}

// Random values that make the option order come out as `order`.
inline QList<double> optionOrderValues(const QList<int> &order)
{
    QList<double> values;
    for (int r : order)
        values.append((r + 0.5) / 8);
    return values;
}

inline const QString kCR = QStringLiteral("\r");

// The lines of a question file (CR LF ends each one).
inline QStringList questionLines(const QString &path)
{
    QStringList lines = bank::decodeWindows1252(testsupport::readBytes(path)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The text of an RTF document as a reader sees it: \par ends a paragraph,
// each paragraph one line. A \line is kept as U+2028 so that a line break
// written as anything but a paragraph break shows up in a comparison.
inline QStringList rtfParagraphs(const QByteArray &rtf)
{
    QString text;
    QList<bool> skipped{false};
    bool pendingDestination = false;
    int skipAfterUnicode = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf.at(i);
        const bool skipping = skipped.last();
        if (c == '{') {
            skipped.append(skipping);
            pendingDestination = true;
            continue;
        }
        if (c == '}') {
            if (skipped.size() > 1)
                skipped.removeLast();
            pendingDestination = false;
            continue;
        }
        if (c == '\r' || c == '\n')
            continue;
        if (c != '\\') {
            pendingDestination = false;
            if (skipAfterUnicode > 0) {
                --skipAfterUnicode;
                continue;
            }
            if (!skipping)
                text += QChar::fromLatin1(c);
            continue;
        }
        // A control symbol or word.
        const char next = i + 1 < rtf.size() ? rtf.at(i + 1) : '\0';
        if (next == '\\' || next == '{' || next == '}') {
            if (!skipping)
                text += QChar::fromLatin1(next);
            ++i;
            pendingDestination = false;
            continue;
        }
        if (next == '\'') {
            const QByteArray hex = rtf.mid(i + 2, 2);
            if (!skipping)
                text += bank::decodeWindows1252(QByteArray(1, char(hex.toInt(nullptr, 16))));
            i += 3;
            pendingDestination = false;
            continue;
        }
        if (next == '*') {
            skipped.last() = true;
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf.at(j))))
            ++j;
        const QByteArray word = rtf.mid(i + 1, j - i - 1);
        qsizetype k = j;
        if (k < rtf.size() && (rtf.at(k) == '-' || std::isdigit(static_cast<unsigned char>(rtf.at(k)))))
            ++k;
        while (k < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf.at(k))))
            ++k;
        const QByteArray parameter = rtf.mid(j, k - j);
        if (k < rtf.size() && rtf.at(k) == ' ')
            ++k;
        i = k - 1;
        if (pendingDestination && (word == "fonttbl" || word == "colortbl" || word == "stylesheet" || word == "info"))
            skipped.last() = true;
        pendingDestination = false;
        if (skipped.last())
            continue;
        if (word == "par")
            text += u'\n';
        else if (word == "line")
            text += QChar(0x2028);
        else if (word == "tab")
            text += u'\t';
        else if (word == "u") {
            text += QChar(static_cast<char16_t>(static_cast<qint16>(parameter.toInt())));
            skipAfterUnicode = 1;
        }
    }
    return text.split(u'\n');
}

class Session
{
public:
    Session()
    {
        // A report the reports folder does not take is kept in the user's
        // data folder: a throw-away one here.
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
        player::resetState();
        platform = &ui::installRecordingPlatform();
        platform->folder = folder.path();
        player::state().programFolder = folder.path();
    }
    ~Session()
    {
        delete test.data();
    }

    // ---- a course "Proves" written by the test

    // Writes question `n` of a subject (and option) of the course "Proves".
    void question(const QString &subject, int n, const QStringList &lines)
    {
        folder.writeLines(QStringLiteral("Preguntas/Proves/%1/%2.txt").arg(subject).arg(n), lines);
    }

    // Opens the selection window on "Proves", ticks `subjects`, and starts.
    player::Form3 *open(const QStringList &subjects, int questionsPerSubject, const QList<double> &random,
                        const QString &pupil = QStringLiteral("Anna"))
    {
        platform->randomValues = random;
        selection = std::make_unique<player::Form2>();
        int course = -1;
        for (int i = 0; i < selection->courseCount(); ++i) {
            if (selection->Label1(i)->text() == u"Proves")
                course = i;
        }
        selection->Label1_Click(course);
        for (int k = 0; k < selection->subjectCount; ++k) {
            if (subjects.contains(selection->Check1(k)->text()))
                selection->Check1_Click(k);
        }
        selection->questionsPerSubject = questionsPerSubject;
        if (timeLimit.has_value()) {
            selection->Text1->setText(*timeLimit);
            selection->Text1->setVisible(true);
        }
        int chosen = 0;
        for (int k = 0; k < selection->Check1.count(); ++k)
            chosen += ui::isBold(selection->Check1(k)) ? 1 : 0;
        selection->selectedSubjectCount = chosen;
        test = player::startTest(selection.get(), pupil, nullptr);
        if (test)
            test->setAttribute(Qt::WA_DeleteOnClose, false);
        return test;
    }

    // Shows entry `row` of test `k`, as a click on the list does.
    void show(int k, int row)
    {
        test->Command1_Click(k);
        test->List1(k)->setCurrentRow(row);
        test->List1_Click(k);
    }

    // ---- the demo bank, as a pupil uses it

    // Opens the selection window on course `course` of the demo bank, ticks
    // `subjects` and presses start. With a time limit the time box is shown
    // and filled.
    void choose(const QStringList &subjects, int questionsPerSubject, const QString &course = QStringLiteral("1r ESO"))
    {
        selection = std::make_unique<player::Form2>();
        selection->show();
        for (int c = 0; c < selection->courseCount(); ++c) {
            if (selection->Label1(c)->text() == course)
                selection->Label1_Click(c);
        }
        for (const QString &subject : subjects) {
            const int row = rowOf(subject);
            QVERIFY2(row >= 0, qPrintable(subject));
            selection->Check1_Click(row);
        }
        selection->questionsPerSubject = questionsPerSubject;
        if (timeLimit.has_value()) {
            selection->Command4_Click();
            selection->Text1->setText(*timeLimit);
        }
        selection->Command1_Click();
    }

    int rowOf(const QString &subject) const
    {
        for (int i = 0; i < selection->subjectCount; ++i) {
            if (selection->Check1(i)->text() == subject)
                return i;
        }
        return -1;
    }

    // The random sequence that draws `files` (question numbers, one list per
    // chosen subject, in the selection window's order) and then leaves the
    // option order as written in the question files.
    void drawQuestions(const QStringList &subjects, const QList<QList<int>> &files)
    {
        QList<double> values;
        QList<int> rows;
        for (const QString &subject : subjects)
            rows.append(rowOf(subject));
        QList<int> order = rows;
        std::sort(order.begin(), order.end());
        for (int row : order) {
            const int available = selection->Label4(row)->text().toInt();
            for (int number : files[rows.indexOf(row)])
                values.append((number - 0.5) / available);
        }
        for (int i = 0; i < 8; ++i)
            values.append((i + 0.5) / 8);
        platform->randomValues = values;
    }

    player::Form3 *start(const QString &pupil)
    {
        test = player::startTest(selection.get(), pupil, nullptr);
        if (test) {
            // Ticks are driven by the tests; the real timer must not add any.
            if (test->Timer1->isActive())
                test->Timer1->start(24 * 3600 * 1000);
        }
        return test;
    }

    // The whole preparation on the demo bank: choose, draw the given files,
    // start.
    player::Form3 *openDemo(const QStringList &subjects, const QList<QList<int>> &files, const QString &pupil)
    {
        choose(subjects, static_cast<int>(files.first().size()));
        drawQuestions(subjects, files);
        return start(pupil);
    }

    // ---- the reports

    QString reports() const { return folder.file(QStringLiteral("Controles-Usuarios")); }
    QString latest() const { return folder.file(QStringLiteral("ultimo.rtf")); }
    QStringList reportFiles() const
    {
        // Hidden files too, so that a temporary file left behind shows up.
        QStringList files = QDir(reports()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
        files.removeAll(QStringLiteral(".gitkeep"));
        return files;
    }

    QStringList pendingFiles() const
    {
        return QDir(bank::pendingReportsFolder()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir dataHome;
    ProgramFolder folder;
    ui::RecordingPlatform *platform = nullptr;
    std::unique_ptr<player::Form2> selection;
    QPointer<player::Form3> test;
    // Set before opening: the time limit typed into the selection window.
    std::optional<QString> timeLimit;
};

// Waits until the report being saved has been kept (or given up) and the
// window has said so.
inline bool waitForReport(player::Form3 *w)
{
    return QTest::qWaitFor([w] { return !w->savingReport(); }, 60000);
}

inline void clickRow(player::Form3 *w, int k, int row)
{
    QListWidget *list = w->List1(k);
    QListWidgetItem *item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

inline QStringList fileOf(player::Form3 *w, int k, int row)
{
    return questionLines(w->List2[k][row]);
}

// Clicks the option the question marks correct (or the first one it does
// not) and confirms. Returns the option text as the transcript gives it.
inline QString answerMultipleChoice(player::Form3 *w, bool right)
{
    for (int i = 0; i < 8; ++i) {
        ui::ClickLabel *option = w->Label3(i);
        if (option->isHidden() || option->text().isEmpty())
            continue;
        if (option->text().endsWith(u' ') == right) {
            const QString given = option->text().mid(3);
            QTest::mouseClick(option, Qt::LeftButton);
            QTest::mouseClick(w->Command2, Qt::LeftButton);
            return given;
        }
    }
    return QString();
}

inline void answerTrueFalse(player::Form3 *w, bool choice)
{
    QTest::mouseClick(w->Command5[choice ? player::TrueFalseButton::SaysTrue : player::TrueFalseButton::SaysFalse], Qt::LeftButton);
    QTest::mouseClick(w->Command2, Qt::LeftButton);
}

inline void giveUp(player::Form3 *w)
{
    // A graphic is judged only once marked: a corner, away from any target.
    if (bank::typeCode(w->shown.questionType) == 4 && !w->shown.graphicMarked)
        QTest::mouseClick(w->Picture2, Qt::LeftButton, {}, QPoint(0, 0));
    // A reading question is judged only once a word is chosen: none of the text.
    if (bank::typeCode(w->shown.questionType) == 5 && w->Label11->text().isEmpty())
        w->Label11->setText(QStringLiteral("-"));
    QTest::mouseClick(w->Command2, Qt::LeftButton);
}

} // namespace testsupport
