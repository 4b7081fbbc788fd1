// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fieldwidgets.h"
#include "preview.h"

#include "ui/clicklabel.h"
#include "ui/controls.h"

#include <QGroupBox>
#include <QPushButton>
#include <QWidget>

namespace editor {

// The check window: the multiple-choice question as a pupil would see it.
// The author picks an option and confirms; the verdict follows the trailing
// space the check has just put on the marked option.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(const PreviewQuestion &question, QWidget *parent = nullptr);

    void Label2_Click(int index);
    void Command1_Click();
    void Command2_Click();

    // The option chosen (its label is blue), -1 when none is.
    int chosenOption() const;

    ui::ControlFamily<QGroupBox> Frame1;
    QLabel *Label1;
    ui::ControlFamily<ui::ClickLabel> Label2;
    QPushButton *Command1;
    QLabel *Label3;
    QPushButton *Command2;

private:
    void Form_Load(const PreviewQuestion &question);

    bank::QuestionType questionType = bank::QuestionType::MultipleChoice;
};

} // namespace editor
