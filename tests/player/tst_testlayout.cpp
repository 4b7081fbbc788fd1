// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "player/testlayout.h"

#include <QTest>

// Where the test window puts its controls for a screen and a number of tests,
// in pixels, as the window has always placed them.
class TstTestLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rectangles_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("tests");
        QTest::addColumn<QRect>("lastButton");  // Command1(tests - 1)
        QTest::addColumn<QRect>("list");        // List1(k)
        QTest::addColumn<QRect>("frame");       // Frame1(type), the transcript
        QTest::addColumn<QRect>("confirm");     // Command2
        QTest::addColumn<QRect>("help");        // Label14
        QTest::addColumn<QRect>("credits");     // Frame2, inside the frame
        QTest::addColumn<QRect>("lastOption");  // Label3(7), inside the frame
        QTest::addColumn<QRect>("readingText"); // Text2, inside the frame
        QTest::addColumn<QRect>("falseButton"); // Command5(SaysFalse), inside the frame

        QTest::newRow("800x600, one test")
            << QSize(800, 600) << 1
            << QRect(8, 8, 240, 37) << QRect(8, 92, 240, 438) << QRect(260, 41, 533, 489)
            << QRect(260, 531, 160, 40) << QRect(503, 535, 284, 31) << QRect(26, 124, 480, 240)
            << QRect(27, 408, 480, 40) << QRect(77, 114, 379, 261) << QRect(266, 287, 187, 60);
        QTest::newRow("1024x768, two tests: the lists move down a button")
            << QSize(1024, 768) << 2
            << QRect(8, 47, 240, 37) << QRect(8, 131, 240, 567) << QRect(260, 41, 757, 657)
            << QRect(260, 699, 160, 40) << QRect(503, 703, 508, 31) << QRect(138, 208, 480, 240)
            << QRect(27, 408, 704, 40) << QRect(114, 156, 528, 345) << QRect(378, 287, 187, 60);
        QTest::newRow("1366x768, five tests: a wide frame")
            << QSize(1366, 768) << 5
            << QRect(8, 164, 240, 37) << QRect(8, 248, 240, 450) << QRect(260, 41, 1099, 657)
            << QRect(260, 699, 160, 40) << QRect(503, 703, 850, 31) << QRect(309, 208, 480, 240)
            << QRect(27, 408, 1046, 40) << QRect(171, 156, 756, 345) << QRect(549, 287, 187, 60);
        QTest::newRow("1280x1024, one test: a tall frame")
            << QSize(1280, 1024) << 1
            << QRect(8, 8, 240, 37) << QRect(8, 92, 240, 862) << QRect(260, 41, 1013, 913)
            << QRect(260, 955, 160, 40) << QRect(503, 959, 764, 31) << QRect(266, 336, 480, 240)
            << QRect(27, 408, 960, 40) << QRect(157, 220, 699, 473) << QRect(506, 287, 187, 60);
        QTest::newRow("1920x1080, sixteen tests")
            << QSize(1920, 1080) << 16
            << QRect(8, 593, 240, 37) << QRect(8, 677, 240, 333) << QRect(260, 41, 1653, 969)
            << QRect(260, 1011, 160, 40) << QRect(503, 1015, 1404, 31) << QRect(586, 364, 480, 240)
            << QRect(27, 408, 1600, 40) << QRect(264, 234, 1125, 501) << QRect(826, 287, 187, 60);
        QTest::newRow("1024x768, sixteen tests: two to a row, the list keeps its rows")
            << QSize(1024, 768) << 16
            << QRect(129, 281, 119, 37) << QRect(8, 365, 240, 333) << QRect(260, 41, 757, 657)
            << QRect(260, 699, 160, 40) << QRect(503, 703, 508, 31) << QRect(138, 208, 480, 240)
            << QRect(27, 408, 704, 40) << QRect(114, 156, 528, 345) << QRect(378, 287, 187, 60);
        QTest::newRow("640x480, sixteen tests: two to a row, two rows of list left, credits cut at the left")
            << QSize(640, 480) << 16
            << QRect(129, 281, 119, 37) << QRect(8, 365, 240, 45) << QRect(260, 41, 373, 369)
            << QRect(260, 411, 160, 40) << QRect(503, 415, 124, 31) << QRect(-53, 64, 480, 240)
            << QRect(27, 408, 320, 40) << QRect(50, 84, 272, 201) << QRect(187, 287, 187, 60);
    }
    void rectangles()
    {
        QFETCH(QSize, screen);
        QFETCH(int, tests);
        const player::TestWindowLayout layout = player::testWindowLayout(screen, tests);
        QCOMPARE(layout.subjectButtons.size(), tests);
        QTEST(layout.subjectButtons.last(), "lastButton");
        QTEST(layout.questionList, "list");
        QTEST(layout.answerFrame, "frame");
        QTEST(layout.confirmButton, "confirm");
        QTEST(layout.helpLine, "help");
        QTEST(layout.creditsPanel, "credits");
        QTEST(layout.options[7], "lastOption");
        QTEST(layout.readingText, "readingText");
        QTEST(layout.trueFalseButtons[1], "falseButton");
    }
};

QTEST_APPLESS_MAIN(TstTestLayout)
#include "tst_testlayout.moc"
