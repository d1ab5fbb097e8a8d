#pragma once

#include "dialogs/CDVPropertyPage.h"
#include "dialogs/DVObjectTextFields.h"

class CDVUserDefinedParList;
class QComboBox;

// "Description": texts and type of an actor, a use case or a step.
class Dlg_DVData_Description : public CDVPropertyPage {
    Q_OBJECT
public:
    Dlg_DVData_Description(CReqDoc* doc, CDVUserDefinedParList* object, bool actorMode, bool stepMode,
                           bool* changed, QWidget* parent = nullptr);

    bool ApplyPage() override;

    const DVObjectTextFields& Fields() const { return m_fields; }
    QComboBox* TypeCombo() const { return m_type; }

protected:
    void OnInitPage() override;

private:
    qint32& StoredType() const;

    CDVUserDefinedParList* m_pObject;
    bool m_bActorMode;
    bool m_bStepMode;
    bool* m_pChanged;
    bool m_bReady = false;

    DVObjectTextFields m_fields;
    QComboBox* m_type;
};
