// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays one whole session of the quiz player, with its real windows
// offscreen, in a given program folder, and exits: the start window takes
// the pupil's name, the selection window a course and a subject, and every
// question of the test window is answered (an option, a point of the
// graphic or "true" where there is one to pick, an empty answer elsewhere)
// until the report is written. With --leave-blank N the last N questions
// are left open and the session ends as one with questions open does: the
// pupil set a one-minute limit in the selection window and the time runs
// out (quitting ends without a report).
// Many of these at once show what a shared program folder does when a class
// finishes together.
//
//   autoplay PROGRAM_FOLDER PUPIL [--course NAME] [--subject NAME]
//            [--questions N] [--clock yyyy-MM-ddTHH:mm:ss] [--seed N]
//            [--wait-for FILE] [--leave-blank N]
//
// With --wait-for it prints "ready" before answering the last question and
// waits for FILE to appear, so that a test can let every player finish at
// the same moment. It prints "message: <text>" for every message box the
// pupil saw, "report: <file name>" and "report-sha1: <digest of its bytes>"
// for the report it wrote, and "blank: <question file>" for every question
// it left open; it exits 0 when there is a report and no message
// said "Error".

#include "driving.h"

#include "support/testsupport.h"

#include "player/form1.h"
#include "player/form2.h"
#include "player/form3.h"
#include "player/playerstate.h"

#include "bank/atomicfile.h"
#include "support/recordingplatform.h"
#include "ui/rtfwriter.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QTest>

#include <algorithm>
#include <cstdio>

using testsupport::typeInto;
using drivers::waitForFile;

namespace {

int fail(const QString &why)
{
    std::fprintf(stderr, "autoplay: %s\n", qPrintable(why));
    return 1;
}

// A click where a pupil would click: first scrolled into view when the
// control lies in a scrolled list.
void click(QWidget *control)
{
    for (QWidget *p = control->parentWidget(); p; p = p->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(p)) {
            area->ensureWidgetVisible(control);
            break;
        }
    }
    // A check box takes clicks on its box and caption only, at its left.
    const QPoint at = qobject_cast<QCheckBox *>(control) ? QPoint(8, control->height() / 2)
                                                         : control->rect().center();
    QTest::mouseClick(control, Qt::LeftButton, {}, at);
}

