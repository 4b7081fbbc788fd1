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

namespace editor {

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
            const QString &kind = s.kind;
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
        for (int i = 0; i < shown; ++i)
            text += QStringLiteral("\n%1: %2").arg(outcome.skipped[i].where, outcome.skipped[i].kind);
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
