// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A reports folder as a class leaves it: reports written by the quiz
// player's own test window (marks on a scale of 15 from tope.txt, a repeat
// within the minute, a pupil without a name) among files that are no
// complete report, read into rows, a skipped list and CSV bytes.

#include "player/sessionfixture.h"
#include "player/testlogic.h"

#include "results/commandline.h"
#include "results/reports.h"
#include "results/rtftext.h"
#include "results/table.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::Session;

namespace {

struct Result {
    QString subject;
    int right;
    int wrong;
};

const QString kMates = QStringLiteral("Matemàtiques");
const QString kCatalana = QStringLiteral("Llengua Catalana");

QString rowText(const results::ResultRow &row)
{
    QStringList cells;
    for (int column = 0; column < results::ColumnCount; ++column)
        cells.append(results::cellText(row, column, {1500, QStringLiteral("over %1"), QStringLiteral("more than %1")}));
    return cells.join(u'|');
}

} // namespace

class TstReportFolder : public QObject
{
    Q_OBJECT

    std::unique_ptr<Session> s;
    QTemporaryDir outside;

    // One run of the player: four questions per subject, the results set
    // as the test window keeps them, then its report written.
    void writeReport(const QString &pupil, const QDateTime &when, const QList<Result> &tests)
    {
        delete s->test.data();
        QStringList subjects;
        for (const Result &t : tests)
            subjects.append(t.subject);
        s->choose(subjects, 4);
        s->platform->clock = when;
        player::Form3 *w = s->start(pupil);
        QVERIFY(w);
        QCOMPARE(w->files.markScaleHundredths, 1500);
        for (int k = 0; k < w->testCount(); ++k) {
            const Result &t = tests[subjects.indexOf(w->session().test(k).subject)];
            w->session().test(k).right = t.right;
            w->session().test(k).wrong = t.wrong;
            w->session().test(k).mark = player::markTextOnScale(t.right, w->List1(k)->count(), w->files.markScaleHundredths);
        }
        w->WriteResultsReport();
        QVERIFY(testsupport::waitForReport(w));
        QVERIFY(s->platform->messages.isEmpty());
    }

    void writeFile(const QString &name, const QByteArray &bytes)
    {
        s->folder.writeBytes(QStringLiteral("Controles-Usuarios/") + name, bytes);
    }

private Q_SLOTS:
    void initTestCase()
    {
        s = std::make_unique<Session>();
        s->folder.writeLines(QStringLiteral("tope.txt"), {QStringLiteral("15")});
        const QDateTime morning(QDate(2026, 12, 6), QTime(9, 5));
        writeReport(QStringLiteral("Anna"), morning, {{kMates, 3, 1}, {kCatalana, 4, 0}});
        writeReport(QStringLiteral("Anna"), morning, {{kMates, 1, 2}});
        writeReport(QString(), QDateTime(QDate(2026, 12, 7), QTime(10, 30)), {{kCatalana, 0, 0}});
        writeReport(QStringLiteral(".Pol"), QDateTime(QDate(2026, 11, 30), QTime(23, 59)), {{kMates, 4, 0}});

        const QByteArray report = testsupport::readBytes(s->latest());
        QVERIFY(report.endsWith("}\r\n"));
        writeFile(QStringLiteral("Quim --1M,8H --1-12-2026.rtf"), report.left(report.size() / 2));
        writeFile(QStringLiteral("Rosa --2M,8H --1-12-2026.rtf"), report.left(report.size() - 3));
        writeFile(QStringLiteral("Joan --3M,8H --1-12-2026.rtf"), QByteArray());
        writeFile(QStringLiteral("Marc --4M,8H --1-12-2026.rtf"), "Informe de la Marta\r\n");
        writeFile(QStringLiteral("Laia --5M,8H --1-12-2026.rtf"),
                  "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}Carta als pares\\par Bon dia.}");
        writeFile(QStringLiteral("Anna 6-12-2026.rtf"), report);
        writeFile(QStringLiteral("Pere --6M,8H --31-2-2026.rtf"), report);
        writeFile(QStringLiteral(".nou-Xy12Ab"), report.left(100));
        writeFile(QStringLiteral("ultimo.rtf"), report);
        // A teacher's note after the summary lines.
        writeFile(QStringLiteral("Nil --7M,8H --1-12-2026.rtf"),
                  report.left(report.lastIndexOf('}')) + "\\par Nota de la mestra: molt b\\'e9.}\r\n");
        // A forged report: a mark over the scale of 15, more answers than a test asks.
        writeFile(QStringLiteral("Xavi --9M,8H --1-12-2026.rtf"),
                  "{\\rtf1 XAVI\\par MATES -  99999,99 - ( A : 999999999; B : 0; C : 0 )}");
        // A link leading out of the program folder reads as missing.
        QFile::copy(s->latest(), outside.filePath(QStringLiteral("Ot.rtf")));
        QVERIFY(QFile::link(outside.filePath(QStringLiteral("Ot.rtf")),
                            s->reports() + QStringLiteral("/Ot --8M,8H --1-12-2026.rtf")));
    }

