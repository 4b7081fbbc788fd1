// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sessionfixture.h"

#include "player/form1.h"
#include "player/form5.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleOption>

using testsupport::focusName;
using testsupport::Session;
using testsupport::tabTo;

namespace {

QStringList question(int type, const QStringList &rest)
{
    return QStringList{QStringLiteral(" %1 ").arg(type), QStringLiteral("Mestra")} + rest;
}

// Counts every mouse event the application sees: the session below must
// be played without one.
class MouseWatch : public QObject
{
public:
    int seen = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            ++seen;
            break;
        default:
            break;
        }
        return false;
    }
};

// A key to whatever has the focus, as the keyboard sends it.
void key(int key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

// Whether the control with the focus draws its ring now, with no key pressed
// in its window yet.
bool focusRingShown()
{
    QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    if (!focus)
        return false;
    QStyleOption option;
    option.initFrom(focus);
    return option.state.testFlag(QStyle::State_KeyboardFocusChange);
}

QStringList tabWalk(QWidget *first, int steps)
{
    first->setFocus(Qt::TabFocusReason);
    QStringList names{focusName()};
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        names.append(focusName());
    }
    return names;
}

} // namespace

class TstKeyboardPlay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeSessionByKeys();
    void tabOrder_data();
    void tabOrder();
    void viewerTakesFocusAndGivesItBack();
    void ringOnOpeningByKey_data();
    void ringOnOpeningByKey();
};

void TstKeyboardPlay::wholeSessionByKeys()
{
    Session s;
    s.folder.remove(QStringLiteral("Preguntas"));
    QImage graphic(300, 200, QImage::Format_RGB32);
    graphic.fill(Qt::white);
    QPainter painter(&graphic);
    painter.fillRect(100, 0, 3, 200, Qt::black);
    painter.end();
    QVERIFY(graphic.save(s.folder.file(QStringLiteral("Graficos/dues.png"))));
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(s.folder.file(QStringLiteral("Graficos/petit.png"))));
    s.folder.writeLines(QStringLiteral("textos/gos.txt"), {QStringLiteral("el perro come"), QStringLiteral("la casa")});
    const QList<QStringList> files = {
        question(1, {QStringLiteral("Quin és un mamífer?"), QStringLiteral("Tauró"), QStringLiteral("Dofí "), QStringLiteral("Serp")}),
        question(2, {QStringLiteral("On vius?"), QStringLiteral("Casa")}),
        question(3, {QStringLiteral("petit.png"), QStringLiteral("Color?"), QStringLiteral("vermell")}),
        question(4, {QStringLiteral("dues.png"), QStringLiteral("La part esquerra"), QStringLiteral("50"), QStringLiteral("60")}),
        question(5, {QStringLiteral("gos.txt"), QStringLiteral("Qui menja?"), QStringLiteral("perro")}),
        question(6, {QStringLiteral("Les balenes són peixos."), QStringLiteral("FALSO")}),
    };
    for (int n = 0; n < files.size(); ++n)
        s.question(QStringLiteral("Tot"), n + 1, files[n]);
    // Questions drawn in file order, options as written.
    s.platform->randomValues = testsupport::drawInOrder(6) + testsupport::drawInOrder(8);
    MouseWatch mouse;
    qApp->installEventFilter(&mouse);

    // The start window: the name, then Enter.
    auto *start = new player::Form1;
    start->setAttribute(Qt::WA_DeleteOnClose);
    start->show();
    start->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(start));
    QCOMPARE(focusName(), QStringLiteral("Text1"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Anna"));
    key(Qt::Key_Return);

    // The selection window opens on the courses; the only one is taken by
    // Space, its subject ticked by Space, six questions by the arrow button.
    QPointer<player::Form2> selection = start->form2();
    QVERIFY(selection);
    QVERIFY(QTest::qWaitForWindowActive(selection));
    QCOMPARE(focusName(), QStringLiteral("Label1(0)"));
    QVERIFY(focusRingShown());
    key(Qt::Key_Space);
    QCOMPARE(selection->subjectCount, 1);
    QVERIFY(tabTo(QStringLiteral("Check1(0)")));
    key(Qt::Key_Space);
    QVERIFY(ui::isBold(selection->Check1(0)));
    QVERIFY(tabTo(QStringLiteral("Command3(1)")));
    for (int i = 0; i < 9; ++i)
        key(Qt::Key_Space);
    QCOMPARE(selection->questionsPerSubject, 6);
    QVERIFY(tabTo(QStringLiteral("Command1")));
    key(Qt::Key_Space);

    QPointer<player::Form3> w;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *test = qobject_cast<player::Form3 *>(top))
            w = test;
    }
    QVERIFY(w);
    s.test = w;
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QVERIFY(focusRingShown());
    QCOMPARE(w->List1(0)->count(), 6);

    // Each question in turn from the list, answered in its frame, confirmed.
    for (int row = 0; row < 6; ++row) {
        QVERIFY(tabTo(QStringLiteral("List1(0)")));
        key(row == 0 ? Qt::Key_Home : Qt::Key_Down);
        QCOMPARE(w->shown.row, row);
        switch (w->shown.questionType) {
        case bank::QuestionType::MultipleChoice:
            QVERIFY(tabTo(QStringLiteral("Label3(0)")));
            QCOMPARE(w->Label3(1)->accessibleName(), QStringLiteral("Opció 2: Dofí "));
            key(Qt::Key_2);
            QCOMPARE(focusName(), QStringLiteral("Label3(1)"));
            break;
        case bank::QuestionType::WrittenAnswer:
            QVERIFY(tabTo(QStringLiteral("RichTextBox1")));
            testsupport::typeInto(QApplication::focusWidget(), QStringLiteral("Casa"));
            break;
        case bank::QuestionType::PictureAnswer:
            QVERIFY(tabTo(QStringLiteral("RichTextBox2")));
            testsupport::typeInto(QApplication::focusWidget(), QStringLiteral("vermell"));
            break;
        case bank::QuestionType::GraphicPoint:
            QVERIFY(tabTo(QStringLiteral("graphic")));
            while (w->graphic->cross().x() > 90)
                key(Qt::Key_Left, Qt::ShiftModifier);
            key(Qt::Key_Space);
            break;
        case bank::QuestionType::ReadingWord:
            QVERIFY(tabTo(QStringLiteral("Text2")));
            key(Qt::Key_Right);
            key(Qt::Key_Return);
            QCOMPARE(w->Label11->text(), QStringLiteral("perro"));
            break;
        case bank::QuestionType::TrueFalse:
            QVERIFY(tabTo(QStringLiteral("Command5(1)")));
            key(Qt::Key_Space);
            break;
        default:
            QFAIL("a question of no type");
        }
        if (w->session().answeredCount() == row) {
            QVERIFY(tabTo(QStringLiteral("Command2")));
            key(Qt::Key_Space);
        }
        QCOMPARE(w->session().answeredCount(), row + 1);
        if (!w->sessionOver())
            QCOMPARE(w->Command2->accessibleDescription(), w->files.texts.right);
    }

    // The report is written and the final window takes the focus; Escape
    // closes it and the test window has the focus again.
    QVERIFY(w->sessionOver());
    QVERIFY(testsupport::waitForReport(w));
    QCOMPARE(w->session().test(0).right, 6);
    QCOMPARE(w->session().test(0).wrong, 0);
    QCOMPARE(s.reportFiles().size(), 1);
    QPointer<player::Form4> final = w->finalWindow();
    QVERIFY(final);
    QVERIFY(QTest::qWaitForWindowActive(final));
    QVERIFY(focusRingShown());
    key(Qt::Key_Escape);
    QVERIFY(QTest::qWaitFor([&] { return !final; }));
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(mouse.seen, 0);
    qApp->removeEventFilter(&mouse);
    delete selection.data();
}

