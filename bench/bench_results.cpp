// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The class results program on a year of reports: 10,000 reports of three
// subjects and thirty questions each, named and summed up by the player's
// own functions and written as the player's RTF. Timed: reading them all
// into rows, and the window from its creation to the table shown, beside
// the reading of the files alone.
// Usage: bench_results [benchmark flags]

#include "bank/readfile.h"
#include "bank/sessionrecord.h"
#include "player/testlogic.h"
#include "results/form1.h"
#include "results/reports.h"
#include "support/recordingplatform.h"
#include "ui/programstyle.h"
#include "ui/rtfwriter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cstdio>

namespace {

constexpr int kReports = 10000;
QString programFolder;
QString recordsProgramFolder; // the same reports, each with its session record

QByteArray reportOf(int pupil)
{
    QStringList lines = {QStringLiteral("Alumne %1").arg(pupil)};
    const QStringList subjects = {QStringLiteral("Matemàtiques"), QStringLiteral("Llengua Catalana"),
                                  QStringLiteral("Ciències de la Natura")};
    for (const QString &subject : subjects) {
        for (int q = 1; q <= 10; ++q) {
            lines.append(QStringLiteral("%1. %2: Quina és la resposta de la pregunta %1? - resposta %1 - %3")
                             .arg(q)
                             .arg(subject, (q + pupil) % 3 ? QStringLiteral("CORRECTE") : QStringLiteral("ERROR")));
        }
    }
    lines.append(QString());
    lines.append(QString());
    for (int k = 0; k < subjects.size(); ++k) {
        player::TestResult result;
        result.subject = subjects[k];
        result.right = (pupil + k) % 11;
        result.wrong = 10 - result.right;
        result.questions = 10;
        result.mark = player::markTextOnScale(result.right, result.questions, 1000);
        lines.append(player::resultLine(result, QStringLiteral("Encerts"), QStringLiteral("Errors"),
                                        QStringLiteral("En blanc"))
                         .toUpper());
    }
    QTextDocument document;
    document.setPlainText(lines.join(u'\n'));
    return ui::toRtf(document);
}

// The session record the player keeps beside reportOf(pupil).
QByteArray recordOf(int pupil)
{
    bank::SessionRecord record;
    record.pupil = QStringLiteral("Alumne %1").arg(pupil % 30);
    record.course = QStringLiteral("1r ESO");
    const QStringList subjects = {QStringLiteral("Matemàtiques"), QStringLiteral("Llengua Catalana"),
                                  QStringLiteral("Ciències de la Natura")};
    for (int k = 0; k < subjects.size(); ++k) {
        bank::RecordedTest t;
        t.subject = subjects[k];
        t.right = (pupil + k) % 11;
        t.wrong = 10 - t.right;
        t.mark = player::markTextOnScale(t.right, 10, 1000);
        for (int q = 1; q <= 10; ++q) {
            t.questions.append({QStringLiteral("1r ESO/%1/%2.txt").arg(subjects[k]).arg(q), 2,
                                bank::questionHash(QByteArray::number(q)),
                                q <= t.right ? bank::RecordedQuestion::Verdict::Right
                                             : bank::RecordedQuestion::Verdict::Wrong,
                                QStringLiteral("resposta %1").arg(q)});
        }
        record.tests.append(t);
    }
    return bank::sessionRecordBytes(record);
}

bool writeReports(const QString &folder, bool withRecords = false)
{
    QDir().mkpath(folder);
    if (withRecords)
        QDir().mkpath(folder + QStringLiteral("/.registres"));
    const QDateTime start(QDate(2026, 9, 14), QTime(9, 0));
    for (int i = 0; i < kReports; ++i) {
        // Thirty pupils a class, a class every half hour of a school year.
        const QDateTime when = start.addSecs(qint64(i / 30) * 1800 + i % 30 * 60);
        QFile file(folder + u'/' + player::reportFileName(QStringLiteral("Alumne %1").arg(i % 30), when));
        if (!file.open(QIODevice::WriteOnly) || file.write(reportOf(i)) < 0)
            return false;
        if (withRecords) {
            QFile record(bank::recordPath(folder, QFileInfo(file.fileName()).fileName()));
            if (!record.open(QIODevice::WriteOnly) || record.write(recordOf(i)) < 0)
                return false;
        }
    }
    return true;
}

void loadReports(benchmark::State &state)
{
    for (auto _ : state) {
        const results::ReportTable table = results::loadReports(programFolder);
        if (table.rows.size() != 3 * kReports)
            state.SkipWithError("not every report was read");
        benchmark::DoNotOptimize(table.rows.data());
    }
}

// Reading the records instead of the reports' text.
void loadRecords(benchmark::State &state)
{
    for (auto _ : state) {
        const results::ReportTable table = results::loadReports(recordsProgramFolder);
        if (table.rows.size() != 3 * kReports || !table.rows.first().fromRecord)
            state.SkipWithError("not every record was read");
        benchmark::DoNotOptimize(table.rows.data());
    }
}

// The reference: listing the folder and reading every file, nothing more.
void readFiles(benchmark::State &state)
{
    const QString folder = programFolder + QStringLiteral("/Controles-Usuarios");
    for (auto _ : state) {
        qint64 bytes = 0;
        const QStringList names = QDir(folder).entryList(QDir::Files);
        for (const QString &name : names)
            bytes += bank::readFile(folder + u'/' + name, results::kMaxReportBytes).bytes.size();
        benchmark::DoNotOptimize(bytes);
    }
}

void windowShown(benchmark::State &state)
{
    for (auto _ : state) {
        results::Form1 window(programFolder);
        window.show();
        while (!window.isLoaded())
            QCoreApplication::processEvents();
        window.repaint();
        if (window.model->rowCount() != 3 * kReports)
            state.SkipWithError("not every report was shown");
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RESULTATS BRENLOQ"));
    ui::useProgramStyle();

    QTemporaryDir generated;
    programFolder = generated.path();
    if (!writeReports(programFolder + QStringLiteral("/Controles-Usuarios"))) {
        std::fprintf(stderr, "cannot write the reports in %s\n", qPrintable(programFolder));
        return 1;
    }
    QTemporaryDir withRecords;
    recordsProgramFolder = withRecords.path();
    if (!writeReports(recordsProgramFolder + QStringLiteral("/Controles-Usuarios"), true)) {
        std::fprintf(stderr, "cannot write the records in %s\n", qPrintable(recordsProgramFolder));
        return 1;
    }
    ui::installRecordingPlatform().folder = programFolder;

    using benchmark::kMillisecond;
    benchmark::RegisterBenchmark("results/readFiles", readFiles)->Unit(kMillisecond)->UseRealTime();
    // Read on every core: the CPU time is the whole process's.
    benchmark::RegisterBenchmark("results/loadReports", loadReports)->Unit(kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
    benchmark::RegisterBenchmark("results/loadRecords", loadRecords)->Unit(kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
    benchmark::RegisterBenchmark("results/window", windowShown)->Unit(kMillisecond)->UseRealTime();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
