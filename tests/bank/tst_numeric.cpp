// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/numeric.h"

#include <QTest>

class TstNumeric : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numericValue_data();
    void numericValue();
    void notANumber_data();
    void notANumber();
    void numberText_data();
    void numberText();
    void numberTextReadsBack_data();
    void numberTextReadsBack();
};

void TstNumeric::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    // Type codes as question files carry them.
    QTest::newRow("print form space digit space") << QStringLiteral(" 1 ") << 1.0;
    QTest::newRow("bare digit") << QStringLiteral("3") << 3.0;
    QTest::newRow("digit with blanks both sides") << QStringLiteral("  3  ") << 3.0;
    QTest::newRow("leading tabs skipped") << QStringLiteral("\t\t4") << 4.0;
    QTest::newRow("tab and space mixed before") << QStringLiteral(" \t 6\t") << 6.0;
    // Signs and fractions.
    QTest::newRow("negative fraction stops at letter") << QStringLiteral("-2.5x") << -2.5;
    QTest::newRow("plus sign") << QStringLiteral("+7") << 7.0;
    QTest::newRow("fraction without whole part") << QStringLiteral(".5") << 0.5;
    QTest::newRow("negative fraction without whole part") << QStringLiteral("-.25") << -0.25;
    QTest::newRow("second point ends the number") << QStringLiteral("1.2.3") << 1.2;
    QTest::newRow("letters after digits") << QStringLiteral("12abc") << 12.0;
    QTest::newRow("trailing point") << QStringLiteral("8.") << 8.0;
    QTest::newRow("point followed by letter") << QStringLiteral("8.x") << 8.0;
    QTest::newRow("comma is no decimal point") << QStringLiteral(" 7,50") << 7.0;
    QTest::newRow("mark text with leading space") << QStringLiteral(" 4,99") << 4.0;
    QTest::newRow("blank inside digits ends them") << QStringLiteral("1 2") << 1.0;
    QTest::newRow("leading zeros") << QStringLiteral("007") << 7.0;
    QTest::newRow("many digits") << QStringLiteral("123456789012") << 123456789012.0;
    // Decimal fractions must come out as the nearest double, not a sum of tenths.
    QTest::newRow("0.3 exact") << QStringLiteral("0.3") << 0.3;
    QTest::newRow("1.23 exact") << QStringLiteral("1.23") << 1.23;
    QTest::newRow("7.1 exact") << QStringLiteral("7.1") << 7.1;
    QTest::newRow("minutes in a time box") << QStringLiteral("45 minuts") << 45.0;
}

void TstNumeric::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double actual = bank::numericValue(text);
    // Exact: a value read from a file is compared with ==.
    QVERIFY2(actual == expected,
             qPrintable(QStringLiteral("%1 gave %2, expected %3")
                            .arg(text)
                            .arg(actual, 0, 'g', 17)
                            .arg(expected, 0, 'g', 17)));
}

void TstNumeric::notANumber_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("letters") << QStringLiteral("abc");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks only") << QStringLiteral("   ");
    QTest::newRow("tabs only") << QStringLiteral("\t\t");
    QTest::newRow("sign only") << QStringLiteral("-");
    QTest::newRow("point only") << QStringLiteral(".");
    QTest::newRow("sign and point") << QStringLiteral("+.");
    QTest::newRow("letter before digits") << QStringLiteral("x12");
    QTest::newRow("two signs") << QStringLiteral("--3");
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("\u0663");
    QTest::newRow("default caption") << QStringLiteral("Respuesta");
}

void TstNumeric::notANumber()
{
    QFETCH(QString, text);
    QCOMPARE(bank::numericValue(text), 0.0);
}

void TstNumeric::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("positive whole gets sign space") << 15.0 << QStringLiteral(" 15");
    QTest::newRow("zero gets sign space") << 0.0 << QStringLiteral(" 0");
    QTest::newRow("negative zero is zero") << -0.0 << QStringLiteral(" 0");
    QTest::newRow("negative gets minus") << -3.0 << QStringLiteral("-3");
    QTest::newRow("fraction with point") << 7.5 << QStringLiteral(" 7.5");
    QTest::newRow("negative fraction") << -0.25 << QStringLiteral("-0.25");
    QTest::newRow("hundred") << 100.0 << QStringLiteral(" 100");
    QTest::newRow("large whole without exponent") << 123456789012.0 << QStringLiteral(" 123456789012");
}

void TstNumeric::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(bank::numberText(value), expected);
}

void TstNumeric::numberTextReadsBack_data()
{
    QTest::addColumn<double>("value");

    QTest::newRow("whole") << 42.0;
    QTest::newRow("negative") << -17.0;
    QTest::newRow("fraction") << 3.75;
    QTest::newRow("tenths") << 0.1;
}

// A caption a window wrote is read back by another with the leading-number rule.
void TstNumeric::numberTextReadsBack()
{
    QFETCH(double, value);
    QVERIFY(bank::numericValue(bank::numberText(value)) == value);
}

QTEST_GUILESS_MAIN(TstNumeric)
#include "tst_numeric.moc"
