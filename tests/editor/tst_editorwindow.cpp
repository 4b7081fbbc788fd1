// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editorwindows.h"

#include "editor/form1.h"
#include "editor/questioncheck.h"
#include "ui/controls.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QTest>

using editortest::click;
using editortest::Editor;
using editortest::listed;
using editortest::showEveryPanel;
using editortest::typeInto;

namespace {

QString captionOf(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    return widget->windowTitle();
}

QColor windowColor(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

const QColor kTypeColors[6] = {QColor(0xFF, 0xC0, 0xC0), QColor(0xFF, 0xE0, 0xC0),
                               QColor(0xFF, 0xFF, 0xC0), QColor(0xC0, 0xFF, 0xC0),
                               QColor(0xC0, 0xFF, 0xFF), QColor(0xFF, 0xC0, 0x80)};

} // namespace

class TstEditorWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captions_data();
    void captions();
    void colours_data();
    void colours();
    void startState();
    void chooseType_data();
    void chooseType();
    void switchingTypeKeepsFieldsNotCheck();
    void trueOrFalse_data();
    void trueOrFalse();
    void markCorrectOption_data();
    void markCorrectOption();
    void clearMultipleChoiceOnly();
    void enterRefused_data();
    void enterRefused();
    void pastedLineBreakBecomesSpace_data();
    void pastedLineBreakBecomesSpace();
    void setTextLosesLineBreaks_data();
    void setTextLosesLineBreaks();
    void fileListsAtStart();
    void foldersFoundIgnoringCase();
    void missingBankLeavesListsEmpty();
    void dir1ChoosesTheFolder();
    void dir1ShowsNoFolderLinks();
    void refrescaRereadsAllLists_data();
    void refrescaRereadsAllLists();
    void optionButtonsRememberTheirSlot();
    void closingEndsTheProgram();
};

void TstEditorWindow::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    QTest::newRow("window") << "Form1" << "Editor de preguntas 2.0 - brenloq@escoles.cat";
    QTest::newRow("panel 1") << "Frame1(0)" << "Pregunta tipo test";
    QTest::newRow("panel 2") << "Frame1(1)" << "Pregunta con una respuesta escrita";
    QTest::newRow("panel 3") << "Frame1(2)" << "Pregunta referida a una imagen con respuesta";
    QTest::newRow("panel 4") << "Frame1(3)" << "Pregunta cuya respuesta es marcar en un gráfico";
    QTest::newRow("panel 5") << "Frame1(4)" << "Pregunta de comprensión lectora";
    QTest::newRow("panel 6") << "Frame1(5)" << "Pregunta de verdadero o falso";
    QTest::newRow("author") << "Label4" << "Autor de la pregunta";
    for (int i = 0; i < 6; ++i)
        QTest::addRow("type button %d", i + 1) << ui::memberName("Command1", i) << QString::number(i + 1);
    QTest::newRow("check") << "Command2" << "Comprobar";
    QTest::newRow("save") << "Command3" << "Guardar pregunta";
    QTest::newRow("choice statement") << "Label2" << "Pregunta";
    for (int i = 1; i <= 8; ++i) {
        QTest::addRow("option label %d", i) << ui::memberName("Label1", i) << QStringLiteral("Opción %1").arg(i);
        QTest::addRow("option picker %d", i) << ui::memberName("Command5", i - 1) << "...";
    }
    QTest::newRow("attachment") << "Command7" << "Añadir txt, gif o jpg";
    QTest::newRow("clear") << "Command8" << "BORRAR TODO Y EMPEZAR UNA NUEVA PREGUNTA TIPO TEST";
    QTest::newRow("hint") << "Label3"
                          << "Después de escribir el enunciado se ha de seleccionar la opción correcta";
    QTest::newRow("written statement") << "Label5(0)" << "Pregunta";
    QTest::newRow("written answer") << "Label5(1)" << "Respuesta";
    QTest::newRow("picture statement") << "Label6(0)" << "Pregunta";
    QTest::newRow("picture answer") << "Label6(1)" << "Respuesta";
    for (int i = 0; i < 3; ++i)
        QTest::addRow("refresh %d", i) << ui::memberName("Command4", i) << "Refresca";
    QTest::newRow("X name") << "Label8(0)" << "X-";
    QTest::newRow("X value") << "Label8(1)" << "0";
    QTest::newRow("Y name") << "Label9(0)" << "Y-";
    QTest::newRow("Y value") << "Label9(1)" << "0";
    QTest::newRow("reading text") << "Label7(0)" << "Texto seleccionado";
    QTest::newRow("reading statement") << "Label7(1)"
                                       << "Pregunta referida al texto que tiene de respuesta una palabra";
    QTest::newRow("chosen word") << "Label11" << "Respuesta";
    QTest::newRow("true") << "Command6(0)" << "VERDADERO";
    QTest::newRow("false") << "Command6(1)" << "FALSO";
    QTest::newRow("true or false chosen") << "Label10" << "";
}

