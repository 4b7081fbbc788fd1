#include "reportsaver.h"

#include "bank/atomicfile.h"
#include "bank/folders.h"
#include "bank/pendingreports.h"

#include <QPromise>

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
};

QString savingReportText()
{
    return QStringLiteral("S'està desant l'informe…");
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
                 hook = beforeShareWrite(), promise = std::move(promise)]() mutable {
        if (hook)
            hook();
        QString reportPath, reportError, latestError;
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
        }
        {
            std::lock_guard lock(shared->mutex);
            shared->reportError = reportError;
            shared->latestError = latestError;
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
        } else {
            outcome.error = shared->done ? shared->reportError : QStringLiteral("the reports folder did not answer in time");
        }
    }
    if (outcome.where != ReportOutcome::Where::ReportsFolder) {
        // Should the share take it late after all, the next start finds the
        // same report there and drops this copy.
        QString why;
        outcome.path = bank::keepPendingReport(fileName, rtf, &why);
        if (!outcome.path.isEmpty())
            outcome.where = ReportOutcome::Where::Pending;
        else
            outcome.error += QStringLiteral("; not kept in %1 either: %2").arg(bank::pendingReportsFolder(), why);
    }
    switch (outcome.where) {
    case ReportOutcome::Where::ReportsFolder:
        if (!outcome.latestError.isEmpty())
            sayOnStandardError(QStringLiteral("the report was saved as %1, but %2 was not replaced (%3)")
                                   .arg(outcome.path, QLatin1String(bank::kLatestReport), outcome.latestError));
        break;
    case ReportOutcome::Where::Pending:
        sayOnStandardError(QStringLiteral("the report could not be saved in the reports folder (%1); kept as %2")
                               .arg(outcome.error, outcome.path));
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
