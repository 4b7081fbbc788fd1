// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editorwindows.h"

#include "editor/form1.h"
#include "editor/form3.h"
#include "editor/panelfiles.h"

#include "bank/textcodec.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QTest>
#include <QTextCursor>

using editortest::click;
using editortest::clickEntry;
using editortest::Editor;
using editortest::typeInto;
using editortest::writePicture;

namespace {

const QColor kFill(0, 0, 0xFF);

// A line drawing: two white boxes closed by black outlines, on white.
QImage lineDrawing()
{
    QImage image(240, 140, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawRect(20, 20, 80, 80);
    painter.drawRect(140, 20, 80, 80);
    painter.end();
    return image;
}

QImage plain(int width, int height, const QColor &colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The number of surface pixels of one colour.
int countOf(const ui::PictureBox *box, const QColor &colour)
{
    int count = 0;
    const QImage &surface = box->surface();
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            count += QColor(surface.pixel(x, y)) == colour;
    return count;
}

// A click on the graphic where the author sees the viewport's point
// `inViewport`: whatever lies there under the scrolled graphic is clicked.
void clickViewport(editor::Form1 &form, QPoint inViewport, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget *under = form.Picture1->childAt(inViewport);
    QCOMPARE(under, static_cast<QWidget *>(form.Picture2));
    QTest::mouseClick(form.Picture2, button, {}, form.Picture2->mapFrom(form.Picture1, inViewport));
}

// A click in the reading text just before character `position`.
void clickText(editor::Form1 &form, int position)
{
    QTextCursor cursor(form.Text8->document());
    cursor.setPosition(position);
    const QRect caret = form.Text8->cursorRect(cursor);
    QTest::mouseClick(form.Text8->viewport(), Qt::LeftButton, {},
                      QPoint(caret.left(), caret.center().y()));
}

} // namespace

class TstPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scaledToHeight_data();
    void scaledToHeight();
    void markCaption_data();
    void markCaption();
    void readingText_data();
    void readingText();

    // File3: the picture under the "Respuesta" label.
    void pictureFillsHeightToRespuesta_data();
    void pictureFillsHeightToRespuesta();
    void unreadablePictureHidden();

    // File2 and the scroll bars.
    void graphicScrollRanges_data();
    void graphicScrollRanges();
    void secondGraphicClearsMark();

    // Picture2: marking the point.
    void clickPaintsRegionAndSetsCaptions_data();
    void clickPaintsRegionAndSetsCaptions();
    void secondClickRemovesFirstPainting();
    void clickOnOutlinePaintsLines();
    void scrolledRightClickAtRightEdge();
    void scrolledDownClickAtBottomEdge();

    // File4 and Text8: choosing the word.
    void chooseWord_data();
    void chooseWord();
    void clickInEmptyTextChoosesNothing();
    void hugeTextIsRefused();

    // Files beyond what the editor reads, clicked in their lists.
    void oversizedFileNamed_data();
    void oversizedFileNamed();
    void newTextKeepsChosenWord();
    void emptyWordRefused();
    void wordAtLineEndSavedOnOneLine();
};

void TstPictures::scaledToHeight_data()
{
    QTest::addColumn<QSize>("natural");
    QTest::addColumn<int>("height");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("wide picture scaled up") << QSize(200, 100) << 468 << QSize(936, 468);
    QTest::newRow("tall picture scaled up") << QSize(50, 100) << 468 << QSize(234, 468);
    QTest::newRow("big picture scaled down") << QSize(1000, 2000) << 500 << QSize(250, 500);
    QTest::newRow("width rounded to the nearest pixel") << QSize(3, 7) << 10 << QSize(4, 10);
    QTest::newRow("same height: natural size") << QSize(123, 45) << 45 << QSize(123, 45);
    QTest::newRow("empty picture: nothing") << QSize(0, 0) << 468 << QSize();
    QTest::newRow("no room: nothing") << QSize(100, 50) << 0 << QSize();
}

void TstPictures::scaledToHeight()
{
    QFETCH(QSize, natural);
    QFETCH(int, height);
    QFETCH(QSize, expected);
    QCOMPARE(editor::scaledToHeight(natural, height), expected);
}

void TstPictures::markCaption_data()
{
    QTest::addColumn<double>("position");
    QTest::addColumn<QString>("caption");
    QTest::newRow("whole pixel: its digits") << 132.0 << "132";
    QTest::newRow("first pixel") << 0.0 << "0";
    QTest::newRow("fraction below the half") << 10.4 << "10";
    QTest::newRow("fraction above the half") << 10.6 << "11";
}

void TstPictures::markCaption()
{
    QFETCH(double, position);
    QFETCH(QString, caption);
    QCOMPARE(editor::markCaption(position), caption);
}

void TstPictures::readingText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("CR LF") << QByteArray("una\r\ndues") << "una\ndues";
    QTest::newRow("lone CR") << QByteArray("una\rdues\r") << "una\ndues\n";
    QTest::newRow("LF") << QByteArray("una\ndues") << "una\ndues";
    QTest::newRow("empty line kept") << QByteArray("una\r\n\r\ndues") << "una\n\ndues";
    QTest::newRow("Windows-1252") << QByteArray("Cam\xED d'aigua") << QStringLiteral("Camí d'aigua");
    QTest::newRow("UTF-8") << QByteArray("Cam\xC3\xAD d'aigua") << QStringLiteral("Camí d'aigua");
    QTest::newRow("tabs and spaces as they are") << QByteArray("a\tb  c ") << "a\tb  c ";
}

