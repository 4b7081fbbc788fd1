#include "commandline.h"

#include "reports.h"
#include "table.h"
#include "texts.h"

#include "bank/atomicfile.h"

#include <QCommandLineParser>

namespace results {

QCommandLineOption csvOption()
{
    return {QStringLiteral("csv"),
            QStringLiteral("Desa a FITXER (\"-\": la sortida estàndard) tots els informes en CSV, sense obrir cap finestra."),
            QStringLiteral("FITXER")};
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption csv = csvOption();
    const QCommandLineOption folder(QStringLiteral("folder"), QString(), QStringLiteral("PATH"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOptions({csv, folder, help, version});
    CommandLine line;
    if (!parser.parse(QStringList{QStringLiteral("RESULTATS BRENLOQ")} + arguments)) {
        line.error = parser.errorText();
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.error = QStringLiteral("argument desconegut «%1»").arg(parser.positionalArguments().first());
        return line;
    }
    line.asksForHelp = parser.isSet(help) || parser.isSet(version);
    line.csvFile = parser.value(csv);
    line.folder = parser.value(folder);
    if (parser.isSet(csv) && line.csvFile.isEmpty())
        line.error = QStringLiteral("falta el valor de --csv");
    return line;
}

int exportCsv(const QString &programFolder, const QString &csvFile, QStringList &messages)
{
    const ResultsTexts texts = readResultsTexts(programFolder);
    const ReportTable table = loadReports(programFolder);
    if (!table.folderFound) {
        messages.append(texts.noFolder + QStringLiteral(" (") + programFolder + u')');
        return kExportFailed;
    }
    for (const SkippedFile &file : table.skipped)
        messages.append(file.name + QStringLiteral(": ") + texts.reason(file.reason));
    QString error;
    const RowWarnings warnings{readMarkScale(programFolder), texts.markOverScale, texts.tooManyQuestions};
    if (!writeCsvFile(csvFile, csvBytes(texts.columnHeaders(), table.rows, warnings), &error)) {
        messages.append(texts.writeError + QStringLiteral(" ") + csvFile + QStringLiteral(": ") + error);
        return kExportFailed;
    }
    return 0;
}

} // namespace results
