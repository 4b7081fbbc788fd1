#include "form1.h"

#include "form2.h"

#include "panelfiles.h"

#include "bank/folders.h"
#include "bank/question.h"
#include "bank/readfile.h"
#include "ui/picturefile.h"
#include "ui/platform.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPixmap>
#include <QSignalBlocker>

namespace editor {

namespace {

const QString kContact = QStringLiteral("brenloq@escoles.cat");

// Type colours, #RRGGBB as the teachers know them, here 0xBBGGRR.
const QColor kTypeColors[6] = {
    ui::bgr(0xC0C0FF), // #FFC0C0 multiple choice
    ui::bgr(0xC0E0FF), // #FFE0C0 written answer
    ui::bgr(0xC0FFFF), // #FFFFC0 picture answer
    ui::bgr(0xC0FFC0), // #C0FFC0 graphic point
    ui::bgr(0xFFFFC0), // #C0FFFF reading word
    ui::bgr(0x80C0FF), // #FFC080 true or false
};
const QColor kStatementGrey = ui::bgr(0xE0E0E0);
const QColor kViewportGrey = ui::bgr(0x808080);
const QColor kTrueColor = ui::bgr(0xFF8080);  // #8080FF
const QColor kFalseColor = ui::bgr(0x8080FF); // #FF8080

const QString kTypeCaptions[6] = {
    QStringLiteral("Pregunta tipo test"),
    QStringLiteral("Pregunta con una respuesta escrita"),
    QStringLiteral("Pregunta referida a una imagen con respuesta"),
    QStringLiteral("Pregunta cuya respuesta es marcar en un gráfico"),
    QStringLiteral("Pregunta de comprensión lectora"),
    QStringLiteral("Pregunta de verdadero o falso"),
};

constexpr int kTypeCount = 6;

// Lengths below are screen pixels, kept in twips by the controls.
void place(QWidget *widget, int x, int y, int width, int height)
{
    ui::setGeometryTwips(widget, ui::twips(x), ui::twips(y), ui::twips(width), ui::twips(height));
}

// The window and the panels colour only their own background: a text box
// or list inside keeps its white.
void setPanelColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor panelColor(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

QLabel *makeLabel(const QString &name, const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    ui::nameControl(label, name, caption);
    return label;
}

QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    ui::nameControl(button, name, caption);
    return button;
}

template <class T>
T *makeBox(const QString &name, const QString &caption, QWidget *parent)
{
    auto *box = new T(parent);
    ui::nameControl(box, name, caption);
    return box;
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

BankFolderModel::BankFolderModel(QFileSystemModel *folders, const QString &bankFolder,
                                 QObject *parent)
    : QSortFilterProxyModel(parent)
    , folders(folders)
    , bank(QDir::cleanPath(QFileInfo(bankFolder).absoluteFilePath()))
    , bankParent(QFileInfo(bank).absolutePath())
{
    setSourceModel(folders);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setRecursiveFilteringEnabled(false);
}

bool BankFolderModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (folders->filePath(sourceParent) != bankParent)
        return true;
    const QModelIndex row = folders->index(sourceRow, 0, sourceParent);
    return folders->filePath(row) == bank;
}

QModelIndex BankFolderModel::indexOf(const QString &folder) const
{
    return mapFromSource(folders->index(QDir::cleanPath(QFileInfo(folder).absoluteFilePath())));
}

QString BankFolderModel::folderOf(const QModelIndex &index) const
{
    return folders->filePath(mapToSource(index));
}

QModelIndex BankFolderModel::rootIndex() const
{
    return mapFromSource(folders->index(bankParent));
}

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
    setWindowTitle(QStringLiteral("Editor de preguntas 2.0 - ") + kContact);
    ui::nameControl(this, QStringLiteral("Form1"), windowTitle());
    resize(980, 700);

