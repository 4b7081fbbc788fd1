// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reports with a session record beside them: rows carry the course and the
// option folder, and a subject of two courses or two options is two tests,
// never one average. A report whose record is missing or unreadable is read
// from its text as before.

#include "results/commandline.h"
#include "results/questions.h"
#include "results/reports.h"
#include "results/table.h"

#include "bank/reportformat.h"
#include "bank/sessionrecord.h"

#include "support/testsupport.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// "course|subject|option|mark|record": record is "json", "none", "broken"
// or "link" (a link to a record).
void writeReports(const testsupport::ProgramFolder &folder, const QStringList &reports)
{
    folder.makeFolder(QStringLiteral("Controles-Usuarios"));
    int minute = 0;
    for (const QString &report : reports) {
        const QStringList part = report.split(u'|');
        const QString name = bank::reportFileName(QStringLiteral("Pupil"), QDateTime(QDate(2026, 12, 6), QTime(9, minute++)));
        bank::ReportSummary summary{part[1].toUpper(), u' ' + part[3], 2, 2, 0};
        const QString line = bank::summaryLine(summary, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"));
        folder.writeBytes(QStringLiteral("Controles-Usuarios/") + name,
                          "{\\rtf1\\ansi PUPIL\\par " + line.toLatin1() + "}");
        const QString recordFile = QStringLiteral("Controles-Usuarios/.registres/") + bank::recordFileName(name);
        if (part[4] == u"broken") {
            folder.writeBytes(recordFile, "{\"version\": 1, \"tests\": [");
        } else if (part[4] == u"json" || part[4] == u"link") {
            bank::SessionRecord record;
            record.course = part[0];
            record.tests = {{part[1], part[2], 1000, u' ' + part[3], 2, 2, 0, {}}};
            // A link to a record, which could lead anywhere, is no record.
            const QString written = part[4] == u"link" ? u"elsewhere.json"_qs : recordFile;
            folder.writeBytes(written, bank::sessionRecordBytes(record));
            if (written != recordFile)
                QVERIFY(QFile::link(folder.file(written), folder.file(recordFile)));
        }
    }
}

} // namespace

class TstSessionRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void testsKeptApart_data()
    {
        QTest::addColumn<QStringList>("reports");
        // "name|reports|average", by subject, course, option.
        QTest::addColumn<QStringList>("summaries");
        QTest::newRow("French and English")
            << QStringList{u"1r ESO|Llengua Estrangera|Francès|8,00|json"_qs,
                           u"1r ESO|Llengua Estrangera|Anglès|4,00|json"_qs,
                           u"1r ESO|Llengua Estrangera|Francès|6,00|json"_qs}
            << QStringList{u"LLENGUA ESTRANGERA / Anglès (1r ESO)|1|4,00"_qs,
                           u"LLENGUA ESTRANGERA / Francès (1r ESO)|2|7,00"_qs};
        QTest::newRow("one subject of two courses")
            << QStringList{u"1r ESO|Matemàtiques||9,00|json"_qs, u"2n ESO|Matemàtiques||3,00|json"_qs}
            << QStringList{u"MATEMÀTIQUES (1r ESO)|1|9,00"_qs, u"MATEMÀTIQUES (2n ESO)|1|3,00"_qs};
        QTest::newRow("reports without a record, with a broken one or a link, read from their text")
            << QStringList{u"1r ESO|Matemàtiques||9,00|none"_qs, u"2n ESO|Matemàtiques||5,00|broken"_qs,
                           u"2n ESO|Matemàtiques||2,00|json"_qs, u"2n ESO|Matemàtiques||4,00|link"_qs}
            << QStringList{u"MATEMÀTIQUES|3|6,00"_qs, u"MATEMÀTIQUES (2n ESO)|1|2,00"_qs};
    }
    void testsKeptApart()
    {
        QFETCH(QStringList, reports);
        QFETCH(QStringList, summaries);
        const testsupport::ProgramFolder folder(false);
        writeReports(folder, reports);
        const results::ReportTable table = results::loadReports(folder.path());
        QVERIFY(table.skipped.isEmpty());
        QCOMPARE(table.rows.size(), reports.size());
        QStringList found;
        for (const results::SubjectSummary &s : results::summarize(table.rows))
            found.append(results::testName(s) + u'|' + QString::number(s.reports) + u'|' + results::decimalText(s.average));
        QCOMPARE(found, summaries);
    }

    // The filters by course and option, alone and together.
    void filters_data()
    {
        QTest::addColumn<QString>("course");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("marks");
        QTest::newRow("all") << "" << "" << QStringList{u"8,00"_qs, u"4,00"_qs, u"9,00"_qs, u"3,00"_qs};
        QTest::newRow("a course") << "2n ESO" << "" << QStringList{u"3,00"_qs};
        QTest::newRow("an option") << "" << "Francès" << QStringList{u"8,00"_qs};
        QTest::newRow("an option of another course") << "2n ESO" << "Anglès" << QStringList{};
    }
    void filters()
    {
        QFETCH(QString, course);
        QFETCH(QString, option);
        QFETCH(QStringList, marks);
        const testsupport::ProgramFolder folder(false);
        writeReports(folder, {u"1r ESO|Llengua Estrangera|Francès|8,00|json"_qs,
                              u"1r ESO|Llengua Estrangera|Anglès|4,00|json"_qs, u"1r ESO|Matemàtiques||9,00|json"_qs,
                              u"2n ESO|Matemàtiques||3,00|json"_qs});
        results::ReportTable table = results::loadReports(folder.path());
        QCOMPARE(results::courses(table.rows), (QStringList{u"1r ESO"_qs, u"2n ESO"_qs}));
        QCOMPARE(results::options(table.rows), (QStringList{u"Anglès"_qs, u"Francès"_qs}));
        results::ResultsModel model;
        model.setRows(table.rows);
        results::ResultsFilter filter(&model);
        filter.setCourse(course);
        filter.setOption(option);
        QStringList shown;
        for (const results::ResultRow &r : filter.shownRows())
            shown.append(r.mark);
        QCOMPARE(shown, marks);
    }
    // Sessions as "file:verdict:answer ..." (verdict r, w or b) -> each
    // question's "file|asked|right|wrong|blank|most frequent wrong answer".
    void questionStats_data()
    {
        QTest::addColumn<QStringList>("sessions");
        QTest::addColumn<QStringList>("stats");
        QTest::newRow("counted across sessions")
            << QStringList{u"a/1.txt:r: a/2.txt:w:chat"_qs, u"a/1.txt:w:x a/2.txt:w:chien"_qs,
                           u"a/2.txt:w:chien a/3.txt:b:"_qs}
            << QStringList{u"a/1.txt|2|1|1|0|x"_qs, u"a/2.txt|3|0|3|0|chien"_qs, u"a/3.txt|1|0|0|1|"_qs};
        QTest::newRow("a tie goes to the answer given first")
            << QStringList{u"a/1.txt:w:b"_qs, u"a/1.txt:w:c"_qs, u"a/1.txt:w:c"_qs, u"a/1.txt:w:b"_qs}
            << QStringList{u"a/1.txt|4|0|4|0|b"_qs};
        QTest::newRow("reports without a record add nothing") << QStringList{u""_qs} << QStringList{};
    }
    void questionStats()
    {
        QFETCH(QStringList, sessions);
        QFETCH(QStringList, stats);
        QList<results::ResultRow> rows;
        for (const QString &session : sessions) {
            results::ResultRow row;
            for (const QString &q : session.split(u' ', Qt::SkipEmptyParts)) {
                const QStringList part = q.split(u':');
                using V = bank::RecordedQuestion::Verdict;
                const V verdict = part[1] == u"r" ? V::Right : part[1] == u"w" ? V::Wrong : V::Blank;
                row.questions.append({part[0], 1, QString(), verdict, part[2]});
            }
            rows.append(row);
        }
        QStringList found;
        for (const results::QuestionStat &s : results::questionStats(rows)) {
            found.append(QStringList{s.file, QString::number(s.asked), QString::number(s.right),
                                     QString::number(s.wrong), QString::number(s.blank), s.commonWrong}
                             .join(u'|'));
        }
        QCOMPARE(found, stats);
    }

    // A question file edited since it was asked, gone, or named outside the
    // questions folder is marked; an unchanged one gives its statement.
    void changedQuestions()
    {
        const testsupport::ProgramFolder folder(false);
        const QByteArray same = testsupport::crlf({u" 2 "_qs, u"Autor"_qs, u"Quant fan 2 i 2?"_qs, u"4"_qs});
        folder.writeBytes(QStringLiteral("Preguntas/C/M/1.txt"), same);
        folder.writeBytes(QStringLiteral("Preguntas/C/M/2.txt"), same);
        folder.writeBytes(QStringLiteral("secret.txt"), same);
        results::ResultRow row;
        for (const QString &file : {u"C/M/1.txt"_qs, u"C/M/2.txt"_qs, u"C/M/9.txt"_qs, u"../secret.txt"_qs}) {
            const QString hash = bank::questionHash(file.endsWith(u"2.txt") ? QByteArray("before") : same);
            row.questions.append({file, 2, hash, bank::RecordedQuestion::Verdict::Right, QString()});
        }
        QList<results::QuestionStat> stats = results::questionStats({row});
        results::readQuestionFiles(stats, folder.file(QStringLiteral("Preguntas")));
        QStringList found;
        for (const results::QuestionStat &s : stats)
            found.append(s.file + u'|' + (s.changed ? u"changed"_qs : u"same"_qs) + u'|' + s.statement);
        QCOMPARE(found, (QStringList{u"../secret.txt|changed|"_qs, u"C/M/1.txt|same|Quant fan 2 i 2?"_qs,
                                     u"C/M/2.txt|changed|Quant fan 2 i 2?"_qs, u"C/M/9.txt|changed|"_qs}));
    }
    // The workbook: marks and counts as numbers, the moment as a date
    // (a number with a date format), the header row frozen, and the
    // statistics on a sheet of their own. Read with unzip where there is one.
    void workbook()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
            QSKIP("no unzip to open the workbook with");
        const testsupport::ProgramFolder folder(false);
        writeReports(folder, {u"1r ESO|Llengua Estrangera|Francès|7,50|json"_qs});
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("classe.xlsx"));
        QStringList messages;
        QCOMPARE(results::exportXlsx(folder.path(), path, messages), 0);
        auto sheet = [&](int n) {
            QProcess unzip;
            unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QStringLiteral("xl/worksheets/sheet%1.xml").arg(n)});
            unzip.waitForFinished();
            return unzip.readAllStandardOutput();
        };
        const QByteArray table = sheet(1);
        QVERIFY(table.contains("state=\"frozen\""));
        // 6 December 2026 09:00 as a spreadsheet date: 46362.375.
        QVERIFY2(table.contains("<v>46362.375</v>"), table.constData());
        QVERIFY(table.contains("<v>7.5</v>"));
        QVERIFY(table.contains("<v>2</v>"));
        QVERIFY(sheet(2).contains("state=\"frozen\""));
    }
};

QTEST_GUILESS_MAIN(TstSessionRecords)
#include "tst_sessionrecords.moc"
