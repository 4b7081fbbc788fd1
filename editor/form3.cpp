// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form3.h"

#include "panelfiles.h"

#include "bank/readfile.h"
#include "ui/controls.h"
#include "ui/platform.h"

#include <QCoreApplication>

namespace editor {

Form3::Form3(const QString &startFolder, QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QCoreApplication::translate("editor", "Selecciona el archivo txt que contiene las preguntas y respuestas"));
    ui::nameControl(this, QStringLiteral("Form3"), windowTitle());
    resize(520, 460);

    Dir1 = new FolderTree(this);
    ui::nameControl(Dir1, QStringLiteral("Dir1"), QCoreApplication::translate("editor", "Carpetas"));
    Dir1->setGeometry(8, 8, 504, 216);
    File1 = new FileList(this);
    ui::nameControl(File1, QStringLiteral("File1"), QCoreApplication::translate("editor", "Archivos"));
    File1->setGeometry(8, 232, 504, 220);
    List1 = new ClickList(this);
    ui::nameControl(List1, QStringLiteral("List1"), QCoreApplication::translate("editor", "Respuestas"));
    List1->setGeometry(8, 8, 504, 444);
    List1->hide();

    connect(Dir1, &FolderTree::folderChanged, this, &Form3::Dir1_Change);
    connect(File1, &FileList::entryClicked, this, &Form3::File1_Click);
    connect(List1, &ClickList::entryClicked, this, &Form3::List1_Click);
    Form_Load(startFolder);
}

void Form3::Form_Load(const QString &startFolder)
{
    File1->setPattern(QStringLiteral("*.txt"));
    File1->setPath(startFolder);
    Dir1->setFolder(startFolder);
    ui::centreOnScreen(this);
}

void Form3::Dir1_Change()
{
    const QString folder = Dir1->folder();
    if (!folder.isEmpty())
        File1->setPath(folder);
}

void Form3::File1_Click()
{
    const QString name = File1->fileName();
    if (!isOptionListName(name))
        return;
    const bank::FileContent file = bank::readFile(File1->path() + u'/' + name, bank::kMaxLineFileBytes);
    if (file.problem != bank::FileProblem::None) {
        if (const QString refusal = fileRefusal(ClickedFile::OptionList, name, file); !refusal.isEmpty())
            ui::message(this, refusal);
        return;
    }
    List1->clear();
    List1->addItems(optionListLines(file.bytes));
    Dir1->hide();
    File1->hide();
    List1->show();
}

void Form3::List1_Click()
{
    const QListWidgetItem *item = List1->currentItem();
    if (item)
        Q_EMIT optionChosen(item->text());
}

} // namespace editor
