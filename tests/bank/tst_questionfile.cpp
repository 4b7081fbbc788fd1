// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/question.h"
#include "bank/textcodec.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTest>

#include <cmath>

using bank::Question;
using bank::ReadError;

Q_DECLARE_METATYPE(bank::Question)
Q_DECLARE_METATYPE(bank::ReadError)
Q_DECLARE_METATYPE(bank::QuestionType)

namespace {

Question multipleChoice(const QString &author, const QString &statement, const QStringList &options,
                        const QString &attachment = {})
{
    Question q;
    q.type = bank::QuestionType::MultipleChoice;
    q.author = author;
    q.statement = statement;
    q.options = options;
    q.attachment = attachment;
    return q;
}

Question written(const QString &author, const QString &statement, const QString &answer)
{
    Question q;
    q.type = bank::QuestionType::WrittenAnswer;
    q.author = author;
    q.statement = statement;
    q.answer = answer;
    return q;
}

Question withFile(bank::QuestionType type, const QString &author, const QString &fileName,
                  const QString &statement, const QString &answer)
{
    Question q;
    q.type = type;
    q.author = author;
    q.fileName = fileName;
    q.statement = statement;
    q.answer = answer;
    return q;
}

Question graphicPoint(const QString &author, const QString &fileName, const QString &statement,
                      double x, double y)
{
    Question q;
    q.type = bank::QuestionType::GraphicPoint;
    q.author = author;
    q.fileName = fileName;
    q.statement = statement;
    q.x = x;
    q.y = y;
    return q;
}

Question trueFalse(const QString &author, const QString &statement, bool isTrue)
{
    Question q;
    q.type = bank::QuestionType::TrueFalse;
    q.author = author;
    q.statement = statement;
    q.isTrue = isTrue;
    return q;
}

QString describe(const Question &q)
{
    return QStringLiteral("type=%1 author=[%2] statement=[%3] options=[%4] attachment=[%5] "
                          "fileName=[%6] answer=[%7] x=%8 y=%9 isTrue=%10")
        .arg(bank::typeCode(q.type))
        .arg(q.author, q.statement, q.options.join(u'|'), q.attachment, q.fileName, q.answer)
        .arg(q.x)
        .arg(q.y)
        .arg(q.isTrue);
}

QStringList linesOf(const QByteArray &bytes)
{
    return bank::splitLines(bank::decodeText(bytes));
}

const QString kPi = QString(QChar(0x03C0));

} // namespace

#define COMPARE_QUESTIONS(actual, expected) \
    QVERIFY2((actual) == (expected), \
             qPrintable(QStringLiteral("\n   actual: %1\n expected: %2") \
                            .arg(describe(actual), describe(expected))))

class TstQuestionFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Writing: the exact bytes of each layout.
    void layout_data();
    void layout();
    void typeLineBytes_data();
    void typeLineBytes();
    void readBackFromFile_data();
    void readBackFromFile();
    void coordinateText_data();
    void coordinateText();

    // Multiple choice.
    void attachmentTest_data();
    void attachmentTest();
    void correctOptionSurvivesRewrite_data();
    void correctOptionSurvivesRewrite();
    void trueFalseLine_data();
    void trueFalseLine();

    // Reading.
    void typeCodeLine_data();
    void typeCodeLine();
    void questionTypeOf_data();
    void questionTypeOf();
    void graphicCoordinatesRead_data();
    void graphicCoordinatesRead();
    void otherTypesIgnoreExtraLines();

    // Reading errors.
    void readErrors_data();
    void readErrors();
    void missingFile();

    // Writing refusals.
    void refusedFields_data();
    void refusedFields();
};

