// OK of Dlg_QuickSelect: collecting the checked items, the questions, and applying the selection to the
// edited list and its partners.
#include "dialogs/Dlg_QuickParSelect.h"
#include "dialogs/Dlg_QuickSelect.h"

#include "document/CReqDoc.h"
#include "platform/DVMessageBox.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace {

bool Contains(const DVIdArray& ids, quint32 id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

QString ItemLines(const QStringList& titles) {
    QString lines;
    for (const QString& title : titles) {
        lines += QStringLiteral("   -   %1\n").arg(title);
    }
    return lines;
}

// Yes means the user wants to edit the selection again.
bool AskReedit(const QString& text) {
    return DVMessageBox(text, DV::MB_YESNO | DV::MB_ICONEXCLAMATION) == DV::IDYES;
}

bool AskYesNo(const QString& text) {
    return DVMessageBox(text, DV::MB_YESNO | DV::MB_ICONQUESTION | DV::MB_DEFBUTTON2) == DV::IDYES;
}

}  // namespace

DVIdArray* Dlg_QuickSelect::EditedList() const {
    switch (m_nMode) {
        case StepRequirements:
            return &m_pStep->m_stepRequirements;
        case StepActsOn:
            return &m_pStep->m_actsOn;
        case StepCallingFunctions:
            return &m_pStep->m_callingFunctions;
        case CreatedRequirements:
            return &m_pRequirement->m_createdRequirements;
        case DerivedFromRequirements:
            return &m_pRequirement->m_derivedFromRequirements;
        case CreatedUseCases:
            return &m_pRequirement->m_createdUseCases;
        case DerivedFromUseCases:
            return &m_pRequirement->m_derivedFromUseCases;
        case UseCaseDerivedFrom:
            return &m_pUseCase->m_derivedFromRequirements;
        case UseCaseRequirements:
            return &m_pUseCase->m_createdRequirements;
        default:
            return nullptr;
    }
}

const DVIdArray* Dlg_QuickSelect::UseCaseDerivedFromList() const {
    if (m_nMode == StepRequirements) {
        return &m_pStepUseCase->m_derivedFromRequirements;
    }
    return m_nMode == UseCaseRequirements ? &m_pUseCase->m_derivedFromRequirements : nullptr;
}

bool Dlg_QuickSelect::IsFunctionalRequirement(quint32 id) const {
    const Requirement* requirement = m_pDocument->FindRequirement(qint32(id));
    return requirement != nullptr && requirement->m_nType == Requirement::Functional;
}

void Dlg_QuickSelect::CollectSelection() {
    m_selection.clear();
    m_aboveList.clear();
    m_belowList.clear();
    const DVIdArray* derivedFrom = UseCaseDerivedFromList();
    const bool listsPosition = m_nMode == StepRequirements || m_nMode == CreatedRequirements ||
                               m_nMode == DerivedFromRequirements || m_nMode == UseCaseRequirements;
    bool passedReference = false;
    for (QTreeWidgetItemIterator it(m_tree); *it != nullptr; ++it) {
        const QTreeWidgetItem* item = *it;
        const quint32 id = item->data(0, IdRole).toUInt();
        const QString title = item->text(0);
        if (id == m_nReferenceId) {
            passedReference = true;
        }
        if (UsesMarkers()) {
            if (item->data(0, MarkerRole).toInt() != Selected) {
                continue;
            }
        } else {
            if (item->checkState(0) != Qt::Checked) {
                continue;
            }
            if ((!m_bReferenceCheckOff && id == m_nReferenceId) ||
                (derivedFrom != nullptr && Contains(*derivedFrom, id))) {
                DVMessageBox(
                    QStringLiteral("Linkage to itself is not permitted. Selection of item \"%1\" will "
                                   "be ignored.")
                        .arg(title),
                    DV::MB_OK | DV::MB_ICONEXCLAMATION);
                continue;
            }
        }
        m_selection.push_back(id);
        if (listsPosition) {
            (passedReference ? m_belowList : m_aboveList).append(title);
        }
        if (m_nMode == UseCaseDerivedFrom && !IsFunctionalRequirement(id)) {
            m_belowList.append(title);
            m_selection.pop_back();
        }
    }
}

