// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/questioncheck.h"

#include "bank/question.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

using editor::EditorFields;
using editor::Options;

Q_DECLARE_METATYPE(EditorFields)
Q_DECLARE_METATYPE(Options)

namespace {

const QString kStatementMissing = QStringLiteral("Se ha de escribir la pregunta");
const QString kFirstMissing = QStringLiteral("Se ha de escribir la primera opción");
const QString kSecondMissing = QStringLiteral("Se ha de escribir la segunda opción");
const QString kBlankMarked = QStringLiteral("La opción marcada como correcta está vacía");
const QString kEighthWithAttachment =
    QStringLiteral("Si se selecciona un archivo de imagen o de texto, no debemos escribir en la opcion 8");
const QString kNoMark = QStringLiteral("Has de seleccionar la opción correcta");
const QString kWrittenMissing = QStringLiteral("Te falta redactar la pregunta i/o la respuesta");
const QString kNoPicture = QStringLiteral("Falta seleccionar una imagen");
const QString kStatementShort = QStringLiteral("Falta redactar la pregunta");
const QString kNoPoint = QStringLiteral("Se ha de seleccionar un gráfico y hacer clic en él");
const QString kNoGraphic = QStringLiteral("Falta seleccionar un gráfico");
const QString kNoText = QStringLiteral("Se ha de seleccionar el archivo de texto");
const QString kNoWord = QStringLiteral("Se ha de hacer clic en la palabra del texto");
const QString kTrueFalseMissing = QStringLiteral("Se de escribir la pregunta");
const QString kNoTrueFalse = QStringLiteral("Falta hacer clic sobre verdadero o falso");

EditorFields filledChoice()
{
    EditorFields f;
    f.author = QStringLiteral("Profesor de Geografía");
    f.choiceStatement = QStringLiteral("¿Cuál es la capital de Francia?");
    f.options = {QStringLiteral("Roma"), QStringLiteral("París"), QStringLiteral("Lyon")};
    f.markedOption = 2;
    f.attachmentCaption = editor::kAttachmentButtonCaption();
    return f;
}

EditorFields eightOptions(const QString &attachment)
{
    EditorFields f = filledChoice();
    for (int i = 0; i < editor::kOptionCount; ++i)
        f.options[i] = QStringLiteral("opción %1").arg(i + 1);
    f.attachmentCaption = attachment;
    return f;
}

EditorFields filledOthers()
{
    EditorFields f;
    f.author = QStringLiteral("Marta");
    f.writtenStatement = QStringLiteral("¿Cuánto es 2 + 2?");
    f.writtenAnswer = QStringLiteral("4");
    f.pictureFile = QStringLiteral("torre.gif");
    f.pictureStatement = QStringLiteral("¿Qué torre es?");
    f.pictureAnswer = QStringLiteral("Eiffel");
    f.graphicFile = QStringLiteral("mapa.gif");
    f.graphicStatement = QStringLiteral("Marca Lleida");
    f.xCaption = QStringLiteral("132");
    f.yCaption = QStringLiteral("40");
    f.readingFile = QStringLiteral("lectura.txt");
    f.readingStatement = QStringLiteral("¿Qué animal ladra?");
    f.wordCaption = QStringLiteral("perro,");
    f.trueFalseStatement = QStringLiteral("El sol es una estrella");
    f.trueFalseCaption = QStringLiteral("VERDADERO");
    return f;
}

} // namespace

class TstQuestionCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void multipleChoiceCheck_data();
    void multipleChoiceCheck();
    void otherTypesCheck_data();
    void otherTypesCheck();
    void typeOutsideRangeNeitherPassesNorSpeaks_data();
    void typeOutsideRangeNeitherPassesNorSpeaks();
    void normaliseOptions_data();
    void normaliseOptions();
    void normaliseTwiceChangesNothing_data();
    void normaliseTwiceChangesNothing();
    void questionLinesFromFields_data();
    void questionLinesFromFields();
    void lineBreaksBecomeSpaces_data();
    void lineBreaksBecomeSpaces();
    void saveWritesCheckedQuestion();
    void saveWithoutCheckWritesNothing();
    void saveTypeOutsideRangeClearsCheckOnly();
    void saveErrors_data();
    void saveErrors();
};

