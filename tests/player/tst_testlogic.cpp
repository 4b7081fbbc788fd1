// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "player/loadfailure.h"
#include "player/testlogic.h"

#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using player::SubjectChoice;
using player::TypedAnswer;
using testsupport::ProgramFolder;

Q_DECLARE_METATYPE(player::SubjectChoice)

namespace {

// Hands out the given values in order and counts them. Once they are used up
// it goes on with values spread over [0, 1), so that a draw that asks for
// too many still ends and the test can report the overrun.
class Sequence
{
public:
    explicit Sequence(QList<double> values) : values(std::move(values)) {}

    player::RandomSource source()
    {
        return [this] {
            const int i = used++;
            if (i < values.size())
                return values[i];
            const double spread = (i - values.size()) * 0.6180339887;
            return spread - static_cast<long long>(spread);
        };
    }
    int consumed() const { return used; }

private:
    QList<double> values;
    int used = 0;
};

// A value that falls in bucket `n` (0-based) of `size` buckets.
double bucket(int n, int size)
{
    return (n + 0.5) / size;
}

QList<int> toList(const std::array<int, 8> &order)
{
    return QList<int>(order.begin(), order.end());
}

SubjectChoice subject(const QString &name, bool chosen, const QString &option, const QString &available)
{
    SubjectChoice s;
    s.name = name;
    s.chosen = chosen;
    s.option = option;
    s.available = available;
    return s;
}

// "right@2", "wrong@2", "corrected@2", with " complete" on the last letter.
QString describe(const TypedAnswer::Step &step)
{
    QString text = step.corrected ? QStringLiteral("corrected") : step.matched ? QStringLiteral("right") : QStringLiteral("wrong");
    text += u'@' + QString::number(step.offset);
    if (step.complete)
        text += QStringLiteral(" complete");
    return text;
}

const QDateTime kAnnaTime(QDate(2026, 12, 6), QTime(9, 5, 41));

} // namespace

class TstTestLogic : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ProgramFolder> bankFolder;
    QString coursePath;

