#include "model/CStep.h"

#include "model/CReqProject.h"
#include "model/StringIds.h"

CStep::CStep(qint32 id) : CDVUserDefinedParList(id, QStringLiteral("New Step")) {}

CStep::CStep(const CStep& source) : CStep(source.m_nId, source) {}

CStep::CStep(qint32 id, const CStep& source)
    : CDVUserDefinedParList(id, source),
      m_strNumber(source.m_strNumber),
      m_nType(source.m_nType),
      m_strTimeRequirement(source.m_strTimeRequirement),
      m_stepRequirements(source.m_stepRequirements),
      m_nActorId(source.m_nActorId),
      m_actsOn(source.m_actsOn),
      m_inputValues(source.m_inputValues),
      m_outputValues(source.m_outputValues),
      m_callingFunctions(source.m_callingFunctions),
      m_pendingRemovals(source.m_pendingRemovals) {}

bool CStep::SetFieldText(const QString& text, int fieldId, bool& handled, CReqProject* doc) {
    const bool result = CDVUserDefinedParList::SetFieldText(text, fieldId, handled, doc);
    if (handled) {
        return result;
    }
    if (fieldId == FIELD_TIME_REQUIREMENT) {
        handled = true;
        return AssignText(m_strTimeRequirement, text);
    }
    handled =
        fieldId == FIELD_STEP_NUMBER || (fieldId >= FIELD_INPUT_VALUES && fieldId <= FIELD_CALLING_FUNCTIONS);
    return handled;
}

bool ValuesEqual(const CReqProject* doc, const DVParameterValue& a, const DVParameterValue& b) {
    if (doc == nullptr || a.m_nParameterId != b.m_nParameterId) {
        return false;
    }
    const DVParameter* definition = doc->FindActorParameter(a.m_nParameterId);
    return definition != nullptr && SameValue(definition, a, b);
}

bool ValueArraysEqual(const CReqProject* doc, const std::vector<DVParameterValue>& a,
                      const std::vector<DVParameterValue>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!ValuesEqual(doc, a[i], b[i])) {
            return false;
        }
    }
    return true;
}

namespace {

QString JoinTexts(const QString& text, const QString& entry, bool first) {
    return first ? entry : QStringLiteral("%1, %2").arg(text, entry);
}

}  // namespace

bool CStep::IsEqual(const CStep& other, const CReqProject* doc) const {
    return m_strNumber == other.m_strNumber && m_nType == other.m_nType &&
           m_strTimeRequirement == other.m_strTimeRequirement &&
           m_stepRequirements == other.m_stepRequirements && m_nActorId == other.m_nActorId &&
           m_actsOn == other.m_actsOn && ValueArraysEqual(doc, m_inputValues, other.m_inputValues) &&
           ValueArraysEqual(doc, m_outputValues, other.m_outputValues) &&
           m_callingFunctions == other.m_callingFunctions && m_pendingRemovals == other.m_pendingRemovals;
}

QString CStep::ActorText(const CReqProject* doc) const {
    const CActor* actor = doc != nullptr ? doc->FindActor(m_nActorId) : nullptr;
    return actor != nullptr ? actor->m_strTitle : QString();
}

QString CStep::ActsOnText(const CReqProject* doc) const {
    QString text;
    bool first = true;
    for (quint32 id : m_actsOn) {
        const CActor* actor = doc != nullptr ? doc->FindActor(static_cast<qint32>(id)) : nullptr;
        if (actor != nullptr) {
            text = JoinTexts(text, actor->m_strTitle, first);
            first = false;
        }
    }
    return text;
}

QString CStep::CallingFunctionsText(const CReqProject* doc) const {
    QString text;
    bool first = true;
    for (quint32 id : m_callingFunctions) {
        const CFunction* function = doc != nullptr ? doc->FindFunction(static_cast<qint32>(id)) : nullptr;
        if (function != nullptr) {
            text = JoinTexts(text, function->FunctionText(), first);
            first = false;
        }
    }
    return text;
}

QString CStep::ValuesText(const CReqProject* doc, const std::vector<DVParameterValue>& values) {
    QString text;
    bool first = true;
    for (const DVParameterValue& value : values) {
        const DVParameter* definition =
            doc != nullptr ? doc->FindActorParameter(value.m_nParameterId) : nullptr;
        if (definition != nullptr) {
            text = JoinTexts(
                text, QStringLiteral("%1 = %2").arg(definition->m_strName, GetValueText(definition, value)),
                first);
            first = false;
        }
    }
    return text;
}
