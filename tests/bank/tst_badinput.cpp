// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bank's readers on files as teachers really hand them in: other line
// ends, other encodings, damaged or empty files; and every input the
// fuzzers ever stopped on (tests/data/fuzz/), replayed through the same
// expectations the fuzzers check.

#include "fuzz/checks.h"

#include "bank/languagefile.h"
#include "bank/question.h"
#include "bank/textcodec.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTest>

#include <functional>

using bank::ReadError;

namespace {

QByteArray utf16(const QString &text, bool littleEndian)
{
    QByteArray bytes(littleEndian ? "\xFF\xFE" : "\xFE\xFF");
    for (const QChar c : text) {
        const char low = char(c.unicode() & 0xFF);
        const char high = char(c.unicode() >> 8);
        bytes += littleEndian ? low : high;
        bytes += littleEndian ? high : low;
    }
    return bytes;
}

QStringList linesOf(bank::LineReader reader)
{
    QStringList lines;
    QString line;
    while (reader.readLine(line))
        lines << line;
    return lines;
}

} // namespace

class TstBadInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keptFuzzInputs_data();
    void keptFuzzInputs();

    void lineEnds_data();
    void lineEnds();

    void questionFiles_data();
    void questionFiles();

    void unicodeFromNotepad_data();
    void unicodeFromNotepad();

    void damagedOrEmptyFiles_data();
    void damagedOrEmptyFiles();

    void languageFilesKeepALoneLineFeed();

    void writerRefusesWhatWouldReadBackOtherwise_data();
    void writerRefusesWhatWouldReadBackOtherwise();

    void largeCoordinatesReadBack_data();
    void largeCoordinatesReadBack();
};

void TstBadInput::keptFuzzInputs_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("path");
    const QDir kept(QStringLiteral(TEST_DATA_DIR "/fuzz"));
    int rows = 0;
    for (const QString &target : kept.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QDir inputs(kept.filePath(target));
        for (const QString &name : inputs.entryList(QDir::Files, QDir::Name)) {
            QTest::addRow("%s/%s", qPrintable(target), qPrintable(name)) << target << inputs.filePath(name);
            ++rows;
        }
    }
    QVERIFY2(rows > 0, "no kept fuzz inputs in " TEST_DATA_DIR "/fuzz");
}

void TstBadInput::keptFuzzInputs()
{
    QFETCH(QString, target);
    QFETCH(QString, path);
    const QByteArray bytes = testsupport::readBytes(path);
    QString failure;
    if (target == u"questionfile")
        failure = fuzzchecks::checkQuestionFile(bytes);
    else if (target == u"languagefile")
        failure = fuzzchecks::checkLanguageFile(bytes);
    else if (target == u"sessionrecord")
        failure = fuzzchecks::checkSessionRecord(bytes);
    else if (target == u"textcodec")
        failure = fuzzchecks::checkTextCodec(bytes);
    else
        QFAIL(qPrintable(QStringLiteral("no check for ") + target));
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

// Question files end lines at CR LF, CR or LF; language files at CR LF or CR
// only, a lone LF staying in the text, unless the file holds no CR at all.
void TstBadInput::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("question");
    QTest::addColumn<QStringList>("language");

    QTest::newRow("CR LF, as written") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"} << QStringList{"a", "b"};
    QTest::newRow("LF only, copied through Unix tools")
        << QByteArray("a\nb\n") << QStringList{"a", "b"} << QStringList{"a", "b"};
    QTest::newRow("LF only, empty line kept")
        << QByteArray(" 2 \n\nQ\nR\n") << QStringList{" 2 ", "", "Q", "R"} << QStringList{" 2 ", "", "Q", "R"};
    QTest::newRow("CR only, old Macintosh") << QByteArray("a\rb\r") << QStringList{"a", "b"} << QStringList{"a", "b"};
    QTest::newRow("lone LF inside a CR LF file")
        << QByteArray("a\nb\r\nc\r\n") << QStringList{"a", "b", "c"} << QStringList{"a\nb", "c"};
    QTest::newRow("LF CR is two line ends")
        << QByteArray("a\n\rb") << QStringList{"a", "", "b"} << QStringList{"a\n", "b"};
    QTest::newRow("no line end after the last line")
        << QByteArray("a\nb") << QStringList{"a", "b"} << QStringList{"a", "b"};
    QTest::newRow("trailing spaces kept")
        << QByteArray("Par\xEDs \nRoma\n") << QStringList{"París ", "Roma"} << QStringList{"París ", "Roma"};
}

