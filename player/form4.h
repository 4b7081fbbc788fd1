// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/clicklabel.h"
#include "ui/controls.h"

#include <QWidget>

namespace player {

class Form3;

// The final window: a heading and one result line per test, red below 5 and
// blue otherwise. A click anywhere brings the test window back.
class Form4 : public QWidget
{
    Q_OBJECT
public:
    explicit Form4(Form3 *testWindow);

    ui::ClickLabel *Label1 = nullptr;
    ui::ControlFamily<ui::ClickLabel> Label2;
    QString rightLabel, wrongLabel, blankLabel;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void Form_Load();
    void Form_Click();
    void fitWidth(const QStringList &lines);

    Form3 *testWindow = nullptr;
};

} // namespace player
