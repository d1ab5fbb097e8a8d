#pragma once

#include <QString>

#include <memory>

class CDVData;
class CReqDoc;
class CReqDocChange;

// One user action as one undo step: what the document changes while the scope lives becomes one step
// named name, pushed when the scope ends and only if something changed. A scope inside another records
// nothing of its own, so an outer scope groups several actions (a replace of many cells) into one step.
// Without an undo history (the command-line tool) nothing is recorded.
class DVUndoScope {
public:
    enum Extent { ObjectsOnly, WithSettings };

    DVUndoScope(CReqDoc& doc, const QString& name, Extent extent = ObjectsOnly);
    ~DVUndoScope();
    DVUndoScope(const DVUndoScope&) = delete;
    DVUndoScope& operator=(const DVUndoScope&) = delete;

    // Keeps the record of an object that is changed without announcing it (edit sheets, quick selection).
    void Capture(CDVData* object);
    // The step name, when it is known only after the action started.
    void SetName(const QString& name) { m_name = name; }

private:
    CReqDoc& m_doc;
    QString m_name;
    std::unique_ptr<CReqDocChange> m_change;
};
