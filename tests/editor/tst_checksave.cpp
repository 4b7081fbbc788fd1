// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editorwindows.h"

#include "bank/question.h"
#include "editor/form1.h"
#include "editor/form2.h"
#include "editor/preview.h"
#include "editor/questioncheck.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <thread>
#include <vector>

using editortest::click;
using editortest::Editor;
using editortest::fillChoice;
using editortest::filesIn;
using editortest::listed;
using editortest::typeInto;

namespace {

const QString kStatementMissing = QStringLiteral("Se ha de escribir la pregunta");
const QString kFirstMissing = QStringLiteral("Se ha de escribir la primera opción");
const QString kSecondMissing = QStringLiteral("Se ha de escribir la segunda opción");
const QString kBlankMarked = QStringLiteral("La opción marcada como correcta está vacía");
const QString kNoGraphic = QStringLiteral("Falta seleccionar un gráfico");
const QString kEighthWithAttachment =
    QStringLiteral("Si se selecciona un archivo de imagen o de texto, no debemos escribir en la opcion 8");
const QString kNoPoint = QStringLiteral("Se ha de seleccionar un gráfico y hacer clic en él");
const QString kNoWord = QStringLiteral("Se ha de hacer clic en la palabra del texto");

void selectFile(editor::FileList *list, const QString &name)
{
    const auto found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
    QCOMPARE(list->fileName(), name);
}

// Fills the panel of `type` through its controls. `inputs` per type:
//   1: statement, options 1 to 8, attachment caption   2: statement, answer
//   3: picture, statement, answer   4: graphic, statement, X, Y
//   5: text, statement, word        6: statement, VERDADERO or FALSO
void fillType(editor::Form1 &form, int type, const QStringList &inputs, int marked)
{
    click(form.Command1(type - 1));
    switch (type) {
    case 1:
        fillChoice(form, inputs[0], inputs.mid(1, 8), marked);
        // The attachment picker fills this caption.
        form.Command7->setText(inputs[9]);
        break;
    case 2:
        typeInto(form.Text3, inputs[0]);
        typeInto(form.Text4, inputs[1]);
        break;
    case 3:
        selectFile(form.File3, inputs[0]);
        typeInto(form.Text5, inputs[1]);
        typeInto(form.Text6, inputs[2]);
        break;
    case 4:
        selectFile(form.File2, inputs[0]);
        typeInto(form.Text7, inputs[1]);
        // A click on the graphic sets these captions.
        form.Label8(1)->setText(inputs[2]);
        form.Label9(1)->setText(inputs[3]);
        break;
    case 5:
        selectFile(form.File4, inputs[0]);
        typeInto(form.Text9, inputs[1]);
        // A click on a word of the text sets this caption.
        form.Label11->setText(inputs[2]);
        break;
    case 6:
        typeInto(form.Text10, inputs[0]);
        click(form.Command6(inputs[1] == u"VERDADERO" ? 0 : 1));
        break;
    }
}

void closeCheckWindow(editor::Form1 &form)
{
    if (editor::Form2 *window = form.checkWindow()) {
        click(window->Command2);
        QTRY_VERIFY(!form.checkWindow());
    }
}

// Check then save, as the teacher does; the check window is closed between.
void checkAndSave(editor::Form1 &form)
{
    click(form.Command2);
    closeCheckWindow(form);
    click(form.Command3);
}

// Two pictures (PNG data under .gif names: read by what they hold) and two
// reading texts.
void writePictures(Editor &e)
{
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    editortest::writePicture(e.program, QStringLiteral("Graficos/mapa.gif"), picture);
    editortest::writePicture(e.program, QStringLiteral("Graficos/torre.gif"), picture);
    e.program.writeLines(QStringLiteral("textos/lectura.txt"), {QStringLiteral("El perro, grande.")});
    e.program.writeLines(QStringLiteral("textos/otra.txt"), {QStringLiteral("El perro, grande.")});
}

QStringList options(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list << QString::fromUtf8(text);
    while (list.size() < 8)
        list << QString();
    return list;
}

} // namespace

class TstCheckSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void savedFileIsByteIdentical_data();
    void savedFileIsByteIdentical();
    void emptyStatementAndFirstOption();
    void parisAndRomaStableOnSecondCheck();
    void singleSpaceOptionLeftAlone();
    void noTypedOptionLost_data();
    void noTypedOptionLost();
    void attachmentWithEightOptions();
    void graphicPointLimits_data();
    void graphicPointLimits();
    void readingWordStillRespuesta();
    void savingTwiceAfterOneCheck();
    void attachmentUsedOnce();
    void editAfterCheckAsksForNewCheck_data();
    void editAfterCheckAsksForNewCheck();
    void loadSetsTheMarks_data();
    void loadSetsTheMarks();
    void chosenAttachmentReplacesLoaded();
    void newGraphicClearsThePoint();
    void notAPictureRefused_data();
    void notAPictureRefused();
    void linksOutOfProgramFolder_data();
    void linksOutOfProgramFolder();
    void saveWithoutCheck();
    void savingKeepsTheFields();
    void savesIntoFolderChosenInDir1();
    void numberFillsTheGap();
    void failedSaveKeepsCheck_data();
    void failedSaveKeepsCheck();
    void twoWindowsSaveIntoOneFolder();
    void threadsSaveIntoOneFolder();
};

