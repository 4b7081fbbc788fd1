// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form2.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace player {

// The captions of the start window as inicio.txt gives them.
struct StartTexts {
    QString command1;
    QString label1;
    QString command2;
};

// Reads inicio.txt through one shared line, so a short file repeats its last
// line in the captions after it and a missing one leaves all three empty.
StartTexts readStartTexts(const QString &programFolder);

// One step of the climbing picture: 15 twips up, back to 0 once it has
// climbed twice the frame's height.
int nextLogoOffset(int logoOffset, int frameHeightTwips);

// The start window: a picture climbing in its frame, the pupil's name and the
// buttons to the selection window and to the reports folder. Loading it also
// puts missing display components in place. The test window reads the name
// from Text1 and then closes this window; the selection window outlives it.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();

    QString pupilNameText() const { return Text1->text(); }
    int logoOffset() const { return offset; }

    // The selection window, once Command1 has opened it.
    Form2 *form2() const { return selection; }

    QFrame *dest = nullptr;
    QLabel *Picture1 = nullptr;
    QTimer *Timer1 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

private:
    void buildControls();
    void Form_Load();

    int offset = 0;
    QPointer<Form2> selection;
};

} // namespace player