    auto *frame = new QGroupBox(this);
    place(frame, 8, 8, 640, 684);
    Frame1.reset(QStringLiteral("Frame1"), frame);
    for (int k = 1; k < kTypeCount; ++k)
        Frame1.load(k);

    Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("Autor de la pregunta"), this);
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
        ui::setPlainToolTip(button, kTypeCaptions[i]);
        button->move(660 + i * 53, 64);
        ui::setBackColor(button, kTypeColors[i]);
        button->show();
    }

    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("Comprobar"), this);
    place(Command2, 660, 114, 152, 36);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("Guardar pregunta"), this);
    place(Command3, 820, 114, 152, 36);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);

    Dir1 = makeBox<QTreeView>(QStringLiteral("Dir1"), QStringLiteral("Carpetas"), this);
    place(Dir1, 660, 160, 312, 250);
    File1 = makeBox<FileList>(QStringLiteral("File1"), QStringLiteral("Preguntas"), this);
    place(File1, 660, 418, 312, 274);

    buildMultipleChoice(Frame1(0));
    buildWrittenAnswer(Frame1(1));
    buildPictureAnswer(Frame1(2));
    buildGraphicPoint(Frame1(3));
    buildReadingWord(Frame1(4));
    buildTrueFalse(Frame1(5));

    // The panel captions are larger than their contents: each control keeps
    // the size and weight it has now instead of taking the caption's.
    for (int k = 0; k < kTypeCount; ++k) {
        const auto children = Frame1(k)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *child : children) {
            QFont own = child->font();
            own.setPointSizeF(own.pointSizeF());
            own.setBold(own.bold());
            child->setFont(own);
        }
        QFont caption = Frame1(k)->font();
        caption.setPointSize(12);
        caption.setBold(true);
        Frame1(k)->setFont(caption);
    }
    ui::showPlainTexts(this);
}

void Form1::buildMultipleChoice(QGroupBox *frame)
{
    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("Pregunta"), frame);
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
        name->setText(QStringLiteral("Opción %1").arg(i));
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

    Command7 = makeButton(QStringLiteral("Command7"), kAttachmentButtonCaption, frame);
    place(Command7, 12, 600, 220, 30);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    Command8 = makeButton(QStringLiteral("Command8"),
                          QStringLiteral("BORRAR TODO Y EMPEZAR UNA NUEVA PREGUNTA TIPO TEST"),
                          frame);
    place(Command8, 240, 600, 388, 30);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);

    Label3 = makeLabel(QStringLiteral("Label3"),
                       QStringLiteral("Después de escribir el enunciado se ha de seleccionar la "
                                      "opción correcta"),
                       frame);
    Label3->setWordWrap(true);
    place(Label3, 12, 640, 616, 36);
}

void Form1::buildWrittenAnswer(QGroupBox *frame)
{
    Label5.reset(QStringLiteral("Label5"),
                 makeLabel(QStringLiteral("Label5"), QStringLiteral("Pregunta"), frame));
    place(Label5(0), 12, 28, 300, 20);
    Text3 = makeBox<StatementBox>(QStringLiteral("Text3"), QStringLiteral("Pregunta"), frame);
    place(Text3, 12, 48, 616, 200);

    QLabel *answer = Label5.load(1);
    answer->setText(QStringLiteral("Respuesta"));
    answer->setAccessibleName(answer->text());
    place(answer, 12, 262, 300, 20);
    answer->show();
    Text4 = makeBox<LineBox>(QStringLiteral("Text4"), answer->text(), frame);
    place(Text4, 12, 282, 616, 28);
}

void Form1::buildPictureAnswer(QGroupBox *frame)
{
    // The picture takes the panel's whole width, so that it can fill the
    // height down to "Respuesta" without running past the panel; the list
    // of pictures sits beside the statement instead.
    File3 = makeBox<FileList>(QStringLiteral("File3"), QStringLiteral("Graficos"), frame);
    place(File3, 12, 28, 180, 136);

    Label6.reset(QStringLiteral("Label6"),
                 makeLabel(QStringLiteral("Label6"), QStringLiteral("Pregunta"), frame));
    place(Label6(0), 204, 28, 424, 20);
    Text5 = makeBox<StatementBox>(QStringLiteral("Text5"), QStringLiteral("Pregunta"), frame);
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
    answer->setText(QStringLiteral("Respuesta"));
    answer->setAccessibleName(answer->text());
    place(answer, 12, 608, 616, 20);
    answer->show();
    Text6 = makeBox<LineBox>(QStringLiteral("Text6"), answer->text(), frame);
    place(Text6, 12, 630, 616, 28);
}