// Answers the question on show the way a hurried pupil would.
void answer(player::Form3 *w)
{
    switch (w->shown.questionType) {
    case bank::QuestionType::MultipleChoice:
        for (int i = 0; i < w->Label3.count(); ++i) {
            if (!w->Label3(i)->isHidden()) {
                QTest::mouseClick(w->Label3(i), Qt::LeftButton);
                break;
            }
        }
        break;
    case bank::QuestionType::GraphicPoint:
        QTest::mouseClick(w->Picture2, Qt::LeftButton, {}, QPoint(2, 2));
        break;
    case bank::QuestionType::TrueFalse:
        QTest::mouseClick(w->Command5[0], Qt::LeftButton);
        break;
    default:
        break;
    }
    QTest::mouseClick(w->Command2, Qt::LeftButton);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("The program folder."));
    parser.addPositionalArgument(QStringLiteral("pupil"), QStringLiteral("The pupil's name."));
    const QCommandLineOption courseOption(QStringLiteral("course"), QStringLiteral("Course folder."),
                                          QStringLiteral("name"));
    const QCommandLineOption subjectOption(QStringLiteral("subject"), QStringLiteral("Subject folder."),
                                           QStringLiteral("name"));
    const QCommandLineOption questionsOption(QStringLiteral("questions"),
                                             QStringLiteral("Questions per subject."),
                                             QStringLiteral("n"), QStringLiteral("2"));
    const QCommandLineOption clockOption(QStringLiteral("clock"), QStringLiteral("The time the session ends."),
                                         QStringLiteral("time"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed of the draw."),
                                        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption waitOption(QStringLiteral("wait-for"),
                                        QStringLiteral("File to wait for before the last answer."),
                                        QStringLiteral("file"));
    const QCommandLineOption noLinksOption(QStringLiteral("no-hard-links"),
                                           QStringLiteral("Write as on a disk without hard links (FAT)."));
    const QCommandLineOption blankOption(QStringLiteral("leave-blank"),
                                         QStringLiteral("Questions left open at the end, ended by the time limit."),
                                         QStringLiteral("n"), QStringLiteral("0"));
    parser.addOptions({courseOption, subjectOption, questionsOption, clockOption, seedOption, waitOption,
                       noLinksOption, blankOption});
    parser.process(app);
    bank::testing::refuseHardLinks(parser.isSet(noLinksOption));
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        return fail(QStringLiteral("usage: autoplay PROGRAM_FOLDER PUPIL [options]"));
    bool numeric = false;
    const int leaveBlank = parser.value(blankOption).toInt(&numeric);
    if (!numeric || leaveBlank < 0)
        return fail(QStringLiteral("--leave-blank takes a count"));

    ui::RecordingPlatform &platform = ui::installRecordingPlatform();
    platform.folder = QFileInfo(positional[0]).absoluteFilePath();
    platform.clock = parser.isSet(clockOption)
        ? QDateTime::fromString(parser.value(clockOption), Qt::ISODate)
        : QDateTime::currentDateTime();
    QRandomGenerator random(parser.value(seedOption).toUInt());
    for (int i = 0; i < 4000; ++i)
        platform.randomValues.append(random.generateDouble());
    player::resetState();
    player::state().programFolder = platform.folder;

    // The start window: the pupil's name, then the start button.
    auto *start = new player::Form1;
    start->setAttribute(Qt::WA_DeleteOnClose);
    start->show();
    if (!QTest::qWaitForWindowExposed(start))
        return fail(QStringLiteral("no start window"));
    typeInto(start->Text1, positional[1]);
    QTest::mouseClick(start->Command1, Qt::LeftButton);
    player::Form2 *selection = start->form2();
    if (!selection || !QTest::qWaitForWindowExposed(selection))
        return fail(QStringLiteral("no selection window"));

    // The selection window: a course, a subject with three files at least.
    int course = parser.isSet(courseOption) ? -1 : 0;
    for (int i = 0; i < selection->courseCount(); ++i) {
        if (selection->Label1(i)->text() == parser.value(courseOption))
            course = i;
    }
    if (course < 0 || course >= selection->courseCount())
        return fail(QStringLiteral("no course %1").arg(parser.value(courseOption)));
    click(selection->Label1(course));
    int subject = -1;
    for (int i = 0; i < selection->subjectCount && subject < 0; ++i) {
        const bool named = parser.isSet(subjectOption) ? selection->Check1(i)->text() == parser.value(subjectOption)
                                                       : selection->Label4(i)->text().toInt() >= 3;
        if (named)
            subject = i;
    }
    if (subject < 0)
        return fail(QStringLiteral("no subject to play"));
    click(selection->Check1(subject));
    selection->questionsPerSubject = parser.value(questionsOption).toInt();
    selection->Command2->setText(parser.value(questionsOption));
    if (leaveBlank > 0) {
        // The smallest limit there is: the clock ends what the pupil leaves open.
        click(selection->Command4);
        selection->Text1->clear();
        typeInto(selection->Text1, QStringLiteral("1"));
    }
    click(selection->Command1);

    player::Form3 *w = player::Form3::open();
    if (!w)
        return fail(QStringLiteral("no test window; messages: %1")
                        .arg(platform.messages.isEmpty() ? QString() : platform.messages.last().text));

    // The test window: every question of every test, in list order.
    QList<std::pair<int, int>> questions;
    for (int k = 0; k < w->testCount(); ++k) {
        for (int row = 0; row < w->List1(k)->count(); ++row)
            questions.append({k, row});
    }
    const qsizetype answered = std::max<qsizetype>(0, questions.size() - leaveBlank);
    for (qsizetype q = answered; q < questions.size(); ++q)
        std::printf("blank: %s\n", w->List2[questions[q].first][questions[q].second].toUtf8().constData());
    for (qsizetype q = 0; q < answered; ++q) {
        const auto [k, row] = questions[q];
        QTest::mouseClick(w->Command1(k), Qt::LeftButton);
        QListWidget *list = w->List1(k);
        QListWidgetItem *item = list->item(row);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        if (!w->Label18->text().isEmpty())
            return fail(QStringLiteral("question %1 of test %2: %3").arg(row + 1).arg(k + 1).arg(w->Label18->text()));
        if (q == answered - 1 && parser.isSet(waitOption)) {
            std::printf("ready\n");
            std::fflush(stdout);
            if (!waitForFile(parser.value(waitOption), 120000))
                return fail(QStringLiteral("nobody said go"));
        }
        answer(w);
    }

    if (answered < questions.size()) {
        if (w->sessionOver() || !w->Timer1->isActive())
            return fail(QStringLiteral("no clock left to end the session"));
        // The window's own clock ends it; only its ticks come faster, so
        // that the driver need not sit the minute out.
        w->Timer1->setInterval(1);
        if (!QTest::qWaitFor([w] { return w->session().reported(); }, 120000))
            return fail(QStringLiteral("the time never ran out"));
    } else if (!w->sessionOver()) {
        return fail(QStringLiteral("the session did not end"));
    }
    // The report is saved off the window's thread.
    if (!QTest::qWaitFor([w] { return !w->savingReport(); }, 120000))
        return fail(QStringLiteral("the report was still being saved"));
    // Every message the pupil saw, one a line, and the report even when a
    // message said "Error": scripts/share-check.sh tells a lost report from
    // a false alarm, and a report kept pending from one in the folder.
    bool error = false;
    for (const ui::RecordingPlatform::Message &m : platform.messages) {
        std::printf("message: %s\n", m.text.simplified().toUtf8().constData());
        error = error || m.text == u"Error";
    }
    const bool written = !w->session().reportFileName.isEmpty() && w->Command7[1]->isEnabled();
    const bool pending = written && !platform.messages.isEmpty();
    if (written) {
        // What the report must hold, to compare with what the folder holds.
        const QByteArray rtf = ui::toRtf(*w->RichTextBox3->document());
        std::printf("%s: %s\nreport-sha1: %s\n", pending ? "pending" : "report",
                    (pending ? w->session().reportPath : w->session().reportFileName).toUtf8().constData(),
                    QCryptographicHash::hash(rtf, QCryptographicHash::Sha1).toHex().constData());
    }
    std::fflush(stdout);
    if (error)
        return fail(QStringLiteral("the pupil was told \"Error\""));
    if (!written)
        return fail(QStringLiteral("no report"));
    if (pending)
        return fail(QStringLiteral("the report was not saved in the reports folder"));
    delete w;
    delete selection;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
