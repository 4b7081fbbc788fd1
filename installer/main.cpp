#include "form1.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("INSTALAR BRENLOQ"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    auto *window = new installer::Form1;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return app.exec();
}
