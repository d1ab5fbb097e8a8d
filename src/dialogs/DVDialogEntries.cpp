#include "dialogs/DVDialogEntries.h"

#include "dialogs/DlgSheet_Actor_Edit.h"
#include "dialogs/DlgSheet_Req_Edit.h"
#include "dialogs/Dlg_ColumnList.h"
#include "dialogs/Dlg_QuickSelect.h"
#include "document/CReqDoc.h"
#include "views/CDVViewHost.h"
#include "views/CViewDVTreeList.h"

#include <QFileDialog>

#include <memory>

namespace {

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
        object->Family() == DVFamily::Step ? doc->UseCaseOfStep(static_cast<CStep*>(object)) : nullptr;
    Dlg_QuickSelect dialog(parent);
    dialog.SetDocument(doc);
    dialog.SetObject(object, stepUseCase);
    dialog.SetMode(mode);
    dialog.SetDeferred(deferred);
    return dialog.exec() == QDialog::Accepted && dialog.Changed();
}

std::unique_ptr<CDVEditSheet> CreateSheet(CViewDVTreeList* view, CDVData* object, int page) {
    CReqDoc* doc = view->GetDocument();
    const QString caption = SheetCaption(*object);
    const DVFamily family = object->Family();
    if (family == DVFamily::Requirement) {
        return std::make_unique<DlgSheet_Req_Edit>(caption, static_cast<Requirement*>(object), doc, view,
                                                   view);
    }
    auto sheet =
        std::make_unique<DlgSheet_Actor_Edit>(caption, family == DVFamily::Actor, family == DVFamily::Step,
                                              static_cast<CDVUserDefinedParList*>(object), doc, view, view);
    sheet->SetOpenAtFunctions(page == CDVViewHost::SheetPageFunctions);
    sheet->SetOpenAtActorParameters(page == CDVViewHost::SheetPageActorParameters);
    return sheet;
}

bool EditSheet(CViewDVTreeList* view, CDVData* object, int page, bool& parametersChanged) {
    if (view == nullptr || object == nullptr || object->Family() == DVFamily::Function) {
        return false;
    }
    std::unique_ptr<CDVEditSheet> sheet = CreateSheet(view, object, page);
    const bool accepted = sheet->exec() == QDialog::Accepted;
    parametersChanged = accepted && (sheet->ColumnRemoved() || sheet->DefinitionsChanged());
    if (parametersChanged) {
        RebuildOtherMatrixViews(view->GetDocument(), view);
    }
    return accepted && sheet->Changed();
}

bool ChooseColumns(CViewDVTreeList* view, bool& keepWidths) {
    Dlg_ColumnList dialog(view->GetDocument(), view, view->window());
    const bool changed = dialog.exec() == QDialog::Accepted && dialog.Changed();
    keepWidths = dialog.KeepWidths();
    return changed;
}

QString ExportFileName(QWidget* parent, const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().constFirst()
               : QString();
}

}  // namespace

void InstallDialogEntries(CDVViewHost& host) {
    host.quickSelect = QuickSelect;
    host.editSheet = EditSheet;
    host.chooseColumns = ChooseColumns;
    host.exportFileName = ExportFileName;
}
