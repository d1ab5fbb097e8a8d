#include "dialogs/Dlg_Req_Created.h"

#include "dialogs/Dlg_QuickSelect.h"
#include "document/CReqDoc.h"
#include "model/CUseCase.h"
#include "model/Requirement.h"
#include "model/StringIds.h"
#include "views/CViewDVTreeList.h"
#include "views/CViewUseCaseSteps.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace {

bool Contains(const DVIdArray& ids, quint32 id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// The ids of the first list that the second lacks, in list order.
DVIdArray Missing(const DVIdArray& from, const DVIdArray& in) {
    DVIdArray missing;
    std::copy_if(from.begin(), from.end(), std::back_inserter(missing),
                 [&in](quint32 id) { return !Contains(in, id); });
    return missing;
}

QString PageTitle(Dlg_Req_Created::Mode mode) {
    return mode == Dlg_Req_Created::RequirementMode ? QStringLiteral("Created Reqs / Use Cases")
                                                    : QStringLiteral("Created Requirements");
}

}  // namespace

Dlg_Req_Created::Dlg_Req_Created(CReqDoc* doc, Mode mode, CDVUserDefinedParList* object,
                                 CViewDVTreeList* view, bool* changed, QWidget* parent)
    : CDVPropertyPage(doc, PageTitle(mode), parent),
      m_nMode(mode),
      m_pObject(object),
      m_pView(view),
      m_pChanged(changed) {
    static const char* const kLabels[kRowCount] = {
        "Created Requirements (ID):", "Created by following Requirements (ID):", "Created Use Cases (ID):",
        "Created by following Use Cases (ID):"};
    auto* grid = new QGridLayout(this);
    for (int row = 0; row < kRowCount; ++row) {
        m_labels[row] = new QLabel(QString::fromLatin1(kLabels[row]), this);
        m_lists[row] = new QPlainTextEdit(this);
        m_lists[row]->setReadOnly(true);
        m_lists[row]->setTabChangesFocus(true);
        m_buttons[row] = new QPushButton(QStringLiteral("Edit"), this);
        m_buttons[row]->setAutoDefault(false);
        grid->addWidget(m_labels[row], 2 * row, 0, 1, 2);
        grid->addWidget(m_lists[row], 2 * row + 1, 0);
        grid->addWidget(m_buttons[row], 2 * row + 1, 1, Qt::AlignTop);
        connect(m_buttons[row], &QPushButton::clicked, this, [this, row] { EditRow(row); });
        // Rows the mode does not use stay disabled.
        const bool used = row < (mode == RequirementMode ? 4 : mode == UseCaseMode ? 2 : 1);
        m_labels[row]->setEnabled(used);
        m_lists[row]->setEnabled(used);
        m_buttons[row]->setEnabled(used);
    }
}

std::vector<Dlg_Req_Created::Link> Dlg_Req_Created::Links() const {
    switch (m_nMode) {
        case RequirementMode: {
            auto* requirement = static_cast<Requirement*>(m_pObject);
            return {
                {&requirement->m_createdRequirements, FIELD_REQUIREMENTS,
                 Dlg_QuickSelect::CreatedRequirements, false},
                {&requirement->m_derivedFromRequirements, FIELD_DERIVED_FROM_REQUIREMENTS,
                 Dlg_QuickSelect::DerivedFromRequirements, false},
                {&requirement->m_createdUseCases, FIELD_USE_CASES, Dlg_QuickSelect::CreatedUseCases, true},
                {&requirement->m_derivedFromUseCases, FIELD_DERIVED_FROM_USE_CASES,
                 Dlg_QuickSelect::DerivedFromUseCases, true}};
        }
        case UseCaseMode: {
            auto* useCase = static_cast<CUseCase*>(m_pObject);
            return {{&useCase->m_createdRequirements, FIELD_UC_REQUIREMENTS,
                     Dlg_QuickSelect::UseCaseRequirements, false},
                    {&useCase->m_derivedFromRequirements, FIELD_UC_DERIVED_FROM_REQUIREMENTS,
                     Dlg_QuickSelect::UseCaseDerivedFrom, false}};
        }
        case StepMode:
            return {{&static_cast<CStep*>(m_pObject)->m_stepRequirements, FIELD_STEP_REQUIREMENTS,
                     Dlg_QuickSelect::StepRequirements, false}};
    }
    return {};
}

void Dlg_Req_Created::OnInitPage() {
    m_bReady = m_pObject != nullptr && m_pDocument != nullptr && m_pView != nullptr && m_pChanged != nullptr;
    if (!m_bReady) {
        return;
    }
    for (const Link& link : Links()) {
        m_original.push_back(*link.ids);
    }
    ShowLists();
}

void Dlg_Req_Created::ShowLists() {
    const std::vector<Link> links = Links();
    for (std::size_t row = 0; row < links.size(); ++row) {
        m_lists[row]->setPlainText(FormatIdList(m_pDocument, *links[row].ids, links[row].useCases));
    }
}

void Dlg_Req_Created::EditRow(int row) {
    const std::vector<Link> links = Links();
    if (!m_bReady || row < 0 || row >= int(links.size())) {
        return;
    }
    m_pView->EditLinkCell(m_pObject, links[std::size_t(row)].fieldId, true);
    if (m_nMode == StepMode) {
        // The page carries out the removals the user confirmed, at its OK.
        auto* step = static_cast<CStep*>(m_pObject);
        for (const quint32 id : step->m_pendingRemovals) {
            if (!Contains(m_confirmedRemovals, id)) {
                m_confirmedRemovals.push_back(id);
            }
        }
        step->m_pendingRemovals.clear();
    }
    ShowLists();
}

bool Dlg_Req_Created::ApplyPage() {
    if (!m_bReady) {
        return false;
    }
    const std::vector<Link> links = Links();
    bool changed = false;
    for (std::size_t row = 0; row < links.size(); ++row) {
        const DVIdArray added = Missing(*links[row].ids, m_original[row]);
        const DVIdArray removed = Missing(m_original[row], *links[row].ids);
        if (added.empty() && removed.empty()) {
            continue;
        }
        changed = true;
        if (m_nMode == StepMode) {
            UpdateStepPartners(added, removed);
        } else {
            Dlg_QuickSelect partners(this);
            partners.SetDocument(m_pDocument);
            partners.SetObject(m_pObject);
            partners.SetMode(links[row].quickSelectMode);
            partners.UpdatePartners(added, removed);
        }
    }
    if (changed) {
        *m_pChanged = true;
    }
    return changed;
}

void Dlg_Req_Created::UpdateStepPartners(const DVIdArray& added, const DVIdArray& removed) {
    const auto* stepsView = dynamic_cast<CViewUseCaseSteps*>(m_pView);
    if (stepsView == nullptr || stepsView->GetUseCase() == nullptr) {
        return;
    }
    const qint32 useCaseId = stepsView->GetUseCase()->m_nId;
    for (const quint32 id : added) {
        m_pDocument->AddRequirementOfUseCase(useCaseId, qint32(id), true, true);
    }
    for (const quint32 id : removed) {
        if (Contains(m_confirmedRemovals, id)) {
            m_pDocument->RemoveRequirementOfUseCase(useCaseId, qint32(id), true, true);
        }
    }
}

void Dlg_Req_Created::CancelPage() {
    if (!m_bReady) {
        return;
    }
    const std::vector<Link> links = Links();
    for (std::size_t row = 0; row < links.size(); ++row) {
        *links[row].ids = m_original[row];
    }
}
