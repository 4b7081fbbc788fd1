// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays a session on a copy of the demo folder and photographs the quiz
// player's windows for docs/: the start and selection windows, the test
// window with a multiple-choice question, the attachment viewer, an answered
// question of each type, the final window and the transcript; and the
// component installer's window. Usage: screenshots DEMO_FOLDER DOCS_FOLDER

#include "installer/form1.h"
#include "player/form1.h"
#include "player/form2.h"
#include "player/form3.h"
#include "player/form5.h"
#include "player/playerstate.h"
#include "player/session.h"

#include "bank/languagefile.h"
#include "bank/numeric.h"
#include "bank/question.h"
#include "support/recordingplatform.h"
#include "support/testsupport.h"
#include "ui/programstyle.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString docs;

void shoot(const QString &name)
{
    QTest::qWait(400);
    QApplication::processEvents();
    QScreen *screen = QGuiApplication::primaryScreen();
    screen->grabWindow(0).save(docs + u'/' + name);
}

// A small window alone, without the screen around it.
void shootWindow(QWidget *window, const QString &name)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return;
    QTest::qWait(400);
    window->grab().save(docs + u'/' + name);
}

int typeOf(const QString &path)
{
    bank::LineReader file(path);
    QString first;
    file.readLine(first);
    return static_cast<int>(bank::numericValue(first));
}

// The row of test k holding the first question of `type` (optionally with
// an attachment), or -1.
int rowOfType(player::Form3 *w, int k, int type, bool attachment = false)
{
    for (int row = 0; row < w->List2[k].size(); ++row) {
        if (typeOf(w->List2[k][row]) != type)
            continue;
        bank::Question q;
        bank::readQuestionFile(w->List2[k][row], q);
        if (q.attachment.isEmpty() != attachment)
            return row;
    }
    return -1;
}

bool showType(player::Form3 *w, int type, bool attachment = false)
{
    for (int k = 0; k < w->testCount(); ++k) {
        const int row = rowOfType(w, k, type, attachment);
        if (row < 0)
            continue;
        w->Command1_Click(k);
        w->List1(k)->setCurrentRow(row);
        w->List1_Click(k);
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BRENLOQ"));
    ui::useProgramStyle();
    if (argc < 3)
        return 2;
    docs = QString::fromLocal8Bit(argv[2]);
    QTemporaryDir folder;
    testsupport::copyTree(QDir(QString::fromLocal8Bit(argv[1])).absolutePath(), folder.path());

    auto &platform = ui::installRecordingPlatform();
    platform.folder = folder.path();
    player::state().programFolder = folder.path();
    // The components are copied into a folder of the copy, not the machine's.
    platform.system = folder.path() + QStringLiteral("/system");
    QDir().mkpath(platform.system);

    {
        player::Form1 start;
        shootWindow(&start, QStringLiteral("start-window.png"));
    }
    {
        installer::Form1 installer;
        shootWindow(&installer, QStringLiteral("installer.png"));
    }

    player::Form2 selection;
    selection.show();
    selection.Label1_Click(1);
    for (int k = 0; k < selection.subjectCount; ++k) {
        const QString name = selection.Check1(k)->text();
        if (name.startsWith(QStringLiteral("Ciències Socials")) || name == u"Matemàtiques")
            QTest::mouseClick(selection.Check1(k), Qt::LeftButton, {}, QPoint(8, selection.Check1(k)->height() / 2));
    }
    shoot(QStringLiteral("selection.png"));

    for (int i = 0; i < 5; ++i)
        selection.Command3_Click(0);
    selection.selectedSubjectCount = 2;
    player::Form3 *test = player::startTest(&selection, QStringLiteral("Anna"), nullptr);
    if (!test)
        return 1;
    test->showMaximized();

    // A multiple-choice question with a picture attachment, and its viewer.
    showType(test, 1, true);
    test->raise();
    test->activateWindow();
    shoot(QStringLiteral("test-window.png"));
    if (test->attachmentViewer()) {
        test->Command4_Click();
        shoot(QStringLiteral("viewer.png"));
        test->attachmentViewer()->close();
    }

    // One answered question of each type, right and wrong mixed.
    test->activateWindow();
    if (showType(test, 1)) {
        for (int i = 0; i < 8; ++i) {
            if (bank::isCorrectOption(test->Label3(i)->text()) && !test->Label3(i)->isHidden())
                test->Label3_Click(i);
        }
        test->Command2_Click();
        shoot(QStringLiteral("answered-1-multiple-choice.png"));
    }
    if (showType(test, 2)) {
        QTest::keyClicks(test->RichTextBox1, QStringLiteral("x"));
        test->Command2_Click();
        shoot(QStringLiteral("answered-2-written.png"));
    }
    if (showType(test, 3)) {
        QString typed = test->shown.expectedAnswer;
        if (typed.size() > 2)
            typed.insert(1, u'q');
        QTest::keyClicks(test->RichTextBox2, typed);
        shoot(QStringLiteral("answered-3-picture.png"));
    }
    if (showType(test, 4)) {
        test->graphic->markAt(QPointF(5, 5));
        test->Command2_Click();
        shoot(QStringLiteral("answered-4-graphic.png"));
    }
    if (showType(test, 5)) {
        const QString text = test->Text2->toPlainText();
        const qsizetype at = text.indexOf(test->shown.expectedAnswer);
        QTextCursor cursor = test->Text2->textCursor();
        cursor.setPosition(static_cast<int>(at + 1));
        test->Text2->setTextCursor(cursor);
        test->Text2->takeWordAtCaret();
        test->Command2_Click();
        shoot(QStringLiteral("answered-5-reading.png"));
    }
    if (showType(test, 6)) {
        test->Command5_Click(0);
        shoot(QStringLiteral("true-false-chosen.png"));
        test->Command5_Click(test->shown.trueFalseAnswer ? 1 : 0);
        test->Command2_Click();
        shoot(QStringLiteral("answered-6-true-false.png"));
    }

    // A question of the first test on show, then the second test chosen.
    test->Command1_Click(0);
    for (int row = 0; row < test->List1(0)->count(); ++row) {
        if (bank::numericValue(test->List1(0)->item(row)->text()) > 0) {
            test->List1(0)->setCurrentRow(row);
            break;
        }
    }
    if (test->testCount() > 1) {
        test->Command1_Click(1);
        shoot(QStringLiteral("switched-test.png"));
    }

    // The results button: the final window, then the transcript beside it.
    test->Command6_Click(0);
    shoot(QStringLiteral("final-window.png"));
    test->Command7_Click(0);
    shoot(QStringLiteral("transcript.png"));
    return 0;
}
