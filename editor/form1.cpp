// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "form1parts.h"
#include "form2.h"
#include "panelfiles.h"

#include "bank/folders.h"
#include "bank/question.h"
#include "bank/readfile.h"
#include "ui/picturefile.h"
#include "ui/platform.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QPixmap>
#include <QSignalBlocker>

namespace editor {

namespace {

const QString kContact = QStringLiteral("brenloq@escoles.cat");

// Type colours, #RRGGBB as the teachers know them, here 0xBBGGRR.
const QColor kTypeColors[kTypeCount] = {
    ui::bgr(0xC0C0FF), // #FFC0C0 multiple choice
    ui::bgr(0xC0E0FF), // #FFE0C0 written answer
    ui::bgr(0xC0FFFF), // #FFFFC0 picture answer
    ui::bgr(0xC0FFC0), // #C0FFC0 graphic point
    ui::bgr(0xFFFFC0), // #C0FFFF reading word
    ui::bgr(0x80C0FF), // #FFC080 true or false
};

QString typeCaption(int type)
{
    static const char *const captions[kTypeCount] = {
        QT_TRANSLATE_NOOP("editor", "Pregunta tipo test"),
        QT_TRANSLATE_NOOP("editor", "Pregunta con una respuesta escrita"),
        QT_TRANSLATE_NOOP("editor", "Pregunta referida a una imagen con respuesta"),
        QT_TRANSLATE_NOOP("editor", "Pregunta cuya respuesta es marcar en un gráfico"),
        QT_TRANSLATE_NOOP("editor", "Pregunta de comprensión lectora"),
        QT_TRANSLATE_NOOP("editor", "Pregunta de verdadero o falso"),
    };
    return QCoreApplication::translate("editor", captions[type]);
}

// Where a picker opens: the folder of the program folder in which the player
// looks for what is picked, or the program folder when it has none.
QString pickerFolder(const char *name)
{
    const QString program = ui::platform().programFolder();
    const QString folder = bank::findEntry(program, QString::fromLatin1(name));
    return QFileInfo(folder).isDir() ? folder : program;
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    buildWindow();
    Form_Load();
}

Form1::~Form1()
{
    // The pickers are windows of their own, so that bringing the editor
    // forward can put it above them.
    delete form3;
    delete form4;
}

void Form1::buildWindow()
{
    setWindowTitle(QCoreApplication::translate("editor", "Editor de preguntas 2.0 - ") + kContact);
    ui::nameControl(this, QStringLiteral("Form1"), windowTitle());
    resize(980, 700);

    auto *frame = new QGroupBox(this);
    place(frame, 8, 8, 640, 684);
    Frame1.reset(QStringLiteral("Frame1"), frame);
    for (int k = 1; k < kTypeCount; ++k)
        Frame1.load(k);

    Label4 = makeLabel(QStringLiteral("Label4"), QCoreApplication::translate("editor", "Autor de la pregunta"), this);
    place(Label4, 660, 8, 312, 20);
    Text2 = makeBox<LineBox>(QStringLiteral("Text2"), Label4->text(), this);
    place(Text2, 660, 28, 312, 26);

    auto *typeButton = makeButton(QStringLiteral("Command1"), QStringLiteral("1"), this);
    QFont typeFont = typeButton->font();
    typeFont.setPointSize(14);
    typeFont.setBold(true);
    typeButton->setFont(typeFont);
    place(typeButton, 660, 64, 48, 40);
    Command1.reset(QStringLiteral("Command1"), typeButton, [this](QPushButton *button, int index) {
        connect(button, &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
    });
    for (int i = 0; i < kTypeCount; ++i) {
        QPushButton *button = i == 0 ? Command1(0) : Command1.load(i);
        button->setText(QString::number(i + 1));
        button->setAccessibleName(button->text());
        ui::setPlainToolTip(button, typeCaption(i));
        button->move(660 + i * 53, 64);
        ui::setBackColor(button, kTypeColors[i]);
        button->show();
    }

    Command2 = makeButton(QStringLiteral("Command2"), QCoreApplication::translate("editor", "Comprobar"), this);
    place(Command2, 660, 114, 152, 36);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    Command3 = makeButton(QStringLiteral("Command3"), QCoreApplication::translate("editor", "Guardar pregunta"), this);
    place(Command3, 820, 114, 152, 36);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);

    Dir1 = makeBox<QTreeView>(QStringLiteral("Dir1"), QCoreApplication::translate("editor", "Carpetas"), this);
    place(Dir1, 660, 160, 312, 250);
    File1 = makeBox<FileList>(QStringLiteral("File1"), QCoreApplication::translate("editor", "Preguntas"), this);
    place(File1, 660, 418, 312, 274);

    // The panels' controls are built when a panel is first shown.
    for (int k = 0; k < kTypeCount; ++k) {
        QFont caption = Frame1(k)->font();
        caption.setPointSize(12);
        caption.setBold(true);
        Frame1(k)->setFont(caption);
    }
    ui::showPlainTexts(this);
}

void Form1::Form_Load()
{
    for (int k = 0; k < kTypeCount; ++k) {
        Frame1(k)->setTitle(typeCaption(k));
        Frame1(k)->setAccessibleName(typeCaption(k));
        Frame1(k)->setGeometry(Frame1(0)->geometry());
    }

    const QString program = ui::platform().programFolder();
    programFolder = program;
    const QString bankFolder = bank::findEntry(program, QString::fromLatin1(bank::kQuestionsFolder));
    picturesFolder = bank::findEntry(program, QString::fromLatin1(bank::kPicturesFolder));
    textsFolder = bank::findEntry(program, QStringLiteral("Textos"));

    folderTree = new BankFolderModel(bankFolder, this);
    Dir1->setModel(folderTree);
    Dir1->setHeaderHidden(true);
    Dir1->setSortingEnabled(true);
    Dir1->sortByColumn(0, Qt::AscendingOrder);
    Dir1->setRootIndex(folderTree->rootIndex());
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Form1::Dir1_Change);
    buildFolderMenu();