void TstEditorWindow::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);

    Editor e;
    e.open();
    showEveryPanel(*e.form);
    const QWidget *widget = name == u"Form1" ? e.form.get() : e.form->findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(captionOf(widget), caption);
    QCOMPARE(widget->objectName(), name);
}

void TstEditorWindow::colours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("background");
    QTest::addColumn<QColor>("colour");

    for (int i = 0; i < 6; ++i)
        QTest::addRow("type button %d", i + 1) << ui::memberName("Command1", i) << true << kTypeColors[i];
    QTest::newRow("true button") << "Command6(0)" << true << QColor(0x80, 0x80, 0xFF);
    QTest::newRow("false button") << "Command6(1)" << true << QColor(0xFF, 0x80, 0x80);
    QTest::newRow("statement grey") << "Text1(0)" << true << QColor(0xE0, 0xE0, 0xE0);
    QTest::newRow("option 1 white") << "Text1(1)" << true << QColor(Qt::white);
    QTest::newRow("option 8 white") << "Text1(8)" << true << QColor(Qt::white);
    QTest::newRow("option label 1 red") << "Label1(1)" << false << QColor(0xFF, 0, 0);
    QTest::newRow("option label 8 red") << "Label1(8)" << false << QColor(0xFF, 0, 0);
}

void TstEditorWindow::colours()
{
    QFETCH(QString, name);
    QFETCH(bool, background);
    QFETCH(QColor, colour);

    Editor e;
    e.open();
    showEveryPanel(*e.form);
    const QWidget *widget = e.form->findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(background ? ui::backColor(widget) : ui::foreColor(widget), colour);
}

void TstEditorWindow::startState()
{
    Editor e;
    e.open();
    editor::Form1 &form = *e.form;
    QCOMPARE(bank::typeCode(form.QuestionType), 1);
    QCOMPARE(form.questionChecked, false);
    QVERIFY(form.Frame1(0)->isVisible());
    for (int k = 1; k < 6; ++k) {
        QVERIFY(!form.Frame1(k)->isVisible());
        QCOMPARE(form.Frame1(k)->geometry(), form.Frame1(0)->geometry());
    }
    QCOMPARE(windowColor(&form), kTypeColors[0]);
    QCOMPARE(windowColor(form.Frame1(0)), kTypeColors[0]);

    // Only the panel shown is built, and the others read as fresh ones.
    QVERIFY(form.Text3 == nullptr && form.Picture2 == nullptr && form.Text10 == nullptr);
    const editor::EditorFields unbuilt = form.fields();
    showEveryPanel(form);
    QCOMPARE(form.fields(), unbuilt);
    QCOMPARE(bank::typeCode(form.QuestionType), 1);
    QVERIFY(form.Text10->text().isEmpty());
    QCOMPARE(form.Picture2->parentWidget(), form.Picture1);
    QCOMPARE(form.Picture2->fillColor(), QColor(0, 0, 0xFF));
    for (int k = 0; k < 6; ++k)
        QCOMPARE(form.Frame1(k)->font().pointSize(), 12);
    QVERIFY(form.Label2->font().pointSize() < 12);
    QVERIFY(form.Text1(1)->font().pointSize() < 12);
    // The window colour stays off the boxes and lists.
    QCOMPARE(form.Text2->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(form.File1->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY(e.platform->messages.isEmpty());
}

void TstEditorWindow::chooseType_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 6; ++i)
        QTest::addRow("type %d", i + 1) << i;
}

