#pragma once

#include "dialogs/CDVEditSheet.h"

class CReqDoc;
class CViewDVTreeList;
class Dlg_Req_Created;
class Dlg_Req_Description;
class Dlg_Req_Fullfillment;
class Dlg_Req_Parameters;
class Requirement;

// The edit sheet of one requirement: texts and types, approval and verification, created and
// derived-from links, user-defined parameter values.
class DlgSheet_Req_Edit : public CDVEditSheet {
    Q_OBJECT
public:
    enum PageIndex { DescriptionPage, FullfillmentPage, CreatedPage, ParametersPage };

    DlgSheet_Req_Edit(const QString& caption, Requirement* requirement, CReqDoc* doc, CViewDVTreeList* view,
                      QWidget* parent = nullptr);

    Dlg_Req_Description* Description() const { return m_description; }
    Dlg_Req_Fullfillment* Fullfillment() const { return m_fullfillment; }
    Dlg_Req_Created* Created() const { return m_created; }
    Dlg_Req_Parameters* Parameters() const { return m_parameters; }

private:
    Dlg_Req_Description* m_description;
    Dlg_Req_Fullfillment* m_fullfillment;
    Dlg_Req_Created* m_created;
    Dlg_Req_Parameters* m_parameters;
};
