#include "views/DVViewSearch.h"

#include "document/CReqDoc.h"
#include "views/CViewDVTreeList.h"

#include <QStringMatcher>

#include <algorithm>

int DVViewSearch::Result::AtOrAfter() const {
    const int count = int(matches.size());
    return count == 0 ? -1 : before % count;
}

int DVViewSearch::Result::Next() const {
    const int count = int(matches.size());
    return count == 0 ? -1 : (before + (atFrom ? 1 : 0)) % count;
}

int DVViewSearch::Result::Previous() const {
    const int count = int(matches.size());
    return count == 0 ? -1 : (before + count - 1) % count;
}

DVViewSearch::Result DVViewSearch::Find(const CViewDVTreeList& view, const QString& text,
                                        Qt::CaseSensitivity cs, Cell from) {
    Result result;
    CTreeListCtrl* grid = view.GetGrid();
    if (grid == nullptr || text.isEmpty()) {
        return result;
    }
    const int columns = grid->GetColumnCount();
    // A hidden tree column shows nothing to find.
    const int first = view.ViewColumns().m_bFirstColumnHidden ? 1 : 0;
    const QStringMatcher matcher(text, cs);
    bool passed = from.row == 0;
    // The rows follow the family list in pre-order, skipping deleted objects: a row's object is
    // nearly always the next one of the list, which spares the membership lookup of the others.
    int position = view.GetFamilyListHead();
    for (HTREEITEM row = grid->GetNextItem(0, TVGN_ROOT); row != 0; row = view.NextInPreOrder(row)) {
        CDVData* object = view.ObjectOf(row);
        while (const CDVData* listed = view.GetObjectAt(position)) {
            if (!listed->m_bDeleted) {
                break;
            }
            ++position;
        }
        if (object != nullptr && object == view.GetObjectAt(position)) {
            ++position;
        } else if ((object = view.FamilyObjectOf(row)) == nullptr) {
            continue;
        }
        for (int column = first; column < columns; ++column) {
            const bool beforeFrom = !passed && (row != from.row || column < from.column);
            if (matcher.indexIn(view.CellTextOf(object, column)) < 0) {
                continue;
            }
            if (beforeFrom) {
                ++result.before;
            } else if (row == from.row && column == from.column) {
                result.atFrom = true;
            }
            result.matches.push_back({row, column});
        }
        passed = passed || row == from.row;
    }
    return result;
}

DVViewSearch::IdState DVViewSearch::LookUpId(const CViewDVTreeList& view, qint32 id, HTREEITEM& row) {
    row = view.FindRowOfObject(id);
    if (row != 0) {
        return IdState::Shown;
    }
    return IsDeleted(view, id) ? IdState::Deleted : IdState::Unknown;
}

bool DVViewSearch::IsDeleted(const CViewDVTreeList& view, qint32 id) {
    // A listed object with its deleted mark gets no row.
    int position = view.GetFamilyListHead();
    while (const CDVData* object = view.GetNextObject(position)) {
        if (object->m_nId == id) {
            return object->m_bDeleted;
        }
    }
    const CReqDoc& doc = *view.GetDocument();
    switch (view.FamilyKind()) {
        case DVFamily::Requirement:
            return doc.m_deletedRequirements.FindById(id) != nullptr;
        case DVFamily::Actor:
            return doc.m_deletedActors.FindById(id) != nullptr;
        case DVFamily::UseCase:
            return doc.m_deletedUseCases.FindById(id) != nullptr;
        case DVFamily::Step:
            return std::any_of(doc.m_removedSteps.begin(), doc.m_removedSteps.end(),
                               [id](const auto& step) { return step->m_nId == id; });
        default:
            return false;
    }
}