void TstEditorWindow::chooseType()
{
    QFETCH(int, index);

    Editor e;
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(5 - index)); // start from another type
    click(form.Command1(index));
    QCOMPARE(bank::typeCode(form.QuestionType), index + 1);
    for (int k = 0; k < 6; ++k)
        QCOMPARE(form.Frame1(k)->isVisible(), k == index);
    QCOMPARE(windowColor(form.Frame1(index)), kTypeColors[index]);
    QCOMPARE(windowColor(&form), kTypeColors[index]);
}

void TstEditorWindow::switchingTypeKeepsFieldsNotCheck()
{
    Editor e;
    e.open();
    editor::Form1 &form = *e.form;
    typeInto(form.Text2, QStringLiteral("Marta"));
    editortest::fillChoice(form, QStringLiteral("¿Capital de Francia?"),
                           {QStringLiteral("Roma"), QStringLiteral("París")}, 2);
    click(form.Command2);
    QVERIFY(form.questionChecked);

    click(form.Command1(2));
    typeInto(form.Text5, QStringLiteral("¿Qué torre es?"));
    click(form.Command1(0));

    QCOMPARE(bank::typeCode(form.QuestionType), 1);
    QCOMPARE(form.Text2->text(), QStringLiteral("Marta"));
    QCOMPARE(form.Text1(0)->text(), QStringLiteral("¿Capital de Francia?"));
    QCOMPARE(form.Text1(1)->text(), QStringLiteral("Roma"));
    QCOMPARE(form.Text1(2)->text(), QStringLiteral("París "));
    QCOMPARE(form.fields().markedOption, 2);
    QCOMPARE(form.Text5->text(), QStringLiteral("¿Qué torre es?"));
    // The fields are kept, the check is not: the save asks for a new one.
    click(form.Command3);
    QCOMPARE(e.messages(), QStringList{editor::kCheckFirst()});
}

void TstEditorWindow::trueOrFalse_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("true") << 0 << "VERDADERO" << QColor(0x80, 0x80, 0xFF);
    QTest::newRow("false") << 1 << "FALSO" << QColor(0xFF, 0x80, 0x80);
}

void TstEditorWindow::trueOrFalse()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QColor, colour);

    Editor e;
    e.open();
    click(e.form->Command1(5));
    click(e.form->Command6(1 - index));
    click(e.form->Command6(index));
    QCOMPARE(e.form->Label10->text(), caption);
    QCOMPARE(ui::foreColor(e.form->Label10), colour);
}

void TstEditorWindow::markCorrectOption_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("marked");
    QTest::newRow("one click marks") << QList<int>{2} << 2;
    QTest::newRow("a second option takes the mark") << QList<int>{2, 5} << 5;
    QTest::newRow("clicking the marked option keeps it") << QList<int>{3, 3} << 3;
    QTest::newRow("first and last") << QList<int>{1, 8} << 8;
}

void TstEditorWindow::markCorrectOption()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, marked);

    Editor e;
    e.open();
    for (int index : clicks)
        click(e.form->Label1(index));
    for (int k = 1; k <= 8; ++k) {
        const bool isMarked = k == marked;
        QCOMPARE(ui::foreColor(e.form->Label1(k)), isMarked ? ui::kBlue : ui::kRed);
        QCOMPARE(ui::backColor(e.form->Text1(k)), isMarked ? ui::kGreen : ui::kWhite);
    }
    QCOMPARE(e.form->fields().markedOption, marked);
}

