// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reportsaver.h"

#include "bank/atomicfile.h"
#include "bank/folders.h"
#include "bank/pendingreports.h"
#include "bank/question.h"
#include "bank/readfile.h"

#include <QDir>
#include <QFileInfo>

#include <QPromise>
#include <QCoreApplication>

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

namespace player {

namespace {

std::function<void()> &beforeShareWrite()
{
    static std::function<void()> hook;
    return hook;
}

std::chrono::milliseconds &patienceSetting()
{
    static std::chrono::milliseconds patience{15000};
    return patience;
}

void sayOnStandardError(const QString &text)
{
    std::fprintf(stderr, "BRENLOQ: %s\n", text.toLocal8Bit().constData());
}

// Types and hashes of the record's question files. The file is read whole
// once more: the window read it long ago, and what the teacher needs to know
// is whether it is the same file now as when it was asked.
void readQuestionFiles(bank::SessionRecord &record, const QString &questionsFolder)
{
    for (bank::RecordedTest &t : record.tests) {
        for (bank::RecordedQuestion &q : t.questions) {
            const bank::FileContent content = bank::readFile(questionsFolder + u'/' + q.file, bank::kMaxLineFileBytes);
            if (content.problem != bank::FileProblem::None)
                continue;
            q.hash = bank::questionHash(content.bytes);
            const bank::QuestionRead read = bank::readQuestionBytes(content.bytes);
            q.type = bank::typeCode(read.ok() ? read.question.type : bank::QuestionType::None);
        }
    }
}

} // namespace

// What the writing thread and the window share. The thread may outlive the
// window (a hung share), so it holds its own reference.
struct ReportSaver::Shared {
    std::mutex mutex;
    std::condition_variable doneCondition;
    bool done = false;
    QString reportPath;  // set as soon as the pupil's report is kept
    QString reportError;
    QString latestError;
    QString recordError;
    QByteArray recordBytes; // the record with its files read, for a report kept pending
};

QString savingReportText()
{
    return QCoreApplication::translate("player", "S'està desant l'informe…");
}

QString pendingReportText(const QString &pendingPath)
{
    return QStringLiteral("No s'ha pogut desar l'informe a la carpeta d'informes. S'ha guardat a:\n%1\n"
                          "Es copiarà a la carpeta d'informes la propera vegada que s'obri el programa.")
        .arg(pendingPath);
}

ReportSaver::ReportSaver(const QString &folder, const QString &name, const QByteArray &bytes, QObject *parent)
    : QObject(parent)
    , programFolder(folder)
    , fileName(name)
    , rtf(bytes)
    , shared(std::make_shared<Shared>())
{
    patienceTimer.setSingleShot(true);
    connect(&patienceTimer, &QTimer::timeout, this, &ReportSaver::conclude);
    connect(&watcher, &QFutureWatcher<void>::finished, this, &ReportSaver::conclude);
}

ReportSaver::~ReportSaver() = default;

void ReportSaver::setRecord(const bank::SessionRecord &sessionRecord, const QString &folder)
{
    record = sessionRecord;
    questionsFolder = folder;
}

void ReportSaver::start(std::chrono::milliseconds patience)
{
    if (started)
        return;
    started = true;
    deadline = std::chrono::steady_clock::now() + patience;
    QPromise<void> promise;
    watcher.setFuture(promise.future());
    promise.start();
    // A thread of its own, never joined: a share that hangs in open() must
    // not hold the program's end (a pool would wait for it at exit).
    std::thread([shared = shared, folder = programFolder, name = fileName, bytes = rtf,
                 record = record, questions = questionsFolder, hook = beforeShareWrite(), promise = std::move(promise)]() mutable {
        if (hook)
            hook();
        QString reportPath, reportError, latestError, recordError;
        const QString reports = bank::usableReportsFolder(folder);
        if (reports.isEmpty()) {
            reportError = QStringLiteral("no usable folder %1 in %2").arg(QLatin1String(bank::kReportsFolder), folder);
        } else {
            const bank::NumberedFile kept = bank::createNumbered(reports, name, bytes);
            if (kept.name.isEmpty())
                reportError = kept.error;
            else
                reportPath = reports + u'/' + kept.name;
        }
        if (!reportPath.isEmpty()) {
            {
                std::lock_guard lock(shared->mutex);
                shared->reportPath = reportPath;
            }
            const QString latest = bank::findEntry(folder, QString::fromLatin1(bank::kLatestReport));
            QString why;
            if (!bank::replaceAtomically(latest, bytes, &why))
                latestError = latest + QStringLiteral(": ") + why;
            // The record comes after the report: the report is the pupil's
            // and is written first, whatever becomes of the record; and
            // only then is the report's name known (" (2)" when taken),
            // which the record's name follows. A report without a record
            // is still read by the class results, from its text.
            if (record) {
                readQuestionFiles(*record, questions);
                recordError = bank::keepRecord(reports, QFileInfo(reportPath).fileName(), bank::sessionRecordBytes(*record));
            }
        } else if (record) {
            // The report will be kept pending, and its record with it; the
            // share answered, so the question files may still be read.
            readQuestionFiles(*record, questions);
            std::lock_guard lock(shared->mutex);
            shared->recordBytes = bank::sessionRecordBytes(*record);
        }
        {
            std::lock_guard lock(shared->mutex);
            shared->reportError = reportError;
            shared->latestError = latestError;
            shared->recordError = recordError;
            shared->done = true;
        }
        shared->doneCondition.notify_all();
        promise.finish();
    }).detach();
    patienceTimer.start(patience);
}

void ReportSaver::settleNow()
{
    if (!isBusy())
        return;
    {
        std::unique_lock lock(shared->mutex);
        shared->doneCondition.wait_until(lock, deadline, [this] { return shared->done; });
    }
    conclude();
}

void ReportSaver::conclude()
{
    if (concluded || !started)
        return;
    concluded = true;
    patienceTimer.stop();
    ReportOutcome outcome;
    {
        std::lock_guard lock(shared->mutex);
        if (!shared->reportPath.isEmpty()) {
            outcome.where = ReportOutcome::Where::ReportsFolder;
            outcome.path = shared->reportPath;
            outcome.latestError = shared->done ? shared->latestError
                                               : QStringLiteral("%1 did not answer in time").arg(QLatin1String(bank::kLatestReport));
            outcome.recordError = shared->recordError;
        } else {
            outcome.error = shared->done ? shared->reportError : QStringLiteral("the reports folder did not answer in time");
        }
    }
    if (outcome.where != ReportOutcome::Where::ReportsFolder) {
        // Should the share take it late after all, the next start finds the
        // same report there and drops this copy.
        QString why;
        outcome.path = bank::keepPendingReport(fileName, rtf, &why);
        if (!outcome.path.isEmpty()) {
            outcome.where = ReportOutcome::Where::Pending;
            // The record waits beside it and is delivered with it. From a
            // share that never answered, its question files are not read
            // here (the window would hang): types and hashes stay unknown.
            if (record) {
                QByteArray bytes;
                {
                    std::lock_guard lock(shared->mutex);
                    bytes = shared->done ? shared->recordBytes : QByteArray();
                }
                if (bytes.isEmpty())
                    bytes = bank::sessionRecordBytes(*record);
                const QFileInfo kept(outcome.path);
                outcome.recordError = bank::keepRecord(kept.path(), kept.fileName(), bytes);
            }
        } else
            outcome.error += QStringLiteral("; not kept in %1 either: %2").arg(bank::pendingReportsFolder(), why);
    }
    switch (outcome.where) {
    case ReportOutcome::Where::ReportsFolder:
        if (!outcome.recordError.isEmpty())
            sayOnStandardError(QStringLiteral("the report was saved as %1, but not its session record (%2)")
                                   .arg(outcome.path, outcome.recordError));
        if (!outcome.latestError.isEmpty())
            sayOnStandardError(QStringLiteral("the report was saved as %1, but %2 was not replaced (%3)")
                                   .arg(outcome.path, QLatin1String(bank::kLatestReport), outcome.latestError));
        break;
    case ReportOutcome::Where::Pending:
        sayOnStandardError(QStringLiteral("the report could not be saved in the reports folder (%1); kept as %2")
                               .arg(outcome.error, outcome.path));
        if (!outcome.recordError.isEmpty())
            sayOnStandardError(QStringLiteral("its session record was not kept (%1)").arg(outcome.recordError));
        break;
    case ReportOutcome::Where::Lost:
        sayOnStandardError(QStringLiteral("the report could not be saved: %1").arg(outcome.error));
        break;
    }
    Q_EMIT finished(outcome);
}

std::chrono::milliseconds sharePatience()
{
    return patienceSetting();
}

void deliverPendingReports(const QString &programFolder)
{
    const bank::Delivery delivery = bank::deliverPendingReports(bank::usableReportsFolder(programFolder));
    for (const QString &name : delivery.delivered)
        sayOnStandardError(QStringLiteral("a report kept pending was saved as %1").arg(name));
    for (const QString &name : delivery.recordsLost)
        sayOnStandardError(QStringLiteral("the session record of %1 could not be delivered with it").arg(name));
    for (const QString &name : delivery.dropped)
        sayOnStandardError(QStringLiteral("a report kept pending was already saved, as %1").arg(name));
    if (!delivery.kept.isEmpty())
        sayOnStandardError(QStringLiteral("%1 report(s) still pending in %2%3")
                               .arg(delivery.kept.size())
                               .arg(bank::pendingReportsFolder(),
                                    delivery.error.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(delivery.error)));
}

namespace testing {

void setBeforeShareWrite(std::function<void()> hook)
{
    beforeShareWrite() = std::move(hook);
}

void setSharePatience(std::chrono::milliseconds patience)
{
    patienceSetting() = patience;
}

} // namespace testing

} // namespace player
