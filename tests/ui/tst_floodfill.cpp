// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/floodfill.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <deque>

namespace {

// The plain pixel-by-pixel fill the scanline fill must agree with.
qint64 referenceFill(QImage &image, QPoint start, QRgb fill)
{
    if (!image.rect().contains(start))
        return 0;
    if (image.format() == QImage::Format_RGB32)
        fill |= 0xFF000000u;
    const QRgb target = image.pixel(start);
    if (target == fill)
        return 0;
    qint64 painted = 0;
    std::deque<QPoint> queue{start};
    image.setPixel(start, fill);
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        ++painted;
        for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = p + d;
            if (image.rect().contains(n) && image.pixel(n) == target) {
                image.setPixel(n, fill);
                queue.push_back(n);
            }
        }
    }
    return painted;
}

QString firstDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("pixel (%1, %2): %3 instead of %4")
                    .arg(x).arg(y).arg(a.pixel(x, y), 8, 16).arg(b.pixel(x, y), 8, 16);
        }
    }
    return QString();
}

constexpr QRgb kBlue = 0xFF0000FFu;

// A picture drawn in characters: '.' white, '#' black, 'r' red, 'b' blue.
QImage image(const QStringList &rows)
{
    QImage img(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows[y].size(); ++x) {
            const QChar c = rows[y][x];
            img.setPixel(x, y, c == u'#' ? qRgb(0, 0, 0)
                             : c == u'r' ? qRgb(255, 0, 0)
                             : c == u'b' ? kBlue
                                         : qRgb(255, 255, 255));
        }
    }
    return img;
}

// Either noise of a few colours or a handful of rectangles and lines over a
// background, which gives long runs, bays and enclosed holes.
QImage randomPicture(QRandomGenerator &random, int width, int height, int colours, const QRgb *palette)
{
    QImage picture(width, height, QImage::Format_RGB32);
    if (random.bounded(2) == 0) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                picture.setPixel(x, y, palette[random.bounded(colours)]);
        return picture;
    }
    picture.fill(palette[0]);
    QPainter painter(&picture);
    const int shapes = random.bounded(1, 12);
    for (int i = 0; i < shapes; ++i) {
        const QColor colour = QColor::fromRgb(palette[random.bounded(colours)]);
        const QPoint a(random.bounded(width), random.bounded(height));
        const QPoint b(random.bounded(width), random.bounded(height));
        if (random.bounded(2) == 0) {
            painter.setPen(colour);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(a, b).normalized());
        } else {
            painter.setPen(QPen(colour, 1));
            painter.drawLine(a, b);
        }
    }
    return picture;
}

} // namespace

class TstFloodFill : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesQueueFillOnRandomImages();
    void shapes_data();
    void shapes();
    void changesNothing_data();
    void changesNothing();
    void otherFormatsAreConverted();
    void alphaIsPartOfTheColour();
};

void TstFloodFill::matchesQueueFillOnRandomImages()
{
    QRandomGenerator random(20260607);
    const QRgb palette[] = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255)};
    int equalColourCases = 0;
    int outsideCases = 0;
    for (int round = 0; round < 300; ++round) {
        const int width = random.bounded(1, 41);
        const int height = random.bounded(1, 41);
        const int colours = random.bounded(2, 4);
        const QImage picture = randomPicture(random, width, height, colours, palette);

        QPoint start(random.bounded(-2, width + 2), random.bounded(-2, height + 2));
        if (round % 10 == 0)
            start = QPoint(random.bounded(width), random.bounded(height));
        QRgb fill = palette[random.bounded(4)];
        if (round % 7 == 0 && picture.rect().contains(start))
            fill = picture.pixel(start);
        if (!picture.rect().contains(start))
            ++outsideCases;
        else if (picture.pixel(start) == (fill | 0xFF000000u))
            ++equalColourCases;

        QImage expected = picture;
        QImage actual = picture;
        const qint64 expectedCount = referenceFill(expected, start, fill);
        const qint64 actualCount = ui::floodFill(actual, start, fill);
        const QString difference = firstDifference(actual, expected);
        QVERIFY2(difference.isEmpty(),
                 qPrintable(QStringLiteral("round %1 (%2x%3 from %4,%5): %6")
                                .arg(round).arg(width).arg(height).arg(start.x()).arg(start.y()).arg(difference)));
        QCOMPARE(actualCount, expectedCount);
    }
    QVERIFY(equalColourCases > 10);
    QVERIFY(outsideCases > 10);
}

