#include "commandline.h"

#include "reports.h"
#include "table.h"
#include "texts.h"

#include "bank/atomicfile.h"

namespace results {

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        QString *target = argument == u"--csv" ? &line.csvFile : argument == u"--folder" ? &line.folder : nullptr;
        if (!target) {
            line.error = QStringLiteral("opció desconeguda «%1»").arg(argument);
            return line;
        }
        if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
            line.error = QStringLiteral("falta el valor de %1").arg(argument);
            return line;
        }
        *target = arguments[++i];
    }
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
    if (!bank::replaceAtomically(csvFile, csvBytes(texts.headers, table.rows), &error)) {
        messages.append(texts.writeError + QStringLiteral(" ") + csvFile + QStringLiteral(": ") + error);
        return kExportFailed;
    }
    return 0;
}

} // namespace results