    void cleanupTestCase() { s.reset(); }

    void rows()
    {
        const results::ReportTable table = results::loadReports(s->folder.path());
        QVERIFY(table.folderFound);
        QStringList texts;
        for (const results::ResultRow &row : table.rows)
            texts.append(rowText(row));
        // Marks on the scale of 15, truncated to hundredths: 3 of 4 is 11,25.
        const QStringList expected = {
            QStringLiteral("_Pol|30/11/2026 23:59||1r ESO|MATEMÀTIQUES||15,00|4|0|0|"),
            QStringLiteral("Xavi|01/12/2026 08:09|||MATES||99999,99|999999999|0|0|over 15; more than 100"),
            QStringLiteral("Anna|06/12/2026 09:05||1r ESO|LLENGUA CATALANA||15,00|4|0|0|"),
            QStringLiteral("Anna|06/12/2026 09:05||1r ESO|MATEMÀTIQUES||11,25|3|1|0|"),
            QStringLiteral("Anna|06/12/2026 09:05|2|1r ESO|MATEMÀTIQUES||3,75|1|2|1|"),
            QStringLiteral("Sin-nombre|07/12/2026 10:30||1r ESO|LLENGUA CATALANA||0,00|0|0|4|"),
        };
        QCOMPARE(texts, expected);
        QCOMPARE(table.rows[4].path, s->reports() + QStringLiteral("/Anna --5M,9H --6-12-2026 (2).rtf"));
    }

    void skipped()
    {
        using R = results::SkipReason;
        const results::ReportTable table = results::loadReports(s->folder.path());
        QList<QPair<QString, R>> found;
        for (const results::SkippedFile &file : table.skipped)
            found.append({file.name, file.reason});
        const QList<QPair<QString, R>> expected = {
            {QStringLiteral(".nou-Xy12Ab"), R::BeingWritten},
            {QStringLiteral("Anna 6-12-2026.rtf"), R::NotReportName},
            {QStringLiteral("Joan --3M,8H --1-12-2026.rtf"), R::Empty},
            {QStringLiteral("Laia --5M,8H --1-12-2026.rtf"), R::NoSummary},
            {QStringLiteral("Marc --4M,8H --1-12-2026.rtf"), R::NotRtf},
            {QStringLiteral("Nil --7M,8H --1-12-2026.rtf"), R::SummaryNotAtEnd},
            {QStringLiteral("Pere --6M,8H --31-2-2026.rtf"), R::NotReportName},
            {QStringLiteral("Quim --1M,8H --1-12-2026.rtf"), R::Unfinished},
            {QStringLiteral("Rosa --2M,8H --1-12-2026.rtf"), R::Unfinished},
        };
        QCOMPARE(found, expected);
    }

    // A report caught at any point of its writing is never read as one.
    void everyCutShortReport()
    {
        const QByteArray report = testsupport::readBytes(s->latest());
        const qsizetype closed = report.lastIndexOf('}') + 1;
        for (qsizetype size = 0; size < closed; ++size)
            QVERIFY2(results::rtfText(report.left(size)).problem != results::RtfProblem::None, qPrintable(QString::number(size)));
        QCOMPARE(results::rtfText(report.left(closed)).problem, results::RtfProblem::None);
    }