void TstCheckSave::savedFileIsByteIdentical_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("marked");
    QTest::addColumn<QStringList>("expected"); // the lines after the author

    QTest::newRow("multiple choice, second option correct, picture attachment")
        << 1
        << (QStringList{"¿Cuál es la capital de Francia?"} + options({"Roma", "París", "Lyon"})
            + QStringList{"torre.gif"})
        << 2
        << QStringList{"¿Cuál es la capital de Francia?", "Roma", "París ", "Lyon", "torre.gif"};
    QTest::newRow("multiple choice, eight options, last correct, no attachment")
        << 1
        << (QStringList{"¿Qué número es par?"} + options({"1", "3", "5", "7", "9", "11", "13", "8"})
            + QStringList{editor::kAttachmentButtonCaption()})
        << 8 << QStringList{"¿Qué número es par?", "1", "3", "5", "7", "9", "11", "13", "8 "};
    QTest::newRow("multiple choice, option 3 empty: option 4 moves up")
        << 1 << (QStringList{"¿Cuál?"} + options({"a", "b", "", "d"}) + QStringList{"Mapa.JPG"})
        << 1 << QStringList{"¿Cuál?", "a ", "b", "d", "Mapa.JPG"};
    QTest::newRow("written answer") << 2 << QStringList{"¿Cuánto es 2 + 2?", "cuatro"} << 0
                                    << QStringList{"¿Cuánto es 2 + 2?", "cuatro"};
    QTest::newRow("picture answer") << 3 << QStringList{"torre.gif", "¿Qué torre es?", "Eiffel"} << 0
                                    << QStringList{"torre.gif", "¿Qué torre es?", "Eiffel"};
    QTest::newRow("graphic point") << 4 << QStringList{"mapa.gif", "Marca Lleida", "132", "40"} << 0
                                   << QStringList{"mapa.gif", "Marca Lleida", "132", "40"};
    QTest::newRow("reading word with its comma")
        << 5 << QStringList{"lectura.txt", "¿Qué animal ladra?", "perro,"} << 0
        << QStringList{"lectura.txt", "¿Qué animal ladra?", "perro,"};
    QTest::newRow("true") << 6 << QStringList{"El sol es una estrella", "VERDADERO"} << 0
                          << QStringList{"El sol es una estrella", "VERDADERO"};
    QTest::newRow("false") << 6 << QStringList{"La luna es una estrella", "FALSO"} << 0
                           << QStringList{"La luna es una estrella", "FALSO"};
}

void TstCheckSave::savedFileIsByteIdentical()
{
    QFETCH(int, type);
    QFETCH(QStringList, inputs);
    QFETCH(int, marked);
    QFETCH(QStringList, expected);

    Editor e;
    writePictures(e);
    e.open();
    editor::Form1 &form = *e.form;
    const QString author = QStringLiteral("Profesor de Geografía");
    typeInto(form.Text2, author);
    fillType(form, type, inputs, marked);

    checkAndSave(form);

    const QStringList expectedMessages =
        type == 1 ? QStringList() : QStringList{editor::kAgreed()};
    QCOMPARE(e.messages(), expectedMessages);
    QCOMPARE(filesIn(e.bank()), QStringList{"1.txt"});
    const QStringList lines = QStringList{QStringLiteral(" %1 ").arg(type), author} + expected;
    QCOMPARE(testsupport::readBytes(e.bank() + QStringLiteral("/1.txt")), testsupport::crlf(lines));

    bank::Question read;
    QCOMPARE(bank::readQuestionFile(e.bank() + QStringLiteral("/1.txt"), read), bank::ReadError::None);
    QCOMPARE(bank::typeCode(read.type), type);
    QCOMPARE(read.author, author);
    QCOMPARE(bank::questionLines(read), lines);
    QCOMPARE(listed(form.File1), QStringList{"1.txt"});
    QVERIFY(!form.questionChecked);
}

void TstCheckSave::emptyStatementAndFirstOption()
{
    Editor e;
    e.open();
    editor::Form1 &form = *e.form;
    typeInto(form.Text1(2), QStringLiteral("París"));
    click(form.Label1(2));

    click(form.Command2);

    QCOMPARE(e.messages(), (QStringList{kStatementMissing, kFirstMissing}));
    QVERIFY(!form.checkWindow());
    QVERIFY(!form.questionChecked);
    QCOMPARE(form.Text1(2)->text(), QStringLiteral("París"));
}

