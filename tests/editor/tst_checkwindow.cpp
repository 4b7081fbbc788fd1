// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editorwindows.h"

#include "editor/form1.h"
#include "editor/form2.h"
#include "editor/preview.h"

#include <QPointer>
#include <QTest>

using editortest::click;
using editortest::Editor;
using editortest::fillChoice;
using editortest::typeInto;

namespace {

const QString kNoChoice = QStringLiteral("No has seleccionado ninguna opción");
const QColor kRed(0xFF, 0, 0);
const QColor kBlue(0, 0, 0xFF);

// The editor with a checked multiple-choice question and its check window.
editor::Form2 *checkedQuestion(Editor &e, const QStringList &options, int marked)
{
    e.open();
    fillChoice(*e.form, QStringLiteral("¿Cuál es la capital de Francia?"), options, marked);
    click(e.form->Command2);
    return e.form->checkWindow();
}

} // namespace

class TstCheckWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensWithoutBlockingTheEditor();
    void showsEveryNonEmptyOption_data();
    void showsEveryNonEmptyOption();
    void choosingAnOption();
    void confirm_data();
    void confirm();
    void confirmWithoutChoosing();
    void verdictLocksTheOptions();
    void aceptarCloses();
    void nextCheckOpensAfresh();
    void judgeChoice_data();
    void judgeChoice();
    void questionShownAsWritten_data();
    void questionShownAsWritten();
};

void TstCheckWindow::opensWithoutBlockingTheEditor()
{
    Editor e;
    editor::Form2 *window =
        checkedQuestion(e, {QStringLiteral("Roma"), QStringLiteral("París"), QStringLiteral("Lyon")}, 2);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Comprueba la pregunta"));
    QCOMPARE(window->windowModality(), Qt::NonModal);
    QVERIFY(window->isWindow());

    // Frame1(0) is the only panel shown; its caption is the type number.
    QVERIFY(window->Frame1(0)->isVisible());
    for (int k = 1; k < 6; ++k)
        QVERIFY(!window->Frame1(k)->isVisible());
    QCOMPARE(window->Frame1(0)->title(), QStringLiteral("1"));
    const QColor choiceColour(0xFF, 0xC0, 0xC0);
    QCOMPARE(window->Frame1(0)->palette().color(QPalette::Window), choiceColour);
    QCOMPARE(window->palette().color(QPalette::Window), choiceColour);
    QCOMPARE(window->Command1->text(), QStringLiteral("CONFIRMAR"));
    QCOMPARE(ui::backColor(window->Command1), QColor(0xFF, 0xFF, 0xC0));
    QCOMPARE(window->Command2->text(), QStringLiteral("ACEPTAR"));
    QCOMPARE(ui::backColor(window->Command2), QColor(0xC0, 0xFF, 0xC0));
    QVERIFY(window->Label3->text().isEmpty());
    QCOMPARE(window->Label1->text(), QStringLiteral("¿Cuál es la capital de Francia?"));

    // The editor still takes typing while the check window is open.
    typeInto(e.form->Text2, QStringLiteral("Marta"));
    QCOMPARE(e.form->Text2->text(), QStringLiteral("Marta"));
    QVERIFY(window->isVisible());
}

void TstCheckWindow::showsEveryNonEmptyOption_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("marked");
    QTest::addColumn<QStringList>("captions"); // empty for a hidden option

    QTest::newRow("three options, second correct")
        << QStringList{"Roma", "París", "Lyon"} << 2
        << QStringList{"1. Roma", "2. París ", "3. Lyon", "", "", "", "", ""};
    QTest::newRow("option 3 empty: option 4 shown as option 3")
        << QStringList{"a", "b", "", "d"} << 4
        << QStringList{"1. a", "2. b", "3. d ", "", "", "", "", ""};
    QTest::newRow("all eight")
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"} << 8
        << QStringList{"1. 1", "2. 2", "3. 3", "4. 4", "5. 5", "6. 6", "7. 7", "8. 8 "};
}

void TstCheckWindow::showsEveryNonEmptyOption()
{
    QFETCH(QStringList, options);
    QFETCH(int, marked);
    QFETCH(QStringList, captions);

    Editor e;
    editor::Form2 *window = checkedQuestion(e, options, marked);
    QVERIFY(window);
    for (int i = 0; i < 8; ++i) {
        const bool shown = !captions[i].isEmpty();
        QCOMPARE(window->Label2(i)->isVisible(), shown);
        if (shown) {
            QCOMPARE(window->Label2(i)->text(), captions[i]);
            QCOMPARE(ui::foreColor(window->Label2(i)), kRed);
        }
    }
}

void TstCheckWindow::choosingAnOption()
{
    Editor e;
    editor::Form2 *window =
        checkedQuestion(e, {QStringLiteral("Roma"), QStringLiteral("París"), QStringLiteral("Lyon")}, 2);
    click(window->Label2(0));
    click(window->Label2(2));
    QCOMPARE(ui::foreColor(window->Label2(0)), kRed);
    QCOMPARE(ui::foreColor(window->Label2(1)), kRed);
    QCOMPARE(ui::foreColor(window->Label2(2)), kBlue);
    QCOMPARE(window->chosenOption(), 2);
}

void TstCheckWindow::confirm_data()
{
    QTest::addColumn<int>("marked");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("marked option 2 chosen: CORRECTO") << 2 << 1 << true << "2. París ";
    QTest::newRow("option 1 chosen, option 3 correct: INCORRECTO")
        << 3 << 0 << false << "LA RESPUESTA CORRECTA ES : 3. Lyon ";
    QTest::newRow("last option correct and chosen") << 3 << 2 << true << "3. Lyon ";
}

