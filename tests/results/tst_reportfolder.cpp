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

#include <QTemporaryDir>

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
        cells.append(results::cellText(row, column));
    return cells.join(u'|');
}

} // namespace

class TstReportFolder : public QObject
{
    Q_OBJECT

    std::unique_ptr<Session> s;

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
        QCOMPARE(w->maximumMark, 15);
        for (int k = 0; k < w->testCount(); ++k) {
            const Result &t = tests[subjects.indexOf(w->session().test(k).subject)];
            w->session().test(k).right = t.right;
            w->session().test(k).wrong = t.wrong;
            w->session().test(k).mark = player::markText(t.right, w->List1(k)->count(), w->maximumMark);
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
            QStringLiteral("_Pol|30/11/2026 23:59|MATEMÀTIQUES|15,00|4|0|0"),
            QStringLiteral("Anna|06/12/2026 09:05|LLENGUA CATALANA|15,00|4|0|0"),
            QStringLiteral("Anna|06/12/2026 09:05|MATEMÀTIQUES|11,25|3|1|0"),
            QStringLiteral("Anna|06/12/2026 09:05 (2)|MATEMÀTIQUES|3,75|1|2|1"),
            QStringLiteral("Sin-nombre|07/12/2026 10:30|LLENGUA CATALANA|0,00|0|0|4"),
        };
        QCOMPARE(texts, expected);
        QCOMPARE(table.rows[3].path, s->reports() + QStringLiteral("/Anna --5M,9H --6-12-2026 (2).rtf"));
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
        QCOMPARE(messages.size(), 8);
        QCOMPARE(messages.first(), QStringLiteral(".nou-Xy12Ab: s'està escrivint"));
        const QByteArray expected = "\xEF\xBB\xBF"
                                    "Alumne;Data i hora;Matèria;Nota;Encerts;Errors;En blanc\r\n"
                                    "_Pol;30/11/2026 23:59;MATEMÀTIQUES;15,00;4;0;0\r\n"
                                    "Anna;06/12/2026 09:05;LLENGUA CATALANA;15,00;4;0;0\r\n"
                                    "Anna;06/12/2026 09:05;MATEMÀTIQUES;11,25;3;1;0\r\n"
                                    "Anna;06/12/2026 09:05 (2);MATEMÀTIQUES;3,75;1;2;1\r\n"
                                    "Sin-nombre;07/12/2026 10:30;LLENGUA CATALANA;0,00;0;0;4\r\n";
        QCOMPARE(testsupport::readBytes(csv), expected);
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
