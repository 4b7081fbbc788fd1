// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editorwindows.h"

#include "editor/form1.h"
#include "editor/form2.h"
#include "editor/questionloader.h"

#include "bank/question.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTest>

#include <optional>

using editortest::click;
using editortest::clickEntry;
using editortest::Editor;
using editortest::filesIn;
using editortest::showEveryPanel;
using editortest::typeInto;
using editortest::writePicture;

Q_DECLARE_METATYPE(std::optional<QPoint>)

namespace {

const QString kNoMark = QStringLiteral("Has de seleccionar la opción correcta");

const QColor kTypeColors[6] = {QColor(0xFF, 0xC0, 0xC0), QColor(0xFF, 0xE0, 0xC0),
                               QColor(0xFF, 0xFF, 0xC0), QColor(0xC0, 0xFF, 0xC0),
                               QColor(0xC0, 0xFF, 0xFF), QColor(0xFF, 0xC0, 0x80)};

// Every field of the panels, in a fixed order, to compare whole states.
QStringList allFields(const editor::EditorFields &f)
{
    QStringList list{f.author, f.choiceStatement};
    for (const QString &option : f.options)
        list << option;
    list << QString::number(f.markedOption) << f.attachmentCaption << f.loadedAttachment
         << f.writtenStatement
         << f.writtenAnswer << f.pictureFile << f.pictureStatement << f.pictureAnswer << f.graphicFile
         << f.graphicStatement << f.xCaption << f.yCaption << f.readingFile << f.readingStatement
         << f.wordCaption << f.trueFalseStatement << f.trueFalseCaption;
    return list;
}

// The fields a question of `type` fills, author first.
QStringList typeFields(int type, const editor::EditorFields &f)
{
    switch (type) {
    case 1: {
        QStringList list{f.author, f.choiceStatement};
        for (const QString &option : f.options)
            list << option;
        return list;
    }
    case 2:
        return {f.author, f.writtenStatement, f.writtenAnswer};
    case 3:
        return {f.author, f.pictureFile, f.pictureStatement, f.pictureAnswer};
    case 4:
        return {f.author, f.graphicFile, f.graphicStatement, f.xCaption, f.yCaption};
    case 5:
        return {f.author, f.readingFile, f.readingStatement, f.wordCaption};
    case 6:
        return {f.author, f.trueFalseStatement, f.trueFalseCaption};
    }
    return {};
}

// A panel state left over from earlier editing, in every field.
editor::EditorFields earlierFields()
{
    editor::EditorFields f;
    f.author = QStringLiteral("antes");
    f.choiceStatement = QStringLiteral("enunciado antes");
    for (int i = 0; i < editor::kOptionCount; ++i)
        f.options[i] = QStringLiteral("opción antes %1").arg(i + 1);
    f.markedOption = 6;
    f.attachmentCaption = QStringLiteral("viejo.gif");
    f.loadedAttachment = QStringLiteral("viejo.txt");
    f.writtenStatement = QStringLiteral("escrita antes");
    f.writtenAnswer = QStringLiteral("respuesta antes");
    f.pictureFile = QStringLiteral("antes.gif");
    f.pictureStatement = QStringLiteral("imagen antes");
    f.pictureAnswer = QStringLiteral("respuesta imagen antes");
    f.graphicFile = QStringLiteral("antes.jpg");
    f.graphicStatement = QStringLiteral("gráfico antes");
    f.xCaption = QStringLiteral("77");
    f.yCaption = QStringLiteral("88");
    f.readingFile = QStringLiteral("antes.txt");
    f.readingStatement = QStringLiteral("lectura antes");
    f.wordCaption = QStringLiteral("palabra");
    f.trueFalseStatement = QStringLiteral("vf antes");
    f.trueFalseCaption = QStringLiteral("FALSO");
    return f;
}

QStringList eight(const QStringList &options)
{
    QStringList list = options;
    while (list.size() < editor::kOptionCount)
        list << QString();
    return list;
}

// A graphic of two white boxes, each closed by a black outline, on grey.
QImage twoBoxes()
{
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(10, 10, 80, 80);
    painter.drawRect(110, 10, 80, 80);
    painter.end();
    return image;
}

// The question file of `lines` as the editor loads it: through the bank's
// reader.
editor::LoadedQuestion loadLines(const QStringList &lines, const editor::EditorFields &current)
{
    return editor::loadQuestion(bank::readQuestionBytes(testsupport::crlf(lines)), current);
}

// The type of the visible panel, 0 when none is shown.
int shownPanel(const editor::Form1 &form)
{
    int shown = 0;
    for (int k = 0; k < 6; ++k) {
        if (form.Frame1(k)->isVisible())
            shown = shown == 0 ? k + 1 : -1;
    }
    return shown;
}

} // namespace

