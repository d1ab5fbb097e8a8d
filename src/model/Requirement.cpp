#include "model/Requirement.h"

#include "model/CReqProject.h"
#include "model/StringIds.h"
#include "platform/DVMessageBox.h"

#include <QSet>

Requirement::Requirement(qint32 id) : CDVVerificationData(id, QStringLiteral("New Requirement")) {}

Requirement::Requirement(qint32 id, const Requirement& source)
    : CDVVerificationData(id, source),
      m_nType(source.m_nType),
      m_nLinkage(source.m_nLinkage),
      m_createdUseCases(source.m_createdUseCases),
      m_derivedFromUseCases(source.m_derivedFromUseCases) {}

namespace {

// Sets an enumeration field from its choice text; a text that is not in the list changes nothing.
bool SetChoice(qint32& field, const QString& choices, const QString& text) {
    const int index = static_cast<int>(choices.split(u'|').indexOf(text));
    if (index < 0 || index == field) {
        return false;
    }
    field = index;
    return true;
}

}  // namespace

bool Requirement::SetFieldText(const QString& text, int fieldId, bool& handled, CReqProject* doc) {
    const bool result = CDVVerificationData::SetFieldText(text, fieldId, handled, doc);
    if (handled) {
        return result;
    }
    handled = true;
    switch (fieldId) {
        case FIELD_LINKAGE:
        case FIELD_LINKAGE_TEXT:
            return doc != nullptr && SetChoice(m_nLinkage, doc->GetAndOrIgnoreChoices(), text);
        case FIELD_REQUIREMENT_TYPE:
            return doc != nullptr && SetChoice(m_nType, doc->GetRequirementTypeChoices(), text);
        default:
            return SetPhaseFieldText(text, fieldId, handled, doc, FIELD_APPROVED, FIELD_VERIFIED,
                                     FIELD_APPROVAL_DESCRIPTION, FIELD_VERIFICATION_DESCRIPTION);
    }
}

bool Requirement::MayTakeType(int type) const {
    if (type == Functional || m_createdUseCases.empty()) {
        return true;
    }
    DVMessageBox(
        QStringLiteral("It is not permitted to change the requirement type, because this Requirement "
                       "created at least one Use-Case.\nOnly Functional Requirements can create "
                       "Use-Cases.\nIf you wish to change the requiement type, please remove all "
                       "Use-Cases from the \"Use-Cases\"-list first."),
        DV::MB_OK | DV::MB_ICONEXCLAMATION);
    return false;
}

CDVVerificationData* Requirement::FindById(qint32 id, const CReqProject* doc) const {
    return doc != nullptr ? doc->FindRequirement(id) : nullptr;
}

int Requirement::GetNextInList(const CReqProject* doc) const {
    if (doc == nullptr) {
        return -1;
    }
    const int index = doc->m_requirements.IndexOf(this);
    return index < 0 || index + 1 >= doc->m_requirements.size() ? -1 : index + 1;
}

std::vector<Requirement*> Requirement::Children(const CReqProject* doc) const {
    std::vector<Requirement*> children;
    const int start = GetNextInList(doc);
    if (start < 0) {
        return children;
    }
    // The list is in pre-order, so the branch is the run of objects whose parent lies in the branch.
    // The walk ends where the branch ends (the next sibling or the end of an ancestor's branch).
    QSet<qint32> branch{m_nId};
    const auto& list = doc->m_requirements;
    for (int i = start; i < list.size(); ++i) {
        Requirement* object = list.at(i);
        if (object->m_bDeleted) {
            continue;
        }
        if (object->m_nParentId == m_nId) {
            children.push_back(object);
        } else if (object->m_nParentId == m_nParentId || !branch.contains(object->m_nParentId)) {
            break;
        }
        branch.insert(object->m_nId);
    }
    return children;
}

QString FormatIdList(const CReqProject* doc, const DVIdArray& ids, bool useCases) {
    QString text;
    if (doc == nullptr) {
        return text;
    }
    for (quint32 id : ids) {
        const CDVData* object = useCases
                                    ? static_cast<const CDVData*>(doc->FindUseCase(static_cast<qint32>(id)))
                                    : doc->FindRequirement(static_cast<qint32>(id));
        if (object == nullptr) {
            continue;
        }
        const QString entry =
            QStringLiteral("%1(%2)").arg(object->m_strTitle, QString::number(object->m_nId));
        text = text.isEmpty() ? entry : text + QStringLiteral(", ") + entry;
    }
    return text;
}
