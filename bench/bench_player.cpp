// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The quiz player on a large bank (40 courses x 25 subjects x 4 options x 100
// questions, made by bench_makebank or here in a temporary folder): loading
// the selection window, a click on a course, the draw of 16 subjects x 100
// questions, the test window's whole load sequence, and the display of one
// question of each kind beside the decoding of its picture. Windows are real
// and painted, offscreen. Usage: bench_player [--bank=FOLDER] [benchmark flags]

#include "bigbank.h"

#include "player/form2.h"
#include "player/form3.h"
#include "player/form5.h"
#include "player/playerstate.h"
#include "player/testlogic.h"
#include "support/recordingplatform.h"
#include "ui/programstyle.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <memory>
#include <random>

namespace {

QString programFolder;
bench::BankShape shape;

QString courseFolder(int course)
{
    return programFolder + QStringLiteral("/Preguntas/") + bench::courseName(course);
}

// The selection window with course 0 chosen, the first `subjects` ticked.
std::unique_ptr<player::Form2> selectionWith(int subjects, int questionsPerSubject)
{
    auto selection = std::make_unique<player::Form2>();
    bench::showAndPaint(selection.get());
    selection->Label1_Click(0);
    for (int k = 0; k < subjects; ++k)
        selection->Check1_Click(k);
    selection->questionsPerSubject = questionsPerSubject;
    selection->selectedSubjectCount = subjects;
    return selection;
}

void selectionLoad(benchmark::State &state)
{
    for (auto _ : state) {
        auto *window = new player::Form2;
        bench::showAndPaint(window);
        state.PauseTiming();
        if (window->courseCount() != shape.courses)
            state.SkipWithError("the courses were not all listed");
        delete window;
        bench::settle();
        state.ResumeTiming();
    }
}

void courseClick(benchmark::State &state)
{
    player::Form2 window;
    bench::showAndPaint(&window);
    int course = 0;
    for (auto _ : state) {
        // A mouse click on the label, then the repaint it causes.
        QTest::mouseClick(window.Label1(course), Qt::LeftButton);
        bench::settle();
        state.PauseTiming();
        if (window.subjectCount != shape.subjects)
            state.SkipWithError("the subjects were not all listed");
        course = (course + 1) % shape.courses;
        state.ResumeTiming();
    }
}

void assembleTests(benchmark::State &state)
{
    const int subjects = static_cast<int>(state.range(0));
    const int questions = static_cast<int>(state.range(1));
    QList<player::SubjectChoice> choices;
    for (int s = 0; s < shape.subjects; ++s) {
        player::SubjectChoice choice;
        choice.name = bench::subjectName(s);
        choice.chosen = s < subjects;
        choice.option = bench::optionName(0);
        choice.available = QString::number(shape.questions);
        choices.append(choice);
    }
    std::mt19937_64 generator(9);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const player::RandomSource random = [&] { return uniform(generator); };
    const QString course = courseFolder(0);
    for (auto _ : state) {
        const QList<player::AssembledTest> tests =
            player::assembleTests(choices, questions, course, random, player::kMaxTests);
        benchmark::DoNotOptimize(tests.data());
        if (tests.size() != subjects || tests.last().paths.size() != questions)
            state.SkipWithError("wrong number of tests or questions");
    }
}

void testWindowLoad(benchmark::State &state)
{
    const auto selection = selectionWith(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        auto *test = new player::Form3(selection->selection(), QStringLiteral("Anna"), nullptr, selection.get());
        bench::showAndPaint(test);
        state.PauseTiming();
        if (test->testCount() != state.range(0))
            state.SkipWithError("wrong number of tests");
        test->setAttribute(Qt::WA_DeleteOnClose, false);
        delete test;
        selection->setEnabled(true);
        bench::settle();
        state.ResumeTiming();
    }
}

// One test of all 100 questions of a subject, in the order drawn.
struct DisplayFixture {
    std::unique_ptr<player::Form2> selection = selectionWith(1, 100);
    player::Form3 *test = nullptr;

