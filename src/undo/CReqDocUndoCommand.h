#pragma once

#include <QUndoCommand>

#include <memory>

class CReqDoc;
class CReqDocChange;

// One recorded user action on the undo stack. It is pushed after the action was done, so its first
// redo() has nothing to do.
class CReqDocUndoCommand : public QUndoCommand {
public:
    CReqDocUndoCommand(CReqDoc& doc, std::unique_ptr<CReqDocChange> change, const QString& name);
    ~CReqDocUndoCommand() override;

    void undo() override;
    void redo() override;

    const CReqDocChange& Change() const { return *m_change; }

private:
    CReqDoc& m_doc;
    std::unique_ptr<CReqDocChange> m_change;
    bool m_bDone = true;
};
