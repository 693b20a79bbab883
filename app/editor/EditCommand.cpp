#include "app/editor/EditCommand.h"

#include "app/editor/LevelDocument.h"

EditCommand::EditCommand(LevelDocument *document, const LevelDraft &before, const LevelDraft &after,
                         const QString &text, int mergeId)
    : QUndoCommand(text),
      document(document),
      before(before),
      after(after),
      mergeId(mergeId)
{
}

void EditCommand::undo()
{
    document->setDraft(before);
}

void EditCommand::redo()
{
    document->setDraft(after);
}

bool EditCommand::mergeWith(const QUndoCommand *other)
{
    after = static_cast<const EditCommand *>(other)->after;
    // Up then down again: nothing is left to undo, and the level is as saved if it was.
    setObsolete(after.sameAs(before));
    return true;
}
