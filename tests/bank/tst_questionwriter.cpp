// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/question.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTest>

using bank::Question;

namespace {

Question sample(const QString &statement)
{
    Question q;
    q.type = bank::QuestionType::WrittenAnswer;
    q.author = QStringLiteral("Ana");
    q.statement = statement;
    q.answer = QStringLiteral("Roma");
    return q;
}

QStringList everything(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

QStringList numbered(int from, int to)
{
    QStringList names;
    for (int n = from; n <= to; ++n)
        names << QString::number(n) + QStringLiteral(".txt");
    return names;
}

} // namespace

class TstQuestionWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numbering_data();
    void numbering();
    void fileNumber_data();
    void fileNumber();
    void neverOverwrites();
    void noTemporaryLeft();

    void saveFails_data();
    void saveFails();
    void readOnlyFolder();

    void twoProcessesShareNoNumber_data();
    void twoProcessesShareNoNumber();
};

void TstQuestionWriter::numbering_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QStringList>("existingFolders");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");

    QTest::newRow("empty folder gives 1 then 2") << QStringList{} << QStringList{} << 1 << 2;
    QTest::newRow("1 2 4 gives 3 then 5")
        << QStringList{"1.txt", "2.txt", "4.txt"} << QStringList{} << 3 << 5;
    QTest::newRow("gap at 1 is filled first") << QStringList{"2.txt", "3.txt"} << QStringList{} << 1 << 4;
    QTest::newRow("upper case 1.TXT counts as 1") << QStringList{"1.TXT"} << QStringList{} << 2 << 3;
    QTest::newRow("mixed case 1.Txt counts as 1") << QStringList{"1.Txt", "2.txt"} << QStringList{} << 3 << 4;
    QTest::newRow("01.txt does not count as 1") << QStringList{"01.txt"} << QStringList{} << 1 << 2;
    QTest::newRow("other names ignored")
        << QStringList{"notes.txt", "1.txt.bak", "1", "1.doc", "+1.txt", "1 .txt", "x1.txt"}
        << QStringList{} << 1 << 2;
    QTest::newRow("0.txt is no question number") << QStringList{"0.txt"} << QStringList{} << 1 << 2;
    QTest::newRow("hidden .1.txt ignored") << QStringList{".1.txt"} << QStringList{} << 1 << 2;
    QTest::newRow("a writer's temporary ignored") << QStringList{".nou-1AbCdE"} << QStringList{} << 1 << 2;
    QTest::newRow("another editor's claim on 1.txt takes the number")
        << QStringList{} << QStringList{".nou-claim-1.txt"} << 2 << 3;
    QTest::newRow("two digit numbers") << numbered(1, 11) << QStringList{} << 12 << 13;
    QTest::newRow("a folder named 1.txt takes the name")
        << QStringList{} << QStringList{"1.txt"} << 2 << 3;
    QTest::newRow("option subfolders do not matter")
        << QStringList{"1.txt"} << QStringList{"Opcio A"} << 2 << 3;
}

void TstQuestionWriter::numbering()
{
    QFETCH(QStringList, existing);
    QFETCH(QStringList, existingFolders);
    QFETCH(int, first);
    QFETCH(int, second);

    testsupport::ProgramFolder program(false);
    const QString folder = program.file(QStringLiteral("Preguntas/1r ESO/Mates"));
    program.makeFolder(QStringLiteral("Preguntas/1r ESO/Mates"));
    for (const QString &name : existing)
        program.writeBytes(QStringLiteral("Preguntas/1r ESO/Mates/") + name, "old\r\n");
    for (const QString &name : existingFolders)
        program.makeFolder(QStringLiteral("Preguntas/1r ESO/Mates/") + name);

    QCOMPARE(bank::nextQuestionNumber(folder), first);

    const Question q = sample(QStringLiteral("primera"));
    const bank::SaveResult saved = bank::saveNewQuestion(folder, q);
    QVERIFY2(saved.ok, qPrintable(saved.error));
    QCOMPARE(saved.number, first);
    QCOMPARE(saved.path, folder + u'/' + QString::number(first) + QStringLiteral(".txt"));
    QVERIFY(saved.error.isEmpty());
    QByteArray expected;
    QVERIFY(bank::encodeQuestion(q, expected));
    QCOMPARE(testsupport::readBytes(saved.path), expected);

    QCOMPARE(bank::nextQuestionNumber(folder), second);
    const bank::SaveResult next = bank::saveNewQuestion(folder, sample(QStringLiteral("segunda")));
    QVERIFY2(next.ok, qPrintable(next.error));
    QCOMPARE(next.number, second);

    // What was there before is untouched.
    for (const QString &name : existing)
        QCOMPARE(testsupport::readBytes(folder + u'/' + name), QByteArray("old\r\n"));
}

void TstQuestionWriter::fileNumber_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");

    QTest::newRow("1.txt") << "1.txt" << 1;
    QTest::newRow("upper case extension") << "17.TXT" << 17;
    QTest::newRow("nine digits") << "123456789.txt" << 123456789;
    QTest::newRow("ten digits") << "1234567890.txt" << 0;
    QTest::newRow("leading zero") << "01.txt" << 0;
    QTest::newRow("zero") << "0.txt" << 0;
    QTest::newRow("a space before the extension") << "3 .txt" << 0;
    QTest::newRow("another extension") << "3.dat" << 0;
    QTest::newRow("more after the extension") << "3.txt.bak" << 0;
    QTest::newRow("no number") << ".txt" << 0;
    QTest::newRow("a sign") << "+3.txt" << 0;
}

