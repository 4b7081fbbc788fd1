// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "player/form1.h"
#include "player/form2.h"
#include "player/form3.h"
#include "player/playerstate.h"

#include "support/testsupport.h"
#include "ui/controls.h"
#include "support/recordingplatform.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using testsupport::ProgramFolder;

class TstStartWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ProgramFolder> folder;
    ui::RecordingPlatform *recording = nullptr;


    void prepare()
    {
        folder = std::make_unique<ProgramFolder>(false);
        recording = &ui::installRecordingPlatform();
        recording->folder = folder->path();
        player::resetState();
        player::state().programFolder = folder->path();
    }

private Q_SLOTS:
    void init() { prepare(); }
    void cleanup() { folder.reset(); }

    void captions_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("command1");
        QTest::addColumn<QString>("label1");
        QTest::addColumn<QString>("command2");

        QTest::newRow("one line START: both buttons and the label show it")
            << QStringList{QStringLiteral("START")} << QStringLiteral("START")
            << QStringLiteral("START") << QStringLiteral("START");
        QTest::newRow("three lines, one caption each")
            << QStringList{QStringLiteral("COMENÇAR"), QStringLiteral("Nom"),
                           QStringLiteral("Informes")}
            << QStringLiteral("COMENÇAR") << QStringLiteral("Nom") << QStringLiteral("Informes");
        QTest::newRow("two lines: the reports button repeats the second")
            << QStringList{QStringLiteral("A"), QStringLiteral("B")} << QStringLiteral("A")
            << QStringLiteral("B") << QStringLiteral("B");
        QTest::newRow("extra lines have no effect")
            << QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                           QStringLiteral("D")}
            << QStringLiteral("A") << QStringLiteral("B") << QStringLiteral("C");
        QTest::newRow("an empty line is an empty caption")
            << QStringList{QString(), QStringLiteral("Nom"), QStringLiteral("C")} << QString()
            << QStringLiteral("Nom") << QStringLiteral("C");
        QTest::newRow("spaces are kept, a line of spaces is not empty")
            << QStringList{QStringLiteral("INICI "), QStringLiteral("   "),
                           QStringLiteral(" Informes")}
            << QStringLiteral("INICI ") << QStringLiteral("   ") << QStringLiteral(" Informes");
    }

    void captions()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, command1);
        QFETCH(QString, label1);
        QFETCH(QString, command2);

        folder->writeLines(QStringLiteral("idioma/inicio.txt"), lines);
        player::Form1 form;
        QCOMPARE(form.Command1->text(), command1);
        QCOMPARE(form.Label1->text(), label1);
        QCOMPARE(form.Command2->text(), command2);
        QCOMPARE(form.Command1->accessibleName(), command1);
        QCOMPARE(form.Text1->accessibleName(), label1);
    }

    void captionsFileInOtherCase()
    {
        folder->writeLines(QStringLiteral("IDIOMA/Inicio.TXT"),
                           {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")});
        player::Form1 form;
        QCOMPARE(form.Command1->text(), QStringLiteral("X"));
        QCOMPARE(form.Label1->text(), QStringLiteral("Y"));
        QCOMPARE(form.Command2->text(), QStringLiteral("Z"));
    }

    void captionsLoneLineFeedStaysInText()
    {
        folder->writeBytes(QStringLiteral("idioma/inicio.txt"), "A\nB\r\nC\r");
        const player::StartTexts texts = player::readStartTexts(folder->path());
        QCOMPARE(texts.command1, QStringLiteral("A\nB"));
        QCOMPARE(texts.label1, QStringLiteral("C"));
        QCOMPARE(texts.command2, QStringLiteral("C"));
    }

    void captionsWithoutFile_data()
    {
        QTest::addColumn<bool>("withFolder");
        QTest::addColumn<bool>("withEmptyFile");
        QTest::newRow("no idioma folder: all three captions empty") << false << false;
        QTest::newRow("idioma without inicio.txt: all three captions empty") << true << false;
        QTest::newRow("empty inicio.txt: all three captions empty") << true << true;
    }

    void captionsWithoutFile()
    {
        QFETCH(bool, withFolder);
        QFETCH(bool, withEmptyFile);
        if (withFolder)
            folder->makeFolder(QStringLiteral("idioma"));
        if (withEmptyFile)
            folder->writeBytes(QStringLiteral("idioma/inicio.txt"), QByteArray());
        player::Form1 form;
        QCOMPARE(form.Command1->text(), QString());
        QCOMPARE(form.Label1->text(), QString());
        QCOMPARE(form.Command2->text(), QString());
    }

    void windowCaptionAndNames()
    {
        player::Form1 form;
        QCOMPARE(form.windowTitle(), QStringLiteral("BRENLOQ 3.0 - brenloq@escoles.cat"));
        for (const char *name : {"dest", "Picture1", "Timer1", "Label1", "Text1", "Command1",
                                 "Command2"})
            QVERIFY2(form.findChild<QObject *>(QString::fromLatin1(name)), name);
        QCOMPARE(form.Picture1->parentWidget(), form.dest);
    }

    void layoutTopToBottom()
    {
        player::Form1 form;
        QCOMPARE(ui::heightTwips(form.dest), 3495);
        QVERIFY(form.dest->geometry().bottom() < form.Label1->y());
        QVERIFY(form.Label1->geometry().right() < form.Text1->x());
        QVERIFY(form.Label1->geometry().intersects(
            QRect(0, form.Text1->y(), form.width(), form.Text1->height())));
        QVERIFY(form.Text1->geometry().bottom() < form.Command1->y());
        QVERIFY(form.Command1->geometry().bottom() < form.Command2->y());
        QVERIFY(form.Command2->geometry().bottom() <= form.height());
        for (QWidget *button : {static_cast<QWidget *>(form.Command1),
                                static_cast<QWidget *>(form.Command2)}) {
            QCOMPARE(button->x(), form.dest->x());
            QCOMPARE(button->width(), form.dest->width());
        }
    }

    void centredOnScreen()
    {
        player::Form1 form;
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const int left = (ui::twips(screen.width()) - ui::twips(form.width())) / 2;
        const int top = (ui::twips(screen.height()) - ui::twips(form.height())) / 2;
        QCOMPARE(form.pos(), QPoint(screen.x() + ui::px(left), screen.y() + ui::px(top)));
    }

    void pictureIsTheLogo()
    {
        player::Form1 form;
        const QPixmap picture = form.Picture1->pixmap();
        QVERIFY(!picture.isNull());
        QCOMPARE(form.Picture1->size(), picture.size());
        QVERIFY(picture.height() >= form.dest->height());
        QVERIFY(picture.width() >= form.dest->width() * 9 / 10);
        QCOMPARE(form.Picture1->pos(), QPoint(0, 0));
    }

    void timerClimbsAndJumpsBack()
    {
        player::Form1 form;
        QVERIFY(form.Timer1->isActive());
        QCOMPARE(form.Timer1->interval(), 20);
        form.Timer1->stop();
        QCOMPARE(form.logoOffset(), 0);
        const QSize size = form.Picture1->size();

        for (int tick = 1; tick <= 465; ++tick) {
            form.Timer1_Timer();
            QCOMPARE(form.logoOffset(), -15 * tick);
            QCOMPARE(form.Picture1->pos(), QPoint(0, ui::px(-15 * tick)));
        }
        QCOMPARE(form.logoOffset(), -6975);
        form.Timer1_Timer();
        QCOMPARE(form.logoOffset(), 0);
        QCOMPARE(form.Picture1->pos(), QPoint(0, 0));
        form.Timer1_Timer();
        QCOMPARE(form.logoOffset(), -15);
        QCOMPARE(form.Picture1->size(), size);
    }

    void timerTicksOnItsOwn()
    {
        player::Form1 form;
        QTRY_VERIFY_WITH_TIMEOUT(form.logoOffset() < 0, 3000);
    }

    void nextLogoOffset_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("frameHeight");
        QTest::addColumn<int>("expected");
        QTest::newRow("first tick climbs 15") << 0 << 3495 << -15;
        QTest::newRow("last step before the jump") << -6960 << 3495 << -6975;
        QTest::newRow("reaching twice the frame jumps back") << -6975 << 3495 << 0;
        QTest::newRow("smaller frame, just below twice its height") << -2970 << 1500 << -2985;
        QTest::newRow("smaller frame, exactly twice its height jumps back") << -2985 << 1500 << 0;
        QTest::newRow("offset already past the limit jumps back") << -9000 << 3495 << 0;
    }

    void nextLogoOffset()
    {
        QFETCH(int, offset);
        QFETCH(int, frameHeight);
        QFETCH(int, expected);
        QCOMPARE(player::nextLogoOffset(offset, frameHeight), expected);
    }

    void nameBoxAcceptsAnyText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("plain name") << QStringLiteral("Maria");
        QTest::newRow("accents and spaces") << QStringLiteral("Joan Pérez Ñúñez");
        QTest::newRow("digits and punctuation") << QStringLiteral("a-b_c 12!?/\\.");
    }

    void nameBoxAcceptsAnyText()
    {
        QFETCH(QString, typed);
        player::Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.pupilNameText(), QString());
        testsupport::typeInto(form.Text1, typed);
        QCOMPARE(form.Text1->text(), typed);
        QCOMPARE(form.pupilNameText(), typed);
    }

    void emptyNameIsAccepted()
    {
        player::Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        std::unique_ptr<player::Form2> selection(form.form2());
        QVERIFY(selection);
        QVERIFY(selection->isVisible());
        QVERIFY(recording->messages.isEmpty());
        QCOMPARE(form.pupilNameText(), QString());
    }

    void startButtonOpensSelectionWindow()
    {
        auto form = std::make_unique<player::Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(!form->form2());
        QTest::keyClicks(form->Text1, QStringLiteral("Anna"));
        QTest::mouseClick(form->Command1, Qt::LeftButton);

        QPointer<player::Form2> selection = form->form2();
        QVERIFY(selection);
        QVERIFY(selection->isVisible());
        QVERIFY(selection->isWindow());
        QCOMPARE(selection->windowModality(), Qt::NonModal);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(form->isVisible());

        // A second press brings the same window back rather than a new one.
        selection->hide();
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(form->form2(), selection.data());
        QVERIFY(selection->isVisible());

        // The selection window outlives the start window.
        form.reset();
        QVERIFY(selection);
        delete selection.data();
    }

    void closedStartWindowKeepsTheTestUsable()
    {
        folder = std::make_unique<ProgramFolder>();
        recording->folder = folder->path();
        player::state().programFolder = folder->path();
        auto *form = new player::Form1;
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->show();
        QTest::keyClicks(form->Text1, QStringLiteral("Anna"));
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        std::unique_ptr<player::Form2> selection(form->form2());
        QPointer<player::Form1> start(form);
        form->close();
        QTRY_VERIFY(!start);

        for (int c = 0; c < selection->courseCount(); ++c) {
            if (selection->Label1(c)->text() == u"1r ESO")
                selection->Label1_Click(c);
        }
        selection->Check1_Click(0);
        selection->Command1_Click();
        player::Form3 *test = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            test = test ? test : qobject_cast<player::Form3 *>(window);
        QVERIFY(test);
        std::unique_ptr<player::Form3> owned(test);
        QVERIFY(test->RichTextBox3->text().startsWith(QStringLiteral("Anna")));
        QVERIFY(!selection->isEnabled());
    }

    void reportsButtonOpensFolder_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("opened");
        QTest::newRow("folder present") << QStringLiteral("Controles-Usuarios")
                                        << QStringLiteral("Controles-Usuarios");
        QTest::newRow("folder in other letter case is found")
            << QStringLiteral("controles-usuarios") << QStringLiteral("controles-usuarios");
        QTest::newRow("folder missing: opened all the same") << QString()
                                                              << QStringLiteral("Controles-Usuarios");
    }

    void reportsButtonOpensFolder()
    {
        QFETCH(QString, existing);
        QFETCH(QString, opened);
        if (!existing.isEmpty())
            folder->makeFolder(existing);
        player::Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.Command2, Qt::LeftButton);
        QCOMPARE(recording->openedFolders, QStringList{folder->path() + u'/' + opened});
        QVERIFY(recording->started.isEmpty());
        QVERIFY(!form.form2());
    }

    // Loading the window puts missing components in place, every time.
    void loadRegistersComponents()
    {
        QTemporaryDir system;
        recording->system = system.path();
        recording->registrar = QStringLiteral("REGSVR32.EXE");
        folder->writeBytes(QStringLiteral("GIF89.DLL"), "gif");
        folder->writeBytes(QStringLiteral("RICHTX32.OCX"), "rich");
        {
            player::Form1 form;
        }
        QCOMPARE(recording->copies.size(), 2);
        QVERIFY(QFileInfo::exists(system.path() + QStringLiteral("/GIF89.DLL")));
        QVERIFY(QFileInfo::exists(system.path() + QStringLiteral("/RICHTX32.OCX")));
        QCOMPARE(recording->started.size(), 2);

        QFile::remove(system.path() + QStringLiteral("/RICHTX32.OCX"));
        player::Form1 again;
        QCOMPARE(recording->copies.size(), 3);
        QCOMPARE(recording->started.size(), 3);
        QCOMPARE(recording->started.last().arguments, QStringList{QStringLiteral("RICHTX32.OCX")});
        QVERIFY(recording->messages.isEmpty());
    }

    void loadWithoutComponentsDoesNothing()
    {
        QTemporaryDir system;
        recording->system = system.path();
        recording->registrar = QStringLiteral("REGSVR32.EXE");
        folder->writeBytes(QStringLiteral("RICHTX32.OCX"), "rich");
        player::Form1 form;
        QVERIFY(recording->copies.isEmpty());
        QVERIFY(recording->started.isEmpty());
    }
};

QTEST_MAIN(TstStartWindow)
#include "tst_startwindow.moc"