void TstQuestionFile::layout_data()
{
    QTest::addColumn<Question>("question");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Question>("readBack");

    const Question example = multipleChoice(QString::fromUtf8("Profesor de Geografía"),
                                            QString::fromUtf8("¿Cuál es la capital de Francia?"),
                                            {QStringLiteral("Roma"), QString::fromUtf8("París "),
                                             QStringLiteral("Lyon")},
                                            QStringLiteral("torre.gif"));
    QTest::newRow("multiple choice, second correct, picture attachment")
        << example
        << QByteArray(" 1 \r\n"
                      "Profesor de Geograf\xED" "a\r\n"
                      "\xBF" "Cu\xE1l es la capital de Francia?\r\n"
                      "Roma\r\n"
                      "Par\xEDs \r\n"
                      "Lyon\r\n"
                      "torre.gif\r\n")
        << example;

    QTest::newRow("multiple choice, options 1 2 4 filled: 5 lines, option 4 lost")
        << multipleChoice("Ana", "Q", {"uno", "dos", "", "cuatro "})
        << QByteArray(" 1 \r\nAna\r\nQ\r\nuno\r\ndos\r\n")
        << multipleChoice("Ana", "Q", {"uno", "dos"});

    QTest::newRow("multiple choice, options 1 2 4 filled plus attachment: 6 lines")
        << multipleChoice("Ana", "Q", {"uno ", "dos", "", "cuatro"}, "texto.TXT")
        << QByteArray(" 1 \r\nAna\r\nQ\r\nuno \r\ndos\r\ntexto.TXT\r\n")
        << multipleChoice("Ana", "Q", {"uno ", "dos"}, "texto.TXT");

    const QStringList eight{"o1", "o2", "o3", "o4", "o5", "o6", "o7 ", "o8"};
    QTest::newRow("multiple choice, eight options: 11 lines")
        << multipleChoice("", "Q", eight)
        << testsupport::crlf({" 1 ", "", "Q", "o1", "o2", "o3", "o4", "o5", "o6", "o7 ", "o8"})
        << multipleChoice("", "Q", eight);

    const QStringList seven = eight.mid(0, 7);
    QTest::newRow("multiple choice, seven options and attachment: 11 lines")
        << multipleChoice("", "Q", seven, "Mapa.JPG")
        << testsupport::crlf({" 1 ", "", "Q", "o1", "o2", "o3", "o4", "o5", "o6", "o7 ", "Mapa.JPG"})
        << multipleChoice("", "Q", seven, "Mapa.JPG");

    QTest::newRow("multiple choice, empty author is an empty line")
        << multipleChoice("", "Q", {"a ", "b"})
        << QByteArray(" 1 \r\n\r\nQ\r\na \r\nb\r\n")
        << multipleChoice("", "Q", {"a ", "b"});

    QTest::newRow("multiple choice, option of a single space")
        << multipleChoice("A", "Q", {"a", " "})
        << QByteArray(" 1 \r\nA\r\nQ\r\na\r\n \r\n")
        << multipleChoice("A", "Q", {"a", " "});

    QTest::newRow("written answer")
        << written(QString::fromUtf8("Sr. Martí"), QString::fromUtf8("Capital d'Itàlia?"), "Roma")
        << QByteArray(" 2 \r\nSr. Mart\xED\r\nCapital d'It\xE0lia?\r\nRoma\r\n")
        << written(QString::fromUtf8("Sr. Martí"), QString::fromUtf8("Capital d'Itàlia?"), "Roma");

    QTest::newRow("written answer keeps leading and trailing spaces")
        << written("  A ", " Q ", "resposta  ")
        << QByteArray(" 2 \r\n  A \r\n Q \r\nresposta  \r\n")
        << written("  A ", " Q ", "resposta  ");

    QTest::newRow("written answer with empty fields")
        << written("", "", "")
        << QByteArray(" 2 \r\n\r\n\r\n\r\n")
        << written("", "", "");

    QTest::newRow("picture answer")
        << withFile(bank::QuestionType::PictureAnswer, "A", "gato.jpg", QString::fromUtf8("¿Qué animal es?"), "gato")
        << QByteArray(" 3 \r\nA\r\ngato.jpg\r\n\xBFQu\xE9 animal es?\r\ngato\r\n")
        << withFile(bank::QuestionType::PictureAnswer, "A", "gato.jpg", QString::fromUtf8("¿Qué animal es?"), "gato");

    QTest::newRow("graphic point")
        << graphicPoint("A", "mapa.gif", "Marca Madrid", 132, 40)
        << QByteArray(" 4 \r\nA\r\nmapa.gif\r\nMarca Madrid\r\n132\r\n40\r\n")
        << graphicPoint("A", "mapa.gif", "Marca Madrid", 132, 40);

    QTest::newRow("graphic point without graphic")
        << graphicPoint("A", "", "Marca", 2, 2)
        << QByteArray(" 4 \r\nA\r\n\r\nMarca\r\n2\r\n2\r\n")
        << graphicPoint("A", "", "Marca", 2, 2);

    QTest::newRow("reading word keeps attached comma")
        << withFile(bank::QuestionType::ReadingWord, "A", "conte.txt", "Quina paraula?", "casa,")
        << QByteArray(" 5 \r\nA\r\nconte.txt\r\nQuina paraula?\r\ncasa,\r\n")
        << withFile(bank::QuestionType::ReadingWord, "A", "conte.txt", "Quina paraula?", "casa,");

    QTest::newRow("true false, true")
        << trueFalse("A", "El sol es una estrella", true)
        << QByteArray(" 6 \r\nA\r\nEl sol es una estrella\r\nVERDADERO\r\n")
        << trueFalse("A", "El sol es una estrella", true);

    QTest::newRow("true false, false")
        << trueFalse("A", "La luna es una estrella", false)
        << QByteArray(" 6 \r\nA\r\nLa luna es una estrella\r\nFALSO\r\n")
        << trueFalse("A", "La luna es una estrella", false);

    QTest::newRow("1252 punctuation: euro and curly quotes")
        << written("A", QString::fromUtf8("¿Cuánto es “5 €”?"), QString::fromUtf8("l’euro"))
        << QByteArray(" 2 \r\nA\r\n\xBF" "Cu\xE1nto es \x93" "5 \x80\x94?\r\nl\x92" "euro\r\n")
        << written("A", QString::fromUtf8("¿Cuánto es “5 €”?"), QString::fromUtf8("l’euro"));
}

