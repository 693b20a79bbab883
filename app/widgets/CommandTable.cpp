#include "app/widgets/CommandTable.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

namespace CommandTable {

QAction *action(const Command &command, const char *context, QWidget *window)
{
    QList<QKeySequence> keys;
    if (command.keys)
        keys = QKeySequence::listFromString(QCoreApplication::translate(context, command.keys));
    // The platform's own key where it has another (Ctrl+Shift+F for full screen on KDE, say).
    for (const QKeySequence &key : QKeySequence::keyBindings(command.standardKey)) {
        if (!keys.contains(key))
            keys.append(key);
    }
    QAction *made = new QAction(QCoreApplication::translate(context, command.caption), window);
    made->setObjectName(QLatin1String(command.name));
    made->setShortcuts(keys);
    made->setStatusTip(QCoreApplication::translate(context, command.help));
    window->addAction(made);
    return made;
}

} // namespace CommandTable
