// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form2.h"

#include "ui/platform.h"

#include <QCoreApplication>

namespace editor {

namespace {
const QColor kConfirmColor = ui::bgr(0xC0FFFF);
const QColor kCloseColor = ui::bgr(0xC0FFC0);
constexpr int kPanelCount = 6;
} // namespace

Form2::Form2(const PreviewQuestion &question, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(QCoreApplication::translate("editor", "Comprueba la pregunta"));
    ui::nameControl(this, QStringLiteral("Form2"), windowTitle());
    resize(ui::px(9000), ui::px(8160));

    auto *frame = new QGroupBox(this);
    ui::setGeometryTwips(frame, 120, 120, 8760, 7260);
    // Locked after a verdict, the panel's texts must stay readable.
    ui::setForeColor(frame, ui::kBlack);
    Frame1.reset(QStringLiteral("Frame1"), frame);
    for (int k = 1; k < kPanelCount; ++k)
        Frame1.load(k);
    frame->hide();

    Label1 = new QLabel(frame);
    ui::nameControl(Label1, QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont statementFont = Label1->font();
    statementFont.setPointSize(12);
    statementFont.setBold(true);
    Label1->setFont(statementFont);
    ui::setGeometryTwips(Label1, 180, 420, 8400, 900);

    auto *option = new ui::ClickLabel(frame);
    option->setWordWrap(true);
    option->setCursor(Qt::PointingHandCursor);
    QFont optionFont = option->font();
    optionFont.setPointSize(11);
    option->setFont(optionFont);
    ui::setForeColor(option, ui::kRed);
    ui::setGeometryTwips(option, 360, 1440, 8100, 480);
    Label2.reset(QStringLiteral("Label2"), option, [this](ui::ClickLabel *label, int index) {
        connect(label, &ui::ClickLabel::clicked, this, [this, index] { Label2_Click(index); });
    });
    for (int i = 1; i < kOptionCount; ++i) {
        ui::ClickLabel *member = Label2.load(i);
        ui::setTopTwips(member, 1440 + i * 540);
    }

    Command1 = new QPushButton(QCoreApplication::translate("editor", "CONFIRMAR"), frame);
    ui::nameControl(Command1, QStringLiteral("Command1"), Command1->text());
    ui::setBackColor(Command1, kConfirmColor);
    ui::setGeometryTwips(Command1, 180, 5850, 2700, 510);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);

    Label3 = new QLabel(frame);
    ui::nameControl(Label3, QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setFont(statementFont);
    ui::setGeometryTwips(Label3, 180, 6480, 8400, 660);

    Command2 = new QPushButton(QCoreApplication::translate("editor", "ACEPTAR"), this);
    ui::nameControl(Command2, QStringLiteral("Command2"), Command2->text());
    ui::setBackColor(Command2, kCloseColor);
    ui::setGeometryTwips(Command2, 120, 7500, 8760, 540);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    ui::showPlainTexts(this);

    Form_Load(question);
    ui::centreOnScreen(this);
}

void Form2::Form_Load(const PreviewQuestion &question)
{
    questionType = question.type;
    if (questionType == bank::QuestionType::MultipleChoice) {
        Frame1(0)->show();
        Label1->setText(question.statement);
        for (int i = 0; i < kOptionCount; ++i) {
            const QString &text = question.options[i];
            Label2(i)->setVisible(!text.isEmpty());
            if (!text.isEmpty()) {
                ui::setForeColor(Label2(i), ui::kRed);
                Label2(i)->setText(optionCaption(i, text));
                Label2(i)->setAccessibleName(Label2(i)->text());
            }
        }
    }
    if (QGroupBox *panel = Frame1(bank::typeCode(questionType) - 1)) {
        panel->setTitle(QString::number(bank::typeCode(questionType)));
        ui::setBackColor(panel, question.panelColor);
        ui::setBackColor(this, question.panelColor);
    }
}

void Form2::Label2_Click(int index)
{
    for (int i = 0; i < kOptionCount; ++i) {
        if (i != index && ui::foreColor(Label2(i)) == ui::kBlue)
            ui::setForeColor(Label2(i), ui::kRed);
    }
    ui::setForeColor(Label2(index), ui::kBlue);
}

int Form2::chosenOption() const
{
    for (int i = 0; i < kOptionCount; ++i) {
        if (!Label2(i)->isHidden() && ui::foreColor(Label2(i)) == ui::kBlue)
            return i;
    }
    return -1;
}

void Form2::Command1_Click()
{
    const int chosen = chosenOption();
    if (chosen < 0) {
        ui::message(this, QCoreApplication::translate("editor", "No has seleccionado ninguna opción"));
        return;
    }
    // Options that are not shown hold no caption a pupil could choose.
    QStringList captions;
    for (int i = 0; i < kOptionCount; ++i)
        captions << (Label2(i)->isHidden() ? QString() : Label2(i)->text());
    const Verdict verdict = judgeChoice(captions, chosen);
    const QColor colour = verdict.correct ? ui::kBlue : ui::kRed;
    ui::setBackColor(Command1, colour);
    Command1->setText(verdict.correct ? QCoreApplication::translate("editor", "CORRECTO") : QCoreApplication::translate("editor", "INCORRECTO"));
    // Legible on the strong blue or red.
    ui::setForeColor(Command1, ui::kWhite);
    ui::setForeColor(Label3, colour);
    Label3->setText(verdict.text);
    Frame1(bank::typeCode(questionType) - 1)->setEnabled(false);
}

void Form2::Command2_Click()
{
    close();
}

} // namespace editor
