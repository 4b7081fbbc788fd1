// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Moving between tests, the clock, the report and the end of the session.

#include "form3.h"

#include "form4.h"
#include "form5.h"
#include "testkeys.h"

#include "ui/focuschain.h"
#include "ui/platform.h"
#include "ui/rtfwriter.h"

#include <QFileInfo>

namespace player {

Form4 *Form3::finalWindow() const
{
    return form4;
}

Form5 *Form3::attachmentViewer() const
{
    return form5;
}

void Form3::showCounters(int k, const QString &prefix)
{
    Command3[Counter::Wrong]->setText(prefix + QString::number(model.test(k).wrong));
    Command3[Counter::Right]->setText(prefix + QString::number(model.test(k).right));
    Command3[Counter::Questions]->setText(prefix + QString::number(List1(k)->count()));
}

void Form3::Command1_Click(int index)
{
    if (index < 0 || index >= testCount())
        return;
    if (index != currentTestIndex)
        putAwayQuestion();
    markTestButton(currentTestIndex, index);
    // Bold takes more room: the names are shortened to the new font.
    captionTestButton(currentTestIndex);
    captionTestButton(index);
    for (int i = 0; i < testCount(); ++i)
        List1(i)->setVisible(i == index);
    showCounters(index, QStringLiteral(" "));
    currentTestIndex = index;
    Command2->show();
    Label4->setText(files.texts.subjectPrompt);
}

void Form3::putAwayQuestion()
{
    // An answer is booked in the test of the question it answers: a question
    // of another test cannot stay on show, answerable, under this test's row.
    if (bank::isQuestionType(shown.questionType)) {
        restoreFrame(shown.questionType);
        frame(shown.questionType)->hide();
    }
    frame(bank::QuestionType::None)->show();
    Label14->setText(files.typeHelpTexts[bank::QuestionType::None]);
    Command2->setEnabled(false);
    if (form5)
        form5->hide();
}

void Form3::Command4_Click()
{
    if (!form5)
        form5 = new Form5(this);
    ui::showWithFocus(form5);
    form5->ShowAttachment(attachment);
}

void Form3::Command6_Click(int index)
{
    switch (index) {
    case TopButton::Results:
        ShowFinalWindow();
        break;
    case TopButton::Credits:
        frame(shown.questionType)->hide();
        frame(bank::QuestionType::None)->show();
        break;
    case TopButton::Quit:
        if (ui::message(this, files.quitQuestion, QStringLiteral("Brenloq"), ui::MessageButtons::YesNo)
            == ui::MessageAnswer::Yes) {
            leaving = true;
            Timer1->stop();
            ui::platform().quit();
        }
        break;
    default:
        break;
    }
}

void Form3::Command7_Click(int index)
{
    if (index == ReportButton::Transcript) {
        if (RichTextBox3->isVisible()) {
            RichTextBox3->hide();
        } else {
            RichTextBox3->show();
            RichTextBox3->raise();
        }
        return;
    }
    // This pupil's own report: ultimo.rtf may already hold a classmate's.
    if (Command7[ReportButton::Report]->isEnabled() && !model.reportPath.isEmpty())
        ui::platform().openDocument(model.reportPath);
}

void Form3::Timer1_Timer()
{
    const int r = model.remainingSeconds;
    Label17[ClockLabel::Countdown]->setText(countdownText(r));
    describeClock(Label17[ClockLabel::Countdown]);
    if (r > 0) {
        model.remainingSeconds = r - 1;
        return;
    }
    Timer1->stop();
    // The pupil may answer on, so the clock says the time is up.
    showTimeUp(timeUpText());
    if (!model.reported()) {
        WriteResultsReport();
        ShowFinalWindow();
    }
}

void Form3::endSession()
{
    // A finished session keeps its one report: the clock has nothing left to
    // end, and a session whose time ran out has written it already.
    Timer1->stop();
    if (model.reported())
        return;
    WriteResultsReport();
    ShowFinalWindow();
}

void Form3::ShowFinalWindow()
{
    if (!form4)
        form4 = new Form4(this);
    ui::showWithFocus(form4);
}

void Form3::WriteResultsReport()
{
    model.markReported();
    RichTextBox3->setText(model.reportText(files.rightLabel, files.wrongLabel, files.blankLabel));

    const QByteArray rtf = ui::toRtf(*RichTextBox3->document());
    const QDateTime now = ui::platform().now();
    model.reportFileName = fittedReportFileName(pupilName, now);
    // A share that has gone away or hangs must not freeze the window: the
    // report is written on a thread of its own, the help line says so.
    auto *saver = new ReportSaver(appFolder, model.reportFileName, rtf, this);
    saver->setRecord(model.record(now), QFileInfo(model.coursePath).path());
    connect(saver, &ReportSaver::finished, this, [this, saver](const ReportOutcome &outcome) {
        saver->deleteLater();
        reportSaved(outcome);
    });
    if (reportsBeingSaved++ == 0)
        helpBeforeSaving = Label14->text();
    Label14->setText(savingReportText());
    saver->start(sharePatience());
}

void Form3::reportSaved(const ReportOutcome &outcome)
{
    // Unless a question shown meanwhile has put its own help there.
    if (--reportsBeingSaved == 0 && Label14->text() == savingReportText())
        Label14->setText(helpBeforeSaving);
    switch (outcome.where) {
    case ReportOutcome::Where::ReportsFolder:
        // ultimo.rtf not replaced is said on standard error and warned of at
        // start: the pupil's report itself is safe.
        model.reportFileName = QFileInfo(outcome.path).fileName();
        model.reportPath = outcome.path;
        Command7[ReportButton::Report]->setEnabled(true);
        break;
    case ReportOutcome::Where::Pending:
        model.reportPath = outcome.path;
        Command7[ReportButton::Report]->setEnabled(true);
        ui::message(this, pendingReportText(outcome.path));
        break;
    case ReportOutcome::Where::Lost:
        ui::message(this, QStringLiteral("Error"));
        break;
    }
}

} // namespace player
