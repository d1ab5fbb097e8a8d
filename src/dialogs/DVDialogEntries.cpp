#include "dialogs/DVDialogEntries.h"

#include "dialogs/DlgSheet_Parameters.h"
#include "dialogs/Dlg_QuickSelect.h"
#include "document/CReqDoc.h"
#include "views/CDVViewHost.h"
#include "views/CViewDVTreeList.h"

namespace {

CUseCase* UseCaseOfStep(const CReqDoc& doc, const CStep* step) {
    for (CUseCase* useCase : doc.m_useCases) {
        if (useCase->m_steps.Contains(step)) {
            return useCase;
        }
    }
    return nullptr;
}

QString SheetCaption(const CDVData& object) {
    const char* format = "Edit Requirement %1, ID=%2";
    switch (object.Family()) {
        case DVFamily::Actor:
            format = "Edit Actor %1, ID=%2";
            break;
        case DVFamily::UseCase:
            format = "Edit UseCase %1, ID=%2";
            break;
        case DVFamily::Step:
            format = "Edit Step %1, ID=%2";
            break;
        default:
            break;
    }
    return QString::fromLatin1(format).arg(object.GetTitle()).arg(object.m_nId);
}

// Other windows show the renamed or retyped definitions' headers and the deleted ones' marks.
void RebuildOtherMatrixViews(CReqDoc* doc, const CViewDVTreeList* caller) {
    for (CDVDocumentView* view : doc->Views()) {
        CDVDocumentView* hosted = view->IsMotherView() ? view->HostedView() : nullptr;
        if (hosted != nullptr && hosted->IsMatrixView() &&
            hosted != static_cast<const CDVDocumentView*>(caller)) {
            hosted->StoreLayout();
            hosted->Rebuild();
        }
    }
}

bool QuickSelect(CReqDoc* doc, CDVData* object, int mode, bool deferred, QWidget* parent) {
    if (doc == nullptr || object == nullptr) {
        return false;
    }
    CUseCase* stepUseCase =
        object->Family() == DVFamily::Step ? UseCaseOfStep(*doc, static_cast<CStep*>(object)) : nullptr;
    Dlg_QuickSelect dialog(parent);
    dialog.SetDocument(doc);
    dialog.SetObject(object, stepUseCase);
    dialog.SetMode(mode);
    dialog.SetDeferred(deferred);
    return dialog.exec() == QDialog::Accepted && dialog.Changed();
}

bool EditParameters(CViewDVTreeList* view, CDVData* object, int page, bool& parametersChanged) {
    // The actor sheet's own pages come with the full edit sheets.
    if (view == nullptr || object == nullptr || object->Family() == DVFamily::Function ||
        page != CDVViewHost::SheetPageFirst) {
        return false;
    }
    CReqDoc* doc = view->GetDocument();
    DlgSheet_Parameters sheet(SheetCaption(*object), static_cast<CDVUserDefinedParList*>(object), doc, view,
                              view);
    const bool accepted = sheet.exec() == QDialog::Accepted;
    parametersChanged = accepted && (sheet.ColumnRemoved() || sheet.DefinitionsChanged());
    if (parametersChanged) {
        RebuildOtherMatrixViews(doc, view);
    }
    return accepted && sheet.Changed();
}

}  // namespace

void InstallDialogEntries(CDVViewHost& host) {
    host.quickSelect = QuickSelect;
    host.editSheet = EditParameters;
}