    void csvFromTheCommandLine()
    {
        QTemporaryDir out;
        const QString csv = out.filePath(QStringLiteral("classe.csv"));
        QStringList messages;
        QCOMPARE(results::exportCsv(s->folder.path(), csv, messages), 0);
        QCOMPARE(messages.size(), 9);
        QCOMPARE(messages.first(), QStringLiteral(".nou-Xy12Ab: s'està escrivint"));
        const QByteArray expected = "\xEF\xBB\xBF"
                                    "Alumne;Data i hora;Repetició;Curs;Matèria;Opció;Nota;Encerts;Errors;En blanc;Avís\r\n"
                                    "_Pol;30/11/2026 23:59;;1r ESO;MATEMÀTIQUES;;\"15,00\";4;0;0;\r\n"
                                    "Xavi;01/12/2026 08:09;;;MATES;;\"99999,99\";999999999;0;0;\"nota per sobre del "
                                    "màxim, 15; més de 100 preguntes en una prova\"\r\n"
                                    "Anna;06/12/2026 09:05;;1r ESO;LLENGUA CATALANA;;\"15,00\";4;0;0;\r\n"
                                    "Anna;06/12/2026 09:05;;1r ESO;MATEMÀTIQUES;;\"11,25\";3;1;0;\r\n"
                                    "Anna;06/12/2026 09:05;2;1r ESO;MATEMÀTIQUES;;\"3,75\";1;2;1;\r\n"
                                    "Sin-nombre;07/12/2026 10:30;;1r ESO;LLENGUA CATALANA;;\"0,00\";0;0;4;\r\n";
        QCOMPARE(testsupport::readBytes(csv), expected);
    }

    // A device or a FIFO named by --csv is written into, never replaced.
    void csvIntoAFifo()
    {
        QTemporaryDir out;
        const QString fifo = out.filePath(QStringLiteral("classe.csv"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        QStringList messages;
        QCOMPARE(results::exportCsv(s->folder.path(), fifo, messages), 0);
        QByteArray got(4096, '\0');
        const ssize_t n = ::read(reader, got.data(), size_t(got.size()));
        ::close(reader);
        struct stat info {};
        QCOMPARE(::lstat(QFile::encodeName(fifo).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));
        QVERIFY(n > 0);
        QVERIFY(got.startsWith("\xEF\xBB\xBF" "Alumne;"));
    }

    // The program answers --help and --version as the others do, and
    // writes the CSV to standard output for "-".
    void commandLineAnswers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("answer"); // the start of standard output
        QTest::addColumn<int>("status");
        QTest::newRow("--help") << QStringList{"--help"} << QByteArray("Ús: ") << 0;
        QTest::newRow("--version") << QStringList{"--version"} << QByteArray("RESULTATS BRENLOQ ") << 0;
        QTest::newRow("--csv -") << QStringList{"--csv", "-", "--folder", "@"} << QByteArray("\xEF\xBB\xBF" "Alumne;")
                                 << 0;
        QTest::newRow("unknown option") << QStringList{"--ods"} << QByteArray() << 2;
    }
    void commandLineAnswers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, answer);
        QFETCH(int, status);
        QProcess process;
        process.start(QStringLiteral(RESULTS_PROGRAM), arguments.replaceInStrings(QStringLiteral("@"), s->folder.path()));
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), status);
        const QByteArray out = process.readAllStandardOutput();
        QVERIFY2(answer.isEmpty() ? out.isEmpty() : out.startsWith(answer), out.left(200).constData());
    }

    // A file name is shown as text, whatever markup it holds.
    void tooltipIsText()
    {
        results::ResultsModel model;
        results::ResultRow row;
        row.path = QStringLiteral("/x/<b>Anna<br>Pol &amp; --5M,9H --6-12-2026.rtf");
        model.setRows({row});
        const QString tip = model.data(model.index(0, results::Pupil), Qt::ToolTipRole).toString();
        QTextDocument shown;
        if (Qt::mightBeRichText(tip))
            shown.setHtml(tip);
        else
            shown.setPlainText(tip);
        QCOMPARE(shown.toPlainText(), QStringLiteral("<b>Anna<br>Pol &amp; --5M,9H --6-12-2026.rtf"));
    }

    void noReportsFolder()
    {
        testsupport::ProgramFolder bare(false);
        QStringList messages;
        QCOMPARE(results::exportCsv(bare.path(), bare.file(QStringLiteral("x.csv")), messages),
                 results::kExportFailed);
        QCOMPARE(messages.size(), 1);
        QVERIFY(!QFileInfo::exists(bare.file(QStringLiteral("x.csv"))));
    }
};

QTEST_MAIN(TstReportFolder)
#include "tst_reportfolder.moc"