void TstKeyboardPlay::tabOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");

    // Each walk ends where it began: the window's whole round.
    QTest::newRow("start window") << "start" << QStringList{"Text1", "Command1", "Command2", "Text1"};
    QTest::newRow("selection window, rows made for the course in place")
        << "selection"
        << QStringList{"Label1(0)", "Check1(0)", "Check1(1)", "Command3(0)", "Command2", "Command3(1)", "Command4",
                       "Command1", "Label1(0)"};
    QTest::newRow("selection window with the time box")
        << "time"
        << QStringList{"Label1(0)", "Check1(0)", "Check1(1)", "Command3(0)", "Command2", "Command3(1)", "Command4",
                       "Text1", "Command1", "Label1(0)"};
    QTest::newRow("test window, true or false")
        << "truefalse"
        << QStringList{"Command1(0)", "Command1(1)", "List1(0)", "Command6(1)", "Command6(6)", "Command7(0)",
                       "Command5(0)", "Command5(1)", "Command2", "Command1(0)"};
    QTest::newRow("test window, options in drawn order")
        << "choice"
        << QStringList{"Command1(0)", "Command1(1)", "List1(0)", "Command6(1)", "Command6(6)", "Command7(0)",
                       "Label3(2)", "Label3(0)", "Label3(1)", "Command2", "Command1(0)"};
}

