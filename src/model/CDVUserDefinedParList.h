#pragma once

#include "model/CDVData.h"
#include "model/DVParameterValue.h"

#include <optional>
#include <vector>

// An object that carries values of the project's user-defined parameters.
class CDVUserDefinedParList : public CDVData {
public:
    using CDVData::CDVData;
    CDVUserDefinedParList(qint32 id, const CDVUserDefinedParList& source);

    // Parameter columns (field ids from 100000).
    bool SetFieldText(const QString& text, int fieldId, bool& handled, CReqProject* doc) override;

    // The first value of the definition with that identifier, or null.
    const DVParameterValue* FindParameterValue(qint32 parameterId) const;
    DVParameterValue* FindParameterValue(qint32 parameterId);
    // Appends a value for the definition, creating the list on the first value.
    DVParameterValue& AddParameterValue(qint32 parameterId);

    // Absent until the object receives its first value.
    std::optional<std::vector<DVParameterValue>> m_pParameterValues;
};
