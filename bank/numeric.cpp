#include "numeric.h"

#include <cmath>

namespace bank {

double numericValue(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;

    double sign = 1.0;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            sign = -1.0;
        ++i;
    }

    double value = 0.0;
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        value = value * 10.0 + (text[i].unicode() - u'0');
        digits = true;
        ++i;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        double scale = 0.1;
        while (i < n && text[i].unicode() >= u'0' && text[i].unicode() <= u'9') {
            value += (text[i].unicode() - u'0') * scale;
            scale /= 10.0;
            digits = true;
            ++i;
        }
    }
    return digits ? sign * value : 0.0;
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
