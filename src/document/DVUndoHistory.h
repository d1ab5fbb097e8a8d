#pragma once

#include <QString>

#include <memory>

class CReqDocChange;

// The undo history of a document. The core only hands recorded steps over; the application keeps them
// (on a QUndoStack) and takes them back and forth.
class DVUndoHistory {
public:
    virtual ~DVUndoHistory() = default;
    // Takes a step that is already done.
    virtual void Push(std::unique_ptr<CReqDocChange> change, const QString& name) = 0;
    // Forgets every step: the document's content was replaced or emptied.
    virtual void Clear() = 0;
    // The document was saved or loaded: the current step is the clean one.
    virtual void SetClean() = 0;
};
