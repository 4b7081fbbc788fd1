// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "player/form2.h"
#include "player/playerstate.h"
#include "player/selection.h"

#include "support/testsupport.h"
#include "support/recordingplatform.h"

#include "ui/controls.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

using player::Form2;
using testsupport::ProgramFolder;

namespace {

// A bank with two courses: "beta" with option folders and a subject without
// them, "Alfa" with a single subject; the names test the list order.
void writeBank(const ProgramFolder &folder)
{
    auto questions = [&](const QString &path, int count) {
        for (int i = 1; i <= count; ++i)
            folder.writeLines(path + QStringLiteral("/%1.txt").arg(i), {QStringLiteral(" 6 "), QString(), QStringLiteral("?"), QStringLiteral("FALSO")});
    };
    questions(QStringLiteral("Preguntas/beta/Mates/Opció A"), 5);
    questions(QStringLiteral("Preguntas/beta/Mates/opció B"), 9);
    questions(QStringLiteral("Preguntas/beta/Ciències"), 12);
    questions(QStringLiteral("Preguntas/beta/anglès/Nivell 1"), 3);
    questions(QStringLiteral("Preguntas/Alfa/Història"), 4);
    folder.makeFolder(QStringLiteral("Preguntas/Buit"));
    folder.writeLines(QStringLiteral("idioma/seleccion.txt"),
                      {QStringLiteral("Curs"), QStringLiteral("Matèries"), QStringLiteral("Tria"),
                       QStringLiteral("Opció"), QStringLiteral("Instruccions"),
                       QStringLiteral("Preguntes per matèria"), QStringLiteral("INICI DE LA PROVA"),
                       QStringLiteral("Tria una matèria")});
}

// A button's caption as drawn: "&&" is one "&", a lone "&" marks the next
// character as the shortcut and is not drawn.
QString shownCaption(const QString &text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && ++i >= text.size())
            break;
        shown += text[i];
    }
    return shown;
}

void clickBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

} // namespace

class TstSelectionWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ProgramFolder> folder;
    ui::RecordingPlatform *platform = nullptr;

    std::unique_ptr<Form2> openWindow()
    {
        auto window = std::make_unique<Form2>();
        window->show();
        return window;
    }
    int rowOf(Form2 &w, const QString &subject)
    {
        for (int k = 0; k < w.subjectCount; ++k) {
            if (ui::caption(w.Check1(k)) == subject)
                return k;
        }
        return -1;
    }