void TstQuestionFile::layout()
{
    QFETCH(Question, question);
    QFETCH(QByteArray, bytes);
    QFETCH(Question, readBack);

    QByteArray written;
    QString error;
    QVERIFY2(bank::encodeQuestion(question, written, &error), qPrintable(error));
    QCOMPARE(written, bytes);
    QVERIFY(error.isEmpty());

    // questionLines is what encodeQuestion writes, line by line.
    QCOMPARE(testsupport::crlf(bank::questionLines(question)), bytes);

    Question read;
    QCOMPARE(bank::parseQuestion(linesOf(bytes), read), ReadError::None);
    COMPARE_QUESTIONS(read, readBack);
}

void TstQuestionFile::typeLineBytes_data()
{
    QTest::addColumn<bank::QuestionType>("type");
    QTest::addColumn<QByteArray>("firstLine");
    for (const bank::QuestionType t : bank::kQuestionTypes)
        QTest::addRow("type %d", bank::typeCode(t)) << t << QByteArray(" ") + char('0' + bank::typeCode(t)) + QByteArray(" \r\n");
}

void TstQuestionFile::typeLineBytes()
{
    QFETCH(bank::QuestionType, type);
    QFETCH(QByteArray, firstLine);
    Question q;
    q.type = type;
    q.statement = QStringLiteral("Q");
    q.options = QStringList{"a ", "b"};
    q.answer = QStringLiteral("x");
    q.x = q.y = 5;
    QByteArray bytes;
    QVERIFY(bank::encodeQuestion(q, bytes));
    QCOMPARE(bytes.left(5), firstLine);
    QCOMPARE(bank::typeCodeLine(type), QString::fromLatin1(firstLine.left(3)));
    QVERIFY(bytes.endsWith("\r\n"));
}

void TstQuestionFile::readBackFromFile_data()
{
    layout_data();
}

// The same files read from disk, as the player and editor do.
void TstQuestionFile::readBackFromFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Question, readBack);
    testsupport::ProgramFolder folder(false);
    folder.writeBytes(QStringLiteral("Preguntas/1.txt"), bytes);
    Question read;
    QCOMPARE(bank::readQuestionFile(folder.file(QStringLiteral("Preguntas/1.txt")), read),
             ReadError::None);
    COMPARE_QUESTIONS(read, readBack);
}

