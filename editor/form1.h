#pragma once

#include "fieldwidgets.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "questioncheck.h"
#include "questionloader.h"

#include "ui/clickgraphic.h"
#include "ui/clicklabel.h"
#include "ui/controls.h"
#include "ui/picturebox.h"
#include "ui/readingtext.h"

#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QWidget>

class QFileSystemModel;

namespace editor {

// Dir1 shows the question bank folder itself as its one top entry, and the
// folders below it; nothing beside or above the bank.
class BankFolderModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    BankFolderModel(QFileSystemModel *folders, const QString &bankFolder, QObject *parent);

    QModelIndex indexOf(const QString &folder) const;
    QString folderOf(const QModelIndex &index) const;
    QModelIndex rootIndex() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QFileSystemModel *folders;
    QString bank;
    QString bankParent;
};

// The editor window: the author, the six type buttons, one panel per type,
// "Comprobar", "Guardar pregunta" and the bank's folder tree and file list.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // What the panels hold, and putting it back (the question loader and
    // tests fill the panels through here).
    EditorFields fields() const;
    void setFields(const EditorFields &fields);

    // Handlers, named after the controls that raise them.
    void Command1_Click(int index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click(int index);
    void Command5_Click(int index);
    void Command6_Click(int index);
    void Command7_Click();
    void Command8_Click();
    void Label1_Click(int index);
    void Text1_KeyDown(int index);
    void Dir1_Change();
    void File1_Click();
    void File2_Click();
    void File3_Click();
    void File4_Click();
    void Picture2_MouseDown(QPointF position);

    void ShowTypeFrame();

    int QuestionType = 1;
    bool questionChecked = false;
    int optionPickSlot = 0;
    // The attachment line of the multiple-choice question loaded last, now
    // its last option (written back as the attachment while it stays so).
    QString loadedAttachment;

    // The folder File1 lists: where "Guardar pregunta" saves.
    QString targetFolder() const { return File1->path(); }

    // The check window of the last check, while it is open.
    Form2 *checkWindow() const { return form2; }

    // The option list picker and the attachment picker, while they are open.
    Form3 *optionPicker() const { return form3; }
    Form4 *attachmentPicker() const { return form4; }

    QLabel *Label4;
    LineBox *Text2;
    ui::ControlFamily<QPushButton> Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QTreeView *Dir1;
    FileList *File1;
    ui::ControlFamily<QGroupBox> Frame1;

    // Frame1(0): multiple choice.
    QLabel *Label2;
    ui::ControlFamily<StatementBox> Text1;
    ui::ControlFamily<ui::ClickLabel> Label1; // 1 to 8; Label1(0) is never shown
    ui::ControlFamily<QPushButton> Command5;
    QPushButton *Command7;
    QPushButton *Command8;
    QLabel *Label3;

    // Frame1(1): written answer.
    ui::ControlFamily<QLabel> Label5;
    StatementBox *Text3;
    LineBox *Text4;

    // Frame1(2): answer about a picture.
    FileList *File3;
    QLabel *Image1;
    ui::ControlFamily<QLabel> Label6;
    StatementBox *Text5;
    LineBox *Text6;
    ui::ControlFamily<QPushButton> Command4; // Refresca, one in each of panels 5, 4 and 3

    // Frame1(3): a point on a graphic.
    FileList *File2;
    ui::ClickGraphic *graphic; // the four controls below
    QFrame *Picture1;
    ui::PictureBox *Picture2;
    QScrollBar *VScroll1;
    QScrollBar *HScroll1;
    StatementBox *Text7;
    ui::ControlFamily<QLabel> Label8;
    ui::ControlFamily<QLabel> Label9;

    // Frame1(4): a word of a reading text.
    FileList *File4;
    ui::ControlFamily<QLabel> Label7;
    ui::ReadingText *Text8;
    LineBox *Text9;
    QLabel *Label11;

    // Frame1(5): true or false.
    StatementBox *Text10;
    ui::ControlFamily<QPushButton> Command6;
    QLabel *Label10;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    void buildMultipleChoice(QGroupBox *frame);
    void buildWrittenAnswer(QGroupBox *frame);
    void buildPictureAnswer(QGroupBox *frame);
    void buildGraphicPoint(QGroupBox *frame);
    void buildReadingWord(QGroupBox *frame);
    void buildTrueFalse(QGroupBox *frame);
    void Form_Load();
    void refuseEnter();
    void openCheckWindow();
    void showLoaded(const LoadedQuestion &loaded);
    void showChosenFile(FileList *list, const QString &name);

    QFileSystemModel *folderModel = nullptr;
    BankFolderModel *folderTree = nullptr;
    QPointer<Form2> form2;
    QPointer<Form3> form3;
    QPointer<Form4> form4;
};

} // namespace editor
