// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "interchangemenu.h"

#include "form1.h"

#include "convert/pictures.h"
#include "ui/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMenu>
#include <QRegularExpression>

namespace editor {

QString spanishKind(const QString &kind)
{
    // Keyed by what the converter says, in Catalan.
    static const QHash<QString, const char *> kinds{
        {QStringLiteral("d'aparellar"), QT_TRANSLATE_NOOP("editor", "de emparejamiento")},
        {QStringLiteral("numèrica"), QT_TRANSLATE_NOOP("editor", "numérica")},
        {QStringLiteral("de redacció"), QT_TRANSLATE_NOOP("editor", "de redacción")},
        {QStringLiteral("descripció"), QT_TRANSLATE_NOOP("editor", "descripción")},
        {QStringLiteral("d'arrossegar"), QT_TRANSLATE_NOOP("editor", "de arrastrar")},
        {QStringLiteral("de triar paraules"), QT_TRANSLATE_NOOP("editor", "de elegir palabras")},
        {QStringLiteral("amb crèdit parcial"), QT_TRANSLATE_NOOP("editor", "con crédito parcial")},
        {QStringLiteral("sense resposta correcta"), QT_TRANSLATE_NOOP("editor", "sin respuesta correcta")},
        {QStringLiteral("amb més de 8 opcions"), QT_TRANSLATE_NOOP("editor", "con más de 8 opciones")},
        {QStringLiteral("amb una opció buida"), QT_TRANSLATE_NOOP("editor", "con una opción vacía")},
        {QStringLiteral("amb una sola opció"), QT_TRANSLATE_NOOP("editor", "con una sola opción")},
        {QStringLiteral("mal escrites"), QT_TRANSLATE_NOOP("editor", "mal escritas")},
        {QStringLiteral("amb més d'un buit"), QT_TRANSLATE_NOOP("editor", "con más de un hueco")},
        {QStringLiteral("amb més d'una imatge"), QT_TRANSLATE_NOOP("editor", "con más de una imagen")},
        {QStringLiteral("amb una imatge que no es pot portar"), QT_TRANSLATE_NOOP("editor", "con una imagen que no se puede traer")},
        {QStringLiteral("amb imatges a les respostes"), QT_TRANSLATE_NOOP("editor", "con imágenes en las respuestas")},
        {QStringLiteral("sense enunciat"), QT_TRANSLATE_NOOP("editor", "sin enunciado")},
        {QStringLiteral("amb un caràcter que el banc no pot desar"), QT_TRANSLATE_NOOP("editor", "con un carácter que no se puede guardar")},
        {QStringLiteral("que el banc no pot desar"), QT_TRANSLATE_NOOP("editor", "que no se pueden guardar")},
        {QStringLiteral("que no s'han pogut escriure"), QT_TRANSLATE_NOOP("editor", "que no se han podido escribir")},
        {QStringLiteral("de marcar en un gràfic"), QT_TRANSLATE_NOOP("editor", "de marcar en un gráfico")},
        {QStringLiteral("de comprensió lectora"), QT_TRANSLATE_NOOP("editor", "de comprensión lectora")},
        {QStringLiteral("amb imatge"), QT_TRANSLATE_NOOP("editor", "con imagen")},
        {QStringLiteral("que no es poden llegir"), QT_TRANSLATE_NOOP("editor", "que no se pueden leer")},
    };
    if (const auto found = kinds.constFind(kind); found != kinds.constEnd())
        return QCoreApplication::translate("editor", *found);
    static const QRegularExpression several(QStringLiteral("^amb (\\w+) respostes correctes$"));
    if (const auto m = several.match(kind); m.hasMatch())
        return QCoreApplication::translate("editor", "con %1 respuestas correctas")
            .arg(m.captured(1) == u"dues" ? QStringLiteral("dos") : m.captured(1));
    static const QRegularExpression type(QStringLiteral("^de tipus (.*)$"));
    if (const auto m = type.match(kind); m.hasMatch())
        return QCoreApplication::translate("editor", "de tipo ") + m.captured(1);
    return kind;
}

QString interchangeSummary(const interchange::Outcome &outcome, bool import)
{
    const int done = outcome.done;
    QString text;
    if (import)
        text = done == 1 ? QCoreApplication::translate("editor", "Se ha importado 1 pregunta.") : QCoreApplication::translate("editor", "Se han importado %1 preguntas.").arg(done);
    else
        text = done == 1 ? QCoreApplication::translate("editor", "Se ha exportado 1 pregunta.") : QCoreApplication::translate("editor", "Se han exportado %1 preguntas.").arg(done);
    if (!outcome.skipped.isEmpty()) {
        QStringList kinds;
        QHash<QString, int> counts;
        for (const interchange::Skipped &s : outcome.skipped) {
            const QString kind = spanishKind(s.kind);
            if (!counts.contains(kind))
                kinds << kind;
            ++counts[kind];
        }
        QStringList parts;
        for (const QString &kind : kinds)
            parts << QStringLiteral("%1 %2").arg(counts.value(kind)).arg(kind);
        text += (import ? QCoreApplication::translate("editor", " No se han importado %1: %2.")
                        : QCoreApplication::translate("editor", " No se han exportado %1: %2."))
                    .arg(outcome.skipped.size())
                    .arg(parts.join(QStringLiteral(", ")));
        // Where the first ones stand, for the teacher to look them up.
        const int shown = int(std::min<qsizetype>(outcome.skipped.size(), 10));
        for (int i = 0; i < shown; ++i) {
            QString where = outcome.skipped[i].where;
            where.replace(QStringLiteral("línia"), QCoreApplication::translate("editor", "línea"));
            text += QStringLiteral("\n%1: %2").arg(where, spanishKind(outcome.skipped[i].kind));
        }
        if (outcome.skipped.size() > shown)
            text += (u'\n' + QCoreApplication::translate("editor", "… y %1 más.")).arg(outcome.skipped.size() - shown);
    }
    if (!outcome.failure.isEmpty() && done == 0)
        text = (import ? QCoreApplication::translate("editor", "No se ha importado ninguna pregunta (%1).")
                       : QCoreApplication::translate("editor", "No se ha exportado ninguna pregunta (%1)."))
                   .arg(outcome.failure)
            + (outcome.skipped.isEmpty() ? QString() : u'\n' + text);
    return text;
}

void Form1::buildFolderMenu()
{
    Dir1->setContextMenuPolicy(Qt::CustomContextMenu);
    Dir1Menu = new QMenu(this);
    Dir1Menu->setObjectName(QStringLiteral("mnuCarpeta"));
    mnuImportar = Dir1Menu->addAction(QCoreApplication::translate("editor", "Importar preguntas…"));
    mnuImportar->setObjectName(QStringLiteral("mnuImportar"));
    mnuExportar = Dir1Menu->addAction(QCoreApplication::translate("editor", "Exportar preguntas…"));
    mnuExportar->setObjectName(QStringLiteral("mnuExportar"));
    connect(mnuImportar, &QAction::triggered, this, [this] { importQuestions(menuFolder); });
    connect(mnuExportar, &QAction::triggered, this, [this] { exportQuestions(menuFolder); });
    connect(Dir1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        const QModelIndex index = Dir1->indexAt(at);
        menuFolder = index.isValid() ? folderTree->folderOf(index) : folderTree->folderOf(Dir1->rootIndex());
        if (!menuFolder.isEmpty())
            Dir1Menu->popup(Dir1->viewport()->mapToGlobal(at));
    });
}

void Form1::importQuestions(const QString &folder)
{
    const QString file = ui::platform().openFileName(
        this, QCoreApplication::translate("editor", "Importar preguntas"),
        QCoreApplication::translate("editor", "Preguntas de otras plataformas (*.gift *.txt *.xml);;Todos los archivos (*)"));
    if (file.isEmpty())
        return;
    interchange::Options options;
    options.convertPicture = convert::toJpeg;
    const interchange::Outcome outcome = interchange::importFile(file, folder, options);
    ui::message(this, interchangeSummary(outcome, true));
    File1->refresh();
}

void Form1::exportQuestions(const QString &folder)
{
    const QString file = ui::platform().saveFileName(
        this, QCoreApplication::translate("editor", "Exportar preguntas"), QDir(folder).dirName() + QStringLiteral(".xml"),
        QCoreApplication::translate("editor", "Moodle XML (*.xml);;GIFT (*.gift *.txt)"));
    if (file.isEmpty())
        return;
    const interchange::Outcome outcome = interchange::exportFolder(folder, file);
    ui::message(this, interchangeSummary(outcome, false));
}

} // namespace editor
