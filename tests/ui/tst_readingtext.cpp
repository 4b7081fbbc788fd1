// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/readingtext.h"

#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

class TstReadingText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void clickTakesWord_data();
    void clickTakesWord();
    void emptyTextGivesNoWord();
    void typingChangesNothing();
    void keysTakeWord_data();
    void keysTakeWord();

private:
    // A click just before character `position`.
    void clickAt(int position);

    ui::ReadingText *text = nullptr;
};

void TstReadingText::init()
{
    text = new ui::ReadingText;
    text->resize(400, 200);
    text->show();
    QVERIFY(QTest::qWaitForWindowExposed(text));
}

void TstReadingText::cleanup()
{
    delete text;
    text = nullptr;
}

void TstReadingText::clickAt(int position)
{
    QTextCursor cursor(text->document());
    cursor.setPosition(position);
    const QRect caret = text->cursorRect(cursor);
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, QPoint(caret.left(), caret.center().y()));
}

void TstReadingText::clickTakesWord_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("word");

    QTest::newRow("inside a word") << "el perro come" << 4 << "perro";
    QTest::newRow("punctuation stays with its word") << "la casa, gran" << 5 << "casa,";
    QTest::newRow("a line break ends the word") << "come\nla" << 2 << "come";
    QTest::newRow("a no-break space separates") << QStringLiteral("dos\u00A0gats") << 5 << "gats";
    QTest::newRow("between two spaces, no word") << "a  b" << 2 << "";
}

void TstReadingText::clickTakesWord()
{
    QFETCH(QString, content);
    QFETCH(int, position);
    QFETCH(QString, word);

    text->setPlainText(content);
    QSignalSpy taken(text, &ui::ReadingText::wordTaken);
    clickAt(position);
    QCOMPARE(taken.count(), 1);
    QCOMPARE(taken.at(0).at(0).toString(), word);
    QCOMPARE(text->textCursor().selectedText(), word);
}

void TstReadingText::emptyTextGivesNoWord()
{
    QSignalSpy taken(text, &ui::ReadingText::wordTaken);
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    text->takeWordAtCaret();
    QCOMPARE(taken.count(), 0);
}

void TstReadingText::typingChangesNothing()
{
    text->setPlainText(QStringLiteral("el perro"));
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("xy"));
    QTest::keyClick(text, Qt::Key_Backspace);
    QCOMPARE(text->toPlainText(), QStringLiteral("el perro"));
}

void TstReadingText::keysTakeWord_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("word");

    const int right = Qt::Key_Right, left = Qt::Key_Left, down = Qt::Key_Down, ctrlRight = int(Qt::Key_Right) | int(Qt::CTRL);
    QTest::newRow("the first word, reached by Tab") << "el perro come" << QList<int>{} << "el";
    QTest::newRow("right goes a whole word") << "el perro come" << QList<int>{right} << "perro";
    QTest::newRow("ctrl+right too") << "el perro come" << QList<int>{ctrlRight, ctrlRight} << "come";
    QTest::newRow("past the last word stays on it") << "el perro" << QList<int>{right, right, right} << "perro";
    QTest::newRow("left comes back") << "el perro come" << QList<int>{right, right, left} << "perro";
    QTest::newRow("runs of spaces are skipped") << "a   b" << QList<int>{right} << "b";
    QTest::newRow("punctuation stays with its word") << "la casa, gran" << QList<int>{right} << "casa,";
    QTest::newRow("on to the next line") << "come\nla casa" << QList<int>{right} << "la";
    QTest::newRow("down a line") << "uno dos\ntres" << QList<int>{down} << "tres";
    QTest::newRow("a blank line is passed") << "uno\n\ndos" << QList<int>{down} << "dos";
}

void TstReadingText::keysTakeWord()
{
    QFETCH(QString, content);
    QFETCH(QList<int>, keys);
    QFETCH(QString, word);

    text->setPlainText(content);
    text->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(text));
    // Reached by Tab, as a pupil reaches it.
    text->clearFocus();
    text->setFocus(Qt::TabFocusReason);
    QSignalSpy taken(text, &ui::ReadingText::wordTaken);
    for (int key : keys)
        QTest::keyClick(text, Qt::Key(key & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    QCOMPARE(taken.count(), 0);
    QCOMPARE(text->textCursor().selectedText(), word);
    QTest::keyClick(text, Qt::Key_Space);
    QCOMPARE(taken.count(), 1);
    QCOMPARE(taken.at(0).at(0).toString(), word);
    // The rule of a click at the caret: the same word.
    text->takeWordAtCaret();
    QCOMPARE(taken.at(1).at(0).toString(), word);
}

QTEST_MAIN(TstReadingText)
#include "tst_readingtext.moc"