private Q_SLOTS:
    void init()
    {
        player::resetState();
        folder = std::make_unique<ProgramFolder>(false);
        writeBank(*folder);
        platform = &ui::installRecordingPlatform();
        platform->folder = folder->path();
        player::state().programFolder = folder->path();
    }

    void coursesInFolderListOrder()
    {
        auto w = openWindow();
        QCOMPARE(w->courseCount(), 3);
        QCOMPARE(w->Label1(0)->text(), QStringLiteral("Alfa"));
        QCOMPARE(w->Label1(1)->text(), QStringLiteral("beta"));
        QCOMPARE(w->Label1(2)->text(), QStringLiteral("Buit"));
        QVERIFY(w->Label1(2)->isVisible());
        // One spare label, hidden, under the last course.
        QCOMPARE(w->Label1.count(), 4);
        QVERIFY(!w->Label1(3)->isVisible());
        QCOMPARE(w->Label1(1)->y(),
                 ui::px(ui::topTwips(w->Label1(0)) + ui::heightTwips(w->Label1(0)) + 100));
        QCOMPARE(w->Label1(1)->objectName(), QStringLiteral("Label1(1)"));
        QCOMPARE(w->Text1->text(), QStringLiteral("20"));
        QVERIFY(!w->Text1->isVisible());
        QCOMPARE(w->questionsPerSubject, 15);
    }

    void headingsBeforeAndAfterACourse()
    {
        auto w = openWindow();
        QVERIFY(w->Label2[player::SelectionHeading::Title]->isVisible());
        QVERIFY(w->Label2[player::SelectionHeading::Instructions]->isVisible());
        QVERIFY(!w->Label2[player::SelectionHeading::Subjects]->isVisible());
        QVERIFY(!w->Label2[player::SelectionHeading::Options]->isVisible());
        QVERIFY(!w->Check1(0)->isVisible());
        QTest::mouseClick(w->Label1(1), Qt::LeftButton);
        QVERIFY(!w->Label2[player::SelectionHeading::Title]->isVisible());
        QVERIFY(!w->Label2[player::SelectionHeading::Instructions]->isVisible());
        QVERIFY(w->Label2[player::SelectionHeading::Subjects]->isVisible());
        QVERIFY(w->Label2[player::SelectionHeading::Options]->isVisible());
        QCOMPARE(ui::foreColor(w->Label1(1)), QColor(0, 0, 255));
        QCOMPARE(ui::foreColor(w->Label1(0)), QColor(255, 0, 0));
        QCOMPARE(w->courseIndex, 1);
    }

    void subjectRowsOfACourse()
    {
        auto w = openWindow();
        QTest::mouseClick(w->Label1(1), Qt::LeftButton);
        QCOMPARE(w->subjectCount, 3);
        QCOMPARE(w->Check1(0)->text(), QStringLiteral("anglès"));
        QCOMPARE(w->Check1(1)->text(), QStringLiteral("Ciències"));
        QCOMPARE(w->Check1(2)->text(), QStringLiteral("Mates"));
        // Options in folder-list order, the first chosen.
        const int mates = rowOf(*w, QStringLiteral("Mates"));
        QCOMPARE(w->Combo1(mates)->count(), 2);
        QCOMPARE(w->Combo1(mates)->currentText(), QStringLiteral("Opció A"));
        QCOMPARE(w->Label4(mates)->text(), QStringLiteral("5"));
        // A subject without option folders counts its own files.
        const int ciencies = rowOf(*w, QStringLiteral("Ciències"));
        QCOMPARE(w->Combo1(ciencies)->currentText(), QString());
        QCOMPARE(w->Label4(ciencies)->text(), QStringLiteral("12"));
        // The rows stack 25 twips apart, with one hidden spare row.
        QCOMPARE(w->Check1(1)->y(), ui::px(ui::topTwips(w->Check1(0)) + ui::heightTwips(w->Check1(0)) + 25));
        QCOMPARE(w->Combo1(1)->y(), w->Check1(1)->y());
        QCOMPARE(w->Check1.count(), 4);
        QVERIFY(!w->Check1(3)->isVisible());
        QCOMPARE(w->Check1(2)->objectName(), QStringLiteral("Check1(2)"));
        QCOMPARE(w->Combo1(2)->accessibleName(), QStringLiteral("Opció"));
    }

    void choosingAnotherOptionRecounts()
    {
        auto w = openWindow();
        QTest::mouseClick(w->Label1(1), Qt::LeftButton);
        const int mates = rowOf(*w, QStringLiteral("Mates"));
        w->Combo1(mates)->setCurrentIndex(1);
        w->Combo1_Click(mates);
        QCOMPARE(w->Label4(mates)->text(), QStringLiteral("9"));
    }

    void anotherCourseRebuildsTheRows()
    {
        auto w = openWindow();
        QTest::mouseClick(w->Label1(1), Qt::LeftButton);
        clickBox(w->Check1(0));
        QVERIFY(ui::isBold(w->Check1(0)));
        QTest::mouseClick(w->Label1(0), Qt::LeftButton);
        QCOMPARE(w->subjectCount, 1);
        QCOMPARE(w->Check1.count(), 2);
        QCOMPARE(w->Check1(0)->text(), QStringLiteral("Història"));
        QVERIFY(!ui::isBold(w->Check1(0)));
        QVERIFY(!w->Check1(0)->isChecked());
        QCOMPARE(w->Combo1(0)->count(), 0);
        QCOMPARE(w->Label4(0)->text(), QStringLiteral("4"));
        QCOMPARE(ui::foreColor(w->Label1(1)), QColor(255, 0, 0));
    }

    void courseWithoutSubjectsHidesEveryRow()
    {
        auto w = openWindow();
        QTest::mouseClick(w->Label1(1), Qt::LeftButton);
        QTest::mouseClick(w->Label1(2), Qt::LeftButton);
        QCOMPARE(w->subjectCount, 0);
        QVERIFY(!w->Check1(0)->isVisible());
        QVERIFY(!w->Combo1(0)->isVisible());
        QVERIFY(!w->Label4(0)->isVisible());
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        QCOMPARE(platform->messages.size(), 1);
    }

    void subjectClickedTwiceIsDropped()
    {
        auto w = openWindow();
        QTest::mouseClick(w->Label1(1), Qt::LeftButton);
        clickBox(w->Check1(1));
        QVERIFY(ui::isBold(w->Check1(1)));
        QCOMPARE(ui::foreColor(w->Check1(1)), ui::kBlue);
        clickBox(w->Check1(1));
        QVERIFY(!ui::isBold(w->Check1(1)));
        QCOMPARE(ui::foreColor(w->Check1(1)), ui::kBlack);
    }

    void questionCounter_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("shown");
        const int more = player::QuestionStep::More;
        const int fewer = player::QuestionStep::Fewer;
        QTest::newRow("one up") << more << 1 << "16";
        QTest::newRow("stops at 100") << more << 120 << "100";
        QTest::newRow("one down") << fewer << 1 << "14";
        QTest::newRow("stops at 2") << fewer << 40 << "2";
    }
    void questionCounter()
    {
        QFETCH(int, button);
        QFETCH(int, presses);
        QFETCH(QString, shown);
        auto w = openWindow();
        QCOMPARE(w->Command2->text(), QStringLiteral("15"));
        for (int i = 0; i < presses; ++i)
            QTest::mouseClick(w->Command3[button], Qt::LeftButton);
        QCOMPARE(w->Command2->text(), shown);
        QCOMPARE(w->questionsPerSubject, shown.toInt());
    }

    void counterShowsItsCaptionUntilPressed()
    {
        auto w = openWindow();
        QCOMPARE(w->questionsPerSubject, 15);
        QTest::mouseClick(w->Command2, Qt::LeftButton);
        QCOMPARE(w->Command2->text(), QStringLiteral("15"));
    }

    void timeLimitSwitch()
    {
        auto w = openWindow();
        QTest::mouseClick(w->Command4, Qt::LeftButton);
        QVERIFY(w->Text1->isVisible());
        QTest::mouseClick(w->Command4, Qt::LeftButton);
        QVERIFY(!w->Text1->isVisible());
    }

    void timeLimitTakesDigitsOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("letter dropped") << "a" << "20";
        QTest::newRow("minus dropped") << "-" << "20";
        QTest::newRow("digits kept") << "5" << "205";
        QTest::newRow("mixed") << "1x2" << "2012";
    }
    void timeLimitTakesDigitsOnly()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        auto w = openWindow();
        w->Command4_Click();
        w->Text1->setFocus();
        w->Text1->end(false);
        QTest::keyClicks(w->Text1, typed);
        QCOMPARE(w->Text1->text(), expected);
    }

    // Whatever the route, the box holds digits only: a paste that would
    // bring anything else is refused whole.
    void timeLimitRefusesOtherTextByEveryRoute_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        for (const char *route : {"Ctrl+V", "context menu paste", "insert"}) {
            QTest::addRow("%s: letters", route) << route << "ab" << "20";
            QTest::addRow("%s: digits then a letter", route) << route << "1a" << "20";
            QTest::addRow("%s: a minus", route) << route << "-5" << "20";
            QTest::addRow("%s: Arabic-Indic three", route) << route << QStringLiteral("\u0663") << "20";
            QTest::addRow("%s: a digit", route) << route << "5" << "205";
        }
    }
    void timeLimitRefusesOtherTextByEveryRoute()
    {
        QFETCH(QString, route);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        auto w = openWindow();
        w->Command4_Click();
        w->Text1->setFocus();
        w->Text1->end(false);
        if (route == u"insert") {
            w->Text1->insert(text);
        } else {
            QGuiApplication::clipboard()->setText(text);
            if (route == u"Ctrl+V")
                QTest::keyClick(w->Text1, Qt::Key_V, Qt::ControlModifier);
            else
                w->Text1->paste(); // what the context menu's Paste calls
        }
        QCOMPARE(w->Text1->text(), expected);
        QCOMPARE(w->selection().timeLimitMinutes, expected.toInt());
    }

    // "&" in a folder name or a language line is shown, not taken as a
    // shortcut mark.
    void ampersandShownAsWritten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Física & Química") << QStringLiteral("Física & Química");
        QTest::newRow("R&D") << QStringLiteral("R&D");
        QTest::newRow("doubled &&") << QStringLiteral("A && B");
        QTest::newRow("trailing &") << QStringLiteral("Mates &");
    }
    void ampersandShownAsWritten()
    {
        QFETCH(QString, name);
        folder->writeLines(QStringLiteral("Preguntas/beta/%1/1.txt").arg(name), {QStringLiteral(" 6 "), QString(), QStringLiteral("?"), QStringLiteral("FALSO")});
        folder->writeLines(QStringLiteral("idioma/seleccion.txt"), {name});
        auto w = openWindow();
        QTest::mouseClick(w->Label1(1), Qt::LeftButton);
        const int row = rowOf(*w, name);
        QVERIFY(row >= 0);
        for (QAbstractButton *button : {static_cast<QAbstractButton *>(w->Check1(row)), static_cast<QAbstractButton *>(w->Command1)}) {
            QCOMPARE(ui::caption(button), name);
            QCOMPARE(button->accessibleName(), name);
            QCOMPARE(button->shortcut(), QKeySequence());
            QCOMPARE(shownCaption(button->text()), name);
        }
        clickBox(w->Check1(row));
        QCOMPARE(w->selection().chosenSubjects(), QStringList{name});
    }

    // Past sixteen chosen subjects with enough files, the window names the
    // ones the session leaves out; too few files do not count.
    void seventeenthSubjectNamed_data()
    {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<bool>("shortOneChosen");
        QTest::addColumn<QStringList>("leftOut");
        QTest::newRow("16 chosen") << 16 << false << QStringList();
        QTest::newRow("16 chosen and one with 2 files") << 16 << true << QStringList();
        QTest::newRow("17 chosen") << 17 << false << QStringList{QStringLiteral("S17")};
        QTest::newRow("18 chosen") << 18 << true << QStringList{QStringLiteral("S17"), QStringLiteral("S18")};
    }
    void seventeenthSubjectNamed()
    {
        QFETCH(int, chosen);
        QFETCH(bool, shortOneChosen);
        QFETCH(QStringList, leftOut);
        const QStringList row = {QStringLiteral(" 6 "), QString(), QStringLiteral("?"), QStringLiteral("FALSO")};
        for (int s = 1; s <= 18; ++s) {
            for (int i = 1; i <= 3; ++i)
                folder->writeLines(QStringLiteral("Preguntas/Molts/S%1/%2.txt").arg(s, 2, 10, QChar(u'0')).arg(i), row);
        }
        for (int i = 1; i <= 2; ++i)
            folder->writeLines(QStringLiteral("Preguntas/Molts/S00 curta/%1.txt").arg(i), row);
        auto w = openWindow();
        int course = -1;
        for (int i = 0; i < w->courseCount(); ++i) {
            if (w->Label1(i)->text() == u"Molts")
                course = i;
        }
        w->Label1_Click(course);
        QCOMPARE(w->subjectCount, 19);
        if (shortOneChosen)
            clickBox(w->Check1(0));
        for (int k = 1; k <= chosen; ++k)
            clickBox(w->Check1(k));
        QCOMPARE(w->selection().leftOutSubjects(), leftOut);
        QCOMPARE(w->Label5->isVisible(), !leftOut.isEmpty());
        for (const QString &name : leftOut)
            QVERIFY2(w->Label5->text().contains(u'«' + name + u'»'), qPrintable(w->Label5->text()));
        QCOMPARE(w->selection().qualifyingTestCount(), std::min(chosen, player::kMaxTests));
    }

    void backspaceWorksInTimeLimit()
    {
        auto w = openWindow();
        w->Command4_Click();
        w->Text1->end(false);
        QTest::keyClick(w->Text1, Qt::Key_Backspace);
        QCOMPARE(w->Text1->text(), QStringLiteral("2"));
    }

    void startWithoutSubjectWarns()
    {
        auto w = openWindow();
        QSignalSpy opened(w.get(), &Form2::testWindowRequested);
        QTest::mouseClick(w->Label1(1), Qt::LeftButton);
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        QCOMPARE(opened.count(), 0);
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages[0].text, QStringLiteral("Tria una matèria"));
        QCOMPARE(platform->messages[0].title, QString());
        QCOMPARE(w->selectedSubjectCount, 0);
    }

    void startWithSubjectsOpensTheTest()
    {
        auto w = openWindow();
        QSignalSpy opened(w.get(), &Form2::testWindowRequested);
        QTest::mouseClick(w->Label1(1), Qt::LeftButton);
        clickBox(w->Check1(0));
        clickBox(w->Check1(2));
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(w->selectedSubjectCount, 2);
        QVERIFY(platform->messages.isEmpty());
    }

    void captionsFromTheLanguageFile()
    {
        auto w = openWindow();
        QCOMPARE(w->Label2[player::SelectionHeading::Courses]->text(), QStringLiteral("Curs"));
        QCOMPARE(w->Label2[player::SelectionHeading::Title]->text(), QStringLiteral("Tria"));
        QCOMPARE(w->Label3->text(), QStringLiteral("Preguntes per matèria"));
        QCOMPARE(w->Command1->text(), QStringLiteral("INICI DE LA PROVA"));
        QCOMPARE(w->Command1->accessibleName(), QStringLiteral("INICI DE LA PROVA"));
        QCOMPARE(w->selectionWarning(), QStringLiteral("Tria una matèria"));
    }

    void missingLanguageFileLeavesEverythingBlank()
    {
        folder->remove(QStringLiteral("idioma/seleccion.txt"));
        auto w = openWindow();
        for (QLabel *label : w->Label2)
            QCOMPARE(label->text(), QString());
        QCOMPARE(w->Label3->text(), QString());
        QCOMPARE(w->Command1->text(), QString());
        w->Command1_Click();
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages[0].text, QString());
    }

    void shortLanguageFileRepeatsTheLastLine()
    {
        folder->writeLines(QStringLiteral("idioma/seleccion.txt"), {QStringLiteral("Curs"), QStringLiteral("Assignatures")});
        auto w = openWindow();
        QCOMPARE(w->Label2[player::SelectionHeading::Courses]->text(), QStringLiteral("Curs"));
        QCOMPARE(w->Label2[player::SelectionHeading::Instructions]->text(), QStringLiteral("Assignatures"));
        QCOMPARE(w->Command1->text(), QStringLiteral("Assignatures"));
        // The warning is read into its own variable and stays empty.
        QCOMPARE(w->selectionWarning(), QString());
    }

    void noBankShowsNoCourse()
    {
        folder->remove(QStringLiteral("Preguntas"));
        auto w = openWindow();
        QCOMPARE(w->courseCount(), 0);
        QVERIFY(!w->Label1(0)->isVisible());
        w->Command1_Click();
        QCOMPARE(platform->messages.size(), 1);
    }

    void namesAndCaptionsShownAsWritten_data()
    {
        QTest::addColumn<QString>("course");
        QTest::addColumn<QString>("caption");
        QTest::newRow("comparison") << QStringLiteral("a<b i b>c") << QStringLiteral("Si a<b i b>c, quin és més gran?");
        QTest::newRow("tags") << QStringLiteral("<b>x") << QStringLiteral("<b>x</b>");
        QTest::newRow("deeply nested tables")
            << QStringLiteral("<table><tr><td>x") << QStringLiteral("<table><tr><td>").repeated(20000);
    }

    // Folder names and language files are text, whatever they look like.
    void namesAndCaptionsShownAsWritten()
    {
        QFETCH(QString, course);
        QFETCH(QString, caption);
        folder->writeLines(QStringLiteral("Preguntas/%1/Mates/1.txt").arg(course), {QStringLiteral(" 6 "), QString(), QStringLiteral("?"), QStringLiteral("FALSO")});
        // One line: a short file repeats it in every caption, and stays under
        // the 1 MB a language file may hold.
        folder->writeLines(QStringLiteral("idioma/seleccion.txt"), {caption});
        auto w = openWindow();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));

        int shown = -1;
        for (int i = 0; i < w->courseCount(); ++i) {
            if (w->Label1(i)->text() == course)
                shown = i;
        }
        QVERIFY(shown >= 0);
        QVERIFY(testsupport::laidOutAsWritten(w->Label1(shown)->textFormat(), course));
        for (QLabel *label : {w->Label2[player::SelectionHeading::Courses], w->Label2[player::SelectionHeading::Title], w->Label2[player::SelectionHeading::Instructions], w->Label3}) {
            QCOMPARE(label->text(), caption);
            QVERIFY2(testsupport::laidOutAsWritten(label->textFormat(), caption), qPrintable(label->objectName()));
        }
        QCOMPARE(testsupport::shownToolTip(w->Command2->toolTip()), caption);
        QVERIFY(!w->grab().isNull());
    }
};

QTEST_MAIN(TstSelectionWindow)
#include "tst_selectionwindow.moc"
