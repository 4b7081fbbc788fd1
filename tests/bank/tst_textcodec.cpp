// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/textcodec.h"

#include <QTest>

// The Windows-1252 table written out independently of the codec: bytes
// 0x80..0x9F, the only ones that differ from Latin-1. The five bytes the code
// page leaves undefined map to the C1 control of the same value.
static const char16_t kExpectedHigh[32] = {
    u'\u20AC', 0x0081,    u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', 0x008D,    u'\u017D', 0x008F,
    0x0090,    u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', 0x009D,    u'\u017E', u'\u0178',
};

static char16_t expectedChar(int byte)
{
    return (byte >= 0x80 && byte < 0xA0) ? kExpectedHigh[byte - 0x80] : char16_t(byte);
}

class TstTextCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyByteDecodes_data();
    void everyByteDecodes();
    void everyByteEncodesBack_data();
    void everyByteEncodesBack();
    void wholeTableRoundTrip();
    void spotChecks_data();
    void spotChecks();

    void unencodable_data();
    void unencodable();

    void decodeText_data();
    void decodeText();

    void splitLines_data();
    void splitLines();
};

static void addByteRows()
{
    QTest::addColumn<int>("byte");
    for (int b = 0; b < 256; ++b)
        QTest::addRow("byte 0x%02X", b) << b;
}

void TstTextCodec::everyByteDecodes_data()
{
    addByteRows();
}

void TstTextCodec::everyByteDecodes()
{
    QFETCH(int, byte);
    const QString text = bank::decodeWindows1252(QByteArray(1, char(byte)));
    QCOMPARE(text.size(), 1);
    QCOMPARE(text[0].unicode(), expectedChar(byte));
}

void TstTextCodec::everyByteEncodesBack_data()
{
    addByteRows();
}

void TstTextCodec::everyByteEncodesBack()
{
    QFETCH(int, byte);
    QByteArray out;
    QVERIFY(bank::encodeWindows1252(QString(QChar(expectedChar(byte))), out));
    QCOMPARE(out, QByteArray(1, char(byte)));
}

void TstTextCodec::wholeTableRoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = bank::decodeWindows1252(all);
    QCOMPARE(text.size(), 256);
    QByteArray back;
    QVERIFY(bank::encodeWindows1252(text, back));
    QCOMPARE(back, all);
}

void TstTextCodec::spotChecks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("0x80 euro") << QByteArray("\x80") << QString::fromUtf8("€");
    QTest::newRow("0x92 right quote") << QByteArray("\x92") << QString::fromUtf8("’");
    QTest::newRow("0xE0 a grave") << QByteArray("\xE0") << QString::fromUtf8("à");
    QTest::newRow("undefined 0x81") << QByteArray("\x81") << QString(QChar(0x81));
    QTest::newRow("undefined 0x8D") << QByteArray("\x8D") << QString(QChar(0x8D));
    QTest::newRow("undefined 0x8F") << QByteArray("\x8F") << QString(QChar(0x8F));
    QTest::newRow("undefined 0x90") << QByteArray("\x90") << QString(QChar(0x90));
    QTest::newRow("undefined 0x9D") << QByteArray("\x9D") << QString(QChar(0x9D));
    QTest::newRow("spanish sentence")
        << QByteArray("\xBF" "Cu\xE1l es la capital de Espa\xF1" "a?")
        << QString::fromUtf8("¿Cuál es la capital de España?");
    QTest::newRow("catalan middle dot and cedilla")
        << QByteArray("col\xB7legi, pla\xE7" "a")
        << QString::fromUtf8("col·legi, plaça");
    QTest::newRow("nul byte kept") << QByteArray("a\0b", 3) << QString(QStringLiteral("a") + QChar(0) + u'b');
}

void TstTextCodec::spotChecks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(bank::decodeWindows1252(bytes), text);
    QByteArray out;
    QVERIFY(bank::encodeWindows1252(text, out));
    QCOMPARE(out, bytes);
}

