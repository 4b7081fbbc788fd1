// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Saving a pupil's report off the window's thread. A school share that has
// gone away answers with an error; one that hangs does not answer for
// minutes. Either way the pupil's results are kept: in the reports folder
// when it answers in time, else in the pupil's own pending folder, from
// which the next start delivers them.

#include "bank/sessionrecord.h"

#include <QByteArray>
#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace player {

struct ReportOutcome {
    enum class Where { ReportsFolder, Pending, Lost };
    Where where = Where::Lost;
    QString path;        // the report kept, in the reports folder or the pending folder
    QString latestError; // kept in the reports folder, but ultimo.rtf not replaced: why
    QString error;       // why the reports folder did not take it
    QString recordError; // the report kept, but not its session record: why
};

// The Catalan texts the pupil sees.
QString savingReportText();
QString pendingReportText(const QString &pendingPath);

// Writes `rtf` as `fileName` in the reports folder of `programFolder` (never
// over a report: " (2)"... when taken), then as ultimo.rtf; the outcome is
// reported once, by finished(), on the window's thread.
class ReportSaver : public QObject
{
    Q_OBJECT
public:
    ReportSaver(const QString &programFolder, const QString &fileName, const QByteArray &rtf,
                QObject *parent = nullptr);
    ~ReportSaver() override;

    // The session record to keep beside the report; its question files,
    // named from `questionsFolder`, are read for their types and hashes on
    // the writing thread (the bank may be on the same share). Before start().
    void setRecord(const bank::SessionRecord &record, const QString &questionsFolder);

    // Starts writing on a thread of its own; a share that has not taken the
    // report within `patience` is given up and the report kept pending.
    void start(std::chrono::milliseconds patience);

    // The program is ending: waits out what is left of the patience here,
    // then reports the outcome at once.
    void settleNow();

    bool isBusy() const { return started && !concluded; }

Q_SIGNALS:
    void finished(const player::ReportOutcome &outcome);

private:
    struct Shared;
    void conclude();

    QString programFolder;
    QString fileName;
    QByteArray rtf;
    std::optional<bank::SessionRecord> record;
    QString questionsFolder;
    std::shared_ptr<Shared> shared;
    QFutureWatcher<void> watcher;
    QTimer patienceTimer;
    std::chrono::steady_clock::time_point deadline;
    bool started = false;
    bool concluded = false;
};

// How long the window waits for the reports folder: 15 seconds.
std::chrono::milliseconds sharePatience();

// Delivers the reports left pending by earlier sessions into the reports
// folder of `programFolder`, saying on standard error what it did.
void deliverPendingReports(const QString &programFolder);

namespace testing {
// Runs on the writing thread before it touches the share; a test makes it
// wait as a hung server does.
void setBeforeShareWrite(std::function<void()> hook);
void setSharePatience(std::chrono::milliseconds patience);
} // namespace testing

} // namespace player
