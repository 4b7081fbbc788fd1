// One program's first window, built as that program's main() builds it (the
// quiz player's start window, the editor window, the installer window) or, as
// the reference, a trivial Qt Widgets window. Once the window is exposed and
// painted the process ends at once, without tearing anything down, so that
// timing the process from outside gives its start-up to the first window.
// With --stay it runs on like a program (the trivial one under X).

#include <QApplication>
#include <QStyleFactory>
#include <QWindow>

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
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    player::state().programFolder = ui::platform().programFolder();
    return new player::Form1;
#elif BENCH_PROGRAM == 2
    QApplication::setApplicationName(QStringLiteral("Editor"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    return new editor::Form1;
#elif BENCH_PROGRAM == 3
    QApplication::setApplicationName(QStringLiteral("INSTALAR BRENLOQ"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
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
    const bool stay = argc > 1 && std::strcmp(argv[argc - 1], "--stay") == 0;
    QApplication app(argc, argv);
    QWidget *window = firstWindow();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    if (stay)
        return app.exec();

    QWindow *handle = window->windowHandle();
    while (!handle->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents(); // the paint the exposure asked for
    std::fflush(stdout);
    ::_exit(0);
}
