// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reports.h"
#include "spreadsheet.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace results {

// The window's and the export's texts, one line each of
// "idioma/resultats.txt"; a line the file lacks keeps its built-in text.
struct ResultsTexts {
    Q_DECLARE_TR_FUNCTIONS(results::ResultsTexts)
public:
    QString heading = tr("RESULTATS DE LA CLASSE");
    QStringList headers = {tr("Alumne"), tr("Data i hora"), tr("Matèria"),
                           tr("Nota"), tr("Encerts"), tr("Errors"),
                           tr("En blanc")};
    QString from = tr("Des del");
    QString to = tr("Fins al");
    QString subject = tr("Matèria");
    QString allSubjects = tr("Totes les matèries");
    QString exportCsv = tr("Exporta a CSV...");
    QString summary = tr("Resum per matèria");
    QStringList summaryHeaders = {tr("Matèria"), tr("Informes"),
                                  tr("Mitjana"), tr("Mínima"), tr("Màxima")};
    QString skipped = tr("Fitxers que no s'han llegit");
    QStringList reasons = {tr("no té nom d'informe"),
                           tr("s'està escrivint"),
                           tr("és buit"),
                           tr("és massa gran"),
                           tr("no es pot llegir"),
                           tr("no és un document RTF"),
                           tr("és incomplet"),
                           tr("no té les línies de resultats")};
    QString loading = tr("S'estan llegint els informes...");
    QString noFolder = tr("No hi ha la carpeta Controles-Usuarios.");
    QString shown = tr("%1 de %2 files");
    QString csvFilter = tr("Full de càlcul CSV (*.csv)");
    QString csvName = tr("resultats.csv");
    QString writeError = tr("No s'ha pogut desar el fitxer.");
    // Read after the older lines, so that a translation made before keeps
    // every line in its place.
    QString repeatHeader = tr("Repetició");
    QString warningHeader = tr("Avís");
    QString summaryNotAtEnd = tr("les línies de resultats no són al final");
    QString markOverScale = tr("nota per sobre del màxim, %1");
    QString tooManyQuestions = tr("més de %1 preguntes en una prova");
    QString courseHeader = tr("Curs");
    QString optionHeader = tr("Opció");
    QString allCourses = tr("Tots els cursos");
    QString allOptions = tr("Totes les opcions");
    QString xlsxFilter = tr("Llibre de full de càlcul (*.xlsx)");
    QString printPdf = tr("Desa en PDF...");
    QString pdfFilter = tr("Document PDF (*.pdf)");
    QString pdfName = tr("resultats.pdf");
    QString questionsTab = tr("Per pregunta");
    QString tableTab = tr("Per informe");
    QStringList questionHeaders = {tr("Pregunta"), tr("Enunciat"), tr("Vegades"),
                                   tr("Encerts"), tr("Errors"), tr("En blanc"),
                                   tr("% encerts"), tr("Error més freqüent"),
                                   tr("Canviada des de llavors")};

    QString reason(SkipReason why) const
    {
        return why == SkipReason::SummaryNotAtEnd ? summaryNotAtEnd : reasons.value(int(why));
    }
    // The table's and the CSV's column headers, in Column order.
    QStringList columnHeaders() const;
    WorkbookTexts workbookTexts() const { return {columnHeaders(), questionHeaders, tableTab, questionsTab}; }
};

ResultsTexts readResultsTexts(const QString &programFolder);

} // namespace results
