// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sessionfixture.h"

#include "player/form5.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

using testsupport::Session;

namespace {

QStringList multipleChoice(const QStringList &options, const QString &statement = QStringLiteral("Quina?"))
{
    return QStringList{QStringLiteral(" 1 "), QStringLiteral("Mestra"), statement} + options;
}

QStringList trueFalse()
{
    return {QStringLiteral(" 6 "), QStringLiteral("Mestra"), QStringLiteral("Cert?"), QStringLiteral("FALSO")};
}

// Three true/false questions so that a subject takes part.
void fillSubject(Session &s, const QString &subject, int count = 3)
{
    for (int n = 1; n <= count; ++n)
        s.question(subject, n, trueFalse());
}

// Words of five letters and a space up to `length` characters.
QString words(int length)
{
    QString text;
    while (text.size() < length)
        text += QStringLiteral("mots ");
    return text.left(length);
}

// The window on a 1024x768 screen, whatever the screen the tests run on.
void at1024x768(player::Form3 *w)
{
    w->setWindowState(Qt::WindowNoState);
    w->resize(1024, 768);
    QTRY_COMPARE(w->size(), QSize(1024, 768));
}

// The scroll area a label reads in, if any.
QScrollArea *areaOf(QLabel *label)
{
    QWidget *viewport = label->parentWidget();
    return qobject_cast<QScrollArea *>(viewport ? viewport->parentWidget() : nullptr);
}

} // namespace

class TstTestWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyFileOnceWhenTheSubjectHasFewer()
    {
        Session s;
        fillSubject(s, QStringLiteral("Mates"), 5);
        // Repeats in the sequence are drawn again.
        player::Form3 *w = s.open({QStringLiteral("Mates")}, 15, {0.1, 0.1, 0.9, 0.5, 0.1, 0.3, 0.9, 0.7});
        QVERIFY(w);
        QCOMPARE(w->testCount(), 1);
        QCOMPARE(w->List1(0)->count(), 5);
        QStringList numbers;
        for (const QString &path : w->List2[0])
            numbers << QFileInfo(path).completeBaseName();
        QCOMPARE(numbers, QStringList({"1", "5", "3", "2", "4"}));
        QCOMPARE(w->List1(0)->item(0)->text(), QStringLiteral("1. Mates"));
        QCOMPARE(w->List1(0)->item(4)->text(), QStringLiteral("5. Mates"));
        QVERIFY(w->List2[0][0].endsWith(QStringLiteral("Proves/Mates/1.txt")));
        QCOMPARE(w->session().test(0).subject, QStringLiteral("Mates"));
        QCOMPARE(w->Command1(0)->text(), QStringLiteral("Mates"));
        QCOMPARE(s.platform->randomizeCalls, 1);
    }

    void twoOfThreeAndLabelsRestartPerSubject()
    {
        Session s;
        fillSubject(s, QStringLiteral("A"), 3);
        fillSubject(s, QStringLiteral("B/Opció 1"), 4);
        player::Form3 *w = s.open({QStringLiteral("A"), QStringLiteral("B")}, 2, {0.5, 0.9, 0.1, 0.3});
        QCOMPARE(w->testCount(), 2);
        QCOMPARE(w->List1(0)->count(), 2);
        QCOMPARE(w->List1(1)->count(), 2);
        QCOMPARE(w->List1(1)->item(0)->text(), QStringLiteral("1. B"));
        QVERIFY(w->List2[1][0].endsWith(QStringLiteral("Proves/B/Opció 1/1.txt")));
        QVERIFY(w->List2[1][1].endsWith(QStringLiteral("Proves/B/Opció 1/2.txt")));
        QVERIFY(w->Command1(1)->isVisibleTo(w));
        QVERIFY(!w->List1(1)->isVisibleTo(w));
    }

    void aGapInTheFolderDrawsTheMissingNumber()
    {
        Session s;
        s.question(QStringLiteral("Forats"), 1, trueFalse());
        s.question(QStringLiteral("Forats"), 2, trueFalse());
        s.question(QStringLiteral("Forats"), 4, trueFalse());
        player::Form3 *w = s.open({QStringLiteral("Forats")}, 15, testsupport::drawInOrder(3));
        QCOMPARE(w->List2[0].size(), 3);
        QVERIFY(w->List2[0][2].endsWith(QStringLiteral("/3.txt")));
        for (const QString &path : w->List2[0])
            QVERIFY(!path.endsWith(QStringLiteral("/4.txt")));
        s.show(0, 2);
        QVERIFY(w->Label18->text().contains(QStringLiteral("3.txt")));
        QVERIFY(!w->Command2->isEnabled());
        s.show(0, 0);
        QCOMPARE(w->Label18->text(), QString());
        QVERIFY(w->Command2->isEnabled());
        QCOMPARE(w->Label15->text(), QStringLiteral("Cert?"));
    }

    void subjectsWithTwoFilesDoNotTakePart()
    {
        Session s;
        fillSubject(s, QStringLiteral("Poques"), 2);
        fillSubject(s, QStringLiteral("Prou"), 3);
        player::Form3 *w = s.open({QStringLiteral("Poques"), QStringLiteral("Prou")}, 15, testsupport::drawInOrder(3));
        QCOMPARE(w->testCount(), 1);
        QCOMPARE(w->Command1(0)->text(), QStringLiteral("Prou"));
        QCOMPARE(w->Command1.count(), 1);
    }

    void noQualifyingSubjectKeepsTheSelection()
    {
        Session s;
        fillSubject(s, QStringLiteral("Poques"), 2);
        QVERIFY(!s.open({QStringLiteral("Poques")}, 15, {}));
        QCOMPARE(s.platform->messages.size(), 1);
        // The pupil did choose: the message names the subjects that are too small.
        QCOMPARE(s.platform->messages[0].text,
                 QStringLiteral("Les matèries triades tenen menys de 3 preguntes i no es poden fer: «Poques»."));
        QVERIFY(s.selection->isEnabled());
    }

    void atMostSixteenTests()
    {
        Session s;
        QStringList names;
        for (int i = 0; i < 17; ++i) {
            const QString name = QStringLiteral("M%1").arg(i, 2, 10, QChar(u'0'));
            fillSubject(s, name);
            names << name;
        }
        player::Form3 *w = s.open(names, 3, {});
        QCOMPARE(w->testCount(), 16);
        QCOMPARE(w->Command1(15)->text(), QStringLiteral("M15"));
        // The session ends only when the tests that exist are finished.
        QCOMPARE(w->Command1.count(), 16);
    }

    // Where the controls go is the layout's table; the graphic viewport is
    // still placed by the window.
    void graphicViewportTwoThirdsOfItsFrame()
    {
        Session s;
        fillSubject(s, QStringLiteral("A"));
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, {});
        const QRect frame = w->Frame1[bank::QuestionType::GraphicPoint]->geometry();
        const QRect view = w->Picture1->geometry();
        QVERIFY(qAbs(view.width() - frame.width() * 2 / 3) <= 1);
        QVERIFY(qAbs(view.height() - frame.height() * 2 / 3) <= 1);
        const int viewLeft = w->Picture1->mapTo(w->Frame1[bank::QuestionType::GraphicPoint], QPoint(0, 0)).x();
        QVERIFY(qAbs(viewLeft - (frame.width() - view.width()) / 2) <= 1);
        QCOMPARE(w->VScroll1->x(), view.right() + 1);
        QCOMPARE(w->HScroll1->width(), view.width());
        QVERIFY(w->HScroll1->y() > view.bottom());
    }

    void startUpValues()
    {
        Session s;
        fillSubject(s, QStringLiteral("A"), 4);
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, {}, QStringLiteral("Pau"));
        QCOMPARE(w->pupilName, QStringLiteral("Pau"));
        QCOMPARE(w->RichTextBox3->text(), QStringLiteral("Pau"));
        QVERIFY(!w->RichTextBox3->isVisibleTo(w));
        for (int i = 0; i < player::kTypeCodes; ++i)
            QCOMPARE(w->Frame1[i]->isVisibleTo(w), i == bank::typeCode(bank::QuestionType::None));
        QVERIFY(!s.selection->isEnabled());
        QVERIFY(!w->Command6[player::TopButton::Results]->isEnabled());
        QVERIFY(!w->Command7[player::ReportButton::Report]->isEnabled());
        QVERIFY(!w->Timer1->isActive());
        QVERIFY(!w->Label17[player::ClockLabel::Allowed]->isVisibleTo(w));
        QCOMPARE(w->Command3[player::Counter::Wrong]->text(), QStringLiteral("0"));
        QCOMPARE(w->Command3[player::Counter::Questions]->text(), QStringLiteral("3"));
        QCOMPARE(w->Command3[player::Counter::Right]->text(), QStringLiteral("0"));
        QCOMPARE(w->Label14->text(), w->files.typeHelpTexts[bank::QuestionType::None]);
        QVERIFY(!w->files.typeHelpTexts[bank::QuestionType::None].isEmpty());
        QCOMPARE(w->files.texts.right, QStringLiteral("CORRECTA"));
        QCOMPARE(w->files.texts.wrong, QStringLiteral("INCORRECTA"));
        QCOMPARE(w->Command5[player::TrueFalseButton::SaysTrue]->text(), QStringLiteral("VERTADER"));
        QCOMPARE(w->Command2->text(), QStringLiteral("Confirmar"));
        QCOMPARE(w->files.rightLabel, QStringLiteral("Encerts"));
        QCOMPARE(w->files.quitQuestion, QStringLiteral("Segur que vols sortir del programa?"));
        QCOMPARE(w->files.markScaleHundredths, 1000);
        QCOMPARE(w->Picture2->fillColor(), ui::kBlue);
    }

    void clockAtStartUp_data()
    {
        QTest::addColumn<QString>("limit");
        QTest::addColumn<bool>("running");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("seconds");
        QTest::newRow("90 minutes") << "90" << true << "1 H : 30 m" << 5400;
        QTest::newRow("45 minutes") << "45" << true << "0 H : 45 m" << 2700;
        QTest::newRow("479 accepted") << "479" << true << "7 H : 59 m" << 28740;
        QTest::newRow("480 refused") << "480" << false << "" << 0;
        QTest::newRow("0 refused") << "0" << false << "" << 0;
        QTest::newRow("empty box") << "" << false << "" << 0;
    }
    void clockAtStartUp()
    {
        QFETCH(QString, limit);
        QFETCH(bool, running);
        QFETCH(QString, caption);
        QFETCH(int, seconds);
        Session s;
        fillSubject(s, QStringLiteral("A"));
        s.timeLimit = limit;
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, {});
        QCOMPARE(w->Timer1->isActive(), running);
        QCOMPARE(w->Label17[player::ClockLabel::Allowed]->isVisibleTo(w), running);
        QCOMPARE(w->Label17[player::ClockLabel::Allowed]->text(), caption);
        QCOMPARE(w->session().remainingSeconds, seconds);
    }

    void markScale_data()
    {
        QTest::addColumn<QString>("tope");
        QTest::addColumn<int>("hundredths");
        QTest::newRow("20") << "20" << 2000;
        QTest::newRow("zero") << "0" << 1000;
        QTest::newRow("negative") << "-3" << 1000;
        QTest::newRow("text") << "deu" << 1000;
        QTest::newRow("7.9 kept") << "7.9" << 790;
        QTest::newRow("6,5 kept, not rounded") << "6,5" << 650;
        QTest::newRow("missing file") << QString() << 1000;
    }
    void markScale()
    {
        QFETCH(QString, tope);
        QFETCH(int, hundredths);
        Session s;
        fillSubject(s, QStringLiteral("A"));
        if (tope.isNull())
            s.folder.remove(QStringLiteral("tope.txt"));
        else
            s.folder.writeLines(QStringLiteral("tope.txt"), {tope});
        QCOMPARE(s.open({QStringLiteral("A")}, 3, {})->files.markScaleHundredths, hundredths);
    }

    void missingHelpFileLeavesHelpEmpty()
    {
        Session s;
        fillSubject(s, QStringLiteral("A"));
        s.folder.remove(QStringLiteral("idioma/ayuda.txt"));
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, {});
        for (const QString &help : w->files.typeHelpTexts)
            QCOMPARE(help, QString());
        QCOMPARE(w->Command2->text(), QStringLiteral("Confirmar"));
    }

    void missingMainTextsRepeatTheLastHelpLine()
    {
        Session s;
        fillSubject(s, QStringLiteral("A"));
        s.folder.writeLines(QStringLiteral("idioma/ayuda.txt"), {QStringLiteral("h0"), QStringLiteral("h1"), QStringLiteral("h2")});
        s.folder.remove(QStringLiteral("idioma/Principal.txt"));
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, {});
        QCOMPARE(w->files.typeHelpTexts[bank::QuestionType::TrueFalse], QStringLiteral("h2"));
        QCOMPARE(w->Command2->text(), QStringLiteral("h2"));
        QCOMPARE(w->Label12->text(), QStringLiteral("h2"));
        QCOMPARE(w->files.texts.right, QStringLiteral("h2"));
        QCOMPARE(w->Command5[player::TrueFalseButton::SaysFalse]->text(), QStringLiteral("h2"));
    }

    void finalTextsMissingStillOpens()
    {
        Session s;
        fillSubject(s, QStringLiteral("A"));
        s.folder.writeLines(QStringLiteral("idioma/Final.txt"), {QStringLiteral("Títol"), QStringLiteral("Bé")});
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, {});
        QCOMPARE(w->files.rightLabel, QStringLiteral("Bé"));
        QCOMPARE(w->files.wrongLabel, QString());
        QCOMPARE(w->files.quitQuestion, QString());
    }

    void optionOrderOfTheWindow()
    {
        Session s;
        s.question(QStringLiteral("A"), 1, multipleChoice({QStringLiteral("zero"), QStringLiteral("u "), QStringLiteral("dos")}));
        s.question(QStringLiteral("A"), 2, multipleChoice({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c ")}));
        s.question(QStringLiteral("A"), 3, trueFalse());
        player::Form3 *w = s.open({QStringLiteral("A")}, 3,
                                  testsupport::drawInOrder(3) + testsupport::optionOrderValues({5, 2, 5, 7, 0, 3, 6, 1, 4}));
        QCOMPARE(w->optionOrder, (std::array<int, 8>{5, 2, 7, 0, 3, 6, 1, 4}));
        for (int row : {0, 1}) {
            s.show(0, row);
            QCOMPARE(bank::typeCode(w->shown.questionType), 1);
            QVERIFY(w->Frame1[bank::QuestionType::MultipleChoice]->isVisibleTo(w));
            QVERIFY(w->Label3(2)->text().startsWith(QStringLiteral("1. ")));
            QVERIFY(w->Label3(0)->text().startsWith(QStringLiteral("2. ")));
            QVERIFY(w->Label3(1)->text().startsWith(QStringLiteral("3. ")));
            QCOMPARE(ui::topTwips(w->Label3(2)), 1440);
            QCOMPARE(w->Label3(0)->y(), ui::px(ui::topTwips(w->Label3(2)) + ui::heightTwips(w->Label3(2)) + 100));
            QVERIFY(w->Label3(3)->isHidden());
            QCOMPARE(w->Label3(3)->text(), QString());
        }
        QCOMPARE(w->Label3(2)->text(), QStringLiteral("1. c "));
        QCOMPARE(w->Label2->text(), QStringLiteral("Quina?"));
        QCOMPARE(w->Label4->text(), QStringLiteral("Autor: Mestra"));
        QCOMPARE(w->Label14->text(), w->files.typeHelpTexts[bank::QuestionType::MultipleChoice]);
        QCOMPARE(ui::backColor(w->Command2), ui::kGreen);
        QVERIFY(w->Command2->isEnabled());
    }

    void eightOptionsStack()
    {
        Session s;
        QStringList options;
        for (int i = 1; i <= 8; ++i)
            options << QStringLiteral("opció %1").arg(i);
        for (int n = 1; n <= 3; ++n)
            s.question(QStringLiteral("A"), n, multipleChoice(options));
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
        s.show(0, 0);
        for (int i = 0; i < 8; ++i) {
            QVERIFY(!w->Label3(i)->isHidden());
            QCOMPARE(w->Label3(i)->text(), QStringLiteral("%1. opció %1").arg(i + 1));
        }
        QVERIFY(w->Label3(7)->y() > w->Label3(6)->y());
        QVERIFY(w->Command4->isHidden());
    }

    void attachments_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<bool>("attachment");
        QTest::addColumn<bool>("picture");
        QTest::newRow("lower-case jpg") << "balears.JPG" << true << true;
        QTest::newRow("upper-case GIF") << "Angle.GIF" << true << true;
        QTest::newRow("upper-case TXT") << "POEMA.TXT" << true << false;
        QTest::newRow("txt with a space is an option") << "notes.txt " << false << false;
        QTest::newRow("plain option") << "ver mapa" << false << false;
    }
    void attachments()
    {
        QFETCH(QString, last);
        QFETCH(bool, attachment);
        QFETCH(bool, picture);
        Session s;
        for (int n = 1; n <= 3; ++n)
            s.question(QStringLiteral("A"), n, multipleChoice({QStringLiteral("u "), QStringLiteral("dos"), last}));
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
        s.show(0, 0);
        QCOMPARE(w->Command4->isHidden(), !attachment);
        QCOMPARE(w->Label3(2)->isHidden(), attachment);
        QCOMPARE(w->attachmentViewer() != nullptr, attachment);
        if (!attachment)
            return;
        QCOMPARE(w->attachmentViewer()->attachment().name, last);
        QCOMPARE(w->attachmentViewer()->attachment().isPicture, picture);
        QCOMPARE(w->Label3(2)->text(), last);
        QCOMPARE(w->Label18->text(), QString());
        player::Form5 *viewer = w->attachmentViewer();
        QCOMPARE(viewer->Image1->isVisibleTo(viewer), picture);
        QCOMPARE(viewer->Text1->isVisibleTo(viewer), !picture);
        if (!picture)
            QVERIFY(!viewer->Text1->toPlainText().isEmpty());
        // The button opens it again.
        viewer->close();
        QTest::qWait(1);
        w->Command4_Click();
        QVERIFY(w->attachmentViewer());
    }

    void viewerSizes()
    {
        Session s;
        QImage picture(200, 133, QImage::Format_RGB32); // 3000 x 1995 twips
        picture.fill(Qt::yellow);
        QVERIFY(picture.save(s.folder.file(QStringLiteral("Graficos/quadre.jpg"))));
        s.question(QStringLiteral("A"), 1, multipleChoice({QStringLiteral("u "), QStringLiteral("dos"), QStringLiteral("quadre.jpg")}));
        s.question(QStringLiteral("A"), 2, multipleChoice({QStringLiteral("u "), QStringLiteral("dos"), QStringLiteral("poema.txt")}));
        s.question(QStringLiteral("A"), 3, multipleChoice({QStringLiteral("u "), QStringLiteral("dos"), QStringLiteral("falta.txt")}));
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
        s.show(0, 0);
        player::Form5 *viewer = w->attachmentViewer();
        QCOMPARE(viewer->windowWidthTwips(), 3000);
        QCOMPARE(viewer->windowHeightTwips(), 1995 + 550);
        s.show(0, 1);
        QCOMPARE(viewer->windowWidthTwips(), 6000);
        QCOMPARE(viewer->windowHeightTwips(), 4500);
        QCOMPARE(viewer->Text1->width(), ui::px(6000 - 75));
        QCOMPARE(viewer->Text1->height(), ui::px(4500 - 550));
        QVERIFY(!viewer->Text1->toPlainText().isEmpty());
        // Another question's missing text leaves nothing of this one's.
        s.show(0, 2);
        QVERIFY(w->Label18->text().contains(QStringLiteral("falta.txt")));
        QCOMPARE(viewer->Text1->toPlainText(), QString());
        // Made too small by the pupil, the text box never gets a negative size.
        viewer->resize(1, 1);
        QVERIFY(viewer->Text1->width() >= 0 && viewer->Text1->height() >= 0);
    }

    void reopenedMultipleChoice_data()
    {
        QTest::addColumn<int>("red");
        QTest::addColumn<QColor>("button");
        QTest::newRow("wrong, third option chosen") << 2 << ui::kRed;
        QTest::newRow("right") << -1 << ui::kBlue;
    }
    void reopenedMultipleChoice()
    {
        QFETCH(int, red);
        QFETCH(QColor, button);
        Session s;
        for (int n = 1; n <= 3; ++n)
            s.question(QStringLiteral("A"), n, multipleChoice({QStringLiteral("u "), QStringLiteral("dos"), QStringLiteral("tres"), QStringLiteral("quatre ")}));
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
        // Judged earlier in the session.
        QVERIFY(w->session().book(0, 0, red < 0, QStringLiteral("?"), QStringLiteral("u "), red));
        s.show(0, 0);
        if (red >= 0)
            QCOMPARE(ui::foreColor(w->Label3(red)), ui::kRed);
        // Both options ending in a space show in blue.
        QCOMPARE(ui::foreColor(w->Label3(0)), ui::kBlue);
        QCOMPARE(ui::foreColor(w->Label3(3)), ui::kBlue);
        QVERIFY(w->Label3(3)->font().bold());
        QCOMPARE(w->Label3(3)->font().pointSize(), 12);
        QCOMPARE(ui::foreColor(w->Label3(1)), ui::kBlack);
        QCOMPARE(ui::backColor(w->Command2), button);
        QVERIFY(!w->Command2->isEnabled());
        QVERIFY(!w->Frame1[bank::QuestionType::MultipleChoice]->isEnabled());
    }

    void badQuestionFiles_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<int>("type");
        QTest::newRow("ninth option line") << multipleChoice({"1", "2", "3", "4", "5", "6", "7", "8", "9"}) << true << 1;
        QTest::newRow("no options") << QStringList{" 1 ", "x", "Pregunta"} << true << 1;
        QTest::newRow("written answer without its answer") << QStringList{" 2 ", "x", "Pregunta"} << true << 2;
        QTest::newRow("type 9") << QStringList{" 9 ", "x", "Pregunta"} << true << 0;
        QTest::newRow("negative type") << QStringList{"-1", "x"} << true << 0;
        QTest::newRow("type 0") << QStringList{"sense número", "x"} << false << 0;
        QTest::newRow("empty file") << QStringList{} << true << 0;
    }
    void badQuestionFiles()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, fails);
        QFETCH(int, type);
        Session s;
        s.question(QStringLiteral("A"), 1, lines);
        s.question(QStringLiteral("A"), 2, trueFalse());
        s.question(QStringLiteral("A"), 3, trueFalse());
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
        s.show(0, 1);
        QVERIFY(w->Command2->isEnabled());
        s.show(0, 0);
        QCOMPARE(!w->Label18->text().isEmpty(), fails);
        if (fails)
            QVERIFY(!w->Command2->isEnabled());
        if (type == 2)
            QCOMPARE(w->Label5->text(), QStringLiteral("Pregunta"));
        if (!fails) {
            // Type 0: the empty frame and the general help; the button as it was.
            QCOMPARE(bank::typeCode(w->shown.questionType), 0);
            QVERIFY(w->Frame1[bank::QuestionType::None]->isVisibleTo(w));
            QCOMPARE(w->Label14->text(), w->files.typeHelpTexts[bank::QuestionType::None]);
            QVERIFY(w->Command2->isEnabled());
        }
        // The next good entry works as usual.
        s.show(0, 2);
        QCOMPARE(w->Label18->text(), QString());
        QVERIFY(w->Command2->isEnabled());
    }

    // ---- a 1024x768 screen

    // Every statement is laid out whole in its place: at its full height,
    // scrolled when, and only when, it is taller than the place.
    void statementsReadWhole_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("length");
        for (int type = 1; type <= 6; ++type) {
            QTest::addRow("type %d, 600 characters", type) << type << 600;
            QTest::addRow("type %d, 20 characters: as designed", type) << type << 20;
        }
    }
    void statementsReadWhole()
    {
        QFETCH(int, type);
        QFETCH(int, length);
        Session s;
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QVERIFY(picture.save(s.folder.file(QStringLiteral("Graficos/p.png"))));
        s.folder.writeLines(QStringLiteral("textos/t.txt"), {QStringLiteral("la casa")});
        const QString statement = words(length);
        const QStringList rest[] = {
            {statement, words(length / 3) + QStringLiteral(" "), words(length / 3), words(length / 3), words(length / 3)},
            {statement, QStringLiteral("x")},
            {QStringLiteral("p.png"), statement, QStringLiteral("x")},
            {QStringLiteral("p.png"), statement, QStringLiteral("10"), QStringLiteral("10")},
            {QStringLiteral("t.txt"), statement, QStringLiteral("casa")},
            {statement, QStringLiteral("FALSO")},
        };
        s.question(QStringLiteral("A"), 1, QStringList{QStringLiteral(" %1 ").arg(type), QStringLiteral("Mestra")} + rest[type - 1]);
        s.question(QStringLiteral("A"), 2, trueFalse());
        s.question(QStringLiteral("A"), 3, trueFalse());
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
        at1024x768(w);
        s.show(0, 0);
        QCOMPARE(w->Label18->text(), QString());
        QLabel *const labels[] = {w->Label2, w->Label5, w->Label7, w->Label9, w->Label10, w->Label15};
        QLabel *label = labels[type - 1];
        QCOMPARE(label->text(), statement);
        QWidget *frame = w->Frame1[type];
        QScrollArea *area = areaOf(label);
        QWidget *place = area ? static_cast<QWidget *>(area) : label;
        QVERIFY(frame->rect().contains(place->geometry()));
        QTRY_VERIFY(label->height() >= label->heightForWidth(label->width()));
        const int hidden = label->height() - (area ? area->viewport()->height() : label->height());
        if (length == 20) {
            QCOMPARE(hidden, 0);
            QVERIFY(!area || !area->verticalScrollBar()->isVisible());
        } else if (hidden > 0) {
            QVERIFY(area->verticalScrollBar()->isVisible());
            QCOMPARE(area->verticalScrollBar()->maximum(), hidden);
        }
        if (type != 1)
            return;
        // The options too, each whole also in the larger font of a chosen
        // one, stacked in the frame without overlapping.
        int above = place->geometry().bottom();
        for (int n = 0; n < 4; ++n) {
            ui::ClickLabel *option = w->Label3(w->optionOrder[n]);
            w->Label3_Click(w->optionOrder[n]);
            QVERIFY(option->height() >= option->heightForWidth(option->width()));
            QVERIFY(option->y() > above);
            QVERIFY(option->geometry().bottom() < frame->height());
            above = option->geometry().bottom();
        }
    }

    // A long subject name gives way on its button, the mark does not; the
    // whole caption is the tooltip and the accessible name. Sixteen tests
    // leave the question list at least five rows.
    void testButtonsOn1024x768_data()
    {
        QTest::addColumn<int>("tests");
        QTest::newRow("one test: a wide button") << 1;
        QTest::newRow("sixteen tests: narrow buttons") << 16;
    }
    void testButtonsOn1024x768()
    {
        QFETCH(int, tests);
        Session s;
        const QString longName = QStringLiteral("Llengua Castellana i Literatura de segon curs");
        QStringList names{longName};
        fillSubject(s, longName);
        for (int i = 1; i < tests; ++i) {
            names << QStringLiteral("M%1").arg(i, 2, 10, QChar(u'0'));
            fillSubject(s, names.last());
        }
        player::Form3 *w = s.open(names, 3, {});
        QCOMPARE(w->testCount(), tests);
        at1024x768(w);
        int k = 0;
        while (w->session().test(k).subject != longName)
            ++k;
        s.show(k, 0);
        testsupport::answerTrueFalse(w, false);
        QPushButton *button = w->Command1(k);
        const QString whole = longName + QStringLiteral(" -  3,33");
        QVERIFY2(button->text().endsWith(QStringLiteral(" -  3,33")), qPrintable(button->text()));
        QVERIFY(button->text().contains(QChar(0x2026)));
        const int margins = 2 * (button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
                                 + button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
        QVERIFY(QFontMetrics(button->font()).horizontalAdvance(button->text()) <= button->width() - margins);
        QCOMPARE(button->toolTip(), whole);
        QCOMPARE(button->accessibleName(), whole);

        QListWidget *list = w->List1(k);
        QVERIFY(list->height() >= 5 * list->sizeHintForRow(0) + 2 * list->frameWidth());
        QVERIFY(list->geometry().bottom() < w->height());
        for (int i = 0; i < tests; ++i) {
            QVERIFY(w->rect().contains(w->Command1(i)->geometry()));
            QVERIFY(w->Command1(i)->geometry().bottom() < list->y());
        }
    }

    // Under a window manager the title bar takes some of the screen: the
    // window asks to be maximised and lays its controls out in the size it
    // gets, so the confirm button and the help line stay on it.
    void laidOutInTheSizeItGets_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("1024x768 less a title bar") << QSize(1024, 738);
        QTest::newRow("800x600 less a title bar and a panel") << QSize(800, 540);
    }
    void laidOutInTheSizeItGets()
    {
        QFETCH(QSize, size);
        Session s;
        fillSubject(s, QStringLiteral("A"));
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, {});
        QVERIFY(w->windowState().testFlag(Qt::WindowMaximized));
        w->setWindowState(Qt::WindowNoState);
        w->resize(size);
        QTRY_COMPARE(w->size(), size);
        for (QWidget *control : {static_cast<QWidget *>(w->Command2), static_cast<QWidget *>(w->Label14),
                                 static_cast<QWidget *>(w->Label18), static_cast<QWidget *>(w->List1(0))})
            QVERIFY2(w->rect().contains(control->geometry()), qPrintable(control->objectName()));
        QCOMPARE(w->Frame1[0]->geometry().right(), size.width() - 1 - ui::px(100));
    }

    void nameWithAFolderIsAMissingFile()
    {
        Session s;
        s.question(QStringLiteral("A"), 1, {QStringLiteral(" 3 "), QStringLiteral("x"), QStringLiteral("../tope.txt"), QStringLiteral("Què?"), QStringLiteral("res")});
        s.question(QStringLiteral("A"), 2, trueFalse());
        s.question(QStringLiteral("A"), 3, trueFalse());
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
        s.show(0, 0);
        QVERIFY(w->Label18->text().contains(QStringLiteral("tope.txt")));
        QVERIFY(w->Image1->isHidden());
    }
};

QTEST_MAIN(TstTestWindow)
#include "tst_testwindow.moc"