class TstLoadQuestion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Which line goes to which field, without a window.
    void multipleChoiceLines_data();
    void multipleChoiceLines();
    void otherTypesLines_data();
    void otherTypesLines();
    void loadingLeavesOtherPanels_data();
    void loadingLeavesOtherPanels();
    void graphicMark_data();
    void graphicMark();
    void notAQuestion_data();
    void notAQuestion();
    void questionFileLines_data();
    void questionFileLines();
    void loadedAttachmentWrittenBack_data();
    void loadedAttachmentWrittenBack();

    // Clicking a question in File1.
    void eachTypeShowsItsPanel_data();
    void eachTypeShowsItsPanel();
    void multipleChoiceEmptiedFirst();
    void marksFromTheFile();
    void threeOptionsAndAttachmentSavedByteIdentical();
    void optionsBeyondEighthDropped();
    void graphicRegionPainted();
    void graphicKeepsMarkOnScroll();
    void pictureShownAndSelected();
    void readingTextShownAndSelected_data();
    void readingTextShownAndSelected();
    void unlistedFileLeavesNoSelection_data();
    void unlistedFileLeavesNoSelection();
    void fileCopiedInSinceListRead();
    void nameInOtherCaseSelectsListedFile();
    void trueFalseAnswer_data();
    void trueFalseAnswer();
    void notAQuestionChangesNothing();
    void loadedFileNeverRewritten();
};

void TstLoadQuestion::multipleChoiceLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected"); // author, statement, options 1 to 8
    QTest::addColumn<QString>("attachment");   // the attachment line remembered

    QTest::newRow("three options and an attachment: the attachment is option 4")
        << QStringList{" 1 ", "Profe", "¿Capital?", "Roma", "París ", "Lyon", "torre.gif"}
        << (QStringList{"Profe", "¿Capital?"} + eight({"Roma", "París ", "Lyon", "torre.gif"}))
        << "torre.gif";
    QTest::newRow("trailing spaces of options kept")
        << QStringList{" 1 ", "", "¿?", "a  ", " ", "b"}
        << (QStringList{"", "¿?"} + eight({"a  ", " ", "b"})) << "";
    QTest::newRow("empty lines passed over")
        << QStringList{" 1 ", "Profe", "¿?", "", "a", "", "", "b", ""}
        << (QStringList{"Profe", "¿?"} + eight({"a", "b"})) << "";
    QTest::newRow("eight options")
        << QStringList{" 1 ", "P", "S", "1", "2", "3", "4", "5", "6", "7", "8"}
        << (QStringList{"P", "S"} + eight({"1", "2", "3", "4", "5", "6", "7", "8"})) << "";
    QTest::newRow("options beyond the eighth dropped")
        << QStringList{" 1 ", "P", "S", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}
        << (QStringList{"P", "S"} + eight({"1", "2", "3", "4", "5", "6", "7", "8"})) << "";
    QTest::newRow("beyond the eighth counted after empty lines")
        << QStringList{" 1 ", "P", "S", "", "1", "2", "", "3", "4", "5", "6", "7", "8", "9"}
        << (QStringList{"P", "S"} + eight({"1", "2", "3", "4", "5", "6", "7", "8"})) << "";
    QTest::newRow("statement only: every option empty")
        << QStringList{" 1 ", "P", "S"} << (QStringList{"P", "S"} + eight({})) << "";
    QTest::newRow("type line alone: author and statement empty")
        << QStringList{"1"} << (QStringList{"", ""} + eight({})) << "";
    QTest::newRow("text attachment in upper case remembered")
        << QStringList{" 1 ", "P", "S", "a ", "b", "Poema.TXT"}
        << (QStringList{"P", "S"} + eight({"a ", "b", "Poema.TXT"})) << "Poema.TXT";
    QTest::newRow("attachment after seven options remembered")
        << QStringList{" 1 ", "P", "S", "1", "2", "3", "4", "5", "6", "7 ", "Mapa.JPG"}
        << (QStringList{"P", "S"} + eight({"1", "2", "3", "4", "5", "6", "7 ", "Mapa.JPG"}))
        << "Mapa.JPG";
    QTest::newRow("attachment line dropped beyond the eighth: not remembered")
        << QStringList{" 1 ", "P", "S", "1", "2", "3", "4", "5", "6", "7", "8", "Mapa.JPG"}
        << (QStringList{"P", "S"} + eight({"1", "2", "3", "4", "5", "6", "7", "8"})) << "";
    QTest::newRow("file-like option before an empty last line is an option")
        << QStringList{" 1 ", "P", "S", "a ", "b.gif", ""}
        << (QStringList{"P", "S"} + eight({"a ", "b.gif"})) << "";
    QTest::newRow("empty statement line: options still from line 4")
        << QStringList{" 1 ", "P", "", "a", "b"} << (QStringList{"P", ""} + eight({"a", "b"})) << "";
}

void TstLoadQuestion::multipleChoiceLines()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    QFETCH(QString, attachment);
    const editor::LoadedQuestion loaded = loadLines(lines, earlierFields());
    QVERIFY(loaded.isQuestion);
    QCOMPARE(bank::typeCode(loaded.type), 1);
    QCOMPARE(loaded.fields.loadedAttachment, attachment);
    QCOMPARE(typeFields(1, loaded.fields), expected);
    // The mark comes from the file: its first option ending in a space that
    // is neither blank nor the attachment line. The attachment button keeps
    // its caption.
    int mark = 0;
    for (int i = 0; i < editor::kOptionCount && mark == 0; ++i) {
        const QString &option = expected[2 + i];
        if (option.endsWith(u' ') && !option.trimmed().isEmpty() && option != attachment)
            mark = i + 1;
    }
    QCOMPARE(loaded.fields.markedOption, mark);
    QCOMPARE(loaded.fields.attachmentCaption, QStringLiteral("viejo.gif"));
}

