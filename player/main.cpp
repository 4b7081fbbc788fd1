#include "form1.h"
#include "playerstate.h"
#include "wavplayer.h"

#include "ui/platform.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BRENLOQ"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    player::installDesktopPlatform();
    player::state().programFolder = ui::platform().programFolder();

    // The test window closes the start window when it loads.
    auto *start = new player::Form1;
    start->setAttribute(Qt::WA_DeleteOnClose);
    start->show();
    return app.exec();
}
