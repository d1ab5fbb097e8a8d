#include "views/DVViewReplace.h"

#include "document/CReqDoc.h"
#include "document/DVUndoScope.h"
#include "model/FieldCatalogue.h"
#include "model/StringIds.h"
#include "views/CViewDVTreeList.h"

bool DVViewReplace::IsReplaceable(const CViewDVTreeList& view, int column) {
    // The tree column shows the title whatever field id it carries.
    const int fieldId = column == 0 ? int(FIELD_TITLE) : view.FieldIdOfColumn(column);
    const CReqDoc* doc = view.GetDocument();
    if (FieldCatalogue::EditKind(doc, view.FamilyKind(), fieldId) != DVEditKind::Text) {
        return false;
    }
    if (fieldId >= FIELD_FIRST_PARAMETER) {
        const DVParameter* definition = doc->FindParameterByColumn(fieldId);
        return definition != nullptr && definition->m_nType == DVParameter::TypeText;
    }
    // Durations and costs are numbers typed as text.
    return fieldId < FIELD_APPROVAL_DURATION || fieldId > FIELD_VALIDATION_COST;
}

int DVViewReplace::ReplaceInCells(CViewDVTreeList& view, const std::vector<DVViewSearch::Cell>& cells,
                                  const QString& text, const QString& replacement, Qt::CaseSensitivity cs) {
    // Every replacement of one command is one undo step.
    DVUndoScope step(*view.GetDocument(),
                     cells.size() > 1 ? QStringLiteral("Replace All") : QStringLiteral("Replace"));
    int changed = 0;
    bool documentChanged = false;
    for (const DVViewSearch::Cell& cell : cells) {
        CDVData* object = view.FamilyObjectOf(cell.row);
        if (object == nullptr || text.isEmpty() || !IsReplaceable(view, cell.column)) {
            continue;
        }
        const QString before = view.CellTextOf(object, cell.column);
        QString after = before;
        after.replace(text, replacement, cs);
        if (after == before) {
            continue;
        }
        // Each edit refreshes its own row; the other windows refresh once, at the end.
        documentChanged |= view.ApplyCellEdit(cell.row, cell.column, after, false);
        if (view.CellTextOf(object, cell.column) != before) {
            ++changed;
        }
    }
    if (documentChanged) {
        view.NotifyModified();
    }
    return changed;
}
