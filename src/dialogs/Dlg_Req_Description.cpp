#include "dialogs/Dlg_Req_Description.h"

#include "dialogs/DVPageWidgets.h"
#include "document/CReqDoc.h"
#include "model/Requirement.h"
#include "model/StringIds.h"

#include <QFormLayout>

Dlg_Req_Description::Dlg_Req_Description(CReqDoc* doc, Requirement* requirement, bool* changed,
                                         QWidget* parent)
    : CDVPropertyPage(doc, QStringLiteral("Description and Type"), parent),
      m_pRequirement(requirement),
      m_pChanged(changed),
      m_fields(this),
      m_type(new QComboBox(this)),
      m_linkage(new QComboBox(this)) {
    auto* form = new QFormLayout(this);
    m_fields.AddUpperRows(form, QStringLiteral("Title:"));
    form->addRow(QStringLiteral("Requirement-Type:"), m_type);
    form->addRow(QStringLiteral("Linkage-Type:"), m_linkage);
    m_fields.AddLowerRows(form);
    m_fields.SetTabOrder({m_type, m_linkage});
}

void Dlg_Req_Description::OnInitPage() {
    m_bReady = m_pRequirement != nullptr && m_pDocument != nullptr && m_pChanged != nullptr;
    if (!m_bReady) {
        return;
    }
    FillValueNameCombo(m_type, m_pDocument, VALUE_FUNCTIONAL, VALUE_FUNCTIONAL + 3, 0);
    FillValueNameCombo(m_linkage, m_pDocument, VALUE_AND, VALUE_AND + 2, 4);
    m_nTypeAtStart = m_pRequirement->m_nType;
    m_fields.Show(*m_pRequirement);
    m_type->setCurrentIndex(m_pRequirement->m_nType);
    m_linkage->setCurrentIndex(m_pRequirement->m_nLinkage);
    connect(m_type, &QComboBox::currentIndexChanged, this, &Dlg_Req_Description::OnTypeSelected);
}

void Dlg_Req_Description::OnTypeSelected(int index) {
    if (index < 0) {
        return;
    }
    if (!m_pRequirement->MayTakeType(index)) {
        index = Requirement::Functional;
        const QSignalBlocker block(m_type);
        m_type->setCurrentIndex(index);
    }
    m_pRequirement->m_nType = index;
}

bool Dlg_Req_Description::ValidatePage() {
    return !m_bReady || m_pRequirement->MayTakeType(m_type->currentIndex());
}

bool Dlg_Req_Description::ApplyPage() {
    if (!m_bReady) {
        return false;
    }
    const int type = m_type->currentIndex();
    const int linkage = m_linkage->currentIndex();
    const bool changed =
        m_fields.Differ(*m_pRequirement) || type != m_nTypeAtStart || linkage != m_pRequirement->m_nLinkage;
    if (changed) {
        *m_pChanged = true;
    }
    m_fields.Write(*m_pRequirement);
    m_pRequirement->m_nType = type;
    m_pRequirement->m_nLinkage = linkage;
    return changed;
}

void Dlg_Req_Description::CancelPage() {
    if (m_bReady) {
        m_pRequirement->m_nType = m_nTypeAtStart;
    }
}
