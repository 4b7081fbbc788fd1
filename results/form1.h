// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reports.h"
#include "table.h"
#include "texts.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QProgressDialog;
class QTableView;
class QTableWidget;
class QTabWidget;
class QPushButton;
class QTimer;

namespace results {

// The class results window: every report of the program folder in one
// sortable table, filtered by date and subject, with the per-subject
// summary under it and the files that could not be read beside that.
// Reports are read a few at a time, with a progress dialog when that takes
// longer than half a second.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(const QString &programFolder, QWidget *parent = nullptr);
    ~Form1() override;

    bool isLoaded() const { return !loader; }

    QLabel *Label1 = nullptr;       // the heading
    QLabel *Label2 = nullptr;       // names the first day shown
    QDateEdit *Date1 = nullptr;     // the first day shown
    QLabel *Label3 = nullptr;       // names the last day shown
    QDateEdit *Date2 = nullptr;     // the last day shown
    QLabel *Label4 = nullptr;       // names the subject filter
    QComboBox *Combo1 = nullptr;    // the subject shown, or all of them
    QLabel *Label8 = nullptr;       // names the course filter
    QComboBox *Combo2 = nullptr;    // the course shown, or all of them
    QLabel *Label9 = nullptr;       // names the option filter
    QComboBox *Combo3 = nullptr;    // the option folder shown, or all of them
    QLabel *Label6 = nullptr;       // how many rows are shown of how many
    QPushButton *Command1 = nullptr; // exports the rows shown to CSV
    QPushButton *Command2 = nullptr; // the rows shown and their questions as a PDF
    QTableView *Grid1 = nullptr;    // one row per report and subject
    QTabWidget *Tab1 = nullptr;     // the table, and the statistics per question
    QTableWidget *Grid3 = nullptr;  // one row per question asked in the rows shown
    QLabel *Label5 = nullptr;       // names the summary
    QTableWidget *Grid2 = nullptr;  // average, lowest and highest mark per subject
    QLabel *Label7 = nullptr;       // names the skipped files
    QListWidget *List1 = nullptr;   // files not read, with the reason

    ResultsModel *model = nullptr;
    ResultsFilter *filter = nullptr;

Q_SIGNALS:
    void loaded();

public:
    void Combo1_Click(int index);
    void Combo2_Click(int index);
    void Combo3_Click(int index);
    void Date_Change();
    void Grid1_DblClick(const QModelIndex &index);
    void Grid3_DblClick(int row);
    void Command1_Click();
    void Command2_Click();

private:
    void buildControls();
    void Form_Load();
    void readChunk();
    void showTable(ReportTable table);
    void updateSummary();
    void updateQuestions();
    void enableFilters(bool enabled);

    QString programFolder;
    ResultsTexts texts;
    int totalRows = 0;
    std::unique_ptr<ReportLoader> loader;
    QProgressDialog *progress = nullptr;
    QTimer *Timer1 = nullptr; // reads the next few reports
};

} // namespace results
