#ifndef SWIRLFALL_VORTICADE_H
#define SWIRLFALL_VORTICADE_H

#include <QMainWindow>

// The one window: the playfield under a "Menu" and a "Levels" menu, driven by the frame timer.
class vorticade : public QMainWindow
{
    Q_OBJECT

public:
    // The game keeps its best times in scoreFileName.
    explicit vorticade(QWidget *parent = nullptr, const QString &scoreFileName = QStringLiteral("scores.dat"));
    ~vorticade() override;

signals:
    void exit();

public slots:
    void displayAbout();
};

#endif