void TstLoadQuestion::otherTypesLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("expected"); // the type's fields, author first

    QTest::newRow("written answer") << QStringList{" 2 ", "Profe", "¿2 + 2?", "cuatro"} << 2
                                    << QStringList{"Profe", "¿2 + 2?", "cuatro"};
    QTest::newRow("picture answer")
        << QStringList{" 3 ", "Profe", "torre.gif", "¿Qué torre?", "Eiffel"} << 3
        << QStringList{"Profe", "torre.gif", "¿Qué torre?", "Eiffel"};
    QTest::newRow("graphic point: X and Y captions as written")
        << QStringList{" 4 ", "Profe", "mapa.gif", "Marca Lleida", "132", " 40 "} << 4
        << QStringList{"Profe", "mapa.gif", "Marca Lleida", "132", " 40 "};
    QTest::newRow("reading word with its comma")
        << QStringList{" 5 ", "Profe", "lectura.txt", "¿Qué animal?", "perro,"} << 5
        << QStringList{"Profe", "lectura.txt", "¿Qué animal?", "perro,"};
    QTest::newRow("true") << QStringList{" 6 ", "Profe", "El sol es una estrella", "VERDADERO"} << 6
                          << QStringList{"Profe", "El sol es una estrella", "VERDADERO"};
    QTest::newRow("false") << QStringList{" 6 ", "Profe", "La luna brilla sola", "FALSO"} << 6
                           << QStringList{"Profe", "La luna brilla sola", "FALSO"};
    QTest::newRow("type digit without blanks") << QStringList{"2", "a", "b", "c"} << 2
                                               << QStringList{"a", "b", "c"};
    QTest::newRow("lines after the type's last one ignored")
        << QStringList{" 2 ", "a", "b", "c", "d", "e"} << 2 << QStringList{"a", "b", "c"};

    // A file that ends early: the missing fields as in a fresh window.
    QTest::newRow("written answer without its answer") << QStringList{" 2 ", "a", "b"} << 2
                                                       << QStringList{"a", "b", ""};
    QTest::newRow("graphic point without its point: marks back to 0")
        << QStringList{" 4 ", "a", "mapa.gif", "S"} << 4 << QStringList{"a", "mapa.gif", "S", "0", "0"};
    QTest::newRow("graphic point without Y") << QStringList{" 4 ", "a", "mapa.gif", "S", "12"} << 4
                                             << QStringList{"a", "mapa.gif", "S", "12", "0"};
    QTest::newRow("reading word without its word: no word chosen")
        << QStringList{" 5 ", "a", "t.txt", "S"} << 5 << QStringList{"a", "t.txt", "S", "Respuesta"};
    QTest::newRow("true or false without its answer") << QStringList{" 6 ", "a", "S"} << 6
                                                      << QStringList{"a", "S", ""};
    QTest::newRow("type line alone") << QStringList{" 3 "} << 3 << QStringList{"", "", "", ""};
}

void TstLoadQuestion::otherTypesLines()
{
    QFETCH(QStringList, lines);
    QFETCH(int, type);
    QFETCH(QStringList, expected);
    const editor::LoadedQuestion loaded = loadLines(lines, earlierFields());
    QVERIFY(loaded.isQuestion);
    QCOMPARE(bank::typeCode(loaded.type), type);
    QCOMPARE(typeFields(type, loaded.fields), expected);
}

void TstLoadQuestion::loadingLeavesOtherPanels_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("multiple choice") << QStringList{" 1 ", "P", "S", "a", "b"};
    QTest::newRow("written answer") << QStringList{" 2 ", "P", "S", "A"};
    QTest::newRow("picture answer") << QStringList{" 3 ", "P", "f.gif", "S", "A"};
    QTest::newRow("graphic point") << QStringList{" 4 ", "P", "f.gif", "S", "5", "6"};
    QTest::newRow("reading word") << QStringList{" 5 ", "P", "f.txt", "S", "w"};
    QTest::newRow("true or false") << QStringList{" 6 ", "P", "S", "FALSO"};
}

void TstLoadQuestion::loadingLeavesOtherPanels()
{
    QFETCH(QStringList, lines);
    const editor::EditorFields before = earlierFields();
    const editor::LoadedQuestion loaded = loadLines(lines, before);
    QVERIFY(loaded.isQuestion);
    for (int type = 1; type <= 6; ++type) {
        if (type == bank::typeCode(loaded.type))
            continue;
        // The author is line 2 of every type; the rest of other panels stays.
        QCOMPARE(typeFields(type, loaded.fields).mid(1), typeFields(type, before).mid(1));
    }
    QCOMPARE(loaded.fields.author, QStringLiteral("P"));
}

void TstLoadQuestion::graphicMark_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<std::optional<QPoint>>("mark");
    const QStringList head{" 4 ", "P", "f.gif", "S"};
    QTest::newRow("whole pixels") << head + QStringList{"132", "40"} << std::optional(QPoint(132, 40));
    QTest::newRow("fractions rounded to the nearest pixel")
        << head + QStringList{"10.6", "7.4"} << std::optional(QPoint(11, 7));
    QTest::newRow("leading blanks and trailing text")
        << head + QStringList{"  25 px", " 30"} << std::optional(QPoint(25, 30));
    QTest::newRow("no number: the corner") << head + QStringList{"x", "y"} << std::optional(QPoint(0, 0));
    QTest::newRow("no point lines: nothing painted") << head << std::optional<QPoint>();
    QTest::newRow("only X: nothing painted") << head + QStringList{"5"} << std::optional<QPoint>();
    QTest::newRow("far beyond any picture: nothing painted")
        << head + QStringList{"99999999999999", "5"} << std::optional<QPoint>();
}