void TstEditorWindow::clearMultipleChoiceOnly()
{
    Editor e;
    e.open();
    editor::Form1 &form = *e.form;
    typeInto(form.Text2, QStringLiteral("Marta"));
    editortest::fillChoice(form, QStringLiteral("¿Capital?"),
                           {QStringLiteral("Roma"), QStringLiteral("París"), QStringLiteral("Lyon")}, 2);
    form.Command7->setText(QStringLiteral("torre.gif"));
    click(form.Command1(1));
    typeInto(form.Text3, QStringLiteral("¿2 + 2?"));
    click(form.Command1(0));

    click(form.Command8);

    for (int i = 0; i <= 8; ++i)
        QVERIFY2(form.Text1(i)->text().isEmpty(), qPrintable(ui::memberName("Text1", i)));
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(ui::backColor(form.Text1(i)), ui::kWhite);
    QCOMPARE(ui::backColor(form.Text1(0)), QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(form.Command7->text(), editor::kAttachmentButtonCaption());
    QCOMPARE(ui::foreColor(form.Label1(2)), ui::kBlue);
    QCOMPARE(form.fields().markedOption, 2);
    QCOMPARE(form.Text2->text(), QStringLiteral("Marta"));
    QCOMPARE(form.Text3->text(), QStringLiteral("¿2 + 2?"));
}

void TstEditorWindow::enterRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    QTest::newRow("statement") << "Text1(0)" << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("option 3") << "Text1(3)" << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("option 3 keypad Enter") << "Text1(3)" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("option 8 Shift+Enter") << "Text1(8)" << int(Qt::Key_Return) << int(Qt::ShiftModifier);
    QTest::newRow("option 1 Ctrl+Enter") << "Text1(1)" << int(Qt::Key_Return) << int(Qt::ControlModifier);
    QTest::newRow("written statement") << "Text3" << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("picture statement") << "Text5" << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("graphic statement") << "Text7" << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("true/false statement") << "Text10" << int(Qt::Key_Return) << int(Qt::NoModifier);
}

void TstEditorWindow::enterRefused()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(int, modifiers);

    Editor e;
    e.open();
    showEveryPanel(*e.form);
    auto *box = e.form->findChild<editor::StatementBox *>(name);
    QVERIFY2(box, qPrintable(name));
    typeInto(box, QStringLiteral("ab"));
    QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTest::keyClicks(box, QStringLiteral("cd"));

    QCOMPARE(e.messages(), QStringList{QStringLiteral("No se puede pulsar la tecla intro")});
    QCOMPARE(box->text(), QStringLiteral("abcd"));
    QCOMPARE(box->document()->blockCount(), 1);
    QVERIFY(!box->toPlainText().contains(u'\n'));
}

void TstEditorWindow::pastedLineBreakBecomesSpace_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("expected");

    QTest::newRow("option CR LF") << "Text1(2)" << "Roma\r\nParís" << "Roma París";
    QTest::newRow("statement LF") << "Text1(0)" << "¿Capital\nde Francia?" << "¿Capital de Francia?";
    QTest::newRow("written statement") << "Text3" << "a\nb\nc" << "a b c";
    QTest::newRow("true/false statement") << "Text10" << "a\rb" << "a b";
    QTest::newRow("author (one-line box)") << "Text2" << "Marta\nSoler" << "Marta Soler";
    QTest::newRow("written answer (one-line box)") << "Text4" << "cuatro\r\n" << "cuatro ";
    QTest::newRow("reading statement (one-line box)") << "Text9" << "a\nb" << "a b";
}

void TstEditorWindow::pastedLineBreakBecomesSpace()
{
    QFETCH(QString, name);
    QFETCH(QString, pasted);
    QFETCH(QString, expected);

    Editor e;
    e.open();
    showEveryPanel(*e.form);
    QWidget *box = e.form->findChild<QWidget *>(name);
    QVERIFY2(box, qPrintable(name));
    const int panel = name == u"Text3" ? 1 : name == u"Text9" ? 4 : name == u"Text10" ? 5 : 0;
    click(e.form->Command1(panel));
    QGuiApplication::clipboard()->setText(pasted);
    QCOMPARE(QGuiApplication::clipboard()->text(), pasted);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);

    QString text;
    if (auto *statement = qobject_cast<editor::StatementBox *>(box)) {
        text = statement->text();
        QCOMPARE(statement->document()->blockCount(), 1);
    } else {
        text = qobject_cast<QLineEdit *>(box)->text();
    }
    QCOMPARE(text, expected);
    QVERIFY(e.platform->messages.isEmpty());
}

void TstEditorWindow::setTextLosesLineBreaks_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("option box") << "Text1(4)";
    QTest::newRow("statement box") << "Text7";
    QTest::newRow("one-line box") << "Text6";
}

// The question loader and the option picker put texts in with setText.
void TstEditorWindow::setTextLosesLineBreaks()
{
    QFETCH(QString, name);

    Editor e;
    e.open();
    showEveryPanel(*e.form);
    QWidget *box = e.form->findChild<QWidget *>(name);
    QVERIFY2(box, qPrintable(name));
    QString text;
    if (auto *statement = qobject_cast<editor::StatementBox *>(box)) {
        statement->setText(QStringLiteral("una\r\ndos\ntres "));
        text = statement->text();
    } else {
        auto *line = qobject_cast<QLineEdit *>(box);
        line->setText(QStringLiteral("una\r\ndos\ntres "));
        text = line->text();
    }
    QCOMPARE(text, QStringLiteral("una dos tres "));
}

