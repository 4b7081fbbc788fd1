// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/languagefile.h"
#include "support/testsupport.h"

#include <QTest>

using bank::LineBuffer;
using bank::LineReader;

namespace {

// Reads `count` lines through one shared buffer, one caption per line, as
// the start and selection windows do.
QStringList readShared(LineReader &file, int count, LineBuffer &buffer)
{
    QStringList captions;
    for (int i = 0; i < count; ++i) {
        file.readLine(buffer);
        captions << buffer.text;
    }
    return captions;
}

// Reads `count` lines each into its own variable, which starts empty.
QStringList readOwn(LineReader &file, int count)
{
    QStringList values;
    for (int i = 0; i < count; ++i) {
        QString value;
        file.readLine(value);
        values << value;
    }
    return values;
}

} // namespace

class TstLanguageFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void missingFile();
    void sharedBuffer_data();
    void sharedBuffer();
    void ownVariables_data();
    void ownVariables();
    void lineContents_data();
    void lineContents();
    void extraLinesIgnored();
    void bufferSharedBetweenFiles_data();
    void bufferSharedBetweenFiles();
    void namesIgnoreCase_data();
    void namesIgnoreCase();
};

void TstLanguageFile::missingFile()
{
    testsupport::ProgramFolder program(false);
    program.makeFolder(QStringLiteral("idioma"));
    LineReader file = bank::openLanguageFile(program.path(), QStringLiteral("seleccion.txt"));
    QVERIFY(!file.exists());
    QCOMPARE(file.problem(), bank::FileProblem::Missing);
    QVERIFY(file.atEnd());

    QString own = QStringLiteral("INICI ");
    QVERIFY(!file.readLine(own));
    QCOMPARE(own, QStringLiteral("INICI "));

    LineBuffer buffer;
    QCOMPARE(readShared(file, 7, buffer), QStringList(7, QString()));
    QCOMPARE(readOwn(file, 1), QStringList{QString()});

    // A missing folder behaves the same.
    LineReader noFolder = bank::openLanguageFile(program.file(QStringLiteral("x")), QStringLiteral("inicio.txt"));
    QVERIFY(!noFolder.exists());
    QVERIFY(!noFolder.readLine(own));
    QCOMPARE(own, QStringLiteral("INICI "));

    // So does a default reader.
    LineReader none;
    QVERIFY(!none.exists());
    QVERIFY(!none.readLine(own));
}

void TstLanguageFile::sharedBuffer_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("one line START fills all three")
        << QByteArray("START\r\n") << QStringList{"START", "START", "START"};
    QTest::newRow("one line without line end")
        << QByteArray("START") << QStringList{"START", "START", "START"};
    QTest::newRow("two lines, third repeats the second")
        << QByteArray("INICI \r\nNom\r\n") << QStringList{"INICI ", "Nom", "Nom"};
    QTest::newRow("full file") << testsupport::crlf({"INICI ", "Nom", "Informes"})
                               << QStringList{"INICI ", "Nom", "Informes"};
    QTest::newRow("empty file leaves all empty") << QByteArray() << QStringList{"", "", ""};
    QTest::newRow("empty last line is a text, not a failure")
        << QByteArray("A\r\n\r\n") << QStringList{"A", "", ""};
}

void TstLanguageFile::sharedBuffer()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, captions);

    testsupport::ProgramFolder program(false);
    program.writeBytes(QStringLiteral("idioma/inicio.txt"), bytes);
    LineReader file = bank::openLanguageFile(program.path(), QStringLiteral("inicio.txt"));
    QVERIFY(file.exists());
    LineBuffer buffer;
    QCOMPARE(readShared(file, 3, buffer), captions);
    QVERIFY(file.atEnd());
}

void TstLanguageFile::ownVariables_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("values");

    QTest::newRow("three lines, fourth variable stays empty")
        << testsupport::crlf({"RESULTATS", "Correctes", "Errors"})
        << QStringList{"RESULTATS", "Correctes", "Errors", ""};
    QTest::newRow("one line") << QByteArray("RESULTATS\r\n") << QStringList{"RESULTATS", "", "", ""};
    QTest::newRow("all four") << testsupport::crlf({"R", "C", "E", "S"}) << QStringList{"R", "C", "E", "S"};
}

void TstLanguageFile::ownVariables()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, values);

    testsupport::ProgramFolder program(false);
    program.writeBytes(QStringLiteral("idioma/Final.txt"), bytes);
    LineReader file = bank::openLanguageFile(program.path(), QStringLiteral("Final.txt"));
    QCOMPARE(readOwn(file, 4), values);
}

void TstLanguageFile::lineContents_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("line of spaces only is kept")
        << QByteArray("   \r\nB\r\n") << QStringList{"   ", "B"};
    QTest::newRow("leading and trailing spaces kept")
        << QByteArray("  Curs  \r\n\tMateries\t\r\n") << QStringList{"  Curs  ", "\tMateries\t"};
    QTest::newRow("lone LF stays inside a line")
        << QByteArray("Curs\nCurso\r\nB\r\n") << QStringList{"Curs\nCurso", "B"};
    QTest::newRow("CR only line ends") << QByteArray("A\rB\rC\r") << QStringList{"A", "B", "C"};
    QTest::newRow("empty line between texts")
        << QByteArray("A\r\n\r\nC\r\n") << QStringList{"A", "", "C"};
    QTest::newRow("UTF-8 with BOM")
        << QByteArray("\xEF\xBB\xBF" "Mat\xC3\xA8ries\r\nOpci\xC3\xB3\r\n")
        << QStringList{QString::fromUtf8("Matèries"), QString::fromUtf8("Opció")};
    QTest::newRow("Windows-1252")
        << QByteArray("Mat\xE8ries\r\nOpci\xF3\r\n")
        << QStringList{QString::fromUtf8("Matèries"), QString::fromUtf8("Opció")};
}

