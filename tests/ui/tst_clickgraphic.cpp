// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/clickgraphic.h"
#include "ui/controls.h"
#include "ui/picturebox.h"

#include <QFrame>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

// White, with a black vertical line at x = 40 splitting it in two regions.
QImage twoRegions(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(40, 0, 1, size.height(), Qt::black);
    return picture;
}

const QRect kViewport(30, 20, 100, 80);

} // namespace

class TstClickGraphic : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void barsBesideViewport_data();
    void barsBesideViewport();
    void scrolling_data();
    void scrolling();
    void pressFillsAndGivesPosition_data();
    void pressFillsAndGivesPosition();
    void failedLoadKeepsGraphic();
    void keyboardCross_data();
    void keyboardCross();
};

void TstClickGraphic::barsBesideViewport_data()
{
    QTest::addColumn<int>("gapBelow");
    QTest::addColumn<int>("thickness");

    QTest::newRow("right against it, 16 thick") << 0 << 16;
    QTest::newRow("a pixel below, the style's thickness") << 1 << 0;
}

void TstClickGraphic::barsBesideViewport()
{
    QFETCH(int, gapBelow);
    QFETCH(int, thickness);

    QWidget frame;
    ui::ClickGraphic graphic(&frame, ui::ScrollBarPlacement{gapBelow, thickness});
    graphic.setViewportGeometry(kViewport);
    const QScrollBar *h = graphic.findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    const QScrollBar *v = graphic.findChild<QScrollBar *>(QStringLiteral("VScroll1"));
    QVERIFY(h && v);
    const int hThick = thickness ? thickness : h->sizeHint().height();
    const int vThick = thickness ? thickness : v->sizeHint().width();

    auto inFrame = [&](const QWidget *w) { return QRect(w->mapTo(&frame, QPoint(0, 0)), w->size()); };
    QCOMPARE(inFrame(graphic.findChild<QFrame *>(QStringLiteral("Picture1"))), kViewport);
    QCOMPARE(inFrame(v), QRect(kViewport.right() + 1, kViewport.top(), vThick, kViewport.height()));
    QCOMPARE(inFrame(h), QRect(kViewport.left(), kViewport.bottom() + 1 + gapBelow, kViewport.width(), hThick));
}

void TstClickGraphic::scrolling_data()
{
    QTest::addColumn<QSize>("size");

    QTest::newRow("larger than the viewport") << QSize(300, 200);
    QTest::newRow("smaller than the viewport") << QSize(60, 50);
    QTest::newRow("wider, but lower") << QSize(300, 50);
}

void TstClickGraphic::scrolling()
{
    QFETCH(QSize, size);

    ui::ClickGraphic graphic(nullptr, ui::ScrollBarPlacement{0, 16});
    graphic.setViewportGeometry(kViewport);
    graphic.horizontalBar()->setValue(7); // a scrolled earlier graphic
    graphic.setPicture(twoRegions(size));
    QScrollBar *h = graphic.horizontalBar();
    QScrollBar *v = graphic.verticalBar();
    ui::PictureBox *picture = graphic.pictureBox();

    // A new graphic shows from its top left, each bar running from the
    // viewport's size to the graphic's.
    QCOMPARE(picture->pos(), QPoint(0, 0));
    QCOMPARE(h->minimum(), std::min(kViewport.width(), size.width()));
    QCOMPARE(h->maximum(), std::max(kViewport.width(), size.width()));
    QCOMPARE(v->minimum(), std::min(kViewport.height(), size.height()));
    QCOMPARE(v->maximum(), std::max(kViewport.height(), size.height()));
    QCOMPARE(h->value(), kViewport.width());
    QCOMPARE(v->value(), kViewport.height());

    // The graphic's end at the bar's far end: its right and bottom edges
    // meet the viewport's.
    h->setValue(size.width());
    v->setValue(size.height());
    QCOMPARE(picture->geometry().right() + 1, kViewport.width());
    QCOMPARE(picture->geometry().bottom() + 1, kViewport.height());
}

void TstClickGraphic::pressFillsAndGivesPosition_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("scroll");
    QTest::addColumn<QPoint>("press");

    QTest::newRow("left button") << int(Qt::LeftButton) << QPoint(0, 0) << QPoint(60, 30);
    QTest::newRow("right button") << int(Qt::RightButton) << QPoint(0, 0) << QPoint(60, 30);
    QTest::newRow("scrolled to the far end") << int(Qt::LeftButton) << QPoint(300, 200) << QPoint(290, 190);
}

