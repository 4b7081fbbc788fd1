// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "form1parts.h"

#include <QCoreApplication>
#include <QRect>

#include <vector>

// The six type panels, each built the first time it is shown or its fields
// are read or written.

namespace editor {

namespace {

const QColor kStatementGrey = ui::bgr(0xE0E0E0);
const QColor kViewportGrey = ui::bgr(0x808080);
const QColor kTrueColor = ui::bgr(0xFF8080);  // #8080FF
const QColor kFalseColor = ui::bgr(0x8080FF); // #FF8080

} // namespace

void Form1::buildPanel(int k)
{
    if (k < 0 || k >= kTypeCount || panelBuilt[k])
        return;
    // The picture, graphic and reading panels come together: their Refresca
    // buttons are one family, and each one rereads the lists of all three.
    const std::vector<int> panels = k >= 2 && k <= 4 ? std::vector<int>{2, 3, 4} : std::vector<int>{k};

    // The panel captions are larger than their contents: the controls are
    // made in the window's font, and each keeps its size and weight when the
    // caption's comes back.
    std::vector<QFont> captions;
    for (int p : panels) {
        captions.push_back(Frame1(p)->font());
        Frame1(p)->setFont(font());
    }
    for (int p : panels) {
        panelBuilt[p] = true;
        switch (p) {
        case 0: buildMultipleChoice(Frame1(0)); break;
        case 1: buildWrittenAnswer(Frame1(1)); break;
        case 2: buildPictureAnswer(Frame1(2)); break;
        case 3: buildGraphicPoint(Frame1(3)); break;
        case 4: buildReadingWord(Frame1(4)); break;
        case 5: buildTrueFalse(Frame1(5)); break;
        }
    }
    for (std::size_t i = 0; i < panels.size(); ++i) {
        QGroupBox *frame = Frame1(panels[i]);
        const auto children = frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *child : children) {
            QFont own = child->font();
            own.setPointSizeF(own.pointSizeF());
            own.setBold(own.bold());
            child->setFont(own);
        }
        frame->setFont(captions[i]);
        ui::showPlainTexts(frame);
    }
}

void Form1::buildMultipleChoice(QGroupBox *frame)
{
    Label2 = makeLabel(QStringLiteral("Label2"), QCoreApplication::translate("editor", "Pregunta"), frame);
    place(Label2, 12, 28, 200, 20);

    auto *statement = makeBox<StatementBox>(QStringLiteral("Text1"), Label2->text(), frame);
    place(statement, 12, 48, 616, 84);
    Text1.reset(QStringLiteral("Text1"), statement, [this](StatementBox *box, int index) {
        connect(box, &StatementBox::enterRefused, this, [this, index] { Text1_KeyDown(index); });
    });
    ui::setBackColor(statement, kStatementGrey);

    auto *label = new ui::ClickLabel(frame);
    label->hide(); // the options are numbered from 1
    label->setCursor(Qt::PointingHandCursor);
    ui::setForeColor(label, ui::kRed);
    Label1.reset(QStringLiteral("Label1"), label, [this](ui::ClickLabel *member, int index) {
        connect(member, &ui::ClickLabel::clicked, this, [this, index] { Label1_Click(index); });
    });

    auto *pick = makeButton(QStringLiteral("Command5"), QStringLiteral("..."), frame);
    Command5.reset(QStringLiteral("Command5"), pick, [this](QPushButton *button, int index) {
        connect(button, &QPushButton::clicked, this, [this, index] { Command5_Click(index); });
    });

    for (int i = 1; i <= kOptionCount; ++i) {
        const int top = 142 + (i - 1) * 56;
        ui::ClickLabel *name = Label1.load(i);
        name->setText(QCoreApplication::translate("editor", "Opción %1").arg(i));
        name->setAccessibleName(name->text());
        place(name, 12, top + 14, 72, 20);
        name->show();

        StatementBox *option = Text1.load(i);
        option->setAccessibleName(name->text());
        place(option, 86, top, 500, 50);
        ui::setBackColor(option, ui::kWhite);
        option->show();

        QPushButton *button = i == 1 ? Command5(0) : Command5.load(i - 1);
        button->setText(pick->text());
        place(button, 592, top + 12, 36, 26);
        button->show();
    }

    Command7 = makeButton(QStringLiteral("Command7"), kAttachmentButtonCaption(), frame);
    place(Command7, 12, 600, 220, 30);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    Command8 = makeButton(QStringLiteral("Command8"),
                          QCoreApplication::translate("editor", "BORRAR TODO Y EMPEZAR UNA NUEVA PREGUNTA TIPO TEST"),
                          frame);
    place(Command8, 240, 600, 388, 30);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);

    Label3 = makeLabel(QStringLiteral("Label3"),
                       QCoreApplication::translate("editor", "Después de escribir el enunciado se ha de seleccionar la "
                                      "opción correcta"),
                       frame);
    Label3->setWordWrap(true);
    place(Label3, 12, 640, 616, 36);
}

