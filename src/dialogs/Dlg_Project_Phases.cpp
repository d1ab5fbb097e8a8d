#include "dialogs/Dlg_Project_Phases.h"

#include "document/CReqDoc.h"
#include "model/DVParameter.h"
#include "platform/DVMessageBox.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

Dlg_Project_Phases::Dlg_Project_Phases(CReqDoc* doc, QWidget* parent)
    : CDVPropertyPage(doc, QStringLiteral("Project Phases"), parent),
      m_implementation(new QCheckBox(
          QStringLiteral("Implementation Phase: After the approval, but before the verification phase."),
          this)),
      m_validation(
          new QCheckBox(QStringLiteral("Validation Phase: After the verification as last phase."), this)),
      m_currency(new QLineEdit(this)),
      m_durationUnit(new QLineEdit(this)),
      m_grid(nullptr) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        WrappedLabel(QStringLiteral("In addition to approval phase and verification phase, following "
                                    "phases can be included for each requirement and each use case:"),
                     this));
    layout->addWidget(WrappedLabel(
        QStringLiteral("A) Except in very simple projects, implementation phases are usually necessary."),
        this));
    layout->addWidget(m_implementation);
    layout->addWidget(WrappedLabel(
        QStringLiteral(
            "B) Validation is used in advanced engineering projects, where additional checks are fulfilled."),
        this));
    layout->addWidget(m_validation);

    auto* costs = new QGroupBox(QStringLiteral("Cost and Duration of Project Phases"), this);
    auto* costsLayout = new QVBoxLayout(costs);
    costsLayout->addWidget(new QLabel(
        QStringLiteral("Double-click or right-click on cells in order to change default values:"), costs));
    // The grid sits in a frame of its own, 3 pixels inside it on every side.
    auto* frame = new QWidget(costs);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(3, 3, 3, 3);
    m_grid = new DV_TreeList(frame, TVS_EDITLABELS | TVS_FULLROWSELECT);
    m_grid->SetExtendedStyle(TLX_CELLSELECT | TLX_FULLROWSELECT | TLX_ROWLINES | TLX_COLUMNLINES,
                             TLX_CELLSELECT | TLX_FULLROWSELECT | TLX_ROWLINES | TLX_COLUMNLINES);
    m_grid->SetNotifyHandler(this);
    m_grid->setMinimumHeight(110);
    frameLayout->addWidget(m_grid);
    costsLayout->addWidget(frame);
    layout->addWidget(costs);

    auto* units = new QGroupBox(QStringLiteral("Project Units"), this);
    auto* unitsLayout = new QFormLayout(units);
    unitsLayout->addRow(QStringLiteral("Currency:"), m_currency);
    unitsLayout->addRow(QStringLiteral("Duration Unit:"), m_durationUnit);
    layout->addWidget(units);
    layout->addStretch();

    connect(m_currency, &QLineEdit::textChanged, this, &Dlg_Project_Phases::RedrawRows);
    connect(m_durationUnit, &QLineEdit::textChanged, this, &Dlg_Project_Phases::RedrawRows);
}

CDVDevelopmentStep& Dlg_Project_Phases::DocumentStep(int phase) const {
    switch (phase) {
        case CDVDevelopmentStep::Implementation:
            return m_pDocument->m_stepImplementation;
        case CDVDevelopmentStep::Verification:
            return m_pDocument->m_stepVerification;
        case CDVDevelopmentStep::Validation:
            return m_pDocument->m_stepValidation;
        default:
            return m_pDocument->m_stepApproval;
    }
}

