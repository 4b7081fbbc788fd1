// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sessions of the demo's Ciències de la Natura played through the real
// windows by the autoplay driver: the per-question statistics the class
// results make of them match a count made by hand from the reports'
// transcripts (each statement matched to its file by reading the files).
// Ten sessions answer every question; four more leave their last two open
// and end when the time runs out, so that the blank counts are tried too.

#include "results/questions.h"
#include "results/reports.h"
#include "results/rtftext.h"

#include "support/testsupport.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TstDrivenSessions : public QObject
{
    Q_OBJECT

    // One set of sessions played in a folder of its own.
    struct Played {
        QList<results::QuestionStat> stats;
        QMap<QString, int> leftOpen;   // per question file, as the drivers said they left it
        QList<int> reportBlanks;       // per report, the blank count its summary line gives
        QList<int> sessionBlanks;      // per session, the questions its driver left open
    };
    QMap<QString, Played> sets;

    static void play(Played &played, int firstSeed, int sessions, int leaveBlank)
    {
        const QString autoplay = QCoreApplication::applicationDirPath() + QStringLiteral("/autoplay");
        QVERIFY2(QFileInfo(autoplay).isExecutable(), "build the autoplay target");
        testsupport::ProgramFolder program;
        QTemporaryDir dataHome;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.path());
        const QString reports = program.file(QStringLiteral("Controles-Usuarios/"));
        for (int seed = firstSeed; seed < firstSeed + sessions; ++seed) {
            const QDateTime clock(QDate(2026, 3, 9), QTime(10, seed - 1));
            QProcess player;
            player.setProcessEnvironment(environment);
            player.start(autoplay, {program.path(), QStringLiteral("Alumne %1").arg(seed), QStringLiteral("--course"),
                                    QStringLiteral("1r ESO"), QStringLiteral("--subject"),
                                    QStringLiteral("Ciències de la Natura"), QStringLiteral("--questions"),
                                    QStringLiteral("4"), QStringLiteral("--clock"), clock.toString(Qt::ISODate),
                                    QStringLiteral("--seed"), QString::number(seed), QStringLiteral("--leave-blank"),
                                    QString::number(leaveBlank)});
            QVERIFY(player.waitForFinished(120000));
            QVERIFY2(player.exitStatus() == QProcess::NormalExit && player.exitCode() == 0,
                     player.readAllStandardError().constData());
            QString report;
            QByteArray sha1;
            int blanks = 0;
            for (const QByteArray &line : player.readAllStandardOutput().split('\n')) {
                const QString text = QString::fromUtf8(line);
                if (text.startsWith(u"blank: "_qs)) {
                    ++played.leftOpen[text.section(u"/Preguntas/"_qs, 1)];
                    ++blanks;
                } else if (text.startsWith(u"report: "_qs)) {
                    report = text.mid(8);
                } else if (line.startsWith("report-sha1: ")) {
                    sha1 = line.mid(13);
                }
            }
            played.sessionBlanks.append(blanks);
            // The report in the folder is the player's own, word for word.
            const QByteArray bytes = testsupport::readBytes(reports + report);
            QCOMPARE(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex(), sha1);
            const QList<results::SubjectResult> summary = results::summaryLines(results::rtfText(bytes).paragraphs);
            QCOMPARE(summary.size(), 1);
            played.reportBlanks.append(summary[0].blank);
        }
        const results::ReportTable table = results::loadReports(program.path());
        QCOMPARE(table.rows.size(), sessions);
        for (const results::ResultRow &r : table.rows)
            QVERIFY(r.fromRecord);
        played.stats = results::questionStats(table.rows);
        results::readQuestionFiles(played.stats, program.file(QStringLiteral("Preguntas")));
    }

