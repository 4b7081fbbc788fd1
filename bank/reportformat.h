// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The pupil's report as the player writes it and the class results read it:
// its file name and the summary line of each test. Written and read here
// only, so the two programs cannot drift apart.

#include <QDateTime>
#include <QString>

#include <optional>

namespace bank {

// "Anna --5M,9H --6-12-2026.rtf", or "Sin-nombre --5M,9H --6-12-2026.rtf"
// without a name. Characters no file system takes, and leading dots, become
// "_", so a name can neither lose the report, hide it, nor send it to
// another folder.
QString reportFileName(const QString &pupilName, const QDateTime &when);

// What a report's file name says: "Anna --5M,9H --6-12-2026 (2).rtf".
struct ReportName {
    QString pupil;  // as in the file name: "Sin-nombre" for a pupil without a name
    QDateTime when; // to the minute, as written (Qt::UTC: no time zone)
    int repeat = 1; // 2 and up: a later report of the same name and minute
};
std::optional<ReportName> readReportFileName(const QString &fileName);

// One summary line: "MATEMÀTIQUES -  7,50 - ( ENCERTS : 3; ERRORS : 1; EN BLANC : 1 )".
struct ReportSummary {
    QString subject;
    QString mark; // as written, " 7,50" by the player; empty for a test never marked
    int right = 0;
    int wrong = 0;
    int blank = 0;
};
QString summaryLine(const ReportSummary &summary, const QString &rightLabel, const QString &wrongLabel,
                    const QString &blankLabel);
// The line read back; the mark without its leading space.
std::optional<ReportSummary> readSummaryLine(const QString &line);

} // namespace bank