void TstCheckSave::parisAndRomaStableOnSecondCheck()
{
    Editor e;
    e.open();
    editor::Form1 &form = *e.form;
    fillChoice(form, QStringLiteral("¿Capital de Francia?"),
               {QStringLiteral("Roma "), QStringLiteral("París")}, 2);

    for (int round = 0; round < 2; ++round) {
        click(form.Command2);
        QVERIFY(e.messages().isEmpty());
        QVERIFY(form.questionChecked);
        QVERIFY(form.checkWindow());
        QCOMPARE(form.Text1(1)->text(), QStringLiteral("Roma"));
        QCOMPARE(form.Text1(2)->text(), QStringLiteral("París "));
        closeCheckWindow(form);
    }
}

void TstCheckSave::singleSpaceOptionLeftAlone()
{
    Editor e;
    e.open();
    editor::Form1 &form = *e.form;
    fillChoice(form, QStringLiteral("¿?"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral(" ")},
               3);
    click(form.Command2);
    // Marked, it would be the only correct answer, and a blank one.
    QCOMPARE(e.messages(), QStringList{kBlankMarked});
    QCOMPARE(form.Text1(1)->text(), QStringLiteral("a"));
    QCOMPARE(form.Text1(3)->text(), QStringLiteral(" "));
}

void TstCheckSave::noTypedOptionLost_data()
{
    QTest::addColumn<QStringList>("typed"); // options 1 to 8
    QTest::addColumn<int>("marked");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("checked"); // options 1 to 8 after the check
    QTest::addColumn<int>("markedAfter");

    QTest::newRow("option 3 empty, option 4 marked: it moves up to 3")
        << options({"a", "b", "", "d"}) << 4 << QStringList() << options({"a", "b", "d "}) << 3;
    QTest::newRow("two gaps: later options move up past both")
        << options({"a", "b", "", "", "e", "", "g"}) << 5 << QStringList()
        << options({"a", "b", "e ", "g"}) << 3;
    QTest::newRow("unmarked single space is no option")
        << options({"a", "b", " ", "d"}) << 1 << QStringList() << options({"a ", "b", "d"}) << 1;
    QTest::newRow("unmarked spaces only, last")
        << options({"a", "b", "   "}) << 2 << QStringList() << options({"a", "b "}) << 2;
    QTest::newRow("marked empty option after a gap refused")
        << options({"a", "b", "", ""}) << 4 << QStringList{kBlankMarked}
        << options({"a", "b"}) << 4;
    QTest::newRow("blank first option is an empty first option")
        << options({" ", "b"}) << 2 << QStringList{kFirstMissing} << options({" ", "b"}) << 2;
    QTest::newRow("blank second option is an empty second option")
        << options({"a", "  ", "c"}) << 1 << QStringList{kSecondMissing} << options({"a", "  ", "c"})
        << 1;
}

// What the author typed and marked is what the check window shows and the
// file holds, in the same places.
void TstCheckSave::noTypedOptionLost()
{
    QFETCH(QStringList, typed);
    QFETCH(int, marked);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, checked);
    QFETCH(int, markedAfter);

    Editor e;
    e.open();
    editor::Form1 &form = *e.form;
    fillChoice(form, QStringLiteral("¿Cuál?"), typed, marked);

    click(form.Command2);

    QCOMPARE(e.messages(), messages);
    QStringList fields;
    for (int i = 1; i <= 8; ++i)
        fields << form.Text1(i)->text();
    QCOMPARE(fields, checked);
    QCOMPARE(form.fields().markedOption, markedAfter);

    editor::Form2 *window = form.checkWindow();
    QCOMPARE(window != nullptr, messages.isEmpty());
    if (window) {
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(window->Label2(i)->isVisible(), !checked[i].isEmpty());
            if (!checked[i].isEmpty())
                QCOMPARE(window->Label2(i)->text(), editor::optionCaption(i, checked[i]));
        }
    }
    closeCheckWindow(form);
    click(form.Command3);

    if (!messages.isEmpty()) {
        QCOMPARE(e.messages(), messages + QStringList{editor::kCheckFirst()});
        QVERIFY(filesIn(e.bank()).isEmpty());
        return;
    }
    QStringList lines{" 1 ", "", "¿Cuál?"};
    for (const QString &option : checked) {
        if (!option.isEmpty())
            lines << option;
    }
    QCOMPARE(testsupport::readBytes(e.bank() + QStringLiteral("/1.txt")), testsupport::crlf(lines));
}

