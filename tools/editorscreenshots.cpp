// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Photographs the question editor for docs/: a multiple-choice question
// being written and its check window after a wrong choice, then a graphic,
// a reading and a picture question of the demo bank as loaded from their
// folders. Usage: editorscreenshots DEMO_FOLDER DOCS_FOLDER

#include "editor/form1.h"
#include "editor/form2.h"

#include "support/recordingplatform.h"
#include "support/testsupport.h"
#include "ui/programstyle.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTest>
#include <QTextCursor>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using testsupport::typeInto;

QString demo;
QString docs;

// Stops the tour with the reason: a picture of the wrong state is worse
// than none.
[[noreturn]] void fail(const char *why)
{
    std::fprintf(stderr, "editorscreenshots: %s\n", why);
    std::exit(1);
}

void require(bool condition, const char *why)
{
    if (!condition)
        fail(why);
}

void shoot(QWidget *window, const QString &name)
{
    QTest::qWait(500);
    require(window->grab().save(docs + u'/' + name), "a picture could not be saved");
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

void clickEntry(QListWidget *list, const QString &name)
{
    const auto found = list->findItems(name, Qt::MatchExactly);
    require(!found.isEmpty(), "a file is missing from the list");
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

// A program folder, the recording platform pointing at it, and the editor's
// window open on it.
struct Editor {
    testsupport::ProgramFolder program{false};
    std::unique_ptr<editor::Form1> form;

    void open()
    {
        ui::installRecordingPlatform().folder = program.path();
        form = std::make_unique<editor::Form1>();
        form->show();
        form->activateWindow();
        require(QTest::qWaitForWindowActive(form.get()), "the editor's window was not shown");
    }

    editor::BankFolderModel &tree() const { return *qobject_cast<editor::BankFolderModel *>(form->Dir1->model()); }
};

void editorAndCheckWindow()
{
    Editor e;
    for (const char *name : {"1.txt", "2.txt", "3.txt"})
        e.program.writeLines(QStringLiteral("Preguntas/1r ESO/Geografia/") + QLatin1String(name),
                             {QStringLiteral(" 1 ")});
    e.program.makeFolder(QStringLiteral("Preguntas/1r ESO/Mates"));
    e.program.makeFolder(QStringLiteral("Preguntas/2n ESO/Catala"));
    e.program.makeFolder(QStringLiteral("textos"));
    e.program.writeLines(QStringLiteral("Graficos/torre.gif"), {});
    e.open();
    editor::Form1 &form = *e.form;
    form.Dir1->expand(e.tree().indexOf(e.program.file(QStringLiteral("Preguntas/1r ESO"))));
    form.Dir1->setCurrentIndex(e.tree().indexOf(e.program.file(QStringLiteral("Preguntas/1r ESO/Geografia"))));

    typeInto(form.Text2, QStringLiteral("Profesor de Geografía"));
    typeInto(form.Text1(0), QStringLiteral("¿Cuál es la capital de Francia?"));
    const QStringList options{QStringLiteral("Roma"), QStringLiteral("París"), QStringLiteral("Lyon"),
                              QStringLiteral("Marsella")};
    for (int i = 0; i < options.size(); ++i)
        typeInto(form.Text1(i + 1), options[i]);
    click(form.Label1(2));
    form.Command7->setText(QStringLiteral("torre.gif"));
    click(form.Command2);
    editor::Form2 *check = form.checkWindow();
    require(check, "the check window did not open");
    shoot(&form, QStringLiteral("editor.png"));

    click(check->Label2(0));
    click(check->Command1);
    require(check->Command1->text() == u"INCORRECTO", "the wrong choice was not judged");
    shoot(check, QStringLiteral("editor-check.png"));
}

// A question of the demo bank loaded from its folder.
void loadDemoQuestion(Editor &e, const QString &folder, const QString &name)
{
    require(testsupport::copyTree(demo, e.program.path()), "the demo could not be copied");
    e.open();
    editor::Form1 &form = *e.form;
    const QModelIndex index = e.tree().indexOf(e.program.file(QStringLiteral("Preguntas/") + folder));
    require(index.isValid(), "a folder of the demo bank is missing");
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        form.Dir1->expand(up);
    form.Dir1->setCurrentIndex(index);
    form.Dir1->scrollTo(index);
    clickEntry(form.File1, name);
}

void graphicQuestion()
{
    Editor e;
    loadDemoQuestion(e, QStringLiteral("2n ESO/Ciències Socials/Geografia"), QStringLiteral("1.txt"));
    editor::Form1 &form = *e.form;
    require(form.QuestionType == bank::QuestionType::GraphicPoint, "the demo's graphic question moved");
    // Africa lies across the viewport's right edge: the author scrolls to it.
    form.HScroll1->setValue(form.Picture1->width() + 180);
    shoot(&form, QStringLiteral("editor-graphic.png"));
}

void readingQuestion()
{
    Editor e;
    loadDemoQuestion(e, QStringLiteral("1r ESO/Llengua Catalana"), QStringLiteral("1.txt"));
    editor::Form1 &form = *e.form;
    require(form.QuestionType == bank::QuestionType::ReadingWord, "the demo's reading question moved");
    // The author clicks the answer in the text again.
    const int at = int(form.Text8->toPlainText().indexOf(QStringLiteral("castanyes"))) + 4;
    QTextCursor cursor(form.Text8->document());
    cursor.setPosition(at);
    const QRect caret = form.Text8->cursorRect(cursor);
    QTest::mouseClick(form.Text8->viewport(), Qt::LeftButton, {}, QPoint(caret.left(), caret.center().y()));
    require(QTest::qWaitFor([&] { return form.Label11->text() == u"castanyes"; }), "the clicked word was not taken");
    shoot(&form, QStringLiteral("editor-reading.png"));
}

void pictureQuestion()
{
    Editor e;
    loadDemoQuestion(e, QStringLiteral("1r ESO/Ciències de la Natura/Opció A"), QStringLiteral("6.txt"));
    editor::Form1 &form = *e.form;
    require(form.QuestionType == bank::QuestionType::PictureAnswer && form.Image1->isVisible(), "the demo's picture question moved");
    shoot(&form, QStringLiteral("editor-picture.png"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Editor"));
    ui::useProgramStyle();
    if (argc < 3) {
        std::fprintf(stderr, "usage: editorscreenshots DEMO_FOLDER DOCS_FOLDER\n");
        return 2;
    }
    demo = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    docs = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    editorAndCheckWindow();
    graphicQuestion();
    readingQuestion();
    pictureQuestion();
    return 0;
}
