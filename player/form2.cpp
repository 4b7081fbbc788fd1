// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form2.h"

#include "playerstate.h"
#include "selection.h"

#include "bank/folders.h"
#include "bank/languagefile.h"
#include "ui/focuschain.h"
#include "ui/platform.h"
#include "ui/programstyle.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpressionValidator>
#include <QCoreApplication>

namespace player {

namespace {

const QColor kCourseRed(255, 0, 0);
const QColor kCourseBlue(0, 0, 255);

QIcon arrowIcon(bool up)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 110, 40));
    painter.setPen(Qt::NoPen);
    QPolygonF triangle;
    if (up)
        triangle << QPointF(12, 3) << QPointF(22, 20) << QPointF(2, 20);
    else
        triangle << QPointF(2, 4) << QPointF(22, 4) << QPointF(12, 21);
    painter.drawPolygon(triangle);
    return QIcon(pixmap);
}

QIcon clockIcon()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(12, 12), 10, 10);
    painter.drawLine(QPointF(12, 12), QPointF(12, 5));
    painter.drawLine(QPointF(12, 12), QPointF(17, 14));
    return QIcon(pixmap);
}

void setCourseColour(QLabel *label, bool chosen)
{
    ui::setForeColor(label, chosen ? kCourseBlue : kCourseRed);
}

void setSubjectChosen(QCheckBox *box, bool chosen)
{
    ui::setBold(box, chosen);
    ui::setForeColor(box, chosen ? ui::kBlue : ui::kBlack);
}

} // namespace

Form2::Form2(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("BRENLOQ 3.0 - brenloq@escoles.cat"));
    buildControls();
    ui::centreOnScreen(this);
    ListCourses();
    questionsPerSubject = 15;
    ApplySelectionTexts();
}

