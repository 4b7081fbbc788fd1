// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form4.h"

#include "ui/controls.h"

#include <QCoreApplication>

namespace editor {

Form4::Form4(const QString &startFolder, QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QCoreApplication::translate("editor", "Selecciona el archivo txt, jpg o gif"));
    ui::nameControl(this, QStringLiteral("Form4"), windowTitle());
    resize(420, 460);

    Dir1 = new FolderTree(this);
    ui::nameControl(Dir1, QStringLiteral("Dir1"), QCoreApplication::translate("editor", "Carpetas"));
    Dir1->setGeometry(8, 8, 404, 216);
    File1 = new FileList(this);
    ui::nameControl(File1, QStringLiteral("File1"), QCoreApplication::translate("editor", "Archivos"));
    File1->setGeometry(8, 232, 404, 220);

    connect(Dir1, &FolderTree::folderChanged, this, &Form4::Dir1_Change);
    connect(File1, &FileList::entryClicked, this, &Form4::File1_Click);
    Form_Load(startFolder);
}

void Form4::Form_Load(const QString &startFolder)
{
    File1->setPath(startFolder);
    Dir1->setFolder(startFolder);
    ui::centreOnScreen(this);
}

void Form4::Dir1_Change()
{
    const QString folder = Dir1->folder();
    if (!folder.isEmpty())
        File1->setPath(folder);
}

void Form4::File1_Click()
{
    const QString name = File1->fileName();
    if (name.isEmpty())
        return;
    Q_EMIT attachmentChosen(name);
    close();
}

} // namespace editor
