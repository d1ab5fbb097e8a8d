#include "dialogs/Dlg_Project_Options_Sheet.h"

#include "dialogs/CDVPropertyPage.h"
#include "dialogs/DVSheetKeys.h"
#include "dialogs/Dlg_Project_Columns.h"
#include "dialogs/Dlg_Project_General.h"
#include "dialogs/Dlg_Project_Phases.h"
#include "dialogs/Dlg_Project_ViewProperties.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

Dlg_Project_Options_Sheet::Dlg_Project_Options_Sheet(CReqDoc* doc, QWidget* parent,
                                                     bool startAtMatrixProperties)
    : QDialog(parent), m_tabs(new QTabWidget(this)), m_bStartAtMatrixProperties(startAtMatrixProperties) {
    setWindowTitle(QStringLiteral("Project Properties"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Every page's tab stays in sight.
    m_tabs->setUsesScrollButtons(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    AddPage(new Dlg_Project_General(doc));
    AddPage(new Dlg_Project_Phases(doc));
    AddPage(new Dlg_Project_Columns(doc, Dlg_Project_Columns::ValueNames));
    AddPage(new Dlg_Project_Columns(doc, Dlg_Project_Columns::Headers));
    AddPage(new Dlg_Project_ViewProperties(doc));
    connect(m_tabs, &QTabWidget::currentChanged, this, &Dlg_Project_Options_Sheet::OnCurrentChanged);
    InstallPageSwitchKeys(m_tabs);
}

void Dlg_Project_Options_Sheet::AddPage(CDVPropertyPage* page) {
    m_pages.push_back(page);
    m_tabs->addTab(page, page->Title());
}

CDVPropertyPage* Dlg_Project_Options_Sheet::Page(int index) const {
    return index >= 0 && index < static_cast<int>(m_pages.size()) ? m_pages[static_cast<std::size_t>(index)]
                                                                  : nullptr;
}

void Dlg_Project_Options_Sheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_nCurrent < 0) {
        const int start = m_bStartAtMatrixProperties ? MatrixPage : GeneralPage;
        m_tabs->setCurrentIndex(start);
        OnCurrentChanged(start);
        FocusFirstControl(Page(start));
    }
}

void Dlg_Project_Options_Sheet::OnCurrentChanged(int index) {
    CDVPropertyPage* previous = Page(m_nCurrent);
    if (previous != nullptr && index != m_nCurrent && !previous->ValidatePage()) {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(m_nCurrent);
        return;
    }
    m_nCurrent = index;
    if (CDVPropertyPage* page = Page(index)) {
        page->EnsureInitialised();
    }
}

void Dlg_Project_Options_Sheet::accept() {
    for (CDVPropertyPage* page : m_pages) {
        if (page->IsInitialised() && !page->ValidatePage()) {
            m_tabs->setCurrentWidget(page);
            return;
        }
    }
    for (CDVPropertyPage* page : m_pages) {
        if (page->IsInitialised() && page->ApplyPage()) {
            m_bChanged = true;
        }
    }
    QDialog::accept();
}
