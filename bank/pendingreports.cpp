// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pendingreports.h"

#include "atomicfile.h"
#include "readfile.h"
#include "sessionrecord.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace bank {

namespace {

// A report is a transcript of a few hundred questions at most.
constexpr qint64 kMaxReportBytes = 16 * 1024 * 1024;
constexpr int kMaxNumber = 999;

QString numberedName(const QString &fileName, int n)
{
    if (n == 1)
        return fileName;
    const QString stem = fileName.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive) ? fileName.chopped(4) : fileName;
    return stem + QStringLiteral(" (%1).rtf").arg(n);
}

} // namespace

QString pendingReportsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/brenloq/pending");
}

NumberedFile createNumbered(const QString &folder, const QString &fileName, const QByteArray &bytes,
                            bool identicalIsDone)
{
    NumberedFile result;
    for (int n = 1; n <= kMaxNumber; ++n) {
        const QString name = numberedName(fileName, n);
        const QString path = folder + u'/' + name;
        bool taken = false;
        QString error;
        if (createExclusively(path, bytes, &error, &taken)) {
            result.name = name;
            return result;
        }
        if (!taken) {
            result.error = error;
            return result;
        }
        if (identicalIsDone) {
            const FileContent there = readFile(path, kMaxReportBytes);
            if (there.problem == FileProblem::None && there.bytes == bytes) {
                result.name = name;
                result.identical = true;
                return result;
            }
        }
    }
    // The reasons here reach only the player's log lines, in English as they are.
    result.error = QStringLiteral("every name up to (%1) is taken").arg(kMaxNumber);
    return result;
}

QString keepPendingReport(const QString &fileName, const QByteArray &bytes, QString *error)
{
    const QString folder = pendingReportsFolder();
    // Only this account reads what waits here.
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("cannot make the folder %1").arg(folder);
        return QString();
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const NumberedFile kept = createNumbered(folder, fileName, bytes);
    if (kept.name.isEmpty()) {
        if (error)
            *error = kept.error;
        return QString();
    }
    return folder + u'/' + kept.name;
}

Delivery deliverPendingReports(const QString &reportsFolder)
{
    Delivery delivery;
    const QString folder = pendingReportsFolder();
    // Hidden temporaries of a write cut short are not reports.
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::NoSymLinks, QDir::Name);
    bool refused = reportsFolder.isEmpty();
    for (const QString &name : names) {
        if (refused) {
            delivery.kept.append(name);
            continue;
        }
        const QString path = folder + u'/' + name;
        const FileContent report = readFile(path, kMaxReportBytes);
        if (report.problem != FileProblem::None) {
            delivery.kept.append(name);
            delivery.error = QStringLiteral("cannot read %1").arg(path);
            continue;
        }
        // The write that did not answer in time may have finished later.
        const NumberedFile given = createNumbered(reportsFolder, name, report.bytes, true);
        if (given.name.isEmpty()) {
            delivery.kept.append(name);
            delivery.error = given.error;
            refused = true;
            continue;
        }
        QFile::remove(path);
        const QString record = recordPath(folder, name);
        if (const FileContent kept = readFile(record, kMaxRecordBytes); kept.problem == FileProblem::None) {
            // The late write may have left its own record there: one is enough.
            bool taken = false;
            if (!keepRecord(reportsFolder, given.name, kept.bytes, &taken).isEmpty() && !taken)
                delivery.recordsLost.append(given.name);
            QFile::remove(record);
        }
        (given.identical ? delivery.dropped : delivery.delivered).append(given.name);
    }
    return delivery;
}

} // namespace bank