void TstLoadQuestion::graphicMark()
{
    QFETCH(QStringList, lines);
    QFETCH(std::optional<QPoint>, mark);
    const editor::LoadedQuestion loaded = loadLines(lines, editor::EditorFields());
    QVERIFY(loaded.isQuestion);
    QCOMPARE(loaded.mark, mark);
}

void TstLoadQuestion::notAQuestion_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << QStringList();
    QTest::newRow("type 0") << QStringList{" 0 ", "P", "S", "a", "b"};
    QTest::newRow("type 7") << QStringList{" 7 ", "P", "S", "a", "b"};
    QTest::newRow("negative type") << QStringList{"-2", "P", "S", "A"};
    QTest::newRow("type with a fraction") << QStringList{"1.5", "P", "S", "a", "b"};
    QTest::newRow("text on line 1") << QStringList{"Notas del curso", "P", "S"};
    QTest::newRow("empty line 1") << QStringList{"", "P", "S", "a"};
    // Damaged, as the player and the bank checker say: nothing to save again.
    QTest::newRow("NUL bytes in the statement")
        << QStringList{" 2 ", "", QStringLiteral("Quant") + QString(9, QChar(0)) + QStringLiteral("s?"), "200"};
}

void TstLoadQuestion::notAQuestion()
{
    QFETCH(QStringList, lines);
    const editor::EditorFields before = earlierFields();
    const editor::LoadedQuestion loaded = loadLines(lines, before);
    QVERIFY(!loaded.isQuestion);
    QCOMPARE(allFields(loaded.fields), allFields(before));
    QVERIFY(!loaded.mark);
}

void TstLoadQuestion::questionFileLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("fields"); // the type's fields, author first
    QTest::newRow("CR LF lines, Windows-1252")
        << QByteArray(" 2 \r\nProfesor de Geograf\xED" "a\r\n\xBFQu\xE9?\r\nr\r\n") << 2
        << QStringList{"Profesor de Geografía", "¿Qué?", "r"};
    QTest::newRow("UTF-8") << QByteArray(" 2 \r\nGeograf\xC3\xAD" "a\r\nb\r\nc\r\n") << 2
                           << QStringList{"Geografía", "b", "c"};
    QTest::newRow("empty lines kept, trailing spaces kept")
        << QByteArray(" 1 \r\n\r\nS\r\na \r\n\r\nb\r\n") << 1
        << (QStringList{"", "S"} + eight({"a ", "b"}));
    QTest::newRow("last line without its ending") << QByteArray(" 6 \r\nP\r\nS\r\nFALSO") << 6
                                                   << QStringList{"P", "S", "FALSO"};
    QTest::newRow("empty file: no question") << QByteArray() << 0 << QStringList();
}

void TstLoadQuestion::questionFileLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, type);
    QFETCH(QStringList, fields);
    testsupport::ProgramFolder program(false);
    program.writeBytes(QStringLiteral("q.txt"), bytes);
    const editor::LoadedQuestion loaded =
        editor::loadQuestion(bank::readQuestion(program.file(QStringLiteral("q.txt"))), earlierFields());
    QCOMPARE(loaded.isQuestion, type != 0);
    QCOMPARE(bank::typeCode(loaded.type), type);
    QCOMPARE(typeFields(type, loaded.fields), fields);
    const editor::LoadedQuestion missing = editor::loadQuestion(
        bank::readQuestion(program.file(QStringLiteral("missing.txt"))), earlierFields());
    QVERIFY(!missing.isQuestion);
    QCOMPARE(allFields(missing.fields), allFields(earlierFields()));
}

void TstLoadQuestion::loadedAttachmentWrittenBack_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("loaded");  // the attachment line of the loaded file
    QTest::addColumn<QString>("caption"); // of Command7
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QString>("attachment");

    const QString none = editor::kAttachmentButtonCaption();
    QTest::newRow("loaded picture attachment, still the last option")
        << QStringList{"Roma", "París ", "Lyon", "torre.gif"} << "torre.gif" << none
        << QStringList{"Roma", "París ", "Lyon"} << "torre.gif";
    QTest::newRow("loaded text attachment in upper case")
        << QStringList{"a ", "b", "Poema.TXT"} << "Poema.TXT" << none << QStringList{"a ", "b"}
        << "Poema.TXT";
    QTest::newRow("seven options and the loaded attachment")
        << QStringList{"1", "2", "3", "4", "5", "6", "7 ", "Mapa.JPG"} << "Mapa.JPG" << none
        << QStringList{"1", "2", "3", "4", "5", "6", "7 "} << "Mapa.JPG";
    QTest::newRow("caption notas.doc is no attachment: the loaded one stays")
        << QStringList{"a ", "torre.gif"} << "torre.gif" << "notas.doc" << QStringList{"a "}
        << "torre.gif";
    QTest::newRow("a chosen attachment wins over the loaded one")
        << QStringList{"a ", "torre.gif"} << "torre.gif" << "Mapa.JPG"
        << QStringList{"a "} << "Mapa.JPG";
    QTest::newRow("loaded attachment no longer last: an option")
        << QStringList{"a ", "torre.gif", "c"} << "torre.gif" << none
        << QStringList{"a ", "torre.gif", "c"} << "";
    QTest::newRow("loaded attachment edited: an option")
        << QStringList{"a ", "otro.gif"} << "torre.gif" << none << QStringList{"a ", "otro.gif"} << "";
    QTest::newRow("loaded attachment marked correct: an option")
        << QStringList{"a", "torre.gif "} << "torre.gif" << none << QStringList{"a", "torre.gif "}
        << "";
    QTest::newRow("typed file-like last option, nothing loaded: an option")
        << QStringList{"a ", "casa.gif"} << "" << none << QStringList{"a ", "casa.gif"} << "";
    QTest::newRow("an ordinary last option") << QStringList{"a ", "b"} << "" << none
                                             << QStringList{"a ", "b"} << "";
}