void Form2::buildControls()
{
    resize(ui::px(10800), ui::px(7200));
    setAutoFillBackground(true);
    ui::setBackColor(this, QColor(255, 250, 235));

    auto heading = [this](int index, double left, double top, double width, double height) {
        auto *label = new QLabel(this);
        ui::setGeometryTwips(label, left, top, width, height);
        ui::nameControl(label, ui::memberName(QStringLiteral("Label2"), index));
        Label2[index] = label;
        return label;
    };
    QFont headingFont = font();
    headingFont.setPointSize(12);
    headingFont.setBold(true);

    heading(SelectionHeading::Courses, 240, 240, 2600, 360)->setFont(headingFont);
    heading(SelectionHeading::Subjects, 3120, 240, 3400, 360)->setFont(headingFont);
    heading(SelectionHeading::Options, 6600, 240, 2600, 360)->setFont(headingFont);
    QLabel *big = heading(SelectionHeading::Title, 3120, 720, 7400, 1800);
    QFont bigFont = font();
    bigFont.setPointSize(26);
    bigFont.setBold(true);
    big->setFont(bigFont);
    ui::setForeColor(big, QColor(0, 90, 160));
    big->setAlignment(Qt::AlignCenter);
    QLabel *instructions = heading(SelectionHeading::Instructions, 3120, 2640, 7400, 2400);
    instructions->setWordWrap(true);
    instructions->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    // The column headings show once a course is chosen, instead of the title.
    Label2[SelectionHeading::Subjects]->hide();
    Label2[SelectionHeading::Options]->hide();

    // Long course and subject lists scroll instead of leaving the window.
    courseArea = new QScrollArea(this);
    ui::setGeometryTwips(courseArea, 240, 720, 2700, 6240);
    courseArea->setFrameShape(QFrame::NoFrame);
    // Tab goes to the courses in it, and the area follows them.
    courseArea->setFocusPolicy(Qt::NoFocus);
    courseList = new QWidget;
    // Room round the courses for their focus ring, the area that much further
    // out: the names stay where they were.
    courseArea->setGeometry(courseArea->geometry().adjusted(-ui::kFocusRingRoom, -ui::kFocusRingRoom, 0, 0));
    courseList->resize(ui::px(2600) + 2 * ui::kFocusRingRoom, ui::px(600));
    courseArea->setWidget(courseList);
    courseArea->viewport()->setAutoFillBackground(false);
    courseList->setAutoFillBackground(false);

    rowArea = new QScrollArea(this);
    ui::setGeometryTwips(rowArea, 3120, 720, 7440, 4560);
    rowArea->setFrameShape(QFrame::NoFrame);
    rowArea->setFocusPolicy(Qt::NoFocus);
    rowList = new QWidget;
    rowList->resize(ui::px(7200), ui::px(600));
    rowArea->setWidget(rowList);
    rowArea->viewport()->setAutoFillBackground(false);
    rowList->setAutoFillBackground(false);

    QFont courseFont = font();
    courseFont.setPointSize(11);
    courseFont.setBold(true);
    auto *course0 = new ui::ClickLabel(courseList);
    ui::setGeometryTwips(course0, 0, 0, 2600, 330);
    course0->move(ui::kFocusRingRoom, ui::kFocusRingRoom);
    course0->setFont(courseFont);
    course0->setCursor(Qt::PointingHandCursor);
    setCourseColour(course0, false);
    course0->hide();
    Label1.reset(QStringLiteral("Label1"), course0, [this](ui::ClickLabel *label, int index) {
        connect(label, &ui::ClickLabel::clicked, this, [this, index] { Label1_Click(index); });
        label->setKeyboardOperable(QAccessible::RadioButton);
    });

    auto *check0 = new QCheckBox(rowList);
    ui::setGeometryTwips(check0, 0, 0, 3400, 330);
    check0->hide();
    Check1.reset(QStringLiteral("Check1"), check0, [this](QCheckBox *box, int index) {
        connect(box, &QCheckBox::clicked, this, [this, index] { Check1_Click(index); });
    });

    auto *combo0 = new QComboBox(rowList);
    ui::setGeometryTwips(combo0, 3480, 0, 2700, 330);
    combo0->setEditable(false); // a typed option would be used as a path
    combo0->hide();
    Combo1.reset(QStringLiteral("Combo1"), combo0, [this](QComboBox *box, int index) {
        connect(box, &QComboBox::activated, this, [this, index] { Combo1_Click(index); });
    });

    auto *count0 = new QLabel(rowList);
    ui::setGeometryTwips(count0, 6300, 0, 800, 330);
    count0->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    count0->hide();
    Label4.reset(QStringLiteral("Label4"), count0);

    Label3 = new QLabel(this);
    ui::setGeometryTwips(Label3, 3120, 5400, 5000, 330);
    ui::nameControl(Label3, QStringLiteral("Label3"));

    QPushButton *more = Command3[QuestionStep::More] = new QPushButton(this);
    ui::setGeometryTwips(more, 3120, 5790, 540, 540);
    more->setIcon(arrowIcon(true));
    ui::nameControl(more, QStringLiteral("Command3(0)"), QCoreApplication::translate("player", "Més preguntes"));
    Command2 = new QPushButton(QStringLiteral("15"), this);
    ui::setGeometryTwips(Command2, 3720, 5790, 900, 540);
    QFont counterFont = font();
    counterFont.setPointSize(12);
    counterFont.setBold(true);
    Command2->setFont(counterFont);
    ui::nameControl(Command2, QStringLiteral("Command2"), QStringLiteral("15"));
    QPushButton *fewer = Command3[QuestionStep::Fewer] = new QPushButton(this);
    ui::setGeometryTwips(fewer, 4680, 5790, 540, 540);
    fewer->setIcon(arrowIcon(false));
    ui::nameControl(fewer, QStringLiteral("Command3(1)"), QCoreApplication::translate("player", "Menys preguntes"));
    for (int i = 0; i < 2; ++i)
        connect(Command3[i], &QPushButton::clicked, this, [this, i] { Command3_Click(i); });

    Command4 = new QPushButton(this);
    ui::setGeometryTwips(Command4, 5520, 5790, 540, 540);
    Command4->setIcon(clockIcon());
    ui::nameControl(Command4, QStringLiteral("Command4"), QStringLiteral("Temps límit"));
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);

    Text1 = new QLineEdit(this);
    ui::setGeometryTwips(Text1, 6120, 5850, 900, 420);
    Text1->setFont(counterFont);
    ui::nameControl(Text1, QStringLiteral("Text1"), QStringLiteral("Temps límit (minuts)"));
    Text1->installEventFilter(this);
    // A paste or a drop goes past the key filter: the validator sees them all.
    Text1->setValidator(new QRegularExpressionValidator(timeLimitPattern(), Text1));
    Text1->hide();

    Command1 = new QPushButton(this);
    ui::setGeometryTwips(Command1, 7440, 5640, 3120, 780);
    QFont startFont = font();
    startFont.setPointSize(12);
    startFont.setBold(true);
    Command1->setFont(startFont);
    ui::nameControl(Command1, QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    // Enter in the time box starts, as in the name box of the start window.
    connect(Text1, &QLineEdit::returnPressed, this, &Form2::Command1_Click);

    Label5 = new QLabel(this);
    ui::setGeometryTwips(Label5, 3120, 6480, 7440, 600);
    Label5->setWordWrap(true);
    ui::setForeColor(Label5, ui::kRed);
    ui::nameControl(Label5, QStringLiteral("Label5"));
    Label5->hide();
    ui::showPlainTexts(this);
}