void TstQuestionFile::coordinateText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole pixel is plain digits") << 132.0 << QStringLiteral("132");
    QTest::newRow("two") << 2.0 << QStringLiteral("2");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0");
    QTest::newRow("fraction") << 12.5 << QStringLiteral("12.5");
}

void TstQuestionFile::coordinateText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(bank::coordinateText(value), text);
}

void TstQuestionFile::attachmentTest_data()
{
    QTest::addColumn<QString>("lastLine");
    QTest::addColumn<bool>("isAttachment");
    QTest::addColumn<bool>("isPicture");

    QTest::newRow("Mapa.JPG is a picture attachment") << QStringLiteral("Mapa.JPG") << true << true;
    QTest::newRow("lower case gif") << QStringLiteral("torre.gif") << true << true;
    QTest::newRow("mixed case Gif") << QStringLiteral("torre.Gif") << true << true;
    QTest::newRow("text attachment") << QStringLiteral("lectura.txt") << true << false;
    QTest::newRow("upper case TXT") << QStringLiteral("LECTURA.TXT") << true << false;
    QTest::newRow("ver mapa is an option") << QStringLiteral("ver mapa") << false << false;
    QTest::newRow("notes.txt with trailing space is an option")
        << QStringLiteral("notes.txt ") << false << false;
    QTest::newRow("png is not an attachment") << QStringLiteral("foto.png") << false << false;
    QTest::newRow("jpeg is not an attachment") << QStringLiteral("foto.jpeg") << false << false;
    QTest::newRow("extension without dot") << QStringLiteral("unjpg") << false << false;
}

void TstQuestionFile::attachmentTest()
{
    QFETCH(QString, lastLine);
    QFETCH(bool, isAttachment);
    QFETCH(bool, isPicture);

    QCOMPARE(bank::isAttachmentName(lastLine), isAttachment);
    QCOMPARE(bank::isPictureAttachment(lastLine), isPicture);

    Question read;
    QCOMPARE(bank::parseQuestion({" 1 ", "A", "Q", "primera ", "segunda", lastLine}, read),
             ReadError::None);
    if (isAttachment) {
        QCOMPARE(read.attachment, lastLine);
        QCOMPARE(read.options, (QStringList{"primera ", "segunda"}));
    } else {
        QCOMPARE(read.attachment, QString());
        QCOMPARE(read.options, (QStringList{"primera ", "segunda", lastLine}));
    }
}

void TstQuestionFile::correctOptionSurvivesRewrite_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("correctIndex");

    QTest::newRow("second option correct")
        << QByteArray(" 1 \r\nA\r\nQ\r\nRoma\r\nPar\xEDs \r\nLyon\r\n") << 1;
    QTest::newRow("first option correct, attachment")
        << QByteArray(" 1 \r\nA\r\nQ\r\nRoma \r\nParis\r\nx.txt\r\n") << 0;
    QTest::newRow("last option correct looks like a file name")
        << QByteArray(" 1 \r\nA\r\nQ\r\nRoma\r\nnotes.txt \r\n") << 1;
    QTest::newRow("no correct option") << QByteArray(" 1 \r\nA\r\nQ\r\nRoma\r\nParis\r\n") << -1;
}

void TstQuestionFile::correctOptionSurvivesRewrite()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, correctIndex);

    Question read;
    QCOMPARE(bank::parseQuestion(linesOf(bytes), read), ReadError::None);
    for (qsizetype i = 0; i < read.options.size(); ++i)
        QCOMPARE(bank::isCorrectOption(read.options[i]), i == correctIndex);

    QByteArray rewritten;
    QVERIFY(bank::encodeQuestion(read, rewritten));
    QCOMPARE(rewritten, bytes);
}

void TstQuestionFile::trueFalseLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("isTrue");
    QTest::newRow("VERDADERO") << QStringLiteral("VERDADERO") << true;
    QTest::newRow("FALSO") << QStringLiteral("FALSO") << false;
    QTest::newRow("lower case is false") << QStringLiteral("verdadero") << false;
    QTest::newRow("trailing space is false") << QStringLiteral("VERDADERO ") << false;
    QTest::newRow("anything else is false") << QStringLiteral("SI") << false;
}

