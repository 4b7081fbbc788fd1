// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/pendingreports.h"
#include "bank/sessionrecord.h"

#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Files = QMap<QString, QByteArray>;

void writeFiles(const QString &folder, const Files &files)
{
    QDir().mkpath(folder);
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QFile file(folder + u'/' + it.key());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(it.value());
    }
}

Files readFiles(const QString &folder)
{
    Files files;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : names)
        files.insert(name, testsupport::readBytes(folder + u'/' + name));
    return files;
}

const QString kAnna = QStringLiteral("Anna --5M,10H --9-3-2026.rtf");
const QString kAnna2 = QStringLiteral("Anna --5M,10H --9-3-2026 (2).rtf");
const QString kAnna3 = QStringLiteral("Anna --5M,10H --9-3-2026 (3).rtf");
const QString kJoan = QStringLiteral("Joan --5M,10H --9-3-2026.rtf");

} // namespace

Q_DECLARE_METATYPE(Files)

class TstPendingReports : public QObject
{
    Q_OBJECT

    QTemporaryDir dataHome;

private Q_SLOTS:
    void init()
    {
        QVERIFY(dataHome.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
        QDir(bank::pendingReportsFolder()).removeRecursively();
    }

    void pendingFolderIsTheUsersOwn()
    {
        QCOMPARE(bank::pendingReportsFolder(), dataHome.path() + QStringLiteral("/brenloq/pending"));
    }

    void keepingNeverReplaces()
    {
        QString error;
        const QString first = bank::keepPendingReport(kAnna, "first", &error);
        QCOMPARE(first, bank::pendingReportsFolder() + u'/' + kAnna);
        QCOMPARE(bank::keepPendingReport(kAnna, "second", &error), bank::pendingReportsFolder() + u'/' + kAnna2);
        QCOMPARE(readFiles(bank::pendingReportsFolder()), (Files{{kAnna, "first"}, {kAnna2, "second"}}));
        QCOMPARE(QFile::permissions(bank::pendingReportsFolder()) & (QFile::ReadOther | QFile::ReadGroup),
                 QFile::Permissions());
    }

    void nowhereToKeepIt()
    {
        const QString blocked = dataHome.filePath(QStringLiteral("a-file"));
        writeFiles(dataHome.path(), {{QStringLiteral("a-file"), "x"}});
        qputenv("XDG_DATA_HOME", QFile::encodeName(blocked));
        QString error;
        QVERIFY(bank::keepPendingReport(kAnna, "report", &error).isEmpty());
        QVERIFY(!error.isEmpty());
    }

    void delivery_data()
    {
        QTest::addColumn<Files>("pending");
        QTest::addColumn<Files>("reports");
        QTest::addColumn<QString>("reportsFolder"); // "ok", "none" (no usable folder) or "file"
        QTest::addColumn<Files>("reportsAfter");
        QTest::addColumn<QStringList>("pendingAfter");
        QTest::addColumn<QStringList>("delivered");
        QTest::addColumn<QStringList>("dropped");

        QTest::newRow("into the reports folder")
            << Files{{kAnna, "A"}, {kJoan, "J"}} << Files{} << "ok" << Files{{kAnna, "A"}, {kJoan, "J"}}
            << QStringList{} << QStringList{kAnna, kJoan} << QStringList{};
        QTest::newRow("never over a classmate's report of the same name")
            << Files{{kAnna, "A"}} << Files{{kAnna, "other"}, {kAnna2, "other 2"}} << "ok"
            << Files{{kAnna, "other"}, {kAnna2, "other 2"}, {kAnna3, "A"}} << QStringList{} << QStringList{kAnna3}
            << QStringList{};
        QTest::newRow("the late write already there: not kept twice")
            << Files{{kAnna, "A"}} << Files{{kAnna, "other"}, {kAnna2, "A"}} << "ok"
            << Files{{kAnna, "other"}, {kAnna2, "A"}} << QStringList{} << QStringList{} << QStringList{kAnna2};
        QTest::newRow("a longer report under the name is another report")
            << Files{{kAnna, "A"}} << Files{{kAnna, "AA"}} << "ok" << Files{{kAnna, "AA"}, {kAnna2, "A"}}
            << QStringList{} << QStringList{kAnna2} << QStringList{};
        QTest::newRow("no usable reports folder: all stay pending")
            << Files{{kAnna, "A"}, {kJoan, "J"}} << Files{} << "none" << Files{} << QStringList{kAnna, kJoan}
            << QStringList{} << QStringList{};
        QTest::newRow("the reports folder refuses: all stay pending")
            << Files{{kAnna, "A"}, {kJoan, "J"}} << Files{} << "file" << Files{} << QStringList{kAnna, kJoan}
            << QStringList{} << QStringList{};
        QTest::newRow("a temporary left by a write cut short is no report")
            << Files{{QStringLiteral(".nou-x1"), "half"}} << Files{} << "ok" << Files{}
            << QStringList{QStringLiteral(".nou-x1")} << QStringList{} << QStringList{};
    }
    void delivery()
    {
        QFETCH(Files, pending);
        QFETCH(Files, reports);
        QFETCH(QString, reportsFolder);
        QFETCH(Files, reportsAfter);
        QFETCH(QStringList, pendingAfter);
        QFETCH(QStringList, delivered);
        QFETCH(QStringList, dropped);

        QTemporaryDir program;
        QString folder = program.filePath(QStringLiteral("Controles-Usuarios"));
        writeFiles(bank::pendingReportsFolder(), pending);
        writeFiles(folder, reports);
        if (reportsFolder == u"file") {
            // A file where a folder should be refuses every report, even root's.
            folder = program.filePath(QStringLiteral("plain-file"));
            writeFiles(program.path(), {{QStringLiteral("plain-file"), "x"}});
        }
        const bank::Delivery result = bank::deliverPendingReports(reportsFolder == u"none" ? QString() : folder);
        QCOMPARE(result.delivered, delivered);
        QCOMPARE(result.dropped, dropped);
        QCOMPARE(readFiles(program.filePath(QStringLiteral("Controles-Usuarios"))), reportsAfter);
        QCOMPARE(readFiles(bank::pendingReportsFolder()).keys(), pendingAfter);
        for (const QString &name : pendingAfter)
            QCOMPARE(testsupport::readBytes(bank::pendingReportsFolder() + u'/' + name), pending.value(name));
        if (reportsFolder == u"file")
            QVERIFY(!result.error.isEmpty());
    }

    // The session record kept pending with a report follows it to the name
    // the report is given; a record already there (the late write's) stays.
    void recordTravelsWithItsReport_data()
    {
        QTest::addColumn<Files>("reports");
        QTest::addColumn<Files>("records"); // in the reports folder's records folder, before
        QTest::addColumn<Files>("recordsAfter");
        QTest::newRow("into an empty folder") << Files{} << Files{} << Files{{u"Anna --5M,10H --9-3-2026.json"_qs, "R"}};
        QTest::newRow("after a classmate's report of the same name")
            << Files{{kAnna, "other"}} << Files{{u"Anna --5M,10H --9-3-2026.json"_qs, "other's"}}
            << Files{{u"Anna --5M,10H --9-3-2026.json"_qs, "other's"}, {u"Anna --5M,10H --9-3-2026 (2).json"_qs, "R"}};
        QTest::newRow("the late write's report there, not its record")
            << Files{{kAnna, "A"}} << Files{} << Files{{u"Anna --5M,10H --9-3-2026.json"_qs, "R"}};
        QTest::newRow("the late write's report and record there")
            << Files{{kAnna, "A"}} << Files{{u"Anna --5M,10H --9-3-2026.json"_qs, "late"}}
            << Files{{u"Anna --5M,10H --9-3-2026.json"_qs, "late"}};
    }
    void recordTravelsWithItsReport()
    {
        QFETCH(Files, reports);
        QFETCH(Files, records);
        QFETCH(Files, recordsAfter);
        QTemporaryDir program;
        const QString folder = program.filePath(QStringLiteral("Controles-Usuarios"));
        writeFiles(folder, reports);
        if (!records.isEmpty())
            writeFiles(folder + QStringLiteral("/.registres"), records);
        const QString pending = bank::keepPendingReport(kAnna, "A");
        QCOMPARE(bank::keepRecord(bank::pendingReportsFolder(), kAnna, "R"), QString());
        QVERIFY(QFileInfo::exists(pending));
        const bank::Delivery result = bank::deliverPendingReports(folder);
        QVERIFY(result.recordsLost.isEmpty());
        QCOMPARE(readFiles(folder + QStringLiteral("/.registres")), recordsAfter);
        QCOMPARE(readFiles(bank::pendingReportsFolder() + QStringLiteral("/.registres")), Files{});
    }
};

QTEST_GUILESS_MAIN(TstPendingReports)
#include "tst_pendingreports.moc"