private Q_SLOTS:
    void initTestCase()
    {
        play(sets[QString()], 1, 10, 0);
        if (QTest::currentTestFailed())
            return;
        play(sets[u"blanks"_qs], 11, 4, 2);
    }

    // By hand from the transcripts ("--- answer - VERDICT" under each
    // statement); every session drew Opció A. A question the driver gave an
    // empty answer is judged wrong with "???" or, marked outside the spot,
    // no answer at all; one it left open is in no transcript, only in the
    // driver's "blank:" lines. Rows tagged "blanks N" count the set that
    // left two open a session.
    void countedAsByHand_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QList<int>>("askedRightWrongBlank");
        QTest::addColumn<QString>("commonWrong");
        const auto row = [](const char *tag, const QString &statement, QList<int> counts, const QString &wrong) {
            QTest::newRow(tag) << statement << counts << wrong;
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
        // Four sessions with their last two questions left open (7.txt drawn by none).
        row("blanks 1", u"Quin és l'òrgan que bombeja la sang?"_qs, {1, 0, 1, 0}, u"El fetge"_qs);
        row("blanks 2", u"Marca el nucli de la cèl·lula."_qs, {1, 0, 0, 1}, QString());
        row("blanks 3", u"Com s'anomena el procés amb què les plantes fabriquen el seu aliment amb la llum del sol?"_qs,
            {4, 0, 4, 0}, u"???"_qs);
        row("blanks 4", u"Les balenes són peixos."_qs, {1, 0, 0, 1}, QString());
        row("blanks 5", u"Marca la tija de la planta."_qs, {3, 0, 0, 3}, QString());
        row("blanks 6", u"Com s'anomena aquesta muntanya que expulsa lava?"_qs, {2, 0, 1, 1}, u"???"_qs);
        row("blanks 8", u"Marca el citoplasma."_qs, {2, 0, 1, 1}, QString());
        row("blanks 9", u"L'aigua bull a 100 graus centígrads al nivell del mar."_qs, {1, 0, 0, 1}, QString());
        row("blanks 10", u"Marca l'arrel de la planta."_qs, {1, 0, 1, 0}, QString());
    }
    void countedAsByHand()
    {
        QFETCH(QString, statement);
        QFETCH(QList<int>, askedRightWrongBlank);
        QFETCH(QString, commonWrong);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        const QList<results::QuestionStat> &stats = sets[tag.section(u' ', 0, -2)].stats;
        const QString file = u"1r ESO/Ciències de la Natura/Opció A/"_qs + tag.section(u' ', -1) + u".txt"_qs;
        const auto found = std::find_if(stats.cbegin(), stats.cend(), [&](const auto &s) { return s.file == file; });
        QVERIFY2(found != stats.cend(), qPrintable(file));
        QCOMPARE(found->statement, statement);
        QCOMPARE((QList<int>{found->asked, found->right, found->wrong, found->blank}), askedRightWrongBlank);
        QCOMPARE(found->commonWrong, commonWrong);
        QVERIFY(!found->changed);
    }

    // Every question asked is in the table above.
    void nothingElse_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<int>("questions");
        QTest::newRow("all answered") << QString() << 10;
        QTest::newRow("blanks") << u"blanks"_qs << 9;
    }
    void nothingElse()
    {
        QFETCH(QString, set);
        QFETCH(int, questions);
        QCOMPARE(sets[set].stats.size(), questions);
    }

    // What the drivers left open is what the reports' summary lines and the
    // per-question statistics call blank, no more and no less.
    void blanksAsLeftOpen_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<QList<int>>("perSession");
        QTest::newRow("all answered") << QString() << QList<int>(10, 0);
        QTest::newRow("blanks") << u"blanks"_qs << QList<int>(4, 2);
    }
    void blanksAsLeftOpen()
    {
        QFETCH(QString, set);
        QFETCH(QList<int>, perSession);
        const Played &played = sets[set];
        QCOMPARE(played.sessionBlanks, perSession);
        QCOMPARE(played.reportBlanks, perSession);
        QMap<QString, int> counted;
        for (const results::QuestionStat &s : played.stats) {
            if (s.blank > 0)
                counted[s.file] = s.blank;
        }
        QCOMPARE(counted, played.leftOpen);
    }
};

QTEST_MAIN(TstDrivenSessions)
#include "tst_drivensessions.moc"
