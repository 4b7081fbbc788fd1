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

QTEST_MAIN(TstReadingText)
#include "tst_readingtext.moc"