void Form1::buildWrittenAnswer(QGroupBox *frame)
{
    Label5.reset(QStringLiteral("Label5"),
                 makeLabel(QStringLiteral("Label5"), QCoreApplication::translate("editor", "Pregunta"), frame));
    place(Label5(0), 12, 28, 300, 20);
    Text3 = makeBox<StatementBox>(QStringLiteral("Text3"), QCoreApplication::translate("editor", "Pregunta"), frame);
    place(Text3, 12, 48, 616, 200);

    QLabel *answer = Label5.load(1);
    answer->setText(QCoreApplication::translate("editor", "Respuesta"));
    answer->setAccessibleName(answer->text());
    place(answer, 12, 262, 300, 20);
    answer->show();
    Text4 = makeBox<LineBox>(QStringLiteral("Text4"), answer->text(), frame);
    place(Text4, 12, 282, 616, 28);
    connect(Text3, &StatementBox::enterRefused, this, &Form1::refuseEnter);
}

void Form1::buildPictureAnswer(QGroupBox *frame)
{
    // The picture takes the panel's whole width, so that it can fill the
    // height down to "Respuesta" without running past the panel; the list
    // of pictures sits beside the statement instead.
    File3 = makeBox<FileList>(QStringLiteral("File3"), QStringLiteral("Graficos"), frame);
    place(File3, 12, 28, 180, 136);

    Label6.reset(QStringLiteral("Label6"),
                 makeLabel(QStringLiteral("Label6"), QCoreApplication::translate("editor", "Pregunta"), frame));
    place(Label6(0), 204, 28, 424, 20);
    Text5 = makeBox<StatementBox>(QStringLiteral("Text5"), QCoreApplication::translate("editor", "Pregunta"), frame);
    place(Text5, 204, 48, 424, 156);

    // A picture wider still is cut at the panel's inner edge, not drawn
    // over its border.
    auto *pictureArea = new QWidget(frame);
    place(pictureArea, 12, 212, 616, 396);
    Image1 = makeLabel(QStringLiteral("Image1"), QString(), pictureArea);
    place(Image1, 0, 0, 616, 396);
    Image1->setScaledContents(false);
    Image1->hide();

    QLabel *answer = Label6.load(1);
    answer->setText(QCoreApplication::translate("editor", "Respuesta"));
    answer->setAccessibleName(answer->text());
    place(answer, 12, 608, 616, 20);
    answer->show();
    Text6 = makeBox<LineBox>(QStringLiteral("Text6"), answer->text(), frame);
    place(Text6, 12, 630, 616, 28);
    connect(Text5, &StatementBox::enterRefused, this, &Form1::refuseEnter);
    File3->setPath(picturesFolder);
    connect(File3, &FileList::entryClicked, this, &Form1::File3_Click);
}

void Form1::buildGraphicPoint(QGroupBox *frame)
{
    File2 = makeBox<FileList>(QStringLiteral("File2"), QStringLiteral("Graficos"), frame);
    place(File2, 12, 28, 180, 600);

    Text7 = makeBox<StatementBox>(QStringLiteral("Text7"), QCoreApplication::translate("editor", "Pregunta"), frame);
    place(Text7, 204, 28, 424, 84);

    // Bars 16 pixels thick, right against the viewport.
    graphic = new ui::ClickGraphic(frame, ui::ScrollBarPlacement{0, 16});
    graphic->setViewportGeometry(QRect(204, 122, 408, 480));
    Picture1 = graphic->viewport();
    Picture2 = graphic->pictureBox();
    HScroll1 = graphic->horizontalBar();
    VScroll1 = graphic->verticalBar();
    setPanelColor(Picture1, kViewportGrey);
    Picture2->setFillColor(ui::kBlue);
    Picture2->setCursor(Qt::CrossCursor);
    connect(graphic, &ui::ClickGraphic::marked, this, &Form1::Picture2_MouseDown);

    Label8.reset(QStringLiteral("Label8"),
                 makeLabel(QStringLiteral("Label8"), QStringLiteral("X-"), frame));
    place(Label8(0), 204, 630, 24, 24);
    QLabel *x = Label8.load(1);
    x->setText(QStringLiteral("0"));
    place(x, 230, 630, 80, 24);
    x->show();
    Label9.reset(QStringLiteral("Label9"),
                 makeLabel(QStringLiteral("Label9"), QStringLiteral("Y-"), frame));
    place(Label9(0), 320, 630, 24, 24);
    QLabel *y = Label9.load(1);
    y->setText(QStringLiteral("0"));
    place(y, 346, 630, 80, 24);
    y->show();
    connect(Text7, &StatementBox::enterRefused, this, &Form1::refuseEnter);
    File2->setPath(picturesFolder);
    connect(File2, &FileList::entryClicked, this, &Form1::File2_Click);
}

