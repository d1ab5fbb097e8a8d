#include "dialogs/DlgSheet_Actor_Edit.h"

#include "dialogs/Dlg_Actor_Parameters.h"
#include "dialogs/Dlg_DVData_Description.h"
#include "dialogs/Dlg_Req_Created.h"
#include "dialogs/Dlg_Req_Fullfillment.h"
#include "dialogs/Dlg_Req_Parameters.h"
#include "dialogs/Dlg_Step_Parameter.h"
#include "model/CActor.h"
#include "model/CUseCase.h"

DlgSheet_Actor_Edit::DlgSheet_Actor_Edit(const QString& caption, bool actorMode, bool stepMode,
                                         CDVUserDefinedParList* object, CReqDoc* doc, CViewDVTreeList* view,
                                         QWidget* parent)
    : CDVEditSheet(caption, parent), m_bActorMode(actorMode) {
    AddPage(new Dlg_DVData_Description(doc, object, actorMode, stepMode, &m_bChanged));
    if (actorMode) {
        auto* actor = static_cast<CActor*>(object);
        AddPage(new Dlg_Actor_Parameters(doc, actor, true, &m_bChanged));
        AddPage(new Dlg_Actor_Parameters(doc, actor, false, &m_bChanged));
    } else if (stepMode) {
        auto* step = static_cast<CStep*>(object);
        AddPage(new Dlg_Req_Created(doc, Dlg_Req_Created::StepMode, step, view, &m_bChanged));
        AddPage(new Dlg_Step_Parameter(doc, step, view, &m_bChanged));
    } else {
        auto* useCase = static_cast<CUseCase*>(object);
        AddPage(new Dlg_Req_Fullfillment(doc, useCase, &m_bChanged));
        AddPage(new Dlg_Req_Created(doc, Dlg_Req_Created::UseCaseMode, useCase, view, &m_bChanged));
    }
    auto* parameters = new Dlg_Req_Parameters(doc);
    parameters->SetContext(object, view, &m_bChanged, &m_bColumnRemoved, &m_bDefinitionsChanged);
    AddPage(parameters);
    // Wide enough for the functions list's three columns without scrolling.
    resize(640, 560);
}

void DlgSheet_Actor_Edit::showEvent(QShowEvent* event) {
    if (m_bActorMode && m_bOpenAtFunctions) {
        SetStartPage(FunctionsPage);
    } else if (m_bActorMode && m_bOpenAtActorParameters) {
        SetStartPage(ActorParametersPage);
    }
    CDVEditSheet::showEvent(event);
}