void TstFloodFill::shapes_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QStringList>("expected");

    // Blue is the fill colour.
    QTest::newRow("closed region stops at its outline")
        << QStringList{"........", ".######.", ".#....#.", ".#....#.", ".######.", "........"}
        << QPoint(3, 2)
        << QStringList{"........", ".######.", ".#bbbb#.", ".#bbbb#.", ".######.", "........"};
    QTest::newRow("outside of a closed region leaves the inside")
        << QStringList{"........", ".######.", ".#....#.", ".######.", "........"}
        << QPoint(0, 0)
        << QStringList{"bbbbbbbb", "b######b", "b#....#b", "b######b", "bbbbbbbb"};
    QTest::newRow("outline click fills the connected lines only")
        << QStringList{"#......#", ".######.", ".#....#.", ".######.", "........"}
        << QPoint(1, 1)
        << QStringList{"#......#", ".bbbbbb.", ".b....b.", ".bbbbbb.", "........"};
    QTest::newRow("diagonal neighbours are not connected")
        << QStringList{".#", "#."} << QPoint(0, 0) << QStringList{"b#", "#."};
    QTest::newRow("serpentine turns up and down")
        << QStringList{".#...#...", ".#.#.#.#.", ".#.#.#.#.", "...#...#."}
        << QPoint(0, 0)
        << QStringList{"b#bbb#bbb", "b#b#b#b#b", "b#b#b#b#b", "bbb#bbb#b"};
    QTest::newRow("bay reached only by going back up")
        << QStringList{".....", ".###.", ".#.#.", "...#.", "####."}
        << QPoint(4, 4)
        << QStringList{"bbbbb", "b###b", "b#b#b", "bbb#b", "####b"};
    QTest::newRow("one pixel picture") << QStringList{"r"} << QPoint(0, 0) << QStringList{"b"};
    QTest::newRow("single row") << QStringList{"..#.."} << QPoint(4, 0) << QStringList{"..#bb"};
    QTest::newRow("single column") << QStringList{".", ".", "#", "."} << QPoint(0, 1)
                                   << QStringList{"b", "b", "#", "."};
}

void TstFloodFill::shapes()
{
    QFETCH(QStringList, rows);
    QFETCH(QPoint, start);
    QFETCH(QStringList, expected);

    QImage picture = image(rows);
    const QImage wanted = image(expected);
    ui::floodFill(picture, start, kBlue);
    const QString difference = firstDifference(picture, wanted);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TstFloodFill::changesNothing_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QRgb>("fill");

    QTest::newRow("fill colour equal to the region's colour") << QPoint(3, 2) << qRgb(255, 255, 255);
    QTest::newRow("fill colour equal to the outline's colour") << QPoint(1, 1) << qRgb(0, 0, 0);
    QTest::newRow("point left of the picture") << QPoint(-1, 2) << kBlue;
    QTest::newRow("point above the picture") << QPoint(2, -1) << kBlue;
    QTest::newRow("point just right of the picture") << QPoint(8, 0) << kBlue;
    QTest::newRow("point just below the picture") << QPoint(0, 6) << kBlue;
    QTest::newRow("point far away") << QPoint(100000, -100000) << kBlue;
}

void TstFloodFill::changesNothing()
{
    QFETCH(QPoint, start);
    QFETCH(QRgb, fill);

    const QImage before = image({"........", ".######.", ".#....#.", ".#....#.", ".######.", "........"});
    QImage picture = before;
    QCOMPARE(ui::floodFill(picture, start, fill), 0);
    QCOMPARE(picture, before);

    QImage empty;
    QCOMPARE(ui::floodFill(empty, start, fill), 0);
    QVERIFY(empty.isNull());
}

void TstFloodFill::otherFormatsAreConverted()
{
    QImage picture = image({"..#", "..#", "###"}).convertToFormat(QImage::Format_Indexed8);
    QCOMPARE(ui::floodFill(picture, QPoint(0, 0), kBlue), 4);
    QCOMPARE(picture.format(), QImage::Format_RGB32);
    QCOMPARE(picture.pixel(1, 1), kBlue);
    QCOMPARE(picture.pixel(2, 2), qRgb(0, 0, 0));
}

void TstFloodFill::alphaIsPartOfTheColour()
{
    QImage picture(3, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(255, 255, 255, 255));
    picture.setPixel(1, 0, qRgba(255, 255, 255, 255));
    picture.setPixel(2, 0, qRgba(255, 255, 255, 0));
    QCOMPARE(ui::floodFill(picture, QPoint(0, 0), kBlue), 2);
    QCOMPARE(picture.pixel(1, 0), kBlue);
    QCOMPARE(picture.pixel(2, 0), qRgba(255, 255, 255, 0));
}

QTEST_GUILESS_MAIN(TstFloodFill)
#include "tst_floodfill.moc"
