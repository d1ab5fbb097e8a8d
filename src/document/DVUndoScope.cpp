#include "document/DVUndoScope.h"

#include "document/CReqDoc.h"
#include "document/CReqDocChange.h"
#include "document/DVUndoHistory.h"

DVUndoScope::DVUndoScope(CReqDoc& doc, const QString& name, Extent extent) : m_doc(doc), m_name(name) {
    if (doc.UndoHistory() == nullptr || doc.m_pChangeObserver != nullptr)
        return;
    m_change = std::make_unique<CReqDocChange>(doc);
    m_change->Begin();
    if (extent == WithSettings)
        m_change->CaptureSettings();
}

DVUndoScope::~DVUndoScope() {
    if (m_change && m_change->Finish() && m_doc.UndoHistory() != nullptr)
        m_doc.UndoHistory()->Push(std::move(m_change), m_name);
}

void DVUndoScope::Capture(CDVData* object) {
    if (object != nullptr)
        m_doc.BeforeChange(object);
}