void TstQuestionCheck::multipleChoiceCheck_data()
{
    QTest::addColumn<EditorFields>("fields");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("complete and marked: passes silently") << filledChoice() << QStringList();

    EditorFields f = filledChoice();
    f.choiceStatement.clear();
    f.options[0].clear();
    QTest::newRow("empty statement and first option: two messages in order")
        << f << QStringList{kStatementMissing, kFirstMissing};

    f = filledChoice();
    f.options[1].clear();
    QTest::newRow("empty second option, the marked one")
        << f << QStringList{kSecondMissing, kBlankMarked};

    f = filledChoice();
    f.markedOption = 0;
    QTest::newRow("no option marked") << f << QStringList{kNoMark};

    // A mark left from earlier editing on a blank option would make it the
    // only correct answer.
    f = filledChoice();
    f.markedOption = 3;
    f.options[2].clear();
    QTest::newRow("marked option empty refused") << f << QStringList{kBlankMarked};
    f.options[2] = QStringLiteral("  ");
    QTest::newRow("marked option of spaces refused") << f << QStringList{kBlankMarked};
    f = filledChoice();
    f.markedOption = 1;
    f.options[0] = QStringLiteral(" ");
    QTest::newRow("marked first option a single space")
        << f << QStringList{kBlankMarked};

    QTest::newRow("attachment Mapa.JPG with eight options")
        << eightOptions(QStringLiteral("Mapa.JPG")) << QStringList{kEighthWithAttachment};
    QTest::newRow("attachment in lower case with eight options")
        << eightOptions(QStringLiteral("lectura.txt")) << QStringList{kEighthWithAttachment};
    QTest::newRow("eight options without attachment") << eightOptions(editor::kAttachmentButtonCaption())
                                                      << QStringList();
    QTest::newRow("caption notas.doc is no attachment") << eightOptions(QStringLiteral("notas.doc"))
                                                        << QStringList();

    f = eightOptions(QStringLiteral("torre.gif"));
    f.choiceStatement.clear();
    f.options[0].clear();
    f.options[1].clear();
    f.markedOption = 0;
    QTest::newRow("everything wrong: five messages in order")
        << f
        << QStringList{kStatementMissing, kFirstMissing, kSecondMissing, kEighthWithAttachment,
                       kNoMark};
}

void TstQuestionCheck::multipleChoiceCheck()
{
    QFETCH(EditorFields, fields);
    QFETCH(QStringList, messages);

    const editor::CheckOutcome outcome = editor::checkQuestion(bank::QuestionType::MultipleChoice, fields);
    QCOMPARE(outcome.messages, messages);
    QCOMPARE(outcome.passed, messages.isEmpty());
    QCOMPARE(outcome.normalise, messages.isEmpty());
    QCOMPARE(outcome.openCheckWindow, messages.isEmpty());
}