void Form1::buildGraphicPoint(QGroupBox *frame)
{
    File2 = makeBox<FileList>(QStringLiteral("File2"), QStringLiteral("Graficos"), frame);
    place(File2, 12, 28, 180, 600);

    Text7 = makeBox<StatementBox>(QStringLiteral("Text7"), QStringLiteral("Pregunta"), frame);
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
    // Nothing to scroll until a graphic is chosen.
    VScroll1->setRange(0, 0);
    HScroll1->setRange(0, 0);
    connect(graphic, &ui::ClickGraphic::marked, this, &Form1::Picture2_MouseDown);

    Label8.reset(QStringLiteral("Label8"),
                 makeLabel(QStringLiteral("Label8"), QStringLiteral("X-"), frame));
    place(Label8(0), 204, 630, 24, 24);
    QLabel *x = Label8.load(1);
    x->setTextFormat(Qt::PlainText);
    x->setText(QStringLiteral("0"));
    place(x, 230, 630, 80, 24);
    x->show();
    Label9.reset(QStringLiteral("Label9"),
                 makeLabel(QStringLiteral("Label9"), QStringLiteral("Y-"), frame));
    place(Label9(0), 320, 630, 24, 24);
    QLabel *y = Label9.load(1);
    y->setTextFormat(Qt::PlainText);
    y->setText(QStringLiteral("0"));
    place(y, 346, 630, 80, 24);
    y->show();
}

void Form1::buildReadingWord(QGroupBox *frame)
{
    File4 = makeBox<FileList>(QStringLiteral("File4"), QStringLiteral("Textos"), frame);
    place(File4, 12, 28, 180, 600);

    Label7.reset(QStringLiteral("Label7"),
                 makeLabel(QStringLiteral("Label7"), QStringLiteral("Texto seleccionado"), frame));
    place(Label7(0), 204, 28, 424, 20);
    Text8 = makeBox<ui::ReadingText>(QStringLiteral("Text8"), Label7(0)->text(), frame);
    Text8->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    place(Text8, 204, 48, 424, 440);

    QLabel *question = Label7.load(1);
    question->setText(QStringLiteral("Pregunta referida al texto que tiene de respuesta una palabra"));
    question->setAccessibleName(question->text());
    question->setWordWrap(true);
    place(question, 204, 498, 424, 40);
    question->show();
    Text9 = makeBox<LineBox>(QStringLiteral("Text9"), question->text(), frame);
    place(Text9, 204, 540, 424, 28);

    Label11 = makeLabel(QStringLiteral("Label11"), kNoWordCaption, frame);
    // A word of the text is shown as it is, even one that looks like markup.
    Label11->setTextFormat(Qt::PlainText);
    QFont bold = Label11->font();
    bold.setBold(true);
    Label11->setFont(bold);
    connect(Text8, &ui::ReadingText::wordTaken, Label11, &QLabel::setText);
    place(Label11, 204, 580, 424, 30);

    auto *refresh = makeButton(QStringLiteral("Command4"), QStringLiteral("Refresca"), frame);
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
}

void Form1::buildTrueFalse(QGroupBox *frame)
{
    Text10 = makeBox<StatementBox>(QStringLiteral("Text10"), QStringLiteral("Pregunta"), frame);
    place(Text10, 12, 28, 616, 200);

    auto *yes = makeButton(QStringLiteral("Command6"), QStringLiteral("VERDADERO"), frame);
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
    no->setText(QStringLiteral("FALSO"));
    no->setAccessibleName(no->text());
    place(no, 328, 244, 300, 48);
    ui::setBackColor(no, kFalseColor);
    no->show();

    Label10 = makeLabel(QStringLiteral("Label10"), QString(), frame);
    Label10->setTextFormat(Qt::PlainText);
    Label10->setFont(big);
    place(Label10, 12, 310, 616, 48);
}

