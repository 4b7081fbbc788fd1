#pragma once

#include "reports.h"
#include "spreadsheet.h"

#include <QString>
#include <QStringList>

namespace results {

// The window's and the export's texts, one line each of
// "idioma/resultats.txt"; a line the file lacks keeps its built-in text.
struct ResultsTexts {
    QString heading = QStringLiteral("RESULTATS DE LA CLASSE");
    QStringList headers = {QStringLiteral("Alumne"), QStringLiteral("Data i hora"), QStringLiteral("Matèria"),
                           QStringLiteral("Nota"), QStringLiteral("Encerts"), QStringLiteral("Errors"),
                           QStringLiteral("En blanc")};
    QString from = QStringLiteral("Des del");
    QString to = QStringLiteral("Fins al");
    QString subject = QStringLiteral("Matèria");
    QString allSubjects = QStringLiteral("Totes les matèries");
    QString exportCsv = QStringLiteral("Exporta a CSV...");
    QString summary = QStringLiteral("Resum per matèria");
    QStringList summaryHeaders = {QStringLiteral("Matèria"), QStringLiteral("Informes"),
                                  QStringLiteral("Mitjana"), QStringLiteral("Mínima"), QStringLiteral("Màxima")};
    QString skipped = QStringLiteral("Fitxers que no s'han llegit");
    QStringList reasons = {QStringLiteral("no té nom d'informe"),
                           QStringLiteral("s'està escrivint"),
                           QStringLiteral("és buit"),
                           QStringLiteral("és massa gran"),
                           QStringLiteral("no es pot llegir"),
                           QStringLiteral("no és un document RTF"),
                           QStringLiteral("és incomplet"),
                           QStringLiteral("no té les línies de resultats")};
    QString loading = QStringLiteral("S'estan llegint els informes...");
    QString noFolder = QStringLiteral("No hi ha la carpeta Controles-Usuarios.");
    QString shown = QStringLiteral("%1 de %2 files");
    QString csvFilter = QStringLiteral("Full de càlcul CSV (*.csv)");
    QString csvName = QStringLiteral("resultats.csv");
    QString writeError = QStringLiteral("No s'ha pogut desar el fitxer.");
    // Read after the older lines, so that a translation made before keeps
    // every line in its place.
    QString repeatHeader = QStringLiteral("Repetició");
    QString warningHeader = QStringLiteral("Avís");
    QString summaryNotAtEnd = QStringLiteral("les línies de resultats no són al final");
    QString markOverScale = QStringLiteral("nota per sobre del màxim, %1");
    QString tooManyQuestions = QStringLiteral("més de %1 preguntes en una prova");
    QString courseHeader = QStringLiteral("Curs");
    QString optionHeader = QStringLiteral("Opció");
    QString allCourses = QStringLiteral("Tots els cursos");
    QString allOptions = QStringLiteral("Totes les opcions");
    QString xlsxFilter = QStringLiteral("Llibre de full de càlcul (*.xlsx)");
    QString printPdf = QStringLiteral("Desa en PDF...");
    QString pdfFilter = QStringLiteral("Document PDF (*.pdf)");
    QString pdfName = QStringLiteral("resultats.pdf");
    QString questionsTab = QStringLiteral("Per pregunta");
    QString tableTab = QStringLiteral("Per informe");
    QStringList questionHeaders = {QStringLiteral("Pregunta"), QStringLiteral("Enunciat"), QStringLiteral("Vegades"),
                                   QStringLiteral("Encerts"), QStringLiteral("Errors"), QStringLiteral("En blanc"),
                                   QStringLiteral("% encerts"), QStringLiteral("Error més freqüent"),
                                   QStringLiteral("Canviada des de llavors")};

    QString reason(SkipReason why) const
    {
        return why == SkipReason::SummaryNotAtEnd ? summaryNotAtEnd : reasons.value(int(why));
    }
    // The table's and the CSV's column headers, in Column order.
    QStringList columnHeaders() const;
    WorkbookTexts workbookTexts() const { return {columnHeaders(), questionHeaders, tableTab, questionsTab}; }
};

ResultsTexts readResultsTexts(const QString &programFolder);

// The top of the mark scale, from tope.txt as the player reads it.
int readMarkScale(const QString &programFolder);

} // namespace results
