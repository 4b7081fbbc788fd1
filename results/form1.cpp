// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "printout.h"
#include "questions.h"

#include "bank/atomicfile.h"
#include "bank/folders.h"
#include "player/testlogic.h"
#include "ui/controls.h"
#include "ui/platform.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace results {

namespace {

const QString kCaption = QStringLiteral("RESULTATS BRENLOQ 3.0 - brenloq@escoles.cat");
const QColor kBackground(255, 246, 216);
const QColor kHeading(0, 0, 160);

// Enough to keep each step well under a frame on a slow machine.
constexpr int kReportsPerStep = 100;
constexpr int kSummaryColumns = 5;

QLabel *namingLabel(QWidget *parent, const QString &name, const QString &text, QWidget *named)
{
    auto *label = new QLabel(text, parent);
    ui::nameControl(label, name, text);
    ui::setBold(label, true);
    if (named) {
        label->setBuddy(named);
        named->setAccessibleName(text);
    }
    return label;
}

} // namespace

Form1::Form1(const QString &folder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , programFolder(folder)
    , texts(readResultsTexts(folder))
{
    setWindowTitle(kCaption);
    buildControls();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    resize(ui::px(13500), ui::px(10500));
    ui::setBackColor(this, kBackground);

    Label1 = new QLabel(texts.heading, this);
    ui::nameControl(Label1, QStringLiteral("Label1"), texts.heading);
    QFont heading = font();
    heading.setPointSize(18);
    heading.setBold(true);
    Label1->setFont(heading);
    Label1->setAlignment(Qt::AlignCenter);
    ui::setForeColor(Label1, kHeading);

    Date1 = new QDateEdit(this);
    Date2 = new QDateEdit(this);
    Combo1 = new QComboBox(this);
    for (QDateEdit *date : {Date1, Date2}) {
        date->setCalendarPopup(true);
        date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    }
    ui::nameControl(Date1, QStringLiteral("Date1"), texts.from);
    ui::nameControl(Date2, QStringLiteral("Date2"), texts.to);
    ui::nameControl(Combo1, QStringLiteral("Combo1"), texts.subject);
    Label2 = namingLabel(this, QStringLiteral("Label2"), texts.from, Date1);
    Label3 = namingLabel(this, QStringLiteral("Label3"), texts.to, Date2);
    Label4 = namingLabel(this, QStringLiteral("Label4"), texts.subject, Combo1);
    Combo1->setMinimumWidth(ui::px(3000));
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Combo2 = new QComboBox(this);
    Combo3 = new QComboBox(this);
    ui::nameControl(Combo2, QStringLiteral("Combo2"), texts.courseHeader);
    ui::nameControl(Combo3, QStringLiteral("Combo3"), texts.optionHeader);
    Label8 = namingLabel(this, QStringLiteral("Label8"), texts.courseHeader, Combo2);
    Label9 = namingLabel(this, QStringLiteral("Label9"), texts.optionHeader, Combo3);
    for (QComboBox *combo : {Combo2, Combo3})
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    Label6 = new QLabel(this);
    ui::nameControl(Label6, QStringLiteral("Label6"));
    Command1 = new QPushButton(texts.exportCsv, this);
    ui::nameControl(Command1, QStringLiteral("Command1"), texts.exportCsv);
    ui::setBold(Command1, true);
    Command2 = new QPushButton(texts.printPdf, this);
    ui::nameControl(Command2, QStringLiteral("Command2"), texts.printPdf);

    model = new ResultsModel(this);
    model->setHeaders(texts.columnHeaders());
    model->setWarnings({player::readMarkScale(programFolder), texts.markOverScale, texts.tooManyQuestions});
    filter = new ResultsFilter(model, this);
    Grid1 = new QTableView(this);
    ui::nameControl(Grid1, QStringLiteral("Grid1"), texts.heading);
    Grid1->setModel(filter);
    Grid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setAlternatingRowColors(true);
    Grid1->verticalHeader()->hide();
    // Every row is one line: the view need not measure ten thousand of them.
    Grid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid1->verticalHeader()->setDefaultSectionSize(Grid1->fontMetrics().height() + 8);
    Grid1->horizontalHeader()->setSectionResizeMode(Subject, QHeaderView::Stretch);
    Grid1->setSortingEnabled(true);
    Grid1->sortByColumn(When, Qt::AscendingOrder);

    Grid3 = new QTableWidget(0, int(texts.questionHeaders.size()), this);
    ui::nameControl(Grid3, QStringLiteral("Grid3"), texts.questionsTab);
    Grid3->setHorizontalHeaderLabels(texts.questionHeaders);
    Grid3->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid3->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid3->verticalHeader()->hide();
    Grid3->setWordWrap(false);
    Grid3->setAlternatingRowColors(true);
    Grid3->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    Tab1 = new QTabWidget(this);
    ui::nameControl(Tab1, QStringLiteral("Tab1"), texts.heading);
    Tab1->addTab(Grid1, texts.tableTab);
    Tab1->addTab(Grid3, texts.questionsTab);

    Label5 = new QLabel(texts.summary, this);
    ui::nameControl(Label5, QStringLiteral("Label5"), texts.summary);
    ui::setBold(Label5, true);
    Grid2 = new QTableWidget(0, kSummaryColumns, this);
    ui::nameControl(Grid2, QStringLiteral("Grid2"), texts.summary);
    Grid2->setHorizontalHeaderLabels(texts.summaryHeaders);
    Grid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid2->verticalHeader()->hide();
    Grid2->setWordWrap(false);
    Grid2->verticalHeader()->setDefaultSectionSize(Grid1->verticalHeader()->defaultSectionSize());
    Grid2->setAlternatingRowColors(true);
    Grid2->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Grid2->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    Label5->setBuddy(Grid2);

    List1 = new QListWidget(this);
    Label7 = namingLabel(this, QStringLiteral("Label7"), texts.skipped, List1);
    ui::nameControl(List1, QStringLiteral("List1"), texts.skipped);

    auto *filters = new QHBoxLayout;
    filters->addWidget(Label2);
    filters->addWidget(Date1);
    filters->addSpacing(ui::px(240));
    filters->addWidget(Label3);
    filters->addWidget(Date2);
    filters->addSpacing(ui::px(240));
    filters->addWidget(Label4);
    filters->addWidget(Combo1);
    filters->addSpacing(ui::px(240));
    filters->addWidget(Label8);
    filters->addWidget(Combo2);
    filters->addSpacing(ui::px(240));
    filters->addWidget(Label9);
    filters->addWidget(Combo3);
    filters->addStretch(1);
    // The count and the exports beside the heading: in the filters' row they
    // pushed the window past a 1024-pixel screen.
    auto *top = new QHBoxLayout;
    top->addWidget(Label1);
    top->addStretch(1);
    top->addWidget(Label6);
    top->addSpacing(ui::px(240));
    top->addWidget(Command1);
    top->addWidget(Command2);

    auto *summary = new QVBoxLayout;
    summary->addWidget(Label5);
    summary->addWidget(Grid2);
    auto *skipped = new QVBoxLayout;
    skipped->addWidget(Label7);
    skipped->addWidget(List1);
    auto *bottom = new QHBoxLayout;
    bottom->addLayout(summary, 3);
    bottom->addLayout(skipped, 2);

    auto *layout = new QVBoxLayout(this);
    const int margin = ui::px(120);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addLayout(top);
    layout->addLayout(filters);
    layout->addWidget(Tab1, 3);
    layout->addLayout(bottom, 1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(0);

    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(Combo2, &QComboBox::activated, this, &Form1::Combo2_Click);
    connect(Combo3, &QComboBox::activated, this, &Form1::Combo3_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Date1, &QDateEdit::dateChanged, this, &Form1::Date_Change);
    connect(Date2, &QDateEdit::dateChanged, this, &Form1::Date_Change);
    connect(Grid1, &QTableView::doubleClicked, this, &Form1::Grid1_DblClick);
    connect(Grid3, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { Grid3_DblClick(row); });
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Timer1, &QTimer::timeout, this, &Form1::readChunk);
    ui::showPlainTexts(this);
}

void Form1::Form_Load()
{
    ui::centreOnScreen(this);
    loader = std::make_unique<ReportLoader>(programFolder);
    if (loader->total() > 0) {
        progress = new QProgressDialog(texts.loading, QString(), 0, loader->total(), this);
        progress->setObjectName(QStringLiteral("progress"));
        progress->setWindowTitle(kCaption);
        progress->setMinimumDuration(500);
        progress->setWindowModality(Qt::WindowModal);
        progress->setCancelButton(nullptr);
    }
    // Nothing to filter or export before the reports are read.
    enableFilters(false);
    Timer1->start();
}

void Form1::readChunk()
{
    loader->readNext(kReportsPerStep);
    if (progress)
        progress->setValue(loader->done());
    if (!loader->atEnd())
        return;
    Timer1->stop();
    delete progress;
    progress = nullptr;
    ReportTable table = loader->result();
    loader.reset();
    showTable(std::move(table));
    Q_EMIT loaded();
}

void Form1::showTable(ReportTable table)
{
    QDate first, last;
    for (const ResultRow &row : std::as_const(table.rows)) {
        const QDate day = row.when.date();
        first = first.isValid() ? std::min(first, day) : day;
        last = last.isValid() ? std::max(last, day) : day;
    }
    if (!first.isValid())
        first = last = ui::platform().now().date();
    Combo1->clear();
    Combo1->addItem(texts.allSubjects);
    Combo1->addItems(subjects(table.rows));
    Combo2->clear();
    Combo2->addItem(texts.allCourses);
    Combo2->addItems(courses(table.rows));
    Combo3->clear();
    Combo3->addItem(texts.allOptions);
    Combo3->addItems(options(table.rows));

    List1->clear();
    if (!table.folderFound)
        List1->addItem(texts.noFolder);
    for (const SkippedFile &file : std::as_const(table.skipped))
        List1->addItem(file.name + QStringLiteral(" — ") + texts.reason(file.reason));

    totalRows = int(table.rows.size());
    model->setRows(std::move(table.rows));
    {
        const QSignalBlocker blockFrom(Date1);
        const QSignalBlocker blockTo(Date2);
        Date1->setDate(first);
        Date2->setDate(last);
    }
    // Every row in the first view: a date the date boxes cannot show (a
    // report named for year 0001) would otherwise hide its row.
    filter->setDateRange(QDate(), QDate());
    updateSummary();
    Grid1->resizeColumnsToContents();
    enableFilters(true);
}

void Form1::enableFilters(bool enabled)
{
    const QList<QWidget *> controls = {Date1, Date2, Combo1, Combo2, Combo3, Command1, Command2};
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}

void Form1::Combo1_Click(int index)
{
    filter->setSubject(index <= 0 ? QString() : Combo1->itemText(index));
    updateSummary();
}

void Form1::Combo2_Click(int index)
{
    filter->setCourse(index <= 0 ? QString() : Combo2->itemText(index));
    updateSummary();
}

void Form1::Combo3_Click(int index)
{
    filter->setOption(index <= 0 ? QString() : Combo3->itemText(index));
    updateSummary();
}

void Form1::Date_Change()
{
    filter->setDateRange(Date1->date(), Date2->date());
    updateSummary();
}

void Form1::updateSummary()
{
    const QList<SubjectSummary> summaries = summarize(filter->shownRows());
    Grid2->setRowCount(int(summaries.size()));
    for (int i = 0; i < summaries.size(); ++i) {
        const SubjectSummary &s = summaries[i];
        const QString figures[kSummaryColumns] = {
            testName(s), QString::number(s.reports), s.marked ? decimalText(s.average) : QString(),
            s.marked ? decimalText(s.lowest) : QString(), s.marked ? decimalText(s.highest) : QString()};
        for (int column = 0; column < kSummaryColumns; ++column) {
            auto *item = new QTableWidgetItem(figures[column]);
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Grid2->setItem(i, column, item);
        }
    }
    Label6->setText(texts.shown.arg(filter->rowCount()).arg(totalRows));
    updateQuestions();
}

namespace {

// A cell that sorts by a number of its own rather than by its text.
class NumberItem : public QTableWidgetItem
{
public:
    NumberItem(const QString &text, double number)
        : QTableWidgetItem(text)
        , number(number)
    {
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem &other) const override
    {
        const auto *n = dynamic_cast<const NumberItem *>(&other);
        return n ? number < n->number : QTableWidgetItem::operator<(other);
    }

private:
    double number;
};

} // namespace

void Form1::updateQuestions()
{
    // The question files are read at each change of the filters: a class
    // asks a few hundred questions, and a file edited meanwhile is seen.
    QList<QuestionStat> stats = questionStats(filter->shownRows());
    readQuestionFiles(stats, programFolder + u'/' + QLatin1String(bank::kQuestionsFolder));
    Grid3->setSortingEnabled(false);
    Grid3->setRowCount(int(stats.size()));
    for (int i = 0; i < stats.size(); ++i) {
        const QuestionStat &s = stats[i];
        auto *file = new QTableWidgetItem(s.changed ? s.file + QStringLiteral(" *") : s.file);
        file->setData(Qt::UserRole, s.file);
        Grid3->setItem(i, 0, file);
        Grid3->setItem(i, 1, new QTableWidgetItem(s.statement));
        const int counts[] = {s.asked, s.right, s.wrong, s.blank};
        for (int c = 0; c < 4; ++c)
            Grid3->setItem(i, 2 + c, new NumberItem(QString::number(counts[c]), counts[c]));
        Grid3->setItem(i, 6, new NumberItem(decimalText(100 * s.shareRight()), s.shareRight()));
        Grid3->setItem(i, 7, new QTableWidgetItem(s.commonWrong));
        Grid3->setItem(i, 8, new QTableWidgetItem(s.changed ? QStringLiteral("*") : QString()));
    }
    Grid3->setSortingEnabled(true);
}

void Form1::Grid3_DblClick(int row)
{
    const QTableWidgetItem *item = Grid3->item(row, 0);
    if (!item)
        return;
    // The editor takes no file to open: the question's folder is opened.
    const QString file = programFolder + u'/' + QLatin1String(bank::kQuestionsFolder) + u'/'
        + item->data(Qt::UserRole).toString();
    ui::platform().openFolder(QFileInfo(file).path());
}

void Form1::Grid1_DblClick(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    ui::platform().openDocument(model->row(filter->mapToSource(index).row()).path);
}

void Form1::Command1_Click()
{
    const QString path = ui::platform().saveFileName(this, texts.exportCsv,
                                                     programFolder + u'/' + texts.csvName,
                                                     texts.csvFilter + QStringLiteral(";;") + texts.xlsxFilter);
    if (path.isEmpty())
        return;
    QString error;
    const RowWarnings warnings{player::readMarkScale(programFolder), texts.markOverScale, texts.tooManyQuestions};
    const QList<ResultRow> shown = filter->shownRows();
    QByteArray bytes;
    if (path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) {
        // The workbook holds the rows shown and their questions.
        QList<QuestionStat> stats = questionStats(shown);
        readQuestionFiles(stats, programFolder + u'/' + QLatin1String(bank::kQuestionsFolder));
        bytes = xlsxBytes(texts.workbookTexts(), shown, stats, warnings, &error);
    } else {
        bytes = csvBytes(texts.columnHeaders(), shown, warnings);
    }
    if (bytes.isEmpty() || !writeCsvFile(path, bytes, &error))
        ui::message(this, texts.writeError + u'\n' + error);
}

void Form1::Command2_Click()
{
    const QString path = ui::platform().saveFileName(this, texts.printPdf, programFolder + u'/' + texts.pdfName,
                                                     texts.pdfFilter);
    if (path.isEmpty())
        return;
    // The title names the filters, so a printed page says what it holds.
    QStringList filters{Date1->date().toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" – ")
                        + Date2->date().toString(QStringLiteral("dd/MM/yyyy"))};
    for (const QComboBox *combo : {Combo1, Combo2, Combo3})
        filters.append(combo->currentText());
    const QString title = texts.heading + QStringLiteral(": ") + filters.join(QStringLiteral(", "));
    PrintedTable table{texts.tableTab, texts.columnHeaders(), {}};
    const RowWarnings warnings{player::readMarkScale(programFolder), texts.markOverScale, texts.tooManyQuestions};
    const QList<ResultRow> shown = filter->shownRows();
    for (const ResultRow &r : shown) {
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column)
            cells.append(cellText(r, column, warnings));
        table.rows.append(cells);
    }
    PrintedTable questions{texts.questionsTab, texts.questionHeaders, {}};
    for (int row = 0; row < Grid3->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < Grid3->columnCount(); ++column)
            cells.append(Grid3->item(row, column) ? Grid3->item(row, column)->text() : QString());
        questions.rows.append(cells);
    }
    QString error;
    if (!writeCsvFile(path, pdfBytes(title, {table, questions}), &error))
        ui::message(this, texts.writeError + u'\n' + error);
}

} // namespace results