void TstQuestionCheck::otherTypesCheck_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<EditorFields>("fields");
    QTest::addColumn<QString>("message");

    const EditorFields full = filledOthers();
    EditorFields f;

    QTest::newRow("written: complete") << 2 << full << editor::kAgreed();
    f = full;
    f.writtenStatement.clear();
    QTest::newRow("written: no statement") << 2 << f << kWrittenMissing;
    f = full;
    f.writtenAnswer.clear();
    QTest::newRow("written: no answer") << 2 << f << kWrittenMissing;

    QTest::newRow("picture: complete") << 3 << full << editor::kAgreed();
    f = full;
    f.pictureAnswer.clear();
    f.pictureFile.clear();
    QTest::newRow("picture: texts before the picture") << 3 << f << kWrittenMissing;
    f = full;
    f.pictureFile.clear();
    QTest::newRow("picture: no picture selected") << 3 << f << kNoPicture;

    QTest::newRow("graphic: complete") << 4 << full << editor::kAgreed();
    f = full;
    f.graphicStatement.clear();
    f.xCaption = QStringLiteral("0");
    QTest::newRow("graphic: statement before the point") << 4 << f << kStatementShort;
    f = full;
    f.xCaption = QStringLiteral("1");
    QTest::newRow("graphic: X = 1 refused") << 4 << f << kNoPoint;
    f = full;
    f.yCaption = QStringLiteral("1");
    QTest::newRow("graphic: Y = 1 refused") << 4 << f << kNoPoint;
    f = full;
    f.xCaption = QStringLiteral("2");
    f.yCaption = QStringLiteral("2");
    QTest::newRow("graphic: X = 2 and Y = 2 accepted") << 4 << f << editor::kAgreed();
    f = full;
    f.xCaption = QStringLiteral("0");
    f.yCaption = QStringLiteral("0");
    QTest::newRow("graphic: never clicked") << 4 << f << kNoPoint;
    f = full;
    f.xCaption = QStringLiteral(" 132");
    QTest::newRow("graphic: caption with leading blank is a number") << 4 << f << editor::kAgreed();
    f = full;
    f.graphicFile.clear();
    QTest::newRow("graphic: no graphic file selected") << 4 << f << kNoGraphic;
    f.xCaption = QStringLiteral("1");
    QTest::newRow("graphic: the point before the graphic") << 4 << f << kNoPoint;

    QTest::newRow("reading: complete") << 5 << full << editor::kAgreed();
    f = full;
    f.readingStatement.clear();
    f.readingFile.clear();
    QTest::newRow("reading: statement first") << 5 << f << kStatementShort;
    f = full;
    f.readingFile.clear();
    QTest::newRow("reading: no text selected") << 5 << f << kNoText;
    f = full;
    f.wordCaption = QStringLiteral("Respuesta");
    QTest::newRow("reading: Respuesta means no word chosen") << 5 << f << kNoWord;
    f = full;
    f.wordCaption = QStringLiteral("respuesta");
    QTest::newRow("reading: the word respuesta is a word") << 5 << f << editor::kAgreed();
    f = full;
    f.wordCaption.clear();
    QTest::newRow("reading: empty word refused") << 5 << f << kNoWord;

    QTest::newRow("true/false: complete") << 6 << full << editor::kAgreed();
    f = full;
    f.trueFalseStatement.clear();
    f.trueFalseCaption.clear();
    QTest::newRow("true/false: statement first") << 6 << f << kTrueFalseMissing;
    f = full;
    f.trueFalseCaption.clear();
    QTest::newRow("true/false: no answer chosen") << 6 << f << kNoTrueFalse;
}

void TstQuestionCheck::otherTypesCheck()
{
    QFETCH(int, type);
    QFETCH(EditorFields, fields);
    QFETCH(QString, message);

    const editor::CheckOutcome outcome = editor::checkQuestion(bank::questionTypeOf(type), fields);
    QCOMPARE(outcome.messages, QStringList{message});
    QCOMPARE(outcome.passed, message == editor::kAgreed());
    QVERIFY(!outcome.normalise);
    QVERIFY(!outcome.openCheckWindow);
}

void TstQuestionCheck::typeOutsideRangeNeitherPassesNorSpeaks_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("type 0") << 0;
    QTest::newRow("type 7") << 7;
}

void TstQuestionCheck::typeOutsideRangeNeitherPassesNorSpeaks()
{
    QFETCH(int, type);
    const editor::CheckOutcome outcome = editor::checkQuestion(bank::questionTypeOf(type), filledOthers());
    QVERIFY(!outcome.passed);
    QVERIFY(outcome.messages.isEmpty());
}

