// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/controls.h"
#include "ui/picturebox.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// White picture with a black rectangle outline (10,10)-(29,19) and a black
// dot at (45,5), 50x30 pixels.
QImage lineDrawing()
{
    QImage picture(50, 30, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(10, 10, 19, 9);
    painter.drawPoint(45, 5);
    return picture;
}

} // namespace

class TstPictureBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void loadTakesNaturalSize_data();
    void loadTakesNaturalSize();
    void loadFailures_data();
    void loadFailures();
    void fillsClosedRegion();
    void fillsOutlineOnClickOnIt();
    void clearFillsRemovesEarlierFill();
    void secondClickLeavesOnlyLatestRegion();
    void pixelOutsideIsInvalid();
    void transparentPartsReadWhite();
    void mouseDownGivesPicturePixels();
    void paintsSurfaceUnscaled();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

void TstPictureBox::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TstPictureBox::loadTakesNaturalSize_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("BMP") << "bmp";
    QTest::newRow("PNG") << "png";
    QTest::newRow("JPG") << "jpg";
}

void TstPictureBox::loadTakesNaturalSize()
{
    QFETCH(QString, format);
    const QString path = dir->filePath("drawing." + format);
    QVERIFY(lineDrawing().save(path, format.toLatin1().constData(), 100));

    ui::PictureBox box;
    box.resize(400, 400);
    QVERIFY(box.load(path));
    QCOMPARE(box.size(), QSize(50, 30));
    QCOMPARE(box.picture().size(), QSize(50, 30));
    QCOMPARE(box.surface().size(), QSize(50, 30));
    QCOMPARE(box.pixel(0, 0), QColor(Qt::white));
    if (format != "jpg")
        QCOMPARE(box.pixel(10, 10), QColor(Qt::black));
}

void TstPictureBox::loadFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("missing file") << "missing.gif" << QByteArray();
    QTest::newRow("not a picture") << "broken.gif" << QByteArray("this is no picture at all");
    QTest::newRow("empty file") << "empty.bmp" << QByteArray("");
}

void TstPictureBox::loadFailures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QString path = dir->filePath(name);
    if (!bytes.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    ui::PictureBox box;
    box.setPicture(lineDrawing());
    box.floodFill(0, 0);
    const QImage surfaceBefore = box.surface();
    QVERIFY(!box.load(path));
    QCOMPARE(box.size(), QSize(50, 30));
    QCOMPARE(box.picture(), lineDrawing());
    QCOMPARE(box.surface(), surfaceBefore);
}

void TstPictureBox::fillsClosedRegion()
{
    ui::PictureBox box;
    box.setPicture(lineDrawing());
    box.setFillColor(ui::kBlue);
    QCOMPARE(box.floodFill(15, 15), 18 * 8);
    for (int y = 11; y <= 18; ++y)
        for (int x = 11; x <= 28; ++x)
            QCOMPARE(box.pixel(x, y), ui::kBlue);
    QCOMPARE(box.pixel(10, 15), QColor(Qt::black));
    QCOMPARE(box.pixel(29, 19), QColor(Qt::black));
    QCOMPARE(box.pixel(9, 15), QColor(Qt::white));
    QCOMPARE(box.pixel(0, 0), QColor(Qt::white));
    // The loaded picture itself stays as it was.
    QCOMPARE(box.picture(), lineDrawing());
}

void TstPictureBox::fillsOutlineOnClickOnIt()
{
    ui::PictureBox box;
    box.setPicture(lineDrawing());
    box.setFillColor(ui::kBlue);
    QCOMPARE(box.floodFill(10, 12), 2 * 20 + 2 * 8);
    QCOMPARE(box.pixel(29, 19), ui::kBlue);
    QCOMPARE(box.pixel(15, 15), QColor(Qt::white));
    // The separate dot is not connected to the outline.
    QCOMPARE(box.pixel(45, 5), QColor(Qt::black));
}

