#include "app/editor/LevelDocument.h"

#include "app/editor/EditCommand.h"
#include "levels/format/LevelFile.h"
#include "levels/saves/AtomicWriter.h"

#include <QCoreApplication>

LevelDocument::LevelDocument(QObject *parent)
    : QObject(parent)
{
    startNew();
}

void LevelDocument::edit(const QString &what, const std::function<void(Level &)> &change, int mergeId)
{
    stack.push(new EditCommand(this, current, current.changed(change), what, mergeId));
}

void LevelDocument::prove(const Replay &proof)
{
    LevelDraft proven = current;
    proven.level.proof = proof;
    proven.proof = LevelDraft::Proven;
    proven.heldProof = proof;
    proven.heldFor = current.level.fingerprint();
    stack.push(new EditCommand(this, current, proven, QCoreApplication::translate("LevelDocument", "Prove"), NoMerge));
}

void LevelDocument::startNew(const QString &path)
{
    Level level;
    level.name = QCoreApplication::translate("LevelDocument", "New level");
    level.redWells = 1;
    level.blueWells = 1;
    startFrom(level, path);
}

void LevelDocument::startFrom(const Level &level, const QString &path)
{
    stack.clear();
    filePath = path;
    started = level;
    setDraft(LevelDraft::of(level));
}

bool LevelDocument::open(const QString &path, QString *error)
{
    Level level;
    if (!LevelFile::readFile(path, &level, error))
        return false;
    startFrom(level, path);
    return true;
}

bool LevelDocument::save(const QString &path, QString *error)
{
    // The note says what the level was made as, a puzzle's seed: true while it plays as it did.
    Level saved = current.level;
    if (!saved.playsLike(started))
        saved.note.clear();
    const QByteArray text = LevelFile::toText(saved).toUtf8();
    Level check;
    QString why;
    if (!LevelFile::read(text, &check, &why)) {
        // Only the lines of what was made can be wrong: the name, or a missing particle.
        *error = why.section(QStringLiteral(": "), 1);
        return false;
    }
    if (!AtomicWriter::write(path, text, &why)) {
        *error = QCoreApplication::translate("LevelDocument", "%1 cannot be written: %2").arg(path, why);
        return false;
    }
    filePath = path;
    stack.setClean();
    emit changed();
    return true;
}

void LevelDocument::setDraft(const LevelDraft &draft)
{
    current = draft;
    emit changed();
}