void TstQuestionCheck::normaliseOptions_data()
{
    QTest::addColumn<Options>("options");
    QTest::addColumn<int>("marked");
    QTest::addColumn<Options>("expected");

    QTest::newRow("París marked gains a space, Roma loses its own")
        << Options{QStringLiteral("Roma "), QStringLiteral("París"), QStringLiteral("Lyon")} << 2
        << Options{QStringLiteral("Roma"), QStringLiteral("París "), QStringLiteral("Lyon")};
    QTest::newRow("marked option already ending in a space keeps one")
        << Options{QStringLiteral("Roma"), QStringLiteral("París ")} << 2
        << Options{QStringLiteral("Roma"), QStringLiteral("París ")};
    QTest::newRow("single space unmarked becomes empty")
        << Options{QStringLiteral("a"), QStringLiteral(" "), QStringLiteral("c")} << 1
        << Options{QStringLiteral("a "), QString(), QStringLiteral("c")};
    QTest::newRow("single space marked left alone")
        << Options{QStringLiteral("a"), QStringLiteral(" ")} << 2
        << Options{QStringLiteral("a"), QStringLiteral(" ")};
    QTest::newRow("empty marked option becomes a single space")
        << Options{QStringLiteral("a"), QStringLiteral("b")} << 4
        << Options{QStringLiteral("a"), QStringLiteral("b"), QString(), QStringLiteral(" ")};
    QTest::newRow("two trailing spaces on an unmarked option all go")
        << Options{QStringLiteral("Roma  "), QStringLiteral("París")} << 2
        << Options{QStringLiteral("Roma"), QStringLiteral("París ")};
    QTest::newRow("two trailing spaces on the marked option leave one")
        << Options{QStringLiteral("Roma"), QStringLiteral("París  ")} << 2
        << Options{QStringLiteral("Roma"), QStringLiteral("París ")};
    QTest::newRow("unmarked option of spaces only becomes empty")
        << Options{QStringLiteral("a"), QStringLiteral("   ")} << 1
        << Options{QStringLiteral("a "), QString()};
    QTest::newRow("marked option of spaces only becomes a single space")
        << Options{QStringLiteral("a"), QStringLiteral("   ")} << 2
        << Options{QStringLiteral("a"), QStringLiteral(" ")};
    QTest::newRow("leading spaces kept")
        << Options{QStringLiteral("  a "), QStringLiteral("b")} << 2
        << Options{QStringLiteral("  a"), QStringLiteral("b ")};
    QTest::newRow("a trailing no-break space is no marker")
        << Options{QStringLiteral("a\u00A0"), QStringLiteral("b")} << 2
        << Options{QStringLiteral("a\u00A0"), QStringLiteral("b ")};
    QTest::newRow("eighth option marked")
        << Options{QStringLiteral("1 "), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                   QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8")}
        << 8
        << Options{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                   QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8 ")};
}

void TstQuestionCheck::normaliseOptions()
{
    QFETCH(Options, options);
    QFETCH(int, marked);
    QFETCH(Options, expected);

    const Options result = editor::normaliseOptions(options, marked);
    QCOMPARE(result, expected);
    int correct = 0;
    for (const QString &option : result) {
        if (option != u" " && bank::isCorrectOption(option))
            ++correct;
    }
    QVERIFY(correct <= 1);
}

void TstQuestionCheck::normaliseTwiceChangesNothing_data()
{
    normaliseOptions_data();
}

void TstQuestionCheck::normaliseTwiceChangesNothing()
{
    QFETCH(Options, options);
    QFETCH(int, marked);

    const Options once = editor::normaliseOptions(options, marked);
    QCOMPARE(editor::normaliseOptions(once, marked), once);
}

void TstQuestionCheck::questionLinesFromFields_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<EditorFields>("fields");
    QTest::addColumn<QStringList>("lines");

    EditorFields f = filledChoice();
    f.options = {QStringLiteral("Roma"), QStringLiteral("París "), QStringLiteral("Lyon")};
    f.attachmentCaption = QStringLiteral("torre.gif");
    QTest::newRow("multiple choice with picture attachment")
        << 1 << f
        << QStringList{QStringLiteral(" 1 "), f.author, f.choiceStatement, QStringLiteral("Roma"),
                       QStringLiteral("París "), QStringLiteral("Lyon"), QStringLiteral("torre.gif")};

    f.options = {QStringLiteral("a"), QStringLiteral("b "), QString(), QStringLiteral("d")};
    f.attachmentCaption = editor::kAttachmentButtonCaption();
    QTest::newRow("multiple choice stops at the first empty option")
        << 1 << f
        << QStringList{QStringLiteral(" 1 "), f.author, f.choiceStatement, QStringLiteral("a"),
                       QStringLiteral("b ")};

    f.attachmentCaption = QStringLiteral("notas.doc");
    QTest::newRow("multiple choice caption notas.doc is not written")
        << 1 << f
        << QStringList{QStringLiteral(" 1 "), f.author, f.choiceStatement, QStringLiteral("a"),
                       QStringLiteral("b ")};

    // A loaded question's attachment line, its last option: written back as
    // the attachment, or replaced by one chosen since.
    f.options = {QStringLiteral("Roma"), QStringLiteral("París "), QStringLiteral("torre.gif")};
    f.loadedAttachment = QStringLiteral("torre.gif");
    f.attachmentCaption = editor::kAttachmentButtonCaption();
    QTest::newRow("loaded attachment written back as the attachment")
        << 1 << f
        << QStringList{QStringLiteral(" 1 "), f.author, f.choiceStatement, QStringLiteral("Roma"),
                       QStringLiteral("París "), QStringLiteral("torre.gif")};
    f.attachmentCaption = QStringLiteral("mapa.jpg");
    QTest::newRow("chosen attachment replaces the loaded one")
        << 1 << f
        << QStringList{QStringLiteral(" 1 "), f.author, f.choiceStatement, QStringLiteral("Roma"),
                       QStringLiteral("París "), QStringLiteral("mapa.jpg")};
    f.loadedAttachment.clear();

    const EditorFields o = filledOthers();
    QTest::newRow("written answer")
        << 2 << o
        << QStringList{QStringLiteral(" 2 "), o.author, o.writtenStatement, o.writtenAnswer};
    QTest::newRow("picture answer")
        << 3 << o
        << QStringList{QStringLiteral(" 3 "), o.author, o.pictureFile, o.pictureStatement,
                       o.pictureAnswer};
    QTest::newRow("graphic point")
        << 4 << o
        << QStringList{QStringLiteral(" 4 "), o.author, o.graphicFile, o.graphicStatement,
                       QStringLiteral("132"), QStringLiteral("40")};
    QTest::newRow("reading word keeps its comma")
        << 5 << o
        << QStringList{QStringLiteral(" 5 "), o.author, o.readingFile, o.readingStatement,
                       QStringLiteral("perro,")};
    QTest::newRow("true") << 6 << o
                          << QStringList{QStringLiteral(" 6 "), o.author, o.trueFalseStatement,
                                         QStringLiteral("VERDADERO")};
    EditorFields no = o;
    no.trueFalseCaption = QStringLiteral("FALSO");
    QTest::newRow("false") << 6 << no
                           << QStringList{QStringLiteral(" 6 "), o.author, o.trueFalseStatement,
                                          QStringLiteral("FALSO")};
}

void TstQuestionCheck::questionLinesFromFields()
{
    QFETCH(int, type);
    QFETCH(EditorFields, fields);
    QFETCH(QStringList, lines);

    QCOMPARE(bank::questionLines(editor::questionFromFields(bank::questionTypeOf(type), fields)), lines);
}

void TstQuestionCheck::lineBreaksBecomeSpaces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("CR LF is one space") << QStringLiteral("a\r\nb") << QStringLiteral("a b");
    QTest::newRow("lone LF") << QStringLiteral("a\nb") << QStringLiteral("a b");
    QTest::newRow("lone CR") << QStringLiteral("a\rb") << QStringLiteral("a b");
    QTest::newRow("paragraph and line separators")
        << QStringLiteral("a\u2029b\u2028c") << QStringLiteral("a b c");
    QTest::newRow("trailing break becomes trailing space") << QStringLiteral("a\n") << QStringLiteral("a ");
    QTest::newRow("no break unchanged") << QStringLiteral("París ") << QStringLiteral("París ");
}

