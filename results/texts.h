#pragma once

#include "reports.h"

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

    QString reason(SkipReason why) const { return reasons.value(int(why)); }
};

ResultsTexts readResultsTexts(const QString &programFolder);

} // namespace results