    DisplayFixture()
    {
        test = new player::Form3(selection->selection(), QStringLiteral("Anna"), nullptr, selection.get());
        test->setAttribute(Qt::WA_DeleteOnClose, false);
        bench::showAndPaint(test);
        test->Command1_Click(0);
        bench::settle();
    }
    ~DisplayFixture()
    {
        delete test;
        bench::settle();
    }

    int rowOf(bench::Kind kind) const
    {
        const QStringList &paths = test->List2[0];
        for (int row = 0; row < paths.size(); ++row) {
            const int n = QFileInfo(paths[row]).completeBaseName().toInt();
            if (bench::kindOf(n) == kind)
                return row;
        }
        return -1;
    }
};

DisplayFixture *display = nullptr;

void questionDisplay(benchmark::State &state, bench::Kind kind)
{
    if (!display)
        display = new DisplayFixture;
    player::Form3 *test = display->test;
    const int row = display->rowOf(kind);
    if (row < 0) {
        state.SkipWithError("no question of this kind was drawn");
        return;
    }
    QListWidget *list = test->List1(0);
    for (auto _ : state) {
        // A click on the entry: the question is read and shown, then painted.
        list->setCurrentRow(row);
        test->List1_Click(0);
        bench::settle();
        state.PauseTiming();
        if (!test->Label18->text().isEmpty())
            state.SkipWithError(qPrintable(test->Label18->text()));
        // The pupil closes the viewer before the next question.
        if (player::Form5 *viewer = test->attachmentViewer())
            viewer->close();
        bench::settle();
        state.ResumeTiming();
    }
}

void pictureDecoding(benchmark::State &state, const char *name)
{
    const QString path = programFolder + QStringLiteral("/Graficos/") + QLatin1String(name);
    for (auto _ : state) {
        QImageReader reader(path);
        const QImage image = reader.read();
        if (image.isNull())
            state.SkipWithError("the picture could not be read");
        benchmark::DoNotOptimize(image.constBits());
    }
}

void registerAll()
{
    using benchmark::kMillisecond;
    benchmark::RegisterBenchmark("selection/load", selectionLoad)->Unit(kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("selection/courseClick", courseClick)->Unit(kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("assembleTests", assembleTests)
        ->Args({16, 100})
        ->ArgNames({"subjects", "questions"})
        ->Unit(kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("testWindow/load", testWindowLoad)
        ->Args({16, 100})
        ->ArgNames({"subjects", "questions"})
        ->Unit(kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("decode/1MP", pictureDecoding, bench::kSmallPhoto)->Unit(kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("decode/12MP", pictureDecoding, bench::kLargePhoto)->Unit(kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("decode/graphic1MP", pictureDecoding, bench::kSmallGraphic)
        ->Unit(kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("decode/graphic12MP", pictureDecoding, bench::kLargeGraphic)
        ->Unit(kMillisecond)
        ->UseRealTime();
    for (int k = 0; k < bench::kKinds; ++k) {
        const auto kind = static_cast<bench::Kind>(k);
        const std::string name = std::string("display/") + bench::kindName(kind);
        benchmark::RegisterBenchmark(name.c_str(), questionDisplay, kind)->Unit(kMillisecond)->UseRealTime();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BRENLOQ"));
    ui::useProgramStyle();

    std::unique_ptr<QTemporaryDir> generated;
    programFolder = bench::takeBankArgument(argc, argv, QStringLiteral("player"));
    if (programFolder.isEmpty()) {
        generated = std::make_unique<QTemporaryDir>();
        programFolder = generated->path();
        bench::makeProgramFolder(programFolder, shape);
    }
    shape.courses = static_cast<int>(QDir(programFolder + QStringLiteral("/Preguntas")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
    shape.subjects = static_cast<int>(QDir(courseFolder(0)).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());

    auto &platform = ui::installRecordingPlatform();
    platform.folder = programFolder;
    player::resetState();
    player::state().programFolder = programFolder;

    registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    delete display;
    benchmark::Shutdown();
    return 0;
}