void TstQuestionFile::trueFalseLine()
{
    QFETCH(QString, line);
    QFETCH(bool, isTrue);
    Question read;
    read.isTrue = !isTrue;
    QCOMPARE(bank::parseQuestion({" 6 ", "A", "Q", line}, read), ReadError::None);
    QCOMPARE(read.isTrue, isTrue);
}

// The one reader of the type digit: a whole 1 to 6, nothing else.
void TstQuestionFile::questionTypeOf_data()
{
    QTest::addColumn<double>("code");
    QTest::addColumn<bank::QuestionType>("type");
    QTest::newRow("1") << 1.0 << bank::QuestionType::MultipleChoice;
    QTest::newRow("6") << 6.0 << bank::QuestionType::TrueFalse;
    QTest::newRow("0") << 0.0 << bank::QuestionType::None;
    QTest::newRow("7") << 7.0 << bank::QuestionType::None;
    QTest::newRow("-1") << -1.0 << bank::QuestionType::None;
    QTest::newRow("2.5") << 2.5 << bank::QuestionType::None;
    QTest::newRow("2^32 + 3 does not wrap") << 4294967299.0 << bank::QuestionType::None;
    QTest::newRow("not a number") << std::nan("") << bank::QuestionType::None;
}

void TstQuestionFile::questionTypeOf()
{
    QFETCH(double, code);
    QFETCH(bank::QuestionType, type);
    QCOMPARE(bank::questionTypeOf(code), type);
    QCOMPARE(bank::isQuestionType(type), type != bank::QuestionType::None);
}

void TstQuestionFile::typeCodeLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("print form space 3 space") << QStringLiteral(" 3 ");
    QTest::newRow("bare 3") << QStringLiteral("3");
    QTest::newRow("3 with blanks around") << QStringLiteral("  3  ");
    QTest::newRow("3 with tab") << QStringLiteral("\t3\t");
    QTest::newRow("3 followed by text") << QStringLiteral("3 imagen");
}

void TstQuestionFile::typeCodeLine()
{
    QFETCH(QString, line);
    Question read;
    QCOMPARE(bank::parseQuestion({line, "A", "foto.jpg", "Q", "resp"}, read), ReadError::None);
    QCOMPARE(read.type, bank::QuestionType::PictureAnswer);
    QCOMPARE(read.fileName, QStringLiteral("foto.jpg"));
    QCOMPARE(read.statement, QStringLiteral("Q"));
    QCOMPARE(read.answer, QStringLiteral("resp"));
}

void TstQuestionFile::graphicCoordinatesRead_data()
{
    QTest::addColumn<QString>("xLine");
    QTest::addColumn<QString>("yLine");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("plain digits") << QStringLiteral("132") << QStringLiteral("40") << 132.0 << 40.0;
    QTest::newRow("print form with spaces") << QStringLiteral(" 132 ") << QStringLiteral(" 7 ") << 132.0 << 7.0;
    QTest::newRow("fraction") << QStringLiteral("12.5") << QStringLiteral("3.25") << 12.5 << 3.25;
    QTest::newRow("not numbers give 0") << QStringLiteral("x") << QString() << 0.0 << 0.0;
}

void TstQuestionFile::graphicCoordinatesRead()
{
    QFETCH(QString, xLine);
    QFETCH(QString, yLine);
    QFETCH(double, x);
    QFETCH(double, y);
    Question read;
    QCOMPARE(bank::parseQuestion({" 4 ", "A", "mapa.gif", "Q", xLine, yLine}, read), ReadError::None);
    QCOMPARE(read.x, x);
    QCOMPARE(read.y, y);
}

void TstQuestionFile::otherTypesIgnoreExtraLines()
{
    Question read;
    QCOMPARE(bank::parseQuestion({" 2 ", "A", "Q", "resp", "sobra", "sobra"}, read), ReadError::None);
    COMPARE_QUESTIONS(read, written("A", "Q", "resp"));
}

