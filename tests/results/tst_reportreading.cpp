// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pieces of reading a report: its file name, its RTF text, its summary
// lines, the table's sorting and filtering, CSV fields and the arguments.

#include "player/testlogic.h"
#include "results/commandline.h"
#include "results/reports.h"
#include "results/rtftext.h"
#include "results/table.h"
#include "results/texts.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using results::RtfProblem;

Q_DECLARE_METATYPE(results::RtfProblem)

namespace {

results::ResultRow row(const QString &pupil, const QDateTime &when, const QString &subject, const QString &mark)
{
    results::ResultRow r;
    r.pupil = pupil;
    r.when = when;
    r.subject = subject;
    r.mark = mark;
    return r;
}

} // namespace

class TstReportReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportName_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("pupil");
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<int>("repeat");
        QTest::newRow("minutes before hours") << "Anna --5M,9H --6-12-2026.rtf" << "Anna"
                                              << QDateTime(QDate(2026, 12, 6), QTime(9, 5), Qt::UTC) << 1;
        QTest::newRow("a repeat within the minute") << "Anna --5M,9H --6-12-2026 (12).rtf" << "Anna"
                                                    << QDateTime(QDate(2026, 12, 6), QTime(9, 5), Qt::UTC) << 12;
        QTest::newRow("a name holding the separator") << "Anna --1M --5M,9H --6-12-2026.rtf" << "Anna --1M"
                                                      << QDateTime(QDate(2026, 12, 6), QTime(9, 5), Qt::UTC) << 1;
        QTest::newRow("spaces and accents") << "Núria Puig --59M,23H --31-1-2027.rtf" << "Núria Puig"
                                            << QDateTime(QDate(2027, 1, 31), QTime(23, 59), Qt::UTC) << 1;
    }
    void reportName()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, pupil);
        QFETCH(QDateTime, when);
        QFETCH(int, repeat);
        const auto name = results::reportName(fileName);
        QVERIFY(name);
        QCOMPARE(name->pupil, pupil);
        QCOMPARE(name->when, when);
        QCOMPARE(name->repeat, repeat);
    }

    void notReportNames_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("hours before minutes") << "Anna --9H,5M --6-12-2026.rtf";
        QTest::newRow("no such day") << "Anna --5M,9H --30-2-2026.rtf";
        QTest::newRow("minute 60") << "Anna --60M,9H --6-12-2026.rtf";
        QTest::newRow("two-digit year") << "Anna --5M,9H --6-12-26.rtf";
        QTest::newRow("no name") << " --5M,9H --6-12-2026.rtf";
        QTest::newRow("repeat 1 is never written") << "Anna --5M,9H --6-12-2026 (1).rtf";
        QTest::newRow("another extension") << "Anna --5M,9H --6-12-2026.doc";
    }
    void notReportNames()
    {
        QFETCH(QString, fileName);
        QVERIFY(!results::reportName(fileName));
    }

    void rtfText_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QStringList>("paragraphs");
        QTest::addColumn<RtfProblem>("problem");
        QTest::newRow("paragraphs and Windows-1252") << QByteArray("{\\rtf1\\ansi {\\f0 Mat\\'e8ria}\\par\r\nDos}")
                                                     << QStringList{u"Matèria"_qs, u"Dos"_qs} << RtfProblem::None;
        QTest::newRow("tables and destinations left out")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fnil Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
                          "{\\*\\generator Word;}{\\info{\\title T}}Text}")
            << QStringList{u"Text"_qs} << RtfProblem::None;
        QTest::newRow("unicode with its fallback") << QByteArray("{\\rtf1 \\u8364?\\uc2 \\u-10179\\'3f\\'3f\\u-8704??ab}")
                                                   << QStringList{QStringLiteral("€\U0001F600ab")} << RtfProblem::None;
        QTest::newRow("escaped braces and backslash") << QByteArray("{\\rtf1 a\\{b\\}c\\\\d}")
                                                      << QStringList{u"a{b}c\\d"_qs} << RtfProblem::None;
        QTest::newRow("cut short") << QByteArray("{\\rtf1 {\\b Anna}\\par MATE") << QStringList{u"Anna"_qs, u"MATE"_qs}
                                   << RtfProblem::Unfinished;
        QTest::newRow("ends in a backslash") << QByteArray("{\\rtf1 a\\") << QStringList{u"a"_qs} << RtfProblem::Unfinished;
        QTest::newRow("ends inside a hex escape") << QByteArray("{\\rtf1 a\\'e") << QStringList{u"a"_qs}
                                                  << RtfProblem::Unfinished;
        QTest::newRow("plain text") << QByteArray("Anna\r\nMATES") << QStringList{} << RtfProblem::NotRtf;
        QTest::newRow("a closing brace too many") << QByteArray("{\\rtf1 a}}b") << QStringList{u"a"_qs}
                                                  << RtfProblem::None;
    }
    void rtfText()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QStringList, paragraphs);
        QFETCH(RtfProblem, problem);
        const results::RtfText text = results::rtfText(rtf);
        QCOMPARE(text.problem, problem);
        if (problem != RtfProblem::NotRtf)
            QCOMPARE(text.paragraphs, paragraphs);
    }

    // Deep nesting, huge parameters, stray bytes: a result, never a crash.
    void rtfTextOfAnyBytes()
    {
        QByteArray deep = "{\\rtf1 " + QByteArray(200000, '{') + "x";
        QCOMPARE(results::rtfText(deep).problem, RtfProblem::Unfinished);
        const QByteArray odd = "{\\rtf1\\u99999999999999999\\uc99999999999 \\'zz\\" + QByteArray(1, '\0') + "\xff}";
        QCOMPARE(results::rtfText(odd).problem, RtfProblem::None);
    }

    void summaryLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QList<int>>("counts");
        QTest::newRow("as written") << "MATEMÀTIQUES -  7,50 - ( CORRECTES : 3; ERRORS : 1; SENSE RESPOSTA : 1 )"
                                    << "MATEMÀTIQUES" << "7,50" << QList<int>{3, 1, 1};
        QTest::newRow("other words, scale of 15") << "LENGUA -  15,00 - ( BIEN : 12; MAL : 0; EN BLANCO : 0 )"
                                                  << "LENGUA" << "15,00" << QList<int>{12, 0, 0};
        QTest::newRow("a test never marked") << "MATEMÀTIQUES -  - ( ENCERTS : 0; ERRORS : 0; EN BLANC : 3 )"
                                             << "MATEMÀTIQUES" << "" << QList<int>{0, 0, 3};
        QTest::newRow("a subject holding a dash") << "CIÈNCIES - 2N -  5,00 - ( A : 1; B : 1; C : 0 )"
                                                  << "CIÈNCIES - 2N" << "5,00" << QList<int>{1, 1, 0};
        QTest::newRow("empty words") << "MATES -  1,00 - (  : 1;  : 2;  : 3 )" << "MATES" << "1,00"
                                     << QList<int>{1, 2, 3};
    }
    void summaryLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, subject);
        QFETCH(QString, mark);
        QFETCH(QList<int>, counts);
        const auto result = results::summaryLine(line);
        QVERIFY(result);
        QCOMPARE(result->subject, subject);
        QCOMPARE(result->mark, mark);
        QCOMPARE((QList<int>{result->right, result->wrong, result->blank}), counts);
    }

    void notSummaryLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("a question record") << "1. Quant fan 2 + 2? - 4 - CORRECTE";
        QTest::newRow("a negative blank count") << "MATES -  1,00 - ( A : 3; B : 1; C : -1 )";
        QTest::newRow("a mark that is no number") << "MATES - set - ( A : 1; B : 1; C : 1 )";
        QTest::newRow("cut short") << "MATES -  1,00 - ( A : 1; B : 1; C : 1";
    }
    void notSummaryLines()
    {
        QFETCH(QString, line);
        QVERIFY(!results::summaryLine(line));
    }

    // The last set of lines counts; a transcript line above them does not.
    void summaryLinesEndTheText()
    {
        const QString first = QStringLiteral("MATES -  1,00 - ( A : 1; B : 3; C : 0 )");
        const QString again = QStringLiteral("MATES -  2,00 - ( A : 2; B : 2; C : 0 )");
        const auto lines = results::summaryLines({u"Anna"_qs, u""_qs, u""_qs, first, u""_qs, u""_qs, again, u""_qs});
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.first().mark, QStringLiteral("2,00"));
        QVERIFY(results::summaryLines({first, u"Bon dia"_qs}).isEmpty());
    }

    void sortedByNumbersAndMoments()
    {
        const QDateTime morning(QDate(2026, 12, 6), QTime(9, 5));
        QList<results::ResultRow> rows = {row(u"b"_qs, morning.addDays(2), u"MATES"_qs, u"9,00"_qs),
                                          row(u"a"_qs, morning, u"MATES"_qs, u"10,00"_qs),
                                          row(u"c"_qs, morning, u"MATES"_qs, QString())};
        rows[2].repeat = 2;
        rows[0].right = 10;
        rows[1].right = 9;
        results::ResultsModel model;
        model.setRows(rows);
        results::ResultsFilter filter(&model);
        auto pupils = [&filter] {
            QString order;
            for (const results::ResultRow &r : filter.shownRows())
                order += r.pupil;
            return order;
        };
        filter.sort(results::Mark);
        QCOMPARE(pupils(), u"cba"_qs);
        filter.sort(results::Right);
        QCOMPARE(pupils(), u"cab"_qs);
        filter.sort(results::When, Qt::DescendingOrder);
        QCOMPARE(pupils(), u"bca"_qs);
    }

    void filtered_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("shown");
        QTest::newRow("everything") << QDate() << QDate() << QString() << "abcd";
        QTest::newRow("both ends count") << QDate(2026, 12, 6) << QDate(2026, 12, 7) << QString() << "bc";
        QTest::newRow("one subject") << QDate() << QDate() << "MATES" << "ac";
        QTest::newRow("subject and dates") << QDate(2026, 12, 7) << QDate() << "MATES" << "c";
    }
    void filtered()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, subject);
        QFETCH(QString, shown);
        const QTime late(23, 59);
        results::ResultsModel model;
        model.setRows({row(u"a"_qs, QDateTime(QDate(2026, 12, 5), late), u"MATES"_qs, u"5,00"_qs),
                       row(u"b"_qs, QDateTime(QDate(2026, 12, 6), QTime(0, 0)), u"CATALÀ"_qs, u"5,00"_qs),
                       row(u"c"_qs, QDateTime(QDate(2026, 12, 7), late), u"MATES"_qs, u"5,00"_qs),
                       row(u"d"_qs, QDateTime(QDate(2026, 12, 8), QTime(0, 0)), u"CATALÀ"_qs, u"5,00"_qs)});
        results::ResultsFilter filter(&model);
        filter.setDateRange(from, to);
        filter.setSubject(subject);
        QString pupils;
        for (const results::ResultRow &r : filter.shownRows())
            pupils += r.pupil;
        QCOMPARE(pupils, shown);
    }

    void summary()
    {
        const QDateTime when(QDate(2026, 12, 6), QTime(9, 5));
        const auto summaries = results::summarize({row(u"a"_qs, when, u"MATES"_qs, u"12,50"_qs),
                                                   row(u"b"_qs, when, u"CATALÀ"_qs, QString()),
                                                   row(u"c"_qs, when, u"MATES"_qs, u"2,25"_qs),
                                                   row(u"d"_qs, when, u"MATES"_qs, u"9,00"_qs)});
        QCOMPARE(summaries.size(), 2);
        QCOMPARE(summaries[0].subject, u"CATALÀ"_qs);
        QCOMPARE(summaries[0].reports, 1);
        QCOMPARE(summaries[0].marked, 0);
        QCOMPARE(summaries[1].reports, 3);
        QCOMPARE(results::decimalText(summaries[1].average), u"7,92"_qs);
        QCOMPARE(results::decimalText(summaries[1].lowest), u"2,25"_qs);
        QCOMPARE(results::decimalText(summaries[1].highest), u"12,50"_qs);
    }

    // A mark over the scale of tope.txt, read as the player reads it: the
    // scale's decimals count, it is not rounded to a whole number.
    void markOverScale_data()
    {
        QTest::addColumn<QByteArray>("tope");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("warning");
        QTest::newRow("15: 15,00 is the top") << QByteArray("15") << "15,00" << QString();
        QTest::newRow("15: 15,01 over") << QByteArray("15") << "15,01" << "over 15";
        QTest::newRow("6,5: 6,50 is the top") << QByteArray("6,5") << "6,50" << QString();
        QTest::newRow("6,5: 6,51 over") << QByteArray("6,5") << "6,51" << "over 6,50";
        QTest::newRow("7.5: 7,80 over") << QByteArray("7.5") << "7,80" << "over 7,50";
        QTest::newRow("no file: 10,00 is the top") << QByteArray() << "10,00" << QString();
        QTest::newRow("no mark, no warning") << QByteArray("6,5") << QString() << QString();
    }
    void markOverScale()
    {
        QFETCH(QByteArray, tope);
        QFETCH(QString, mark);
        QFETCH(QString, warning);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        if (!tope.isNull()) {
            QFile file(folder.filePath(u"tope.txt"_qs));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(tope + "\r\n");
        }
        const results::RowWarnings warnings{player::readMarkScale(folder.path()), u"over %1"_qs, u"many %1"_qs};
        QCOMPARE(results::warningText(row(u"a"_qs, {}, u"MATES"_qs, mark), warnings), warning);
    }

    void csvField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain and accents as they are") << "Núria 2n" << "Núria 2n";
        // LibreOffice's default import splits on commas as well.
        QTest::newRow("a mark's decimal comma") << "3,00" << "\"3,00\"";
        QTest::newRow("comma in a name") << "Núria, 2n" << "\"Núria, 2n\"";
        QTest::newRow("semicolon") << "a;b" << "\"a;b\"";
        QTest::newRow("quote doubled") << "El \"Pep\"" << "\"El \"\"Pep\"\"\"";
        QTest::newRow("line feed") << "a\nb" << "\"a\nb\"";
        QTest::newRow("carriage return") << "a\rb" << "\"a\rb\"";
        QTest::newRow("formula kept as text") << "=HYPERLINK(\"x\")" << "\"'=HYPERLINK(\"\"x\"\")\"";
        QTest::newRow("plus and at sign") << "+1" << "'+1";
    }
    void csvField()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(results::csvField(text), field);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("csvFile");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("wrong");
        QTest::newRow("window") << QStringList{} << "" << "" << false;
        QTest::newRow("csv") << QStringList{"--csv", "a.csv"} << "a.csv" << "" << false;
        QTest::newRow("csv of a folder") << QStringList{"--folder", "/p", "--csv", "a.csv"} << "a.csv" << "/p" << false;
        QTest::newRow("csv without a file") << QStringList{"--csv"} << "" << "" << true;
        QTest::newRow("unknown option") << QStringList{"--ods", "a.ods"} << "" << "" << true;
        QTest::newRow("standard output") << QStringList{"--csv", "-"} << "-" << "" << false;
        QTest::newRow("--help") << QStringList{"--help"} << "" << "" << false;
        QTest::newRow("--version with --csv") << QStringList{"--csv", "a.csv", "--version"} << "a.csv" << "" << false;
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, csvFile);
        QFETCH(QString, folder);
        QFETCH(bool, wrong);
        const results::CommandLine line = results::parseCommandLine(arguments);
        QCOMPARE(!line.error.isEmpty(), wrong);
        if (!wrong) {
            QCOMPARE(line.csvFile, csvFile);
            QCOMPARE(line.folder, folder);
        }
    }
};

QTEST_GUILESS_MAIN(TstReportReading)
#include "tst_reportreading.moc"