void TstQuestionCheck::lineBreaksBecomeSpaces()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(editor::withoutLineBreaks(text), expected);
}

void TstQuestionCheck::saveWritesCheckedQuestion()
{
    testsupport::ProgramFolder program(false);
    program.makeFolder(QStringLiteral("Preguntas"));
    const QString folder = program.file(QStringLiteral("Preguntas"));
    EditorFields f = filledChoice();
    f.options[1] = QStringLiteral("París ");
    f.attachmentCaption = QStringLiteral("torre.gif");

    const editor::SaveOutcome outcome = editor::saveQuestion(folder, bank::QuestionType::MultipleChoice, true, f);
    QVERIFY(outcome.written);
    QVERIFY(outcome.clearChecked);
    QVERIFY(outcome.resetAttachment);
    QVERIFY(outcome.message.isEmpty());
    QCOMPARE(outcome.number, 1);
    QCOMPARE(testsupport::readBytes(folder + QStringLiteral("/1.txt")),
             testsupport::crlf({QStringLiteral(" 1 "), f.author, f.choiceStatement,
                                QStringLiteral("Roma"), QStringLiteral("París "),
                                QStringLiteral("Lyon"), QStringLiteral("torre.gif")}));

    const editor::SaveOutcome written = editor::saveQuestion(folder, bank::QuestionType::WrittenAnswer, true, filledOthers());
    QCOMPARE(written.number, 2);
    QVERIFY(!written.resetAttachment);
}

