// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's save into a folder that already holds 10,000 questions: the
// save itself (numbering, writing, naming), the number search alone, the
// folder listing alone, and the whole "Guardar pregunta" handler of the real
// window, whose file list then lists the folder again (also with the list
// told that its rows are alike, to show what its layout costs). Each new file is removed, untimed, so the folder
// always holds 10,000 when a save starts.
// Usage: bench_editor [--bank=FOLDER] [benchmark flags]

#include "bigbank.h"

#include "bank/folders.h"
#include "bank/question.h"
#include "editor/form1.h"
#include "editor/questioncheck.h"
#include "support/recordingplatform.h"
#include "ui/programstyle.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int kQuestions = 10000;
QString programFolder;
QString fullFolder;

editor::EditorFields writtenQuestion()
{
    editor::EditorFields fields;
    fields.author = QStringLiteral("Departament de Ciències");
    fields.writtenStatement = QStringLiteral("Com es diu el procés pel qual l'aigua passa a vapor?");
    fields.writtenAnswer = QStringLiteral("evaporació");
    return fields;
}

void removeNew(benchmark::State &state, int number)
{
    if (number != kQuestions + 1)
        state.SkipWithError("the new question did not get the next number");
    QFile::remove(fullFolder + u'/' + QString::number(number) + QStringLiteral(".txt"));
}

void saveQuestion(benchmark::State &state)
{
    const editor::EditorFields fields = writtenQuestion();
    for (auto _ : state) {
        const editor::SaveOutcome outcome = editor::saveQuestion(fullFolder, 2, true, fields);
        state.PauseTiming();
        removeNew(state, outcome.number);
        state.ResumeTiming();
    }
}

void nextNumber(benchmark::State &state)
{
    for (auto _ : state) {
        const int n = bank::nextQuestionNumber(fullFolder);
        if (n != kQuestions + 1)
            state.SkipWithError("wrong number");
    }
}

void listNames(benchmark::State &state)
{
    for (auto _ : state) {
        const QStringList names = bank::fileNames(fullFolder);
        if (names.size() != kQuestions)
            state.SkipWithError("wrong number of files");
    }
}

// With `uniformRows` the file list is told that its rows are all alike, as a
// list of file names is: how much of the handler goes into laying them out.
void saveHandler(benchmark::State &state, bool uniformRows)
{
    editor::Form1 window;
    bench::showAndPaint(&window);
    window.File1->setUniformItemSizes(uniformRows);
    window.File1->setPath(fullFolder);
    window.Command1_Click(1);
    window.setFields(writtenQuestion());
    bench::settle();
    for (auto _ : state) {
        state.PauseTiming();
        window.questionChecked = true;
        state.ResumeTiming();
        window.Command3_Click();
        bench::settle();
        state.PauseTiming();
        if (window.File1->count() != kQuestions + 1)
            state.SkipWithError("the file list does not show the new question");
        removeNew(state, kQuestions + 1);
        state.ResumeTiming();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Editor"));
    ui::useProgramStyle();

    std::unique_ptr<QTemporaryDir> generated;
    programFolder = bench::takeBankArgument(argc, argv, QStringLiteral("editor"));
    if (programFolder.isEmpty()) {
        generated = std::make_unique<QTemporaryDir>();
        programFolder = generated->path();
        bench::makeProgramFolder(programFolder, bench::BankShape{0, 0, 0, 0});
        bench::writeQuestions(programFolder + QStringLiteral("/Preguntas/Curs 01/Assignatura 01"), kQuestions);
    }
    fullFolder = programFolder + QStringLiteral("/Preguntas/Curs 01/Assignatura 01");
    if (QDir(fullFolder).entryList(QDir::Files).size() != kQuestions) {
        std::fprintf(stderr, "%s does not hold %d questions\n", qPrintable(fullFolder), kQuestions);
        return 1;
    }

    ui::installRecordingPlatform().folder = programFolder;

    using benchmark::kMillisecond;
    benchmark::RegisterBenchmark("editor/saveQuestion", saveQuestion)->Unit(kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("editor/nextQuestionNumber", nextNumber)->Unit(kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("editor/Command3_Click", saveHandler, false)->Unit(kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("editor/Command3_Click, uniform rows", saveHandler, true)
        ->Unit(kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("editor/fileNames", listNames)->Unit(kMillisecond)->UseRealTime();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
