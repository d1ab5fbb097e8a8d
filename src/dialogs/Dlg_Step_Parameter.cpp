#include "dialogs/Dlg_Step_Parameter.h"

#include "document/CReqDoc.h"
#include "model/CStep.h"
#include "model/StringIds.h"
#include "views/CViewDVTreeList.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

struct RowSpec {
    const char* label;
    const char* button;
    int fieldId;
};

constexpr RowSpec kRows[Dlg_Step_Parameter::kLinkRows] = {
    {"Actor:", "Edit Actor", FIELD_ACTOR},
    {"Acts on:", "Edit", FIELD_ACTS_ON},
    {"Calling Functions:", "Edit", FIELD_CALLING_FUNCTIONS},
    {"Input Value Requirements:", "Edit", FIELD_INPUT_VALUES},
    {"Output Value Requirements:", "Edit", FIELD_OUTPUT_VALUES},
};

}  // namespace

Dlg_Step_Parameter::Dlg_Step_Parameter(CReqDoc* doc, CStep* step, CViewDVTreeList* view, bool* changed,
                                       QWidget* parent)
    : CDVPropertyPage(doc, QStringLiteral("Step Parameter"), parent),
      m_pStep(step),
      m_pView(view),
      m_pChanged(changed),
      m_timeRequirement(new QLineEdit(this)) {
    auto* grid = new QGridLayout(this);
    for (int row = 0; row < kLinkRows; ++row) {
        m_texts[row] = new QPlainTextEdit(this);
        m_texts[row]->setReadOnly(true);
        m_texts[row]->setTabChangesFocus(true);
        m_buttons[row] = new QPushButton(QString::fromLatin1(kRows[row].button), this);
        m_buttons[row]->setAutoDefault(false);
        grid->addWidget(new QLabel(QString::fromLatin1(kRows[row].label), this), row, 0, Qt::AlignTop);
        grid->addWidget(m_texts[row], row, 1);
        grid->addWidget(m_buttons[row], row, 2, Qt::AlignTop);
        connect(m_buttons[row], &QPushButton::clicked, this, [this, row] { EditRow(row); });
    }
    grid->addWidget(new QLabel(QStringLiteral("Time Requirement:"), this), kLinkRows, 0);
    grid->addWidget(m_timeRequirement, kLinkRows, 1, 1, 2);
}

Dlg_Step_Parameter::~Dlg_Step_Parameter() = default;

void Dlg_Step_Parameter::OnInitPage() {
    if (m_pStep == nullptr || m_pDocument == nullptr || m_pView == nullptr || m_pChanged == nullptr) {
        return;
    }
    m_pCopy = std::make_unique<CStep>(*m_pStep);
    m_timeRequirement->setText(m_pCopy->m_strTimeRequirement);
    ShowTexts();
}

void Dlg_Step_Parameter::ShowTexts() {
    m_texts[RowActor]->setPlainText(m_pCopy->ActorText(m_pDocument));
    m_texts[RowActsOn]->setPlainText(m_pCopy->ActsOnText(m_pDocument));
    m_texts[RowCallingFunctions]->setPlainText(m_pCopy->CallingFunctionsText(m_pDocument));
    m_texts[RowInputValues]->setPlainText(CStep::ValuesText(m_pDocument, m_pCopy->m_inputValues));
    m_texts[RowOutputValues]->setPlainText(CStep::ValuesText(m_pDocument, m_pCopy->m_outputValues));
}

void Dlg_Step_Parameter::EditRow(int row) {
    if (!m_pCopy || row < 0 || row >= kLinkRows) {
        return;
    }
    m_pView->EditLinkCell(m_pCopy.get(), kRows[row].fieldId, true);
    ShowTexts();
}

bool Dlg_Step_Parameter::CopyDiffers() const {
    return m_pCopy->m_nActorId != m_pStep->m_nActorId || m_pCopy->m_actsOn != m_pStep->m_actsOn ||
           m_pCopy->m_callingFunctions != m_pStep->m_callingFunctions ||
           !ValueArraysEqual(m_pDocument, m_pCopy->m_inputValues, m_pStep->m_inputValues) ||
           !ValueArraysEqual(m_pDocument, m_pCopy->m_outputValues, m_pStep->m_outputValues) ||
           m_pCopy->m_strTimeRequirement != m_pStep->m_strTimeRequirement;
}

bool Dlg_Step_Parameter::ApplyPage() {
    if (!m_pCopy) {
        return false;
    }
    m_pCopy->m_strTimeRequirement = m_timeRequirement->text();
    if (!CopyDiffers()) {
        return false;
    }
    *m_pChanged = true;
    m_pStep->m_nActorId = m_pCopy->m_nActorId;
    m_pStep->m_actsOn = m_pCopy->m_actsOn;
    m_pStep->m_callingFunctions = m_pCopy->m_callingFunctions;
    m_pStep->m_inputValues = m_pCopy->m_inputValues;
    m_pStep->m_outputValues = m_pCopy->m_outputValues;
    m_pStep->m_strTimeRequirement = m_pCopy->m_strTimeRequirement;
    return true;
}