void TstQuestionWriter::fileNumber()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    QCOMPARE(bank::questionFileNumber(name), number);
}

void TstQuestionWriter::neverOverwrites()
{
    testsupport::ProgramFolder program(false);
    const QString folder = program.path();
    program.writeBytes(QStringLiteral("1.TXT"), "first\r\n");
    program.writeBytes(QStringLiteral("2.txt"), "second\r\n");

    const bank::SaveResult saved = bank::saveNewQuestion(folder, sample(QStringLiteral("Q")));
    QVERIFY2(saved.ok, qPrintable(saved.error));
    QCOMPARE(saved.number, 3);
    QCOMPARE(testsupport::readBytes(program.file(QStringLiteral("1.TXT"))), QByteArray("first\r\n"));
    QCOMPARE(testsupport::readBytes(program.file(QStringLiteral("2.txt"))), QByteArray("second\r\n"));
    // No lower-case twin of 1.TXT on a case-sensitive disk.
    QCOMPARE(everything(folder), (QStringList{"1.TXT", "2.txt", "3.txt"}));
}

void TstQuestionWriter::noTemporaryLeft()
{
    testsupport::ProgramFolder program(false);
    for (int i = 0; i < 5; ++i) {
        const bank::SaveResult saved =
            bank::saveNewQuestion(program.path(), sample(QString::number(i)));
        QVERIFY2(saved.ok, qPrintable(saved.error));
    }
    QCOMPARE(everything(program.path()), numbered(1, 5));
}

void TstQuestionWriter::saveFails_data()
{
    QTest::addColumn<QString>("relative");

    QTest::newRow("missing folder") << QStringLiteral("Preguntas/NoExiste");
    QTest::newRow("a file, not a folder") << QStringLiteral("Preguntas/1.txt");
}

void TstQuestionWriter::saveFails()
{
    QFETCH(QString, relative);
    testsupport::ProgramFolder program(false);
    program.writeBytes(QStringLiteral("Preguntas/1.txt"), "old\r\n");
    const QStringList before = everything(program.file(QStringLiteral("Preguntas")));

    const bank::SaveResult saved = bank::saveNewQuestion(program.file(relative), sample("Q"));
    QVERIFY(!saved.ok);
    QVERIFY(!saved.error.isEmpty());
    QVERIFY(saved.path.isEmpty());
    QCOMPARE(everything(program.file(QStringLiteral("Preguntas"))), before);
    QCOMPARE(everything(program.path()), QStringList{"Preguntas"});
    QCOMPARE(testsupport::readBytes(program.file(QStringLiteral("Preguntas/1.txt"))),
             QByteArray("old\r\n"));
}

void TstQuestionWriter::readOnlyFolder()
{
    testsupport::ProgramFolder program(false);
    program.makeFolder(QStringLiteral("Mates"));
    const QString folder = program.file(QStringLiteral("Mates"));
    program.writeBytes(QStringLiteral("Mates/1.txt"), "old\r\n");
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                              | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    auto restore = qScopeGuard([folder] {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });

    // Some users (root) write into read-only folders all the same.
    {
        QFile probe(folder + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            QSKIP("running as root, who writes into read-only folders: run the tests as a normal user to check this");
        }
    }

    const bank::SaveResult saved = bank::saveNewQuestion(folder, sample("Q"));
    QVERIFY(!saved.ok);
    QVERIFY(!saved.error.isEmpty());
    QVERIFY(saved.error.contains(QStringLiteral("No se ha guardado")));
    QCOMPARE(everything(folder), QStringList{"1.txt"});
}

void TstQuestionWriter::twoProcessesShareNoNumber_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("with hard links") << QStringList{};
    QTest::newRow("without hard links, as on FAT") << QStringList{QStringLiteral("--no-hard-links")};
}

// Two editors saving into one folder at the same moment.
void TstQuestionWriter::twoProcessesShareNoNumber()
{
    QFETCH(QStringList, options);
    testsupport::ProgramFolder program(false);
    const QString folder = program.path();
    const int each = 50;

    QProcess first;
    QProcess second;
    first.start(QStringLiteral(SAVE_HELPER), QStringList{folder, QString::number(each), QStringLiteral("A")} + options);
    second.start(QStringLiteral(SAVE_HELPER), QStringList{folder, QString::number(each), QStringLiteral("B")} + options);
    QVERIFY2(first.waitForStarted(), qPrintable(first.errorString()));
    QVERIFY2(second.waitForStarted(), qPrintable(second.errorString()));
    QVERIFY(first.waitForFinished(60000));
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);

    QStringList names = everything(folder);
    QCOMPARE(names.size(), 2 * each);
    std::sort(names.begin(), names.end());
    QStringList expected = numbered(1, 2 * each);
    std::sort(expected.begin(), expected.end());
    QCOMPARE(names, expected);

    QSet<QString> statements;
    for (const QString &name : names) {
        Question read;
        QCOMPARE(bank::readQuestionFile(folder + u'/' + name, read), bank::ReadError::None);
        QCOMPARE(read.type, bank::QuestionType::WrittenAnswer);
        QCOMPARE(read.answer, QStringLiteral("x"));
        statements.insert(read.statement);
    }
    for (int i = 0; i < each; ++i) {
        QVERIFY(statements.contains(QStringLiteral("A") + QString::number(i)));
        QVERIFY(statements.contains(QStringLiteral("B") + QString::number(i)));
    }
}

QTEST_GUILESS_MAIN(TstQuestionWriter)
#include "tst_questionwriter.moc"
