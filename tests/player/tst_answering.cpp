// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sessionfixture.h"

#include "player/form4.h"
#include "player/scrollinglabel.h"

#include <QDir>
#include <QPainter>
#include <QTest>

#include <cmath>

using testsupport::Session;

namespace {

const QColor kMagenta(255, 0, 255);

QStringList question(int type, const QStringList &rest)
{
    return QStringList{QStringLiteral(" %1 ").arg(type), QStringLiteral("Mestra")} + rest;
}

QStringList trueFalse(const QString &answer = QStringLiteral("FALSO"))
{
    return question(6, {QStringLiteral("Les balenes són peixos."), answer});
}

// A white graphic split by a black line at x = 100..102 into a left and a
// right region, with a black dot at (250, 20).
void writeGraphic(Session &s, const QString &name, QSize size = QSize(300, 200))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(100, 0, 3, size.height(), Qt::black);
    p.fillRect(250, 20, 1, 1, Qt::black);
    p.end();
    QVERIFY(image.save(s.folder.file(QStringLiteral("Graficos/") + name)));
}

// Opens a test "A" whose first question is `first`; the others are
// true/false questions.
player::Form3 *openWith(Session &s, const QStringList &first, int questions = 3)
{
    s.question(QStringLiteral("A"), 1, first);
    for (int n = 2; n <= questions; ++n) {
        if (!QFileInfo::exists(s.folder.file(QStringLiteral("Preguntas/Proves/A/%1.txt").arg(n))))
            s.question(QStringLiteral("A"), n, trueFalse());
    }
    player::Form3 *w = s.open({QStringLiteral("A")}, questions,
                              testsupport::drawInOrder(questions) + testsupport::drawInOrder(8));
    s.show(0, 0);
    return w;
}

QString transcriptTail(const player::Form3 *w)
{
    const QString text = w->RichTextBox3->text();
    return text.mid(text.indexOf(QStringLiteral("\r\r\r")));
}