void TstPictures::readingText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(editor::readingText(bytes), text);
}

void TstPictures::pictureFillsHeightToRespuesta_data()
{
    QTest::addColumn<QSize>("natural");
    QTest::newRow("wide picture") << QSize(200, 100);
    QTest::newRow("tall picture") << QSize(60, 120);
    QTest::newRow("small picture scaled up") << QSize(12, 9);
    QTest::newRow("large picture scaled down") << QSize(900, 1200);
}

void TstPictures::pictureFillsHeightToRespuesta()
{
    QFETCH(QSize, natural);
    Editor e;
    writePicture(e.program, QStringLiteral("Graficos/foto.png"),
                 plain(natural.width(), natural.height(), Qt::darkGreen));
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(2));
    QVERIFY(form.Image1->isHidden());

    clickEntry(form.File3, QStringLiteral("foto.png"));

    const QRect picture(form.Image1->mapTo(form.Frame1(2), QPoint(0, 0)), form.Image1->size());
    const int height = form.Label6(1)->y() - picture.top();
    QVERIFY(height > 100);
    QVERIFY(form.Image1->isVisible());
    QVERIFY(form.Image1->hasScaledContents());
    QCOMPARE(form.Image1->height(), height);
    QCOMPARE(form.Image1->width(), qRound(double(natural.width()) * height / natural.height()));
    // Its bottom edge touches the "Respuesta" label.
    QCOMPARE(picture.bottom() + 1, form.Label6(1)->y());
    QCOMPARE(form.Image1->pixmap().size(), natural);
}

void TstPictures::unreadablePictureHidden()
{
    Editor e;
    writePicture(e.program, QStringLiteral("Graficos/foto.png"), plain(40, 40, Qt::red));
    e.program.writeBytes(QStringLiteral("Graficos/roto.gif"), "no es una imagen");
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(2));
    clickEntry(form.File3, QStringLiteral("foto.png"));
    QVERIFY(form.Image1->isVisible());

    clickEntry(form.File3, QStringLiteral("roto.gif"));

    // Refused, and not the question's picture.
    QVERIFY(form.Image1->isHidden());
    QCOMPARE(form.File3->fileName(), QString());
    QCOMPARE(e.messages().size(), 1);
    QVERIFY2(e.messages().at(0).contains(QStringLiteral("no se puede leer")), qPrintable(e.messages().at(0)));
}

void TstPictures::graphicScrollRanges_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("graphic larger than the viewport") << QSize(900, 700);
    QTest::newRow("graphic smaller than the viewport: minimum above maximum") << QSize(100, 80);
    QTest::newRow("wider but lower than the viewport") << QSize(1000, 60);
}

