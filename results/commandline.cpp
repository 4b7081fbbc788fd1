// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include "questions.h"
#include "reports.h"
#include "spreadsheet.h"
#include "table.h"
#include "texts.h"

#include "bank/atomicfile.h"
#include "bank/folders.h"
#include "player/testlogic.h"
#include "ui/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <functional>

namespace results {

QCommandLineOption csvOption()
{
    return {QStringLiteral("csv"),
            QCoreApplication::translate("results", "Desa a FITXER (\"-\": la sortida estàndard) tots els informes en CSV, sense obrir cap finestra."),
            QStringLiteral("FITXER")};
}

QCommandLineOption questionsCsvOption()
{
    return {QStringLiteral("questions-csv"),
            QCoreApplication::translate("results", "Desa a FITXER les xifres de cada pregunta en CSV, sense obrir cap finestra."),
            QStringLiteral("FITXER")};
}

QCommandLineOption xlsxOption()
{
    return {QStringLiteral("xlsx"),
            QCoreApplication::translate("results", "Desa a FITXER la taula i les xifres de cada pregunta en un llibre .xlsx, sense obrir cap finestra."),
            QStringLiteral("FITXER")};
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption csv = csvOption();
    const QCommandLineOption questionsCsv = questionsCsvOption();
    const QCommandLineOption xlsx = xlsxOption();
    const QCommandLineOption folder(QStringLiteral("folder"), QString(), QStringLiteral("PATH"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOptions({csv, questionsCsv, xlsx, folder, help, version, ui::languageOption()});
    CommandLine line;
    if (!parser.parse(QStringList{QStringLiteral("RESULTATS BRENLOQ")} + arguments)) {
        line.error = parser.errorText();
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.error = QCoreApplication::translate("results", "argument desconegut «%1»").arg(parser.positionalArguments().first());
        return line;
    }
    line.asksForHelp = parser.isSet(help) || parser.isSet(version);
    line.csvFile = parser.value(csv);
    line.folder = parser.value(folder);
    line.questionsCsvFile = parser.value(questionsCsv);
    line.xlsxFile = parser.value(xlsx);
    if (parser.isSet(xlsx) && line.xlsxFile.isEmpty())
        line.error = QCoreApplication::translate("results", "falta el valor de --xlsx");
    if (parser.isSet(csv) && line.csvFile.isEmpty())
        line.error = QCoreApplication::translate("results", "falta el valor de --csv");
    if (parser.isSet(questionsCsv) && line.questionsCsvFile.isEmpty())
        line.error = QCoreApplication::translate("results", "falta el valor de --questions-csv");
    return line;
}

namespace {

// Reads the reports of `programFolder` and writes to `file` what `bytes`
// makes of them; 0, or kExportFailed with the reason in `messages`.
int exportFile(const QString &programFolder, const QString &file, QStringList &messages,
               const std::function<QByteArray(const ResultsTexts &, const ReportTable &, QString *error)> &bytes)
{
    const ResultsTexts texts = readResultsTexts(programFolder);
    const ReportTable table = loadReports(programFolder);
    if (!table.folderFound) {
        messages.append(texts.noFolder + QStringLiteral(" (") + programFolder + u')');
        return kExportFailed;
    }
    QString error;
    const QByteArray content = bytes(texts, table, &error);
    if (content.isEmpty() || !writeCsvFile(file, content, &error)) {
        messages.append(texts.writeError + QStringLiteral(" ") + file + QStringLiteral(": ") + error);
        return kExportFailed;
    }
    return 0;
}

QList<QuestionStat> statsWithFiles(const QString &programFolder, const ReportTable &table)
{
    QList<QuestionStat> stats = questionStats(table.rows);
    readQuestionFiles(stats, programFolder + u'/' + QLatin1String(bank::kQuestionsFolder));
    return stats;
}

} // namespace

int exportCsv(const QString &programFolder, const QString &csvFile, QStringList &messages)
{
    return exportFile(programFolder, csvFile, messages, [&](const ResultsTexts &texts, const ReportTable &table, QString *) {
        for (const SkippedFile &file : table.skipped)
            messages.append(file.name + QStringLiteral(": ") + texts.reason(file.reason));
        const RowWarnings warnings{player::readMarkScale(programFolder), texts.markOverScale, texts.tooManyQuestions};
        return csvBytes(texts.columnHeaders(), table.rows, warnings);
    });
}

int exportQuestionsCsv(const QString &programFolder, const QString &csvFile, QStringList &messages)
{
    return exportFile(programFolder, csvFile, messages, [&](const ResultsTexts &texts, const ReportTable &table, QString *) {
        return questionsCsvBytes(texts.questionHeaders, statsWithFiles(programFolder, table));
    });
}

int exportXlsx(const QString &programFolder, const QString &xlsxFile, QStringList &messages)
{
    return exportFile(programFolder, xlsxFile, messages, [&](const ResultsTexts &texts, const ReportTable &table, QString *error) {
        const RowWarnings warnings{player::readMarkScale(programFolder), texts.markOverScale, texts.tooManyQuestions};
        return xlsxBytes(texts.workbookTexts(), table.rows, statsWithFiles(programFolder, table), warnings, error);
    });
}

} // namespace results
