#pragma once

#include "dialogs/CDVPropertyPage.h"

#include <memory>

class CStep;
class CViewDVTreeList;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Step Parameter": the step's actor, the actors it acts on, the functions it calls, its input and output
// values and its time requirement. The quick selections work on a private copy of the step; OK writes
// the six fields back when they differ.
class Dlg_Step_Parameter : public CDVPropertyPage {
    Q_OBJECT
public:
    // The rows with an "Edit" button, in page order.
    enum Row { RowActor, RowActsOn, RowCallingFunctions, RowInputValues, RowOutputValues, kLinkRows };

    Dlg_Step_Parameter(CReqDoc* doc, CStep* step, CViewDVTreeList* view, bool* changed,
                       QWidget* parent = nullptr);
    ~Dlg_Step_Parameter() override;

    bool ApplyPage() override;

    // The "Edit" button of the row.
    void EditRow(int row);

    QPlainTextEdit* RowText(int row) const { return m_texts[row]; }
    QPushButton* EditButton(int row) const { return m_buttons[row]; }
    QLineEdit* TimeRequirementEdit() const { return m_timeRequirement; }

protected:
    void OnInitPage() override;

private:
    void ShowTexts();
    bool CopyDiffers() const;

    CStep* m_pStep;
    CViewDVTreeList* m_pView;
    bool* m_pChanged;
    std::unique_ptr<CStep> m_pCopy;

    QPlainTextEdit* m_texts[kLinkRows];
    QPushButton* m_buttons[kLinkRows];
    QLineEdit* m_timeRequirement;
};
