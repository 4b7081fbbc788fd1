// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editorwindows.h"

#include "editor/form1.h"
#include "editor/form3.h"
#include "editor/form4.h"
#include "editor/panelfiles.h"

#include <QApplication>
#include <QFileInfo>
#include <QTest>

using editortest::click;
using editortest::clickEntry;
using editortest::clickRow;
using editortest::Editor;
using editortest::listed;
using editortest::typeInto;

namespace {

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

const QStringList kCapitals{"París", "Roma", "Lisboa", "Berlín", "Madrid", "Viena", "Atenas"};

} // namespace

class TstPickers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isOptionListName_data();
    void isOptionListName();
    void optionListLines_data();
    void optionListLines();

    // Form3, the option list picker.
    void optionPickerOpensInTextos();
    void optionPickerWithoutTextosOpensInProgramFolder();
    void optionPickerListsTxtOnly();
    void fifthLineIntoOptionThreeThenOptionFour();
    void sameLineIntoTwoOptions();
    void listEntriesHoldNoLineBreak();
    void optionPickerFollowsDir1();
    void closedOptionPickerOpensAfresh();

    // Form4, the attachment picker.
    void attachmentPickerOpensInGraficos();
    void choosingAttachmentSetsCaptionAndCloses_data();
    void choosingAttachmentSetsCaptionAndCloses();
    void notasDocIsNoAttachment();
    void attachmentPickerFollowsDir1();
    void attachmentPickerOpenedOnce();
};

void TstPickers::isOptionListName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("read");
    QTest::newRow("lower case txt") << "capitales.txt" << true;
    QTest::newRow("upper case TXT") << "CAPITALES.TXT" << true;
    QTest::newRow("mixed case Txt") << "capitales.Txt" << true;
    QTest::newRow("TXT without a dot") << "capitalestxt" << true;
    QTest::newRow("picture") << "mapa.gif" << false;
    QTest::newRow("document") << "notas.doc" << false;
    QTest::newRow("txt not at the end") << "lista.txt.bak" << false;
    QTest::newRow("empty name") << "" << false;
}

void TstPickers::isOptionListName()
{
    QFETCH(QString, name);
    QFETCH(bool, read);
    QCOMPARE(editor::isOptionListName(name), read);
}

void TstPickers::optionListLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF, Windows-1252") << QByteArray("Par\xEDs\r\nRoma\r\n")
                                         << QStringList{"París", "Roma"};
    QTest::newRow("UTF-8") << QByteArray("Par\xC3\xADs\r\nBerl\xC3\xADn") << QStringList{"París", "Berlín"};
    QTest::newRow("LF only: one entry a line") << QByteArray("uno\ndos\ntres\n")
                                               << QStringList{"uno", "dos", "tres"};
    QTest::newRow("lone CR") << QByteArray("uno\rdos") << QStringList{"uno", "dos"};
    QTest::newRow("last line without its ending") << QByteArray("uno\r\ndos")
                                                  << QStringList{"uno", "dos"};
    QTest::newRow("empty lines are entries") << QByteArray("uno\r\n\r\ndos\r\n")
                                             << QStringList{"uno", "", "dos"};
    QTest::newRow("trailing spaces kept") << QByteArray("uno \r\n") << QStringList{"uno "};
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList{""};
}

void TstPickers::optionListLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(editor::optionListLines(bytes), lines);
}

void TstPickers::optionPickerOpensInTextos()
{
    Editor e;
    e.program.writeLines(QStringLiteral("textos/capitales.txt"), kCapitals);
    e.open();
    editor::Form1 &form = *e.form;
    QVERIFY(!form.optionPicker());

    click(form.Command5(2));

    editor::Form3 *picker = form.optionPicker();
    QVERIFY(picker);
    QVERIFY(picker->isVisible());
    QVERIFY(picker->isWindow());
    QCOMPARE(picker->windowTitle(),
             QStringLiteral("Selecciona el archivo txt que contiene las preguntas y respuestas"));
    QCOMPARE(form.optionPickSlot, 2);
    QCOMPARE(canonical(picker->Dir1->folder()), canonical(e.program.file(QStringLiteral("textos"))));
    QCOMPARE(listed(picker->File1), QStringList{"capitales.txt"});
    QVERIFY(picker->Dir1->isVisible());
    QVERIFY(picker->File1->isVisible());
    QVERIFY(picker->List1->isHidden());
}

void TstPickers::optionPickerWithoutTextosOpensInProgramFolder()
{
    Editor e;
    e.program.writeLines(QStringLiteral("lista.txt"), {QStringLiteral("a")});
    e.open({QStringLiteral("Preguntas")});
    click(e.form->Command5(0));
    editor::Form3 *picker = e.form->optionPicker();
    QVERIFY(picker);
    QCOMPARE(canonical(picker->Dir1->folder()), canonical(e.program.path()));
    QCOMPARE(listed(picker->File1), QStringList{"lista.txt"});
}