void Dlg_Project_Phases::OnInitPage() {
    if (m_pDocument == nullptr) {
        return;
    }
    m_implementation->setChecked(m_pDocument->m_bImplementationPhase);
    m_validation->setChecked(m_pDocument->m_bValidationPhase);
    for (int phase = 0; phase < int(m_steps.size()); ++phase) {
        m_steps[size_t(phase)] = DocumentStep(phase);
    }
    for (const QString& title : {QStringLiteral("Project Phase"), QStringLiteral("Default Cost"),
                                 QStringLiteral("Default Duration")}) {
        TLColumn column;
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 150;
        column.text = title;
        m_grid->InsertColumn(m_grid->GetColumnCount(), column);
    }
    int phase = 0;
    for (const QString& name : {QStringLiteral("Approval"), QStringLiteral("Implementation"),
                                QStringLiteral("Verification"), QStringLiteral("Validation")}) {
        m_rows[size_t(phase++)] = m_grid->InsertItem(name);
    }
    // The unit texts redraw the rows as they are set.
    const QSignalBlocker blockCurrency(m_currency);
    const QSignalBlocker blockUnit(m_durationUnit);
    m_currency->setText(m_pDocument->m_strCurrency);
    m_durationUnit->setText(m_pDocument->m_strDurationUnit);
    RedrawRows();
}

void Dlg_Project_Phases::RedrawRows() {
    for (size_t phase = 0; phase < m_steps.size(); ++phase) {
        if (m_rows[phase] == 0) {
            continue;
        }
        m_grid->SetItemText(m_rows[phase], CostColumn,
                            m_steps[phase].CostText(m_pDocument, m_currency->text()));
        m_grid->SetItemText(m_rows[phase], DurationColumn,
                            m_steps[phase].DurationText(m_pDocument, m_durationUnit->text()));
    }
}

qintptr Dlg_Project_Phases::OnTreeListNotify(DV_TreeList&, TLNotify& notify) {
    switch (notify.code) {
        case NM_DBLCLK:
        case NM_RCLICK:
            BeginCellEdit(notify.hItem, notify.column);
            return 0;
        case NM_RETURN:
            return BeginCellEdit(notify.hItem, notify.column) ? 1 : 0;
        case TVN_ENDLABELEDITW:
            if (!notify.textNull) {
                EndCellEdit(notify.hItem, notify.column, notify.text);
            }
            return 1;
        default:
            return 0;
    }
}

bool Dlg_Project_Phases::BeginCellEdit(HTREEITEM row, int column) {
    if (row == 0 || (column != CostColumn && column != DurationColumn)) {
        return false;
    }
    return m_grid->EditLabel(row, quint32(column)) != nullptr;
}

void Dlg_Project_Phases::EndCellEdit(HTREEITEM row, int column, const QString& text) {
    const auto found = std::find(m_rows.begin(), m_rows.end(), row);
    // An editor closed on the shown text is no entry: "0 kEUR" would not read as a number.
    if (found == m_rows.end() || text == m_grid->GetItemText(row, column)) {
        return;
    }
    CDVDevelopmentStep& step = m_steps[size_t(found - m_rows.begin())];
    double value = 0.0;
    if (!ParseNumber(text, value)) {
        DVMessageBox(QStringLiteral("Invalid Number. Please enter a valid number."),
                     DV::MB_OK | DV::MB_ICONEXCLAMATION);
    } else if (column == CostColumn) {
        step.m_dCost = value;
    } else {
        step.m_dDuration = value;
    }
    RedrawRows();
}

bool Dlg_Project_Phases::ApplyPage() {
    if (m_pDocument == nullptr) {
        return false;
    }
    CReqDoc& doc = *m_pDocument;
    bool changed = m_implementation->isChecked() != doc.m_bImplementationPhase ||
                   m_validation->isChecked() != doc.m_bValidationPhase ||
                   m_currency->text() != doc.m_strCurrency || m_durationUnit->text() != doc.m_strDurationUnit;
    doc.m_bImplementationPhase = m_implementation->isChecked();
    doc.m_bValidationPhase = m_validation->isChecked();
    doc.m_strCurrency = m_currency->text();
    doc.m_strDurationUnit = m_durationUnit->text();
    for (int phase = 0; phase < int(m_steps.size()); ++phase) {
        CDVDevelopmentStep& target = DocumentStep(phase);
        if (!(target == m_steps[size_t(phase)])) {
            changed = true;
        }
        target = m_steps[size_t(phase)];
    }
    return changed;
}