void TstCheckSave::attachmentWithEightOptions()
{
    Editor e;
    e.open();
    editor::Form1 &form = *e.form;
    QStringList eight;
    for (int i = 1; i <= 8; ++i)
        eight << QStringLiteral("opción %1").arg(i);
    fillChoice(form, QStringLiteral("¿Qué ves?"), eight, 1);
    form.Command7->setText(QStringLiteral("Mapa.JPG"));

    click(form.Command2);

    QCOMPARE(e.messages(), QStringList{kEighthWithAttachment});
    QVERIFY(!form.checkWindow());
    QVERIFY(!form.questionChecked);
    QCOMPARE(form.Text1(1)->text(), QStringLiteral("opción 1"));
}

void TstCheckSave::graphicPointLimits_data()
{
    QTest::addColumn<QString>("graphic"); // selected in File2, or none
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("message");
    QTest::newRow("X = 1 refused") << "mapa.png" << "1" << "40" << kNoPoint;
    QTest::newRow("Y = 1 refused") << "mapa.png" << "40" << "1" << kNoPoint;
    QTest::newRow("X = 2 and Y = 2 accepted") << "mapa.png" << "2" << "2" << editor::kAgreed();
    QTest::newRow("no graphic selected refused") << "" << "132" << "40" << kNoGraphic;
    QTest::newRow("no graphic, no point: the point first") << "" << "0" << "0" << kNoPoint;
}

void TstCheckSave::graphicPointLimits()
{
    QFETCH(QString, graphic);
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(QString, message);

    Editor e;
    QImage map(200, 100, QImage::Format_RGB32);
    map.fill(Qt::white);
    editortest::writePicture(e.program, QStringLiteral("Graficos/mapa.png"), map);
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(3));
    if (!graphic.isEmpty())
        selectFile(form.File2, graphic);
    typeInto(form.Text7, QStringLiteral("Marca Lleida"));
    form.Label8(1)->setText(x);
    form.Label9(1)->setText(y);

    click(form.Command2);

    QCOMPARE(e.messages(), QStringList{message});
    QCOMPARE(form.questionChecked, message == editor::kAgreed());
    QVERIFY(!form.checkWindow());

    click(form.Command3);
    if (message != editor::kAgreed()) {
        QCOMPARE(e.messages(), (QStringList{message, editor::kCheckFirst()}));
        QVERIFY(filesIn(e.bank()).isEmpty());
        return;
    }
    QCOMPARE(testsupport::readBytes(e.bank() + QStringLiteral("/1.txt")),
             testsupport::crlf({" 4 ", "", graphic, "Marca Lleida", x, y}));
}

void TstCheckSave::readingWordStillRespuesta()
{
    Editor e;
    e.program.writeLines(QStringLiteral("textos/lectura.txt"), {QStringLiteral("El perro")});
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(4));
    selectFile(form.File4, QStringLiteral("lectura.txt"));
    typeInto(form.Text9, QStringLiteral("¿Qué animal?"));

    click(form.Command2);

    QCOMPARE(e.messages(), QStringList{kNoWord});
    QVERIFY(!form.questionChecked);
}

void TstCheckSave::savingTwiceAfterOneCheck()
{
    Editor e;
    e.open();
    editor::Form1 &form = *e.form;
    fillType(form, 2, {QStringLiteral("¿2 + 2?"), QStringLiteral("4")}, 0);
    click(form.Command2);
    click(form.Command3);
    click(form.Command3);

    QCOMPARE(e.messages(), (QStringList{editor::kAgreed(), editor::kCheckFirst()}));
    QCOMPARE(filesIn(e.bank()), (QStringList{"1.txt"}));
    QCOMPARE(listed(form.File1), QStringList{"1.txt"});
}

void TstCheckSave::attachmentUsedOnce()
{
    Editor e;
    e.open();
    editor::Form1 &form = *e.form;
    fillType(form, 1,
             QStringList{"¿Qué ciudad es?"} + options({"Roma", "París"}) + QStringList{"torre.gif"}, 2);
    checkAndSave(form);
    QCOMPARE(form.Command7->text(), editor::kAttachmentButtonCaption());

    checkAndSave(form);

    const QStringList first{" 1 ", "", "¿Qué ciudad es?", "Roma", "París ", "torre.gif"};
    const QStringList second{" 1 ", "", "¿Qué ciudad es?", "Roma", "París "};
    QCOMPARE(testsupport::readBytes(e.bank() + QStringLiteral("/1.txt")), testsupport::crlf(first));
    QCOMPARE(testsupport::readBytes(e.bank() + QStringLiteral("/2.txt")), testsupport::crlf(second));
    QVERIFY(e.messages().isEmpty());
}