void TstEditorWindow::fileListsAtStart()
{
    Editor e;
    const QStringList questions{"2.txt", "1.txt", "10.txt", "B.txt", "a.txt"};
    for (const QString &name : questions)
        e.program.writeLines(QStringLiteral("Preguntas/") + name, {QStringLiteral(" 2 ")});
    e.program.writeLines(QStringLiteral("Preguntas/.pregunta-x.tmp"), {QStringLiteral(" 2 ")});
    e.program.writeLines(QStringLiteral("Graficos/Torre.JPG"), {});
    e.program.writeLines(QStringLiteral("Graficos/mapa.gif"), {});
    e.program.writeLines(QStringLiteral("textos/lectura.txt"), {QStringLiteral("El perro")});
    e.open({QStringLiteral("Preguntas/2n ESO"), QStringLiteral("Preguntas/1r ESO")});
    showEveryPanel(*e.form);

    QCOMPARE(e.form->targetFolder(), e.bank());
    QCOMPARE(listed(e.form->File1), (QStringList{"1.txt", "10.txt", "2.txt", "a.txt", "B.txt"}));
    QCOMPARE(listed(e.form->File2), (QStringList{"mapa.gif", "Torre.JPG"}));
    QCOMPARE(listed(e.form->File3), (QStringList{"mapa.gif", "Torre.JPG"}));
    QCOMPARE(listed(e.form->File4), QStringList{"lectura.txt"});

    // The folder tree shows the bank itself, and its folders below it. The
    // tree fills in the background: indexes are kept persistent meanwhile.
    QAbstractItemModel *model = e.form->Dir1->model();
    const QPersistentModelIndex root = e.form->Dir1->rootIndex();
    QTRY_COMPARE(model->rowCount(root), 1);
    QCOMPARE(model->columnCount(root), 1); // names only
    const QPersistentModelIndex top = model->index(0, 0, root);
    QCOMPARE(top.data().toString(), QStringLiteral("Preguntas"));
    QCOMPARE(QPersistentModelIndex(e.form->Dir1->currentIndex()), top);
    QTRY_COMPARE(model->rowCount(top), 2);
    QCOMPARE(model->index(0, 0, top).data().toString(), QStringLiteral("1r ESO"));
    QCOMPARE(model->index(1, 0, top).data().toString(), QStringLiteral("2n ESO"));
    QVERIFY(!model->index(1, 0, top).data(Qt::DecorationRole).value<QIcon>().isNull());
}

void TstEditorWindow::foldersFoundIgnoringCase()
{
    Editor e;
    e.program.writeLines(QStringLiteral("preguntas/1.txt"), {QStringLiteral(" 2 ")});
    e.program.writeLines(QStringLiteral("GRAFICOS/mapa.gif"), {});
    e.program.writeLines(QStringLiteral("Textos/lectura.txt"), {});
    e.open({});
    showEveryPanel(*e.form);

    QCOMPARE(e.form->targetFolder(), e.program.file(QStringLiteral("preguntas")));
    QCOMPARE(listed(e.form->File1), QStringList{"1.txt"});
    QCOMPARE(listed(e.form->File2), QStringList{"mapa.gif"});
    QCOMPARE(listed(e.form->File4), QStringList{"lectura.txt"});
}

void TstEditorWindow::missingBankLeavesListsEmpty()
{
    Editor e;
    e.open({});
    showEveryPanel(*e.form);
    QCOMPARE(e.form->File1->count(), 0);
    QCOMPARE(e.form->File2->count(), 0);
    QCOMPARE(e.form->File4->count(), 0);
    QVERIFY(e.platform->messages.isEmpty());
}

