#include "dialogs/CDVEditSheet.h"

#include "dialogs/CDVPropertyPage.h"
#include "dialogs/DVOkCancel.h"
#include "dialogs/DVSheetKeys.h"

#include <QTabWidget>
#include <QVBoxLayout>

CDVEditSheet::CDVEditSheet(const QString& caption, QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this)) {
    setWindowTitle(caption);
    m_tabs->setUsesScrollButtons(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(OkCancelButtons(this));
    InstallPageSwitchKeys(m_tabs);
}

void CDVEditSheet::AddPage(CDVPropertyPage* page) {
    m_pages.push_back(page);
    m_tabs->addTab(page, page->Title());
}

CDVPropertyPage* CDVEditSheet::Page(int index) const {
    return index >= 0 && index < PageCount() ? m_pages[std::size_t(index)] : nullptr;
}

void CDVEditSheet::showEvent(QShowEvent* event) {
    if (!m_bShown) {
        m_bShown = true;
        // Connected only now: adding the first tab makes it current before the pages have their context.
        const int start = Page(m_nStartPage) != nullptr ? m_nStartPage : 0;
        m_tabs->setCurrentIndex(start);
        OnCurrentChanged(start);
        connect(m_tabs, &QTabWidget::currentChanged, this, &CDVEditSheet::OnCurrentChanged);
        FocusFirstControl(Page(start));
    }
    QDialog::showEvent(event);
}

void CDVEditSheet::OnCurrentChanged(int index) {
    if (CDVPropertyPage* page = Page(index)) {
        page->EnsureInitialised();
    }
}

void CDVEditSheet::accept() {
    // A refusing page keeps the sheet open where the user is, before any page has written.
    for (CDVPropertyPage* page : m_pages) {
        if (page->IsInitialised() && !page->ValidatePage()) {
            return;
        }
    }
    for (CDVPropertyPage* page : m_pages) {
        if (page->IsInitialised()) {
            page->ApplyPage();
        }
    }
    QDialog::accept();
}

void CDVEditSheet::reject() {
    for (CDVPropertyPage* page : m_pages) {
        if (page->IsInitialised()) {
            page->CancelPage();
        }
    }
    QDialog::reject();
}