void TstLoadQuestion::loadedAttachmentWrittenBack()
{
    QFETCH(QStringList, options);
    QFETCH(QString, loaded);
    QFETCH(QString, caption);
    QFETCH(QStringList, written);
    QFETCH(QString, attachment);

    editor::EditorFields f;
    f.choiceStatement = QStringLiteral("¿?");
    for (int i = 0; i < options.size(); ++i)
        f.options[i] = options[i];
    f.attachmentCaption = caption;
    f.loadedAttachment = loaded;
    const bank::Question q = editor::questionFromFields(bank::QuestionType::MultipleChoice, f);
    QCOMPARE(q.options, written);
    QCOMPARE(q.attachment, attachment);
    if (attachment.isEmpty())
        return;
    // The file holds the lines in order, as they were loaded.
    QByteArray bytes;
    QString error;
    QVERIFY2(bank::encodeQuestion(q, bytes, &error), qPrintable(error));
    QCOMPARE(bytes, testsupport::crlf(QStringList{" 1 ", "", "¿?"} + written + QStringList{attachment}));
}

void TstLoadQuestion::eachTypeShowsItsPanel_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("startType");

    QTest::newRow("multiple choice from the written-answer panel")
        << QStringList{" 1 ", "Profe", "¿Capital?", "Roma", "París ", "Lyon"} << 2;
    QTest::newRow("written answer from the multiple-choice panel")
        << QStringList{" 2 ", "Profe", "¿2 + 2?", "cuatro"} << 1;
    QTest::newRow("picture answer") << QStringList{" 3 ", "Profe", "cajas.png", "¿Qué es?", "cajas"} << 1;
    QTest::newRow("graphic point") << QStringList{" 4 ", "Profe", "cajas.png", "Marca", "50", "50"} << 6;
    QTest::newRow("reading word") << QStringList{" 5 ", "Profe", "lectura.txt", "¿Qué animal?", "perro,"} << 1;
    QTest::newRow("true or false") << QStringList{" 6 ", "Profe", "El sol es una estrella", "VERDADERO"} << 3;
}

void TstLoadQuestion::eachTypeShowsItsPanel()
{
    QFETCH(QStringList, lines);
    QFETCH(int, startType);

    Editor e;
    writePicture(e.program, QStringLiteral("Graficos/cajas.png"), twoBoxes());
    e.program.writeLines(QStringLiteral("textos/lectura.txt"), {QStringLiteral("El perro, grande.")});
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"), lines);
    e.open();
    editor::Form1 &form = *e.form;
    editortest::chooseFolder(form, e.subject());
    click(form.Command1(startType - 1));
    const bool checked = form.questionChecked;

    clickEntry(form.File1, QStringLiteral("1.txt"));

    const int type = lines[0].trimmed().toInt();
    QCOMPARE(bank::typeCode(form.QuestionType), type);
    QCOMPARE(shownPanel(form), type);
    QCOMPARE(form.palette().color(QPalette::Window), kTypeColors[type - 1]);
    QCOMPARE(form.Frame1(type - 1)->palette().color(QPalette::Window), kTypeColors[type - 1]);
    QStringList expected = lines.mid(1);
    if (type == 1)
        expected = QStringList{lines[1], lines[2]} + eight(lines.mid(3));
    QCOMPARE(typeFields(type, form.fields()), expected);
    QCOMPARE(form.questionChecked, checked);
    QVERIFY(e.messages().isEmpty());
}

void TstLoadQuestion::multipleChoiceEmptiedFirst()
{
    Editor e;
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"),
                         {" 1 ", "", "¿Cuánto es 2 + 2?", "3", "4 "});
    e.open();
    editor::Form1 &form = *e.form;
    editortest::fillChoice(form, QStringLiteral("Otra"),
                           {"a", "b", "c", "d", "e", "f", "g", "h"}, 0);
    typeInto(form.Text2, QStringLiteral("Autora"));
    editortest::chooseFolder(form, e.subject());

    clickEntry(form.File1, QStringLiteral("1.txt"));

    QCOMPARE(form.Text2->text(), QString());
    QCOMPARE(typeFields(1, form.fields()),
             (QStringList{"", "¿Cuánto es 2 + 2?"} + eight({"3", "4 "})));
}