    File1->setPath(bankFolder);
    connect(File1, &FileList::entryClicked, this, &Form1::File1_Click);

    const QModelIndex top = folderTree->indexOf(bankFolder);
    if (top.isValid()) {
        Dir1->setCurrentIndex(top);
        Dir1->expand(top);
    }

    QuestionType = bank::QuestionType::MultipleChoice;
    questionChecked = false;
    ShowTypeFrame();
    ui::centreOnScreen(this);
}

EditorFields Form1::fields() const
{
    EditorFields f;
    f.author = Text2->text();
    // Multiple choice, the panel shown at start, is always built.
    f.choiceStatement = Text1(0)->text();
    for (int i = 1; i <= kOptionCount; ++i) {
        f.options[i - 1] = Text1(i)->text();
        if (f.markedOption == 0 && ui::foreColor(Label1(i)) == ui::kBlue)
            f.markedOption = i;
    }
    f.attachmentCaption = Command7->text();
    f.loadedAttachment = loadedAttachment;
    if (panelBuilt[1]) {
        f.writtenStatement = Text3->text();
        f.writtenAnswer = Text4->text();
    }
    // The picture, graphic and reading panels are built together.
    if (panelBuilt[2]) {
        f.pictureFile = File3->fileName();
        f.pictureStatement = Text5->text();
        f.pictureAnswer = Text6->text();
        f.graphicFile = File2->fileName();
        f.graphicStatement = Text7->text();
        f.xCaption = Label8(1)->text();
        f.yCaption = Label9(1)->text();
        f.readingFile = File4->fileName();
        f.readingStatement = Text9->text();
        f.wordCaption = Label11->text();
    }
    if (panelBuilt[5]) {
        f.trueFalseStatement = Text10->text();
        f.trueFalseCaption = Label10->text();
    }
    return f;
}

void Form1::setFields(const EditorFields &f)
{
    for (int k = 0; k < kTypeCount; ++k)
        buildPanel(k);
    auto select = [](FileList *list, const QString &name) {
        const auto found = list->findItems(name, Qt::MatchExactly);
        if (!name.isEmpty() && !found.isEmpty())
            list->setCurrentItem(found.first());
        else
            list->setCurrentRow(-1);
    };
    Text2->setText(f.author);
    Text1(0)->setText(f.choiceStatement);
    for (int i = 1; i <= kOptionCount; ++i)
        Text1(i)->setText(f.options[i - 1]);
    showMark(f.markedOption);
    Command7->setText(f.attachmentCaption);
    loadedAttachment = f.loadedAttachment;
    Text3->setText(f.writtenStatement);
    Text4->setText(f.writtenAnswer);
    select(File3, f.pictureFile);
    Text5->setText(f.pictureStatement);
    Text6->setText(f.pictureAnswer);
    select(File2, f.graphicFile);
    Text7->setText(f.graphicStatement);
    Label8(1)->setText(f.xCaption);
    Label9(1)->setText(f.yCaption);
    select(File4, f.readingFile);
    Text9->setText(f.readingStatement);
    Label11->setText(f.wordCaption);
    Text10->setText(f.trueFalseStatement);
    Label10->setText(f.trueFalseCaption);
}

// Marks option `option` (1 to 8) as the correct one, or none for any other.
void Form1::showMark(int option)
{
    if (option >= 1 && option <= kOptionCount) {
        Label1_Click(option);
        return;
    }
    for (int i = 1; i <= kOptionCount; ++i) {
        ui::setForeColor(Label1(i), ui::kRed);
        ui::setBackColor(Text1(i), ui::kWhite);
    }
}

bool Form1::checkHolds() const
{
    return questionChecked && stillAsChecked(checked, QuestionType, fields());
}

void Form1::ShowTypeFrame()
{
    const int shown = bank::typeCode(QuestionType) - 1;
    buildPanel(shown);
    for (int k = 0; k < kTypeCount; ++k)
        Frame1(k)->setVisible(k == shown);
    if (shown < 0 || shown >= kTypeCount)
        return;
    setPanelColor(Frame1(shown), ui::backColor(Command1(shown)));
    setPanelColor(this, ui::backColor(Command1(shown)));
}

void Form1::Command1_Click(int index)
{
    QuestionType = index >= 0 && index < kTypeCount ? bank::kQuestionTypes[index] : bank::QuestionType::None;
    ShowTypeFrame();
    setPanelColor(this, panelColor(Frame1(index)));
}

void Form1::Command2_Click()
{
    const EditorFields current = fields();
    const CheckOutcome outcome = checkQuestion(QuestionType, current);
    for (const QString &text : outcome.messages)
        ui::message(this, text);
    if (!outcome.passed)
        return;
    questionChecked = true;
    if (outcome.normalise) {
        const ChoiceOptions choice =
            closeOptionGaps(normaliseOptions(current.options, current.markedOption), current.markedOption);
        for (int i = 1; i <= kOptionCount; ++i) {
            if (Text1(i)->text() != choice.options[i - 1])
                Text1(i)->setText(choice.options[i - 1]);
        }
        if (choice.markedOption != current.markedOption)
            Label1_Click(choice.markedOption);
    }
    checked = {QuestionType, fields()};
    if (outcome.openCheckWindow)
        openCheckWindow();
}

void Form1::openCheckWindow()
{
    // A window left open from an earlier check would show the question as it
    // was then.
    if (form2)
        form2->close();
    PreviewQuestion preview;
    preview.type = QuestionType;
    preview.statement = Text1(0)->text();
    for (int i = 1; i <= kOptionCount; ++i)
        preview.options[i - 1] = Text1(i)->text();
    preview.panelColor = panelColor(Frame1(bank::typeCode(QuestionType) - 1));
    form2 = new Form2(preview, this);
    form2->setAttribute(Qt::WA_DeleteOnClose);
    form2->show();
}

void Form1::Command3_Click()
{
    // An edit since the check voids it.
    if (!checkHolds())
        questionChecked = false;
    const SaveOutcome outcome = saveQuestion(targetFolder(), QuestionType, questionChecked, fields());
    if (outcome.resetAttachment)
        Command7->setText(kAttachmentButtonCaption());
    if (outcome.clearChecked)
        questionChecked = false;
    if (!outcome.message.isEmpty())
        ui::message(this, outcome.message);
    File1->refresh();
}

void Form1::Command4_Click(int)
{
    File1->refresh();
    File2->refresh();
    File3->refresh();
    File4->refresh();
}

void Form1::Command6_Click(int index)
{
    Label10->setText(Command6(index)->text());
    ui::setForeColor(Label10, ui::backColor(Command6(index)));
}

void Form1::Command8_Click()
{
    for (int i = 0; i <= kOptionCount; ++i) {
        Text1(i)->setText(QString());
        if (i >= 1)
            ui::setBackColor(Text1(i), ui::kWhite);
    }
    Command7->setText(kAttachmentButtonCaption());
    loadedAttachment.clear();
}

void Form1::Label1_Click(int index)
{
    for (int k = 1; k <= kOptionCount; ++k) {
        if (k != index && ui::foreColor(Label1(k)) == ui::kBlue) {
            ui::setForeColor(Label1(k), ui::kRed);
            ui::setBackColor(Text1(k), ui::kWhite);
        }
    }
    ui::setForeColor(Label1(index), ui::kBlue);
    ui::setBackColor(Text1(index), ui::kGreen);
}

void Form1::Text1_KeyDown(int)
{
    refuseEnter();
}

void Form1::refuseEnter()
{
    ui::message(this, kNoEnter());
}

void Form1::Dir1_Change()
{
    const QString folder = folderTree->folderOf(Dir1->currentIndex());
    if (!folder.isEmpty())
        File1->setPath(folder);
}

void Form1::Command5_Click(int index)
{
    optionPickSlot = index;
    if (!form3) {
        form3 = new Form3(pickerFolder(bank::kTextsFolder));
        form3->setAttribute(Qt::WA_DeleteOnClose);
        connect(form3, &Form3::optionChosen, this, [this](const QString &text) {
            Text1(optionPickSlot + 1)->setText(text);
            raise();
            activateWindow();
        });
    }
    form3->show();
    form3->raise();
    form3->activateWindow();
}

void Form1::Command7_Click()
{
    if (!form4) {
        form4 = new Form4(pickerFolder(bank::kPicturesFolder));
        form4->setAttribute(Qt::WA_DeleteOnClose);
        connect(form4, &Form4::attachmentChosen, this,
                [this](const QString &name) {
                    // The chosen attachment replaces the loaded one, which
                    // loading made the last option.
                    for (int i = kOptionCount; i >= 1; --i) {
                        if (Text1(i)->text().isEmpty())
                            continue;
                        if (!loadedAttachment.isEmpty() && Text1(i)->text() == loadedAttachment)
                            Text1(i)->setText(QString());
                        break;
                    }
                    loadedAttachment.clear();
                    Command7->setText(name);
                });
    }
    form4->show();
    form4->raise();
    form4->activateWindow();
}

void Form1::File1_Click()
{
    const QString name = File1->fileName();
    if (name.isEmpty())
        return;
    const QString path = File1->path() + u'/' + name;
    if (refuseOutside(path, name))
        return;
    const bank::QuestionRead read = bank::readQuestion(path);
    const QString refusal = fileRefusal(ClickedFile::Question, name, bank::FileContent{{}, read.file});
    if (!refusal.isEmpty()) {
        ui::message(this, refusal);
        return;
    }
    const LoadedQuestion loaded = loadQuestion(read, fields());
    if (!loaded.isQuestion)
        return;
    QuestionType = loaded.type;
    ShowTypeFrame();
    showLoaded(loaded);
}

void Form1::showLoaded(const LoadedQuestion &loaded)
{
    const EditorFields &f = loaded.fields;
    Text2->setText(f.author);
    switch (loaded.type) {
    case bank::QuestionType::None:
        break;
    case bank::QuestionType::MultipleChoice:
        // Texts only: the option labels and fields keep their colours.
        Text1(0)->setText(f.choiceStatement);
        for (int i = 1; i <= kOptionCount; ++i)
            Text1(i)->setText(f.options[i - 1]);
        loadedAttachment = f.loadedAttachment;
        showMark(f.markedOption);
        break;
    case bank::QuestionType::WrittenAnswer:
        Text3->setText(f.writtenStatement);
        Text4->setText(f.writtenAnswer);
        break;
    case bank::QuestionType::PictureAnswer:
        showChosenFile(File3, f.pictureFile);
        Text5->setText(f.pictureStatement);
        Text6->setText(f.pictureAnswer);
        break;
    case bank::QuestionType::GraphicPoint:
        showChosenFile(File2, f.graphicFile);
        Text7->setText(f.graphicStatement);
        Label8(1)->setText(f.xCaption);
        Label9(1)->setText(f.yCaption);
        if (loaded.mark)
            Picture2->floodFill(loaded.mark->x(), loaded.mark->y());
        break;
    case bank::QuestionType::ReadingWord:
        showChosenFile(File4, f.readingFile);
        Text9->setText(f.readingStatement);
        Label11->setText(f.wordCaption);
        break;
    case bank::QuestionType::TrueFalse:
        Text10->setText(f.trueFalseStatement);
        Label10->setText(f.trueFalseCaption);
        ui::setForeColor(Label10, ui::kBlack);
        for (int i = 0; i < 2; ++i) {
            if (Command6(i)->text() == f.trueFalseCaption)
                ui::setForeColor(Label10, ui::backColor(Command6(i)));
        }
        break;
    }
}

// Selects the named file in its list and shows it as a click there would.
// What is shown is always what is selected, and so what a save writes: a
// name that is not listed leaves no selection and nothing shown.
void Form1::showChosenFile(FileList *list, const QString &name)
{
    if (!list->selectName(name) && !name.isEmpty()) {
        // Copied into the folder since the list was read.
        list->refresh();
        list->selectName(name);
    }
    if (list == File2)
        File2_Click();
    else if (list == File3)
        File3_Click();
    else if (list == File4)
        File4_Click();
}

void Form1::File2_Click()
{
    const QString name = File2->fileName();
    // A point marked on another graphic names nothing on this one.
    if (name != shownGraphic) {
        Label8(1)->setText(QStringLiteral("0"));
        Label9(1)->setText(QStringLiteral("0"));
    }
    shownGraphic = name;
    const QString path = File2->path() + u'/' + name;
    const ui::Picture read = name.isEmpty() || refuseOutside(path, name)
        ? ui::Picture{{}, ui::PictureProblem::Missing}
        : ui::readPicture(path);
    // A graphic that cannot be shown leaves the viewport empty, and is not
    // the question's graphic.
    graphic->setPicture(read.problem == ui::PictureProblem::None ? read.image : QImage());
    if (read.problem != ui::PictureProblem::None) {
        File2->clearChoice();
        shownGraphic.clear();
    }
    if (const QString refusal = pictureRefusal(name, read); !refusal.isEmpty())
        ui::message(this, refusal);
}

void Form1::File3_Click()
{
    Image1->hide();
    Image1->setScaledContents(false);
    const QString name = File3->fileName();
    if (name.isEmpty())
        return;
    const QString path = File3->path() + u'/' + name;
    const ui::Picture read =
        refuseOutside(path, name) ? ui::Picture{{}, ui::PictureProblem::Missing} : ui::readPicture(path);
    if (read.problem != ui::PictureProblem::None) {
        // What cannot be shown is not the question's picture.
        File3->clearChoice();
        if (const QString refusal = pictureRefusal(name, read); !refusal.isEmpty())
            ui::message(this, refusal);
        return;
    }
    const QImage &picture = read.image;
    const int top = Image1->mapTo(Frame1(2), QPoint(0, 0)).y();
    const QSize size = scaledToHeight(picture.size(), Label6(1)->y() - top);
    if (size.isEmpty())
        return;
    // The label draws the picture stretched: a thin strip stretched to this
    // height would take gigabytes.
    if (!ui::fitsInMemory(size)) {
        ui::message(this, stretchedPictureRefusal(name, picture.size()));
        return;
    }
    Image1->setPixmap(QPixmap::fromImage(picture));
    Image1->setScaledContents(true);
    Image1->resize(size);
    Image1->show();
}

// A file reached through a link out of the program folder, which the
// player reads as missing, is refused with a word. True when refused.
bool Form1::refuseOutside(const QString &path, const QString &name)
{
    if (!QFileInfo::exists(path) || bank::isInside(path, programFolder))
        return false;
    ui::message(this, outsideRefusal(name));
    return true;
}

void Form1::File4_Click()
{
    const QString name = File4->fileName();
    const bank::FileContent file = name.isEmpty()
        ? bank::FileContent{{}, bank::FileProblem::Missing}
        : refuseOutside(File4->path() + u'/' + name, name)
        ? bank::FileContent{{}, bank::FileProblem::Missing}
        : bank::readFile(File4->path() + u'/' + name, bank::kMaxTextFileBytes);
    if (file.problem != bank::FileProblem::None) {
        Text8->clear();
        if (const QString refusal = fileRefusal(ClickedFile::ReadingText, name, file); !refusal.isEmpty())
            ui::message(this, refusal);
        return;
    }
    Text8->setPlainText(readingText(file.bytes));
}

void Form1::Picture2_MouseDown(QPointF position)
{
    Label8(1)->setText(markCaption(position.x()));
    Label9(1)->setText(markCaption(position.y()));
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    ui::platform().quit();
}

} // namespace editor
