#ifndef SWIRLFALL_EDITCOMMAND_H
#define SWIRLFALL_EDITCOMMAND_H

#include "app/editor/LevelDraft.h"

#include <QUndoCommand>

class LevelDocument;

// One change to a level being made, undone by putting back the whole draft it found: undo
// restores the level, and its proof, exactly.
class EditCommand : public QUndoCommand
{
public:
    // Consecutive changes with the same mergeId (not -1), such as the letters of a name typed
    // one by one, undo as one.
    EditCommand(LevelDocument *document, const LevelDraft &before, const LevelDraft &after, const QString &text,
                int mergeId);

    void undo() override;
    void redo() override;
    int id() const override { return mergeId; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    LevelDocument *document;
    LevelDraft before;
    LevelDraft after;
    int mergeId;
};

#endif
