// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The attachment viewer shows the file as it is whenever it becomes active,
// without decoding an unchanged picture a second time.

#include "sessionfixture.h"

#include "player/form5.h"

#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using testsupport::Session;

namespace {

QStringList withAttachment(const QString &attachment)
{
    return {QStringLiteral(" 1 "), QStringLiteral("Mestra"), QStringLiteral("Quina?"), QStringLiteral("u "),
            QStringLiteral("dos"), attachment};
}

// Written as BMP, whose byte count depends on the size alone.
void savePicture(Session &s, const QString &name, QSize size, Qt::GlobalColor colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QVERIFY(picture.save(s.folder.file(QStringLiteral("Graficos/") + name), "BMP"));
}

void activate(player::Form5 *viewer)
{
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(viewer, &activation);
}

QRgb shownPixel(const player::Form5 *viewer)
{
    return viewer->Image1->pixmap().toImage().pixel(0, 0);
}

} // namespace

class TstViewerReload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unchangedPictureIsNotReadAgain()
    {
        Session s;
        savePicture(s, QStringLiteral("prova.jpg"), QSize(90, 60), Qt::yellow);
        for (int n = 1; n <= 3; ++n)
            s.question(QStringLiteral("A"), n, withAttachment(QStringLiteral("prova.jpg")));
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
        s.show(0, 0);
        player::Form5 *viewer = w->attachmentViewer();
        QVERIFY(viewer);
        const qint64 key = viewer->Image1->pixmap().cacheKey();
        activate(viewer);
        QCOMPARE(viewer->Image1->pixmap().cacheKey(), key);
        QCOMPARE(viewer->windowWidthTwips(), 90 * 15);
        QVERIFY(w->Label18->text().isEmpty());
    }

    void viewerLeavesWithItsQuestion()
    {
        Session s;
        savePicture(s, QStringLiteral("prova.jpg"), QSize(90, 60), Qt::yellow);
        s.question(QStringLiteral("A"), 1, withAttachment(QStringLiteral("prova.jpg")));
        for (int n = 2; n <= 3; ++n) {
            s.question(QStringLiteral("A"), n, {QStringLiteral(" 1 "), QStringLiteral("Mestra"), QStringLiteral("Quina?"),
                                                QStringLiteral("alfa"), QStringLiteral("beta "), QStringLiteral("gamma")});
        }
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
        s.show(0, 0);
        player::Form5 *viewer = w->attachmentViewer();
        QVERIFY(viewer && viewer->isVisible());
        s.show(0, 1);
        QVERIFY(!viewer->isVisible());
        // Even activated, it never reads a label of the new question.
        activate(viewer);
        QVERIFY(w->Label18->text().isEmpty());
        s.show(0, 0);
        QVERIFY(viewer->isVisible());
    }

    void changedPictureIsShownOnActivation_data()
    {
        QTest::addColumn<QSize>("newSize");
        QTest::newRow("a picture of another size") << QSize(120, 80);
        QTest::newRow("a picture of the same size and bytes count") << QSize(90, 60);
    }
    void changedPictureIsShownOnActivation()
    {
        QFETCH(QSize, newSize);
        Session s;
        savePicture(s, QStringLiteral("prova.jpg"), QSize(90, 60), Qt::yellow);
        // Saved an hour ago, so that the replacement below bears another time.
        QFile old(s.folder.file(QStringLiteral("Graficos/prova.jpg")));
        QVERIFY(old.open(QIODevice::ReadWrite));
        QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        old.close();
        for (int n = 1; n <= 3; ++n)
            s.question(QStringLiteral("A"), n, withAttachment(QStringLiteral("prova.jpg")));
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
        s.show(0, 0);
        player::Form5 *viewer = w->attachmentViewer();
        QVERIFY(viewer);
        QCOMPARE(shownPixel(viewer), QColor(Qt::yellow).rgb());

        // A teacher replaces the picture while the pupil looks at another
        // window.
        savePicture(s, QStringLiteral("prova.jpg"), newSize, Qt::blue);
        activate(viewer);
        QCOMPARE(shownPixel(viewer), QColor(Qt::blue).rgb());
        QCOMPARE(viewer->windowWidthTwips(), newSize.width() * 15);
        QCOMPARE(viewer->windowHeightTwips(), newSize.height() * 15 + 550);
    }

    void anotherQuestionsPictureIsShown()
    {
        Session s;
        savePicture(s, QStringLiteral("groc.jpg"), QSize(90, 60), Qt::yellow);
        savePicture(s, QStringLiteral("blau.jpg"), QSize(90, 60), Qt::blue);
        s.question(QStringLiteral("A"), 1, withAttachment(QStringLiteral("groc.jpg")));
        s.question(QStringLiteral("A"), 2, withAttachment(QStringLiteral("blau.jpg")));
        s.question(QStringLiteral("A"), 3, withAttachment(QStringLiteral("groc.jpg")));
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
        s.show(0, 0);
        QCOMPARE(shownPixel(w->attachmentViewer()), QColor(Qt::yellow).rgb());
        s.show(0, 1);
        QCOMPARE(shownPixel(w->attachmentViewer()), QColor(Qt::blue).rgb());
        s.show(0, 2);
        QCOMPARE(shownPixel(w->attachmentViewer()), QColor(Qt::yellow).rgb());
    }

    // The next question's attachment cannot be read: nothing of the one
    // before stays on view.
    void nothingOfThePreviousQuestion_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("next");
        QTest::newRow("picture, then a missing picture") << "groc.jpg" << "falta.jpg";
        QTest::newRow("picture, then a missing text") << "groc.jpg" << "falta.txt";
        QTest::newRow("text, then a missing text") << "poema.txt" << "falta.txt";
        QTest::newRow("text, then a missing picture") << "poema.txt" << "falta.jpg";
        QTest::newRow("picture, then a broken picture") << "groc.jpg" << "trencat.jpg";
    }
    void nothingOfThePreviousQuestion()
    {
        QFETCH(QString, first);
        QFETCH(QString, next);
        Session s;
        savePicture(s, QStringLiteral("groc.jpg"), QSize(90, 60), Qt::yellow);
        s.folder.writeLines(QStringLiteral("textos/poema.txt"), {QStringLiteral("Roses")});
        s.folder.writeLines(QStringLiteral("Graficos/trencat.jpg"), {QStringLiteral("no és cap imatge")});
        s.question(QStringLiteral("A"), 1, withAttachment(first));
        for (int n = 2; n <= 3; ++n)
            s.question(QStringLiteral("A"), n, withAttachment(next));
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
        s.show(0, 0);
        player::Form5 *viewer = w->attachmentViewer();
        QVERIFY(!viewer->Image1->pixmap().isNull() || !viewer->Text1->toPlainText().isEmpty());
        s.show(0, 1);
        activate(viewer);
        QVERIFY(!w->Label18->text().isEmpty());
        QVERIFY(viewer->Image1->pixmap().isNull());
        QCOMPARE(viewer->Text1->toPlainText(), QString());
    }

    // A picture larger than the screen: the viewer stays on the screen's free
    // area and the picture, at its own size, scrolls.
    void largePictureStaysOnTheScreen()
    {
        Session s;
        savePicture(s, QStringLiteral("gran.jpg"), QSize(3000, 2000), Qt::yellow);
        for (int n = 1; n <= 3; ++n)
            s.question(QStringLiteral("A"), n, withAttachment(QStringLiteral("gran.jpg")));
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
        s.show(0, 0);
        player::Form5 *viewer = w->attachmentViewer();
        const QRect area = viewer->screen()->availableGeometry();
        QVERIFY2(area.contains(viewer->geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(viewer->x()).arg(viewer->y()).arg(viewer->width()).arg(viewer->height())));
        QCOMPARE(viewer->Image1->size(), QSize(3000, 2000));
        auto *scroll = viewer->findChild<QScrollArea *>();
        QVERIFY(scroll && scroll->isVisibleTo(viewer));
        QVERIFY(scroll->horizontalScrollBar()->maximum() > 0);
        QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
        // For the picture: the whole screen, where the caller asks.
        if (const QString shot = qEnvironmentVariable("BRENLOQ_SHOT"); !shot.isEmpty()) {
            QVERIFY(QTest::qWaitForWindowExposed(viewer));
            QTest::qWait(300);
            QVERIFY(viewer->screen()->grabWindow(0).save(shot));
        }
    }

    // Moved and resized by the pupil, the viewer stays where it was put while
    // the same attachment is shown, and is placed anew for another.
    void pupilsPlaceKept()
    {
        Session s;
        savePicture(s, QStringLiteral("groc.jpg"), QSize(200, 150), Qt::yellow);
        savePicture(s, QStringLiteral("blau.jpg"), QSize(90, 60), Qt::blue);
        s.question(QStringLiteral("A"), 1, withAttachment(QStringLiteral("groc.jpg")));
        s.question(QStringLiteral("A"), 2, withAttachment(QStringLiteral("groc.jpg")));
        s.question(QStringLiteral("A"), 3, withAttachment(QStringLiteral("blau.jpg")));
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
        s.show(0, 0);
        player::Form5 *viewer = w->attachmentViewer();
        const QRect placed = viewer->geometry();
        const QRect moved(placed.topLeft() + QPoint(37, 23), placed.size() - QSize(40, 30));
        viewer->setGeometry(moved);
        activate(viewer);
        QCOMPARE(viewer->geometry(), moved);
        s.show(0, 1);
        QCOMPARE(viewer->geometry(), moved);
        s.show(0, 2);
        QCOMPARE(viewer->size(), QSize(90, 60));
    }

    void missingPictureKeepsTheOneShown()
    {
        Session s;
        savePicture(s, QStringLiteral("prova.jpg"), QSize(90, 60), Qt::yellow);
        for (int n = 1; n <= 3; ++n)
            s.question(QStringLiteral("A"), n, withAttachment(QStringLiteral("prova.jpg")));
        player::Form3 *w = s.open({QStringLiteral("A")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
        s.show(0, 0);
        player::Form5 *viewer = w->attachmentViewer();
        QVERIFY(QFile::remove(s.folder.file(QStringLiteral("Graficos/prova.jpg"))));
        activate(viewer);
        QVERIFY2(w->Label18->text().contains(QStringLiteral("prova.jpg")), qPrintable(w->Label18->text()));
        QCOMPARE(shownPixel(viewer), QColor(Qt::yellow).rgb());
    }
};

QTEST_MAIN(TstViewerReload)
#include "tst_viewerreload.moc"
