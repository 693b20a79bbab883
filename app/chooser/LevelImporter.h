#ifndef SWIRLFALL_LEVELIMPORTER_H
#define SWIRLFALL_LEVELIMPORTER_H

#include "levels/puzzles/LevelGenerator.h"

#include <QObject>
#include <QString>

class LevelImport;
class QWidget;

// Levels brought into My levels from the chooser: level files or a folder as a set, asked for in
// a file dialog, or a level file made here (a puzzle); then a box says what was added, renamed,
// there already and refused, and the first level added is offered to be shown.
class LevelImporter : public QObject
{
    Q_OBJECT

public:
    // Copies into myLevels; dialogs and boxes open over window.
    LevelImporter(const QString &myLevels, QWidget *window);

public slots:
    void addFiles();
    void addSet();
    // Keeps a puzzle as a level file named after its seed, the same file in every language.
    void addPuzzle(const LevelGenerator::Generated &puzzle);

signals:
    // The first level added, or else the first already there: where it is now.
    void added(const QString &path);

private:
    // Says what was done, titled so, then offers the first level added.
    void report(const LevelImport &done, const QString &title);

    QString myLevels;
    QWidget *window;
};

#endif