void TstBadInput::lineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, question);
    QFETCH(QStringList, language);

    QCOMPARE(linesOf(bank::LineReader::fromBytes(bytes, bank::LineEnds::CrOrLf)), question);
    QCOMPARE(linesOf(bank::LineReader::fromBytes(bytes, bank::LineEnds::CrOnly)), language);

    // From files: question files through LineReader and readQuestionFile,
    // language files through openLanguageFile.
    testsupport::ProgramFolder program(false);
    program.writeBytes(QStringLiteral("1.txt"), bytes);
    program.writeBytes(QStringLiteral("idioma/inicio.txt"), bytes);
    QCOMPARE(linesOf(bank::LineReader(program.file(QStringLiteral("1.txt")))), question);
    QCOMPARE(linesOf(bank::openLanguageFile(program.path(), QStringLiteral("inicio.txt"))), language);
}

void TstBadInput::questionFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QStringList>("options");

    QTest::newRow("multiple choice, LF only")
        << QByteArray(" 1 \nMestra\nQuin \xE9s primer?\n4\n7 \n9\n") << int(ReadError::None) << 1
        << QStringLiteral("Quin és primer?") << QStringList{"4", "7 ", "9"};
    QTest::newRow("multiple choice with attachment, LF only")
        << QByteArray(" 1 \nMestra\nOn \xE9s?\nRoma\nPar\xEDs \nMapa.JPG\n") << int(ReadError::None) << 1
        << QStringLiteral("On és?") << QStringList{"Roma", "París "};
    QTest::newRow("true or false, UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBF 6 \r\nMestra\r\nL'aigua \xC3\xA9s H\xE2\x82\x82O.\r\nVERDADERO\r\n")
        << int(ReadError::None) << 6 << QStringLiteral("L'aigua és H₂O.") << QStringList{};
    QTest::newRow("written answer, UTF-8 without mark")
        << QByteArray(" 2 \r\nMestra\r\nCapital d'It\xC3\xA0lia?\r\nRoma\r\n") << int(ReadError::None) << 2
        << QStringLiteral("Capital d'Itàlia?") << QStringList{};
    QTest::newRow("written answer, LF only, no final line end")
        << QByteArray(" 2 \nMestra\nQ\nR") << int(ReadError::None) << 2 << QStringLiteral("Q") << QStringList{};
}

void TstBadInput::questionFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, error);
    QFETCH(int, type);
    QFETCH(QString, statement);
    QFETCH(QStringList, options);

    testsupport::ProgramFolder program(false);
    program.writeBytes(QStringLiteral("1.txt"), bytes);
    bank::Question q;
    QCOMPARE(int(bank::readQuestionFile(program.file(QStringLiteral("1.txt")), q)), error);
    QCOMPARE(bank::typeCode(q.type), type);
    QCOMPARE(q.author, QStringLiteral("Mestra"));
    QCOMPARE(q.statement, statement);
    QCOMPARE(q.options, options);
}

// Notepad's "Unicode" is UTF-16 with a byte-order mark.
void TstBadInput::unicodeFromNotepad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QString text = QStringLiteral(" 6 \r\nMestra\r\nL'àvia té 80 anys.\r\nVERDADERO\r\n");
    QTest::newRow("little-endian") << utf16(text, true) << text;
    QTest::newRow("big-endian") << utf16(text, false) << text;
    QTest::newRow("odd byte count: the last half character is replaced")
        << utf16(QStringLiteral("ab"), true) + 'c' << QStringLiteral("ab") + QChar(QChar::ReplacementCharacter);
}

void TstBadInput::unicodeFromNotepad()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(bank::decodeText(bytes), text);
    if (!text.startsWith(u' '))
        return;
    bank::Question q;
    QCOMPARE(bank::parseQuestion(bank::splitQuestionLines(bank::decodeText(bytes)), q), ReadError::None);
    QCOMPARE(q.type, bank::QuestionType::TrueFalse);
    QCOMPARE(q.statement, QStringLiteral("L'àvia té 80 anys."));
    QVERIFY(q.isTrue);
}

void TstBadInput::damagedOrEmptyFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<bool>("nul");

    QTest::newRow("empty file") << QByteArray() << int(ReadError::TooShort) << true << false;
    QTest::newRow("file of NUL bytes") << QByteArray(4096, '\0') << int(ReadError::UnknownType) << false << true;
    QTest::newRow("good question, then NUL bytes")
        << QByteArray(" 2 \r\nM\r\nQ\r\nR\r\n") + QByteArray(100, '\0') << int(ReadError::None) << false << true;
    QTest::newRow("type code 99") << QByteArray(" 99 \r\nM\r\nQ\r\nR\r\n") << int(ReadError::UnknownType) << false << false;
    QTest::newRow("type code of 400 digits")
        << QByteArray(400, '9') + "\r\nM\r\n" << int(ReadError::UnknownType) << false << false;
    QTest::newRow("only blank lines, LF only") << QByteArray("\n\n\n") << int(ReadError::UnknownType) << false << false;
}

