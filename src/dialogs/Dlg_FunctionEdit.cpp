#include "dialogs/Dlg_FunctionEdit.h"

#include "dialogs/DVOkCancel.h"
#include "model/CFunction.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

Dlg_FunctionEdit::Dlg_FunctionEdit(CFunction* function, QWidget* parent)
    : QDialog(parent),
      m_pFunction(function),
      m_returnValue(new QLineEdit(function->m_strReturnValue, this)),
      m_name(new QLineEdit(function->m_strTitle, this)),
      m_parameters(new QLineEdit(function->m_strParameters, this)) {
    setWindowTitle(QStringLiteral("Edit Function"));
    // Laid out like the declaration it edits: return value = name( parameters ).
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Return Value:"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Function Name:"), this), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Parameter List:"), this), 0, 4);
    grid->addWidget(m_returnValue, 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("="), this), 1, 1);
    grid->addWidget(m_name, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("("), this), 1, 3);
    grid->addWidget(m_parameters, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral(")"), this), 1, 5);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(4, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(OkCancelButtons(this));
    resize(560, sizeHint().height());
}

void Dlg_FunctionEdit::accept() {
    m_pFunction->m_strReturnValue = m_returnValue->text();
    m_pFunction->m_strTitle = m_name->text();
    m_pFunction->m_strParameters = m_parameters->text();
    QDialog::accept();
}
