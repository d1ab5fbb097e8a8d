#pragma once

#include <QDialog>

class CFunction;
class QLineEdit;

// "Edit Function": return value, name and parameter list of one function, written as typed on OK.
class Dlg_FunctionEdit : public QDialog {
    Q_OBJECT
public:
    explicit Dlg_FunctionEdit(CFunction* function, QWidget* parent = nullptr);

    QLineEdit* ReturnValueEdit() const { return m_returnValue; }
    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* ParametersEdit() const { return m_parameters; }

    void accept() override;

private:
    CFunction* m_pFunction;
    QLineEdit* m_returnValue;
    QLineEdit* m_name;
    QLineEdit* m_parameters;
};