void TstLoadQuestion::marksFromTheFile()
{
    Editor e;
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"),
                         {" 1 ", "Profe", "¿Capital de Francia?", "Roma", "París ", "Lyon"});
    e.open();
    editor::Form1 &form = *e.form;
    form.Command7->setText(QStringLiteral("torre.gif"));
    editortest::chooseFolder(form, e.subject());

    clickEntry(form.File1, QStringLiteral("1.txt"));

    // "Opción 2" holds the correct answer and is marked, no other.
    for (int i = 1; i <= editor::kOptionCount; ++i) {
        QCOMPARE(ui::foreColor(form.Label1(i)), i == 2 ? ui::kBlue : ui::kRed);
        QCOMPARE(ui::backColor(form.Text1(i)), i == 2 ? ui::kGreen : ui::kWhite);
    }
    QCOMPARE(form.Text1(2)->text(), QStringLiteral("París "));
    QCOMPARE(form.Command7->text(), QStringLiteral("torre.gif"));

    // An option marked during earlier editing loses its mark.
    click(form.Label1(3));
    clickEntry(form.File1, QStringLiteral("1.txt"));
    QCOMPARE(ui::foreColor(form.Label1(3)), ui::kRed);
    QCOMPARE(ui::backColor(form.Text1(3)), ui::kWhite);
    QCOMPARE(ui::foreColor(form.Label1(2)), ui::kBlue);
    QVERIFY(e.messages().isEmpty());
}

void TstLoadQuestion::threeOptionsAndAttachmentSavedByteIdentical()
{
    Editor e;
    const QByteArray original =
        testsupport::crlf({" 1 ", "Profesor de Geografía", "¿Cuál es la capital de Francia?", "Roma",
                           "París ", "Lyon", "torre.gif"});
    e.program.writeBytes(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"), original);
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/2.txt"), {" 2 ", "", "a", "b"});
    e.open();
    editor::Form1 &form = *e.form;
    editortest::chooseFolder(form, e.subject());

    clickEntry(form.File1, QStringLiteral("1.txt"));
    QCOMPARE(form.Text1(4)->text(), QStringLiteral("torre.gif"));
    QCOMPARE(form.Text1(5)->text(), QString());
    QCOMPARE(form.Command7->text(), editor::kAttachmentButtonCaption());

    click(form.Label1(2));
    click(form.Command2);
    QVERIFY(e.messages().isEmpty());
    QVERIFY(form.checkWindow());
    form.checkWindow()->close();
    click(form.Command3);

    QCOMPARE(filesIn(e.subject()), (QStringList{"1.txt", "2.txt", "3.txt"}));
    QCOMPARE(testsupport::readBytes(e.subject() + QStringLiteral("/3.txt")), original);
    QCOMPARE(testsupport::readBytes(e.subject() + QStringLiteral("/1.txt")), original);
    // The new question is listed.
    QCOMPARE(editortest::listed(form.File1), (QStringList{"1.txt", "2.txt", "3.txt"}));

    // Clearing the panel forgets the loaded attachment.
    QCOMPARE(form.loadedAttachment, QStringLiteral("torre.gif"));
    click(form.Command8);
    QCOMPARE(form.loadedAttachment, QString());
}

void TstLoadQuestion::optionsBeyondEighthDropped()
{
    Editor e;
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"),
                         {" 1 ", "", "S", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    e.open();
    editor::Form1 &form = *e.form;
    editortest::chooseFolder(form, e.subject());
    clickEntry(form.File1, QStringLiteral("1.txt"));
    QCOMPARE(form.Text1(8)->text(), QStringLiteral("8"));
    QVERIFY(e.messages().isEmpty());
}

void TstLoadQuestion::graphicRegionPainted()
{
    Editor e;
    writePicture(e.program, QStringLiteral("Graficos/cajas.png"), twoBoxes());
    writePicture(e.program, QStringLiteral("Graficos/a.png"), twoBoxes());
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"),
                         {" 4 ", "Profe", "cajas.png", "Marca la caja derecha", "150", "50"});
    e.open();
    editor::Form1 &form = *e.form;
    editortest::chooseFolder(form, e.subject());

    clickEntry(form.File1, QStringLiteral("1.txt"));

    QCOMPARE(form.File2->fileName(), QStringLiteral("cajas.png"));
    QCOMPARE(form.Picture2->size(), QSize(200, 120));
    QCOMPARE(form.Label8(1)->text(), QStringLiteral("150"));
    QCOMPARE(form.Label9(1)->text(), QStringLiteral("50"));
    QCOMPARE(form.Text7->text(), QStringLiteral("Marca la caja derecha"));
    // The right box is blue up to its outline; the left box and outside stay.
    QCOMPARE(form.Picture2->pixel(150, 50), QColor(0, 0, 0xFF));
    QCOMPARE(form.Picture2->pixel(111, 11), QColor(0, 0, 0xFF));
    QCOMPARE(form.Picture2->pixel(110, 10), QColor(Qt::black));
    QCOMPARE(form.Picture2->pixel(50, 50), QColor(Qt::white));
    QCOMPARE(form.Picture2->pixel(100, 100), QColor(0xC0, 0xC0, 0xC0));
    // The picture itself is untouched: a click repaints from it.
    QCOMPARE(QColor(form.Picture2->picture().pixel(150, 50)), QColor(Qt::white));
    // A fresh graphic sits at the viewport's corner.
    QCOMPARE(form.Picture2->pos(), QPoint(0, 0));
}

void TstLoadQuestion::graphicKeepsMarkOnScroll()
{
    Editor e;
    QImage wide(900, 300, QImage::Format_RGB32);
    wide.fill(Qt::white);
    {
        QPainter painter(&wide);
        painter.fillRect(800, 0, 100, 300, Qt::green);
    }
    writePicture(e.program, QStringLiteral("Graficos/ancho.png"), wide);
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"),
                         {" 4 ", "Profe", "ancho.png", "Marca el verde", "850", "10"});
    e.open();
    editor::Form1 &form = *e.form;
    editortest::chooseFolder(form, e.subject());
    clickEntry(form.File1, QStringLiteral("1.txt"));
    QCOMPARE(form.Picture2->pixel(850, 10), QColor(0, 0, 0xFF));
    form.HScroll1->setValue(form.HScroll1->maximum());
    QCOMPARE(form.Picture2->x(), form.Picture1->width() - 900);
    QCOMPARE(form.Picture2->pixel(850, 10), QColor(0, 0, 0xFF));
    QCOMPARE(form.Label8(1)->text(), QStringLiteral("850"));
}

