#pragma once

#include "dialogs/CDVPropertyPage.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

// "General Project Properties": project name and version numbering.
class Dlg_Project_General : public CDVPropertyPage {
    Q_OBJECT
public:
    explicit Dlg_Project_General(CReqDoc* doc, QWidget* parent = nullptr);

    bool ApplyPage() override;

    // Controls by their dialog ids, for tests and the sheet.
    QLineEdit* NameEdit() const { return m_name; }
    QRadioButton* ThreeDigitRadio() const { return m_threeDigit; }
    QRadioButton* UserDefinedRadio() const { return m_userDefined; }
    QSpinBox* MajorSpin() const { return m_major; }
    QSpinBox* MinorSpin() const { return m_minor; }
    QLineEdit* PrefixEdit() const { return m_prefix; }

protected:
    void OnInitPage() override;

private:
    void UpdateEnabling();

    QLineEdit* m_name;
    QRadioButton* m_threeDigit;
    QRadioButton* m_userDefined;
    QSpinBox* m_major;
    QSpinBox* m_minor;
    QLineEdit* m_numberAfterMinor;
    QLineEdit* m_prefix;
    QLineEdit* m_numberAfterPrefix;
};
