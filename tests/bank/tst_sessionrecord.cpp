// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/sessionrecord.h"

#include <QTest>

// The record the player writes, read back by the class results; what no
// session gives is refused whole rather than half read.
class TstSessionRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsBack()
    {
        bank::SessionRecord record;
        record.pupil = QStringLiteral("Ànna \"la\"\nPetita");
        record.course = QStringLiteral("1r ESO");
        record.started = QDateTime(QDate(2026, 12, 6), QTime(9, 5));
        record.ended = QDateTime(QDate(2026, 12, 6), QTime(9, 25, 30));
        bank::RecordedTest t{QStringLiteral("Llengua Estrangera"), QStringLiteral("Francès"), 650, QStringLiteral(" 2,17"),
                             1, 1, 1, {}};
        t.questions = {{QStringLiteral("1r ESO/Llengua Estrangera/Francès/1.txt"), 1, bank::questionHash("x"),
                        bank::RecordedQuestion::Verdict::Right, QStringLiteral("B")},
                       {QStringLiteral("1r ESO/Llengua Estrangera/Francès/2.txt"), 2, QString(),
                        bank::RecordedQuestion::Verdict::Wrong, QStringLiteral("chat")},
                       {QStringLiteral("1r ESO/Llengua Estrangera/Francès/3.txt"), 0, QString(),
                        bank::RecordedQuestion::Verdict::Blank, QString()}};
        record.tests = {t};
        const QByteArray bytes = bank::sessionRecordBytes(record);
        QVERIFY(bytes.contains("\"version\":2"));
        // Fields it does not know, however nested, are passed over.
        const std::optional<bank::SessionRecord> read =
            bank::readSessionRecord(R"({"later":[{"a":[1,{"b":null}]},true],)" + bytes.mid(1));
        QVERIFY(read);
        QCOMPARE(read->pupil, record.pupil);
        QCOMPARE(read->course, record.course);
        QCOMPARE(read->started, record.started);
        QCOMPARE(read->ended, record.ended);
        QCOMPARE(read->tests.size(), 1);
        const bank::RecordedTest &r = read->tests[0];
        QCOMPARE(r.option, t.option);
        QCOMPARE(r.mark, t.mark);
        QCOMPARE(r.scaleHundredths, 650);
        QCOMPARE(r.right + r.wrong + r.blank, 3);
        QCOMPARE(r.questions.size(), 3);
        QCOMPARE(r.questions[1].answer, QStringLiteral("chat"));
        QCOMPARE(r.questions[1].verdict, bank::RecordedQuestion::Verdict::Wrong);
        QCOMPARE(r.questions[0].hash, bank::questionHash("x"));
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray test = R"({"subject":"M","option":"","scale":10,"mark":"","right":%1,"wrong":0,"blank":0,"questions":[%2]})";
        auto record = [&](const QByteArray &version, const QByteArray &right, const QByteArray &question) {
            return QByteArray(R"({"version":)" + version + R"(,"tests":[)"
                              + QByteArray(test).replace("%1", right).replace("%2", question) + "]}");
        };
        const QByteArray q = R"({"file":"a/b/1.txt","type":%1,"hash":"","verdict":"%2","answer":""})";
        QTest::newRow("a later version") << record("3", "0", "");
        QTest::newRow("no version") << QByteArray(R"({"tests":[]})");
        QTest::newRow("a fraction of a count") << record("1", "1.5", "");
        QTest::newRow("a negative count") << record("1", "-1", "");
        QTest::newRow("more than a test asks") << record("1", "101", "");
        QTest::newRow("a count as text") << record("1", "\"3\"", "");
        QTest::newRow("an unknown verdict") << record("1", "0", QByteArray(q).replace("%1", "1").replace("%2", "maybe"));
        QTest::newRow("an unknown type") << record("1", "0", QByteArray(q).replace("%1", "7").replace("%2", "right"));
        QTest::newRow("cut short") << record("1", "0", "").chopped(3);
        QTest::newRow("an array") << QByteArray("[]");
        QTest::newRow("tests not a list") << QByteArray(R"({"version":1,"tests":{}})");
        QTest::newRow("more after the record") << record("1", "0", "") + "{}";
        QTest::newRow("a NUL byte after the record") << record("1", "0", "") + QByteArray(1, '\0') + "x";
        QTest::newRow("a test not an object") << QByteArray(R"({"version":1,"tests":[[]]})");
        QTest::newRow("no questions") << QByteArray(R"({"version":1,"tests":[{"subject":"M","scale":10,"right":0,"wrong":0,"blank":0}]})");
        QTest::newRow("a subject not text") << record("1", "0", "").replace(R"("subject":"M")", R"("subject":{"a":"M"})");
    }
    void refused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!bank::readSessionRecord(bytes));
    }

    // The scale as each version writes it, in hundredths; nothing for a
    // scale no tope.txt gives.
    void scale_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QByteArray>("scale");
        QTest::addColumn<int>("hundredths"); // -1: the record is refused
        QTest::newRow("whole units, version 1") << QByteArray("1") << QByteArray("10") << 1000;
        QTest::newRow("a fraction in version 1") << QByteArray("1") << QByteArray("6.5") << -1;
        QTest::newRow("6,5") << QByteArray("2") << QByteArray("6.5") << 650;
        QTest::newRow("6,07, not exact as a double") << QByteArray("2") << QByteArray("6.07") << 607;
        QTest::newRow("9,99") << QByteArray("2") << QByteArray("9.99") << 999;
        QTest::newRow("whole") << QByteArray("2") << QByteArray("100") << 10000;
        QTest::newRow("a thousandth") << QByteArray("2") << QByteArray("6.505") << -1;
        QTest::newRow("negative") << QByteArray("2") << QByteArray("-1") << -1;
        QTest::newRow("as text") << QByteArray("2") << QByteArray("\"6,5\"") << -1;
    }
    void scale()
    {
        QFETCH(QByteArray, version);
        QFETCH(QByteArray, scale);
        QFETCH(int, hundredths);
        const std::optional<bank::SessionRecord> read = bank::readSessionRecord(
            R"({"version":)" + version + R"(,"tests":[{"subject":"M","scale":)" + scale
            + R"(,"right":0,"wrong":0,"blank":0,"questions":[]}]})");
        QCOMPARE(read ? read->tests[0].scaleHundredths : -1, hundredths);
        if (!read)
            return;
        // Written again, as the latest version, it reads the same.
        const std::optional<bank::SessionRecord> again = bank::readSessionRecord(bank::sessionRecordBytes(*read));
        QVERIFY(again);
        QCOMPARE(again->version, bank::kSessionRecordVersion);
        QCOMPARE(again->tests[0].scaleHundredths, hundredths);
    }

    void recordFileName_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("record");
        QTest::newRow("plain") << "Anna --5M,9H --6-12-2026.rtf" << "Anna --5M,9H --6-12-2026.json";
        QTest::newRow("a repeat") << "Anna --5M,9H --6-12-2026 (2).rtf" << "Anna --5M,9H --6-12-2026 (2).json";
        QTest::newRow("upper-case extension") << "Pau --1M,1H --1-1-2027.RTF" << "Pau --1M,1H --1-1-2027.json";
    }
    void recordFileName()
    {
        QFETCH(QString, report);
        QFETCH(QString, record);
        QCOMPARE(bank::recordFileName(report), record);
    }
};

QTEST_GUILESS_MAIN(TstSessionRecord)
#include "tst_sessionrecord.moc"
