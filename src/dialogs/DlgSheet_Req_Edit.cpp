#include "dialogs/DlgSheet_Req_Edit.h"

#include "dialogs/Dlg_Req_Created.h"
#include "dialogs/Dlg_Req_Description.h"
#include "dialogs/Dlg_Req_Fullfillment.h"
#include "dialogs/Dlg_Req_Parameters.h"
#include "model/Requirement.h"

DlgSheet_Req_Edit::DlgSheet_Req_Edit(const QString& caption, Requirement* requirement, CReqDoc* doc,
                                     CViewDVTreeList* view, QWidget* parent)
    : CDVEditSheet(caption, parent),
      m_description(new Dlg_Req_Description(doc, requirement, &m_bChanged)),
      m_fullfillment(new Dlg_Req_Fullfillment(doc, requirement, &m_bChanged)),
      m_created(new Dlg_Req_Created(doc, Dlg_Req_Created::RequirementMode, requirement, view, &m_bChanged)),
      m_parameters(new Dlg_Req_Parameters(doc)) {
    m_parameters->SetContext(requirement, view, &m_bChanged, &m_bColumnRemoved, &m_bDefinitionsChanged);
    AddPage(m_description);
    AddPage(m_fullfillment);
    AddPage(m_created);
    AddPage(m_parameters);
}