bool Dlg_QuickSelect::UserWantsToReedit() {
    const bool below = m_bCheckBelow && !m_belowList.isEmpty();
    if (below || (m_bCheckAbove && !m_aboveList.isEmpty())) {
        const QString text =
            QStringLiteral(
                "Selection of items %1 the item \"%2\" in the tree-list may cause "
                "circle-dependencies, which impossibilitates the verification of all "
                "requirements.\nThose items are:\n")
                .arg(below ? QStringLiteral("below") : QStringLiteral("above"), m_strReferenceName) +
            ItemLines(below ? m_belowList : m_aboveList) +
            QStringLiteral("Do you whish to reedit the item-list?");
        if (AskReedit(text)) {
            return true;
        }
    }
    if (m_nMode == UseCaseDerivedFrom && !m_belowList.isEmpty()) {
        const QString text = QStringLiteral(
                                 "It is not permitted to select Requirements which are not functional.\n"
                                 "Following Requirements will be ignored:\n") +
                             ItemLines(m_belowList) + QStringLiteral("Do you whish to reedit item-list?");
        if (AskReedit(text)) {
            return true;
        }
    }
    if (m_nMode == DerivedFromUseCases) {
        const int own = m_pDocument->m_requirements.IndexOf(m_pRequirement);
        QString lines;
        for (const quint32 id : m_selection) {
            const CUseCase* useCase = m_pDocument->FindUseCase(qint32(id));
            if (useCase == nullptr) {
                continue;
            }
            const Requirement* first = nullptr;
            int firstPosition = -1;
            for (const quint32 requirementId : useCase->m_derivedFromRequirements) {
                const Requirement* requirement = m_pDocument->FindRequirement(qint32(requirementId));
                const int position = m_pDocument->m_requirements.IndexOf(requirement);
                if (position >= 0 && (first == nullptr || position < firstPosition)) {
                    first = requirement;
                    firstPosition = position;
                }
            }
            if (first != nullptr && firstPosition <= own) {
                lines += QStringLiteral("   -  Use-Case \"%1\" which is derived from Requirement \"%2\"\n")
                             .arg(useCase->GetTitle(), first->GetTitle());
            }
        }
        if (!lines.isEmpty() &&
            AskReedit(
                QStringLiteral("There are selected Use-Cases which are derived from Requirements which are "
                               "above the Requirement \"%1\" in the tree-list.\nThis may cause "
                               "circle-dependencies, which impossibilitates the verification of all "
                               "requirements.\nThose selected Use-Cases are:\n%2\nDo you whish to "
                               "reedit the item-list?")
                    .arg(m_pRequirement->GetTitle(), lines))) {
            return true;
        }
    }
    if (m_nMode == StepActor && m_selection.size() > 1) {
        DVMessageBox(QStringLiteral("Please, select only one Actor."), DV::MB_OK | DV::MB_ICONEXCLAMATION);
        return true;
    }
    return false;
}

void Dlg_QuickSelect::accept() {
    if (!m_bInitialised) {
        QDialog::accept();
        return;
    }
    CollectSelection();
    if (UserWantsToReedit()) {
        return;
    }
    switch (m_nMode) {
        case StepInputValues:
        case StepOutputValues:
            if (!ApplyParameterValues()) {
                return;
            }
            break;
        case StepActor:
            ApplyActor();
            break;
        default:
            ApplyIdList();
            break;
    }
    QDialog::accept();
}

bool Dlg_QuickSelect::ApplyParameterValues() {
    const bool output = m_nMode == StepOutputValues;
    std::vector<DVParameterValue> values;
    if (output || !m_selection.empty()) {
        Dlg_QuickParSelect valuesDialog(m_pDocument, m_pStep, m_selection, output, this);
        if (valuesDialog.exec() != QDialog::Accepted) {
            return false;
        }
        values = valuesDialog.Values();
    }
    std::vector<DVParameterValue>& current = output ? m_pStep->m_outputValues : m_pStep->m_inputValues;
    bool differ = values.size() != current.size();
    for (std::size_t i = 0; !differ && i < values.size(); ++i) {
        const auto it = std::find_if(current.begin(), current.end(), [&](const DVParameterValue& value) {
            return value.m_nParameterId == values[i].m_nParameterId;
        });
        differ = it == current.end() || !ValuesEqual(m_pDocument, values[i], *it);
    }
    if (differ) {
        current = std::move(values);
        m_bChanged = true;
    }
    return true;
}

void Dlg_QuickSelect::ApplyActor() {
    const qint32 actor = m_selection.empty() ? 0 : qint32(m_selection.front());
    if (actor != m_pStep->m_nActorId) {
        m_pStep->m_nActorId = actor;
        m_bChanged = true;
    }
}

void Dlg_QuickSelect::ApplyIdList() {
    DVIdArray* list = EditedList();
    if (list == nullptr) {
        return;
    }
    DVIdArray added;
    DVIdArray removed;
    for (const quint32 id : m_selection) {
        if (!Contains(*list, id)) {
            added.push_back(id);
        }
    }
    for (const quint32 id : *list) {
        if (!Contains(m_selection, id)) {
            removed.push_back(id);
        }
    }
    if (added.empty() && removed.empty()) {
        return;
    }
    *list = m_selection;
    m_bChanged = true;
    if (!m_bDeferred) {
        for (const quint32 id : added) {
            AddPartner(id);
        }
    }
    for (const quint32 id : removed) {
        RemovePartner(id);
    }
}

