#pragma once

#include <QDialog>

#include <vector>

class CDVPropertyPage;
class QTabWidget;

// The common frame of the object edit sheets: OK and Cancel (no Apply), pages initialised when first
// shown, and the three flags the caller reads after OK. The pages edit the live object, so on OK the
// initialised pages apply in page order once none refuses, and on Cancel each of them undoes its live
// changes.
class CDVEditSheet : public QDialog {
    Q_OBJECT
public:
    explicit CDVEditSheet(const QString& caption, QWidget* parent = nullptr);

    int PageCount() const { return int(m_pages.size()); }
    CDVPropertyPage* Page(int index) const;
    QTabWidget* Tabs() const { return m_tabs; }
    // The page shown first; set before the sheet is shown.
    void SetStartPage(int index) { m_nStartPage = index; }

    bool Changed() const { return m_bChanged; }
    bool ColumnRemoved() const { return m_bColumnRemoved; }
    bool DefinitionsChanged() const { return m_bDefinitionsChanged; }

    void accept() override;
    void reject() override;

protected:
    void AddPage(CDVPropertyPage* page);
    void showEvent(QShowEvent* event) override;

    bool m_bChanged = false;
    bool m_bColumnRemoved = false;
    bool m_bDefinitionsChanged = false;

private:
    void OnCurrentChanged(int index);

    QTabWidget* m_tabs;
    std::vector<CDVPropertyPage*> m_pages;
    int m_nStartPage = 0;
    bool m_bShown = false;
};
