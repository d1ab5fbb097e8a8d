#pragma once

#include "dialogs/CDVPropertyPage.h"
#include "dialogs/DVObjectTextFields.h"

class QComboBox;
class Requirement;

// "Description and Type": texts, requirement type and linkage type of a requirement. The type is written
// into the requirement as soon as it is selected, so the other pages and the quick selection see it;
// Cancel puts back the type the requirement had.
class Dlg_Req_Description : public CDVPropertyPage {
    Q_OBJECT
public:
    Dlg_Req_Description(CReqDoc* doc, Requirement* requirement, bool* changed, QWidget* parent = nullptr);

    // Refuses a type other than functional for a requirement that created use cases.
    bool ValidatePage() override;
    bool ApplyPage() override;
    void CancelPage() override;

    const DVObjectTextFields& Fields() const { return m_fields; }
    QComboBox* TypeCombo() const { return m_type; }
    QComboBox* LinkageCombo() const { return m_linkage; }

protected:
    void OnInitPage() override;

private:
    void OnTypeSelected(int index);

    Requirement* m_pRequirement;
    bool* m_pChanged;
    bool m_bReady = false;
    int m_nTypeAtStart = 0;

    DVObjectTextFields m_fields;
    QComboBox* m_type;
    QComboBox* m_linkage;
};
