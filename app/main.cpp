#include "app/CommandLine.h"
#include "app/ConsoleCommands.h"
#include "app/GameStart.h"
#include "app/Translation.h"
#include "app/vorticade.h"

#include <QApplication>

namespace {
// Named once, as Qt's conventions want: the user's data folder and the desktop's matching of the
// window to its entry follow from it. No organisation name: it would put the data folder one
// level deeper than where earlier versions kept the records.
void describeApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("swirlfall"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SWIRLFALL_VERSION));
    QCoreApplication::setOrganizationDomain(QStringLiteral("swirlfall.org"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.swirlfall.Swirlfall"));
}
} // namespace

int main(int argc, char **argv)
{
    describeApplication();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // What needs no window is answered without one, and so is a file that cannot be used: no
    // display is asked for. Read once before any application object exists, then again, once the
    // translators are in, for the messages in the player's language.
    GameStart start;
    QString why;
    const CommandLine first = CommandLine::parse(arguments);
    if (!first.wantsWindow() || !GameStart::load(first, &start, &why)) {
        QCoreApplication console(argc, argv);
        Translation::install(console);
        const CommandLine options = CommandLine::parse(arguments);
        if (!options.wantsWindow())
            return ConsoleCommands::answer(options);
        GameStart::load(options, &start, &why);
        return ConsoleCommands::refuse(why);
    }

    QApplication app(argc, argv);
    Translation::install(app);
    vorticade window(nullptr, start.scoreFile);
    // A message box has said why.
    if (!start.open(window))
        return ConsoleCommands::refusedStatus;
    QObject::connect(&app, SIGNAL(lastWindowClosed()), &app, SLOT(quit()));
    QObject::connect(&window, SIGNAL(exit()), &app, SLOT(quit()));
    return app.exec();
}
