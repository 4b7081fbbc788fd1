// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Photographs the class results window for docs/: a class's reports are
// written by the quiz player's own test window on a copy of the demo folder,
// then the window shows them all, and once more filtered to one subject and
// day. Usage: resultsshots DEMO_FOLDER DOCS_FOLDER

#include "player/form2.h"
#include "player/form3.h"
#include "player/playerstate.h"
#include "player/session.h"
#include "player/testlogic.h"
#include "results/form1.h"

#include "support/recordingplatform.h"
#include "support/testsupport.h"
#include "ui/programstyle.h"
#include "ui/translations.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

void shoot(QWidget *window, const QString &path)
{
    QTest::qWait(400);
    QApplication::processEvents();
    const QRect frame = window->frameGeometry();
    QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).save(path);
}

// One pupil's session: `right` and `wrong` per chosen subject, out of five
// questions each, then the report the test window writes.
bool writeReport(ui::RecordingPlatform &platform, const QString &pupil, const QDateTime &when,
                 const QStringList &subjects, const QList<QPair<int, int>> &answers)
{
    player::Form2 selection;
    for (int c = 0; c < selection.courseCount(); ++c) {
        if (selection.Label1(c)->text() == u"1r ESO")
            selection.Label1_Click(c);
    }
    for (int k = 0; k < selection.subjectCount; ++k) {
        if (subjects.contains(selection.Check1(k)->text()))
            selection.Check1_Click(k);
    }
    selection.questionsPerSubject = 5;
    selection.selectedSubjectCount = int(subjects.size());
    platform.clock = when;
    player::Form3 *test = player::startTest(&selection, pupil, nullptr);
    if (!test)
        return false;
    for (int k = 0; k < test->testCount(); ++k) {
        const auto [right, wrong] = answers[subjects.indexOf(test->session().test(k).subject)];
        test->session().test(k).right = right;
        test->session().test(k).wrong = wrong;
        test->session().test(k).mark = player::markTextOnScale(right, test->List1(k)->count(), test->files.markScaleHundredths);
    }
    test->WriteResultsReport();
    delete test;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RESULTATS BRENLOQ"));
    ui::useProgramStyle();
    if (argc < 3)
        return 2;
    // A third argument, "en-" say, names the pictures of the desktop's
    // language: the built-in texts in it, and the idioma set of that
    // language where the demo has one.
    const QString prefix = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    const QString language = prefix.isEmpty() ? QString() : ui::useLanguage(QApplication::arguments(), QStringLiteral("ca"));
    const QString docs = QString::fromLocal8Bit(argv[2]);
    QTemporaryDir folder;
    testsupport::copyTree(QDir(QString::fromLocal8Bit(argv[1])).absolutePath(), folder.path());
    if (!language.isEmpty()) {
        const QString set = QDir(QString::fromLocal8Bit(argv[1])).absoluteFilePath(QStringLiteral("idiomes/") + language);
        QFile::remove(folder.filePath(QStringLiteral("idioma/resultats.txt")));
        QFile::copy(set + QStringLiteral("/resultats.txt"), folder.filePath(QStringLiteral("idioma/resultats.txt")));
    }

    auto &platform = ui::installRecordingPlatform();
    platform.folder = folder.path();
    player::state().programFolder = folder.path();

    const QString mates = QStringLiteral("Matemàtiques");
    const QString catalana = QStringLiteral("Llengua Catalana");
    const QString ciencies = QStringLiteral("Ciències de la Natura");
    const QStringList pupils = {QStringLiteral("Anna Vila"), QStringLiteral("Pol Serra"), QStringLiteral("Núria Puig"),
                                QStringLiteral("Jordi Mas"), QString(), QStringLiteral("Laia Roca"),
                                QStringLiteral("Marc Ferrer"), QStringLiteral("Júlia Soler")};
    // Right and wrong answers of each pupil, out of five.
    const QList<QPair<int, int>> inMates = {{4, 1}, {3, 1}, {5, 0}, {2, 2}, {1, 3}, {4, 0}, {3, 2}, {5, 0}};
    const QList<QPair<int, int>> inCatalana = {{5, 0}, {4, 1}, {3, 1}, {4, 0}, {2, 2}, {3, 1}, {5, 0}, {4, 1}};
    const QList<QPair<int, int>> inCiencies = {{2, 2}, {3, 1}, {5, 0}, {4, 1}, {1, 3}, {5, 0}, {3, 2}, {4, 0}};
    for (int i = 0; i < pupils.size(); ++i) {
        const QDateTime monday(QDate(2026, 11, 30), QTime(9, 5 + 2 * i));
        const QDateTime thursday(QDate(2026, 12, 3), QTime(11, 40 + i));
        if (!writeReport(platform, pupils[i], monday, {mates, catalana}, {inMates[i], inCatalana[i]})
            || !writeReport(platform, pupils[i], thursday, {ciencies}, {inCiencies[i]}))
            return 1;
    }
    // The same pupil twice within a minute, a note left by the teacher and
    // a report still being written.
    if (!writeReport(platform, pupils[0], QDateTime(QDate(2026, 12, 3), QTime(11, 40)), {ciencies}, {{5, 0}}))
        return 1;
    const QString reports = folder.filePath(QStringLiteral("Controles-Usuarios"));
    QFile note(reports + QStringLiteral("/notes de la sessió.txt"));
    if (note.open(QIODevice::WriteOnly))
        note.write("Repassar fraccions\r\n");
    QFile partial(reports + QStringLiteral("/.nou-k3Jd9q"));
    if (partial.open(QIODevice::WriteOnly))
        partial.write("{\\rtf1\\ansi");
    note.close();
    partial.close();

    results::Form1 window(folder.path());
    window.move(0, 0);
    window.show();
    while (!window.isLoaded())
        QTest::qWait(50);
    shoot(&window, docs + u'/' + prefix + QStringLiteral("results.png"));

    window.Combo1->setCurrentIndex(window.Combo1->findText(mates.toUpper()));
    window.Combo1_Click(window.Combo1->currentIndex());
    window.Date2->setDate(QDate(2026, 11, 30));
    window.Grid1->sortByColumn(results::Mark, Qt::DescendingOrder);
    shoot(&window, docs + u'/' + prefix + QStringLiteral("results-filtered.png"));
    return 0;
}