private Q_SLOTS:
    void initTestCase()
    {
        bankFolder = std::make_unique<ProgramFolder>(false);
        auto questions = [&](const QString &folder, const QList<int> &numbers) {
            for (int n : numbers)
                bankFolder->writeLines(QStringLiteral("Preguntas/Curs/%1/%2.txt").arg(folder).arg(n),
                                       {QStringLiteral("6"), QStringLiteral("autor"), QStringLiteral("?"), QStringLiteral("FALSO")});
        };
        questions(QStringLiteral("Mates/Opció A"), {1, 2, 3, 4, 5});
        questions(QStringLiteral("Mates/Opció B"), {1, 2});
        questions(QStringLiteral("Llengua"), {1, 2, 3});
        questions(QStringLiteral("Música/Nivell"), {1, 2});
        questions(QStringLiteral("Història"), {1, 2, 3, 4});
        questions(QStringLiteral("Ciències/Tema"), {1, 2, 4});
        questions(QStringLiteral("Anglès"), {1, 2, 3});
        coursePath = bankFolder->file(QStringLiteral("Preguntas/Curs"));
    }

    // --- drawing question numbers ---

    void drawDistinct_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("available");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QList<int>>("expected");
        QTest::addColumn<int>("consumed");

        QTest::newRow("each value r gives int(r * available) + 1")
            << 3 << 10 << QList<double>{0.0, 0.55, 0.999} << QList<int>{1, 6, 10} << 3;
        QTest::newRow("0.0 gives the first file, 0.999 the last")
            << 2 << 100 << QList<double>{0.0, 0.999} << QList<int>{1, 100} << 2;
        QTest::newRow("a third of 3 files: 0.3333 is file 1, 0.3334 file 2")
            << 2 << 3 << QList<double>{0.3333, 0.3334} << QList<int>{1, 2} << 2;
        QTest::newRow("repeats are drawn again, in place")
            << 3 << 5 << QList<double>{0.1, 0.15, 0.5, 0.1, 0.55, 0.9} << QList<int>{1, 3, 5} << 6;
        QTest::newRow("fewer files than wanted gives each file once")
            << 15 << 4 << QList<double>{0.8, 0.1, 0.85, 0.3, 0.0, 0.6} << QList<int>{4, 1, 2, 3} << 6;
        QTest::newRow("exactly as many files as wanted gives all")
            << 4 << 4 << QList<double>{0.5, 0.0, 0.99, 0.26} << QList<int>{3, 1, 4, 2} << 4;
        QTest::newRow("2 of 3 gives two distinct numbers")
            << 2 << 3 << QList<double>{0.7, 0.7, 0.0} << QList<int>{3, 1} << 3;
        QTest::newRow("a folder count of 3 never yields 4")
            << 3 << 3 << QList<double>{0.999, 0.9999999, 0.5, 0.0} << QList<int>{3, 2, 1} << 4;
        QTest::newRow("no files gives nothing and draws nothing")
            << 5 << 0 << QList<double>{} << QList<int>{} << 0;
    }

    void drawDistinct()
    {
        QFETCH(int, count);
        QFETCH(int, available);
        QFETCH(QList<double>, values);
        QFETCH(QList<int>, expected);
        QFETCH(int, consumed);

        Sequence sequence(values);
        QCOMPARE(player::drawDistinct(count, available, sequence.source()), expected);
        QCOMPARE(sequence.consumed(), consumed);
    }

    void drawDistinctWithRealRandomness_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("available");

        QTest::newRow("15 of 7 files: every file once") << 15 << 7;
        QTest::newRow("15 of 15 files: every file once") << 15 << 15;
        QTest::newRow("2 of 3 files") << 2 << 3;
        QTest::newRow("100 of 100 files") << 100 << 100;
        QTest::newRow("15 of 40 files") << 15 << 40;
    }

    void drawDistinctWithRealRandomness()
    {
        QFETCH(int, count);
        QFETCH(int, available);

        for (quint32 seed = 1; seed <= 20; ++seed) {
            QRandomGenerator generator(seed);
            QList<int> drawn = player::drawDistinct(count, available, [&] { return generator.generateDouble(); });
            QCOMPARE(drawn.size(), std::min(count, available));
            std::sort(drawn.begin(), drawn.end());
            QVERIFY2(std::adjacent_find(drawn.begin(), drawn.end()) == drawn.end(), "a number drawn twice");
            QVERIFY(drawn.first() >= 1);
            QVERIFY(drawn.last() <= available);
        }
    }

    // --- option order ---

    void drawOptionOrder_data()
    {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QList<int>>("expected");
        QTest::addColumn<int>("consumed");

        const QList<int> example{5, 2, 7, 0, 3, 6, 1, 4};
        QList<double> straight;
        for (int r : example)
            straight << bucket(r, 8);
        QTest::newRow("one value per position gives 5,2,7,0,3,6,1,4") << straight << example << 8;

        QList<double> withRepeats;
        for (int r : {5, 2, 5, 7, 2, 0, 5, 3, 3, 6, 1, 7, 0, 4})
            withRepeats << bucket(r, 8);
        QTest::newRow("repeats in between are drawn again") << withRepeats << example << 14;

        QTest::newRow("0.0 gives option 0 and 0.999 option 7")
            << QList<double>{0.999, 0.0, 0.5, 0.25, 0.125, 0.375, 0.625, 0.75}
            << QList<int>{7, 0, 4, 2, 1, 3, 5, 6} << 8;
        QTest::newRow("values on the edge of a bucket: 0.125 is option 1")
            << QList<double>{0.125, 0.12499, 0.25, 0.375, 0.5, 0.625, 0.75, 0.875}
            << QList<int>{1, 0, 2, 3, 4, 5, 6, 7} << 8;
    }

    void drawOptionOrder()
    {
        QFETCH(QList<double>, values);
        QFETCH(QList<int>, expected);
        QFETCH(int, consumed);

        Sequence sequence(values);
        QCOMPARE(toList(player::drawOptionOrder(sequence.source())), expected);
        QCOMPARE(sequence.consumed(), consumed);
    }

    void drawOptionOrderIsAPermutation_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 17u, 4711u, 65535u})
            QTest::addRow("seed %u", seed) << seed;
    }

    void drawOptionOrderIsAPermutation()
    {
        QFETCH(quint32, seed);
        QRandomGenerator generator(seed);
        QList<int> order = toList(player::drawOptionOrder([&] { return generator.generateDouble(); }));
        std::sort(order.begin(), order.end());
        QCOMPARE(order, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    }

    // --- test assembly ---

    void assembleTests_data()
    {
        QTest::addColumn<QList<SubjectChoice>>("subjects");
        QTest::addColumn<int>("questionsPerSubject");
        QTest::addColumn<QList<double>>("values");
        // One line per question: subject | label | path under the course.
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("only chosen subjects with at least 3 files, labels restart per subject")
            << QList<SubjectChoice>{subject(QStringLiteral("Mates"), true, QStringLiteral("Opció A"), QStringLiteral("5")),
                                    subject(QStringLiteral("Música"), true, QStringLiteral("Nivell"), QStringLiteral("2")),
                                    subject(QStringLiteral("Història"), false, QString(), QStringLiteral("4")),
                                    subject(QStringLiteral("Llengua"), true, QString(), QStringLiteral("3"))}
            << 2 << QList<double>{bucket(4, 5), bucket(0, 5), bucket(1, 3), bucket(0, 3)}
            << QStringList{QStringLiteral("Mates | 1. Mates | Mates/Opció A/5.txt"),
                           QStringLiteral("Mates | 2. Mates | Mates/Opció A/1.txt"),
                           QStringLiteral("Llengua | 1. Llengua | Llengua/2.txt"),
                           QStringLiteral("Llengua | 2. Llengua | Llengua/1.txt")};
        QTest::newRow("the count caption decides: \"2\" skipped, \"3\" taken")
            << QList<SubjectChoice>{subject(QStringLiteral("Història"), true, QString(), QStringLiteral("2")),
                                    subject(QStringLiteral("Mates"), true, QStringLiteral("Opció B"), QStringLiteral("3"))}
            << 2 << QList<double>{bucket(2, 3), bucket(1, 3)}
            << QStringList{QStringLiteral("Mates | 1. Mates | Mates/Opció B/3.txt"),
                           QStringLiteral("Mates | 2. Mates | Mates/Opció B/2.txt")};
        QTest::newRow("fewer files than questions per subject asks each file once")
            << QList<SubjectChoice>{subject(QStringLiteral("Llengua"), true, QString(), QStringLiteral("3"))}
            << 15 << QList<double>{bucket(2, 3), bucket(1, 3), bucket(2, 3), bucket(0, 3)}
            << QStringList{QStringLiteral("Llengua | 1. Llengua | Llengua/3.txt"),
                           QStringLiteral("Llengua | 2. Llengua | Llengua/2.txt"),
                           QStringLiteral("Llengua | 3. Llengua | Llengua/1.txt")};
        QTest::newRow("questions per subject limits the count")
            << QList<SubjectChoice>{subject(QStringLiteral("Mates"), true, QStringLiteral("Opció A"), QStringLiteral("5"))}
            << 3 << QList<double>{bucket(1, 5), bucket(3, 5), bucket(1, 5), bucket(2, 5)}
            << QStringList{QStringLiteral("Mates | 1. Mates | Mates/Opció A/2.txt"),
                           QStringLiteral("Mates | 2. Mates | Mates/Opció A/4.txt"),
                           QStringLiteral("Mates | 3. Mates | Mates/Opció A/3.txt")};
        QTest::newRow("two subjects with the same count draw independently")
            << QList<SubjectChoice>{subject(QStringLiteral("Llengua"), true, QString(), QStringLiteral("3")),
                                    subject(QStringLiteral("Anglès"), true, QString(), QStringLiteral("3"))}
            << 3 << QList<double>{bucket(0, 3), bucket(1, 3), bucket(2, 3), bucket(2, 3), bucket(0, 3), bucket(1, 3)}
            << QStringList{QStringLiteral("Llengua | 1. Llengua | Llengua/1.txt"),
                           QStringLiteral("Llengua | 2. Llengua | Llengua/2.txt"),
                           QStringLiteral("Llengua | 3. Llengua | Llengua/3.txt"),
                           QStringLiteral("Anglès | 1. Anglès | Anglès/3.txt"),
                           QStringLiteral("Anglès | 2. Anglès | Anglès/1.txt"),
                           QStringLiteral("Anglès | 3. Anglès | Anglès/2.txt")};
        QTest::newRow("an option spelt in another case is found in the bank")
            << QList<SubjectChoice>{subject(QStringLiteral("Mates"), true, QStringLiteral("opció a"), QStringLiteral("5"))}
            << 2 << QList<double>{bucket(0, 5), bucket(4, 5)}
            << QStringList{QStringLiteral("Mates | 1. Mates | Mates/Opció A/1.txt"),
                           QStringLiteral("Mates | 2. Mates | Mates/Opció A/5.txt")};
        QTest::newRow("files 1, 2 and 4 counted 3 can yield the missing 3, never 4")
            << QList<SubjectChoice>{subject(QStringLiteral("Ciències"), true, QStringLiteral("Tema"), QStringLiteral("3"))}
            << 2 << QList<double>{0.999, 0.0}
            << QStringList{QStringLiteral("Ciències | 1. Ciències | Ciències/Tema/3.txt"),
                           QStringLiteral("Ciències | 2. Ciències | Ciències/Tema/1.txt")};
        QTest::newRow("no subject qualifies: no test")
            << QList<SubjectChoice>{subject(QStringLiteral("Música"), true, QStringLiteral("Nivell"), QStringLiteral("2")),
                                    subject(QStringLiteral("Història"), false, QString(), QStringLiteral("4"))}
            << 15 << QList<double>{} << QStringList{};
    }

    void assembleTests()
    {
        QFETCH(QList<SubjectChoice>, subjects);
        QFETCH(int, questionsPerSubject);
        QFETCH(QList<double>, values);
        QFETCH(QStringList, expected);

        Sequence sequence(values);
        const QList<player::AssembledTest> tests =
            player::assembleTests(subjects, questionsPerSubject, coursePath, sequence.source(), 16);

        QStringList actual;
        for (const player::AssembledTest &test : tests) {
            QCOMPARE(test.labels.size(), test.paths.size());
            for (int m = 0; m < test.labels.size(); ++m) {
                QVERIFY2(test.paths[m].startsWith(coursePath + u'/'), qPrintable(test.paths[m]));
                actual << test.subject + QStringLiteral(" | ") + test.labels[m] + QStringLiteral(" | ")
                        + test.paths[m].mid(coursePath.size() + 1);
            }
        }
        QCOMPARE(actual, expected);
        QCOMPARE(sequence.consumed(), values.size());
    }

    void assembledPathsOpenTheBanksFiles()
    {
        // Every drawn path of a complete subject is a file of the bank.
        QRandomGenerator generator(7);
        const QList<player::AssembledTest> tests = player::assembleTests(
            {subject(QStringLiteral("Mates"), true, QStringLiteral("Opció A"), QStringLiteral("5")),
             subject(QStringLiteral("Història"), true, QString(), QStringLiteral("4"))},
            15, coursePath, [&] { return generator.generateDouble(); }, 16);
        QCOMPARE(tests.size(), 2);
        QCOMPARE(tests[0].paths.size(), 5);
        QCOMPARE(tests[1].paths.size(), 4);
        for (const player::AssembledTest &test : tests) {
            for (const QString &path : test.paths)
                QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
        }
    }

    void assembleTestsLimit_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("maxTests");
        QTest::addColumn<QStringList>("expectedSubjects");

        QStringList seventeen;
        QStringList first16;
        for (int i = 1; i <= 17; ++i) {
            seventeen << QStringLiteral("3");
            if (i <= 16)
                first16 << QStringLiteral("S%1").arg(i);
        }
        QTest::newRow("a 17th qualifying subject is not taken") << seventeen << 16 << first16;

        QStringList oneTooSmall = seventeen;
        oneTooSmall[4] = QStringLiteral("2");
        QStringList withoutS5;
        for (int i = 1; i <= 17; ++i) {
            if (i != 5)
                withoutS5 << QStringLiteral("S%1").arg(i);
        }
        QTest::newRow("a skipped subject leaves room for the 17th") << oneTooSmall << 16 << withoutS5;
        QTest::newRow("a smaller limit is kept too")
            << QStringList{QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("3")} << 2
            << QStringList{QStringLiteral("S1"), QStringLiteral("S2")};
    }

    void assembleTestsLimit()
    {
        QFETCH(QStringList, captions);
        QFETCH(int, maxTests);
        QFETCH(QStringList, expectedSubjects);

        QList<SubjectChoice> subjects;
        for (int i = 0; i < captions.size(); ++i)
            subjects << subject(QStringLiteral("S%1").arg(i + 1), true, QString(), captions[i]);
        int tick = 0;
        const QList<player::AssembledTest> tests = player::assembleTests(
            subjects, 2, coursePath, [&] { return bucket(tick++ % 3, 3); }, maxTests);

        QStringList names;
        for (const player::AssembledTest &test : tests) {
            names << test.subject;
            QCOMPARE(test.labels, (QStringList{QStringLiteral("1. ") + test.subject, QStringLiteral("2. ") + test.subject}));
        }
        QCOMPARE(names, expectedSubjects);
    }

    // --- list entries ---

    void wrongMultipleChoiceEntry_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("expected");

        QTest::newRow("first option: one space") << 0 << QStringLiteral("INCORRECTA ");
        QTest::newRow("option index 2: three spaces") << 2 << QStringLiteral("INCORRECTA   ");
        QTest::newRow("option index 7: eight spaces") << 7 << QStringLiteral("INCORRECTA        ");
    }

    void wrongMultipleChoiceEntry()
    {
        QFETCH(int, option);
        QFETCH(QString, expected);
        const QString entry = player::wrongMultipleChoiceEntry(QStringLiteral("INCORRECTA"), option);
        QCOMPARE(entry, expected);
    }

    // --- marks ---

    void markOnScale_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("questions");
        QTest::addColumn<qint64>("hundredths");
        QTest::addColumn<QString>("expected");

        QTest::newRow("3 of 4") << 3 << 4 << qint64(1000) << QStringLiteral(" 7,50");
        QTest::newRow("1 of 3 truncated") << 1 << 3 << qint64(1000) << QStringLiteral(" 3,33");
        QTest::newRow("2 of 3 truncated, not rounded") << 2 << 3 << qint64(1000) << QStringLiteral(" 6,66");
        QTest::newRow("4 of 4") << 4 << 4 << qint64(1000) << QStringLiteral(" 10,00");
        QTest::newRow("none right") << 0 << 4 << qint64(1000) << QStringLiteral(" 0,00");
        QTest::newRow("3 of 7 truncated to 4,28") << 3 << 7 << qint64(1000) << QStringLiteral(" 4,28");
        QTest::newRow("hundredths keep their leading zero") << 1 << 200 << qint64(1000) << QStringLiteral(" 0,05");
        QTest::newRow("scale 20: 3 of 4") << 3 << 4 << qint64(2000) << QStringLiteral(" 15,00");
        QTest::newRow("scale 20: 1 of 3") << 1 << 3 << qint64(2000) << QStringLiteral(" 6,66");
        QTest::newRow("scale 20: all right") << 5 << 5 << qint64(2000) << QStringLiteral(" 20,00");
        QTest::newRow("no questions: no division by zero") << 0 << 0 << qint64(1000) << QStringLiteral(" 0,00");
        QTest::newRow("no questions on 20") << 0 << 0 << qint64(2000) << QStringLiteral(" 0,00");
        QTest::newRow("scale 100: 1 of 3") << 1 << 3 << qint64(10000) << QStringLiteral(" 33,33");
        // Whole hundredths: in double precision each of these came out one
        // hundredth short.
        QTest::newRow("scale 1: 29 of 100") << 29 << 100 << qint64(100) << QStringLiteral(" 0,29");
        QTest::newRow("23 of 25") << 23 << 25 << qint64(1000) << QStringLiteral(" 9,20");
        QTest::newRow("51 of 100") << 51 << 100 << qint64(1000) << QStringLiteral(" 5,10");
        QTest::newRow("41 of 50") << 41 << 50 << qint64(1000) << QStringLiteral(" 8,20");
    }

    void markOnScale()
    {
        QFETCH(int, right);
        QFETCH(int, questions);
        QFETCH(qint64, hundredths);
        QFETCH(QString, expected);

        // The comma whatever the user's locale.
        const QLocale saved;
        for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::Arabic, QLocale::Egypt)}) {
            QLocale::setDefault(locale);
            const QString text = player::markTextOnScale(right, questions, hundredths);
            QLocale::setDefault(saved);
            QCOMPARE(text, expected);
        }
    }

    // Every count up to 100 questions on the scale of 10: the mark is the
    // largest number of hundredths m with m / 100 <= right * 10 / questions.
    void markTextIsExact_data()
    {
        QTest::addColumn<int>("questions");
        for (int n = 1; n <= 100; ++n)
            QTest::addRow("%d questions", n) << n;
    }

    void markTextIsExact()
    {
        QFETCH(int, questions);
        for (int right = 0; right <= questions; ++right) {
            const QString text = player::markTextOnScale(right, questions, 1000);
            static const QRegularExpression shape(QStringLiteral("^ (\\d+),(\\d\\d)$"));
            const QRegularExpressionMatch parts = shape.match(text);
            QVERIFY2(parts.hasMatch(), qPrintable(text));
            const qint64 m = parts.captured(1).toLongLong() * 100 + parts.captured(2).toLongLong();
            QVERIFY2(m * questions <= right * 1000LL && right * 1000LL < (m + 1) * questions,
                     qPrintable(QStringLiteral("%1 of %2 gives%3").arg(right).arg(questions).arg(text)));
        }
    }

    void markScale_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("hundredths");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("mark");

        QTest::newRow("decimal comma: 6,5") << QStringLiteral("6,5") << 650 << 3 << 4 << QStringLiteral(" 4,87");
        QTest::newRow("decimal point: 6.5") << QStringLiteral("6.5") << 650 << 4 << 4 << QStringLiteral(" 6,50");
        QTest::newRow("7.9 kept") << QStringLiteral("7.9") << 790 << 1 << 3 << QStringLiteral(" 2,63");
        QTest::newRow("past the hundredths dropped") << QStringLiteral("6,559") << 655 << 1 << 1 << QStringLiteral(" 6,55");
        QTest::newRow("blanks and words around") << QStringLiteral("  12,7 punts") << 1270 << 1 << 2 << QStringLiteral(" 6,35");
        QTest::newRow("whole number") << QStringLiteral("20") << 2000 << 23 << 25 << QStringLiteral(" 18,40");
        QTest::newRow("32767 fits") << QStringLiteral("32767") << 3276700 << 1 << 1 << QStringLiteral(" 32767,00");
        QTest::newRow("0 gives 10") << QStringLiteral("0") << 1000 << 23 << 25 << QStringLiteral(" 9,20");
        QTest::newRow("0,00 gives 10") << QStringLiteral("0,00") << 1000 << 1 << 2 << QStringLiteral(" 5,00");
        QTest::newRow("-3 gives 10") << QStringLiteral("-3") << 1000 << 1 << 2 << QStringLiteral(" 5,00");
        QTest::newRow("text gives 10") << QStringLiteral("deu") << 1000 << 1 << 2 << QStringLiteral(" 5,00");
        QTest::newRow("missing file gives 10") << QString() << 1000 << 1 << 2 << QStringLiteral(" 5,00");
        QTest::newRow("40000 gives 10") << QStringLiteral("40000") << 1000 << 1 << 2 << QStringLiteral(" 5,00");
        QTest::newRow("0,5 is a scale") << QStringLiteral("0,5") << 50 << 1 << 2 << QStringLiteral(" 0,25");
        QTest::newRow("32767,5 gives 10") << QStringLiteral("32767,5") << 1000 << 1 << 2 << QStringLiteral(" 5,00");
    }

    void markScale()
    {
        QFETCH(QString, line);
        QFETCH(int, hundredths);
        QFETCH(int, right);
        QFETCH(int, questions);
        QFETCH(QString, mark);
        QCOMPARE(player::markScaleHundredths(line), hundredths);
        QCOMPARE(player::markTextOnScale(right, questions, hundredths), mark);
    }

    // The scale as tope.txt gives it, read as the player reads it.
    void isFailingMark_data()
    {
        QTest::addColumn<QString>("tope");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<bool>("red");

        QTest::newRow("10: 4,99 red") << QStringLiteral("10") << QStringLiteral(" 4,99") << true;
        QTest::newRow("10: 5,00 blue, half passes") << QStringLiteral("10") << QStringLiteral(" 5,00") << false;
        QTest::newRow("10: 10,00 blue") << QStringLiteral("10") << QStringLiteral(" 10,00") << false;
        QTest::newRow("10: 0,00 red") << QStringLiteral("10") << QStringLiteral(" 0,00") << true;
        QTest::newRow("empty mark (never marked) red") << QStringLiteral("10") << QString() << true;
        QTest::newRow("20 punts: 9,99 red") << QStringLiteral("20 punts") << QStringLiteral(" 9,99") << true;
        QTest::newRow("20: 10,00 blue") << QStringLiteral("20") << QStringLiteral(" 10,00") << false;
        QTest::newRow("100: 49,99 red") << QStringLiteral("100") << QStringLiteral(" 49,99") << true;
        QTest::newRow("15: 7,50 blue, the decimals count") << QStringLiteral("15") << QStringLiteral(" 7,50") << false;
        QTest::newRow("15: 7,49 red") << QStringLiteral("15") << QStringLiteral(" 7,49") << true;
        // Half of the scale itself, not of a whole number near it.
        QTest::newRow("6,5: 3,10 red (half is 3,25)") << QStringLiteral("6,5") << QStringLiteral(" 3,10") << true;
        QTest::newRow("6,5: 3,24 red") << QStringLiteral("6,5") << QStringLiteral(" 3,24") << true;
        QTest::newRow("6,5: 3,25 blue") << QStringLiteral("6,5") << QStringLiteral(" 3,25") << false;
        QTest::newRow("7,5: 3,80 blue (half is 3,75)") << QStringLiteral("7,5") << QStringLiteral(" 3,80") << false;
        QTest::newRow("7.5: 3,80 blue, not rounded to 8") << QStringLiteral("7.5") << QStringLiteral(" 3,80") << false;
        QTest::newRow("7.5: 3,74 red") << QStringLiteral("7.5") << QStringLiteral(" 3,74") << true;
        QTest::newRow("6,55: 3,27 red (half is 3,275)") << QStringLiteral("6,55") << QStringLiteral(" 3,27") << true;
        QTest::newRow("6,55: 3,28 blue") << QStringLiteral("6,55") << QStringLiteral(" 3,28") << false;
        QTest::newRow("0,01: 0,00 red") << QStringLiteral("0,01") << QStringLiteral(" 0,00") << true;
        QTest::newRow("0,01: 0,01 blue") << QStringLiteral("0,01") << QStringLiteral(" 0,01") << false;
        QTest::newRow("unreadable scale is 10: 4,99 red") << QStringLiteral("deu") << QStringLiteral(" 4,99") << true;
        QTest::newRow("32767: 16383,49 red") << QStringLiteral("32767") << QStringLiteral(" 16383,49") << true;
        QTest::newRow("32767: 16383,50 blue") << QStringLiteral("32767") << QStringLiteral(" 16383,50") << false;
    }

    void isFailingMark()
    {
        QFETCH(QString, tope);
        QFETCH(QString, mark);
        QFETCH(bool, red);
        QCOMPARE(player::isFailingMark(mark, player::markScaleHundredths(tope)), red);
    }

    // --- clock ---

    void timeLimitMinutes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");

        QTest::newRow("90") << QStringLiteral("90") << 90;
        QTest::newRow("479 is accepted") << QStringLiteral("479") << 479;
        QTest::newRow("1 is accepted") << QStringLiteral("1") << 1;
        QTest::newRow("45min: the leading number") << QStringLiteral("45min") << 45;
        QTest::newRow("the default 20") << QStringLiteral("20") << 20;
    }

    void timeLimitMinutes()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(player::timeLimitMinutes(true, text), expected);
        // A hidden box means no limit, whatever it holds.
        QCOMPARE(player::timeLimitMinutes(false, text), 0);
    }

    void timeLimitWithoutClock_data()
    {
        QTest::addColumn<QString>("text");

        QTest::newRow("480") << QStringLiteral("480");
        QTest::newRow("1000") << QStringLiteral("1000");
        QTest::newRow("0") << QStringLiteral("0");
        QTest::newRow("-5") << QStringLiteral("-5");
        QTest::newRow("abc") << QStringLiteral("abc");
        QTest::newRow("empty box") << QString();
    }

    void timeLimitWithoutClock()
    {
        QFETCH(QString, text);
        QCOMPARE(player::timeLimitMinutes(true, text), 0);
    }

    void timeLimitCaption_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("expected");

        QTest::newRow("90") << 90 << QStringLiteral("1 H : 30 m");
        QTest::newRow("479") << 479 << QStringLiteral("7 H : 59 m");
        QTest::newRow("45: no leading zero hours") << 45 << QStringLiteral("0 H : 45 m");
        QTest::newRow("60: minutes 0") << 60 << QStringLiteral("1 H : 0 m");
        QTest::newRow("125: minutes without leading zero") << 125 << QStringLiteral("2 H : 5 m");
    }

    void timeLimitCaption()
    {
        QFETCH(int, minutes);
        QFETCH(QString, expected);
        QCOMPARE(player::timeLimitCaption(minutes), expected);
    }

    void countdownText_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("expected");

        QTest::newRow("3725 without leading zeros") << 3725 << QStringLiteral("1 : 2 : 5");
        QTest::newRow("5400: first tick of 90 minutes") << 5400 << QStringLiteral("1 : 30 : 0");
        QTest::newRow("5399: second tick") << 5399 << QStringLiteral("1 : 29 : 59");
        QTest::newRow("0: last tick") << 0 << QStringLiteral("0 : 0 : 0");
        QTest::newRow("28740: 479 minutes") << 28740 << QStringLiteral("7 : 59 : 0");
        QTest::newRow("59") << 59 << QStringLiteral("0 : 0 : 59");
        QTest::newRow("3600") << 3600 << QStringLiteral("1 : 0 : 0");
    }

    void countdownText()
    {
        QFETCH(int, seconds);
        QFETCH(QString, expected);
        QCOMPARE(player::countdownText(seconds), expected);
    }

    // --- reading word ---

    void isRightWord_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("right");

        QTest::newRow("casa: the same word") << QStringLiteral("casa") << QStringLiteral("casa") << true;
        QTest::newRow("Casa,: case ignored, lengths differ by 1") << QStringLiteral("Casa,") << QStringLiteral("casa") << true;
        QTest::newRow("casas.: lengths differ by 2") << QStringLiteral("casas.") << QStringLiteral("casa") << false;
        QTest::newRow("as inside casa: lengths differ by 2") << QStringLiteral("as") << QStringLiteral("casa") << false;
        QTest::newRow("i inside petit") << QStringLiteral("i") << QStringLiteral("petit") << false;
        QTest::newRow("casa against a stored casa,") << QStringLiteral("casa") << QStringLiteral("casa,") << true;
        QTest::newRow("empty choice") << QString() << QStringLiteral("casa") << false;
        QTest::newRow("another word") << QStringLiteral("cosa") << QStringLiteral("casa") << false;
        QTest::newRow("ÀVIA, and àvia,: case ignored with accents") << QStringLiteral("ÀVIA,") << QStringLiteral("àvia,") << true;
        QTest::newRow("àvia, and ÀVIA: lengths differ by 1") << QStringLiteral("àvia,") << QStringLiteral("ÀVIA") << true;
        QTest::newRow("AVIA, is not àvia: accents count") << QStringLiteral("AVIA,") << QStringLiteral("àvia") << false;
    }

    void isRightWord()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, expected);
        QFETCH(bool, right);
        QCOMPARE(player::isRightWord(chosen, expected), right);
    }

    // --- typed answers ---

    void typedAnswer_data()
    {
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("correctedLetters");
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("pending");

        QTest::newRow("Casa typed c,a,x,s,a: one correction, right")
            << QStringLiteral("Casa") << QStringLiteral("caxsa")
            << QStringList{QStringLiteral("right@0"), QStringLiteral("right@1"), QStringLiteral("wrong@2"),
                           QStringLiteral("corrected@2"), QStringLiteral("right@3 complete")}
            << 1 << true << false;
        QTest::newRow("Casa with two corrections is wrong")
            << QStringLiteral("Casa") << QStringLiteral("cxasxa")
            << QStringList{QStringLiteral("right@0"), QStringLiteral("wrong@1"), QStringLiteral("corrected@1"),
                           QStringLiteral("right@2"), QStringLiteral("wrong@3"), QStringLiteral("corrected@3 complete")}
            << 2 << false << false;
        QTest::newRow("several wrong keys at one letter count once")
            << QStringLiteral("Casa") << QStringLiteral("cqweasa")
            << QStringList{QStringLiteral("right@0"), QStringLiteral("wrong@1"), QStringLiteral("wrong@1"),
                           QStringLiteral("wrong@1"), QStringLiteral("corrected@1"), QStringLiteral("right@2"),
                           QStringLiteral("right@3 complete")}
            << 1 << true << false;
        QTest::newRow("volcà typed VOLCÀ: accented letters compared upper-cased")
            << QStringLiteral("volcà") << QStringLiteral("VOLCÀ")
            << QStringList{QStringLiteral("right@0"), QStringLiteral("right@1"), QStringLiteral("right@2"),
                           QStringLiteral("right@3"), QStringLiteral("right@4 complete")}
            << 0 << true << false;
        QTest::newRow("volcà typed volca: the accent counts")
            << QStringLiteral("volcà") << QStringLiteral("volca")
            << QStringList{QStringLiteral("right@0"), QStringLiteral("right@1"), QStringLiteral("right@2"),
                           QStringLiteral("right@3"), QStringLiteral("wrong@4")}
            << 0 << true << true;
        QTest::newRow("spaces typed like letters")
            << QStringLiteral("la casa") << QStringLiteral("lac casa")
            << QStringList{QStringLiteral("right@0"), QStringLiteral("right@1"), QStringLiteral("wrong@2"),
                           QStringLiteral("corrected@2"), QStringLiteral("right@3"), QStringLiteral("right@4"),
                           QStringLiteral("right@5"), QStringLiteral("right@6 complete")}
            << 1 << true << false;
        QTest::newRow("punctuation typed like letters")
            << QStringLiteral("sí, ara") << QStringLiteral("SÍ, ARA")
            << QStringList{QStringLiteral("right@0"), QStringLiteral("right@1"), QStringLiteral("right@2"),
                           QStringLiteral("right@3"), QStringLiteral("right@4"), QStringLiteral("right@5"),
                           QStringLiteral("right@6 complete")}
            << 0 << true << false;
        QTest::newRow("a wrong key after a correction is pending again")
            << QStringLiteral("Casa") << QStringLiteral("xcax")
            << QStringList{QStringLiteral("wrong@0"), QStringLiteral("corrected@0"), QStringLiteral("right@1"),
                           QStringLiteral("wrong@2")}
            << 1 << true << true;
        QTest::newRow("an empty expected answer never completes")
            << QString() << QStringLiteral("a a")
            << QStringList{QStringLiteral("wrong@0"), QStringLiteral("wrong@0"), QStringLiteral("wrong@0")}
            << 0 << true << true;
    }

    void typedAnswer()
    {
        QFETCH(QString, expected);
        QFETCH(QString, keys);
        QFETCH(QStringList, steps);
        QFETCH(int, correctedLetters);
        QFETCH(bool, right);
        QFETCH(bool, pending);

        TypedAnswer answer;
        answer.start(expected);
        QStringList actual;
        for (QChar key : keys)
            actual << describe(answer.type(key));
        QCOMPARE(actual, steps);
        QCOMPARE(answer.correctedLetters(), correctedLetters);
        QCOMPARE(answer.isRight(), right);
        QCOMPARE(answer.correctionPending(), pending);
    }

    void typedAnswerPosition_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("position");

        QTest::newRow("nothing typed: the first letter is next") << QString() << 1;
        QTest::newRow("two right letters: the third is next") << QStringLiteral("ca") << 3;
        QTest::newRow("a wrong key does not advance") << QStringLiteral("cax") << 3;
        QTest::newRow("the last letter stays the position") << QStringLiteral("casa") << 4;
    }

    void typedAnswerPosition()
    {
        QFETCH(QString, keys);
        QFETCH(int, position);

        TypedAnswer answer;
        answer.start(QStringLiteral("Casa"));
        for (QChar key : keys)
            answer.type(key);
        QCOMPARE(answer.position(), position);
    }

    void typedAnswerStartClearsThePreviousQuestion()
    {
        TypedAnswer answer;
        answer.start(QStringLiteral("Casa"));
        for (QChar key : QStringLiteral("cxaxsx"))
            answer.type(key);
        QCOMPARE(answer.correctedLetters(), 2);
        QVERIFY(answer.correctionPending());

        answer.start(QStringLiteral("Lluna"));
        QCOMPARE(answer.expected(), QStringLiteral("Lluna"));
        QCOMPARE(answer.position(), 1);
        QCOMPARE(answer.correctedLetters(), 0);
        QVERIFY(!answer.correctionPending());
        QCOMPARE(describe(answer.type(u'l')), QStringLiteral("right@0"));
    }

    // --- report ---

    void resultLine_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("upper");

        QTest::newRow("the report's example: 3 right, 1 wrong of 5")
            << QStringLiteral("Matemàtiques") << QStringLiteral(" 7,50") << 3 << 1 << 5
            << QStringLiteral("Matemàtiques -  7,50 - ( Correctes : 3; Errors : 1; Sense resposta : 1 )")
            << QStringLiteral("MATEMÀTIQUES -  7,50 - ( CORRECTES : 3; ERRORS : 1; SENSE RESPOSTA : 1 )");
        QTest::newRow("a test without answers: blank count is every question")
            << QStringLiteral("Història") << QStringLiteral(" 0,00") << 0 << 0 << 15
            << QStringLiteral("Història -  0,00 - ( Correctes : 0; Errors : 0; Sense resposta : 15 )")
            << QStringLiteral("HISTÒRIA -  0,00 - ( CORRECTES : 0; ERRORS : 0; SENSE RESPOSTA : 15 )");
        QTest::newRow("all answered: no blanks, numbers without padding")
            << QStringLiteral("Llengua") << QStringLiteral(" 8,00") << 12 << 3 << 15
            << QStringLiteral("Llengua -  8,00 - ( Correctes : 12; Errors : 3; Sense resposta : 0 )")
            << QStringLiteral("LLENGUA -  8,00 - ( CORRECTES : 12; ERRORS : 3; SENSE RESPOSTA : 0 )");
        QTest::newRow("a test never marked has an empty mark")
            << QStringLiteral("Música") << QString() << 0 << 0 << 3
            << QStringLiteral("Música -  - ( Correctes : 0; Errors : 0; Sense resposta : 3 )")
            << QStringLiteral("MÚSICA -  - ( CORRECTES : 0; ERRORS : 0; SENSE RESPOSTA : 3 )");
    }

    void resultLine()
    {
        QFETCH(QString, subject);
        QFETCH(QString, mark);
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(int, questions);
        QFETCH(QString, line);
        QFETCH(QString, upper);

        player::TestResult result;
        result.subject = subject;
        result.mark = mark;
        result.right = right;
        result.wrong = wrong;
        result.questions = questions;
        const QString actual = player::resultLine(result, QStringLiteral("Correctes"), QStringLiteral("Errors"),
                                                  QStringLiteral("Sense resposta"));
        QCOMPARE(actual, line);
        QCOMPARE(actual.toUpper(), upper);
    }

    void reportFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("expected");

        QTest::newRow("Anna at 9:05 on 6-12-2026: minutes before hours, no leading zeros")
            << QStringLiteral("Anna") << kAnnaTime << QStringLiteral("Anna --5M,9H --6-12-2026.rtf");
        QTest::newRow("no name: Sin-nombre")
            << QString() << kAnnaTime << QStringLiteral("Sin-nombre --5M,9H --6-12-2026.rtf");
        QTest::newRow("two-digit fields")
            << QStringLiteral("Joan") << QDateTime(QDate(2027, 1, 31), QTime(23, 59))
            << QStringLiteral("Joan --59M,23H --31-1-2027.rtf");
        QTest::newRow("midnight on new year")
            << QStringLiteral("Anna") << QDateTime(QDate(2026, 1, 1), QTime(0, 0))
            << QStringLiteral("Anna --0M,0H --1-1-2026.rtf");
        QTest::newRow("accents and spaces in the name kept")
            << QStringLiteral("Martí Núñez") << kAnnaTime << QStringLiteral("Martí Núñez --5M,9H --6-12-2026.rtf");
        QTest::newRow("a/b:c: slash and colon replaced")
            << QStringLiteral("a/b:c") << kAnnaTime << QStringLiteral("a_b_c --5M,9H --6-12-2026.rtf");
        QTest::newRow("a name climbing out of the folder stays in it")
            << QStringLiteral("../../x") << kAnnaTime << QStringLiteral("___.._x --5M,9H --6-12-2026.rtf");
        QTest::newRow(".Eve: a leading dot would hide the report")
            << QStringLiteral(".Eve") << kAnnaTime << QStringLiteral("_Eve --5M,9H --6-12-2026.rtf");
        QTest::newRow("a.b: a dot inside stays") << QStringLiteral("a.b") << kAnnaTime << QStringLiteral("a.b --5M,9H --6-12-2026.rtf");
    }

    void reportFileName()
    {
        QFETCH(QString, name);
        QFETCH(QDateTime, when);
        QFETCH(QString, expected);
        QCOMPARE(player::reportFileName(name, when), expected);
    }

    void singleLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain name unchanged") << QStringLiteral("Ciències de la Natura") << QStringLiteral("Ciències de la Natura");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("line feed") << QStringLiteral("a\nb") << QStringLiteral("a b");
        QTest::newRow("carriage return") << QStringLiteral("a\rb") << QStringLiteral("a b");
        QTest::newRow("CR LF: one space each") << QStringLiteral("a\r\nb") << QStringLiteral("a  b");
        QTest::newRow("line and paragraph separators") << QStringLiteral("a\u2028b\u2029c") << QStringLiteral("a b c");
        QTest::newRow("next line, vertical tab, form feed") << QStringLiteral("a\u0085b\vc\fd") << QStringLiteral("a b c d");
        QTest::newRow("tab, escape, delete") << QStringLiteral("a\tb\x1b" "c\x7f") << QStringLiteral("a b c ");
        QTest::newRow("a line break at either end") << QStringLiteral("\nMates\n") << QStringLiteral(" Mates ");
        QTest::newRow("letters beyond the basic plane kept") << QStringLiteral("Mates \U0001F600") << QStringLiteral("Mates \U0001F600");
    }
    void singleLine()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(player::singleLine(name), expected);
    }

    void reportFileNameReplacesForbiddenCharacters_data()
    {
        QTest::addColumn<QString>("character");

        for (QChar c : QStringLiteral("\\/:*?\"<>|"))
            QTest::addRow("%s", qPrintable(QString(c))) << QString(c);
        QTest::newRow("tab") << QStringLiteral("\t");
        QTest::newRow("line feed") << QStringLiteral("\n");
        QTest::newRow("carriage return") << QStringLiteral("\r");
        QTest::newRow("control 0x01") << QString(QChar(0x01));
        QTest::newRow("control 0x1F") << QString(QChar(0x1F));
        QTest::newRow("delete 0x7F") << QString(QChar(0x7F));
    }

    void reportFileNameReplacesForbiddenCharacters()
    {
        QFETCH(QString, character);
        const QString fileName = player::reportFileName(QStringLiteral("An") + character + QStringLiteral("na"), kAnnaTime);
        QCOMPARE(fileName, QStringLiteral("An_na --5M,9H --6-12-2026.rtf"));

        // The report lands in the reports folder under that very name.
        QTemporaryDir folder;
        QFile file(folder.path() + u'/' + fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{fileName});
    }


    // The test window's texts come line by line through the buffer it shares
    // with its other language files.
    void testWindowTexts_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("falseWord");
        QStringList all;
        for (int i = 1; i <= 13; ++i)
            all << QString::number(i);
        QTest::newRow("every line") << all << "1" << "7" << "9" << "13";
        QTest::newRow("two lines: the rest repeat the second") << QStringList{"1", "2"} << "1" << "2" << "2" << "2";
        QTest::newRow("an empty file: every text repeats the buffer") << QStringList() << "ayuda" << "ayuda" << "ayuda" << "ayuda";
    }
    void testWindowTexts()
    {
        QFETCH(QStringList, lines);
        bank::LineBuffer buffer{QStringLiteral("ayuda")};
        bank::LineReader file = bank::LineReader::fromBytes(testsupport::crlf(lines), bank::LineEnds::CrOnly);
        const player::TestWindowTexts texts = player::readTestWindowTexts(file, buffer);
        QTEST(texts.creditsTitle, "title");
        QTEST(texts.confirm, "confirm");
        QTEST(texts.right, "right");
        QTEST(texts.falseWord, "falseWord");
        QCOMPARE(buffer.text, texts.falseWord);
    }

    // A picture refused for its bytes has no header size to show.
    void pictureTooLargeForItsBytes()
    {
        ui::Picture picture;
        picture.problem = ui::PictureProblem::TooLarge;
        QCOMPARE(player::pictureFailureText(QStringLiteral("gran.gif"), picture),
                 QStringLiteral("La imatge «gran.gif» és massa gran per mostrar-la."));
    }
};

QTEST_GUILESS_MAIN(TstTestLogic)
#include "tst_testlogic.moc"
