// Pictures of the editor for the documentation. Runs only when
// BRENLOQ_SCREENSHOTS names the folder to write them to, on a real display:
//   BRENLOQ_SCREENSHOTS=docs xvfb-run -a -s "-screen 0 1280x1024x24" \
//       env QT_QPA_PLATFORM=xcb build/bin/editor_tst_screenshots

#include "editorwindows.h"

#include "editor/form2.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTest>
#include <QTextCursor>

using editortest::click;
using editortest::Editor;
using editortest::typeInto;

class TstScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void editorAndCheckWindow();
    void graphicQuestion();
    void readingQuestion();
    void pictureQuestion();

private:
    QString folder;
};

void TstScreenshots::initTestCase()
{
    folder = qEnvironmentVariable("BRENLOQ_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("BRENLOQ_SCREENSHOTS is not set");
    QApplication::setApplicationName(QStringLiteral("Editor"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void TstScreenshots::editorAndCheckWindow()
{
    Editor e;
    for (const char *name : {"1.txt", "2.txt", "3.txt"})
        e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Geografia/") + QLatin1String(name),
                             {QStringLiteral(" 1 ")});
    e.program.makeFolder(QStringLiteral("Preguntas/1r ESO/Mates"));
    e.program.makeFolder(QStringLiteral("Preguntas/2n ESO/Catala"));
    e.program.writeLines(QStringLiteral("Graficos/torre.gif"), {});
    e.open();
    editor::Form1 &form = *e.form;
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *tree = qobject_cast<editor::BankFolderModel *>(form.Dir1->model());
    const QString geography = e.program.file(QStringLiteral("Preguntas/1r ESO/Geografia"));
    form.Dir1->expand(tree->indexOf(e.program.file(QStringLiteral("Preguntas/1r ESO"))));
    form.Dir1->setCurrentIndex(tree->indexOf(geography));

    typeInto(form.Text2, QStringLiteral("Profesor de Geografía"));
    editortest::fillChoice(form, QStringLiteral("¿Cuál es la capital de Francia?"),
                           {QStringLiteral("Roma"), QStringLiteral("París"), QStringLiteral("Lyon"),
                            QStringLiteral("Marsella")},
                           2);
    form.Command7->setText(QStringLiteral("torre.gif"));
    click(form.Command2);
    QVERIFY(e.messages().isEmpty());
    editor::Form2 *check = form.checkWindow();
    QVERIFY(check);
    QTest::qWait(500);
    QVERIFY(form.grab().save(folder + QStringLiteral("/editor.png")));

    click(check->Label2(0));
    click(check->Command1);
    QCOMPARE(check->Command1->text(), QStringLiteral("INCORRECTO"));
    QTest::qWait(300);
    QVERIFY(check->grab().save(folder + QStringLiteral("/editor-check.png")));
}

// A question of the demo bank loaded from its folder.
static void loadDemoQuestion(Editor &e, const QString &folder, const QString &name)
{
    QVERIFY(testsupport::copyTree(testsupport::demoFolder(), e.program.path()));
    e.open({});
    editor::Form1 &form = *e.form;
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const QString path = e.program.file(QStringLiteral("Preguntas/") + folder);
    auto *tree = qobject_cast<editor::BankFolderModel *>(form.Dir1->model());
    for (QModelIndex up = tree->indexOf(path).parent(); up.isValid(); up = up.parent())
        form.Dir1->expand(up);
    editortest::chooseFolder(form, path);
    form.Dir1->scrollTo(form.Dir1->currentIndex());
    editortest::clickEntry(form.File1, name);
}

void TstScreenshots::graphicQuestion()
{
    Editor e;
    loadDemoQuestion(e, QStringLiteral("2n ESO/Ciències Socials/Geografia"), QStringLiteral("1.txt"));
    editor::Form1 &form = *e.form;
    QCOMPARE(form.QuestionType, 4);
    QCOMPARE(form.Label8(1)->text(), QStringLiteral("395"));
    // Africa lies across the viewport's right edge: the author scrolls to it.
    form.HScroll1->setValue(form.Picture1->width() + 180);
    QCOMPARE(form.Picture2->pixel(395, 230), QColor(0, 0, 0xFF));
    QTest::qWait(500);
    QVERIFY(form.grab().save(folder + QStringLiteral("/editor-graphic.png")));
}

void TstScreenshots::readingQuestion()
{
    Editor e;
    loadDemoQuestion(e, QStringLiteral("1r ESO/Llengua Catalana"), QStringLiteral("1.txt"));
    editor::Form1 &form = *e.form;
    QCOMPARE(form.QuestionType, 5);
    // The author clicks the answer in the text again.
    const int at = int(form.Text8->toPlainText().indexOf(QStringLiteral("castanyes"))) + 4;
    QTextCursor cursor(form.Text8->document());
    cursor.setPosition(at);
    const QRect caret = form.Text8->cursorRect(cursor);
    QTest::mouseClick(form.Text8->viewport(), Qt::LeftButton, {},
                      QPoint(caret.left(), caret.center().y()));
    QTRY_COMPARE(form.Text8->textCursor().selectedText(), QStringLiteral("castanyes"));
    QCOMPARE(form.Label11->text(), QStringLiteral("castanyes"));
    QTest::qWait(500);
    QVERIFY(form.grab().save(folder + QStringLiteral("/editor-reading.png")));
}

void TstScreenshots::pictureQuestion()
{
    Editor e;
    loadDemoQuestion(e, QStringLiteral("1r ESO/Ciències de la Natura/Opció A"), QStringLiteral("6.txt"));
    editor::Form1 &form = *e.form;
    QCOMPARE(form.QuestionType, 3);
    QVERIFY(form.Image1->isVisible());
    QTest::qWait(500);
    QVERIFY(form.grab().save(folder + QStringLiteral("/editor-picture.png")));
}

QTEST_MAIN(TstScreenshots)
#include "tst_screenshots.moc"