void TstCheckSave::editAfterCheckAsksForNewCheck_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("marked");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("voids"); // the save then asks for a new check

    const QStringList colours = QStringList{"¿Color?"} + options({"verd", "vermell", "blau"})
        + QStringList{editor::kAttachmentButtonCaption()};
    const QStringList numbers = QStringList{"¿3?"} + options({"3", "4"})
        + QStringList{editor::kAttachmentButtonCaption()};
    const QStringList written{"¿2 + 2?", "4"};
    const QStringList picture{"torre.gif", "¿Qué torre es?", "Eiffel"};
    const QStringList graphic{"mapa.gif", "Marca Lleida", "30", "20"};
    const QStringList reading{"lectura.txt", "¿Qué animal?", "perro,"};
    const QStringList trueFalse{"El sol es una estrella", "VERDADERO"};
    QTest::newRow("option 2 emptied") << 1 << colours << 3 << "option" << true;
    QTest::newRow("option 2 marked") << 1 << numbers << 1 << "mark" << true;
    QTest::newRow("statement") << 1 << numbers << 1 << "statement" << true;
    QTest::newRow("type") << 2 << written << 0 << "type" << true;
    QTest::newRow("answer") << 2 << written << 0 << "answer" << true;
    QTest::newRow("picture") << 3 << picture << 0 << "picture" << true;
    QTest::newRow("graphic") << 4 << graphic << 0 << "graphic" << true;
    QTest::newRow("point") << 4 << graphic << 0 << "point" << true;
    QTest::newRow("text") << 5 << reading << 0 << "text" << true;
    QTest::newRow("word") << 5 << reading << 0 << "word" << true;
    QTest::newRow("true to false") << 6 << trueFalse << 0 << "false" << true;
    QTest::newRow("author: judges nothing") << 2 << written << 0 << "author" << false;
}

void TstCheckSave::editAfterCheckAsksForNewCheck()
{
    QFETCH(int, type);
    QFETCH(QStringList, inputs);
    QFETCH(int, marked);
    QFETCH(QString, edit);
    QFETCH(bool, voids);

    Editor e;
    writePictures(e);
    e.open();
    editor::Form1 &form = *e.form;
    fillType(form, type, inputs, marked);
    click(form.Command2);
    closeCheckWindow(form);
    QVERIFY(form.questionChecked);

    if (edit == u"option")
        form.Text1(2)->setText(QString());
    else if (edit == u"mark")
        click(form.Label1(2));
    else if (edit == u"statement")
        typeInto(form.Text1(0), QStringLiteral("¿4?"));
    else if (edit == u"type")
        click(form.Command1(5));
    else if (edit == u"answer")
        typeInto(form.Text4, QStringLiteral("5"));
    else if (edit == u"picture")
        selectFile(form.File3, QStringLiteral("mapa.gif"));
    else if (edit == u"graphic")
        selectFile(form.File2, QStringLiteral("torre.gif"));
    else if (edit == u"point")
        form.Picture2_MouseDown(QPointF(40, 30));
    else if (edit == u"text")
        selectFile(form.File4, QStringLiteral("otra.txt"));
    else if (edit == u"word")
        form.Label11->setText(QStringLiteral("grande."));
    else if (edit == u"false")
        click(form.Command6(1));
    else if (edit == u"author")
        typeInto(form.Text2, QStringLiteral("Marta"));
    else
        QFAIL(qPrintable(edit));

    click(form.Command3);

    const QStringList checked = type == 1 ? QStringList() : QStringList{editor::kAgreed()};
    QCOMPARE(e.messages(), voids ? checked + QStringList{editor::kCheckFirst()} : checked);
    QCOMPARE(filesIn(e.bank()).size(), voids ? 0 : 1);
    QVERIFY(!form.questionChecked);
}

void TstCheckSave::loadSetsTheMarks_data()
{
    QTest::addColumn<QStringList>("file");     // the question loaded
    QTest::addColumn<int>("mark");             // the option marked after loading
    QTest::addColumn<QStringList>("messages"); // of the check that follows

    QTest::newRow("second option is the key")
        << QStringList{" 1 ", "", "¿Capital?", "Roma", "París ", "Lyon"} << 2 << QStringList();
    QTest::newRow("the key beside an attachment")
        << QStringList{" 1 ", "", "¿Capital?", "Roma ", "París", "torre.gif"} << 1 << QStringList();
    QTest::newRow("no key: nothing marked, the check says so")
        << QStringList{" 1 ", "", "¿Capital?", "Roma", "París"} << 0
        << QStringList{QStringLiteral("Has de seleccionar la opción correcta")};
}

