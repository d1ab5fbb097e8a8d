#include "undo/CReqDocHistory.h"

#include "document/CReqDoc.h"
#include "document/CReqDocChange.h"
#include "undo/CReqDocUndoCommand.h"

QUndoStack* CReqDocHistory::Attach(CReqDoc& doc) {
    auto history = std::make_unique<CReqDocHistory>(doc);
    QUndoStack* stack = &history->Stack();
    doc.SetUndoHistory(std::move(history));
    return stack;
}

QUndoStack* CReqDocHistory::StackOf(const CReqDoc& doc) {
    auto* history = dynamic_cast<CReqDocHistory*>(doc.UndoHistory());
    return history != nullptr ? &history->Stack() : nullptr;
}

CReqDocHistory::CReqDocHistory(CReqDoc& doc) : m_doc(doc) {
    QObject::connect(&m_stack, &QUndoStack::indexChanged, &m_stack, [this] {
        if (!m_bClearing)
            m_doc.SetModifiedByUndo(m_stack.isClean());
    });
}

void CReqDocHistory::Push(std::unique_ptr<CReqDocChange> change, const QString& name) {
    m_stack.push(new CReqDocUndoCommand(m_doc, std::move(change), name));
}

void CReqDocHistory::Clear() {
    m_bClearing = true;
    m_stack.clear();
    m_bClearing = false;
}

void CReqDocHistory::SetClean() {
    m_stack.setClean();
}