void Form2::ListCourses()
{
    dir1 = bank::findEntry(state().programFolder, QString::fromLatin1(bank::kQuestionsFolder));
    const QStringList names = bank::subfolders(dir1);
    int i = 0;
    while (i < names.size()) {
        Label1(i)->setText(names[i]);
        Label1(i)->setAccessibleName(names[i]);
        Label1(i)->show();
        ++i;
        Label1.load(i);
        courses = i;
        Label1(i)->move(Label1(i - 1)->x(),
                        ui::px(ui::topTwips(Label1(i - 1)) + ui::heightTwips(Label1(i - 1)) + 100));
    }
    courseList->resize(courseList->width(), Label1(Label1.last())->geometry().bottom() + 4);
    Text1->setText(QStringLiteral("20"));
    orderFocus();
}

QWidget *Form2::firstCourse() const
{
    return courses > 0 ? Label1(0) : static_cast<QWidget *>(Command1);
}

void Form2::orderFocus()
{
    // Rows made for a course come after everything else unless put in
    // place: the courses, each subject's box and its options, then the
    // controls under them from left to right.
    QList<QWidget *> order;
    for (int i = 0; i < Label1.count(); ++i)
        order.append(Label1(i));
    for (int k = 0; k < Check1.count(); ++k)
        order << Check1(k) << Combo1(k);
    order << Command3[QuestionStep::More] << Command2 << Command3[QuestionStep::Fewer] << Command4 << Text1 << Command1;
    ui::chainFocus(order);
}

void Form2::ApplySelectionTexts()
{
    bank::LineReader file = bank::openLanguageFile(state().programFolder, QStringLiteral("seleccion.txt"));
    bank::LineBuffer line;
    // The headings in SelectionHeading order, then the counter's caption.
    QLabel *labels[] = {Label2[SelectionHeading::Courses], Label2[SelectionHeading::Subjects],
                        Label2[SelectionHeading::Title], Label2[SelectionHeading::Options],
                        Label2[SelectionHeading::Instructions], Label3};
    for (QLabel *label : labels) {
        file.readLine(line);
        label->setText(line.text);
        label->setAccessibleName(line.text);
    }
    file.readLine(line);
    ui::setCaption(Command1, line.text);
    file.readLine(warning);

    // A box is named by the caption of the heading over its column.
    for (int k = 0; k < Combo1.count(); ++k)
        Combo1(k)->setAccessibleName(Label2[SelectionHeading::Options]->text());
    ui::setPlainToolTip(Command2, Label3->text());
}