void TstPickers::optionPickerListsTxtOnly()
{
    Editor e;
    e.program.writeLines(QStringLiteral("textos/capitales.txt"), kCapitals);
    e.program.writeLines(QStringLiteral("textos/RIOS.TXT"), {QStringLiteral("Ebro")});
    e.program.writeLines(QStringLiteral("textos/notas.doc"), {QStringLiteral("x")});
    e.program.writeLines(QStringLiteral("textos/mapa.gif"), {});
    e.open();
    click(e.form->Command5(0));
    editor::Form3 *picker = e.form->optionPicker();
    QCOMPARE(listed(picker->File1), (QStringList{"capitales.txt", "RIOS.TXT"}));

    clickEntry(picker->File1, QStringLiteral("RIOS.TXT"));

    QCOMPARE(listed(picker->List1), QStringList{"Ebro"});
    QVERIFY(picker->List1->isVisible());
    QVERIFY(picker->Dir1->isHidden());
    QVERIFY(picker->File1->isHidden());
}

void TstPickers::fifthLineIntoOptionThreeThenOptionFour()
{
    Editor e;
    e.program.writeLines(QStringLiteral("textos/capitales.txt"), kCapitals);
    e.open();
    editor::Form1 &form = *e.form;
    typeInto(form.Text1(1), QStringLiteral("Roma"));

    click(form.Command5(2));
    editor::Form3 *picker = form.optionPicker();
    picker->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(picker));
    clickEntry(picker->File1, QStringLiteral("capitales.txt"));
    QCOMPARE(listed(picker->List1), kCapitals);

    clickRow(picker->List1, 4);

    QCOMPARE(form.Text1(3)->text(), QStringLiteral("Madrid"));
    QCOMPARE(form.Text1(1)->text(), QStringLiteral("Roma"));
    QCOMPARE(form.Text1(4)->text(), QString());
    // The editor comes forward; the picker stays open with its list.
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(&form));
    QVERIFY(picker->isVisible());

    click(form.Command5(3));

    QCOMPARE(form.optionPicker(), picker);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(picker));
    QVERIFY(picker->List1->isVisible());
    QCOMPARE(listed(picker->List1), kCapitals);
    clickRow(picker->List1, 1);

    QCOMPARE(form.Text1(4)->text(), QStringLiteral("Roma"));
    QCOMPARE(form.Text1(3)->text(), QStringLiteral("Madrid"));
    QVERIFY(e.messages().isEmpty());
}

void TstPickers::sameLineIntoTwoOptions()
{
    Editor e;
    e.program.writeLines(QStringLiteral("textos/capitales.txt"), kCapitals);
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command5(0));
    editor::Form3 *picker = form.optionPicker();
    clickEntry(picker->File1, QStringLiteral("capitales.txt"));
    clickRow(picker->List1, 2);
    QCOMPARE(form.Text1(1)->text(), QStringLiteral("Lisboa"));

    // The entry already selected, clicked again for another option.
    click(form.Command5(7));
    clickRow(picker->List1, 2);
    QCOMPARE(form.Text1(8)->text(), QStringLiteral("Lisboa"));
}

void TstPickers::listEntriesHoldNoLineBreak()
{
    Editor e;
    e.program.writeBytes(QStringLiteral("textos/unix.txt"), QByteArray("uno\ndos \ntres"));
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command5(1));
    editor::Form3 *picker = form.optionPicker();
    clickEntry(picker->File1, QStringLiteral("unix.txt"));
    QCOMPARE(listed(picker->List1), (QStringList{"uno", "dos ", "tres"}));
    clickRow(picker->List1, 1);
    QCOMPARE(form.Text1(2)->text(), QStringLiteral("dos "));
}

void TstPickers::optionPickerFollowsDir1()
{
    Editor e;
    e.program.writeLines(QStringLiteral("textos/capitales.txt"), kCapitals);
    e.program.writeLines(QStringLiteral("textos/mas/rios.txt"), {QStringLiteral("Ebro")});
    e.open();
    click(e.form->Command5(0));
    editor::Form3 *picker = e.form->optionPicker();

    picker->Dir1->setFolder(e.program.file(QStringLiteral("textos/mas")));

    QCOMPARE(listed(picker->File1), QStringList{"rios.txt"});
    clickEntry(picker->File1, QStringLiteral("rios.txt"));
    clickRow(picker->List1, 0);
    QCOMPARE(e.form->Text1(1)->text(), QStringLiteral("Ebro"));
}

