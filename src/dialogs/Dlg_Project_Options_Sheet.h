#pragma once

#include <QDialog>

#include <vector>

class CDVPropertyPage;
class CReqDoc;
class QTabWidget;

// The project options sheet: OK and Cancel, pages initialised when first shown, and on OK the pages
// that were shown apply their settings in page order.
class Dlg_Project_Options_Sheet : public QDialog {
    Q_OBJECT
public:
    enum PageIndex { GeneralPage, PhasesPage, LanguagePage, HeadersPage, MatrixPage };

    // The embedded-document options start the sheet at its "Matrix Properties" page.
    Dlg_Project_Options_Sheet(CReqDoc* doc, QWidget* parent = nullptr, bool startAtMatrixProperties = false);

    void AddPage(CDVPropertyPage* page);
    CDVPropertyPage* Page(int index) const;
    // After OK: whether a page reported a change.
    bool Changed() const { return m_bChanged; }

    void accept() override;

private:
    void OnCurrentChanged(int index);

    QTabWidget* m_tabs;
    std::vector<CDVPropertyPage*> m_pages;
    bool m_bStartAtMatrixProperties;
    int m_nCurrent = -1;
    bool m_bChanged = false;

protected:
    void showEvent(QShowEvent* event) override;
};