void TstEditorWindow::dir1ChoosesTheFolder()
{
    Editor e;
    e.program.writeLines(QStringLiteral("Preguntas/1.txt"), {QStringLiteral(" 2 ")});
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"), {QStringLiteral(" 2 ")});
    e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Mates/2.txt"), {QStringLiteral(" 2 ")});
    e.open();
    editor::Form1 &form = *e.form;
    auto *tree = qobject_cast<editor::BankFolderModel *>(form.Dir1->model());
    QVERIFY(tree);

    const QPersistentModelIndex subject = tree->indexOf(e.subject());
    QVERIFY(subject.isValid());
    form.Dir1->setCurrentIndex(subject);
    QCOMPARE(form.targetFolder(), e.subject());
    QCOMPARE(listed(form.File1), (QStringList{"1.txt", "2.txt"}));

    // Back to the bank folder by clicking its entry.
    const QPersistentModelIndex top = tree->indexOf(e.bank());
    form.Dir1->scrollTo(top);
    const QRect place = form.Dir1->visualRect(top);
    QVERIFY(!place.isEmpty());
    QTest::mouseClick(form.Dir1->viewport(), Qt::LeftButton, {}, place.center());
    QCOMPARE(form.targetFolder(), e.bank());
    QCOMPARE(listed(form.File1), QStringList{"1.txt"});
}

// As the player sees the bank: a folder link is no course or subject, even
// when asked for by its path.
void TstEditorWindow::dir1ShowsNoFolderLinks()
{
    Editor e;
    testsupport::ProgramFolder elsewhere(false);
    elsewhere.makeFolder(QStringLiteral("Fora"));
    e.program.makeFolder(QStringLiteral("Preguntas/1r ESO/Mates"));
    QVERIFY(QFile::link(elsewhere.file(QStringLiteral("Fora")), e.program.file(QStringLiteral("Preguntas/1r ESO/Enllaç"))));
    e.open();
    auto *tree = qobject_cast<editor::BankFolderModel *>(e.form->Dir1->model());
    QVERIFY(tree);
    const QModelIndex course = tree->indexOf(e.program.file(QStringLiteral("Preguntas/1r ESO")));
    QVERIFY(course.isValid());
    tree->fetchMore(course);
    QTRY_VERIFY(tree->indexOf(e.subject()).isValid() && tree->rowCount(course) >= 1);
    QVERIFY(!tree->indexOf(e.program.file(QStringLiteral("Preguntas/1r ESO/Enllaç"))).isValid());
    QCOMPARE(tree->rowCount(course), 1);
}

void TstEditorWindow::refrescaRereadsAllLists_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("panel");
    QTest::newRow("Refresca of the reading panel") << 0 << 4;
    QTest::newRow("Refresca of the graphic panel") << 1 << 3;
    QTest::newRow("Refresca of the picture panel") << 2 << 2;
}

void TstEditorWindow::refrescaRereadsAllLists()
{
    QFETCH(int, index);
    QFETCH(int, panel);

    Editor e;
    e.open();
    editor::Form1 &form = *e.form;
    showEveryPanel(form);
    QCOMPARE(form.Command4(index)->parentWidget(), form.Frame1(panel));
    e.program.writeLines(QStringLiteral("Preguntas/1.txt"), {QStringLiteral(" 2 ")});
    e.program.writeLines(QStringLiteral("Graficos/nuevo.gif"), {});
    e.program.writeLines(QStringLiteral("textos/nuevo.txt"), {});
    QCOMPARE(form.File1->count(), 0);

    click(form.Command1(panel));
    click(form.Command4(index));

    QCOMPARE(listed(form.File1), QStringList{"1.txt"});
    QCOMPARE(listed(form.File2), QStringList{"nuevo.gif"});
    QCOMPARE(listed(form.File3), QStringList{"nuevo.gif"});
    QCOMPARE(listed(form.File4), QStringList{"nuevo.txt"});
}

void TstEditorWindow::optionButtonsRememberTheirSlot()
{
    Editor e;
    e.open();
    click(e.form->Command5(3));
    QCOMPARE(e.form->optionPickSlot, 3);
    click(e.form->Command5(7));
    QCOMPARE(e.form->optionPickSlot, 7);
}

void TstEditorWindow::closingEndsTheProgram()
{
    Editor e;
    e.open();
    QCOMPARE(e.platform->quitCalls, 0);
    e.form->close();
    QCOMPARE(e.platform->quitCalls, 1);
}

QTEST_MAIN(TstEditorWindow)
#include "tst_editorwindow.moc"
