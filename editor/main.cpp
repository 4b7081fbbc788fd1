#include "form1.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Editor"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    auto *editor = new editor::Form1;
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->show();
    return app.exec();
}