void Form2::Label1_Click(int index)
{
    if (index < 0 || index >= courses)
        return;
    for (int b = 0; b < courses; ++b)
        setCourseColour(Label1(b), b == index);
    courseIndex = index;
    Label2[SelectionHeading::Instructions]->hide();
    Label2[SelectionHeading::Title]->hide();

    if (Check1.count() > 1) {
        Check1.unloadAllButFirst();
        Combo1.unloadAllButFirst();
        Label4.unloadAllButFirst();
    }
    setSubjectChosen(Check1(0), false);
    Check1(0)->setChecked(false);
    Combo1(0)->clear();
    Label2[SelectionHeading::Subjects]->show();
    Label2[SelectionHeading::Options]->show();

    dir1 = bank::findEntry(bank::findEntry(state().programFolder, QString::fromLatin1(bank::kQuestionsFolder)),
                           Label1(index)->text());
    Combo1(0)->move(Combo1(0)->x(), Check1(0)->y());
    Label4(0)->move(Label4(0)->x(), Check1(0)->y());

    const QList<SubjectRow> rows = subjectRows(dir1);
    if (rows.isEmpty()) {
        // A course without subjects leaves no rows of the course before.
        Check1(0)->hide();
        Combo1(0)->hide();
        Label4(0)->hide();
    }
    int k = 0;
    for (const SubjectRow &row : rows) {
        ui::setCaption(Check1(k), row.name);
        Check1(k)->show();
        Combo1(k)->addItems(row.options);
        Combo1(k)->setCurrentIndex(row.options.isEmpty() ? -1 : 0);
        Combo1(k)->setAccessibleName(Label2[SelectionHeading::Options]->text());
        Combo1(k)->setVisible(true);
        Combo1(k)->setEnabled(!row.options.isEmpty());
        Label4(k)->setText(QString::number(row.fileCount));
        Label4(k)->show();
        ++k;
        Check1.load(k);
        Combo1.load(k);
        Label4.load(k);
        Combo1(k)->setEnabled(true);
        const int top = ui::px(ui::topTwips(Check1(k - 1)) + ui::heightTwips(Check1(k - 1)) + 25);
        Check1(k)->move(Check1(k)->x(), top);
        Combo1(k)->move(Combo1(k)->x(), top);
        Label4(k)->move(Label4(k)->x(), top);
    }
    subjectCount = k;
    fitRows();
    orderFocus();
    showLeftOut();
}

void Form2::showLeftOut()
{
    const QString text = leftOutText(selection().leftOutSubjects());
    Label5->setText(text);
    Label5->setAccessibleName(text);
    Label5->setVisible(!text.isEmpty());
}

void Form2::fitRows()
{
    const int bottom = Check1(Check1.last())->geometry().bottom();
    rowList->resize(rowList->width(), bottom + 4);
}

void Form2::Check1_Click(int index)
{
    QCheckBox *box = Check1(index);
    setSubjectChosen(box, !ui::isBold(box));
    showLeftOut();
}

void Form2::Combo1_Click(int index)
{
    const QString folder = questionFolder(dir1, ui::caption(Check1(index)), Combo1(index)->currentText());
    Label4(index)->setText(QString::number(bank::fileCount(folder)));
    showLeftOut();
}

void Form2::Command3_Click(int index)
{
    int &questions = questionsPerSubject;
    questions = stepQuestionsPerSubject(questions, index);
    Command2->setText(QString::number(questions));
    Command2->setAccessibleName(Command2->text());
}

void Form2::Command4_Click()
{
    Text1->setVisible(!Text1->isVisible());
}

void Form2::Command1_Click()
{
    int selected = 0;
    for (int i = 0; i < Check1.count(); ++i) {
        if (ui::isBold(Check1(i)))
            ++selected;
    }
    selectedSubjectCount = selected;
    if (selected > 0 && questionsPerSubject > 1) {
        Q_EMIT testWindowRequested();
        return;
    }
    ui::message(this, warning);
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        // Shortcuts (Ctrl+V among them) pass: what they bring meets the
        // validator.
        if (key->key() == Qt::Key_Backspace || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        if (!text.isEmpty() && text[0].isPrint() && !acceptsTimeLimitKey(text[0]))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

Selection Form2::selection() const
{
    Selection chosen;
    chosen.coursePath = dir1;
    for (int i = 0; i < subjectCount && i < Check1.count(); ++i) {
        SubjectChoice choice;
        choice.name = ui::caption(Check1(i));
        choice.chosen = ui::isBold(Check1(i));
        choice.option = Combo1(i)->currentText();
        choice.available = Label4(i)->text();
        chosen.subjects.append(choice);
    }
    chosen.questionsPerSubject = questionsPerSubject;
    chosen.timeLimitMinutes = timeLimitMinutes(!Text1->isHidden(), Text1->text());
    return chosen;
}

} // namespace player
