// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sessionfixture.h"

#include "player/form5.h"
#include "player/testlogic.h"

#include <QApplication>
#include <QScreen>

using player::Form3;
using player::Form4;
using testsupport::Session;
using testsupport::kCR;

namespace {

const QString kMates = QStringLiteral("Matemàtiques");
const QString kCatalana = QStringLiteral("Llengua Catalana");
const QString kCiencies = QStringLiteral("Ciències de la Natura");
const QString kEstrangera = QStringLiteral("Llengua Estrangera");

const QColor kLightYellow = ui::bgr(0xC0FFFF);
const QColor kLightGreen = ui::bgr(0xC0FFC0);
const QColor kFailRed(255, 0, 0);
const QColor kPassBlue(0, 0, 255);

} // namespace

class TstSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // ---- the clock

    void clockStart_data()
    {
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("firstTick");
        QTest::addColumn<QString>("secondTick");
        QTest::newRow("90 minutes: hours and minutes") << "90" << "1 H : 30 m" << 5400 << "1 : 30 : 0" << "1 : 29 : 59";
        QTest::newRow("45 minutes: no hours") << "45" << "0 H : 45 m" << 2700 << "0 : 45 : 0" << "0 : 44 : 59";
        QTest::newRow("479 minutes: the longest accepted") << "479" << "7 H : 59 m" << 28740 << "7 : 59 : 0" << "7 : 58 : 59";
        QTest::newRow("1 minute: the shortest") << "1" << "0 H : 1 m" << 60 << "0 : 1 : 0" << "0 : 0 : 59";
        QTest::newRow("leading number before letters") << "12 min" << "0 H : 12 m" << 720 << "0 : 12 : 0" << "0 : 11 : 59";
    }
    void clockStart()
    {
        QFETCH(QString, limit);
        QFETCH(QString, caption);
        QFETCH(int, seconds);
        QFETCH(QString, firstTick);
        QFETCH(QString, secondTick);
        Session s;
        s.timeLimit = limit;
        Form3 *w = s.openDemo({kMates}, {{1, 2, 3}}, QStringLiteral("Anna"));
        QVERIFY(w);
        QVERIFY(w->Timer1->isActive());
        QVERIFY(w->Label17[player::ClockLabel::Allowed]->isVisible());
        QVERIFY(w->Label17[player::ClockLabel::Countdown]->isVisible());
        QCOMPARE(w->Label17[player::ClockLabel::Allowed]->text(), caption);
        QCOMPARE(w->session().remainingSeconds, seconds);
        w->Timer1_Timer();
        QCOMPARE(w->Label17[player::ClockLabel::Countdown]->text(), firstTick);
        w->Timer1_Timer();
        QCOMPARE(w->Label17[player::ClockLabel::Countdown]->text(), secondTick);
        QCOMPARE(w->session().remainingSeconds, seconds - 2);
        QVERIFY(s.reportFiles().isEmpty());
    }

    void noClock_data()
    {
        QTest::addColumn<QString>("limit");
        QTest::addColumn<bool>("boxShown");
        QTest::newRow("zero minutes") << "0" << true;
        QTest::newRow("negative limit") << "-5" << true;
        QTest::newRow("not a number") << "abc" << true;
        QTest::newRow("480 minutes: eight hours is too long") << "480" << true;
        QTest::newRow("far too long") << "100000" << true;
        QTest::newRow("empty box") << "" << true;
        QTest::newRow("time box not shown") << "90" << false;
    }
    void noClock()
    {
        QFETCH(QString, limit);
        QFETCH(bool, boxShown);
        Session s;
        s.choose({kMates}, 3);
        if (boxShown)
            s.selection->Command4_Click();
        QCOMPARE(s.selection->Text1->isVisible(), boxShown);
        s.selection->Text1->setText(limit);
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        QVERIFY(!w->Timer1->isActive());
        QVERIFY(w->Label17[player::ClockLabel::Allowed]->isHidden());
        QVERIFY(w->Label17[player::ClockLabel::Countdown]->isHidden());
    }

    void countdownHasNoLeadingZeros()
    {
        const QString limit = QStringLiteral("90");
        Session s;
        s.timeLimit = limit;
        Form3 *w = s.openDemo({kMates}, {{1, 2, 3}}, QStringLiteral("Anna"));
        QVERIFY(w);
        w->session().remainingSeconds = 3725;
        w->Timer1_Timer();
        QCOMPARE(w->Label17[player::ClockLabel::Countdown]->text(), QStringLiteral("1 : 2 : 5"));
        QCOMPARE(w->session().remainingSeconds, 3724);
    }

    void countdownText_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing left") << 0 << "0 : 0 : 0";
        QTest::newRow("seconds only") << 59 << "0 : 0 : 59";
        QTest::newRow("a whole minute") << 60 << "0 : 1 : 0";
        QTest::newRow("a whole hour") << 3600 << "1 : 0 : 0";
        QTest::newRow("single digits unpadded") << 3725 << "1 : 2 : 5";
        QTest::newRow("the longest limit") << 28740 << "7 : 59 : 0";
    }
    void countdownText()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(player::countdownText(seconds), text);
    }

    // A limit of L minutes lasts L * 60 + 1 ticks; only the last one ends it.
    void timeRunsOutBeforeTheTestsAreFinished()
    {
        const QString limit = QStringLiteral("1");
        Session s;
        s.timeLimit = limit;
        Form3 *w = s.openDemo({kCatalana, kMates}, {{3, 4}, {2, 3}}, QStringLiteral("Pau"));
        QVERIFY(w);
        // One question of Matemàtiques given up; Llengua Catalana untouched.
        QTest::mouseClick(w->Command1(1), Qt::LeftButton);
        testsupport::clickRow(w, 1, 0);
        QCOMPARE(bank::typeCode(w->shown.questionType), 2);
        testsupport::giveUp(w);

        for (int i = 0; i < 60; ++i)
            w->Timer1_Timer();
        QCOMPARE(w->Label17[player::ClockLabel::Countdown]->text(), QStringLiteral("0 : 0 : 1"));
        QVERIFY(s.reportFiles().isEmpty());
        QVERIFY(!w->finalWindow());
        QVERIFY(w->Timer1->isActive());

        w->Timer1_Timer();
        QCOMPARE(w->Label17[player::ClockLabel::Countdown]->text(), QStringLiteral("0 : 0 : 0"));
        QVERIFY(!w->Timer1->isActive());
        QVERIFY(testsupport::waitForReport(w));
        QCOMPARE(s.reportFiles(), QStringList{QStringLiteral("Pau --5M,10H --9-3-2026.rtf")});
        QVERIFY(w->finalWindow());
        QVERIFY(w->finalWindow()->isVisible());
        QVERIFY(w->Command6[player::TopButton::Results]->isEnabled());

        const QString summary = kCR + kCR + kCR
            + QStringLiteral("LLENGUA CATALANA -  - ( ENCERTS : 0; ERRORS : 0; EN BLANC : 2 )") + kCR
            + QStringLiteral("MATEMÀTIQUES -  0,00 - ( ENCERTS : 0; ERRORS : 1; EN BLANC : 1 )");
        QVERIFY(w->RichTextBox3->text().endsWith(summary));
        QCOMPARE(w->RichTextBox3->text().count(QStringLiteral("EN BLANC")), 2);

        Form4 *f = w->finalWindow();
        QCOMPARE(f->Label2(0)->text(), QStringLiteral("Llengua Catalana -  - ( Encerts : 0; Errors : 0; En blanc : 2 )"));
        QCOMPARE(ui::foreColor(f->Label2(0)), kFailRed);
        QCOMPARE(ui::foreColor(f->Label2(1)), kFailRed);

        // The clock is off now: answering on does not bring a second report
        // from the clock.
        QCOMPARE(s.platform->messages.size(), 0);
    }

    // The clock stops when the last test is finished, so it can never write
    // the report a second time.
    void finishedSessionStopsTheClock()
    {
        const QString limit = QStringLiteral("5");
        Session s;
        s.timeLimit = limit;
        Form3 *w = s.openDemo({kMates}, {{2, 3}}, QStringLiteral("Pau"));
        QVERIFY(w);
        w->Timer1_Timer();
        QTest::mouseClick(w->Command1(0), Qt::LeftButton);
        for (int row = 0; row < 2; ++row) {
            testsupport::clickRow(w, 0, row);
            testsupport::giveUp(w);
        }
        QVERIFY(w->sessionOver());
        QVERIFY(!w->Timer1->isActive());
        QVERIFY(testsupport::waitForReport(w));
        QCOMPARE(s.reportFiles().size(), 1);
        QCOMPARE(w->RichTextBox3->text().count(QStringLiteral("EN BLANC")), 1);
        QCOMPARE(w->Label17[player::ClockLabel::Countdown]->text(), QStringLiteral("0 : 5 : 0"));
    }

    // ---- moving between tests

    void chooseTest()
    {
        Session s;
        Form3 *w = s.openDemo({kCatalana, kMates}, {{2, 4, 1}, {1, 4, 2}}, QStringLiteral("Anna"));
        QVERIFY(w);
        QCOMPARE(w->testCount(), 2);

        QTest::mouseClick(w->Command1(1), Qt::LeftButton);
        QCOMPARE(w->currentTestIndex, 1);
        QVERIFY(!ui::isBold(w->Command1(0)));
        QCOMPARE(ui::backColor(w->Command1(0)), kLightYellow);
        QVERIFY(ui::isBold(w->Command1(1)));
        QCOMPARE(ui::backColor(w->Command1(1)), kLightGreen);
        QVERIFY(w->List1(0)->isHidden());
        QVERIFY(w->List1(1)->isVisible());
        QCOMPARE(w->Command3[player::Counter::Wrong]->text(), QStringLiteral(" 0"));
        QCOMPARE(w->Command3[player::Counter::Questions]->text(), QStringLiteral(" 3"));
        QCOMPARE(w->Command3[player::Counter::Right]->text(), QStringLiteral(" 0"));
        QCOMPARE(w->Label4->text(), QStringLiteral("Tria una pregunta de la llista"));
        QVERIFY(w->Command2->isVisible());

        // One right, one wrong in Matemàtiques.
        testsupport::clickRow(w, 1, 0);
        QCOMPARE(bank::typeCode(w->shown.questionType), 1);
        testsupport::answerMultipleChoice(w, true);
        testsupport::clickRow(w, 1, 1);
        QCOMPARE(bank::typeCode(w->shown.questionType), 6);
        testsupport::answerTrueFalse(w, false);

        QTest::mouseClick(w->Command1(0), Qt::LeftButton);
        QCOMPARE(w->currentTestIndex, 0);
        QVERIFY(!ui::isBold(w->Command1(1)));
        QCOMPARE(ui::backColor(w->Command1(1)), kLightYellow);
        QVERIFY(ui::isBold(w->Command1(0)));
        QCOMPARE(ui::backColor(w->Command1(0)), kLightGreen);
        QVERIFY(w->List1(0)->isVisible());
        QVERIFY(w->List1(1)->isHidden());
        QCOMPARE(w->Command3[player::Counter::Wrong]->text(), QStringLiteral(" 0"));
        QCOMPARE(w->Command3[player::Counter::Right]->text(), QStringLiteral(" 0"));

        QTest::mouseClick(w->Command1(1), Qt::LeftButton);
        QCOMPARE(w->Command3[player::Counter::Wrong]->text(), QStringLiteral(" 1"));
        QCOMPARE(w->Command3[player::Counter::Questions]->text(), QStringLiteral(" 3"));
        QCOMPARE(w->Command3[player::Counter::Right]->text(), QStringLiteral(" 1"));

        // The current test's button clicked again stays chosen.
        QTest::mouseClick(w->Command1(1), Qt::LeftButton);
        QVERIFY(ui::isBold(w->Command1(1)));
        QCOMPARE(ui::backColor(w->Command1(1)), kLightGreen);
        QVERIFY(w->List1(1)->isVisible());
    }

    void attachmentButtonShowsTheViewer()
    {
        Session s;
        Form3 *w = s.openDemo({kCatalana}, {{2, 4, 1}}, QStringLiteral("Anna"));
        QVERIFY(w);
        QTest::mouseClick(w->Command1(0), Qt::LeftButton);
        testsupport::clickRow(w, 0, 0); // names the text poema.txt
        QVERIFY(w->Command4->isVisible());
        QPointer<player::Form5> viewer = w->attachmentViewer();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        viewer->close();
        QTRY_VERIFY(!viewer || viewer->isHidden());

        QTest::mouseClick(w->Command4, Qt::LeftButton);
        QVERIFY(w->attachmentViewer());
        QVERIFY(w->attachmentViewer()->isVisible());
        QVERIFY(w->attachmentViewer()->Text1->toPlainText().size() > 0);
    }

    void creditsPanel()
    {
        Session s;
        Form3 *w = s.openDemo({kMates}, {{1, 4, 2}}, QStringLiteral("Anna"));
        QVERIFY(w);
        QTest::mouseClick(w->Command1(0), Qt::LeftButton);
        testsupport::clickRow(w, 0, 0);
        QVERIFY(w->Frame1[bank::QuestionType::MultipleChoice]->isVisible());
        QVERIFY(w->Frame1[bank::QuestionType::None]->isHidden());
        QTest::mouseClick(w->Command6[player::TopButton::Credits], Qt::LeftButton);
        QVERIFY(w->Frame1[bank::QuestionType::MultipleChoice]->isHidden());
        QVERIFY(w->Frame1[bank::QuestionType::None]->isVisible());
        QCOMPARE(w->Command6[player::TopButton::Credits]->text(), QStringLiteral("©"));
    }

    void quitAnsweredNoChangesNothing()
    {
        const QString limit = QStringLiteral("30");
        Session s;
        s.timeLimit = limit;
        Form3 *w = s.openDemo({kMates}, {{1, 4, 2}}, QStringLiteral("Anna"));
        QVERIFY(w);
        QTest::mouseClick(w->Command1(0), Qt::LeftButton);
        testsupport::clickRow(w, 0, 0);
        s.platform->answers.enqueue(ui::MessageAnswer::No);
        QTest::mouseClick(w->Command6[player::TopButton::Quit], Qt::LeftButton);
        QCOMPARE(s.platform->messages.size(), 1);
        QCOMPARE(s.platform->messages[0].text, QStringLiteral("Segur que vols sortir del programa?"));
        QCOMPARE(s.platform->messages[0].title, QStringLiteral("Brenloq"));
        QVERIFY(s.platform->messages[0].buttons == ui::MessageButtons::YesNo);
        QCOMPARE(s.platform->quitCalls, 0);
        QVERIFY(w->isVisible());
        QVERIFY(w->Frame1[bank::QuestionType::MultipleChoice]->isVisible());
        QVERIFY(w->Command2->isEnabled());
        QVERIFY(w->Timer1->isActive());
    }

    void quitAnsweredYesEndsWithoutReport()
    {
        const QString limit = QStringLiteral("30");
        Session s;
        s.timeLimit = limit;
        Form3 *w = s.openDemo({kMates}, {{2, 3}}, QStringLiteral("Anna"));
        QVERIFY(w);
        QTest::mouseClick(w->Command1(0), Qt::LeftButton);
        testsupport::clickRow(w, 0, 0);
        testsupport::giveUp(w);
        s.platform->answers.enqueue(ui::MessageAnswer::Yes);
        QTest::mouseClick(w->Command6[player::TopButton::Quit], Qt::LeftButton);
        QCOMPARE(s.platform->messages.size(), 1);
        QCOMPARE(s.platform->quitCalls, 1);
        QVERIFY(!w->Timer1->isActive());
        QVERIFY(s.reportFiles().isEmpty());
        QVERIFY(!QFileInfo::exists(s.latest()));
        QVERIFY(!w->finalWindow());
    }

    void otherCommand6IndexesDoNothing()
    {
        Session s;
        Form3 *w = s.openDemo({kMates}, {{2, 3}}, QStringLiteral("Anna"));
        QVERIFY(w);
        for (int index : {2, 3, 4, 5, 7, -1})
            w->Command6_Click(index);
        QVERIFY(s.platform->messages.isEmpty());
        QVERIFY(!w->finalWindow());
        QCOMPARE(s.platform->quitCalls, 0);
    }

    // The title bar's close asks what the quit button asks while the session
    // runs; once its report is written there is nothing left to lose.
    void closingTheTestWindow_data()
    {
        QTest::addColumn<QString>("until");   // how far the session went
        QTest::addColumn<int>("answer");      // to the quit question, -1 when none is asked
        QTest::addColumn<bool>("closed");
        QTest::newRow("running, answered no: the window stays") << "running" << int(ui::MessageAnswer::No) << false;
        QTest::newRow("running, answered yes: ends as quit does") << "running" << int(ui::MessageAnswer::Yes) << true;
        QTest::newRow("after the time ran out: no question") << "time up" << -1 << true;
        QTest::newRow("after the last test: no question") << "finished" << -1 << true;
    }
    void closingTheTestWindow()
    {
        QFETCH(QString, until);
        QFETCH(int, answer);
        QFETCH(bool, closed);
        Session s;
        s.timeLimit = QStringLiteral("1");
        Form3 *w = s.openDemo({kMates}, {{2, 3}}, QStringLiteral("Anna"));
        QVERIFY(w);
        QTest::mouseClick(w->Command1(0), Qt::LeftButton);
        testsupport::clickRow(w, 0, 0);
        testsupport::giveUp(w);
        if (until == u"time up") {
            for (int i = 0; i <= 60; ++i)
                w->Timer1_Timer();
        } else if (until == u"finished") {
            testsupport::clickRow(w, 0, 1);
            testsupport::giveUp(w);
        }
        QVERIFY(testsupport::waitForReport(w));
        const QStringList reports = s.reportFiles();
        const qsizetype messagesBefore = s.platform->messages.size();
        if (answer >= 0)
            s.platform->answers.enqueue(ui::MessageAnswer(answer));

        QCOMPARE(w->close(), closed);
        if (answer >= 0) {
            QCOMPARE(s.platform->messages.size(), messagesBefore + 1);
            QCOMPARE(s.platform->messages.last().text, QStringLiteral("Segur que vols sortir del programa?"));
            QCOMPARE(s.platform->messages.last().title, QStringLiteral("Brenloq"));
        } else {
            QCOMPARE(s.platform->messages.size(), messagesBefore);
        }
        QCOMPARE(s.platform->quitCalls, closed ? 1 : 0);
        QCOMPARE(w->Timer1->isActive(), !closed);
        // Closing writes no report of its own.
        QCOMPARE(s.reportFiles(), reports);
        if (!closed) {
            QVERIFY(w->isVisible());
            QCOMPARE(w->List1(0)->item(0)->text(), QStringLiteral("INCORRECTA"));
        }
    }

    // A one-minute session answered past its time: the report written at the
    // time-out is the session's only one, and the final window keeps its counts.
    void answersAfterTheTimeRanOutWriteNoSecondReport()
    {
        Session s;
        s.timeLimit = QStringLiteral("1");
        Form3 *w = s.openDemo({kMates}, {{2, 3}}, QStringLiteral("Pau"));
        QVERIFY(w);
        QTest::mouseClick(w->Command1(0), Qt::LeftButton);
        testsupport::clickRow(w, 0, 0);
        testsupport::giveUp(w);
        for (int i = 0; i <= 60; ++i)
            w->Timer1_Timer();
        QVERIFY(testsupport::waitForReport(w));
        QCOMPARE(s.reportFiles(), QStringList{QStringLiteral("Pau --5M,10H --9-3-2026.rtf")});
        const QByteArray report = testsupport::readBytes(s.reports() + QStringLiteral("/") + s.reportFiles().first());
        const QString line = QStringLiteral("Matemàtiques -  0,00 - ( Encerts : 0; Errors : 1; En blanc : 1 )");
        QCOMPARE(w->finalWindow()->Label2(0)->text(), line);
        // The time is up, said on the clock in the wrong-answer colour.
        QCOMPARE(w->Label17[player::ClockLabel::Countdown]->text(), QStringLiteral("0 : 0 : 0"));
        QCOMPARE(ui::foreColor(w->Label17[player::ClockLabel::Countdown]), ui::kRed);

        // Answering on is judged on screen, and the session ends there.
        testsupport::clickRow(w, 0, 1);
        testsupport::giveUp(w);
        QCOMPARE(w->List1(0)->item(1)->text(), QStringLiteral("INCORRECTA"));
        QVERIFY(w->sessionOver());
        QVERIFY(testsupport::waitForReport(w));
        QCOMPARE(s.reportFiles().size(), 1);
        QCOMPARE(testsupport::readBytes(s.reports() + QStringLiteral("/") + s.reportFiles().first()), report);
        QCOMPARE(w->RichTextBox3->text().count(QStringLiteral("EN BLANC")), 1);
        // Closed by the pupil and shown again: still the counts reported.
        QPointer<Form4> shown = w->finalWindow();
        shown->close();
        QTRY_VERIFY(!shown || !shown->isVisible());
        w->Command6_Click(player::TopButton::Results);
        QCOMPARE(w->finalWindow()->Label2(0)->text(), line);
        QCOMPARE(s.platform->quitCalls, 0);
    }

    // ---- a whole session through the windows

    void playWholeSession()
    {
        Session s;
        s.platform->clock = QDateTime(QDate(2026, 12, 6), QTime(9, 5, 31));
        Form3 *w = s.openDemo({kCatalana, kMates}, {{2, 4, 1, 3}, {1, 4, 2, 3}}, QStringLiteral("Anna"));
        QVERIFY(w);
        QCOMPARE(w->testCount(), 2);
        QCOMPARE(w->Command1(0)->text(), kCatalana);
        QCOMPARE(w->Command1(1)->text(), kMates);
        QVERIFY(w->List2[0][0].endsWith(QStringLiteral("/2.txt")));
        QVERIFY(w->List2[1][3].endsWith(QStringLiteral("/3.txt")));
        QVERIFY(!w->Command7[player::ReportButton::Report]->isEnabled());
        QVERIFY(!w->Command6[player::TopButton::Results]->isEnabled());

        QString expected = QStringLiteral("Anna");
        int n = 0;
        auto head = [&](const QString &statement) {
            expected += kCR + kCR + kCR + QString::number(++n) + QStringLiteral(".- ") + statement;
        };
        auto verdict = [&](const QString &given, bool right) {
            expected += kCR + kCR + QStringLiteral(" --- ") + given + QStringLiteral(" - ")
                + (right ? QStringLiteral("CORRECTA") : QStringLiteral("INCORRECTA"));
        };

        // Matemàtiques: everything right.
        QTest::mouseClick(w->Command1(1), Qt::LeftButton);
        testsupport::clickRow(w, 1, 0);
        QCOMPARE(bank::typeCode(w->shown.questionType), 1);
        QStringList file = testsupport::fileOf(w, 1, 0);
        head(file[2]);
        const QString option = testsupport::answerMultipleChoice(w, true);
        QCOMPARE(option, QStringLiteral("56 "));
        verdict(option, true);

        testsupport::clickRow(w, 1, 1);
        QCOMPARE(bank::typeCode(w->shown.questionType), 6);
        file = testsupport::fileOf(w, 1, 1);
        QCOMPARE(file[3], QStringLiteral("VERDADERO"));
        head(file[2]);
        testsupport::answerTrueFalse(w, true);
        verdict(QStringLiteral("VERTADER"), true);

        testsupport::clickRow(w, 1, 2);
        QCOMPARE(bank::typeCode(w->shown.questionType), 2);
        file = testsupport::fileOf(w, 1, 2);
        QTest::keyClicks(w->RichTextBox1, file[3]);
        head(file[2]);
        verdict(file[3], true);

        testsupport::clickRow(w, 1, 3);
        QCOMPARE(bank::typeCode(w->shown.questionType), 4);
        file = testsupport::fileOf(w, 1, 3);
        QTest::mouseClick(w->Picture2, Qt::LeftButton, {}, QPoint(file[4].toInt(), file[5].toInt()));
        testsupport::giveUp(w); // confirms the marked region
        head(file[3]);
        expected += kCR + kCR + QStringLiteral(" --- CORRECTA");
        QCOMPARE(w->Command1(1)->text(), QStringLiteral("Matemàtiques -  10,00"));
        QVERIFY(s.reportFiles().isEmpty());

        // Llengua Catalana: one right of four.
        QTest::mouseClick(w->Command1(0), Qt::LeftButton);
        testsupport::clickRow(w, 0, 0);
        QCOMPARE(bank::typeCode(w->shown.questionType), 1);
        file = testsupport::fileOf(w, 0, 0);
        head(file[2]);
        const QString wrongOption = testsupport::answerMultipleChoice(w, false);
        QCOMPARE(wrongOption, QStringLiteral("De la muntanya"));
        verdict(wrongOption, false);

        testsupport::clickRow(w, 0, 1);
        QCOMPARE(bank::typeCode(w->shown.questionType), 6);
        file = testsupport::fileOf(w, 0, 1);
        head(file[2]);
        testsupport::answerTrueFalse(w, true);
        verdict(QStringLiteral("VERTADER"), true);

        testsupport::clickRow(w, 0, 2);
        QCOMPARE(bank::typeCode(w->shown.questionType), 5);
        file = testsupport::fileOf(w, 0, 2);
        head(file[3]);
        testsupport::giveUp(w);
        verdict(QStringLiteral("???"), false);
        QVERIFY(s.reportFiles().isEmpty());

        testsupport::clickRow(w, 0, 3);
        QCOMPARE(bank::typeCode(w->shown.questionType), 2);
        file = testsupport::fileOf(w, 0, 3);
        head(file[2]);
        testsupport::giveUp(w);
        verdict(QStringLiteral("???"), false);

        expected += kCR + kCR + kCR + QStringLiteral("LLENGUA CATALANA -  2,50 - ( ENCERTS : 1; ERRORS : 3; EN BLANC : 0 )")
            + kCR + QStringLiteral("MATEMÀTIQUES -  10,00 - ( ENCERTS : 4; ERRORS : 0; EN BLANC : 0 )");

        // The session is over: the report and the final window.
        QVERIFY(w->sessionOver());
        QCOMPARE(w->RichTextBox3->text(), expected);
        QVERIFY(testsupport::waitForReport(w));
        const QString name = QStringLiteral("Anna --5M,9H --6-12-2026.rtf");
        QCOMPARE(s.reportFiles(), QStringList{name});
        QCOMPARE(w->session().reportFileName, name);
        const QByteArray report = testsupport::readBytes(s.reports() + u'/' + name);
        QVERIFY(report.startsWith("{\\rtf1"));
        const QStringList lines = testsupport::rtfParagraphs(report);
        const QStringList expectedLines = expected.split(kCR);
        QCOMPARE(lines.size(), expectedLines.size());
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(lines[i], expectedLines[i]);
        QCOMPARE(testsupport::readBytes(s.latest()), report);
        QVERIFY(s.platform->messages.isEmpty());
        QVERIFY(w->Command7[player::ReportButton::Report]->isEnabled());

        Form4 *f = w->finalWindow();
        QVERIFY(f);
        QVERIFY(f->isVisible());
        QCOMPARE(f->Label1->text(), QStringLiteral("RESULTATS DE LA PROVA"));
        QCOMPARE(f->Label2.count(), 2);
        QCOMPARE(f->Label2(0)->text(), QStringLiteral("Llengua Catalana -  2,50 - ( Encerts : 1; Errors : 3; En blanc : 0 )"));
        QCOMPARE(f->Label2(1)->text(), QStringLiteral("Matemàtiques -  10,00 - ( Encerts : 4; Errors : 0; En blanc : 0 )"));
        QCOMPARE(ui::foreColor(f->Label2(0)), kFailRed);
        QCOMPARE(ui::foreColor(f->Label2(1)), kPassBlue);
        QVERIFY(f->Label2(1)->isVisible());
        QVERIFY(w->Command6[player::TopButton::Results]->isEnabled());

        // The report button now opens the pupil's own report.
        QTest::mouseClick(w->Command7[player::ReportButton::Report], Qt::LeftButton);
        QCOMPARE(s.platform->openedDocuments, QStringList{s.reports() + u'/' + name});
    }

    // ---- the final window

    void finalWindowLinesAndColours()
    {
        Session s;
        s.choose({kCiencies, kCatalana, kEstrangera, kMates}, 2);
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        QCOMPARE(w->testCount(), 4);
        const QStringList marks{QStringLiteral(" 4,99"), QStringLiteral(" 5,00"), QStringLiteral(" 10,00"), QString()};
        for (int k = 0; k < 4; ++k)
            w->session().test(k).mark = marks[k];
        w->session().test(2).right = 2;
        w->session().test(0).wrong = 1;
        QVERIFY(!w->Command6[player::TopButton::Results]->isEnabled());
        w->Command6_Click(player::TopButton::Results);

        Form4 *f = w->finalWindow();
        QVERIFY(f);
        QVERIFY(f->isVisible());
        QCOMPARE(f->Label2.count(), 4);
        QCOMPARE(f->Label2(0)->text(), QStringLiteral("Ciències de la Natura -  4,99 - ( Encerts : 0; Errors : 1; En blanc : 1 )"));
        QCOMPARE(f->Label2(2)->text(), QStringLiteral("Llengua Estrangera -  10,00 - ( Encerts : 2; Errors : 0; En blanc : 0 )"));
        QCOMPARE(f->Label2(3)->text(), QStringLiteral("Matemàtiques -  - ( Encerts : 0; Errors : 0; En blanc : 2 )"));
        const QList<QColor> colours{kFailRed, kPassBlue, kPassBlue, kFailRed};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(ui::foreColor(f->Label2(i)), colours[i]);
            QVERIFY(f->Label2(i)->isVisible());
        }
        for (int i = 1; i < 4; ++i) {
            const int gap = ui::topTwips(f->Label2(i)) - ui::topTwips(f->Label2(i - 1)) - ui::heightTwips(f->Label2(i - 1));
            QCOMPARE(gap, ui::twips(ui::px(25)));
        }
        const QLabel *last = f->Label2(3);
        QCOMPARE(ui::heightTwips(f), ui::twips(ui::px(ui::topTwips(last) + ui::heightTwips(last) + 800)));
        QVERIFY(w->Command6[player::TopButton::Results]->isEnabled());

        // Centred on the screen, give or take the window frame.
        const QRect screen = f->screen()->geometry();
        const QRect frame = f->frameGeometry();
        QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= frame.width() - f->width() + 1);
        QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= frame.height() - f->height() + 1);

        // Every line is shown whole.
        for (int i = 0; i < 4; ++i) {
            const QLabel *label = f->Label2(i);
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
            QVERIFY(label->geometry().left() >= 0 && label->geometry().right() < f->width());
        }
    }

    void finalWindowOneTest()
    {
        Session s;
        s.choose({kMates}, 3);
        Form3 *w = s.start(QString());
        QVERIFY(w);
        w->session().test(0).mark = QStringLiteral(" 6,66");
        w->session().test(0).right = 2;
        w->session().test(0).wrong = 1;
        w->Command6_Click(player::TopButton::Results);
        Form4 *f = w->finalWindow();
        QVERIFY(f);
        QCOMPARE(f->Label2.count(), 1);
        QCOMPARE(f->Label2(0)->text(), QStringLiteral("Matemàtiques -  6,66 - ( Encerts : 2; Errors : 1; En blanc : 0 )"));
        QCOMPARE(ui::foreColor(f->Label2(0)), kPassBlue);
        QCOMPARE(ui::heightTwips(f),
                 ui::twips(ui::px(ui::topTwips(f->Label2(0)) + ui::heightTwips(f->Label2(0)) + 800)));
    }

    // Long subject names widen the window up to the screen; what is still
    // too wide wraps instead of losing its ends.
    void finalWindowFitsLongLines_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::newRow("wider than the design") << QStringLiteral("Ciències Socials i Història");
        QTest::newRow("wider than the screen")
            << QStringLiteral("Ciències Socials, Geografia i Història de Catalunya, d'Espanya i del món contemporani");
    }
    void finalWindowFitsLongLines()
    {
        QFETCH(QString, subject);
        Session s;
        const QByteArray question = testsupport::readBytes(testsupport::demoFolder() + QStringLiteral("/Preguntas/1r ESO/Matemàtiques/2.txt"));
        for (int i = 1; i <= 3; ++i)
            s.folder.writeBytes(QStringLiteral("Preguntas/1r ESO/%1/%2.txt").arg(subject).arg(i), question);
        s.choose({subject, kMates}, 3);
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        QCOMPARE(w->testCount(), 2);
        w->session().test(0).mark = QStringLiteral(" 3,33");
        w->session().test(0).right = 1;
        w->session().test(0).wrong = 1;
        w->Command6_Click(player::TopButton::Results);
        Form4 *f = w->finalWindow();
        QVERIFY(f);
        QCOMPARE(f->Label2(0)->text(), subject + QStringLiteral(" -  3,33 - ( Encerts : 1; Errors : 1; En blanc : 1 )"));
        const QRect screen = f->screen()->availableGeometry();
        QVERIFY(f->frameGeometry().width() <= screen.width());
        for (int i = 0; i < 2; ++i) {
            const QLabel *label = f->Label2(i);
            QVERIFY(label->geometry().left() >= 0 && label->geometry().right() < f->width());
            if (label->wordWrap())
                QVERIFY(label->heightForWidth(label->width()) <= label->height());
            else
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
        }
        // Still 25 twips between the lines and 800 under the last one.
        const int gap = ui::topTwips(f->Label2(1)) - ui::topTwips(f->Label2(0)) - ui::heightTwips(f->Label2(0));
        QCOMPARE(gap, ui::twips(ui::px(25)));
        QCOMPARE(ui::heightTwips(f),
                 ui::twips(ui::px(ui::topTwips(f->Label2(1)) + ui::heightTwips(f->Label2(1)) + 800)));
        QVERIFY(f->frameGeometry().left() >= screen.left());
    }

    void finalWindowTexts_data()
    {
        QTest::addColumn<QStringList>("finalTexts");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("line");
        QTest::newRow("all four lines")
            << QStringList{"FI", "Bé", "Malament", "Buides"} << "FI" << "Matemàtiques -  5,00 - ( Bé : 1; Malament : 1; Buides : 0 )";
        QTest::newRow("three lines: the blank word is empty")
            << QStringList{"FI", "Bé", "Malament"} << "FI" << "Matemàtiques -  5,00 - ( Bé : 1; Malament : 1;  : 0 )";
        QTest::newRow("empty file: every text empty")
            << QStringList{} << "" << "Matemàtiques -  5,00 - (  : 1;  : 1;  : 0 )";
        QTest::newRow("heading of spaces kept")
            << QStringList{"   ", "Bé", "Malament", "Buides"} << "   " << "Matemàtiques -  5,00 - ( Bé : 1; Malament : 1; Buides : 0 )";
    }
    void finalWindowTexts()
    {
        QFETCH(QStringList, finalTexts);
        QFETCH(QString, heading);
        QFETCH(QString, line);
        Session s;
        s.choose({kMates}, 2);
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        // Rewritten after the test window has read its copy.
        s.folder.writeLines(QStringLiteral("idioma/Final.txt"), finalTexts);
        w->session().test(0).mark = QStringLiteral(" 5,00");
        w->session().test(0).right = 1;
        w->session().test(0).wrong = 1;
        w->Command6_Click(player::TopButton::Results);
        Form4 *f = w->finalWindow();
        QVERIFY(f);
        QCOMPARE(f->Label1->text(), heading);
        QCOMPARE(f->Label2(0)->text(), line);
    }

    void finalWindowWithoutItsLanguageFile()
    {
        Session s;
        s.choose({kMates}, 2);
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        s.folder.remove(QStringLiteral("idioma/Final.txt"));
        w->session().test(0).mark = QStringLiteral(" 0,00");
        w->Command6_Click(player::TopButton::Results);
        Form4 *f = w->finalWindow();
        QVERIFY(f);
        QVERIFY(f->isVisible());
        QCOMPARE(f->Label1->text(), QString());
        QCOMPARE(f->Label2(0)->text(), QStringLiteral("Matemàtiques -  0,00 - (  : 0;  : 0;  : 2 )"));
        QCOMPARE(ui::foreColor(f->Label2(0)), kFailRed);
        QVERIFY(w->Command6[player::TopButton::Results]->isEnabled());
    }

    void finalWindowClickBringsTheTestWindowBack()
    {
        Session s;
        s.choose({kMates, kCatalana}, 2);
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        w->Command6_Click(player::TopButton::Results);
        Form4 *f = w->finalWindow();
        QVERIFY(f);
        QVERIFY(QTest::qWaitForWindowActive(f));

        QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(5, f->height() - 5));
        QVERIFY(QTest::qWaitForWindowActive(w));
        QVERIFY(f->isVisible());

        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QTest::mouseClick(f->Label2(1), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(w));

        // Even when the test window was hidden.
        w->hide();
        QTest::mouseClick(f->Label2(0), Qt::LeftButton);
        QVERIFY(w->isVisible());
    }

    void finalWindowShownAgainKeepsItsLines()
    {
        Session s;
        s.choose({kMates}, 2);
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        w->session().test(0).mark = QStringLiteral(" 0,00");
        w->Command6_Click(player::TopButton::Results);
        QPointer<Form4> first = w->finalWindow();
        QVERIFY(first);
        const QString line = first->Label2(0)->text();

        // Still open: the same window and the same lines.
        w->session().test(0).mark = QStringLiteral(" 10,00");
        w->session().test(0).right = 2;
        QTest::mouseClick(w->Command6[player::TopButton::Results], Qt::LeftButton);
        QCOMPARE(w->finalWindow(), first.data());
        QCOMPARE(first->Label2(0)->text(), line);

        // Closed by the pupil: shown again, it is built from the results now.
        first->close();
        QTRY_VERIFY(!first);
        QVERIFY(w->Command6[player::TopButton::Results]->isEnabled());
        QTest::mouseClick(w->Command6[player::TopButton::Results], Qt::LeftButton);
        Form4 *second = w->finalWindow();
        QVERIFY(second);
        QVERIFY(second->isVisible());
        QCOMPARE(second->Label2(0)->text(), QStringLiteral("Matemàtiques -  10,00 - ( Encerts : 2; Errors : 0; En blanc : 0 )"));
        QCOMPARE(ui::foreColor(second->Label2(0)), kPassBlue);
    }

    void finalWindowColourFollowsTheMarkScale()
    {
        // 6,66 passes on the scale of 10 but not on a scale of 20.
        Session s;
        s.folder.writeLines(QStringLiteral("tope.txt"), {QStringLiteral("20")});
        s.choose({kMates}, 2);
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        w->session().test(0).mark = QStringLiteral(" 6,66");
        w->Command6_Click(player::TopButton::Results);
        QVERIFY(w->finalWindow());
        QCOMPARE(ui::foreColor(w->finalWindow()->Label2(0)), kFailRed);
    }
};

QTEST_MAIN(TstSession)
#include "tst_session.moc"
