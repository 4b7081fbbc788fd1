// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include <array>

namespace installer {

// The installer's only window: the list of files and the button that copies
// and registers them, reporting on each, and then ends the program.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    void Command1_Click();

    QString systemFolder() const { return system; }

    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    QListWidget *List2 = nullptr;
    QPushButton *Command1 = nullptr;
    std::array<QLabel *, 3> Label2{};

private:
    void buildControls();
    void Form_Load();

    QString system;
};

} // namespace installer