void TstCheckSave::loadSetsTheMarks()
{
    QFETCH(QStringList, file);
    QFETCH(int, mark);
    QFETCH(QStringList, messages);

    Editor e;
    e.program.writeBytes(QStringLiteral("Preguntas/1.txt"), testsupport::crlf(file));
    e.open();
    editor::Form1 &form = *e.form;
    // Five options, the fifth marked, before the three-option question.
    fillChoice(form, QStringLiteral("¿?"), {"a", "b", "c", "d", "e"}, 5);
    editortest::clickEntry(form.File1, QStringLiteral("1.txt"));

    QCOMPARE(form.fields().markedOption, mark);
    for (int i = 1; i <= editor::kOptionCount; ++i)
        QCOMPARE(ui::foreColor(form.Label1(i)) == ui::kBlue, i == mark);
    click(form.Command2);
    closeCheckWindow(form);
    QCOMPARE(e.messages(), messages);
    if (!messages.isEmpty())
        return;
    click(form.Command3);
    QCOMPARE(testsupport::readBytes(e.bank() + QStringLiteral("/2.txt")), testsupport::crlf(file));
}

void TstCheckSave::chosenAttachmentReplacesLoaded()
{
    Editor e;
    e.program.writeBytes(QStringLiteral("Preguntas/1.txt"),
                         testsupport::crlf({" 1 ", "", "¿Capital?", "Roma", "París ", "torre.gif"}));
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::white);
    editortest::writePicture(e.program, QStringLiteral("Graficos/mapa.jpg"), picture);
    e.open();
    editor::Form1 &form = *e.form;
    editortest::clickEntry(form.File1, QStringLiteral("1.txt"));
    click(form.Command7);
    QVERIFY(form.attachmentPicker());
    editortest::clickEntry(form.attachmentPicker()->File1, QStringLiteral("mapa.jpg"));

    checkAndSave(form);
    QCOMPARE(e.messages(), QStringList());
    QCOMPARE(testsupport::readBytes(e.bank() + QStringLiteral("/2.txt")),
             testsupport::crlf({" 1 ", "", "¿Capital?", "Roma", "París ", "mapa.jpg"}));
}

void TstCheckSave::newGraphicClearsThePoint()
{
    Editor e;
    QImage large(400, 400, QImage::Format_RGB32);
    large.fill(Qt::white);
    QImage small(50, 50, QImage::Format_RGB32);
    small.fill(Qt::white);
    editortest::writePicture(e.program, QStringLiteral("Graficos/gran.png"), large);
    editortest::writePicture(e.program, QStringLiteral("Graficos/petit.png"), small);
    e.open();
    editor::Form1 &form = *e.form;
    fillType(form, 4, {"gran.png", "Marca", "300", "300"}, 0);
    selectFile(form.File2, QStringLiteral("petit.png"));

    QCOMPARE(form.Label8(1)->text(), QStringLiteral("0"));
    QCOMPARE(form.Label9(1)->text(), QStringLiteral("0"));
    click(form.Command2);
    QCOMPARE(e.messages(), QStringList{kNoPoint});
}

void TstCheckSave::notAPictureRefused_data()
{
    QTest::addColumn<int>("type"); // 3 a picture, 4 a graphic
    QTest::newRow("picture") << 3;
    QTest::newRow("graphic") << 4;
}

void TstCheckSave::notAPictureRefused()
{
    QFETCH(int, type);
    Editor e;
    e.program.writeLines(QStringLiteral("Graficos/notes.txt"), {QStringLiteral("no és cap imatge")});
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(type - 1));
    editor::FileList *list = type == 3 ? form.File3 : form.File2;
    editortest::clickEntry(list, QStringLiteral("notes.txt"));

    QCOMPARE(e.messages().size(), 1);
    QVERIFY2(e.messages().at(0).contains(QStringLiteral("notes.txt"))
                 && e.messages().at(0).contains(QStringLiteral("no se puede leer")),
             qPrintable(e.messages().at(0)));
    QCOMPARE(list->fileName(), QString());
    if (type == 3) {
        typeInto(form.Text5, QStringLiteral("¿Qué es?"));
        typeInto(form.Text6, QStringLiteral("nada"));
    } else {
        typeInto(form.Text7, QStringLiteral("Marca"));
        form.Label8(1)->setText(QStringLiteral("20"));
        form.Label9(1)->setText(QStringLiteral("20"));
    }
    click(form.Command2);
    QCOMPARE(e.messages().last(), type == 3 ? QStringLiteral("Falta seleccionar una imagen") : kNoGraphic);
}

void TstCheckSave::linksOutOfProgramFolder_data()
{
    QTest::addColumn<QString>("link"); // in the program folder, leading outside
    QTest::newRow("question file") << "Preguntas/1.txt";
    QTest::newRow("reading text") << "textos/lectura.txt";
}