void TstPictures::graphicScrollRanges()
{
    QFETCH(QSize, size);
    Editor e;
    writePicture(e.program, QStringLiteral("Graficos/grafico.png"),
                 plain(size.width(), size.height(), Qt::yellow));
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(3));

    clickEntry(form.File2, QStringLiteral("grafico.png"));

    const int viewWidth = form.Picture1->width();
    const int viewHeight = form.Picture1->height();
    QCOMPARE(form.Picture2->size(), size);
    QCOMPARE(form.HScroll1->minimum(), std::min(viewWidth, size.width()));
    QCOMPARE(form.HScroll1->maximum(), std::max(viewWidth, size.width()));
    QCOMPARE(form.VScroll1->minimum(), std::min(viewHeight, size.height()));
    QCOMPARE(form.VScroll1->maximum(), std::max(viewHeight, size.height()));
    QCOMPARE(form.HScroll1->pageStep(), 50);
    QCOMPARE(form.VScroll1->pageStep(), 50);
    // At the bars' "minimum" (the viewport's size) the corners meet.
    QCOMPARE(form.HScroll1->value(), viewWidth);
    QCOMPARE(form.VScroll1->value(), viewHeight);
    QCOMPARE(form.Picture2->pos(), QPoint(0, 0));
    // The "minimum" end is the bar's left (top) end, whichever is larger.
    QCOMPARE(form.HScroll1->invertedAppearance(), viewWidth > size.width());
    QCOMPARE(form.VScroll1->invertedAppearance(), viewHeight > size.height());

    // At the "maximum" (the graphic's size) the far edges meet.
    form.HScroll1->setValue(size.width());
    form.VScroll1->setValue(size.height());
    QCOMPARE(form.Picture2->geometry().right() + 1, viewWidth);
    QCOMPARE(form.Picture2->geometry().bottom() + 1, viewHeight);

    // Half way, the formula: viewport size minus the bar's value.
    const int middle = (form.HScroll1->minimum() + form.HScroll1->maximum()) / 2;
    form.HScroll1->setValue(middle);
    QCOMPARE(form.Picture2->x(), viewWidth - middle);

    // A new graphic starts at the corner again.
    clickEntry(form.File2, QStringLiteral("grafico.png"));
    QCOMPARE(form.Picture2->pos(), QPoint(0, 0));
}

void TstPictures::secondGraphicClearsMark()
{
    Editor e;
    writePicture(e.program, QStringLiteral("Graficos/a.png"), lineDrawing());
    writePicture(e.program, QStringLiteral("Graficos/b.png"), plain(300, 200, Qt::yellow));
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(3));
    clickEntry(form.File2, QStringLiteral("a.png"));
    QTest::mouseClick(form.Picture2, Qt::LeftButton, {}, QPoint(60, 50));
    QCOMPARE(form.Label8(1)->text(), QStringLiteral("60"));

    clickEntry(form.File2, QStringLiteral("b.png"));

    // The point named a region of the first graphic: cleared.
    QCOMPARE(form.Picture2->size(), QSize(300, 200));
    QCOMPARE(form.Label8(1)->text(), QStringLiteral("0"));
    QCOMPARE(form.Label9(1)->text(), QStringLiteral("0"));
    QCOMPARE(countOf(form.Picture2, kFill), 0);
}

void TstPictures::clickPaintsRegionAndSetsCaptions_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("painted"); // pixels turned blue
    QTest::newRow("inside the left box") << QPoint(60, 50) << int(Qt::LeftButton) << 79 * 79;
    QTest::newRow("inside the right box, right button") << QPoint(141, 21) << int(Qt::RightButton)
                                                         << 79 * 79;
    QTest::newRow("the white around the boxes")
        << QPoint(5, 130) << int(Qt::LeftButton) << 240 * 140 - 2 * 81 * 81;
    QTest::newRow("last pixel of the graphic")
        << QPoint(239, 139) << int(Qt::MiddleButton) << 240 * 140 - 2 * 81 * 81;
}

void TstPictures::clickPaintsRegionAndSetsCaptions()
{
    QFETCH(QPoint, at);
    QFETCH(int, button);
    QFETCH(int, painted);
    Editor e;
    writePicture(e.program, QStringLiteral("Graficos/dibujo.png"), lineDrawing());
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(3));
    clickEntry(form.File2, QStringLiteral("dibujo.png"));

    QTest::mouseClick(form.Picture2, Qt::MouseButton(button), {}, at);

    QCOMPARE(form.Picture2->pixel(at.x(), at.y()), kFill);
    QCOMPARE(countOf(form.Picture2, kFill), painted);
    QCOMPARE(form.Label8(1)->text(), QString::number(at.x()));
    QCOMPARE(form.Label9(1)->text(), QString::number(at.y()));
}

