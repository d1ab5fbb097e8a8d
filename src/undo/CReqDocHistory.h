#pragma once

#include "document/DVUndoHistory.h"

#include <QUndoStack>

class CReqDoc;

// The undo stack of one document. Its clean step is the saved state; moving on the stack sets the
// document's modified flag.
class CReqDocHistory : public DVUndoHistory {
public:
    // Gives the document its history and returns the stack.
    static QUndoStack* Attach(CReqDoc& doc);
    // The stack of a document, null when it has no history.
    static QUndoStack* StackOf(const CReqDoc& doc);

    explicit CReqDocHistory(CReqDoc& doc);

    void Push(std::unique_ptr<CReqDocChange> change, const QString& name) override;
    void Clear() override;
    void SetClean() override;

    QUndoStack& Stack() { return m_stack; }

private:
    CReqDoc& m_doc;
    QUndoStack m_stack;
    bool m_bClearing = false;
};
