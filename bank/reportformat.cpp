// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reportformat.h"

#include <QRegularExpression>

namespace bank {

QString reportFileName(const QString &pupilName, const QDateTime &when)
{
    QString name = pupilName;
    for (QChar &c : name) {
        if (c.unicode() < 32 || c == QChar(0x7F) || QStringLiteral("\\/:*?\"<>|").contains(c))
            c = u'_';
    }
    // A leading dot would hide the report from the teacher's file manager.
    for (int i = 0; i < name.size() && name[i] == u'.'; ++i)
        name[i] = u'_';
    if (name.isEmpty())
        name = QStringLiteral("Sin-nombre");
    const QDate date = when.date();
    const QTime time = when.time();
    return name + QStringLiteral(" --%1M,%2H --%3-%4-%5.rtf")
                      .arg(time.minute())
                      .arg(time.hour())
                      .arg(date.day())
                      .arg(date.month())
                      .arg(date.year());
}

std::optional<ReportName> readReportFileName(const QString &fileName)
{
    static const QRegularExpression shape(
        QStringLiteral(R"(^(.+) --(\d{1,2})M,(\d{1,2})H --(\d{1,2})-(\d{1,2})-(\d{4})(?: \((\d{1,3})\))?\.rtf$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = shape.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    const QTime time(match.capturedView(3).toInt(), match.capturedView(2).toInt());
    const QDate date(match.capturedView(6).toInt(), match.capturedView(5).toInt(), match.capturedView(4).toInt());
    if (!time.isValid() || !date.isValid())
        return std::nullopt;
    ReportName name;
    name.pupil = match.captured(1);
    // As written, in no time zone: a report of the hour that daylight saving
    // skips keeps its time, and comparing moments costs no zone look-up.
    name.when = QDateTime(date, time, Qt::UTC);
    if (match.hasCaptured(7)) {
        // The writer's first repeat is " (2)"; no report is named " (1)".
        name.repeat = match.capturedView(7).toInt();
        if (name.repeat < 2)
            return std::nullopt;
    }
    return name;
}

QString summaryLine(const ReportSummary &s, const QString &rightLabel, const QString &wrongLabel,
                    const QString &blankLabel)
{
    return s.subject + QStringLiteral(" - ") + s.mark + QStringLiteral(" - ( ") + rightLabel
        + QStringLiteral(" : ") + QString::number(s.right) + QStringLiteral("; ") + wrongLabel
        + QStringLiteral(" : ") + QString::number(s.wrong) + QStringLiteral("; ") + blankLabel
        + QStringLiteral(" : ") + QString::number(s.blank) + QStringLiteral(" )");
}

std::optional<ReportSummary> readSummaryLine(const QString &line)
{
    static const QRegularExpression shape(
        QStringLiteral(R"(^(.+) - (?: ?(\d+(?:,\d+)?))? - \( (.*) : (\d{1,9}); (.*) : (\d{1,9}); (.*) : (\d{1,9}) \)\s*$)"));
    const QRegularExpressionMatch match = shape.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    ReportSummary result;
    result.subject = match.captured(1);
    result.mark = match.captured(2);
    result.right = match.capturedView(4).toInt();
    result.wrong = match.capturedView(6).toInt();
    result.blank = match.capturedView(8).toInt();
    return result;
}

} // namespace bank