void TstClickGraphic::pressFillsAndGivesPosition()
{
    QFETCH(int, button);
    QFETCH(QPoint, scroll);
    QFETCH(QPoint, press);

    ui::ClickGraphic graphic(nullptr, ui::ScrollBarPlacement{0, 16});
    graphic.setViewportGeometry(kViewport);
    graphic.setPicture(twoRegions(QSize(300, 200)));
    ui::PictureBox *picture = graphic.pictureBox();
    picture->setFillColor(ui::kBlue);
    graphic.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graphic));
    if (!scroll.isNull()) {
        graphic.horizontalBar()->setValue(scroll.x());
        graphic.verticalBar()->setValue(scroll.y());
    }
    QSignalSpy marked(&graphic, &ui::ClickGraphic::marked);

    // An earlier mark on the left region goes when the right one is pressed.
    graphic.markAt(QPointF(10.4, 20.6));
    QCOMPARE(picture->pixel(10, 21), ui::kBlue);
    QTest::mouseClick(picture, Qt::MouseButton(button), {}, press);

    QCOMPARE(marked.count(), 2);
    QCOMPARE(marked.at(0).at(0).toPointF(), QPointF(10.4, 20.6));
    QCOMPARE(marked.at(1).at(0).toPointF(), QPointF(press));
    QCOMPARE(picture->pixel(press.x(), press.y()), ui::kBlue);
    QCOMPARE(picture->pixel(10, 21), QColor(Qt::white));
    QCOMPARE(picture->pixel(40, 0), QColor(Qt::black));
}

void TstClickGraphic::failedLoadKeepsGraphic()
{
    ui::ClickGraphic graphic(nullptr, ui::ScrollBarPlacement{0, 16});
    graphic.setViewportGeometry(kViewport);
    graphic.setPicture(twoRegions(QSize(300, 200)));
    graphic.horizontalBar()->setValue(250);
    const QPoint scrolled = graphic.pictureBox()->pos();

    QVERIFY(!graphic.load(QStringLiteral("/nonexistent/graphic.png")));
    QCOMPARE(graphic.loadProblem(), ui::PictureProblem::Missing);
    QCOMPARE(graphic.pictureBox()->size(), QSize(300, 200));
    QCOMPARE(graphic.pictureBox()->pos(), scrolled);
}

void TstClickGraphic::keyboardCross_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QPoint>("cross");

    const int shift = Qt::SHIFT;
    // The cross starts at the middle of the 100 x 80 view.
    QTest::newRow("where it starts") << QList<int>{} << QPoint(50, 40);
    QTest::newRow("one small step each way")
        << QList<int>{Qt::Key_Right, Qt::Key_Down, Qt::Key_Down} << QPoint(54, 48);
    QTest::newRow("shift takes larger steps") << QList<int>{Qt::Key_Right | shift} << QPoint(82, 40);
    QTest::newRow("stops at the graphic's left edge, in the other region")
        << QList<int>{Qt::Key_Left | shift, Qt::Key_Left | shift} << QPoint(0, 40);
    QTest::newRow("beyond the view, which follows")
        << QList<int>(8, Qt::Key_Right | shift) << QPoint(299, 40);
    QTest::newRow("down to the bottom edge") << QList<int>(8, Qt::Key_Down | shift) << QPoint(50, 199);
}

void TstClickGraphic::keyboardCross()
{
    QFETCH(QList<int>, keys);
    QFETCH(QPoint, cross);

    ui::ClickGraphic graphic(nullptr, ui::ScrollBarPlacement{0, 16});
    graphic.setViewportGeometry(kViewport);
    graphic.setPicture(twoRegions(QSize(300, 200)));
    ui::PictureBox *picture = graphic.pictureBox();
    picture->setFillColor(ui::kBlue);
    graphic.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graphic));
    QCOMPARE(graphic.focusPolicy(), Qt::TabFocus);
    QSignalSpy marked(&graphic, &ui::ClickGraphic::marked);

    for (int key : keys)
        QTest::keyClick(&graphic, Qt::Key(key & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    QCOMPARE(graphic.cross(), cross);
    QCOMPARE(marked.count(), 0);
    // The cross stays in sight.
    QVERIFY(graphic.viewport()->rect().contains(picture->pos() + cross));

    QTest::keyClick(&graphic, Qt::Key_Return);
    QCOMPARE(marked.count(), 1);
    QCOMPARE(marked.at(0).at(0).toPointF(), QPointF(cross));
    QCOMPARE(picture->pixel(cross.x(), cross.y()), ui::kBlue);
    // The region across the line keeps its white.
    const QPoint across = cross.x() < 40 ? QPoint(100, 10) : QPoint(10, 10);
    QCOMPARE(picture->pixel(across.x(), across.y()), QColor(Qt::white));
}

QTEST_MAIN(TstClickGraphic)
#include "tst_clickgraphic.moc"
