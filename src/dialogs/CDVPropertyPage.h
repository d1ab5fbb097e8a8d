#pragma once

#include <QWidget>

class CReqDoc;

// A page of a property sheet. It reads the document when it is first shown; only pages that were shown
// apply their settings when the sheet ends with OK.
class CDVPropertyPage : public QWidget {
    Q_OBJECT
public:
    CDVPropertyPage(CReqDoc* doc, const QString& title, QWidget* parent = nullptr)
        : QWidget(parent), m_pDocument(doc), m_title(title) {}

    const QString& Title() const { return m_title; }
    bool IsInitialised() const { return m_bInitialised; }
    void EnsureInitialised() {
        if (!m_bInitialised) {
            m_bInitialised = true;
            OnInitPage();
        }
    }

    // Field validation when the page is left or the sheet ends; false keeps the user on the page.
    virtual bool ValidatePage() { return true; }
    // Stores the page's settings into the document; returns whether something changed.
    virtual bool ApplyPage() = 0;
    // Undoes what the page changed live while the sheet was open; runs when the sheet is cancelled.
    virtual void CancelPage() {}

protected:
    virtual void OnInitPage() = 0;

    CReqDoc* m_pDocument;

private:
    QString m_title;
    bool m_bInitialised = false;
};
