#include "app/widgets/KeyTable.h"

#include <QAction>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>

namespace {
constexpr int rowGap = 4;

// The key of a one-key sequence, without its modifiers.
int keyOf(const QKeySequence &sequence)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return sequence[0].key();
#else
    return sequence[0] & ~Qt::KeyboardModifierMask;
#endif
}
constexpr int columnGap = 16;
} // namespace

QString KeyTable::keysOf(const QAction *action)
{
    QStringList keys;
    for (const QKeySequence &key : action->shortcuts()) {
        // A key that keyboards of today lack, such as the platform's Undo as F14, is not listed.
        if (key.count() == 1 && keyOf(key) > Qt::Key_F12)
            continue;
        keys.append(key.toString(QKeySequence::NativeText));
    }
    return keys.join(QStringLiteral(", "));
}

KeyTable::KeyTable(const QList<QAction *> &actions, const QList<Row> &more, QWidget *parent)
    : QWidget(parent)
{
    for (const QAction *action : actions) {
        if (action->shortcuts().isEmpty())
            continue;
        QString what = action->statusTip();
        if (what.isEmpty())
            what = action->text().remove(QLatin1Char('&'));
        shown.append({keysOf(action), what});
    }
    shown += more;
    QGridLayout *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(rowGap);
    for (int i = 0; i < shown.size(); ++i) {
        QLabel *keys = new QLabel(QStringLiteral("<b>%1</b>").arg(shown.at(i).keys.toHtmlEscaped()), this);
        // Unwrapped: a grid of wrapped labels may squeeze them into too few lines.
        QLabel *what = new QLabel(shown.at(i).what, this);
        grid->addWidget(keys, i, 0, Qt::AlignTop);
        grid->addWidget(what, i, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(columnGap);
}