void Form1::Form_Load()
{
    for (int k = 0; k < kTypeCount; ++k) {
        Frame1(k)->setTitle(kTypeCaptions[k]);
        Frame1(k)->setAccessibleName(kTypeCaptions[k]);
        Frame1(k)->setGeometry(Frame1(0)->geometry());
    }

    // The Text1 family is connected as its members are made.
    for (StatementBox *box : {Text3, Text5, Text7, Text10})
        connect(box, &StatementBox::enterRefused, this, &Form1::refuseEnter);

    const QString program = ui::platform().programFolder();
    const QString bankFolder = bank::findEntry(program, QString::fromLatin1(bank::kQuestionsFolder));
    const QString pictures = bank::findEntry(program, QString::fromLatin1(bank::kPicturesFolder));
    const QString texts = bank::findEntry(program, QStringLiteral("Textos"));

    folderModel = new QFileSystemModel(this);
    folderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folderModel->setReadOnly(true);
    folderTree = new BankFolderModel(folderModel, bankFolder, this);
    folderModel->setRootPath(QFileInfo(bankFolder).absolutePath());
    Dir1->setModel(folderTree);
    Dir1->setHeaderHidden(true);
    for (int column = 1; column < folderTree->columnCount(); ++column)
        Dir1->hideColumn(column);
    Dir1->setSortingEnabled(true);
    Dir1->sortByColumn(0, Qt::AscendingOrder);
    Dir1->setRootIndex(folderTree->rootIndex());
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Form1::Dir1_Change);

    File1->setPath(bankFolder);
    File2->setPath(pictures);
    File3->setPath(pictures);
    File4->setPath(texts);
    connect(File1, &FileList::entryClicked, this, &Form1::File1_Click);
    connect(File2, &FileList::entryClicked, this, &Form1::File2_Click);
    connect(File3, &FileList::entryClicked, this, &Form1::File3_Click);
    connect(File4, &FileList::entryClicked, this, &Form1::File4_Click);

    const QModelIndex top = folderTree->indexOf(bankFolder);
    if (top.isValid()) {
        Dir1->setCurrentIndex(top);
        Dir1->expand(top);
    }

    QuestionType = 1;
    questionChecked = false;
    ShowTypeFrame();
    ui::centreOnScreen(this);
}

EditorFields Form1::fields() const
{
    EditorFields f;
    f.author = Text2->text();
    f.choiceStatement = Text1(0)->text();
    for (int i = 1; i <= kOptionCount; ++i) {
        f.options[i - 1] = Text1(i)->text();
        if (f.markedOption == 0 && ui::foreColor(Label1(i)) == ui::kBlue)
            f.markedOption = i;
    }
    f.attachmentCaption = Command7->text();
    f.loadedAttachment = loadedAttachment;
    f.writtenStatement = Text3->text();
    f.writtenAnswer = Text4->text();
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
    f.trueFalseStatement = Text10->text();
    f.trueFalseCaption = Label10->text();
    return f;
}

void Form1::setFields(const EditorFields &f)
{
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
    if (f.markedOption >= 1 && f.markedOption <= kOptionCount) {
        Label1_Click(f.markedOption);
    } else {
        for (int i = 1; i <= kOptionCount; ++i) {
            ui::setForeColor(Label1(i), ui::kRed);
            ui::setBackColor(Text1(i), ui::kWhite);
        }
    }
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

void Form1::ShowTypeFrame()
{
    const int shown = QuestionType - 1;
    for (int k = 0; k < kTypeCount; ++k)
        Frame1(k)->setVisible(k == shown);
    if (shown < 0 || shown >= kTypeCount)
        return;
    setPanelColor(Frame1(shown), ui::backColor(Command1(shown)));
    setPanelColor(this, ui::backColor(Command1(shown)));
}

void Form1::Command1_Click(int index)
{
    QuestionType = index + 1;
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
    preview.panelColor = panelColor(Frame1(QuestionType - 1));
    form2 = new Form2(preview, this);
    form2->setAttribute(Qt::WA_DeleteOnClose);
    form2->show();
}

void Form1::Command3_Click()
{
    const SaveOutcome outcome = saveQuestion(targetFolder(), QuestionType, questionChecked, fields());
    if (outcome.resetAttachment)
        Command7->setText(kAttachmentButtonCaption);
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
    Command7->setText(kAttachmentButtonCaption);
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
    ui::message(this, kNoEnter);
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
                [this](const QString &name) { Command7->setText(name); });
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
    const bank::QuestionRead read = bank::readQuestion(File1->path() + u'/' + name);
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
    switch (static_cast<bank::QuestionType>(loaded.type)) {
    case bank::QuestionType::MultipleChoice:
        // Texts only: the option labels and fields keep their colours.
        Text1(0)->setText(f.choiceStatement);
        for (int i = 1; i <= kOptionCount; ++i)
            Text1(i)->setText(f.options[i - 1]);
        loadedAttachment = f.loadedAttachment;
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
    const ui::Picture read = name.isEmpty() ? ui::Picture{{}, ui::PictureProblem::Missing}
                                            : ui::readPicture(File2->path() + u'/' + name);
    // A graphic that cannot be shown leaves the viewport empty.
    graphic->setPicture(read.problem == ui::PictureProblem::None ? read.image : QImage());
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
    const ui::Picture read = ui::readPicture(File3->path() + u'/' + name);
    if (read.problem != ui::PictureProblem::None) {
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

void Form1::File4_Click()
{
    const QString name = File4->fileName();
    const bank::FileContent file = name.isEmpty()
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