void TstTextCodec::unencodable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("bad");

    QTest::newRow("greek letter") << QString::fromUtf8("área π") << QChar(0x03C0);
    QTest::newRow("C1 control that is euro's place") << QString(QStringLiteral("x") + QChar(0x80)) << QChar(0x80);
    QTest::newRow("C1 control 0x9F") << QString(QChar(0x9F)) << QChar(0x9F);
    QTest::newRow("cyrillic first") << QString::fromUtf8("Жa") << QChar(0x0416);
    QTest::newRow("emoji high surrogate") << QString::fromUtf8("ok 😀") << QChar(0xD83D);
    QTest::newRow("line separator") << QString(QChar(0x2028)) << QChar(0x2028);
}

void TstTextCodec::unencodable()
{
    QFETCH(QString, text);
    QFETCH(QChar, bad);
    QByteArray out("untouched");
    QChar reported;
    QVERIFY(!bank::encodeWindows1252(text, out, &reported));
    QCOMPARE(out, QByteArray("untouched"));
    QCOMPARE(reported, bad);
}

void TstTextCodec::decodeText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("pure ASCII") << QByteArray("Roma\r\nParis ") << QStringLiteral("Roma\r\nParis ");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("UTF-8 with BOM, BOM dropped")
        << QByteArray("\xEF\xBB\xBF" "Par\xC3\xADs") << QString::fromUtf8("París");
    QTest::newRow("UTF-8 BOM and ASCII only")
        << QByteArray("\xEF\xBB\xBF" "abc") << QStringLiteral("abc");
    QTest::newRow("valid UTF-8 two-byte sequences")
        << QByteArray("Matem\xC3\xA0tiques i Geografia") << QString::fromUtf8("Matemàtiques i Geografia");
    QTest::newRow("valid UTF-8 three-byte euro")
        << QByteArray("5 \xE2\x82\xAC") << QString::fromUtf8("5 €");
    QTest::newRow("1252 accents are not UTF-8")
        << QByteArray("Par\xEDs") << QString::fromUtf8("París");
    QTest::newRow("1252 euro and quote")
        << QByteArray("\x80 l\x92" "aigua") << QString::fromUtf8("€ l’aigua");
    QTest::newRow("valid UTF-8 then a stray 1252 byte falls back whole")
        << QByteArray("\xC3\xA0 and \xE0")
        << QString(QString::fromUtf8("Ã") + QChar(0xA0) + QString::fromUtf8(" and à"));
    QTest::newRow("truncated UTF-8 sequence at the end falls back")
        << QByteArray("abc\xC3") << QString::fromUtf8("abcÃ");
    QTest::newRow("overlong encoding falls back")
        << QByteArray("\xC0\xAF") << QString::fromUtf8("À¯");
}

void TstTextCodec::decodeText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(bank::decodeText(bytes), text);
}

void TstTextCodec::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR LF endings") << QStringLiteral("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lone CR ends a line") << QStringLiteral("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("lone LF stays inside the line")
        << QStringLiteral("a\nb\r\nc") << QStringList{"a\nb", "c"};
    QTest::newRow("LF only file is one line") << QStringLiteral("a\nb\n") << QStringList{"a\nb\n"};
    QTest::newRow("no final terminator") << QStringLiteral("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty text has no lines") << QString() << QStringList{};
    QTest::newRow("two empty lines") << QStringLiteral("\r\n\r\n") << QStringList{"", ""};
    QTest::newRow("one empty line") << QStringLiteral("\r\n") << QStringList{""};
    QTest::newRow("LF CR is LF in line then CR end")
        << QStringLiteral("a\n\rb") << QStringList{"a\n", "b"};
    QTest::newRow("CR CR LF is an empty line")
        << QStringLiteral("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("spaces kept") << QStringLiteral("  x \r\n   \r\n") << QStringList{"  x ", "   "};
    QTest::newRow("empty line in the middle")
        << QStringLiteral("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
}

void TstTextCodec::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(bank::splitLines(text), lines);
}

QTEST_GUILESS_MAIN(TstTextCodec)
#include "tst_textcodec.moc"
