// Pictures of the editor for the documentation. Runs only when
// BRENLOQ_SCREENSHOTS names the folder to write them to, on a real display:
//   BRENLOQ_SCREENSHOTS=docs xvfb-run -a -s "-screen 0 1280x1024x24" \
//       env QT_QPA_PLATFORM=xcb build/bin/editor_tst_screenshots

#include "editorwindows.h"

#include "editor/form2.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTest>

using editortest::click;
using editortest::Editor;
using editortest::typeInto;

class TstScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void editorAndCheckWindow();

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

QTEST_MAIN(TstScreenshots)
#include "tst_screenshots.moc"