void TstCheckWindow::confirm()
{
    QFETCH(int, marked);
    QFETCH(int, chosen);
    QFETCH(bool, correct);
    QFETCH(QString, verdict);

    Editor e;
    editor::Form2 *window =
        checkedQuestion(e, {QStringLiteral("Roma"), QStringLiteral("París"), QStringLiteral("Lyon")}, marked);
    click(window->Label2(chosen));
    click(window->Command1);

    const QColor colour = correct ? kBlue : kRed;
    QCOMPARE(window->Command1->text(), correct ? QStringLiteral("CORRECTO") : QStringLiteral("INCORRECTO"));
    QCOMPARE(ui::backColor(window->Command1), colour);
    QCOMPARE(window->Label3->text(), verdict);
    QCOMPARE(ui::foreColor(window->Label3), colour);
    QVERIFY(!window->Frame1(0)->isEnabled());
    QVERIFY(e.messages().isEmpty());
}

void TstCheckWindow::confirmWithoutChoosing()
{
    Editor e;
    editor::Form2 *window =
        checkedQuestion(e, {QStringLiteral("Roma"), QStringLiteral("París")}, 2);
    click(window->Command1);

    QCOMPARE(e.messages(), QStringList{kNoChoice});
    QCOMPARE(window->Command1->text(), QStringLiteral("CONFIRMAR"));
    QVERIFY(window->Label3->text().isEmpty());
    QVERIFY(window->Frame1(0)->isEnabled());
    click(window->Label2(0));
    QCOMPARE(ui::foreColor(window->Label2(0)), kBlue);
}

void TstCheckWindow::verdictLocksTheOptions()
{
    Editor e;
    editor::Form2 *window =
        checkedQuestion(e, {QStringLiteral("Roma"), QStringLiteral("París")}, 2);
    click(window->Label2(0));
    click(window->Command1);
    QCOMPARE(window->Command1->text(), QStringLiteral("INCORRECTO"));

    click(window->Label2(1));
    QCOMPARE(ui::foreColor(window->Label2(1)), kRed);
    QCOMPARE(ui::foreColor(window->Label2(0)), kBlue);
    click(window->Command1);
    QCOMPARE(window->Command1->text(), QStringLiteral("INCORRECTO"));
    QVERIFY(e.messages().isEmpty());
}

void TstCheckWindow::aceptarCloses()
{
    Editor e;
    QPointer<editor::Form2> window =
        checkedQuestion(e, {QStringLiteral("Roma"), QStringLiteral("París")}, 2);
    click(window->Command2);
    QTRY_VERIFY(!window);
    QVERIFY(!e.form->checkWindow());
    QCOMPARE(e.platform->quitCalls, 0);
    QVERIFY(e.form->isVisible());
}

void TstCheckWindow::nextCheckOpensAfresh()
{
    Editor e;
    QPointer<editor::Form2> first =
        checkedQuestion(e, {QStringLiteral("Roma"), QStringLiteral("París")}, 2);
    click(first->Label2(0));
    click(first->Command1);

    click(e.form->Label1(1));
    click(e.form->Command2);

    QTRY_VERIFY(!first);
    editor::Form2 *second = e.form->checkWindow();
    QVERIFY(second);
    QCOMPARE(second->Command1->text(), QStringLiteral("CONFIRMAR"));
    QVERIFY(second->Frame1(0)->isEnabled());
    QCOMPARE(second->Label2(0)->text(), QStringLiteral("1. Roma "));
    QCOMPARE(second->Label2(1)->text(), QStringLiteral("2. París"));
}

void TstCheckWindow::judgeChoice_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<QString>("text");

    QTest::newRow("chosen correct") << QStringList{"1. a", "2. b "} << 1 << true << "2. b ";
    QTest::newRow("chosen wrong names the correct one")
        << QStringList{"1. a", "2. b "} << 0 << false << "LA RESPUESTA CORRECTA ES : 2. b ";
    QTest::newRow("several correct: the last is named")
        << QStringList{"1. a ", "2. b", "3. c "} << 1 << false << "LA RESPUESTA CORRECTA ES : 3. c ";
    QTest::newRow("no correct option: nothing named") << QStringList{"1. a", "2. b"} << 0 << false << "";
    QTest::newRow("hidden options are never named")
        << QStringList{"1. a", "", "3. c "} << 0 << false << "LA RESPUESTA CORRECTA ES : 3. c ";
}

void TstCheckWindow::judgeChoice()
{
    QFETCH(QStringList, captions);
    QFETCH(int, chosen);
    QFETCH(bool, correct);
    QFETCH(QString, text);

    const editor::Verdict verdict = editor::judgeChoice(captions, chosen);
    QCOMPARE(verdict.correct, correct);
    QCOMPARE(verdict.text, text);
}

void TstCheckWindow::questionShownAsWritten_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("comparison") << QStringLiteral("Si a<b i b>c, quin és més gran?");
    QTest::newRow("bold tag") << QStringLiteral("<b>x</b>");
}

// What the author types is text, whatever it looks like.
void TstCheckWindow::questionShownAsWritten()
{
    QFETCH(QString, text);
    Editor e;
    e.open();
    fillChoice(*e.form, text, {QStringLiteral("Roma"), text}, 2);
    click(e.form->Command2);
    editor::Form2 *window = e.form->checkWindow();
    QVERIFY(window);
    const QLabel *statementAndOption[] = {window->Label1, window->Label2(1)};
    for (const QLabel *label : statementAndOption) {
        QVERIFY(label->text().contains(text));
        QVERIFY2(testsupport::laidOutAsWritten(label->textFormat(), label->text()), qPrintable(label->objectName()));
    }
}

QTEST_MAIN(TstCheckWindow)
#include "tst_checkwindow.moc"