void TstLoadQuestion::pictureShownAndSelected()
{
    Editor e;
    QImage tall(50, 100, QImage::Format_RGB32);
    tall.fill(Qt::red);
    writePicture(e.program, QStringLiteral("Graficos/alto.png"), tall);
    writePicture(e.program, QStringLiteral("Graficos/cajas.png"), twoBoxes());
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"),
                         {" 3 ", "Profe", "alto.png", "¿De qué color es?", "rojo"});
    e.open();
    editor::Form1 &form = *e.form;
    editortest::chooseFolder(form, e.subject());

    clickEntry(form.File1, QStringLiteral("1.txt"));

    QCOMPARE(form.File3->fileName(), QStringLiteral("alto.png"));
    QVERIFY(form.Image1->isVisible());
    const QRect picture(form.Image1->mapTo(form.Frame1(2), QPoint(0, 0)), form.Image1->size());
    const int height = form.Label6(1)->y() - picture.top();
    QCOMPARE(form.Image1->size(), QSize(height / 2, height));
    QVERIFY(form.Image1->hasScaledContents());
}

void TstLoadQuestion::readingTextShownAndSelected_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Windows-1252, CR LF lines")
        << QByteArray("La tardor \xE9s aqu\xED.\r\nCauen les fulles.\r\n")
        << QStringLiteral("La tardor és aquí.\nCauen les fulles.\n");
    QTest::newRow("UTF-8") << QByteArray("La tardor \xC3\xA9s aqu\xC3\xAD.")
                           << QStringLiteral("La tardor és aquí.");
    QTest::newRow("UTF-8 with its byte-order mark")
        << QByteArray("\xEF\xBB\xBFPa i vi") << QStringLiteral("Pa i vi");
    QTest::newRow("lines ending in LF only") << QByteArray("una\ndues\n") << QStringLiteral("una\ndues\n");
}

void TstLoadQuestion::readingTextShownAndSelected()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    Editor e;
    e.program.writeBytes(QStringLiteral("textos/lectura.txt"), bytes);
    e.program.writeLines(QStringLiteral("textos/altre.txt"), {QStringLiteral("Altre")});
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"),
                         {" 5 ", "Profe", "lectura.txt", "¿Qué cae?", "fulles."});
    e.open();
    editor::Form1 &form = *e.form;
    editortest::chooseFolder(form, e.subject());

    clickEntry(form.File1, QStringLiteral("1.txt"));

    QCOMPARE(form.File4->fileName(), QStringLiteral("lectura.txt"));
    QCOMPARE(form.Text8->toPlainText(), shown);
    QCOMPARE(form.Text9->text(), QStringLiteral("¿Qué cae?"));
    QCOMPARE(form.Label11->text(), QStringLiteral("fulles."));
}

void TstLoadQuestion::unlistedFileLeavesNoSelection_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("picture not in Graficos")
        << QStringList{" 3 ", "P", "falta.png", "S", "A"};
    QTest::newRow("graphic not in Graficos")
        << QStringList{" 4 ", "P", "falta.png", "S", "150", "50"};
    QTest::newRow("text not in textos") << QStringList{" 5 ", "P", "falta.txt", "S", "w"};
    QTest::newRow("picture line empty") << QStringList{" 3 ", "P", "", "S", "A"};
    QTest::newRow("graphic line empty") << QStringList{" 4 ", "P", "", "S", "150", "50"};
}

void TstLoadQuestion::unlistedFileLeavesNoSelection()
{
    QFETCH(QStringList, lines);
    Editor e;
    writePicture(e.program, QStringLiteral("Graficos/cajas.png"), twoBoxes());
    e.program.writeLines(QStringLiteral("textos/lectura.txt"), {QStringLiteral("El perro")});
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"),
                         {" 4 ", "P", "cajas.png", "S", "150", "50"});
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/2.txt"),
                         {" 3 ", "P", "cajas.png", "S", "A"});
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/3.txt"),
                         {" 5 ", "P", "lectura.txt", "S", "perro"});
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/4.txt"), lines);
    e.open();
    editor::Form1 &form = *e.form;
    editortest::chooseFolder(form, e.subject());
    // Every panel first shows a file of an earlier question.
    for (const char *name : {"1.txt", "2.txt", "3.txt"})
        clickEntry(form.File1, QLatin1String(name));
    QVERIFY(!form.Image1->isHidden());
    QVERIFY(!form.Picture2->picture().isNull());
    QVERIFY(!form.Text8->toPlainText().isEmpty());

    clickEntry(form.File1, QStringLiteral("4.txt"));

    const int type = lines[0].trimmed().toInt();
    QCOMPARE(bank::typeCode(form.QuestionType), type);
    switch (type) {
    case 3:
        QCOMPARE(form.File3->fileName(), QString());
        QVERIFY(form.File3->selectedItems().isEmpty());
        QVERIFY(form.Image1->isHidden());
        break;
    case 4:
        QCOMPARE(form.File2->fileName(), QString());
        QVERIFY(form.File2->selectedItems().isEmpty());
        QVERIFY(form.Picture2->picture().isNull());
        QCOMPARE(form.Label8(1)->text(), QStringLiteral("150"));
        break;
    case 5:
        QCOMPARE(form.File4->fileName(), QString());
        QVERIFY(form.File4->selectedItems().isEmpty());
        QCOMPARE(form.Text8->toPlainText(), QString());
        QCOMPARE(form.Label11->text(), QStringLiteral("w"));
        break;
    }
    QVERIFY(e.messages().isEmpty());
}