void TstLanguageFile::lineContents()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);

    testsupport::ProgramFolder program(false);
    program.writeBytes(QStringLiteral("idioma/seleccion.txt"), bytes);
    LineReader file = bank::openLanguageFile(program.path(), QStringLiteral("seleccion.txt"));
    QStringList read;
    QString line = QStringLiteral("not read");
    while (file.readLine(line))
        read << line;
    QCOMPARE(read, lines);
    // The last line read stays in the target after the failing read.
    QCOMPARE(line, lines.last());
}

void TstLanguageFile::extraLinesIgnored()
{
    testsupport::ProgramFolder program(false);
    program.writeLines(QStringLiteral("idioma/inicio.txt"), {"A", "B", "C", "D", "E"});
    LineReader file = bank::openLanguageFile(program.path(), QStringLiteral("inicio.txt"));
    LineBuffer buffer;
    QCOMPARE(readShared(file, 3, buffer), (QStringList{"A", "B", "C"}));
    QCOMPARE(buffer.text, QStringLiteral("C"));
    QVERIFY(!file.atEnd());
}

void TstLanguageFile::bufferSharedBetweenFiles_data()
{
    QTest::addColumn<QStringList>("help");
    QTest::addColumn<bool>("principalExists");
    QTest::addColumn<QStringList>("principal");
    QTest::addColumn<QStringList>("helpTexts");
    QTest::addColumn<QStringList>("captions");

    const QStringList seven{"h0", "h1", "h2", "h3", "h4", "h5", "h6"};
    QTest::newRow("second file missing: its captions show the last help line")
        << seven << false << QStringList{} << seven << QStringList(7, QStringLiteral("h6"));
    QTest::newRow("short help file repeats its last line")
        << QStringList{"h0", "h1"} << false << QStringList{}
        << QStringList{"h0", "h1", "h1", "h1", "h1", "h1", "h1"}
        << QStringList(7, QStringLiteral("h1"));
    QTest::newRow("short second file repeats its own last line")
        << seven << true << QStringList{"c1", "c2"} << seven
        << QStringList{"c1", "c2", "c2", "c2", "c2", "c2", "c2"};
    QTest::newRow("empty second file passes the help line on")
        << seven << true << QStringList{} << seven << QStringList(7, QStringLiteral("h6"));
    QTest::newRow("both complete")
        << seven << true << QStringList{"c1", "c2", "c3", "c4", "c5", "c6", "c7"} << seven
        << QStringList{"c1", "c2", "c3", "c4", "c5", "c6", "c7"};
}

// The test window reads ayuda.txt and then Principal.txt through one buffer.
void TstLanguageFile::bufferSharedBetweenFiles()
{
    QFETCH(QStringList, help);
    QFETCH(bool, principalExists);
    QFETCH(QStringList, principal);
    QFETCH(QStringList, helpTexts);
    QFETCH(QStringList, captions);

    testsupport::ProgramFolder program(false);
    program.writeLines(QStringLiteral("idioma/ayuda.txt"), help);
    if (principalExists)
        program.writeLines(QStringLiteral("idioma/Principal.txt"), principal);

    LineBuffer buffer;
    LineReader helpFile = bank::openLanguageFile(program.path(), QStringLiteral("ayuda.txt"));
    QCOMPARE(readShared(helpFile, 7, buffer), helpTexts);
    LineReader principalFile = bank::openLanguageFile(program.path(), QStringLiteral("Principal.txt"));
    QCOMPARE(principalFile.exists(), principalExists);
    QCOMPARE(readShared(principalFile, 7, buffer), captions);
    // Lines 8 to 13 go to their own variables.
    const QStringList own = readOwn(principalFile, 6);
    QCOMPARE(own, QStringList(6, QString()));
}

void TstLanguageFile::namesIgnoreCase_data()
{
    QTest::addColumn<QString>("onDisk");
    QTest::addColumn<QString>("asked");

    QTest::newRow("same case") << QStringLiteral("idioma/Principal.txt") << QStringLiteral("Principal.txt");
    QTest::newRow("file in lower case") << QStringLiteral("idioma/principal.txt") << QStringLiteral("Principal.txt");
    QTest::newRow("folder and file in upper case") << QStringLiteral("IDIOMA/INICIO.TXT") << QStringLiteral("inicio.txt");
    QTest::newRow("folder capitalised") << QStringLiteral("Idioma/Final.txt") << QStringLiteral("Final.txt");
}

void TstLanguageFile::namesIgnoreCase()
{
    QFETCH(QString, onDisk);
    QFETCH(QString, asked);

    testsupport::ProgramFolder program(false);
    program.writeLines(onDisk, {"Hola"});
    LineReader file = bank::openLanguageFile(program.path(), asked);
    QVERIFY(file.exists());
    QString line;
    QVERIFY(file.readLine(line));
    QCOMPARE(line, QStringLiteral("Hola"));
}

QTEST_GUILESS_MAIN(TstLanguageFile)
#include "tst_languagefile.moc"
