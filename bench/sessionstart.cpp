// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The start of a quiz session as a pupil waits for it, with the player's real
// windows and platform, from the folder it lies in (put it in the program
// folder, as bench_session): the start window's button to the selection
// window shown, a click on the first course to its subject rows, and the
// selection window's start button, with every subject ticked, to the test
// window shown and painted. Prints one JSON object a line for each step, as
// bench_spawn does, and exits 0 when the test window came up.
//   bench_sessionstart [--json FILE]

#include "bigbank.h"

#include "player/form1.h"
#include "player/form2.h"
#include "player/form3.h"
#include "player/playerstate.h"
#include "player/wavplayer.h"

#include "support/testsupport.h"
#include "ui/platform.h"
#include "ui/programstyle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <cstdio>
#include <cstring>

namespace {

std::FILE *out = stdout;

void step(const char *label, const QElapsedTimer &clock)
{
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    std::fprintf(out, "{\"label\": \"%s\", \"runs\": 1, \"failures\": 0, \"median_ms\": %.1f}\n", label, ms);
    if (out != stdout)
        std::printf("  %-40s %8.1f ms\n", label, ms);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--json") == 0)
        out = std::fopen(argv[2], "a");
    if (!out)
        return 2;
    QApplication::setApplicationName(QStringLiteral("BRENLOQ"));
    ui::useProgramStyle();
    player::installDesktopPlatform();
    player::state().programFolder = ui::platform().programFolder();

    auto *start = new player::Form1;
    start->setAttribute(Qt::WA_DeleteOnClose);
    bench::showAndPaint(start);
    testsupport::typeInto(start->Text1, QStringLiteral("Anna"));
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(start->Command1, Qt::LeftButton);
    player::Form2 *selection = start->form2();
    if (!selection)
        return 1;
    bench::showAndPaint(selection);
    step("selection window shown", clock);

    clock.restart();
    QTest::mouseClick(selection->Label1(0), Qt::LeftButton);
    bench::settle();
    step("course chosen, subjects listed", clock);
    for (int k = 0; k < selection->subjectCount; ++k) {
        QCheckBox *box = selection->Check1(k);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }

    clock.restart();
    QTest::mouseClick(selection->Command1, Qt::LeftButton);
    bench::settle();
    player::Form3 *test = player::Form3::open();
    if (!test)
        return 1;
    bench::showAndPaint(test);
    step("session start, test window shown", clock);
    if (out != stdout)
        std::fclose(out);
    return 0;
}