void TstCheckSave::linksOutOfProgramFolder()
{
    QFETCH(QString, link);
    QTemporaryDir outside;
    QVERIFY(outside.isValid());
    QDir(outside.path()).mkpath(QStringLiteral("Fora"));
    QFile question(outside.filePath(QStringLiteral("q.txt")));
    QVERIFY(question.open(QIODevice::WriteOnly));
    question.write(testsupport::crlf({" 2 ", "", "¿Fuera?", "sí"}));
    question.close();
    const QString target = link.endsWith(u"Fora") ? outside.filePath(QStringLiteral("Fora"))
                                                  : question.fileName();
    Editor e;
    e.program.makeFolder(QStringLiteral("Preguntas/1r ESO"));
    e.program.makeFolder(QStringLiteral("textos"));
    QVERIFY(QFile::link(target, e.program.file(link)));
    e.open();
    editor::Form1 &form = *e.form;

    if (link.endsWith(u"Fora")) {
        const QAbstractItemModel *tree = form.Dir1->model();
        auto *folders = qobject_cast<editor::BankFolderModel *>(form.Dir1->model());
        QTRY_VERIFY(folders->indexOf(e.bank()).isValid());
        const QModelIndex bank = folders->indexOf(e.bank());
        QTRY_VERIFY(tree->rowCount(bank) >= 1);
        QStringList shown;
        for (int row = 0; row < tree->rowCount(bank); ++row)
            shown << tree->index(row, 0, bank).data().toString();
        QCOMPARE(shown, QStringList{"1r ESO"});
        return;
    }
    if (link.startsWith(u"textos")) {
        click(form.Command1(4));
        editortest::clickEntry(form.File4, QStringLiteral("lectura.txt"));
        QCOMPARE(form.Text8->toPlainText(), QString());
    } else {
        editortest::clickEntry(form.File1, QStringLiteral("1.txt"));
        QCOMPARE(bank::typeCode(form.QuestionType), 1);
    }
    QCOMPARE(e.messages().size(), 1);
    QVERIFY2(e.messages().at(0).contains(QStringLiteral("sale de la carpeta del programa")),
             qPrintable(e.messages().at(0)));
}

void TstCheckSave::saveWithoutCheck()
{
    Editor e;
    e.open();
    editor::Form1 &form = *e.form;
    fillType(form, 2, {QStringLiteral("¿2 + 2?"), QStringLiteral("4")}, 0);
    click(form.Command3);

    QCOMPARE(e.messages(), QStringList{editor::kCheckFirst()});
    QVERIFY(filesIn(e.bank()).isEmpty());
}

void TstCheckSave::savingKeepsTheFields()
{
    Editor e;
    e.open();
    editor::Form1 &form = *e.form;
    typeInto(form.Text2, QStringLiteral("Marta"));
    fillType(form, 1, QStringList{"¿Capital?"} + options({"Roma", "París"}) + QStringList{"x.gif"}, 1);
    checkAndSave(form);

    QCOMPARE(form.Text2->text(), QStringLiteral("Marta"));
    QCOMPARE(form.Text1(0)->text(), QStringLiteral("¿Capital?"));
    QCOMPARE(form.Text1(1)->text(), QStringLiteral("Roma "));
    QCOMPARE(form.Text1(2)->text(), QStringLiteral("París"));
    QCOMPARE(form.fields().markedOption, 1);
}

void TstCheckSave::savesIntoFolderChosenInDir1()
{
    Editor e;
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"), {QStringLiteral(" 2 ")});
    e.open();
    editor::Form1 &form = *e.form;
    auto *tree = qobject_cast<editor::BankFolderModel *>(form.Dir1->model());
    form.Dir1->setCurrentIndex(tree->indexOf(e.subject()));
    fillType(form, 2, {QStringLiteral("¿2 + 2?"), QStringLiteral("4")}, 0);

    click(form.Command2);
    click(form.Command3);

    QCOMPARE(filesIn(e.subject()), (QStringList{"1.txt", "2.txt"}));
    QCOMPARE(listed(form.File1), (QStringList{"1.txt", "2.txt"}));
    QVERIFY(filesIn(e.bank()).isEmpty());
}

void TstCheckSave::numberFillsTheGap()
{
    Editor e;
    for (const char *name : {"1.txt", "2.txt", "4.txt"})
        e.program.writeLines(QStringLiteral("Preguntas/") + QLatin1String(name), {QStringLiteral(" 2 ")});
    e.open();
    editor::Form1 &form = *e.form;
    fillType(form, 2, {QStringLiteral("¿2 + 2?"), QStringLiteral("4")}, 0);
    click(form.Command2);
    click(form.Command3);
    click(form.Command2);
    click(form.Command3);

    QCOMPARE(listed(form.File1), (QStringList{"1.txt", "2.txt", "3.txt", "4.txt", "5.txt"}));
    QCOMPARE(testsupport::readBytes(e.bank() + QStringLiteral("/3.txt")),
             testsupport::crlf({" 2 ", "", "¿2 + 2?", "4"}));
}

void TstCheckSave::failedSaveKeepsCheck_data()
{
    QTest::addColumn<bool>("removeFolder");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("named");
    QTest::newRow("bank folder removed while editing") << true << "¿2 + 2?" << "Preguntas";
    QTest::newRow("character Windows-1252 cannot hold") << false << "¿Cuánto vale Ω?" << "Ω";
}