void TstBadInput::damagedOrEmptyFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, error);
    QFETCH(bool, empty);
    QFETCH(bool, nul);

    testsupport::ProgramFolder program(false);
    program.writeBytes(QStringLiteral("1.txt"), bytes);
    const QString path = program.file(QStringLiteral("1.txt"));
    bank::Question q;
    QCOMPARE(int(bank::readQuestionFile(path, q)), error);
    const bank::LineReader reader(path);
    QVERIFY(reader.exists());
    QCOMPARE(reader.isEmpty(), empty);
    QCOMPARE(reader.holdsNul(), nul);

    const bank::LineReader missing(program.file(QStringLiteral("2.txt")));
    QVERIFY(!missing.exists());
    QVERIFY(!missing.isEmpty());
}

// A translator's file saved with LF alone by a Linux editor reads line by
// line; a lone LF in a file that has CRs stays in its text.
void TstBadInput::languageFilesKeepALoneLineFeed()
{
    testsupport::ProgramFolder program(false);
    program.writeBytes(QStringLiteral("idioma/inicio.txt"), QByteArray("INICI \nNom\nInformes\n"));
    program.writeBytes(QStringLiteral("idioma/Final.txt"), QByteArray("A\nB\r\nC\r\n"));
    bank::LineReader file = bank::openLanguageFile(program.path(), QStringLiteral("inicio.txt"));
    QCOMPARE(linesOf(file), (QStringList{QStringLiteral("INICI "), QStringLiteral("Nom"), QStringLiteral("Informes")}));
    bank::LineReader mixed = bank::openLanguageFile(program.path(), QStringLiteral("Final.txt"));
    QCOMPARE(linesOf(mixed), (QStringList{QStringLiteral("A\nB"), QStringLiteral("C")}));
}

void TstBadInput::writerRefusesWhatWouldReadBackOtherwise_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("attachment");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("first option empty: no option would be written")
        << QStringList{"", "dos "} << QString() << QStringLiteral("al menos una opción");
    QTest::newRow("first option empty, with an attachment")
        << QStringList{"", "dos "} << QStringLiteral("mapa.gif") << QStringLiteral("al menos una opción");
    QTest::newRow("last option named like a picture, no attachment")
        << QStringList{"Roma ", "mapa.gif"} << QString() << QStringLiteral("«mapa.gif» se leería como un archivo adjunto");
    QTest::newRow("option named like a text before an empty one")
        << QStringList{"Roma ", "notes.TXT", "", "quatre"} << QString()
        << QStringLiteral("«notes.TXT» se leería como un archivo adjunto");
    // Readers take a file holding a NUL for a damaged one.
    QTest::newRow("NUL inside an option")
        << QStringList{QStringLiteral("Ro") + QChar(0) + QStringLiteral("ma "), "dos"} << QString()
        << QStringLiteral("carácter nulo");
}

void TstBadInput::writerRefusesWhatWouldReadBackOtherwise()
{
    QFETCH(QStringList, options);
    QFETCH(QString, attachment);
    QFETCH(QString, refusal);

    bank::Question q;
    q.type = bank::QuestionType::MultipleChoice;
    q.statement = QStringLiteral("Quina?");
    q.options = options;
    q.attachment = attachment;
    QByteArray bytes("untouched");
    QString error;
    QVERIFY(!bank::encodeQuestion(q, bytes, &error));
    QCOMPARE(bytes, QByteArray("untouched"));
    QVERIFY2(error.contains(refusal), qPrintable(error));
    QVERIFY(error.contains(QStringLiteral("No se ha guardado")));

}

// A graphic point far outside any picture is written without an exponent,
// which readers would stop at ("1e+20" reads back as 1).
void TstBadInput::largeCoordinatesReadBack_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("written");
    QTest::newRow("a pixel") << 132.0 << QStringLiteral("132");
    QTest::newRow("fifteen digits") << 123456789012345.0 << QStringLiteral("123456789012345");
    QTest::newRow("twenty digits") << 1e20 << QStringLiteral("100000000000000000000");
    QTest::newRow("negative, twenty digits") << -1e20 << QStringLiteral("-100000000000000000000");
}

void TstBadInput::largeCoordinatesReadBack()
{
    QFETCH(double, x);
    QFETCH(QString, written);
    QCOMPARE(bank::coordinateText(x), written);

    bank::Question q;
    q.type = bank::QuestionType::GraphicPoint;
    q.fileName = QStringLiteral("mapa.gif");
    q.statement = QStringLiteral("Marca");
    q.x = x;
    q.y = 40;
    QByteArray bytes;
    QVERIFY(bank::encodeQuestion(q, bytes));
    bank::Question back;
    QCOMPARE(bank::parseQuestion(bank::splitQuestionLines(bank::decodeText(bytes)), back), ReadError::None);
    QCOMPARE(back.x, x);
}

QTEST_GUILESS_MAIN(TstBadInput)
#include "tst_badinput.moc"