void Form1::buildReadingWord(QGroupBox *frame)
{
    File4 = makeBox<FileList>(QStringLiteral("File4"), QStringLiteral("Textos"), frame);
    place(File4, 12, 28, 180, 600);

    Label7.reset(QStringLiteral("Label7"),
                 makeLabel(QStringLiteral("Label7"), QCoreApplication::translate("editor", "Texto seleccionado"), frame));
    place(Label7(0), 204, 28, 424, 20);
    Text8 = makeBox<ui::ReadingText>(QStringLiteral("Text8"), Label7(0)->text(), frame);
    Text8->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    place(Text8, 204, 48, 424, 440);

    QLabel *question = Label7.load(1);
    question->setText(QCoreApplication::translate("editor", "Pregunta referida al texto que tiene de respuesta una palabra"));
    question->setAccessibleName(question->text());
    question->setWordWrap(true);
    place(question, 204, 498, 424, 40);
    question->show();
    Text9 = makeBox<LineBox>(QStringLiteral("Text9"), question->text(), frame);
    place(Text9, 204, 540, 424, 28);

    Label11 = makeLabel(QStringLiteral("Label11"), kNoWordCaption(), frame);
    QFont bold = Label11->font();
    bold.setBold(true);
    Label11->setFont(bold);
    connect(Text8, &ui::ReadingText::wordTaken, Label11, &QLabel::setText);
    place(Label11, 204, 580, 424, 30);

    auto *refresh = makeButton(QStringLiteral("Command4"), QCoreApplication::translate("editor", "Refresca"), frame);
    place(refresh, 12, 636, 180, 32);
    Command4.reset(QStringLiteral("Command4"), refresh, [this](QPushButton *button, int index) {
        connect(button, &QPushButton::clicked, this, [this, index] { Command4_Click(index); });
    });
    // Refresca of the graphic and picture panels are copies of this one;
    // the picture panel's sits under its shorter list.
    QGroupBox *const owners[] = {Frame1(3), Frame1(2)};
    for (int i = 1; i <= 2; ++i) {
        QPushButton *copy = Command4.load(i);
        copy->setText(refresh->text());
        copy->setParent(owners[i - 1]);
        if (owners[i - 1] == Frame1(2))
            place(copy, 12, 172, 180, 32);
        else
            place(copy, 12, 636, 180, 32);
        copy->show();
    }
    File4->setPath(textsFolder);
    connect(File4, &FileList::entryClicked, this, &Form1::File4_Click);
}

void Form1::buildTrueFalse(QGroupBox *frame)
{
    Text10 = makeBox<StatementBox>(QStringLiteral("Text10"), QCoreApplication::translate("editor", "Pregunta"), frame);
    place(Text10, 12, 28, 616, 200);

    auto *yes = makeButton(QStringLiteral("Command6"), QCoreApplication::translate("editor", "VERDADERO"), frame);
    QFont big = yes->font();
    big.setPointSize(14);
    big.setBold(true);
    yes->setFont(big);
    place(yes, 12, 244, 300, 48);
    Command6.reset(QStringLiteral("Command6"), yes, [this](QPushButton *button, int index) {
        connect(button, &QPushButton::clicked, this, [this, index] { Command6_Click(index); });
    });
    ui::setBackColor(yes, kTrueColor);
    QPushButton *no = Command6.load(1);
    no->setText(QCoreApplication::translate("editor", "FALSO"));
    no->setAccessibleName(no->text());
    place(no, 328, 244, 300, 48);
    ui::setBackColor(no, kFalseColor);
    no->show();

    Label10 = makeLabel(QStringLiteral("Label10"), QString(), frame);
    Label10->setFont(big);
    place(Label10, 12, 310, 616, 48);
    connect(Text10, &StatementBox::enterRefused, this, &Form1::refuseEnter);
}

} // namespace editor
