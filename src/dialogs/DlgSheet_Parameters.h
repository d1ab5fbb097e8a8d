#pragma once

#include <QDialog>

class CDVUserDefinedParList;
class CReqDoc;
class CViewDVTreeList;
class Dlg_Req_Parameters;

// An edit sheet that holds only the "User-Defined Parameters" page, with the sheet's changed flag and its
// two parameter flags.
class DlgSheet_Parameters : public QDialog {
    Q_OBJECT
public:
    DlgSheet_Parameters(const QString& caption, CDVUserDefinedParList* object, CReqDoc* doc,
                        CViewDVTreeList* view, QWidget* parent = nullptr);

    Dlg_Req_Parameters* Page() const { return m_page; }
    bool Changed() const { return m_bChanged; }
    bool ColumnRemoved() const { return m_bColumnRemoved; }
    bool DefinitionsChanged() const { return m_bDefinitionsChanged; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_bChanged = false;
    bool m_bColumnRemoved = false;
    bool m_bDefinitionsChanged = false;
    Dlg_Req_Parameters* m_page;
};
