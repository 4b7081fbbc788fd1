// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "selection.h"

#include "ui/clicklabel.h"
#include "ui/controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>

#include <array>

namespace player {

// The headings of the selection window (Label2), by role.
struct SelectionHeading {
    enum Index : int { Courses, Subjects, Title, Options, Instructions };
};

// The selection window: course, subjects with their option folders, questions
// per subject and an optional time limit, handed to the test window as a
// Selection.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    explicit Form2(QWidget *parent = nullptr);

    void Label1_Click(int index);
    void Check1_Click(int index);
    void Combo1_Click(int index);
    void Command3_Click(int index);
    void Command4_Click();
    void Command1_Click();

    // The chosen course folder.
    QString dir1Path() const { return dir1; }
    // The choice as it stands, for the test window.
    Selection selection() const;
    int courseCount() const { return courses; }
    QString selectionWarning() const { return warning; }
    // Where the keyboard starts: the first course.
    QWidget *firstCourse() const;

Q_SIGNALS:
    // A valid start: the program opens the test window on this selection.
    void testWindowRequested();

public:
    // Controls, under their names.
    ui::ControlFamily<ui::ClickLabel> Label1; // one per course folder; a click chooses the course
    ui::ControlFamily<QCheckBox> Check1;      // one per subject of the course; bold when chosen
    ui::ControlFamily<QComboBox> Combo1;      // the subject's option folders, beside its box
    ui::ControlFamily<QLabel> Label4;         // the number of question files of the subject's row
    std::array<QLabel *, 5> Label2{};         // headings, by SelectionHeading
    QLabel *Label3 = nullptr;                 // the caption of the questions per subject
    QPushButton *Command2 = nullptr;          // shows the questions per subject
    std::array<QPushButton *, 2> Command3{};  // more and fewer questions, by QuestionStep
    QPushButton *Command4 = nullptr;          // shows or hides the time limit box
    QLineEdit *Text1 = nullptr;               // the time limit in minutes, when shown
    QPushButton *Command1 = nullptr;          // starts the test
    QLabel *Label5 = nullptr;                 // the chosen subjects a session leaves out, if any

    // Fields.
    int courseIndex = 0;          // the course chosen
    int subjectCount = 0;         // subject rows of the course
    int selectedSubjectCount = 0; // rows ticked at the last start
    int questionsPerSubject = 15;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void ListCourses();
    void ApplySelectionTexts();
    void fitRows();
    void showLeftOut();
    void orderFocus();

    QScrollArea *courseArea = nullptr;
    QWidget *courseList = nullptr;
    QScrollArea *rowArea = nullptr;
    QWidget *rowList = nullptr;
    QString dir1;
    int courses = 0;
    QString warning;
};

} // namespace player
