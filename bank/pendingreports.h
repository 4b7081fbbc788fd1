// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reports that the reports folder could not take when a session ended (the
// share was gone or did not answer) wait in the pupil's own data folder and
// are copied into the reports folder at the next start that can write there.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace bank {

// ~/.local/share/brenloq/pending, or where XDG_DATA_HOME says.
QString pendingReportsFolder();

// The outcome of createNumbered().
struct NumberedFile {
    QString name;          // the name used, empty when nothing was kept
    bool identical = false; // `name` already held exactly these bytes
    QString error;         // why nothing was kept
};

// Creates `fileName` (ending in ".rtf") in `folder` with `bytes`, or
// "name (2).rtf", "name (3).rtf"... when a name is taken, never over a file.
// With `identicalIsDone`, a taken name that already holds exactly `bytes`
// counts as written: the same report was kept there before.
NumberedFile createNumbered(const QString &folder, const QString &fileName, const QByteArray &bytes,
                            bool identicalIsDone = false);

// Keeps a report in the pending folder, making the folder when needed.
// The path of the file kept, or empty (`error` says why).
QString keepPendingReport(const QString &fileName, const QByteArray &bytes, QString *error = nullptr);

struct Delivery {
    QStringList delivered; // names given in the reports folder
    QStringList dropped;   // pending copies of reports already there
    QStringList kept;      // still pending
    QStringList recordsLost; // delivered, but their session records not
    QString error;         // why the first kept one could not be delivered
};

// Copies every pending report into `reportsFolder` (never over a report)
// and removes it from the pending folder; the session record kept pending
// with it follows it, under the name it was given. Stops at the first report the
// folder does not take; an empty `reportsFolder` delivers nothing.
Delivery deliverPendingReports(const QString &reportsFolder);

} // namespace bank
