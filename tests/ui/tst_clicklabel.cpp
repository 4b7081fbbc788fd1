// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/clicklabel.h"
#include "ui/programstyle.h"

#include <QApplication>
#include <QImage>
#include <QTest>

// An operable label's text starts at its very edge: the focus ring must
// stand round it, clear of the first letters, and the text stay put.
class TstClickLabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ui::useProgramStyle(); }
    void ringStandsClearOfText_data();
    void ringStandsClearOfText();
};

void TstClickLabel::ringStandsClearOfText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wrapped");
    QTest::addColumn<int>("height");

    QTest::newRow("numbered option") << QStringLiteral("2. El tauró") << true << 40;
    QTest::newRow("option wrapped onto lines")
        << QStringLiteral("4. Un animal que viu al mar, respira aire i alleta les cries, com ho fan els dofins")
        << true << 60;
    QTest::newRow("course name, one line as tall as the text") << QStringLiteral("Teclat") << false << 22;
}

void TstClickLabel::ringStandsClearOfText()
{
    QFETCH(QString, text);
    QFETCH(bool, wrapped);
    QFETCH(int, height);

    QWidget window;
    window.resize(400, 200);
    auto *label = new ui::ClickLabel(text, &window);
    auto *next = new ui::ClickLabel(QStringLiteral("3. El dofí"), &window);
    for (ui::ClickLabel *l : {label, next}) {
        l->setWordWrap(wrapped);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setKeyboardOperable(QAccessible::RadioButton);
    }
    label->setGeometry(30, 30, 300, height);
    next->setGeometry(30, 130, 300, 30);
    const QRect placed = label->geometry();
    const QRect textBefore = label->textGeometry();
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // Tab onto the label, as a pupil would.
    next->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(next, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), label);
    const QRect ring = label->focusRingGeometry();
    QVERIFY(!ring.isEmpty());
    QVERIFY(ui::insideFocusRing(ring).contains(label->textGeometry()));
    // The mouse sees the same label, its text where it was.
    QCOMPARE(label->geometry(), placed);
    QCOMPARE(label->textGeometry(), textBefore);
    // And the ring is drawn there: black a pixel in from its edge.
    QTRY_COMPARE(window.grab().toImage().pixelColor(ring.left() + 1, ring.center().y()), QColor(Qt::black));

    // It goes with the focus.
    QTest::keyClick(label, Qt::Key_Tab);
    QVERIFY(label->focusRingGeometry().isEmpty());
    QVERIFY(!next->focusRingGeometry().isEmpty());
}

QTEST_MAIN(TstClickLabel)
#include "tst_clicklabel.moc"