void TstPickers::closedOptionPickerOpensAfresh()
{
    Editor e;
    e.program.writeLines(QStringLiteral("textos/capitales.txt"), kCapitals);
    e.open();
    click(e.form->Command5(0));
    editor::Form3 *picker = e.form->optionPicker();
    clickEntry(picker->File1, QStringLiteral("capitales.txt"));
    picker->close();
    QTRY_VERIFY(!e.form->optionPicker());

    click(e.form->Command5(1));

    picker = e.form->optionPicker();
    QVERIFY(picker);
    QVERIFY(picker->List1->isHidden());
    QVERIFY(picker->File1->isVisible());
}

void TstPickers::attachmentPickerOpensInGraficos()
{
    Editor e;
    e.program.writeLines(QStringLiteral("Graficos/Mapa.JPG"), {});
    e.program.writeLines(QStringLiteral("Graficos/notas.doc"), {});
    e.open();
    editor::Form1 &form = *e.form;
    QVERIFY(!form.attachmentPicker());

    click(form.Command7);

    editor::Form4 *picker = form.attachmentPicker();
    QVERIFY(picker);
    QVERIFY(picker->isVisible());
    QCOMPARE(picker->windowTitle(), QStringLiteral("Selecciona el archivo txt, jpg o gif"));
    QCOMPARE(canonical(picker->Dir1->folder()), canonical(e.program.file(QStringLiteral("Graficos"))));
    QCOMPARE(listed(picker->File1), (QStringList{"Mapa.JPG", "notas.doc"}));
}

void TstPickers::choosingAttachmentSetsCaptionAndCloses_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("picture Mapa.JPG") << "Mapa.JPG";
    QTest::newRow("document notas.doc") << "notas.doc";
}

void TstPickers::choosingAttachmentSetsCaptionAndCloses()
{
    QFETCH(QString, name);
    Editor e;
    e.program.writeLines(QStringLiteral("Graficos/Mapa.JPG"), {});
    e.program.writeLines(QStringLiteral("Graficos/notas.doc"), {});
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command7);
    QPointer<editor::Form4> picker = form.attachmentPicker();

    clickEntry(picker->File1, name);

    QCOMPARE(form.Command7->text(), name);
    // Closed and discarded.
    QTRY_VERIFY(!picker);
    QVERIFY(!form.attachmentPicker());
}

void TstPickers::notasDocIsNoAttachment()
{
    Editor e;
    e.program.writeLines(QStringLiteral("Graficos/notas.doc"), {});
    e.open();
    editor::Form1 &form = *e.form;
    editortest::fillChoice(form, QStringLiteral("¿Capital de Italia?"),
                           {"Roma", "Milán", "Turín", "Nápoles", "Génova", "Bolonia", "Florencia",
                            "Venecia"},
                           1);
    click(form.Command7);
    clickEntry(form.attachmentPicker()->File1, QStringLiteral("notas.doc"));
    QCOMPARE(form.Command7->text(), QStringLiteral("notas.doc"));

    // Not an attachment: an eighth option is allowed, and none is written.
    click(form.Command2);
    QVERIFY(e.messages().isEmpty());
    form.checkWindow()->close();
    click(form.Command3);

    QCOMPARE(testsupport::readBytes(e.bank() + QStringLiteral("/1.txt")),
             testsupport::crlf({" 1 ", "", "¿Capital de Italia?", "Roma ", "Milán", "Turín",
                                "Nápoles", "Génova", "Bolonia", "Florencia", "Venecia"}));
}

void TstPickers::attachmentPickerFollowsDir1()
{
    Editor e;
    e.program.writeLines(QStringLiteral("textos/lectura.txt"), {QStringLiteral("x")});
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command7);
    editor::Form4 *picker = form.attachmentPicker();
    QCOMPARE(picker->File1->count(), 0);

    picker->Dir1->setFolder(e.program.file(QStringLiteral("textos")));
    clickEntry(picker->File1, QStringLiteral("lectura.txt"));

    QCOMPARE(form.Command7->text(), QStringLiteral("lectura.txt"));
}

void TstPickers::attachmentPickerOpenedOnce()
{
    Editor e;
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command7);
    editor::Form4 *first = form.attachmentPicker();
    click(form.Command7);
    QCOMPARE(form.attachmentPicker(), first);
    int open = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        open += qobject_cast<editor::Form4 *>(window) != nullptr;
    QCOMPARE(open, 1);
    QCOMPARE(form.Command7->text(), editor::kAttachmentButtonCaption());
}

QTEST_MAIN(TstPickers)
#include "tst_pickers.moc"
