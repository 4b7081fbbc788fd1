// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/reportformat.h"

#include <QTest>

// What the player writes, the class results read back the same.
class TstReportFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileNameReadsBack_data()
    {
        QTest::addColumn<QString>("pupil");
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("readPupil");
        const QDateTime morning(QDate(2026, 12, 6), QTime(9, 5));
        QTest::newRow("plain") << "Anna" << morning << "Anna";
        QTest::newRow("no name") << "" << morning << "Sin-nombre";
        QTest::newRow("slashes and a leading dot") << ".Jo/an" << morning << "_Jo_an";
        QTest::newRow("name shaped like a date") << "Pau --1M,1H --1-1-2000" << QDateTime(QDate(2027, 1, 31), QTime(23, 59))
                                                  << "Pau --1M,1H --1-1-2000";
    }
    void fileNameReadsBack()
    {
        QFETCH(QString, pupil);
        QFETCH(QDateTime, when);
        QFETCH(QString, readPupil);
        const std::optional<bank::ReportName> read = bank::readReportFileName(bank::reportFileName(pupil, when));
        QVERIFY(read);
        QCOMPARE(read->pupil, readPupil);
        QCOMPARE(read->when.date(), when.date());
        QCOMPARE(read->when.time(), when.time());
        QCOMPARE(read->repeat, 1);
    }

    void summaryLineReadsBack_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("readMark");
        QTest::newRow("marked") << "MATEMÀTIQUES" << " 7,50" << "7,50";
        QTest::newRow("never marked") << "SOCIALS" << "" << "";
        QTest::newRow("top of a scale of 100") << "LLENGUA" << " 100,00" << "100,00";
        QTest::newRow("a dash in the subject") << "CIÈNCIES - NATURA" << " 0,00" << "0,00";
    }
    void summaryLineReadsBack()
    {
        QFETCH(QString, subject);
        QFETCH(QString, mark);
        QFETCH(QString, readMark);
        const QString line = bank::summaryLine({subject, mark, 3, 1, 2}, QStringLiteral("ENCERTS"),
                                               QStringLiteral("ERRORS"), QStringLiteral("EN BLANC"));
        const std::optional<bank::ReportSummary> read = bank::readSummaryLine(line);
        QVERIFY2(read, qPrintable(line));
        QCOMPARE(read->subject, subject);
        QCOMPARE(read->mark, readMark);
        QCOMPARE(read->right, 3);
        QCOMPARE(read->wrong, 1);
        QCOMPARE(read->blank, 2);
    }
};

QTEST_MAIN(TstReportFormat)
#include "tst_reportformat.moc"