// WCAG contrast ratio of two colours.
double contrast(const QColor &a, const QColor &b)
{
    auto luminance = [](const QColor &c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class TstAnswering : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void multipleChoiceWrong()
    {
        Session s;
        player::Form3 *w = openWith(s, question(1, {QStringLiteral("Quin és un mamífer?"), QStringLiteral("Tauró"), QStringLiteral("Dofí "), QStringLiteral("Serp")}));
        w->Label3_Click(2);
        QCOMPARE(ui::foreColor(w->Label3(2)), ui::kBlue);
        QCOMPARE(w->Label3(2)->font().pointSize(), 12);
        w->Command2_Click();
        QCOMPARE(w->List1(0)->item(0)->text(), QStringLiteral("INCORRECTA   "));
        QCOMPARE(ui::foreColor(w->Label3(2)), ui::kRed);
        QCOMPARE(ui::foreColor(w->Label3(1)), ui::kBlue);
        QVERIFY(w->Label3(1)->font().bold());
        QCOMPARE(ui::backColor(w->Command2), ui::kRed);
        QVERIFY(!w->Command2->isEnabled());
        QVERIFY(!w->Frame1[bank::QuestionType::MultipleChoice]->isEnabled());
        QCOMPARE(w->Command3[player::Counter::Wrong]->text(), QStringLiteral("1"));
        QCOMPARE(w->session().test(0).wrong, 1);
        QCOMPARE(w->Command1(0)->text(), QStringLiteral("A -  0,00"));
        QVERIFY(w->Gif89a1->fileName().endsWith(QStringLiteral("gifs/no.gif")));
        QCOMPARE(s.platform->sounds.size(), 1);
        QVERIFY(s.platform->sounds[0].endsWith(QStringLiteral("sonidos/no.wav")));
        QCOMPARE(transcriptTail(w), QStringLiteral("\r\r\r1.- Quin és un mamífer?\r\r --- Serp - INCORRECTA"));
        // Shown again, it keeps its verdict.
        s.show(0, 1);
        s.show(0, 0);
        QCOMPARE(ui::foreColor(w->Label3(2)), ui::kRed);
        QVERIFY(!w->Command2->isEnabled());
    }

    void multipleChoiceRight()
    {
        Session s;
        player::Form3 *w = openWith(s, question(1, {QStringLiteral("Quin és un mamífer?"), QStringLiteral("Tauró"), QStringLiteral("Dofí ")}));
        QTest::mouseClick(w->Label3(1), Qt::LeftButton);
        QTest::mouseClick(w->Command2, Qt::LeftButton);
        QCOMPARE(w->List1(0)->item(0)->text(), QStringLiteral("CORRECTA"));
        QCOMPARE(ui::backColor(w->Command2), ui::kBlue);
        QCOMPARE(w->Command3[player::Counter::Right]->text(), QStringLiteral("1"));
        QCOMPARE(w->session().test(0).mark, QStringLiteral(" 3,33"));
        QCOMPARE(w->Command1(0)->text(), QStringLiteral("A -  3,33"));
        QVERIFY(w->Gif89a1->fileName().endsWith(QStringLiteral("gifs/si.gif")));
        QVERIFY(s.platform->sounds.value(0).endsWith(QStringLiteral("sonidos/si.wav")));
        QVERIFY(transcriptTail(w).endsWith(QStringLiteral(" --- Dofí  - CORRECTA")));
    }

    void confirmWithoutAChoiceJudgesNothing()
    {
        Session s;
        s.question(QStringLiteral("A"), 2, question(1, {QStringLiteral("Primera"), QStringLiteral("a "), QStringLiteral("b")}));
        player::Form3 *w = openWith(s, question(1, {QStringLiteral("Segona"), QStringLiteral("c"), QStringLiteral("d ")}));
        // A choice made on another question does not carry over.
        s.show(0, 1);
        w->Label3_Click(0);
        s.show(0, 0);
        w->Command2_Click();
        QCOMPARE(w->session().answeredCount(), 0);
        QVERIFY(w->Command2->isEnabled());
        QCOMPARE(w->List1(0)->item(0)->text(), QStringLiteral("1. A"));
        QCOMPARE(w->RichTextBox3->text(), QStringLiteral("Anna"));
    }

    void noCorrectOptionIsAlwaysWrong()
    {
        Session s;
        player::Form3 *w = openWith(s, question(1, {QStringLiteral("?"), QStringLiteral("a"), QStringLiteral("b")}));
        w->Label3_Click(0);
        w->Command2_Click();
        QCOMPARE(w->List1(0)->item(0)->text(), QStringLiteral("INCORRECTA "));
        QCOMPARE(ui::foreColor(w->Label3(1)), ui::kBlack);
    }

    void typedAnswer_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("beeps");
        QTest::newRow("no mistake") << "casa" << true << 0;
        QTest::newRow("one corrected letter") << "caxsa" << true << 1;
        QTest::newRow("several wrong keys at one letter") << "caxysa" << true << 2;
        QTest::newRow("two corrected letters") << "cxaxsa" << false << 2;
    }
    void typedAnswer()
    {
        QFETCH(QString, keys);
        QFETCH(bool, right);
        QFETCH(int, beeps);
        Session s;
        player::Form3 *w = openWith(s, question(2, {QStringLiteral("Com es diu on vius?"), QStringLiteral("Casa")}));
        QCOMPARE(w->RichTextBox1->text(), QString());
        QTest::keyClicks(w->RichTextBox1, keys);
        QCOMPARE(w->RichTextBox1->text(), QStringLiteral("casa"));
        QCOMPARE(s.platform->beeps, beeps);
        QVERIFY(!w->RichTextBox1->isEnabled());
        QVERIFY(!w->Command2->isEnabled());
        QCOMPARE(w->List1(0)->item(0)->text(), right ? QStringLiteral("CORRECTA") : QStringLiteral("INCORRECTA"));
        QCOMPARE(w->RichTextBox1->boldAt(0), true);
        QCOMPARE(w->RichTextBox1->colorAt(0), ui::kBlue);
        if (keys == u"caxsa")
            QCOMPARE(w->RichTextBox1->colorAt(2), kMagenta);
        QVERIFY(transcriptTail(w).endsWith(right ? QStringLiteral(" --- Casa - CORRECTA")
                                                 : QStringLiteral(" --- ??? - INCORRECTA")));
        QCOMPARE(s.platform->sounds.size(), 1);
        QCOMPARE(w->session().test(0).mark, right ? QStringLiteral(" 3,33") : QStringLiteral(" 0,00"));
        // The answer area is back in its place.
        QCOMPARE(w->Frame1[bank::QuestionType::WrittenAnswer]->geometry(), w->Frame1[bank::QuestionType::None]->geometry());
    }

    void wrongLetterShowsRedUntilReplaced()
    {
        Session s;
        player::Form3 *w = openWith(s, question(2, {QStringLiteral("?"), QStringLiteral("Casa")}));
        QTest::keyClicks(w->RichTextBox1, QStringLiteral("cax"));
        QCOMPARE(w->RichTextBox1->text(), QStringLiteral("cax"));
        QCOMPARE(w->RichTextBox1->colorAt(2), ui::kRed);
        // The area stretches across the screen while the pupil types.
        QCOMPARE(w->Frame1[bank::QuestionType::WrittenAnswer]->x(), ui::px(20));
        QVERIFY(w->Frame1[bank::QuestionType::WrittenAnswer]->width() > w->Frame1[bank::QuestionType::None]->width());
        // Backspace, Enter and Delete do nothing.
        QTest::keyClick(w->RichTextBox1, Qt::Key_Backspace);
        QTest::keyClick(w->RichTextBox1, Qt::Key_Return);
        QTest::keyClick(w->RichTextBox1, Qt::Key_Delete);
        QCOMPARE(w->RichTextBox1->text(), QStringLiteral("cax"));
        QTest::keyClicks(w->RichTextBox1, QStringLiteral("S"));
        QCOMPARE(w->RichTextBox1->text(), QStringLiteral("caS"));
        QCOMPARE(w->RichTextBox1->colorAt(2), kMagenta);
    }

    void accentedLettersCompareUpperCased()
    {
        Session s;
        player::Form3 *w = openWith(s, question(2, {QStringLiteral("?"), QStringLiteral("volcà")}));
        QTest::keyClicks(w->RichTextBox1, QStringLiteral("VOLCÀ"));
        QCOMPARE(w->List1(0)->item(0)->text(), QStringLiteral("CORRECTA"));
        QCOMPARE(s.platform->beeps, 0);
    }

    void givingUpATypedAnswer()
    {
        Session s;
        player::Form3 *w = openWith(s, question(2, {QStringLiteral("Capital?"), QStringLiteral("París")}));
        QTest::keyClicks(w->RichTextBox1, QStringLiteral("Pa"));
        w->Command2_Click();
        QCOMPARE(w->RichTextBox1->text(), QStringLiteral("París"));
        QCOMPARE(w->RichTextBox1->colorAt(4), ui::kRed);
        QVERIFY(!w->RichTextBox1->isEnabled());
        QCOMPARE(w->List1(0)->item(0)->text(), QStringLiteral("INCORRECTA"));
        QCOMPARE(w->Command3[player::Counter::Wrong]->text(), QStringLiteral("1"));
        QVERIFY(s.platform->sounds.isEmpty());
        QVERIFY(w->Gif89a1->fileName().endsWith(QStringLiteral("no.gif")));
        QCOMPARE(transcriptTail(w), QStringLiteral("\r\r\r1.- Capital?\r\r --- ??? - INCORRECTA"));
        QCOMPARE(w->Frame1[bank::QuestionType::WrittenAnswer]->geometry(), w->Frame1[bank::QuestionType::None]->geometry());
        // Shown again: the expected answer, all red.
        s.show(0, 1);
        s.show(0, 0);
        QCOMPARE(w->RichTextBox1->text(), QStringLiteral("París"));
        QCOMPARE(w->RichTextBox1->colorAt(0), ui::kRed);
        QCOMPARE(ui::backColor(w->Command2), ui::kRed);
        QVERIFY(!w->Command2->isEnabled());
    }

    void pictureFillsTheBandKeepingItsShape()
    {
        Session s;
        QImage tall(100, 4000, QImage::Format_RGB32);
        tall.fill(Qt::darkGreen);
        QVERIFY(tall.save(s.folder.file(QStringLiteral("Graficos/alt.png"))));
        QImage small(40, 20, QImage::Format_RGB32);
        small.fill(Qt::red);
        QVERIFY(small.save(s.folder.file(QStringLiteral("Graficos/petit.png"))));
        s.question(QStringLiteral("A"), 2, question(3, {QStringLiteral("petit.png"), QStringLiteral("Color?"), QStringLiteral("vermell")}));
        player::Form3 *w = openWith(s, question(3, {QStringLiteral("alt.png"), QStringLiteral("Què és?"), QStringLiteral("arbre")}));
        // The statement's place: the scroll area a long one scrolls in.
        const QWidget *statement = player::placeOf(w->Label7);
        const int band = ui::topTwips(w->Label8) - (ui::topTwips(statement) + ui::heightTwips(statement)) - 100;
        QCOMPARE(w->Image1->height(), ui::px(band));
        QVERIFY(qAbs(w->Image1->width() - ui::px(band) / 40.0) <= 1);
        QVERIFY(qAbs(w->Image1->x() * 2 + w->Image1->width() - w->Frame1[bank::QuestionType::PictureAnswer]->width()) <= 2);
        QCOMPARE(w->Image1->y(), statement->geometry().bottom() + 1);
        QCOMPARE(w->Label7->text(), QStringLiteral("Què és?"));
        QVERIFY(w->Label8->geometry().bottom() < w->RichTextBox2->y());
        s.show(0, 1);
        // Enlarged to the band, or, when that would not fit across the
        // frame, to the frame's width; the shape is kept either way.
        QVERIFY(qAbs(w->Image1->width() - 2 * w->Image1->height()) <= 2);
        QVERIFY(w->Image1->height() == ui::px(band)
                || qAbs(w->Image1->width() - ui::px(ui::widthTwips(w->Frame1[bank::QuestionType::PictureAnswer]) - 400)) <= 1);
        QVERIFY(w->Image1->height() > 20);
        QVERIFY(w->Image1->x() >= 0);
        QTest::keyClicks(w->RichTextBox2, QStringLiteral("vermell"));
        QCOMPARE(w->List1(0)->item(1)->text(), QStringLiteral("CORRECTA"));
        QCOMPARE(w->Frame1[bank::QuestionType::PictureAnswer]->geometry(), w->Frame1[bank::QuestionType::None]->geometry());
    }

    void missingPictureTakesTheErrorPath()
    {
        Session s;
        player::Form3 *w = openWith(s, question(3, {QStringLiteral("no-hi-és.jpg"), QStringLiteral("?"), QStringLiteral("x")}));
        QVERIFY(w->Label18->text().contains(QStringLiteral("no-hi-és.jpg")));
        QVERIFY(!w->Command2->isEnabled());
    }

    void graphicClickedInTheTarget()
    {
        Session s;
        writeGraphic(s, QStringLiteral("dues.png"));
        player::Form3 *w = openWith(s, question(4, {QStringLiteral("dues.png"), QStringLiteral("La part esquerra"), QStringLiteral("50"), QStringLiteral("60")}));
        QCOMPARE(w->shown.targetX, 50.0);
        w->graphic->markAt(QPointF(200, 100));
        QCOMPARE(w->Picture2->pixel(200, 100), ui::kBlue);
        // A second click repaints first: only the latest region stays blue.
        w->graphic->markAt(QPointF(10.4, 20.6));
        QCOMPARE(w->Picture2->pixel(200, 100), QColor(Qt::white));
        QCOMPARE(w->Picture2->pixel(50, 60), ui::kBlue);
        QCOMPARE(w->shown.markX, 10.4);
        QCOMPARE(w->shown.markY, 21);
        w->Command2_Click();
        QCOMPARE(w->List1(0)->item(0)->text(), QStringLiteral("CORRECTA"));
        QVERIFY(transcriptTail(w).endsWith(QStringLiteral("\r\r --- CORRECTA")));
        QVERIFY(!transcriptTail(w).contains(QStringLiteral(" - CORRECTA")));
    }

    void graphicConfirmedWithoutAClickJudgesNothing()
    {
        Session s;
        writeGraphic(s, QStringLiteral("dues.png"));
        player::Form3 *w = openWith(s, question(4, {QStringLiteral("dues.png"), QStringLiteral("La part dreta"), QStringLiteral("200"), QStringLiteral("100")}));
        // A click on the previous question does not count for this one.
        w->shown.markX = 200;
        w->shown.markY = 100;
        w->Command2_Click();
        QCOMPARE(w->session().answeredCount(), 0);
        QVERIFY(w->Command2->isEnabled());
        w->graphic->markAt(QPointF(50, 50));
        w->Command2_Click();
        QCOMPARE(w->List1(0)->item(0)->text(), QStringLiteral("INCORRECTA"));
        QCOMPARE(w->Picture2->pixel(200, 100), ui::kBlue);
        QCOMPARE(w->Picture2->pixel(50, 50), ui::kRed);
        QCOMPARE(w->Picture2->fillColor(), ui::kBlue);
        // Shown again, the target region is red whatever was clicked.
        s.show(0, 1);
        s.show(0, 0);
        QCOMPARE(w->Picture2->pixel(200, 100), ui::kRed);
        QCOMPARE(w->Picture2->pixel(50, 50), QColor(Qt::white));
    }

    // A graphic whose left part is yellow, the right white, split by a black
    // line at x = 100..102.
    void graphicJudgedByTheClickedRegion_data()
    {
        QTest::addColumn<QPoint>("target");
        QTest::addColumn<QPoint>("click");
        QTest::addColumn<bool>("right");
        QTest::newRow("coloured target, clicked in it") << QPoint(50, 60) << QPoint(20, 20) << true;
        QTest::newRow("coloured target, clicked elsewhere") << QPoint(50, 60) << QPoint(200, 100) << false;
        QTest::newRow("coloured target, clicked on the line") << QPoint(50, 60) << QPoint(101, 50) << false;
        QTest::newRow("white target, clicked in it") << QPoint(200, 60) << QPoint(290, 190) << true;
        QTest::newRow("target on the line, clicked on it") << QPoint(101, 10) << QPoint(101, 150) << true;
        QTest::newRow("target on the line, clicked beside it") << QPoint(101, 10) << QPoint(200, 10) << false;
        QTest::newRow("target outside the graphic") << QPoint(900, 900) << QPoint(20, 20) << false;
    }
    void graphicJudgedByTheClickedRegion()
    {
        QFETCH(QPoint, target);
        QFETCH(QPoint, click);
        QFETCH(bool, right);
        Session s;
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.fillRect(0, 0, 100, 200, Qt::yellow);
        p.fillRect(100, 0, 3, 200, Qt::black);
        p.end();
        QVERIFY(image.save(s.folder.file(QStringLiteral("Graficos/sol.png"))));
        player::Form3 *w = openWith(s, question(4, {QStringLiteral("sol.png"), QStringLiteral("?"),
                                                    QString::number(target.x()), QString::number(target.y())}));
        w->graphic->markAt(click);
        w->Command2_Click();
        QCOMPARE(w->List1(0)->item(0)->text(), right ? QStringLiteral("CORRECTA") : QStringLiteral("INCORRECTA"));
    }

    void graphicScrolling_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("larger than the viewport") << QSize(2400, 1800);
        QTest::newRow("smaller than the viewport") << QSize(120, 90);
    }
    void graphicScrolling()
    {
        QFETCH(QSize, size);
        Session s;
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QVERIFY(image.save(s.folder.file(QStringLiteral("Graficos/gran.png"))));
        player::Form3 *w = openWith(s, question(4, {QStringLiteral("gran.png"), QStringLiteral("?"), QStringLiteral("5"), QStringLiteral("5")}));
        // It starts with its top-left corner in the viewport's.
        QCOMPARE(w->Picture2->pos(), QPoint(0, 0));
        QCOMPARE(w->Picture2->size(), size);
        const int view = w->Picture1->width();
        QCOMPARE(w->HScroll1->minimum(), std::min(view, size.width()));
        QCOMPARE(w->HScroll1->maximum(), std::max(view, size.width()));
        QCOMPARE(w->HScroll1->value(), view);
        // The full range moves it by what it exceeds the viewport.
        w->HScroll1->setValue(size.width());
        QCOMPARE(w->Picture2->x(), view - size.width());
        w->VScroll1->setValue(size.height());
        QCOMPARE(w->Picture2->y(), w->Picture1->height() - size.height());
    }

    void clickMeasuredInTheGraphicWhateverTheScroll()
    {
        Session s;
        writeGraphic(s, QStringLiteral("ampla.png"), QSize(1600, 300));
        player::Form3 *w = openWith(s, question(4, {QStringLiteral("ampla.png"), QStringLiteral("?"), QStringLiteral("1500"), QStringLiteral("100")}));
        w->show();
        w->HScroll1->setValue(w->HScroll1->maximum());
        QVERIFY(w->Picture2->x() < 0);
        QTest::mouseClick(w->Picture2, Qt::LeftButton, {}, QPoint(1590, 150));
        QCOMPARE(w->shown.markX, 1590.0);
        QCOMPARE(w->Picture2->pixel(1500, 100), ui::kBlue);
    }

    void readingWord()
    {
        Session s;
        s.folder.writeLines(QStringLiteral("textos/gos.txt"), {QStringLiteral("el perro come"), QStringLiteral("la casa, gran")});
        player::Form3 *w = openWith(s, question(5, {QStringLiteral("gos.txt"), QStringLiteral("Qui menja?"), QStringLiteral("perro")}));
        QCOMPARE(w->Text2->toPlainText(), QStringLiteral("el perro come\nla casa, gran\n"));
        QTextCursor cursor = w->Text2->textCursor();
        cursor.setPosition(5);
        w->Text2->setTextCursor(cursor);
        w->Text2->takeWordAtCaret();
        QCOMPARE(w->Label11->text(), QStringLiteral("perro"));
        QCOMPARE(w->Text2->textCursor().selectedText(), QStringLiteral("perro"));
        // The last word of a line stops at the line break.
        cursor.setPosition(13);
        w->Text2->setTextCursor(cursor);
        w->Text2->takeWordAtCaret();
        QCOMPARE(w->Label11->text(), QStringLiteral("come"));
        cursor.setPosition(5);
        w->Text2->setTextCursor(cursor);
        w->Text2->takeWordAtCaret();
        w->Command2_Click();
        QCOMPARE(w->List1(0)->item(0)->text(), QStringLiteral("CORRECTA"));
        QVERIFY(transcriptTail(w).endsWith(QStringLiteral(" --- perro - CORRECTA")));
    }

    void readingWordJudged_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("row"); // the list's row after confirming
        QTest::newRow("same word") << "casa" << "CORRECTA";
        QTest::newRow("with its comma") << "Casa," << "CORRECTA";
        QTest::newRow("two more letters") << "casas." << "INCORRECTA";
        QTest::newRow("part of it, two letters shorter") << "as" << "INCORRECTA";
        // As with every other type, confirming with nothing chosen judges nothing.
        QTest::newRow("nothing chosen") << "" << "1. A";
    }
    void readingWordJudged()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, row);
        Session s;
        s.folder.writeLines(QStringLiteral("textos/t.txt"), {QStringLiteral("la casa")});
        player::Form3 *w = openWith(s, question(5, {QStringLiteral("t.txt"), QStringLiteral("?"), QStringLiteral("casa")}));
        w->Label11->setText(chosen);
        w->Command2_Click();
        QCOMPARE(w->List1(0)->item(0)->text(), row);
        if (chosen.isEmpty()) {
            QCOMPARE(w->session().answeredCount(), 0);
            QVERIFY(w->Command2->isEnabled());
            return;
        }
        const bool right = row == u"CORRECTA";
        if (!right)
            QVERIFY(transcriptTail(w).endsWith(QStringLiteral(" --- ??? - INCORRECTA")));
        // Shown again: the expected word in the verdict colour.
        s.show(0, 1);
        s.show(0, 0);
        QCOMPARE(w->Label11->text(), QStringLiteral("casa"));
        QCOMPARE(ui::foreColor(w->Label11), right ? ui::kBlue : ui::kRed);
    }

    void missingReadingText()
    {
        Session s;
        player::Form3 *w = openWith(s, question(5, {QStringLiteral("cap.txt"), QStringLiteral("?"), QStringLiteral("x")}));
        QVERIFY(w->Label18->text().contains(QStringLiteral("cap.txt")));
    }

    void trueFalse_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("given");
        const int pressTrue = player::TrueFalseButton::SaysTrue;
        const int pressFalse = player::TrueFalseButton::SaysFalse;
        QTest::newRow("true, pressed true") << "VERDADERO" << pressTrue << true << "VERTADER";
        QTest::newRow("false, pressed false") << "FALSO" << pressFalse << true << "FALS";
        QTest::newRow("false, pressed true") << "FALSO" << pressTrue << false << "VERTADER";
        QTest::newRow("lower case is false") << "verdadero" << pressTrue << false << "VERTADER";
        QTest::newRow("true, pressed false") << "VERDADERO" << pressFalse << false << "FALS";
    }
    void trueFalse()
    {
        QFETCH(QString, line);
        QFETCH(int, button);
        QFETCH(bool, right);
        QFETCH(QString, given);
        Session s;
        player::Form3 *w = openWith(s, ::trueFalse(line));
        // Nothing to judge before a button was pressed.
        w->Command2_Click();
        QCOMPARE(w->session().answeredCount(), 0);
        QTest::mouseClick(w->Command5[button], Qt::LeftButton);
        QCOMPARE(w->Label16->text(), w->Command5[button]->text());
        w->Command2_Click();
        QCOMPARE(w->List1(0)->item(0)->text(), right ? QStringLiteral("CORRECTA") : QStringLiteral("INCORRECTA"));
        QCOMPARE(ui::foreColor(w->Label16), right ? ui::kBlue : ui::kRed);
        QVERIFY(transcriptTail(w).endsWith(QStringLiteral(" --- ") + given + (right ? QStringLiteral(" - CORRECTA") : QStringLiteral(" - INCORRECTA"))));
        s.show(0, 1);
        s.show(0, 0);
        QCOMPARE(w->Label16->text(), w->Command5[line == u"VERDADERO" ? player::TrueFalseButton::SaysTrue : player::TrueFalseButton::SaysFalse]->text());
    }

    void feedbackFilesMissing()
    {
        Session s;
        s.folder.remove(QStringLiteral("sonidos"));
        s.folder.remove(QStringLiteral("gifs/no.gif"));
        player::Form3 *w = openWith(s, ::trueFalse());
        w->Command5_Click(player::TrueFalseButton::SaysTrue);
        w->Command2_Click();
        QCOMPARE(w->List1(0)->item(0)->text(), QStringLiteral("INCORRECTA"));
        QCOMPARE(ui::backColor(w->Command2), ui::kRed);
        QCOMPARE(s.platform->sounds, QStringList{QStringLiteral("(default sound)")});
        QVERIFY(!w->Gif89a1->isShowing());
    }

    void showingAQuestionClearsTheFeedback()
    {
        Session s;
        player::Form3 *w = openWith(s, ::trueFalse());
        w->Command5_Click(player::TrueFalseButton::SaysFalse);
        w->Command2_Click();
        QVERIFY(!w->Gif89a1->fileName().isEmpty());
        s.show(0, 1);
        QCOMPARE(w->Gif89a1->fileName(), QString());
    }

    void markupInAQuestionIsShownAsWritten()
    {
        Session s;
        const QString statement = QStringLiteral("Si a<b i b>c, quin és més gran?");
        player::Form3 *w = openWith(s, question(1, {statement, QStringLiteral("<b>x</b> "), QStringLiteral("c")}));
        QCOMPARE(w->Label2->text(), statement);
        QCOMPARE(w->Label2->textFormat(), Qt::PlainText);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(w->Label3(i)->textFormat(), Qt::PlainText);
        // Tags nested deep enough to exhaust the stack of a rich-text layout.
        s.question(QStringLiteral("A"), 2, question(6, {QStringLiteral("<table><tr><td>").repeated(20000), QStringLiteral("FALSO")}));
        s.show(0, 1);
        QVERIFY(!w->grab().isNull());
        QVERIFY(w->Label15->text().startsWith(QStringLiteral("<table>")));
    }

    void chosenTrueOrFalseReadsOnTheFrame()
    {
        Session s;
        player::Form3 *w = openWith(s, ::trueFalse());
        for (int button : {player::TrueFalseButton::SaysTrue, player::TrueFalseButton::SaysFalse}) {
            w->Command5_Click(button);
            QCOMPARE(ui::foreColor(w->Label16), ui::backColor(w->Command5[button]));
            QVERIFY2(contrast(ui::foreColor(w->Label16), QColor(255, 224, 192)) >= 3.0, qPrintable(w->Label16->text()));
        }
    }

    void keysOnTheListShowTheHighlightedQuestion()
    {
        Session s;
        player::Form3 *w = openWith(s, question(2, {QStringLiteral("Escriu casa"), QStringLiteral("casa")}));
        w->show();
        QListWidget *list = w->List1(0);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(w->shown.row, 1);
        QCOMPARE(bank::typeCode(w->shown.questionType), 6);
        QTest::keyClick(list, Qt::Key_Home);
        QCOMPARE(bank::typeCode(w->shown.questionType), 2);
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(w->shown.row, 2);
        QCOMPARE(bank::typeCode(w->shown.questionType), 6);
        // A confirm judges the highlighted question.
        w->Command5_Click(player::TrueFalseButton::SaysFalse);
        w->Command2_Click();
        QCOMPARE(list->item(2)->text(), QStringLiteral("CORRECTA"));
        // A click on the current row shows it again.
        w->Command6_Click(player::TopButton::Credits);
        QVERIFY(w->Frame1[bank::QuestionType::TrueFalse]->isHidden());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        QVERIFY(!w->Frame1[bank::QuestionType::TrueFalse]->isHidden());
    }

    void choosingAnotherTestPutsTheQuestionAway()
    {
        Session s;
        for (int n = 1; n <= 3; ++n) {
            s.question(QStringLiteral("A"), n, ::trueFalse());
            s.question(QStringLiteral("B"), n, ::trueFalse());
        }
        player::Form3 *w = s.open({QStringLiteral("A"), QStringLiteral("B")}, 3,
                                  testsupport::drawInOrder(3) + testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
        s.show(0, 0);
        w->Command5_Click(player::TrueFalseButton::SaysFalse);
        w->Command1_Click(1);
        QVERIFY(w->Frame1[bank::QuestionType::TrueFalse]->isHidden());
        QVERIFY(!w->Frame1[bank::QuestionType::None]->isHidden());
        QVERIFY(!w->Command2->isEnabled());
        w->Command2_Click();
        QCOMPARE(w->session().answeredCount(), 0);
        QCOMPARE(w->session().test(1).right + w->session().test(1).wrong, 0);
        QCOMPARE(w->List1(1)->item(0)->text(), QStringLiteral("1. B"));
        // Back in its own test, the question is answered and booked there.
        s.show(0, 0);
        w->Command5_Click(player::TrueFalseButton::SaysFalse);
        w->Command2_Click();
        QCOMPARE(w->session().test(0).right, 1);
        QCOMPARE(w->List1(0)->item(0)->text(), QStringLiteral("CORRECTA"));
    }

    // Files 1, 2 and 4 and a stray file: the draw takes 3, which is missing.
    void questionThatCannotBeShownCountsAsBlank_data()
    {
        QTest::addColumn<bool>("clickedFirst");
        QTest::newRow("the missing question was shown") << true;
        QTest::newRow("the missing question was never shown") << false;
    }
    void questionThatCannotBeShownCountsAsBlank()
    {
        QFETCH(bool, clickedFirst);
        Session s;
        for (int n : {1, 2, 4})
            s.question(QStringLiteral("A"), n, ::trueFalse());
        s.folder.writeBytes(QStringLiteral("Preguntas/Proves/A/Thumbs.db"), "not a question");
        player::Form3 *w = s.open({QStringLiteral("A")}, 4, testsupport::drawInOrder(4) + testsupport::drawInOrder(8));
        QCOMPARE(w->List1(0)->item(2)->text(), QStringLiteral("3. A"));
        if (clickedFirst) {
            s.show(0, 2);
            QVERIFY(w->Label18->text().contains(QStringLiteral("3.txt")));
            QVERIFY(!w->finalWindow());
        }
        for (int row : {0, 1, 3}) {
            s.show(0, row);
            w->Command5_Click(player::TrueFalseButton::SaysFalse);
            w->Command2_Click();
        }
        QVERIFY(w->session().test(0).finished);
        QVERIFY(w->finalWindow());
        QVERIFY(w->RichTextBox3->text().endsWith(QStringLiteral("A -  7,50 - ( ENCERTS : 3; ERRORS : 0; EN BLANC : 1 )")));
        QVERIFY(testsupport::waitForReport(w));
        QCOMPARE(QDir(s.folder.file(QStringLiteral("Controles-Usuarios"))).entryList({QStringLiteral("*.rtf")}).size(), 1);
    }

    // A reopened answer keeps its verdict whatever words Principal.txt gives
    // the verdicts: two words, a leading digit, the same word for both, none.
    void reopenedAnswerKeepsItsVerdict_data()
    {
        QTest::addColumn<QString>("rightText");
        QTest::addColumn<QString>("wrongText");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("right");
        const int choice = bank::typeCode(bank::QuestionType::MultipleChoice);
        const int trueFalse = bank::typeCode(bank::QuestionType::TrueFalse);
        QTest::newRow("two words, choice right") << "MOLT BÉ" << "MALAMENT" << choice << true;
        QTest::newRow("two words, true/false right") << "MOLT BÉ" << "MALAMENT" << trueFalse << true;
        QTest::newRow("leading digit, true/false right") << "+1" << "0" << trueFalse << true;
        QTest::newRow("leading digit, true/false wrong") << "+1" << "2 punts menys" << trueFalse << false;
        QTest::newRow("leading digit, choice right") << "+1" << "0" << choice << true;
        QTest::newRow("equal texts, true/false wrong") << "FET" << "FET" << trueFalse << false;
        QTest::newRow("no Principal.txt, true/false wrong") << QString() << QString() << trueFalse << false;
        QTest::newRow("no Principal.txt, true/false right") << QString() << QString() << trueFalse << true;
    }
    void reopenedAnswerKeepsItsVerdict()
    {
        QFETCH(QString, rightText);
        QFETCH(QString, wrongText);
        QFETCH(int, type);
        QFETCH(bool, right);
        Session s;
        if (rightText.isNull()) {
            s.folder.remove(QStringLiteral("idioma/Principal.txt"));
        } else {
            QStringList lines = testsupport::questionLines(s.folder.file(QStringLiteral("idioma/Principal.txt")));
            lines[8] = rightText;
            lines[9] = wrongText;
            s.folder.writeLines(QStringLiteral("idioma/Principal.txt"), lines);
        }
        const bool choice = type == bank::typeCode(bank::QuestionType::MultipleChoice);
        player::Form3 *w = openWith(s, choice ? question(1, {QStringLiteral("?"), QStringLiteral("a "), QStringLiteral("b")})
                                              : ::trueFalse(QStringLiteral("VERDADERO")));
        const auto answer = [&] {
            if (choice)
                w->Label3_Click(right ? 0 : 1);
            else
                w->Command5_Click(right ? player::TrueFalseButton::SaysTrue : player::TrueFalseButton::SaysFalse);
            w->Command2_Click();
        };
        answer();
        QCOMPARE(w->List1(0)->item(0)->text().trimmed(), (right ? w->files.texts.right : w->files.texts.wrong).trimmed());
        s.show(0, 1);
        s.show(0, 0);
        QCOMPARE(ui::backColor(w->Command2), right ? ui::kBlue : ui::kRed);
        QVERIFY(!w->Command2->isEnabled());
        // Answered once, booked once.
        answer();
        QCOMPARE(w->session().answeredCount(), 1);
        QCOMPARE(w->Command3[player::Counter::Right]->text().trimmed(), right ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(w->Command3[player::Counter::Wrong]->text().trimmed(), right ? QStringLiteral("0") : QStringLiteral("1"));
    }

    // Letters corrected on a typed answer stay counted when the question is
    // put away and shown again: retyping cannot turn it right.
    void correctionsSurviveShowingTheQuestionAgain()
    {
        Session s;
        player::Form3 *w = openWith(s, question(2, {QStringLiteral("Com es diu on vius?"), QStringLiteral("Casa")}));
        QTest::keyClicks(w->RichTextBox1, QStringLiteral("cxaxs"));
        QCOMPARE(w->List1(0)->item(0)->text(), QStringLiteral("1. A"));
        w->Command6_Click(player::TopButton::Credits);
        s.show(0, 0);
        QCOMPARE(w->RichTextBox1->text().toUpper(), QStringLiteral("CAS"));
        QTest::keyClicks(w->RichTextBox1, QStringLiteral("casa"));
        QCOMPARE(w->List1(0)->item(0)->text(), QStringLiteral("INCORRECTA"));
        QVERIFY(transcriptTail(w).endsWith(QStringLiteral(" --- ??? - INCORRECTA")));
    }

    void lastAnswerEndsTheSession()
    {
        Session s;
        player::Form3 *w = openWith(s, ::trueFalse(), 3);
        for (int row = 0; row < 3; ++row) {
            s.show(0, row);
            w->Command5_Click(player::TrueFalseButton::SaysFalse);
            w->Command2_Click();
        }
        QVERIFY(w->session().test(0).finished);
        QCOMPARE(w->session().finishedTestCount(), 1);
        QVERIFY(w->finalWindow());
        QVERIFY(testsupport::waitForReport(w));
        const QStringList reports = QDir(s.folder.file(QStringLiteral("Controles-Usuarios"))).entryList({QStringLiteral("*.rtf")});
        QCOMPARE(reports.size(), 1);
        QVERIFY(QFileInfo::exists(s.folder.file(QStringLiteral("ultimo.rtf"))));
        QVERIFY(w->RichTextBox3->text().endsWith(QStringLiteral("\r\r\rA -  10,00 - ( ENCERTS : 3; ERRORS : 0; EN BLANC : 0 )")));
        QVERIFY(w->Command7[player::ReportButton::Report]->isEnabled());
        QVERIFY(w->Command6[player::TopButton::Results]->isEnabled());
    }
};

QTEST_MAIN(TstAnswering)
#include "tst_answering.moc"
