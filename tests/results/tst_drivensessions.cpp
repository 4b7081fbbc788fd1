// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Ten sessions of the demo's Ciències de la Natura played through the real
// windows by the autoplay driver: the per-question statistics the class
// results make of them match a count made by hand from the ten reports'
// transcripts (each statement matched to its file by reading the files).

#include "results/questions.h"
#include "results/reports.h"

#include "support/testsupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TstDrivenSessions : public QObject
{
    Q_OBJECT

    QList<results::QuestionStat> stats;

private Q_SLOTS:
    void initTestCase()
    {
        const QString autoplay = QCoreApplication::applicationDirPath() + QStringLiteral("/autoplay");
        QVERIFY2(QFileInfo(autoplay).isExecutable(), "build the autoplay target");
        testsupport::ProgramFolder program;
        QTemporaryDir dataHome;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.path());
        for (int seed = 1; seed <= 10; ++seed) {
            QProcess player;
            player.setProcessEnvironment(environment);
            player.start(autoplay, {program.path(), QStringLiteral("Alumne %1").arg(seed), QStringLiteral("--course"),
                                    QStringLiteral("1r ESO"), QStringLiteral("--subject"),
                                    QStringLiteral("Ciències de la Natura"), QStringLiteral("--questions"),
                                    QStringLiteral("4"), QStringLiteral("--clock"),
                                    QStringLiteral("2026-03-09T10:0%1:00").arg(seed - 1), QStringLiteral("--seed"),
                                    QString::number(seed)});
            QVERIFY(player.waitForFinished(120000));
            QVERIFY2(player.exitStatus() == QProcess::NormalExit && player.exitCode() == 0,
                     player.readAllStandardError().constData());
        }
        const results::ReportTable table = results::loadReports(program.path());
        QCOMPARE(table.rows.size(), 10);
        for (const results::ResultRow &r : table.rows)
            QVERIFY(r.fromRecord);
        stats = results::questionStats(table.rows);
        results::readQuestionFiles(stats, program.file(QStringLiteral("Preguntas")));
    }

    // By hand from the transcripts ("--- answer - VERDICT" under each
    // statement); every session drew Opció A. A question the driver left
    // unanswered is judged wrong with "???" or, marked outside the spot, no
    // answer at all.
    void countedAsByHand_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QList<int>>("askedRightWrongBlank");
        QTest::addColumn<QString>("commonWrong");
        const auto row = [](const char *file, const QString &statement, QList<int> counts, const QString &wrong) {
            QTest::newRow(file) << statement << counts << wrong;
        };
        row("1", u"Quin és l'òrgan que bombeja la sang?"_qs, {4, 0, 4, 0}, u"El fetge"_qs);
        row("2", u"Marca el nucli de la cèl·lula."_qs, {5, 0, 5, 0}, QString());
        row("3", u"Com s'anomena el procés amb què les plantes fabriquen el seu aliment amb la llum del sol?"_qs,
            {1, 0, 1, 0}, u"???"_qs);
        row("4", u"Les balenes són peixos."_qs, {5, 0, 5, 0}, u"VERTADER"_qs);
        row("5", u"Marca la tija de la planta."_qs, {6, 0, 6, 0}, QString());
        row("6", u"Com s'anomena aquesta muntanya que expulsa lava?"_qs, {3, 0, 3, 0}, u"???"_qs);
        row("7", u"Quin d'aquests animals és un mamífer?"_qs, {6, 0, 6, 0}, u"Tauró"_qs);
        row("8", u"Marca el citoplasma."_qs, {3, 0, 3, 0}, QString());
        row("9", u"L'aigua bull a 100 graus centígrads al nivell del mar."_qs, {5, 5, 0, 0}, QString());
        row("10", u"Marca l'arrel de la planta."_qs, {2, 0, 2, 0}, QString());
    }
    void countedAsByHand()
    {
        QFETCH(QString, statement);
        QFETCH(QList<int>, askedRightWrongBlank);
        QFETCH(QString, commonWrong);
        const QString file = u"1r ESO/Ciències de la Natura/Opció A/"_qs + QString::fromLatin1(QTest::currentDataTag())
            + u".txt"_qs;
        const auto found = std::find_if(stats.cbegin(), stats.cend(), [&](const auto &s) { return s.file == file; });
        QVERIFY2(found != stats.cend(), qPrintable(file));
        QCOMPARE(found->statement, statement);
        QCOMPARE((QList<int>{found->asked, found->right, found->wrong, found->blank}), askedRightWrongBlank);
        QCOMPARE(found->commonWrong, commonWrong);
        QVERIFY(!found->changed);
    }

    // Forty questions asked, all of them above.
    void nothingElse() { QCOMPARE(stats.size(), 10); }
};

QTEST_MAIN(TstDrivenSessions)
#include "tst_drivensessions.moc"
