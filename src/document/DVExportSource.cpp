#include "document/DVExportSource.h"

#include "document/CReqDoc.h"
#include "model/StringIds.h"
#include "platform/DVStringTable.h"

QString DVExportSource::HeaderText(const CReqDoc& doc, int fieldId) {
    if (fieldId >= FIELD_FIRST_PARAMETER) {
        const DVParameter* definition = doc.FindParameterByColumn(fieldId);
        return definition != nullptr ? definition->m_strName : LoadString(IDS_NOT_DEFINED);
    }
    return doc.GetHeaderText(fieldId);
}
