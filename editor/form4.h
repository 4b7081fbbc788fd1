// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fieldwidgets.h"

#include <QWidget>

namespace editor {

// The attachment picker: the author finds the picture or text to attach to a
// multiple-choice question; choosing a file hands its bare name to the
// editor and closes the picker. Any file may be chosen: only a name ending in
// .txt, .jpg or .gif becomes an attachment when the question is saved.
class Form4 : public QWidget
{
    Q_OBJECT

public:
    explicit Form4(const QString &startFolder, QWidget *parent = nullptr);

    void Dir1_Change();
    void File1_Click();

    FolderTree *Dir1;
    FileList *File1;

Q_SIGNALS:
    void attachmentChosen(const QString &name);

private:
    void Form_Load(const QString &startFolder);
};

} // namespace editor
