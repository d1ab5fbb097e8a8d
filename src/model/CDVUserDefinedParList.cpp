#include "model/CDVUserDefinedParList.h"

#include "model/CReqProject.h"
#include "model/DVParameter.h"
#include "model/StringIds.h"

CDVUserDefinedParList::CDVUserDefinedParList(qint32 id, const CDVUserDefinedParList& source)
    : CDVData(id, source), m_pParameterValues(source.m_pParameterValues) {}

const DVParameterValue* CDVUserDefinedParList::FindParameterValue(qint32 parameterId) const {
    if (m_pParameterValues) {
        for (const DVParameterValue& value : *m_pParameterValues) {
            if (value.m_nParameterId == parameterId) {
                return &value;
            }
        }
    }
    return nullptr;
}

DVParameterValue* CDVUserDefinedParList::FindParameterValue(qint32 parameterId) {
    return const_cast<DVParameterValue*>(std::as_const(*this).FindParameterValue(parameterId));
}

DVParameterValue& CDVUserDefinedParList::AddParameterValue(qint32 parameterId) {
    if (!m_pParameterValues) {
        m_pParameterValues.emplace();
    }
    DVParameterValue& value = m_pParameterValues->emplace_back();
    value.m_nParameterId = parameterId;
    return value;
}

bool CDVUserDefinedParList::SetFieldText(const QString& text, int fieldId, bool& handled, CReqProject* doc) {
    const bool result = CDVData::SetFieldText(text, fieldId, handled, doc);
    if (handled) {
        return result;
    }
    if (fieldId < FIELD_FIRST_PARAMETER) {
        return false;
    }
    handled = true;
    if (doc == nullptr) {
        return false;
    }
    const DVParameter* definition = doc->FindParameterByColumn(fieldId);
    if (definition == nullptr) {
        handled = false;
        return false;
    }
    DVParameterValue* existing = FindParameterValue(definition->m_nId);
    if (definition->m_nType == DVParameter::TypeList) {
        const int index = FindItemIndex(*definition, text);
        if (index == -1) {
            return false;
        }
        if (existing != nullptr) {
            if (existing->m_nItem == index) {
                return false;
            }
            existing->m_nItem = index;
            return true;
        }
        AddParameterValue(definition->m_nId).m_nItem = index;
        return true;
    }
    DVParameterValue probe;
    if (!CheckAndConvert(definition, probe, text)) {
        return false;
    }
    if (existing != nullptr) {
        if (SameValue(definition, probe, *existing)) {
            return false;
        }
        return CheckAndConvert(definition, *existing, text);
    }
    return CheckAndConvert(definition, AddParameterValue(definition->m_nId), text);
}