void Dlg_QuickSelect::UpdatePartners(const DVIdArray& added, const DVIdArray& removed) {
    m_bDeferred = false;
    m_bRemovalsConfirmed = true;
    for (const quint32 id : added) {
        AddPartner(id);
    }
    for (const quint32 id : removed) {
        RemovePartner(id);
    }
}

void Dlg_QuickSelect::AddPartner(quint32 id) {
    const qint32 x = qint32(id);
    switch (m_nMode) {
        case StepRequirements:
            m_pDocument->AddRequirementOfUseCase(m_pStepUseCase->m_nId, x, true, true);
            break;
        case CreatedRequirements:
            m_pDocument->AddRequirementLink(x, m_pRequirement->m_nId, false);
            break;
        case DerivedFromRequirements:
            m_pDocument->AddRequirementLink(m_pRequirement->m_nId, x, true);
            break;
        case CreatedUseCases:
            m_pDocument->AddUseCaseOfRequirement(x, m_pRequirement->m_nId, false);
            break;
        case DerivedFromUseCases:
            m_pDocument->AddRequirementOfUseCase(x, m_pRequirement->m_nId, true, false);
            break;
        case UseCaseDerivedFrom:
            m_pDocument->AddUseCaseOfRequirement(m_pUseCase->m_nId, x, true);
            break;
        case UseCaseRequirements:
            m_pDocument->AddRequirementOfUseCase(m_pUseCase->m_nId, x, false, false);
            break;
        default:
            break;
    }
}

void Dlg_QuickSelect::RemovePartner(quint32 id) {
    const qint32 x = qint32(id);
    switch (m_nMode) {
        case StepRequirements:
            if (ConfirmStepRequirementRemoval(id)) {
                if (m_bDeferred) {
                    // The edit sheet's created-links page carries the removal out at its OK.
                    m_pStep->m_pendingRemovals.push_back(id);
                } else {
                    m_pDocument->RemoveRequirementOfUseCase(m_pStepUseCase->m_nId, x, true, true);
                }
            }
            break;
        case UseCaseRequirements:
            if (!m_bRemovalsConfirmed && !ConfirmUseCaseRequirementRemoval(id)) {
                m_pUseCase->m_createdRequirements.push_back(id);
            } else if (!m_bDeferred) {
                m_pDocument->RemoveRequirementOfUseCase(m_pUseCase->m_nId, x, false, false);
            }
            break;
        default:
            if (m_bDeferred) {
                break;
            }
            if (m_nMode == CreatedRequirements) {
                m_pDocument->RemoveRequirementLink(x, m_pRequirement->m_nId, false);
            } else if (m_nMode == DerivedFromRequirements) {
                m_pDocument->RemoveRequirementLink(m_pRequirement->m_nId, x, true);
            } else if (m_nMode == CreatedUseCases) {
                m_pDocument->RemoveUseCaseOfRequirement(x, m_pRequirement->m_nId, false);
            } else if (m_nMode == DerivedFromUseCases) {
                m_pDocument->RemoveRequirementOfUseCase(x, m_pRequirement->m_nId, true, false);
            } else if (m_nMode == UseCaseDerivedFrom) {
                m_pDocument->RemoveUseCaseOfRequirement(m_pUseCase->m_nId, x, true);
            }
            break;
    }
}

bool Dlg_QuickSelect::ConfirmStepRequirementRemoval(quint32 id) {
    for (const CStep* step : m_pStepUseCase->m_steps) {
        if (step != m_pStep && Contains(step->m_stepRequirements, id)) {
            return false;
        }
    }
    // A requirement that is gone is in no list of the use case any more.
    const Requirement* requirement = m_pDocument->FindRequirement(qint32(id));
    if (requirement == nullptr) {
        return false;
    }
    return AskYesNo(QStringLiteral("Would you like to remove the Requirement \"%1\" also from the "
                                   "requirement-list of Use-Case \"%2\"?")
                        .arg(requirement->GetTitle(), m_pStepUseCase->GetTitle()));
}

bool Dlg_QuickSelect::ConfirmUseCaseRequirementRemoval(quint32 id) {
    const bool usedByStep =
        std::any_of(m_pUseCase->m_steps.begin(), m_pUseCase->m_steps.end(),
                    [id](const CStep* step) { return Contains(step->m_stepRequirements, id); });
    const Requirement* requirement = m_pDocument->FindRequirement(qint32(id));
    if (!usedByStep || requirement == nullptr) {
        return true;
    }
    return AskYesNo(
        QStringLiteral("The Requirement \"%1\" also exists in at least one Use-Case Step within the "
                       "Use-Case \"%2\".\nAre you sure that you want to remove this Requirement "
                       "not\nonly from the Use-Case, but also from every Use-Case Step?")
            .arg(requirement->GetTitle(), m_pUseCase->GetTitle()));
}
