#include "model/CDVData.h"

#include "model/StringIds.h"

#include <utility>

CDVData::CDVData(qint32 id, QString title) : m_nId(id), m_strTitle(std::move(title)) {}

CDVData::CDVData(qint32 id, const CDVData& source)
    : m_nId(id),
      m_nPrevSiblingId(source.m_nPrevSiblingId),
      m_nParentId(source.m_nParentId),
      m_bDeleted(source.m_bDeleted),
      m_strTitle(source.m_strTitle),
      m_strDescription(source.m_strDescription),
      m_strComment(source.m_strComment),
      m_version(source.m_version),
      m_timeModified(source.m_timeModified) {}

bool AssignText(QString& field, const QString& text) {
    if (field == text) {
        return false;
    }
    field = text;
    return true;
}

bool CDVData::SetFieldText(const QString& text, int fieldId, bool& handled, CReqProject* /*doc*/) {
    handled = true;
    switch (fieldId) {
        case FIELD_DESCRIPTION:
            return AssignText(m_strDescription, text);
        case FIELD_TITLE:
        case FIELD_TITLE_COLUMN:
            return AssignText(m_strTitle, text);
        case FIELD_COMMENT:
            return AssignText(m_strComment, text);
        case FIELD_ID:
        case FIELD_VERSION:
        case FIELD_LAST_MODIFIED:
        case FIELD_LAST_APPROVAL_TIME:
        case FIELD_LAST_VERIFICATION_TIME:
        case FIELD_LAST_APPROVAL_VERSION:
        case FIELD_LAST_VERIFICATION_VERSION:
        case FIELD_LAST_IMPLEMENTATION_TIME:
        case FIELD_LAST_IMPLEMENTATION_VERSION:
        case FIELD_LAST_VALIDATION_TIME:
        case FIELD_LAST_VALIDATION_VERSION:
            return true;
        default:
            handled = false;
            return false;
    }
}
