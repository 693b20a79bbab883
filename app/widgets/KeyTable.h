#ifndef SWIRLFALL_KEYTABLE_H
#define SWIRLFALL_KEYTABLE_H

#include <QList>
#include <QString>
#include <QWidget>

class QAction;

// A two-column list of keys (or mouse moves) and what each does: a window's actions that have a
// shortcut, each with its status tip, as bound; then any rows given. Made from the actions
// themselves, it cannot name a key that is not the one bound.
class KeyTable : public QWidget
{
    Q_OBJECT

public:
    struct Row
    {
        QString keys;
        QString what;
    };

    KeyTable(const QList<QAction *> &actions, const QList<Row> &more, QWidget *parent = nullptr);

    const QList<Row> &rows() const { return shown; }
    // The keys of an action, as shown: "Ctrl+O", or "F11, Ctrl+Shift+F".
    static QString keysOf(const QAction *action);

private:
    QList<Row> shown;
};

#endif
