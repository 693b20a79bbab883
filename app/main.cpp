#include "app/vorticade.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    vorticade window(nullptr);
    window.show();
    QObject::connect(&app, SIGNAL(lastWindowClosed()), &app, SLOT(quit()));
    QObject::connect(&window, SIGNAL(exit()), &app, SLOT(quit()));
    return app.exec();
}
