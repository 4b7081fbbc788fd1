// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/wordrule.h"

#include <QTest>

class TstWordRule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wordAtCaret_data();
    void wordAtCaret();
    void lineBreaksEndWords_data();
    void lineBreaksEndWords();
    void caretOutsideText_data();
    void caretOutsideText();
    void separators_data();
    void separators();
};

void TstWordRule::wordAtCaret_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("start");

    const QString plain = QStringLiteral("el perro come");
    QTest::newRow("caret at the start takes the first word") << plain << 0 << "el" << 0;
    QTest::newRow("caret inside the first word") << plain << 1 << "el" << 0;
    QTest::newRow("caret at the end of the first word") << plain << 2 << "el" << 0;
    QTest::newRow("caret just after a space takes the next word") << plain << 3 << "perro" << 3;
    QTest::newRow("caret after the letters pe") << plain << 5 << "perro" << 3;
    QTest::newRow("caret at the end of the middle word") << plain << 8 << "perro" << 3;
    QTest::newRow("caret at the start of the last word") << plain << 9 << "come" << 9;
    QTest::newRow("caret after the last character takes the last word") << plain << 13 << "come" << 9;

    const QString punctuated = QStringLiteral("El perro, grande.");
    QTest::newRow("click at the very start stores El") << punctuated << 0 << "El" << 0;
    QTest::newRow("click inside the second word keeps its comma") << punctuated << 5 << "perro," << 3;
    QTest::newRow("click after the full stop keeps the full stop") << punctuated << 17 << "grande." << 10;

    QTest::newRow("one-word text at its start") << "casa" << 0 << "casa" << 0;
    QTest::newRow("one-word text inside") << "casa" << 2 << "casa" << 0;
    QTest::newRow("one-word text at its end") << "casa" << 4 << "casa" << 0;

    QTest::newRow("caret between two spaces gives an empty word") << "el  perro" << 3 << "" << 3;
    QTest::newRow("caret before two spaces takes the word before") << "el  perro" << 2 << "el" << 0;
    QTest::newRow("caret after two spaces takes the word after") << "el  perro" << 4 << "perro" << 4;
    QTest::newRow("caret after a trailing space gives an empty word") << "casa " << 5 << "" << 5;
    QTest::newRow("caret after a leading space takes the first word") << " casa" << 1 << "casa" << 1;
    QTest::newRow("caret before a leading space gives an empty word") << " casa" << 0 << "" << 0;

    QTest::newRow("a tab stays inside the word") << "uno\tdos tres" << 2 << "uno\tdos" << 0;
    QTest::newRow("empty text gives an empty word") << "" << 0 << "" << 0;
}

void TstWordRule::wordAtCaret()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QString, word);
    QFETCH(int, start);

    QCOMPARE(bank::wordAt(text, position), word);
    const bank::WordRange range = bank::wordRangeAt(text, position);
    QCOMPARE(range.start, start);
    QCOMPARE(range.length, word.size());
}

// A word at the end of a line must not take the line break and the first
// word of the next line with it.
void TstWordRule::lineBreaksEndWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("word");

    const QString crlf = QStringLiteral("uno dos\r\ntres cuatro");
    QTest::newRow("CR LF: inside the word at the line end") << crlf << 5 << "dos";
    QTest::newRow("CR LF: caret at the line end") << crlf << 7 << "dos";
    QTest::newRow("CR LF: caret at the start of the next line") << crlf << 9 << "tres";
    QTest::newRow("CR LF: caret between CR and LF is empty") << crlf << 8 << "";
    QTest::newRow("CR LF: last word of the first line from its start") << crlf << 4 << "dos";

    const QString lf = QStringLiteral("uno dos\ntres");
    QTest::newRow("lone LF: caret at the line end") << lf << 7 << "dos";
    QTest::newRow("lone LF: caret at the start of the next line") << lf << 8 << "tres";
    QTest::newRow("lone LF: last word of the text") << lf << 12 << "tres";

    QTest::newRow("lone CR ends a word") << "dos\rtres" << 1 << "dos";
    QTest::newRow("paragraph separator of an edit box ends a word")
        << QStringLiteral("dos") + QChar(QChar::ParagraphSeparator) + QStringLiteral("tres") << 3 << "dos";
    QTest::newRow("empty line between two lines") << "uno\r\n\r\ndos" << 5 << "";
}

void TstWordRule::lineBreaksEndWords()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QString, word);
    QCOMPARE(bank::wordAt(text, position), word);
}

void TstWordRule::caretOutsideText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("word");

    QTest::newRow("caret beyond the end counts as at the end") << "el perro" << 99 << "perro";
    QTest::newRow("negative caret counts as at the start") << "el perro" << -3 << "el";
    QTest::newRow("caret beyond an empty text") << "" << 5 << "";
}

void TstWordRule::caretOutsideText()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QString, word);
    QCOMPARE(bank::wordAt(text, position), word);
}

void TstWordRule::separators_data()
{
    QTest::addColumn<QChar>("character");
    QTest::addColumn<bool>("separates");

    QTest::newRow("space") << QChar(u' ') << true;
    QTest::newRow("carriage return") << QChar(u'\r') << true;
    QTest::newRow("line feed") << QChar(u'\n') << true;
    QTest::newRow("tab belongs to the word") << QChar(u'\t') << false;
    QTest::newRow("comma belongs to the word") << QChar(u',') << false;
    QTest::newRow("full stop belongs to the word") << QChar(u'.') << false;
    // The reading box shows it as a space, and a click ends the word there.
    QTest::newRow("no-break space separates") << QChar(QChar::Nbsp) << true;
}

void TstWordRule::separators()
{
    QFETCH(QChar, character);
    QFETCH(bool, separates);
    QCOMPARE(bank::isWordSeparator(character), separates);
}

QTEST_GUILESS_MAIN(TstWordRule)
#include "tst_wordrule.moc"
