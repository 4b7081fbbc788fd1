// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "components.h"

#include "ui/controls.h"
#include "ui/platform.h"

#include <QCoreApplication>

namespace installer {

namespace {

constexpr int kWindowWidth = 6600;
constexpr int kWindowHeight = 5280;
constexpr int kMargin = 240;
constexpr int kInnerWidth = kWindowWidth - 2 * kMargin;

const QString kContact = QStringLiteral("brenloq@escoles.cat");

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(QCoreApplication::translate("installer", "REGISTRAR ARCHIVOS - ") + kContact);
    buildControls();
    Form_Load();
}

void Form1::buildControls()
{
    setFixedSize(ui::px(kWindowWidth), ui::px(kWindowHeight));
    ui::setBackColor(this, QColor(236, 244, 255));

    Label1 = new QLabel(this);
    ui::nameControl(Label1, QStringLiteral("Label1"));
    ui::setGeometryTwips(Label1, kMargin, 180, kInnerWidth, 420);
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    Label1->setFont(heading);

    Label3 = new QLabel(this);
    ui::nameControl(Label3, QStringLiteral("Label3"));
    ui::setGeometryTwips(Label3, kMargin, 660, kInnerWidth, 600);
    Label3->setWordWrap(true);

    List2 = new QListWidget(this);
    ui::nameControl(List2, QStringLiteral("List2"));
    ui::setGeometryTwips(List2, kMargin, 1320, kInnerWidth, 1140);
    ui::setBackColor(List2, ui::kWhite);

    Command1 = new QPushButton(QCoreApplication::translate("installer", "Copiar archivos y registrar componentes"), this);
    ui::nameControl(Command1, QStringLiteral("Command1"), Command1->text());
    ui::setGeometryTwips(Command1, kMargin, 2640, kInnerWidth, 720);
    ui::setBold(Command1, true);

    const std::array<QString, 3> credits = {
        QStringLiteral("BRENLOQ 3.0"),
        QCoreApplication::translate("installer", "Equipo BRENLOQ - cuestionarios para el aula"),
        kContact,
    };
    for (int i = 0; i < 3; ++i) {
        Label2[i] = new QLabel(credits[i], this);
        ui::nameControl(Label2[i], ui::memberName(QStringLiteral("Label2"), i), credits[i]);
        ui::setGeometryTwips(Label2[i], kMargin, 3780 + i * 420, kInnerWidth, 360);
        Label2[i]->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        ui::setForeColor(Label2[i], QColor(40, 60, 120));
    }
    ui::setBold(Label2[0], true);
    ui::showPlainTexts(this);

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
}

void Form1::Form_Load()
{
    Label1->setText(QCoreApplication::translate("installer", "Para windows XP ,VISTA y 7 "));
    Label1->setAccessibleName(Label1->text());
    List2->clear();
    List2->addItems(componentNames());
    system = ui::platform().systemFolder();
    Label3->setText(
        QCoreApplication::translate("installer", "Estos archivos se han de copiar en la carpeta 'system32' de windows."));
    Label3->setAccessibleName(Label3->text());
    List2->setAccessibleName(Label3->text());
    ui::centreOnScreen(this);
}

void Form1::Command1_Click()
{
    const QString folder = ui::platform().programFolder();
    for (int i = 0; i < List2->count(); ++i) {
        const QString name = List2->item(i)->text();
        const QString text = outcomeMessage(name, installComponent(name, folder, system, ui::platform()));
        if (!text.isEmpty())
            ui::message(this, text);
    }
    ui::platform().quit();
}

} // namespace installer