void TstPictures::secondClickRemovesFirstPainting()
{
    Editor e;
    writePicture(e.program, QStringLiteral("Graficos/dibujo.png"), lineDrawing());
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(3));
    clickEntry(form.File2, QStringLiteral("dibujo.png"));

    QTest::mouseClick(form.Picture2, Qt::LeftButton, {}, QPoint(60, 50));
    QCOMPARE(form.Picture2->pixel(60, 50), kFill);

    QTest::mouseClick(form.Picture2, Qt::LeftButton, {}, QPoint(180, 60));

    QCOMPARE(form.Picture2->pixel(60, 50), QColor(Qt::white));
    QCOMPARE(form.Picture2->pixel(180, 60), kFill);
    QCOMPARE(countOf(form.Picture2, kFill), 79 * 79);
    QCOMPARE(form.Label8(1)->text(), QStringLiteral("180"));
    QCOMPARE(form.Label9(1)->text(), QStringLiteral("60"));

    // Clicking the painted region again paints it again, not nothing.
    QTest::mouseClick(form.Picture2, Qt::LeftButton, {}, QPoint(181, 61));
    QCOMPARE(countOf(form.Picture2, kFill), 79 * 79);
    QCOMPARE(form.Label8(1)->text(), QStringLiteral("181"));
}

void TstPictures::clickOnOutlinePaintsLines()
{
    Editor e;
    writePicture(e.program, QStringLiteral("Graficos/dibujo.png"), lineDrawing());
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(3));
    clickEntry(form.File2, QStringLiteral("dibujo.png"));

    QTest::mouseClick(form.Picture2, Qt::LeftButton, {}, QPoint(20, 50));

    // One box's outline, not the other's, and no white.
    QCOMPARE(form.Picture2->pixel(100, 100), kFill);
    QCOMPARE(form.Picture2->pixel(140, 20), QColor(Qt::black));
    QCOMPARE(form.Picture2->pixel(60, 50), QColor(Qt::white));
    QCOMPARE(countOf(form.Picture2, kFill), 4 * 80);
}

void TstPictures::scrolledRightClickAtRightEdge()
{
    Editor e;
    writePicture(e.program, QStringLiteral("Graficos/ancho.png"), plain(1000, 300, Qt::white));
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(3));
    clickEntry(form.File2, QStringLiteral("ancho.png"));

    // Dragged right to the end, as the author does with the bar.
    form.HScroll1->setFocus();
    QTest::keyClick(form.HScroll1, Qt::Key_End);
    QCOMPARE(form.HScroll1->value(), 1000);
    const int viewWidth = form.Picture1->width();
    QCOMPARE(form.Picture2->x(), viewWidth - 1000);

    clickViewport(form, QPoint(viewWidth - 2, 100));

    QCOMPARE(form.Label8(1)->text(), QStringLiteral("998"));
    QCOMPARE(form.Label9(1)->text(), QStringLiteral("100"));
    QCOMPARE(form.Picture2->pixel(998, 100), kFill);
}

void TstPictures::scrolledDownClickAtBottomEdge()
{
    Editor e;
    QImage tall = plain(200, 1200, Qt::white);
    writePicture(e.program, QStringLiteral("Graficos/alto.png"), tall);
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(3));
    clickEntry(form.File2, QStringLiteral("alto.png"));

    form.VScroll1->setValue(form.VScroll1->maximum());
    const int viewHeight = form.Picture1->height();

    clickViewport(form, QPoint(30, viewHeight - 1));

    QCOMPARE(form.Label8(1)->text(), QStringLiteral("30"));
    QCOMPARE(form.Label9(1)->text(), QStringLiteral("1199"));
}