void TstPictureBox::clearFillsRemovesEarlierFill()
{
    ui::PictureBox box;
    box.setPicture(lineDrawing());
    box.setFillColor(ui::kRed);
    QVERIFY(box.floodFill(0, 0) > 0);
    QCOMPARE(box.pixel(0, 0), ui::kRed);
    box.clearFills();
    QCOMPARE(box.surface(), box.picture());
    QCOMPARE(box.pixel(0, 0), QColor(Qt::white));
}

void TstPictureBox::secondClickLeavesOnlyLatestRegion()
{
    ui::PictureBox box;
    box.setPicture(lineDrawing());
    box.setFillColor(ui::kBlue);
    box.floodFill(15, 15);
    box.clearFills();
    box.floodFill(0, 0);
    QCOMPARE(box.pixel(15, 15), QColor(Qt::white));
    QCOMPARE(box.pixel(0, 0), ui::kBlue);
    QCOMPARE(box.pixel(49, 29), ui::kBlue);
}

void TstPictureBox::pixelOutsideIsInvalid()
{
    ui::PictureBox box;
    QVERIFY(!box.pixel(0, 0).isValid());
    QCOMPARE(box.floodFill(0, 0), 0);
    box.setPicture(lineDrawing());
    QVERIFY(box.pixel(49, 29).isValid());
    QVERIFY(!box.pixel(50, 0).isValid());
    QVERIFY(!box.pixel(0, 30).isValid());
    QVERIFY(!box.pixel(-1, 0).isValid());
    box.setFillColor(ui::kBlue);
    QCOMPARE(box.floodFill(50, 0), 0);
    QCOMPARE(box.floodFill(-1, -1), 0);
    QCOMPARE(box.surface(), box.picture());
}

void TstPictureBox::transparentPartsReadWhite()
{
    QImage picture(4, 1, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(3, 0, qRgba(255, 0, 0, 255));
    ui::PictureBox box;
    box.setPicture(picture);
    QCOMPARE(box.pixel(0, 0), QColor(Qt::white));
    QCOMPARE(box.pixel(3, 0), QColor(Qt::red));
    box.setFillColor(ui::kBlue);
    QCOMPARE(box.floodFill(0, 0), 3);
}

void TstPictureBox::mouseDownGivesPicturePixels()
{
    QWidget viewport;
    viewport.resize(30, 20);
    auto *box = new ui::PictureBox(&viewport);
    box->setPicture(lineDrawing());
    box->move(-15, -8); // scrolled
    viewport.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewport));

    QList<std::tuple<Qt::MouseButton, QPointF>> presses;
    QObject::connect(box, &ui::PictureBox::mouseDown, box,
                     [&](Qt::MouseButton button, Qt::KeyboardModifiers, QPointF position) {
                         presses.append({button, position});
                     });
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(20, 12));
    QTest::mouseClick(box, Qt::RightButton, {}, QPoint(40, 25));
    QCOMPARE(presses.size(), 2);
    QCOMPARE(std::get<0>(presses[0]), Qt::LeftButton);
    QCOMPARE(std::get<1>(presses[0]), QPointF(20, 12));
    QCOMPARE(std::get<0>(presses[1]), Qt::RightButton);
    QCOMPARE(std::get<1>(presses[1]), QPointF(40, 25));
}

void TstPictureBox::paintsSurfaceUnscaled()
{
    ui::PictureBox box;
    box.setPicture(lineDrawing());
    box.setFillColor(ui::kBlue);
    box.floodFill(15, 15);
    const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(50, 30));
    QCOMPARE(QColor(shown.pixel(15, 15)), ui::kBlue);
    QCOMPARE(QColor(shown.pixel(10, 10)), QColor(Qt::black));
    QCOMPARE(QColor(shown.pixel(45, 5)), QColor(Qt::black));
    QCOMPARE(QColor(shown.pixel(0, 0)), QColor(Qt::white));
}

QTEST_MAIN(TstPictureBox)
#include "tst_picturebox.moc"
