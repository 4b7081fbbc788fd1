// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "player/testsession.h"

#include <QTest>

using player::TestSession;
using player::Verdict;

namespace {

// Two tests: Mates with m1..m3, Socials with s1 and s2. Files named in
// `unshowable` cannot be shown.
TestSession twoTests(const QStringList &unshowable = {})
{
    const QList<player::AssembledTest> tests{
        {QStringLiteral("Mates"), {QStringLiteral("1. Mates"), QStringLiteral("2. Mates"), QStringLiteral("3. Mates")},
         {QStringLiteral("m1"), QStringLiteral("m2"), QStringLiteral("m3")}},
        {QStringLiteral("Socials"), {QStringLiteral("1. Socials"), QStringLiteral("2. Socials")},
         {QStringLiteral("s1"), QStringLiteral("s2")}},
    };
    TestSession session(tests, QStringLiteral("Anna"),
                        [unshowable](const QString &file) { return !unshowable.contains(file); });
    session.setVerdictTexts(QStringLiteral("MOLT BÉ"), QStringLiteral("+1"));
    return session;
}

// "k/row/R", "k/row/W", or "k/row/W3" for a wrong multiple choice of option 3.
void play(TestSession &session, const QStringList &moves)
{
    for (const QString &move : moves) {
        const QStringList part = move.split(u'/');
        const bool right = part[2].startsWith(u'R');
        const int option = part[2].size() > 1 ? part[2].mid(1).toInt() : -1;
        session.book(part[0].toInt(), part[1].toInt(), right, QStringLiteral("Q"), QStringLiteral("a"), option);
    }
}

// "RW.|B." : a letter per row, tests apart.
QString verdicts(const TestSession &session)
{
    QStringList tests;
    for (int k = 0; k < session.testCount(); ++k) {
        QString letters;
        for (int row = 0; row < session.test(k).questions(); ++row)
            letters += QStringLiteral(".RWB").at(static_cast<int>(session.verdict(k, row)));
        tests.append(letters);
    }
    return tests.join(u'|');
}

} // namespace

class TstTestSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A sequence of moves -> the verdicts, the counters and marks, how many
    // answers were booked and which tests are over.
    void moves_data()
    {
        QTest::addColumn<QStringList>("unshowable");
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("verdicts");
        QTest::addColumn<QString>("counters"); // right-wrong mark, per test
        QTest::addColumn<int>("booked");
        QTest::addColumn<int>("finished");
        QTest::addColumn<bool>("ended");
        QTest::newRow("nothing yet") << QStringList() << QStringList() << "...|.." << "0-0 |0-0 " << 0 << 0 << false;
        QTest::newRow("right then wrong")
            << QStringList() << QStringList{"0/0/R", "0/1/W"} << "RW.|.." << "1-1  3,33|0-0 " << 2 << 0 << false;
        QTest::newRow("a judged row books nothing again")
            << QStringList() << QStringList{"0/0/R", "0/0/W", "0/0/R"} << "R..|.." << "1-0  3,33|0-0 " << 1 << 0 << false;
        QTest::newRow("no such test or row")
            << QStringList() << QStringList{"2/0/R", "-1/0/R", "1/2/R"} << "...|.." << "0-0 |0-0 " << 0 << 0 << false;
        QTest::newRow("a test answered whole is over")
            << QStringList() << QStringList{"1/0/R", "1/1/W"} << "...|RW" << "0-0 |1-1  5,00" << 2 << 1 << false;
        QTest::newRow("an unshowable question is blank once the rest is answered")
            << QStringList{"m3"} << QStringList{"0/0/R", "0/1/R"} << "RRB|.." << "2-0  6,66|0-0 " << 2 << 1 << false;
        QTest::newRow("a blank question books nothing")
            << QStringList{"m3"} << QStringList{"0/0/R", "0/1/R", "0/2/R"} << "RRB|.." << "2-0  6,66|0-0 " << 2 << 1 << false;
        QTest::newRow("the last test over ends the session")
            << QStringList{"s1", "s2"} << QStringList{"0/0/W", "0/1/W", "0/2/R"} << "WWR|BB" << "1-2  3,33|0-0 " << 3 << 2
            << true;
    }
    void moves()
    {
        QFETCH(QStringList, unshowable);
        QFETCH(QStringList, moves);
        QFETCH(QString, verdicts);
        QFETCH(QString, counters);
        QFETCH(int, booked);
        QFETCH(int, finished);
        QFETCH(bool, ended);
        TestSession session = twoTests(unshowable);
        play(session, moves);
        QCOMPARE(::verdicts(session), verdicts);
        QStringList shown;
        for (int k = 0; k < session.testCount(); ++k) {
            const player::SessionTest &t = session.test(k);
            shown.append(QStringLiteral("%1-%2 %3").arg(t.right).arg(t.wrong).arg(t.mark));
        }
        QCOMPARE(shown.join(u'|'), counters);
        QCOMPARE(session.answeredCount(), booked);
        QCOMPARE(session.finishedTestCount(), finished);
        QCOMPARE(session.isOver(), ended);
    }

    // The row text comes from the verdict, whatever the words: a leading
    // digit or a space in them changes nothing.
    void rowTexts_data()
    {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QStringList>("rows"); // of Mates
        QTest::newRow("open") << QStringList() << QStringList{"1. Mates", "2. Mates", "3. Mates"};
        QTest::newRow("right and wrong")
            << QStringList{"0/0/R", "0/1/W"} << QStringList{"MOLT BÉ", "+1", "3. Mates"};
        QTest::newRow("wrong choice of option 2") << QStringList{"0/2/W2"} << QStringList{"1. Mates", "2. Mates", "+1   "};
    }
    void rowTexts()
    {
        QFETCH(QStringList, moves);
        QFETCH(QStringList, rows);
        TestSession session = twoTests();
        play(session, moves);
        QStringList shown;
        for (int row = 0; row < 3; ++row)
            shown.append(session.rowText(0, row));
        QCOMPARE(shown, rows);
    }

    void transcriptAndReport()
    {
        TestSession session = twoTests({QStringLiteral("s2")});
        session.test(1).subject = QStringLiteral("Soci\nals");
        session.book(1, 0, true, QStringLiteral("Capital?"), QStringLiteral("París"));
        session.book(0, 0, false, QStringLiteral("On?"), std::nullopt);
        QCOMPARE(session.transcript(), QStringLiteral("Anna\r\r\r1.- Capital?\r\r --- París - MOLT BÉ"
                                                      "\r\r\r2.- On?\r\r --- +1"));
        QCOMPARE(session.reportText(QStringLiteral("Encerts"), QStringLiteral("Errors"), QStringLiteral("En blanc")),
                 session.transcript()
                     + QStringLiteral("\r\r\rMATES -  0,00 - ( ENCERTS : 0; ERRORS : 1; EN BLANC : 2 )"
                                      "\rSOCI ALS -  5,00 - ( ENCERTS : 1; ERRORS : 0; EN BLANC : 1 )"));
    }

    // Letters typed and corrections used stay with their question.
    void typedAnswerKeptPerQuestion()
    {
        TestSession session = twoTests();
        for (QChar key : QStringLiteral("cxa"))
            session.typedAnswer(0, 0, QStringLiteral("Casa")).type(key);
        session.typedAnswer(0, 1, QStringLiteral("Mar")).type(u'm');
        const player::TypedAnswer &again = session.typedAnswer(0, 0, QStringLiteral("Casa"));
        QCOMPARE(again.position(), 3);
        QCOMPARE(again.correctedLetters(), 1);
        QCOMPARE(session.typedAnswer(0, 1, QStringLiteral("Mar")).position(), 2);
    }
    // The record of a session: files named from the questions folder, the
    // option folder read from them (none for a subject without), answers
    // as given, and what was left open as blank.
    void record()
    {
        const QString course = QStringLiteral("/p/Preguntas/1r ESO");
        const QList<player::AssembledTest> tests{
            {QStringLiteral("Llengua Estrangera"), {QStringLiteral("1. L"), QStringLiteral("2. L"), QStringLiteral("3. L")},
             {course + QStringLiteral("/Llengua Estrangera/Francès/4.txt"),
              course + QStringLiteral("/Llengua Estrangera/Francès/1.txt"),
              course + QStringLiteral("/Llengua Estrangera/Francès/2.txt")}},
            {QStringLiteral("Mates"), {QStringLiteral("1. Mates")}, {course + QStringLiteral("/Mates/7.txt")}},
        };
        TestSession session(tests, QStringLiteral("Anna\nMaria"), {});
        session.coursePath = course;
        session.setMaximumMark(5);
        session.book(0, 0, true, QStringLiteral("Q"), QStringLiteral("chat"));
        session.book(0, 2, false, QStringLiteral("Q"), QStringLiteral("chien"));
        session.book(1, 0, false, QStringLiteral("Q"), std::nullopt);
        const QDateTime end(QDate(2026, 12, 6), QTime(9, 30));
        const bank::SessionRecord r = session.record(end);
        QCOMPARE(r.pupil, QStringLiteral("Anna\nMaria"));
        QCOMPARE(r.course, QStringLiteral("1r ESO"));
        QCOMPARE(r.ended, end);
        QCOMPARE(r.tests.size(), 2);
        QCOMPARE(r.tests[0].option, QStringLiteral("Francès"));
        QCOMPARE(r.tests[1].option, QString());
        QCOMPARE(r.tests[0].scaleHundredths, 500);
        QCOMPARE(r.tests[0].mark, session.test(0).mark);
        QCOMPARE((QList<int>{r.tests[0].right, r.tests[0].wrong, r.tests[0].blank}), (QList<int>{1, 1, 1}));
        QCOMPARE(r.tests[0].questions[0].file, QStringLiteral("1r ESO/Llengua Estrangera/Francès/4.txt"));
        using V = bank::RecordedQuestion::Verdict;
        QCOMPARE(r.tests[0].questions[0].verdict, V::Right);
        QCOMPARE(r.tests[0].questions[1].verdict, V::Blank);
        QCOMPARE(r.tests[0].questions[2].verdict, V::Wrong);
        QCOMPARE(r.tests[0].questions[2].answer, QStringLiteral("chien"));
        QCOMPARE(r.tests[1].questions[0].file, QStringLiteral("1r ESO/Mates/7.txt"));
        QCOMPARE(r.tests[1].questions[0].answer, QString());
    }
};

QTEST_MAIN(TstTestSession)
#include "tst_testsession.moc"