void TstPictures::chooseWord_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("word");

    const QString dog = QStringLiteral("El perro, grande.");
    QTest::newRow("at the very start: the first word") << dog << 0 << "El";
    QTest::newRow("inside the second word: with its comma") << dog << 5 << "perro,";
    QTest::newRow("at the end of the first word") << dog << 2 << "El";
    QTest::newRow("just after a space: the word that follows") << dog << 3 << "perro,";
    QTest::newRow("after the final full stop: the last word with it") << dog << 17 << "grande.";
    QTest::newRow("one-word text, at its start") << "Hola" << 0 << "Hola";
    QTest::newRow("one-word text, inside") << "Hola" << 2 << "Hola";
    QTest::newRow("one-word text, at its end") << "Hola" << 4 << "Hola";
    QTest::newRow("between two spaces: no word") << "El  perro" << 3 << "";
    QTest::newRow("before two spaces: the word before") << "El  perro" << 2 << "El";
    QTest::newRow("word at a line end: not the next line's word")
        << "El perro\ngrande y fuerte" << 6 << "perro";
    QTest::newRow("word at a line end, caret after it") << "El perro\ngrande y fuerte" << 8 << "perro";
    QTest::newRow("first word of the next line") << "El perro\ngrande y fuerte" << 9 << "grande";
    QTest::newRow("tab belongs to the word") << "uno\tdos tres" << 1 << "uno\tdos";
    QTest::newRow("no-break space separates as in the player")
        << QStringLiteral("10\u00A0km lejos") << 1 << "10";
}

void TstPictures::chooseWord()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, word);

    Editor e;
    QByteArray bytes;
    QVERIFY(bank::encodeWindows1252(text, bytes));
    e.program.writeBytes(QStringLiteral("textos/lectura.txt"), bytes);
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(4));
    clickEntry(form.File4, QStringLiteral("lectura.txt"));
    QCOMPARE(form.Text8->toPlainText().size(), text.size());
    QCOMPARE(form.Label11->text(), QStringLiteral("Respuesta"));

    clickText(form, caret);

    QTRY_COMPARE(form.Label11->text(), word);
    const QTextCursor selection = form.Text8->textCursor();
    QCOMPARE(selection.selectionEnd() - selection.selectionStart(), word.size());
    QCOMPARE(form.Text8->toPlainText().mid(selection.selectionStart(), word.size()), word);
}

void TstPictures::clickInEmptyTextChoosesNothing()
{
    Editor e;
    e.program.writeBytes(QStringLiteral("textos/vacio.txt"), QByteArray());
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(4));
    clickEntry(form.File4, QStringLiteral("vacio.txt"));

    QTest::mouseClick(form.Text8->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    // The click is handled from the event queue: let it run.
    QCoreApplication::sendPostedEvents();

    QCOMPARE(form.Label11->text(), QStringLiteral("Respuesta"));
}

void TstPictures::newTextKeepsChosenWord()
{
    Editor e;
    e.program.writeLines(QStringLiteral("textos/a.txt"), {QStringLiteral("El perro, grande.")});
    e.program.writeLines(QStringLiteral("textos/b.txt"), {QStringLiteral("Otro texto")});
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(4));
    clickEntry(form.File4, QStringLiteral("a.txt"));
    clickText(form, 5);
    QTRY_COMPARE(form.Label11->text(), QStringLiteral("perro,"));

    clickEntry(form.File4, QStringLiteral("b.txt"));

    QCOMPARE(form.Text8->toPlainText(), QStringLiteral("Otro texto\n"));
    QCOMPARE(form.Label11->text(), QStringLiteral("perro,"));
}

void TstPictures::emptyWordRefused()
{
    Editor e;
    e.program.writeLines(QStringLiteral("textos/a.txt"), {QStringLiteral("El  perro")});
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(4));
    clickEntry(form.File4, QStringLiteral("a.txt"));
    typeInto(form.Text9, QStringLiteral("¿Qué hay?"));
    clickText(form, 3);
    QTRY_COMPARE(form.Label11->text(), QString());

    // No pupil can click an empty word.
    click(form.Command2);
    QCOMPARE(e.messages(), QStringList{QStringLiteral("Se ha de hacer clic en la palabra del texto")});
}

void TstPictures::wordAtLineEndSavedOnOneLine()
{
    Editor e;
    e.program.writeLines(QStringLiteral("textos/lectura.txt"),
                         {QStringLiteral("El perro"), QStringLiteral("grande y fuerte")});
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(4));
    clickEntry(form.File4, QStringLiteral("lectura.txt"));
    typeInto(form.Text9, QStringLiteral("¿Qué animal?"));
    clickText(form, 7);
    QTRY_COMPARE(form.Label11->text(), QStringLiteral("perro"));

    click(form.Command2);
    click(form.Command3);

    QCOMPARE(testsupport::readBytes(e.bank() + QStringLiteral("/1.txt")),
             testsupport::crlf({" 5 ", "", "lectura.txt", "¿Qué animal?", "perro"}));
}

