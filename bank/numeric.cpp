// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numeric.h"

#include <cmath>

namespace bank {

namespace {

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

} // namespace

double numericValue(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;

    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    // The digits are gathered and converted in one go: adding up tenths one
    // by one would make "0.3" differ from 0.3 in its last bit.
    QString number;
    while (i < n && isAsciiDigit(text[i]))
        number += text[i++];
    const bool wholeDigits = !number.isEmpty();
    bool fractionDigits = false;
    if (i < n && text[i] == u'.') {
        ++i;
        QString fraction;
        while (i < n && isAsciiDigit(text[i]))
            fraction += text[i++];
        if (!fraction.isEmpty()) {
            number += u'.' + fraction;
            fractionDigits = true;
        }
    }
    if (!wholeDigits && !fractionDigits)
        return 0.0;
    if (!wholeDigits)
        number.prepend(u'0');
    const double value = number.toDouble();
    return negative ? -value : value;
}

QString numberText(double value)
{
    QString digits;
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        digits = QString::number(static_cast<qint64>(std::fabs(value)));
    else
        digits = QString::number(std::fabs(value), 'g', 15);
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}

} // namespace bank
