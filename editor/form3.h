// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fieldwidgets.h"

#include <QWidget>

namespace editor {

// The option list picker: the author finds a text file of candidate answers,
// one a line; its lines replace the folder and file lists, and each click on
// one hands it to the editor for the option whose "..." button was pressed.
// The window stays open with its list, for further options.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    explicit Form3(const QString &startFolder, QWidget *parent = nullptr);

    void Dir1_Change();
    void File1_Click();
    void List1_Click();

    FolderTree *Dir1;
    FileList *File1;
    ClickList *List1;

Q_SIGNALS:
    // The text of the entry clicked in List1.
    void optionChosen(const QString &text);

private:
    void Form_Load(const QString &startFolder);
};

} // namespace editor
