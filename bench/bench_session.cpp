// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole quiz session with the player's real windows and its real platform
// (sounds, files), so that its peak memory can be measured from outside. It
// starts as the player's main() does, from the folder it lies in: the start
// window takes a name, the selection window a course with every subject
// ticked, and every question of every test is then shown and answered, right
// answers mostly, until the report is written and the final window shown.
// Exits 0 only when the session came to its end. With --stages it prints the
// resident memory after each step, to see where it goes.

#include "bigbank.h"

#include "player/form1.h"
#include "player/form3.h"
#include "player/form4.h"
#include "player/form5.h"
#include "player/playerstate.h"

#include "bank/question.h"
#include "player/wavplayer.h"
#include "support/testsupport.h"
#include "ui/platform.h"
#include "ui/programstyle.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <cstdio>
#include <cstring>

namespace {

using testsupport::typeInto;

bool printStages = false;

// Current and peak resident memory of this process, in megabytes.
void stage(const char *what)
{
    if (!printStages)
        return;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    double rss = 0;
    double peak = 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            rss = line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
        else if (line.startsWith("VmHWM:"))
            peak = line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    std::printf("  %-40s RSS %6.1f MB  peak %6.1f MB\n", what, rss, peak);
}

// Answers the question on show as a pupil would; false when it cannot be
// answered (it could not be shown).
bool answer(player::Form3 *test)
{
    if (!test->Command2->isEnabled())
        return false;
    switch (test->shown.questionType) {
    case bank::QuestionType::MultipleChoice:
        if (player::Form5 *viewer = test->attachmentViewer())
            viewer->close();
        for (int i = 0; i < 8; ++i) {
            if (!test->Label3(i)->isHidden() && bank::isCorrectOption(test->Label3(i)->text()))
                QTest::mouseClick(test->Label3(i), Qt::LeftButton);
        }
        QTest::mouseClick(test->Command2, Qt::LeftButton);
        return true;
    case bank::QuestionType::WrittenAnswer:
    case bank::QuestionType::PictureAnswer:
        if (test->shown.expectedAnswer.isEmpty())
            QTest::mouseClick(test->Command2, Qt::LeftButton);
        else
            typeInto(test->shown.questionType == bank::QuestionType::WrittenAnswer ? test->RichTextBox1 : test->RichTextBox2, test->shown.expectedAnswer);
        return true;
    case bank::QuestionType::GraphicPoint:
        test->graphic->markAt(QPointF(test->shown.targetX, test->shown.targetY));
        QTest::mouseClick(test->Command2, Qt::LeftButton);
        return true;
    case bank::QuestionType::ReadingWord: {
        const QString text = test->Text2->toPlainText();
        QTextCursor cursor = test->Text2->textCursor();
        cursor.setPosition(static_cast<int>(std::max<qsizetype>(0, text.indexOf(test->shown.expectedAnswer)) + 1));
        test->Text2->setTextCursor(cursor);
        test->Text2->takeWordAtCaret();
        QTest::mouseClick(test->Command2, Qt::LeftButton);
        return true;
    }
    case bank::QuestionType::TrueFalse:
        QTest::mouseClick(test->Command5[test->shown.trueFalseAnswer ? 0 : 1], Qt::LeftButton);
        QTest::mouseClick(test->Command2, Qt::LeftButton);
        return true;
    default:
        return false;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    printStages = argc > 1 && std::strcmp(argv[argc - 1], "--stages") == 0;
    QApplication app(argc, argv);
    stage("application");
    QApplication::setApplicationName(QStringLiteral("BRENLOQ"));
    ui::useProgramStyle();
    player::installDesktopPlatform();
    player::state().programFolder = ui::platform().programFolder();

    auto *start = new player::Form1;
    start->setAttribute(Qt::WA_DeleteOnClose);
    bench::showAndPaint(start);
    stage("start window shown");
    typeInto(start->Text1, QStringLiteral("Anna"));
    QTest::mouseClick(start->Command1, Qt::LeftButton);
    player::Form2 *selection = start->form2();
    if (!selection)
        return 1;
    bench::showAndPaint(selection);
    stage("selection window shown");
    QTest::mouseClick(selection->Label1(0), Qt::LeftButton);
    bench::settle();
    stage("course chosen");
    for (int k = 0; k < selection->subjectCount; ++k) {
        QCheckBox *box = selection->Check1(k);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }
    QTest::mouseClick(selection->Command1, Qt::LeftButton);
    bench::settle();

    player::Form3 *test = player::Form3::open();
    if (!test)
        return 1;
    bench::showAndPaint(test);
    stage("test window shown");
    int answered = 0;
    int unanswerable = 0;
    for (int k = 0; k < test->testCount(); ++k) {
        QTest::mouseClick(test->Command1(k), Qt::LeftButton);
        QListWidget *list = test->List1(k);
        for (int row = 0; row < list->count(); ++row) {
            list->setCurrentRow(row);
            test->List1_Click(k);
            bench::settle();
            if (answer(test))
                ++answered;
            else
                ++unanswerable;
            bench::settle();
        }
        stage(qPrintable(QStringLiteral("test %1 answered").arg(k + 1)));
    }
    QTest::qWait(300); // the last sound and the final window
    stage("final window shown");
    const bool ended = test->sessionOver() && test->finalWindow() && test->finalWindow()->isVisible();
    std::printf("%d tests, %d questions answered, %d could not be shown; session %s\n", test->testCount(),
                answered, unanswerable, ended ? "ended" : "did not end");
    return ended ? 0 : 1;
}
