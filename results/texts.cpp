#include "texts.h"

#include "bank/languagefile.h"

namespace results {

ResultsTexts readResultsTexts(const QString &programFolder)
{
    ResultsTexts texts;
    bank::LineReader file = bank::openLanguageFile(programFolder, QStringLiteral("resultats.txt"));
    auto line = [&file](QString &text) { file.readLine(text); };
    line(texts.heading);
    for (QString &header : texts.headers)
        line(header);
    line(texts.from);
    line(texts.to);
    line(texts.subject);
    line(texts.allSubjects);
    line(texts.exportCsv);
    line(texts.summary);
    for (QString &header : texts.summaryHeaders)
        line(header);
    line(texts.skipped);
    for (QString &reason : texts.reasons)
        line(reason);
    line(texts.loading);
    line(texts.noFolder);
    line(texts.shown);
    line(texts.csvFilter);
    line(texts.csvName);
    line(texts.writeError);
    return texts;
}

} // namespace results
