#include "app/vorticade.h"

#include <QApplication>

#ifdef SWIRLFALL_TEST_HOOKS
#include "app/TestHooks.h"
#endif

int main(int argc, char **argv)
{
#ifdef SWIRLFALL_TEST_HOOKS
    int hookExit = 0;
    if (TestHooks::run(&hookExit))
        return hookExit;
#endif
    QApplication app(argc, argv);
    vorticade window(nullptr);
    window.show();
    QObject::connect(&app, SIGNAL(lastWindowClosed()), &app, SLOT(quit()));
    QObject::connect(&window, SIGNAL(exit()), &app, SLOT(quit()));
    return app.exec();
}
