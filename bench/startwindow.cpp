// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One program's first window, built as that program's main() builds it (the
// quiz player's start window, the editor window, the installer window) or, as
// the reference, a trivial Qt Widgets window. Once the window is exposed and
// painted the process ends at once, without tearing anything down, so that
// timing the process from outside gives its start-up to the first window.
// With --stay it runs on like a program (the trivial one under X); with
// --stages it prints how long each step took from the start of main(); with
// --full-screen the window covers the screen, as the test window does.

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QWindow>

#if BENCH_PROGRAM != 0
#include "ui/programstyle.h"
#endif
#if BENCH_PROGRAM == 1
#include "player/form1.h"
#include "player/playerstate.h"
#include "ui/platform.h"
#elif BENCH_PROGRAM == 2
#include "editor/form1.h"
#elif BENCH_PROGRAM == 3
#include "installer/form1.h"
#else
#include <QLabel>
#endif

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

QWidget *firstWindow()
{
#if BENCH_PROGRAM == 1
    QApplication::setApplicationName(QStringLiteral("BRENLOQ"));
    ui::useProgramStyle();
    player::state().programFolder = ui::platform().programFolder();
    return new player::Form1;
#elif BENCH_PROGRAM == 2
    QApplication::setApplicationName(QStringLiteral("Editor"));
    ui::useProgramStyle();
    return new editor::Form1;
#elif BENCH_PROGRAM == 3
    QApplication::setApplicationName(QStringLiteral("INSTALAR BRENLOQ"));
    ui::useProgramStyle();
    return new installer::Form1;
#else
    auto *label = new QLabel(QStringLiteral("Hello"));
    label->setWindowTitle(QStringLiteral("Trivial"));
    label->resize(360, 400);
    return label;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    bool stay = false;
    bool stages = false;
    bool fullScreen = false;
    for (int i = 1; i < argc; ++i) {
        stay = stay || std::strcmp(argv[i], "--stay") == 0;
        stages = stages || std::strcmp(argv[i], "--stages") == 0;
        fullScreen = fullScreen || std::strcmp(argv[i], "--full-screen") == 0;
    }
    QApplication app(argc, argv);
    const double appMs = clock.nsecsElapsed() / 1e6;
    QWidget *window = firstWindow();
    const double builtMs = clock.nsecsElapsed() / 1e6;
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (fullScreen && window->screen())
        window->setGeometry(window->screen()->availableGeometry());
    window->show();
    if (stay)
        return app.exec();

    QWindow *handle = window->windowHandle();
    while (!handle->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents(); // the paint the exposure asked for
    if (stages)
        std::printf("application %.1f ms, window built %.1f ms, shown and painted %.1f ms\n", appMs,
                    builtMs - appMs, clock.nsecsElapsed() / 1e6 - builtMs);
    std::fflush(stdout);
    ::_exit(0);
}
