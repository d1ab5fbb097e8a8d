#include "dialogs/Dlg_DVData_Description.h"

#include "dialogs/DVPageWidgets.h"
#include "model/CActor.h"
#include "model/CStep.h"
#include "model/CUseCase.h"

#include <QComboBox>
#include <QFormLayout>

namespace {

struct TypeItem {
    const char* text;
    int icon;
};

constexpr TypeItem kActorTypes[] = {{"Actor", 9}, {"Folder", 3}};
constexpr TypeItem kUseCaseTypes[] = {{"Use Case", 10}, {"Folder", 3}};
constexpr TypeItem kStepTypes[] = {
    {"Simple Step", 11},     {"If Statement", 12},    {"Else If Statement", 13}, {"Else Statement", 14},
    {"Endif Statement", 15}, {"Fork Node", 16},       {"Join Node", 17},         {"Goto Statement", 18},
    {"Successful End", 19},  {"Unsuccessful End", 20}};

QString TypeLabel(bool actorMode, bool stepMode) {
    return actorMode  ? QStringLiteral("Actor-Type:")
           : stepMode ? QStringLiteral("Step Type:")
                      : QStringLiteral("Use-Case Type:");
}

}  // namespace

Dlg_DVData_Description::Dlg_DVData_Description(CReqDoc* doc, CDVUserDefinedParList* object, bool actorMode,
                                               bool stepMode, bool* changed, QWidget* parent)
    : CDVPropertyPage(doc, QStringLiteral("Description"), parent),
      m_pObject(object),
      m_bActorMode(actorMode),
      m_bStepMode(stepMode),
      m_pChanged(changed),
      m_fields(this),
      m_type(new QComboBox(this)) {
    auto* form = new QFormLayout(this);
    m_fields.AddUpperRows(form, QStringLiteral("Name:"));
    form->addRow(TypeLabel(actorMode, stepMode), m_type);
    m_fields.AddLowerRows(form);
    m_fields.SetTabOrder({m_type});
}

qint32& Dlg_DVData_Description::StoredType() const {
    if (m_bActorMode) {
        return static_cast<CActor*>(m_pObject)->m_nKind;
    }
    if (m_bStepMode) {
        return static_cast<CStep*>(m_pObject)->m_nType;
    }
    return static_cast<CUseCase*>(m_pObject)->m_nKind;
}

void Dlg_DVData_Description::OnInitPage() {
    m_bReady = m_pObject != nullptr && m_pChanged != nullptr;
    if (!m_bReady) {
        return;
    }
    m_fields.Show(*m_pObject);
    auto fill = [this](const auto& items) {
        for (const TypeItem& item : items) {
            m_type->addItem(ImageListIcon(item.icon), QString::fromLatin1(item.text));
        }
    };
    if (m_bActorMode) {
        fill(kActorTypes);
    } else if (m_bStepMode) {
        fill(kStepTypes);
    } else {
        fill(kUseCaseTypes);
    }
    m_type->setCurrentIndex(StoredType());
}

bool Dlg_DVData_Description::ApplyPage() {
    if (!m_bReady) {
        return false;
    }
    const int type = m_type->currentIndex();
    const bool changed = m_fields.Differ(*m_pObject) || (type >= 0 && type != StoredType());
    if (changed) {
        *m_pChanged = true;
    }
    m_fields.Write(*m_pObject);
    // An out-of-range stored type that the combo could not show stays as it is.
    if (type >= 0) {
        StoredType() = type;
    }
    return changed;
}
