// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "texts.h"

#include "table.h"

#include "bank/languagefile.h"
#include "player/testlogic.h"

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
    line(texts.repeatHeader);
    line(texts.warningHeader);
    line(texts.summaryNotAtEnd);
    line(texts.markOverScale);
    line(texts.tooManyQuestions);
    line(texts.courseHeader);
    line(texts.optionHeader);
    line(texts.allCourses);
    line(texts.allOptions);
    line(texts.xlsxFilter);
    line(texts.printPdf);
    line(texts.pdfFilter);
    line(texts.pdfName);
    line(texts.questionsTab);
    line(texts.tableTab);
    for (QString &header : texts.questionHeaders)
        line(header);
    return texts;
}

QStringList ResultsTexts::columnHeaders() const
{
    QStringList columns = headers;
    columns.insert(Repeat, repeatHeader);
    columns.insert(Course, courseHeader);
    columns.insert(Option, optionHeader);
    columns.append(warningHeader);
    return columns;
}

} // namespace results
