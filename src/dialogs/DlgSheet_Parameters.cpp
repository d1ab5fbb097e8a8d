#include "dialogs/DlgSheet_Parameters.h"

#include "dialogs/DVOkCancel.h"
#include "dialogs/Dlg_Req_Parameters.h"

#include <QTabWidget>
#include <QVBoxLayout>

DlgSheet_Parameters::DlgSheet_Parameters(const QString& caption, CDVUserDefinedParList* object, CReqDoc* doc,
                                         CViewDVTreeList* view, QWidget* parent)
    : QDialog(parent), m_page(new Dlg_Req_Parameters(doc)) {
    setWindowTitle(caption);
    m_page->SetContext(object, view, &m_bChanged, &m_bColumnRemoved, &m_bDefinitionsChanged);
    auto* tabs = new QTabWidget(this);
    tabs->addTab(m_page, m_page->Title());
    QDialogButtonBox* buttons = OkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    resize(560, 360);
}

void DlgSheet_Parameters::showEvent(QShowEvent* event) {
    m_page->EnsureInitialised();
    QDialog::showEvent(event);
}

void DlgSheet_Parameters::accept() {
    if (m_page->IsInitialised()) {
        m_page->ApplyPage();
    }
    QDialog::accept();
}
