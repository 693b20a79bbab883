#include "app/vorticade.h"

#include <QApplication>

#ifdef SWIRLFALL_TEST_HOOKS
#include "game/ScoreStore.h"
#include "levels/LevelCatalogue.h"

#include <cstdio>

// Test builds only: with SWIRLFALL_SAVE_LOOP set, rewrite "scores.dat" through the save that a
// record makes, alternately with the file's own times and with each time 10 ms better, and
// report every save on stdout, until killed. The kill test checks the file after each kill.
static int saveLoop()
{
    const QString fileName = QStringLiteral("scores.dat");
    const QList<quint32> old = ScoreStore::load(fileName, LevelCatalogue::levelCount);
    QList<quint32> better = old;
    for (quint32 &time : better)
        time -= 10;
    for (long saves = 1;; ++saves) {
        if (!ScoreStore::save(fileName, saves % 2 ? better : old))
            return 1;
        std::printf("%ld\n", saves);
        std::fflush(stdout);
    }
}
#endif

int main(int argc, char **argv)
{
#ifdef SWIRLFALL_TEST_HOOKS
    if (qEnvironmentVariableIsSet("SWIRLFALL_SAVE_LOOP"))
        return saveLoop();
#endif
    QApplication app(argc, argv);
    vorticade window(nullptr);
    window.show();
    QObject::connect(&app, SIGNAL(lastWindowClosed()), &app, SLOT(quit()));
    QObject::connect(&window, SIGNAL(exit()), &app, SLOT(quit()));
    return app.exec();
}
