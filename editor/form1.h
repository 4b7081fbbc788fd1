// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfoldermodel.h"
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

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>
#include <QWidget>

#include <array>

namespace editor {

inline constexpr int kTypeCount = 6;

// The editor window: the author, the six type buttons, one panel per type,
// "Comprobar", "Guardar pregunta" and the bank's folder tree and file list.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // What the panels hold, and putting it back (the question loader and
    // tests fill the panels through here). A panel not built yet holds what
    // a fresh one would.
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

    // The folder tree's context menu: questions from other platforms into
    // the folder, and the folder's questions out to them.
    void importQuestions(const QString &folder);
    void exportQuestions(const QString &folder);
    QMenu *Dir1Menu = nullptr;
    QAction *mnuImportar = nullptr;
    QAction *mnuExportar = nullptr;

    bank::QuestionType QuestionType = bank::QuestionType::MultipleChoice;
    bool questionChecked = false;
    int optionPickSlot = 0;
    // The attachment line of the multiple-choice question loaded last, now
    // its last option (written back as the attachment while it stays so).
    QString loadedAttachment;

    // Whether the question shown is still the one the last check passed.
    bool checkHolds() const;

    // The folder File1 lists: where "Guardar pregunta" saves.
    QString targetFolder() const { return File1->path(); }

    // The check window of the last check, while it is open.
    Form2 *checkWindow() const { return form2; }

    // The option list picker and the attachment picker, while they are open.
    Form3 *optionPicker() const { return form3; }
    Form4 *attachmentPicker() const { return form4; }

    QLabel *Label4 = nullptr;
    LineBox *Text2 = nullptr;
    ui::ControlFamily<QPushButton> Command1;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QTreeView *Dir1 = nullptr;
    FileList *File1 = nullptr;
    ui::ControlFamily<QGroupBox> Frame1;

    // The controls of each panel are made the first time it is shown (or
    // setFields fills it); until then they are null.

    // Frame1(0): multiple choice.
    QLabel *Label2 = nullptr;
    ui::ControlFamily<StatementBox> Text1;
    ui::ControlFamily<ui::ClickLabel> Label1; // 1 to 8; Label1(0) is never shown
    ui::ControlFamily<QPushButton> Command5;
    QPushButton *Command7 = nullptr;
    QPushButton *Command8 = nullptr;
    QLabel *Label3 = nullptr;

    // Frame1(1): written answer.
    ui::ControlFamily<QLabel> Label5;
    StatementBox *Text3 = nullptr;
    LineBox *Text4 = nullptr;

    // Frame1(2): answer about a picture.
    FileList *File3 = nullptr;
    QLabel *Image1 = nullptr;
    ui::ControlFamily<QLabel> Label6;
    StatementBox *Text5 = nullptr;
    LineBox *Text6 = nullptr;
    ui::ControlFamily<QPushButton> Command4; // Refresca, one in each of panels 5, 4 and 3

    // Frame1(3): a point on a graphic.
    FileList *File2 = nullptr;
    ui::ClickGraphic *graphic = nullptr; // the four controls below
    QFrame *Picture1 = nullptr;
    ui::PictureBox *Picture2 = nullptr;
    QScrollBar *VScroll1 = nullptr;
    QScrollBar *HScroll1 = nullptr;
    StatementBox *Text7 = nullptr;
    ui::ControlFamily<QLabel> Label8;
    ui::ControlFamily<QLabel> Label9;

    // Frame1(4): a word of a reading text.
    FileList *File4 = nullptr;
    ui::ControlFamily<QLabel> Label7;
    ui::ReadingText *Text8 = nullptr;
    LineBox *Text9 = nullptr;
    QLabel *Label11 = nullptr;

    // Frame1(5): true or false.
    StatementBox *Text10 = nullptr;
    ui::ControlFamily<QPushButton> Command6;
    QLabel *Label10 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildFolderMenu();
    QString menuFolder;
    void buildWindow();
    void buildPanel(int k);
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
    void showMark(int option);
    bool refuseOutside(const QString &path, const QString &name);

    BankFolderModel *folderTree = nullptr;
    std::array<bool, kTypeCount> panelBuilt{};
    QString picturesFolder; // listed by File2 and File3
    QString textsFolder;    // listed by File4
    QString programFolder;
    CheckedQuestion checked;  // what the last passed check saw
    QString shownGraphic;     // the graphic whose point Label8(1), Label9(1) hold
    QPointer<Form2> form2;
    QPointer<Form3> form3;
    QPointer<Form4> form4;
};

} // namespace editor