void TstCheckSave::failedSaveKeepsCheck()
{
    QFETCH(bool, removeFolder);
    QFETCH(QString, statement);
    QFETCH(QString, named);

    Editor e;
    e.open();
    editor::Form1 &form = *e.form;
    fillType(form, 2, {statement, QStringLiteral("4")}, 0);
    click(form.Command2);
    if (removeFolder)
        e.program.remove(QStringLiteral("Preguntas"));

    click(form.Command3);

    QCOMPARE(e.messages().size(), 2);
    QVERIFY2(e.messages().at(1).contains(named), qPrintable(e.messages().at(1)));
    QVERIFY2(e.messages().at(1).contains(QStringLiteral("No se ha guardado")), qPrintable(e.messages().at(1)));
    QVERIFY2(form.questionChecked, "the author can mend the cause and save again");
    QCOMPARE(form.File1->count(), 0);
    QVERIFY(filesIn(e.bank()).isEmpty());

    // The cause mended, the same check saves.
    if (removeFolder)
        e.program.makeFolder(QStringLiteral("Preguntas"));
    else {
        // Mending a field is an edit: the mended question is checked again.
        form.Text3->setText(QStringLiteral("¿Cuánto vale omega?"));
        click(form.Command2);
    }
    click(form.Command3);
    QCOMPARE(e.messages().size(), removeFolder ? 2 : 3);
    QCOMPARE(listed(form.File1), QStringList{"1.txt"});
    QVERIFY(!form.questionChecked);
}

void TstCheckSave::twoWindowsSaveIntoOneFolder()
{
    Editor e;
    e.open();
    editor::Form1 &first = *e.form;
    editor::Form1 second;
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    typeInto(first.Text2, QStringLiteral("Primera"));
    typeInto(second.Text2, QStringLiteral("Segunda"));
    fillType(first, 2, {QStringLiteral("¿Uno?"), QStringLiteral("1")}, 0);
    fillType(second, 6, {QStringLiteral("¿Dos?"), QStringLiteral("VERDADERO")}, 0);

    // Both windows checked before either saves: each list is stale when the
    // other one saves.
    for (int round = 0; round < 10; ++round) {
        click(first.Command2);
        click(second.Command2);
        click(second.Command3);
        click(first.Command3);
    }

    const QStringList files = filesIn(e.bank());
    QCOMPARE(files.size(), 20);
    int firsts = 0;
    int seconds = 0;
    for (int n = 1; n <= 20; ++n) {
        const QByteArray bytes = testsupport::readBytes(e.bank() + QStringLiteral("/%1.txt").arg(n));
        if (bytes == testsupport::crlf({" 2 ", "Primera", "¿Uno?", "1"}))
            ++firsts;
        else if (bytes == testsupport::crlf({" 6 ", "Segunda", "¿Dos?", "VERDADERO"}))
            ++seconds;
        else
            QFAIL(qPrintable(QStringLiteral("%1.txt holds something else").arg(n)));
    }
    QCOMPARE(firsts, 10);
    QCOMPARE(seconds, 10);
    QCOMPARE(first.File1->count(), 20);
}

void TstCheckSave::threadsSaveIntoOneFolder()
{
    testsupport::ProgramFolder program(false);
    program.makeFolder(QStringLiteral("Preguntas"));
    const QString folder = program.file(QStringLiteral("Preguntas"));
    constexpr int kThreads = 4;
    constexpr int kEach = 25;

    std::vector<std::thread> threads;
    std::vector<int> failures(kThreads, 0);
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &folder, &failures] {
            for (int i = 0; i < kEach; ++i) {
                editor::EditorFields fields;
                fields.author = QStringLiteral("hilo %1").arg(t);
                fields.writtenStatement = QStringLiteral("pregunta %1").arg(i);
                fields.writtenAnswer = QStringLiteral("respuesta");
                if (!editor::saveQuestion(folder, bank::QuestionType::WrittenAnswer, true, fields).written)
                    ++failures[t];
            }
        });
    }
    for (auto &thread : threads)
        thread.join();

    for (int t = 0; t < kThreads; ++t)
        QCOMPARE(failures[t], 0);
    const QStringList files = filesIn(folder);
    QCOMPARE(files.size(), kThreads * kEach);
    QSet<QString> seen;
    for (int n = 1; n <= kThreads * kEach; ++n) {
        bank::Question q;
        QCOMPARE(bank::readQuestionFile(folder + QStringLiteral("/%1.txt").arg(n), q), bank::ReadError::None);
        seen.insert(q.author + u'|' + q.statement);
    }
    QCOMPARE(seen.size(), kThreads * kEach);
}

QTEST_MAIN(TstCheckSave)
#include "tst_checksave.moc"