void TstQuestionFile::readErrors_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<ReadError>("error");
    QTest::addColumn<Question>("kept");

    Question none;
    auto typed = [](bank::QuestionType type) {
        Question q;
        q.type = type;
        return q;
    };

    // Line 1 not 1 to 6: no type.
    QTest::newRow("type 0") << QStringList{" 0 ", "A", "Q", "a"} << ReadError::UnknownType << typed(bank::QuestionType::None);
    QTest::newRow("type 7") << QStringList{" 7 ", "A", "Q", "a"} << ReadError::UnknownType << typed(bank::QuestionType::None);
    QTest::newRow("type abc") << QStringList{"abc", "A", "Q", "a"} << ReadError::UnknownType << typed(bank::QuestionType::None);
    QTest::newRow("type line empty") << QStringList{"", "A", "Q", "a"} << ReadError::UnknownType << typed(bank::QuestionType::None);
    QTest::newRow("type negative") << QStringList{"-1", "A", "Q", "a"} << ReadError::UnknownType << typed(bank::QuestionType::None);
    QTest::newRow("type 2.5") << QStringList{"2.5", "A", "Q", "a"} << ReadError::UnknownType << typed(bank::QuestionType::None);
    QTest::newRow("type far too large")
        << QStringList{"99999999999", "A", "Q", "a"} << ReadError::UnknownType << typed(bank::QuestionType::None);
    QTest::newRow("type 4294967297 does not wrap to 1")
        << QStringList{"4294967297", "A", "Q", "a", "b"} << ReadError::UnknownType << typed(bank::QuestionType::None);

    // Files ending early: the lines there are read, the rest stays empty.
    QTest::newRow("empty file") << QStringList{} << ReadError::TooShort << none;
    Question onlyType2;
    onlyType2.type = bank::QuestionType::WrittenAnswer;
    QTest::newRow("only the type line") << QStringList{" 2 "} << ReadError::TooShort << onlyType2;
    Question mcAuthor = multipleChoice("Ana", "", {});
    QTest::newRow("multiple choice without statement")
        << QStringList{" 1 ", "Ana"} << ReadError::TooShort << mcAuthor;
    QTest::newRow("written answer without answer")
        << QStringList{" 2 ", "Ana", "Q"} << ReadError::TooShort << written("Ana", "Q", "");
    QTest::newRow("picture answer without answer")
        << QStringList{" 3 ", "Ana", "f.jpg", "Q"} << ReadError::TooShort
        << withFile(bank::QuestionType::PictureAnswer, "Ana", "f.jpg", "Q", "");
    QTest::newRow("picture answer without statement")
        << QStringList{" 3 ", "Ana", "f.jpg"} << ReadError::TooShort
        << withFile(bank::QuestionType::PictureAnswer, "Ana", "f.jpg", "", "");
    QTest::newRow("graphic point without Y")
        << QStringList{" 4 ", "Ana", "m.gif", "Q", "132"} << ReadError::TooShort
        << graphicPoint("Ana", "m.gif", "Q", 132, 0);
    QTest::newRow("reading word without word")
        << QStringList{" 5 ", "Ana", "t.txt", "Q"} << ReadError::TooShort
        << withFile(bank::QuestionType::ReadingWord, "Ana", "t.txt", "Q", "");
    QTest::newRow("true false without verdict")
        << QStringList{" 6 ", "Ana", "Q"} << ReadError::TooShort << trueFalse("Ana", "Q", false);

    // Multiple choice option lines.
    QTest::newRow("no options")
        << QStringList{" 1 ", "Ana", "Q"} << ReadError::NoOptions << multipleChoice("Ana", "Q", {});
    QTest::newRow("attachment but no options")
        << QStringList{" 1 ", "Ana", "Q", "mapa.jpg"} << ReadError::NoOptions
        << multipleChoice("Ana", "Q", {}, "mapa.jpg");
    QTest::newRow("ninth line after the statement, an attachment")
        << QStringList{" 1 ", "A", "Q", "1", "2", "3", "4", "5", "6", "7", "8", "x.gif"}
        << ReadError::TooManyOptions << multipleChoice("A", "Q", {"1", "2", "3", "4", "5", "6", "7", "8"});
    QTest::newRow("nine options")
        << QStringList{" 1 ", "A", "Q", "1", "2", "3", "4", "5", "6", "7", "8", "9"}
        << ReadError::TooManyOptions << multipleChoice("A", "Q", {"1", "2", "3", "4", "5", "6", "7", "8"});
}

