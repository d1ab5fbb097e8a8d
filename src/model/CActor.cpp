#include "model/CActor.h"

#include "model/CReqProject.h"
#include "model/StringIds.h"

CActor::CActor(qint32 id) : CDVUserDefinedParList(id, QStringLiteral("New Actor")) {}

CActor::CActor(qint32 id, const CActor& source, CReqProject* doc)
    : CDVUserDefinedParList(id, source), m_nKind(source.m_nKind) {
    for (const auto& function : source.m_functions) {
        auto copy = std::make_unique<CFunction>(*function);
        if (doc != nullptr) {
            copy->m_nId = ++doc->m_nLastFunctionId;
        }
        m_functions.push_back(std::move(copy));
    }
    for (const auto& parameter : source.m_actorParameters) {
        auto copy = std::make_unique<DVParameter>(*parameter);
        if (doc != nullptr) {
            copy->m_nId = ++doc->m_nLastActorParameterId;
        }
        m_actorParameters.push_back(std::move(copy));
    }
}

bool CActor::SetFieldText(const QString& text, int fieldId, bool& handled, CReqProject* doc) {
    const bool result = CDVUserDefinedParList::SetFieldText(text, fieldId, handled, doc);
    if (handled) {
        return result;
    }
    handled = fieldId == FIELD_ACTOR_PARAMETER || fieldId == FIELD_ACTOR_FUNCTIONS;
    return handled;
}

QString ParameterTypeName(const CReqProject* doc, qint32 type) {
    int valueName = 0;
    switch (type) {
        case DVParameter::TypeText:
            valueName = VALUE_TYPE_TEXT;
            break;
        case DVParameter::TypeNumber:
            valueName = VALUE_TYPE_NUMBER;
            break;
        case DVParameter::TypeList:
            valueName = VALUE_TYPE_LIST;
            break;
        default:
            return QStringLiteral("Error");
    }
    return doc != nullptr ? doc->GetValueName(valueName) : QString();
}

QString CActor::ParameterText(const CReqProject* doc) const {
    QString text;
    for (const auto& parameter : m_actorParameters) {
        const QString entry =
            QStringLiteral("%1 (%2)").arg(parameter->m_strName, ParameterTypeName(doc, parameter->m_nType));
        text = text.isEmpty() ? entry : QStringLiteral("%1, %2").arg(text, entry);
    }
    return text;
}

QString CActor::FunctionsText() const {
    QString text;
    bool first = true;
    for (const auto& function : m_functions) {
        text =
            first ? function->FunctionText() : QStringLiteral("%1, %2").arg(text, function->FunctionText());
        first = false;
    }
    return text;
}