void TstQuestionCheck::saveWithoutCheckWritesNothing()
{
    testsupport::ProgramFolder program(false);
    program.makeFolder(QStringLiteral("Preguntas"));
    const QString folder = program.file(QStringLiteral("Preguntas"));

    const editor::SaveOutcome outcome = editor::saveQuestion(folder, bank::QuestionType::WrittenAnswer, false, filledOthers());
    QVERIFY(!outcome.written);
    QVERIFY(!outcome.clearChecked);
    QCOMPARE(outcome.message, editor::kCheckFirst());
    QVERIFY(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void TstQuestionCheck::saveTypeOutsideRangeClearsCheckOnly()
{
    testsupport::ProgramFolder program(false);
    program.makeFolder(QStringLiteral("Preguntas"));
    const QString folder = program.file(QStringLiteral("Preguntas"));

    const editor::SaveOutcome outcome = editor::saveQuestion(folder, bank::QuestionType::None, true, filledOthers());
    QVERIFY(!outcome.written);
    QVERIFY(outcome.clearChecked);
    QVERIFY(outcome.message.isEmpty());
    QVERIFY(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void TstQuestionCheck::saveErrors_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("named"); // what the message must name

    QTest::newRow("folder missing") << QStringLiteral("Borrada") << QStringLiteral("¿2 + 2?")
                                    << QStringLiteral("Borrada");
    QTest::newRow("folder is a file") << QStringLiteral("fichero.txt") << QStringLiteral("¿2 + 2?")
                                      << QStringLiteral("fichero.txt");
    QTest::newRow("character Windows-1252 cannot hold")
        << QStringLiteral("Preguntas") << QStringLiteral("Ω de un circuito") << QStringLiteral("Ω");
}

void TstQuestionCheck::saveErrors()
{
    QFETCH(QString, folderName);
    QFETCH(QString, statement);
    QFETCH(QString, named);

    testsupport::ProgramFolder program(false);
    program.makeFolder(QStringLiteral("Preguntas"));
    program.writeLines(QStringLiteral("fichero.txt"), {QStringLiteral("x")});
    EditorFields f = filledOthers();
    f.writtenStatement = statement;

    const editor::SaveOutcome outcome =
        editor::saveQuestion(program.file(folderName), bank::QuestionType::WrittenAnswer, true, f);
    QVERIFY(!outcome.written);
    QVERIFY2(!outcome.clearChecked, "a failed save keeps the check");
    QVERIFY2(outcome.message.contains(named), qPrintable(outcome.message));
    QVERIFY(QDir(program.file(QStringLiteral("Preguntas")))
                .entryList(QDir::Files | QDir::Hidden)
                .isEmpty());
}

QTEST_GUILESS_MAIN(TstQuestionCheck)
#include "tst_questioncheck.moc"