void TstLoadQuestion::fileCopiedInSinceListRead()
{
    Editor e;
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"),
                         {" 5 ", "P", "nou.txt", "S", "Hola"});
    e.open();
    editor::Form1 &form = *e.form;
    showEveryPanel(form);
    e.program.writeLines(QStringLiteral("textos/nou.txt"), {QStringLiteral("Hola món")});
    QCOMPARE(form.File4->count(), 0);
    editortest::chooseFolder(form, e.subject());

    clickEntry(form.File1, QStringLiteral("1.txt"));

    QCOMPARE(form.File4->fileName(), QStringLiteral("nou.txt"));
    QCOMPARE(form.Text8->toPlainText(), QStringLiteral("Hola món\n"));
}

void TstLoadQuestion::nameInOtherCaseSelectsListedFile()
{
    Editor e;
    writePicture(e.program, QStringLiteral("Graficos/Cajas.PNG"), twoBoxes());
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"),
                         {" 4 ", "P", "cajas.png", "S", "150", "50"});
    e.open();
    editor::Form1 &form = *e.form;
    editortest::chooseFolder(form, e.subject());
    clickEntry(form.File1, QStringLiteral("1.txt"));
    QCOMPARE(form.File2->fileName(), QStringLiteral("Cajas.PNG"));
    QCOMPARE(form.Picture2->pixel(150, 50), QColor(0, 0, 0xFF));
}

void TstLoadQuestion::trueFalseAnswer_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("VERDADERO in the true button's colour") << "VERDADERO" << QColor(0x80, 0x80, 0xFF);
    QTest::newRow("FALSO in the false button's colour") << "FALSO" << QColor(0xFF, 0x80, 0x80);
    QTest::newRow("anything else as written, in black") << "verdadero" << QColor(Qt::black);
}

void TstLoadQuestion::trueFalseAnswer()
{
    QFETCH(QString, answer);
    QFETCH(QColor, colour);
    Editor e;
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"),
                         {" 6 ", "Profe", "El sol es una estrella", answer});
    e.open();
    editor::Form1 &form = *e.form;
    showEveryPanel(form);
    click(form.Command6(answer == u"FALSO" ? 0 : 1)); // the other answer first
    editortest::chooseFolder(form, e.subject());

    clickEntry(form.File1, QStringLiteral("1.txt"));

    QCOMPARE(form.Text10->text(), QStringLiteral("El sol es una estrella"));
    QCOMPARE(form.Label10->text(), answer);
    QCOMPARE(ui::foreColor(form.Label10), colour);
}

void TstLoadQuestion::notAQuestionChangesNothing()
{
    Editor e;
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/notas.txt"),
                         {"Repasar el tema 3", "P", "S"});
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/9.txt"), {" 9 ", "P", "S", "a", "b"});
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(1));
    typeInto(form.Text3, QStringLiteral("¿2 + 2?"));
    typeInto(form.Text2, QStringLiteral("Autora"));
    editortest::chooseFolder(form, e.subject());
    const QStringList before = allFields(form.fields());

    for (const char *name : {"notas.txt", "9.txt"}) {
        clickEntry(form.File1, QLatin1String(name));
        QCOMPARE(bank::typeCode(form.QuestionType), 2);
        QCOMPARE(shownPanel(form), 2);
        QCOMPARE(allFields(form.fields()), before);
    }
    QVERIFY(e.messages().isEmpty());
}

void TstLoadQuestion::loadedFileNeverRewritten()
{
    Editor e;
    const QByteArray original = testsupport::crlf({" 2 ", "Profe", "¿2 + 2?", "cuatro"});
    e.program.writeBytes(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"), original);
    e.open();
    editor::Form1 &form = *e.form;
    editortest::chooseFolder(form, e.subject());
    const QString path = e.subject() + QStringLiteral("/1.txt");
    // An hour old: a write now would show in its time at once.
    const QDateTime modified = QDateTime::currentDateTime().addSecs(-3600);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
    QCOMPARE(QFileInfo(path).lastModified(), modified);

    clickEntry(form.File1, QStringLiteral("1.txt"));
    typeInto(form.Text4, QStringLiteral(" exactamente"));
    click(form.Command2);
    click(form.Command3);

    QCOMPARE(testsupport::readBytes(path), original);
    QCOMPARE(QFileInfo(path).lastModified(), modified);
    QCOMPARE(testsupport::readBytes(e.subject() + QStringLiteral("/2.txt")),
             testsupport::crlf({" 2 ", "Profe", "¿2 + 2?", "cuatro exactamente"}));
}

QTEST_MAIN(TstLoadQuestion)
#include "tst_loadquestion.moc"