void TstKeyboardPlay::tabOrder()
{
    QFETCH(QString, window);
    QFETCH(QStringList, order);

    Session s;
    s.folder.remove(QStringLiteral("Preguntas"));
    for (const QString &subject : {QStringLiteral("A"), QStringLiteral("B")}) {
        s.question(subject, 1, question(6, {QStringLiteral("Les balenes són peixos."), QStringLiteral("FALSO")}));
        s.question(subject, 2, question(1, {QStringLiteral("Quina?"), QStringLiteral("u"), QStringLiteral("dos "), QStringLiteral("tres")}));
        s.question(subject, 3, question(6, {QStringLiteral("Els gats volen."), QStringLiteral("FALSO")}));
    }
    QWidget *top = nullptr;
    QWidget *first = nullptr;
    std::unique_ptr<player::Form1> start;
    if (window == u"start") {
        start = std::make_unique<player::Form1>();
        top = start.get();
        first = start->Text1;
    } else if (window == u"selection" || window == u"time") {
        s.selection = std::make_unique<player::Form2>();
        s.selection->Label1_Click(0);
        if (window == u"time")
            s.selection->Command4_Click();
        top = s.selection.get();
        first = s.selection->Label1(0);
    } else {
        // Questions 1 and 2 of each subject; the options drawn third, first,
        // second.
        player::Form3 *w = s.open({QStringLiteral("A"), QStringLiteral("B")}, 2,
                                  testsupport::drawInOrder(3).mid(0, 2) + testsupport::drawInOrder(3).mid(0, 2)
                                      + testsupport::optionOrderValues({2, 0, 1, 3, 4, 5, 6, 7}));
        QVERIFY(w);
        s.show(0, window == u"choice" ? 1 : 0);
        top = w;
        first = w->Command1(0);
    }
    top->show();
    top->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(top));
    QCOMPARE(tabWalk(first, static_cast<int>(order.size()) - 1), order);
}

void TstKeyboardPlay::viewerTakesFocusAndGivesItBack()
{
    Session s;
    QStringList lines;
    for (int n = 1; n <= 40; ++n)
        lines.append(QStringLiteral("Línia %1 de la nota").arg(n));
    s.folder.writeLines(QStringLiteral("textos/nota.txt"), lines);
    s.question(QStringLiteral("A"), 1, question(1, {QStringLiteral("Quina?"), QStringLiteral("u "), QStringLiteral("dos"), QStringLiteral("nota.txt")}));
    for (int n = 2; n <= 3; ++n)
        s.question(QStringLiteral("A"), n, question(6, {QStringLiteral("Els gats volen."), QStringLiteral("FALSO")}));
    player::Form3 *w = s.open({QStringLiteral("A")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
    QVERIFY(w);
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->List1(0)->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Home);

    // The question opens the viewer, which takes the focus on its text;
    // the page keys scroll it.
    QPointer<player::Form5> viewer = w->attachmentViewer();
    QVERIFY(viewer);
    // Activation comes from the window system, after the key.
    QTRY_COMPARE(QApplication::activeWindow(), viewer.data());
    QCOMPARE(QApplication::focusWidget(), viewer->Text1);
    QVERIFY(focusRingShown());
    QScrollBar *bar = viewer->Text1->verticalScrollBar();
    QCOMPARE(bar->value(), 0);
    key(Qt::Key_PageDown);
    QVERIFY(bar->value() > 0);

    // Escape puts it away and the list has the focus again.
    key(Qt::Key_Escape);
    QVERIFY(QTest::qWaitFor([&] { return !viewer || !viewer->isVisible(); }));
    QTRY_COMPARE(QApplication::activeWindow(), w);
    QCOMPARE(focusName(), QStringLiteral("List1(0)"));
}

void TstKeyboardPlay::ringOnOpeningByKey_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("Enter in the name box: the ring at once") << true;
    // The mouse keeps the look it always had.
    QTest::newRow("the start button clicked: no ring") << false;
}

void TstKeyboardPlay::ringOnOpeningByKey()
{
    QFETCH(bool, byKey);

    Session s;
    auto start = std::make_unique<player::Form1>();
    start->show();
    start->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(start.get()));
    if (byKey)
        QTest::keyClick(start->Text1, Qt::Key_Return);
    else
        QTest::mouseClick(start->Command1, Qt::LeftButton);
    std::unique_ptr<player::Form2> selection(start->form2());
    QVERIFY(selection);
    QVERIFY(QTest::qWaitForWindowActive(selection.get()));
    QCOMPARE(QApplication::focusWidget(), selection->firstCourse());
    QCOMPARE(focusRingShown(), byKey);
    // The course's ring whole, not cut off by the edge of the course list.
    auto *course = static_cast<ui::ClickLabel *>(selection->firstCourse());
    if (byKey)
        QVERIFY(course->parentWidget()->rect().contains(course->focusRingGeometry()));
}

QTEST_MAIN(TstKeyboardPlay)
#include "tst_keyboardplay.moc"