void TstQuestionFile::readErrors()
{
    QFETCH(QStringList, lines);
    QFETCH(ReadError, error);
    QFETCH(Question, kept);

    Question read;
    QCOMPARE(bank::parseQuestion(lines, read), error);
    COMPARE_QUESTIONS(read, kept);

    // The same through a file on disk.
    testsupport::ProgramFolder folder(false);
    folder.writeLines(QStringLiteral("q.txt"), lines);
    Question fromFile;
    QCOMPARE(bank::readQuestionFile(folder.file(QStringLiteral("q.txt")), fromFile), error);
    COMPARE_QUESTIONS(fromFile, kept);
}

void TstQuestionFile::missingFile()
{
    testsupport::ProgramFolder folder(false);
    Question read = written("A", "Q", "R");
    QCOMPARE(bank::readQuestionFile(folder.file(QStringLiteral("9.txt")), read), ReadError::Missing);
    COMPARE_QUESTIONS(read, written("A", "Q", "R"));
}

void TstQuestionFile::refusedFields_data()
{
    QTest::addColumn<Question>("question");

    const QStringList ok{"a ", "b"};
    // Line breaks: every later line would be read one place too late.
    QTest::newRow("LF in statement") << multipleChoice("A", "dos\nlineas", ok);
    QTest::newRow("CR LF in author") << written("A\r\nB", "Q", "R");
    QTest::newRow("lone CR in answer") << written("A", "Q", "R\r");
    QTest::newRow("LF in an option") << multipleChoice("A", "Q", {"a ", "b\n"});
    QTest::newRow("LF in attachment") << multipleChoice("A", "Q", ok, "x\n.gif");
    QTest::newRow("LF in file name") << withFile(bank::QuestionType::PictureAnswer, "A", "a\nb.jpg", "Q", "R");
    QTest::newRow("CR in reading word") << withFile(bank::QuestionType::ReadingWord, "A", "t.txt", "Q", "casa\r");
    QTest::newRow("LF in true false statement") << trueFalse("A", "Q\nQ", true);
    // Characters Windows-1252 lacks.
    QTest::newRow("pi in statement") << written("A", QStringLiteral("area = ") + kPi, "R");
    QTest::newRow("pi in the last option") << multipleChoice("A", "Q", {"a ", kPi});
    QTest::newRow("emoji in author") << written(QString::fromUtf8("Ana 😀"), "Q", "R");
    QTest::newRow("cyrillic in graphic name")
        << graphicPoint("A", QString::fromUtf8("карта.gif"), "Q", 5, 5);
    // Files that could not be read back as written.
    Question type0 = written("A", "Q", "R");
    type0.type = bank::QuestionType::None;
    Question type7 = written("A", "Q", "R");
    // No reader makes it: only a question built in code can hold it.
    type7.type = static_cast<bank::QuestionType>(7);
    QTest::newRow("type 0") << type0;
    QTest::newRow("type 7") << type7;
    QTest::newRow("nine options")
        << multipleChoice("A", "Q", {"1", "2", "3", "4", "5", "6", "7", "8", "9 "});
    QTest::newRow("eight options and attachment")
        << multipleChoice("A", "Q", {"1", "2", "3", "4", "5", "6", "7", "8 "}, "x.gif");
    QTest::newRow("attachment that would read back as an option")
        << multipleChoice("A", "Q", ok, "foto.png");
}

void TstQuestionFile::refusedFields()
{
    QFETCH(Question, question);

    QByteArray bytes("untouched");
    QString error;
    QVERIFY(!bank::encodeQuestion(question, bytes, &error));
    QCOMPARE(bytes, QByteArray("untouched"));
    QVERIFY(!error.isEmpty());
    QVERIFY(error.contains(QStringLiteral("No se ha guardado")));

    // Saving writes nothing at all.
    testsupport::ProgramFolder folder(false);
    const bank::SaveResult result = bank::saveNewQuestion(folder.path(), question);
    QVERIFY(!result.ok);
    QCOMPARE(result.error, error);
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

QTEST_GUILESS_MAIN(TstQuestionFile)
#include "tst_questionfile.moc"
