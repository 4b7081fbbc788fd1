// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "session.h"

#include "form2.h"
#include "playerstate.h"
#include "registercomponents.h"
#include "testlogic.h"

#include "bank/folders.h"
#include "bank/languagefile.h"
#include "ui/controls.h"
#include "ui/focuschain.h"
#include "ui/picturefile.h"
#include "ui/platform.h"

#include <QFileInfo>
#include <QPixmap>

#include <cstdlib>
#include <memory>

namespace player {

namespace {

constexpr int kWindowWidth = 5400;
constexpr int kWindowHeight = 6000;
constexpr int kMargin = 120;
constexpr int kFrameHeight = 3495;
constexpr int kInnerWidth = kWindowWidth - 2 * kMargin;

const QString kCaption = QStringLiteral("BRENLOQ 3.0 - brenloq@escoles.cat");

} // namespace

StartTexts readStartTexts(const QString &programFolder)
{
    StartTexts texts;
    bank::LineReader reader = bank::openLanguageFile(programFolder, QStringLiteral("inicio.txt"));
    bank::LineBuffer line;
    reader.readLine(line);
    texts.command1 = line.text;
    reader.readLine(line);
    texts.label1 = line.text;
    reader.readLine(line);
    texts.command2 = line.text;
    return texts;
}

int nextLogoOffset(int logoOffset, int frameHeightTwips)
{
    logoOffset -= 15;
    if (!(2 * frameHeightTwips > std::abs(logoOffset)))
        logoOffset = 0;
    return logoOffset;
}

Form1::Form1(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(kCaption);
    buildControls();
    Form_Load();
}

void Form1::buildControls()
{
    setFixedSize(ui::px(kWindowWidth), ui::px(kWindowHeight));
    ui::setBackColor(this, QColor(255, 246, 216));

    dest = new QFrame(this);
    ui::nameControl(dest, QStringLiteral("dest"));
    ui::setGeometryTwips(dest, kMargin, kMargin, kInnerWidth, kFrameHeight);
    ui::setBackColor(dest, QColor(255, 246, 216));

    Picture1 = new QLabel(dest);
    ui::nameControl(Picture1, QStringLiteral("Picture1"), QStringLiteral("BRENLOQ"));
    const QPixmap logo = QPixmap::fromImage(ui::readBuiltInPicture(QStringLiteral(":/player/logo.png")));
    Picture1->setPixmap(logo);
    Picture1->setGeometry(0, 0, logo.isNull() ? dest->width() : logo.width(),
                          logo.isNull() ? dest->height() : logo.height());

    Label1 = new QLabel(QStringLiteral("Nombre"), this);
    ui::nameControl(Label1, QStringLiteral("Label1"), Label1->text());
    ui::setGeometryTwips(Label1, kMargin, 3780, 1320, 375);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui::setBold(Label1, true);

    Text1 = new QLineEdit(this);
    ui::nameControl(Text1, QStringLiteral("Text1"), Label1->text());
    ui::setGeometryTwips(Text1, kMargin + 1440, 3780, kInnerWidth - 1440, 375);
    Label1->setBuddy(Text1);

    Command1 = new QPushButton(QStringLiteral("INICI "), this);
    ui::nameControl(Command1, QStringLiteral("Command1"), Command1->text());
    ui::setGeometryTwips(Command1, kMargin, 4380, kInnerWidth, 660);
    ui::setBold(Command1, true);
    Command1->setDefault(true);

    Command2 = new QPushButton(QStringLiteral("Command2"), this);
    ui::nameControl(Command2, QStringLiteral("Command2"), Command2->text());
    ui::setGeometryTwips(Command2, kMargin, 5160, kInnerWidth, 660);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(20);

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    // Enter after the name starts, as the start button does.
    connect(Text1, &QLineEdit::returnPressed, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start();
    Text1->setFocus();
    ui::showPlainTexts(this);
}

void Form1::Form_Load()
{
    ui::centreOnScreen(this);

    const StartTexts texts = readStartTexts(state().programFolder);
    ui::setCaption(Command1, texts.command1);
    ui::setCaption(Label1, texts.label1);
    ui::setCaption(Command2, texts.command2);
    Text1->setAccessibleName(texts.label1);

    RegisterComponents(state().programFolder, ui::platform());
}

void Form1::Command1_Click()
{
    // Not a child of this window: the selection window stays loaded after the
    // test window has closed this one.
    if (!selection) {
        selection = new Form2;
        // The pupil may close this window before starting the test: the
        // selection window then keeps the name last typed here.
        auto typedName = std::make_shared<QString>(pupilNameText());
        connect(Text1, &QLineEdit::textChanged, selection, [typedName](const QString &text) { *typedName = text; });
        QPointer<Form1> startWindow(this);
        Form2 *form = selection;
        connect(selection, &Form2::testWindowRequested, selection, [form, startWindow, typedName] {
            startTest(form, *typedName, startWindow.data());
        });
    }
    ui::showWithFocus(selection, selection->firstCourse());
}

void Form1::Command2_Click()
{
    // The folder may not exist yet; the file manager says so itself. A file
    // or a link standing in its place is never opened.
    const QString folder = bank::findEntry(state().programFolder, QString::fromLatin1(bank::kReportsFolder));
    const QFileInfo standing(folder);
    if ((standing.exists() || standing.isSymLink()) && usableReportsFolder(state().programFolder).isEmpty())
        return;
    ui::platform().openFolder(folder);
}

void Form1::Timer1_Timer()
{
    offset = nextLogoOffset(offset, ui::heightTwips(dest));
    Picture1->move(0, ui::px(offset));
}

} // namespace player
