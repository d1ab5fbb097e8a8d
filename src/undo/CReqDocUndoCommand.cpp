#include "undo/CReqDocUndoCommand.h"

#include "document/CReqDoc.h"
#include "document/CReqDocChange.h"

CReqDocUndoCommand::CReqDocUndoCommand(CReqDoc& doc, std::unique_ptr<CReqDocChange> change,
                                       const QString& name)
    : QUndoCommand(name), m_doc(doc), m_change(std::move(change)) {}

CReqDocUndoCommand::~CReqDocUndoCommand() = default;

void CReqDocUndoCommand::undo() {
    m_change->Undo();
    m_bDone = false;
    m_doc.ShowUndoStep(*m_change);
}

void CReqDocUndoCommand::redo() {
    if (m_bDone)
        return;
    m_change->Redo();
    m_bDone = true;
    m_doc.ShowUndoStep(*m_change);
}