void TstPictures::hugeTextIsRefused()
{
    Editor e;
    e.program.writeBytes(QStringLiteral("textos/enorme.txt"), QByteArray(3 * 1024 * 1024, 'a'));
    e.open();
    editor::Form1 &form = *e.form;
    click(form.Command1(4));
    clickEntry(form.File4, QStringLiteral("enorme.txt"));

    QCOMPARE(form.Text8->toPlainText(), QString());
    QCOMPARE(e.platform->messages.size(), 1);
    QVERIFY(e.platform->messages[0].text.contains(QStringLiteral("enorme.txt")));
    QVERIFY(e.platform->messages[0].text.contains(QStringLiteral("3 MB")));
}

namespace {

enum class ClickedIn { Questions, Pictures, Graphics, OptionLists };

// A BMP whose header announces `width` x `height`; nothing is decoded.
QByteArray bmpHeader(int width, int height)
{
    auto le = [](quint32 value, int bytes) {
        QByteArray out;
        for (int i = 0; i < bytes; ++i)
            out += char((value >> (8 * i)) & 0xFF);
        return out;
    };
    return "BM" + le(54, 4) + le(0, 4) + le(54, 4) + le(40, 4) + le(width, 4) + le(height, 4) + le(1, 2)
        + le(24, 2) + le(0, 4) + le(0, 4) + le(0, 4) + le(0, 4) + le(0, 4) + le(0, 4);
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(ClickedIn)

void TstPictures::oversizedFileNamed_data()
{
    QTest::addColumn<ClickedIn>("list");
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray twoMegabytes(2 * 1024 * 1024, 'x');
    QTest::newRow("question file over 1 MB")
        << ClickedIn::Questions << "Preguntas/1.txt" << QByteArray(" 2 \r\nAutor\r\n" + twoMegabytes + "\r\nr\r\n");
    QTest::newRow("option list over 1 MB")
        << ClickedIn::OptionLists << "textos/capitales.txt" << QByteArray("Par\xEDs\r\n" + twoMegabytes + "\r\n");
    QTest::newRow("32767 x 1 picture stretched to the label")
        << ClickedIn::Pictures << "Graficos/tira.png" << png(plain(32767, 1, Qt::darkGreen));
    QTest::newRow("16000 x 16000 picture") << ClickedIn::Pictures << "Graficos/mapa gran.bmp"
                                           << bmpHeader(16000, 16000);
    QTest::newRow("16000 x 16000 graphic") << ClickedIn::Graphics << "Graficos/mapa gran.bmp"
                                           << bmpHeader(16000, 16000);
}

void TstPictures::oversizedFileNamed()
{
    QFETCH(ClickedIn, list);
    QFETCH(QString, relative);
    QFETCH(QByteArray, bytes);

    Editor e;
    e.program.writeBytes(relative, bytes);
    e.open({QStringLiteral("Preguntas"), QStringLiteral("Graficos"), QStringLiteral("textos")});
    editor::Form1 &form = *e.form;
    const QString name = QFileInfo(relative).fileName();

    switch (list) {
    case ClickedIn::Questions:
        clickEntry(form.File1, name);
        QCOMPARE(bank::typeCode(form.QuestionType), 1);
        QCOMPARE(form.Text2->text(), QString());
        break;
    case ClickedIn::Pictures:
        click(form.Command1(2));
        clickEntry(form.File3, name);
        QVERIFY(form.Image1->isHidden());
        break;
    case ClickedIn::Graphics:
        click(form.Command1(3));
        clickEntry(form.File2, name);
        QVERIFY(form.Picture2->picture().isNull());
        break;
    case ClickedIn::OptionLists:
        click(form.Command5(0));
        QVERIFY(form.optionPicker());
        clickEntry(form.optionPicker()->File1, name);
        QVERIFY(form.optionPicker()->List1->isHidden());
        break;
    }
    QCOMPARE(e.messages().size(), 1);
    QVERIFY2(e.messages().at(0).contains(QStringLiteral("«%1»").arg(name)), qPrintable(e.messages().at(0)));
}

QTEST_MAIN(TstPictures)
#include "tst_pictures.moc"
