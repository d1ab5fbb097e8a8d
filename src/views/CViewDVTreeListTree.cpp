// Tree editing of CViewDVTreeList: insert, cut, copy, paste, indent, move, delete, drag and drop.
#include "views/CViewDVTreeList.h"

#include "document/CReqDoc.h"
#include "document/DVUndoScope.h"
#include "model/CStep.h"
#include "platform/DVMessageBox.h"
#include "views/DVCommandIds.h"

#include <QCursor>
#include <QLabel>
#include <QMouseEvent>

#include <vector>

namespace {

const COLORREF CutTextColour = 0x005555F7;  // red 247, green 85, blue 85

QString ChildTargetRefusal() {
    return QStringLiteral("Moving/ copying to a child-requirement is not permitted.");
}

}  // namespace

bool CViewDVTreeList::RunTreeCommand(int id) {
    DVUndoScope step(*m_pDocument, TreeStepName(id));
    // The selected row's object first: undo and redo select its row again.
    step.Capture(FamilyObjectOf(SelectedItem()));
    step.Capture(StructureOwner());
    switch (id) {
        case DVCmd::Cut:
            Cut();
            return true;
        case DVCmd::CopySelected:
        case DVCmd::CopyBranch:
            CopyRow(id == DVCmd::CopySelected);
            return true;
        case DVCmd::Paste:
            Paste();
            return true;
        case DVCmd::InsertNew:
        case DVCmd::InsertNewChild:
            InsertNewObject(id == DVCmd::InsertNewChild, true);
            return true;
        case DVCmd::IncreaseIndent:
            IncreaseIndent();
            return true;
        case DVCmd::DecreaseIndent:
            DecreaseIndent();
            return true;
        case DVCmd::MoveUp:
            MoveUp();
            return true;
        case DVCmd::MoveDown:
            MoveDown();
            return true;
        case DVCmd::Delete:
            DeleteSelected();
            return true;
        default:
            return false;
    }
}

bool CViewDVTreeList::UpdateTreeCommand(int id, CDVCommandState& state) {
    const HTREEITEM selected = SelectedItem();
    auto has = [&](int code) { return selected == 0 || m_grid->GetNextItem(selected, code) != 0; };
    switch (id) {
        case DVCmd::Cut:
        case DVCmd::CopySelected:
        case DVCmd::CopyBranch:
        case DVCmd::Paste:
        case DVCmd::InsertNew:
        case DVCmd::InsertNewChild:
        case DVCmd::Delete:
            state.enabled = true;
            return true;
        case DVCmd::IncreaseIndent:
        case DVCmd::MoveUp:
            state.enabled = has(TVGN_PREVIOUS);
            return true;
        case DVCmd::DecreaseIndent:
            state.enabled = has(TVGN_PARENT);
            return true;
        case DVCmd::MoveDown:
            state.enabled = has(TVGN_NEXT);
            return true;
        default:
            return false;
    }
}

void CViewDVTreeList::SetTreeLinks(HTREEITEM row) {
    CDVData* object = ObjectOf(row);
    if (object == nullptr) {
        return;
    }
    // A row whose object another view destroyed names nothing, so it is never read.
    const CDVData* parent = FamilyObjectOf(m_grid->GetNextItem(row, TVGN_PARENT));
    const CDVData* previous = FamilyObjectOf(m_grid->GetNextItem(row, TVGN_PREVIOUS));
    m_pDocument->BeforeChange(object);
    object->m_nParentId = parent != nullptr ? parent->m_nId : 0;
    object->m_nPrevSiblingId = previous != nullptr ? previous->m_nId : 0;
    // The row below now follows this one.
    if (CDVData* next = FamilyObjectOf(m_grid->GetNextItem(row, TVGN_NEXT))) {
        m_pDocument->BeforeChange(next);
        next->m_nPrevSiblingId = object->m_nId;
    }
}

HTREEITEM CViewDVTreeList::InsertNewObject(bool asChild, bool editTitle, const QString& title,
                                           const QString& description, int stepType) {
    if (m_grid == nullptr) {
        return 0;
    }
    HTREEITEM selected = SelectedItem();
    if (selected == 0) {
        if (m_grid->GetCount() > 0) {
            return 0;
        }
        selected = TVI_ROOT;
        asChild = false;
    }
    CDVData* object = CreateObject();
    if (object == nullptr) {
        return 0;
    }
    if (stepType < NoStepType && object->Family() == DVFamily::Step) {
        static_cast<CStep*>(object)->m_nType = stepType;
    }
    if (!title.isEmpty()) {
        object->m_strTitle = title;
    }
    if (!description.isEmpty()) {
        object->m_strDescription = description;
    }
    HTREEITEM row = 0;
    if (asChild) {
        row = InsertObjectRow(selected, TVI_LAST, object);
        m_grid->Expand(selected, TVE_EXPAND);
    } else if (selected == TVI_ROOT) {
        row = InsertObjectRow(TVI_ROOT, TVI_LAST, object);
    } else {
        const HTREEITEM parent = m_grid->GetNextItem(selected, TVGN_PARENT);
        row = InsertObjectRow(parent != 0 ? parent : TVI_ROOT, selected, object);
    }
    if (row == 0) {
        RewriteFamilyList();
        return 0;
    }
    FillRow(row, object, false);
    SetTreeLinks(row);
    RewriteFamilyList();
    m_grid->viewport()->update();
    if (editTitle) {
        m_grid->SelectCell(row, 0);
        SendEnterToGrid();
    }
    NotifyStructureChanged();
    return row;
}

void CViewDVTreeList::RemoveCutMarking() {
    if (m_hCutItem == 0) {
        return;
    }
    for (int c = 0; c < m_grid->GetColumnCount(); ++c) {
        m_grid->SetItemState(m_hCutItem, c, 0, TVIS_CUT);
        m_grid->SetCellTextColor(TLCellId(m_hCutItem, c), CLR_NONE);
    }
    m_hCutItem = 0;
}

void CViewDVTreeList::MarkCut(HTREEITEM row) {
    for (int c = 0; c < m_grid->GetColumnCount(); ++c) {
        m_grid->SetItemState(row, c, TVIS_CUT, TVIS_CUT);
        m_grid->SetCellTextColor(TLCellId(row, c), CutTextColour);
    }
    m_hCutItem = row;
}

void CViewDVTreeList::Cut() {
    const HTREEITEM selected = SelectedItem();
    if (selected == 0) {
        return;
    }
    RemoveCutMarking();
    MarkCut(selected);
    m_hCopySource = m_hDragSource = m_hDropTarget = 0;
}

void CViewDVTreeList::CopyRow(bool onlySelected) {
    const HTREEITEM selected = SelectedItem();
    if (selected == 0) {
        return;
    }
    RemoveCutMarking();
    m_hDragSource = m_hDropTarget = 0;
    m_hCopySource = selected;
    m_bCopyOnlySelected = onlySelected;
}

void CViewDVTreeList::Paste() {
    const HTREEITEM selected = SelectedItem();
    if (selected == 0 || (m_hCutItem == 0 && m_hCopySource == 0) || selected == m_hCutItem) {
        return;
    }
    HTREEITEM placed = 0;
    if (m_hCutItem != 0) {
        placed = PlaceBranch(selected, m_hCutItem, true, false, false);
    } else {
        placed = PlaceBranch(selected, m_hCopySource, false, m_bCopyOnlySelected, selected == m_hCopySource);
    }
    // A refused move leaves the row where it was; its marking goes with the cut.
    RemoveCutMarking();
    m_hDragSource = m_hDropTarget = 0;
    if (placed != 0) {
        NotifyStructureChanged();
    }
}

bool CViewDVTreeList::IsInBranch(HTREEITEM item, HTREEITEM branch) const {
    for (HTREEITEM up = item; up != 0; up = m_grid->GetNextItem(up, TVGN_PARENT)) {
        if (up == branch) {
            return true;
        }
    }
    return false;
}

HTREEITEM CViewDVTreeList::PlaceBranch(HTREEITEM target, HTREEITEM source, bool move, bool objectOnly,
                                       bool ontoItself) {
    if (m_grid == nullptr || target == 0 || source == 0) {
        return 0;
    }
    if (!objectOnly) {
        if (!ontoItself && target == m_grid->GetNextItem(source, TVGN_PARENT)) {
            return 0;
        }
        // A branch placed inside itself (itself included) would never end.
        if (!ontoItself && IsInBranch(target, source)) {
            DVMessageBox(ChildTargetRefusal(), DV::MB_OK | DV::MB_ICONEXCLAMATION);
            return 0;
        }
    }
    const HTREEITEM placed = CopyBranch(source, target, move, objectOnly, ontoItself);
    if (placed == 0) {
        return 0;
    }
    if (move) {
        DeleteRow(source);
    }
    RewriteFamilyList();
    m_grid->Expand(target, TVE_EXPAND);
    if (ontoItself) {
        m_grid->Expand(placed, TVE_EXPAND);
    }
    m_grid->SelectItem(placed, TVGN_CARET);
    m_grid->EnsureVisible(placed);
    return placed;
}

HTREEITEM CViewDVTreeList::CopyOneRow(HTREEITEM source, HTREEITEM target, bool move, bool asNextSibling) {
    CDVData* sourceObject = FamilyObjectOf(source);
    if (sourceObject == nullptr || FamilyObjectOf(target) == nullptr) {
        return 0;
    }
    CDVData* object = sourceObject;
    if (!move) {
        object = CreateCopy(sourceObject);
        if (object == nullptr) {
            return 0;
        }
        object->m_strTitle = QStringLiteral("Copy of %1").arg(sourceObject->m_strTitle);
    }
    HTREEITEM parent = target;
    HTREEITEM after = TVI_LAST;
    if (asNextSibling) {
        parent = m_grid->GetNextItem(target, TVGN_PARENT);
        parent = parent != 0 ? parent : TVI_ROOT;
        after = target;
    }
    const HTREEITEM row = InsertObjectRow(parent, after, object);
    if (row == 0) {
        return 0;
    }
    FillRow(row, object, false);
    if (move) {
        // The row below the old place takes over the moved object's place.
        if (CDVData* below = FamilyObjectOf(m_grid->GetNextItem(source, TVGN_NEXT))) {
            m_pDocument->BeforeChange(below);
            below->m_nPrevSiblingId = object->m_nPrevSiblingId;
        }
    }
    SetTreeLinks(row);
    return row;
}

HTREEITEM CViewDVTreeList::CopyBranch(HTREEITEM source, HTREEITEM target, bool move, bool objectOnly,
                                      bool asNextSibling) {
    if (m_grid == nullptr) {
        return 0;
    }
    const HTREEITEM top = CopyOneRow(source, target, move, asNextSibling);
    if (top == 0 || objectOnly) {
        return top;
    }
    // Pre-order over the source's branch with an explicit stack: (source row, new parent row).
    auto pushChildren = [this](std::vector<std::pair<HTREEITEM, HTREEITEM>>& stack, HTREEITEM from,
                               HTREEITEM to) {
        std::vector<HTREEITEM> children;
        for (HTREEITEM c = m_grid->GetNextItem(from, TVGN_CHILD); c != 0;
             c = m_grid->GetNextItem(c, TVGN_NEXT)) {
            children.push_back(c);
        }
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            stack.emplace_back(*it, to);
        }
    };
    std::vector<std::pair<HTREEITEM, HTREEITEM>> stack;
    pushChildren(stack, source, top);
    while (!stack.empty()) {
        const auto [from, to] = stack.back();
        stack.pop_back();
        const HTREEITEM row = CopyOneRow(from, to, move, false);
        if (row == 0) {
            DeleteRow(top);
            return 0;
        }
        pushChildren(stack, from, row);
    }
    return top;
}

void CViewDVTreeList::IncreaseIndent() {
    const HTREEITEM selected = SelectedItem();
    const HTREEITEM previous = selected != 0 ? m_grid->GetNextItem(selected, TVGN_PREVIOUS) : 0;
    if (previous != 0 && PlaceBranch(previous, selected, true, false, false) != 0) {
        NotifyStructureChanged();
    }
}

void CViewDVTreeList::DecreaseIndent() {
    const HTREEITEM selected = SelectedItem();
    const HTREEITEM parent = selected != 0 ? m_grid->GetNextItem(selected, TVGN_PARENT) : 0;
    if (parent == 0) {
        return;
    }
    const HTREEITEM placed = CopyBranch(selected, parent, true, false, true);
    if (placed == 0) {
        return;
    }
    DeleteRow(selected);
    RewriteFamilyList();
    m_grid->Expand(parent, TVE_EXPAND);
    m_grid->Expand(placed, TVE_EXPAND);
    m_grid->SelectItem(placed, TVGN_CARET);
    m_grid->EnsureVisible(placed);
    NotifyStructureChanged();
}

void CViewDVTreeList::MoveUp() {
    const HTREEITEM selected = SelectedItem();
    const HTREEITEM previous = selected != 0 ? m_grid->GetNextItem(selected, TVGN_PREVIOUS) : 0;
    if (previous == 0) {
        return;
    }
    // The branch above moves below the selected one, so the selected row keeps its handle.
    const HTREEITEM placed = CopyBranch(previous, selected, true, false, true);
    if (placed == 0) {
        return;
    }
    DeleteRow(previous);
    RewriteFamilyList();
    m_grid->Expand(selected, TVE_EXPAND);
    m_grid->Expand(placed, TVE_EXPAND);
    m_grid->SelectItem(selected, TVGN_CARET);
    m_grid->EnsureVisible(selected);
    NotifyStructureChanged();
}

void CViewDVTreeList::MoveDown() {
    const HTREEITEM selected = SelectedItem();
    const HTREEITEM next = selected != 0 ? m_grid->GetNextItem(selected, TVGN_NEXT) : 0;
    if (next == 0) {
        return;
    }
    const HTREEITEM placed = CopyBranch(selected, next, true, false, true);
    if (placed == 0) {
        return;
    }
    DeleteRow(selected);
    RewriteFamilyList();
    m_grid->Expand(next, TVE_EXPAND);
    m_grid->Expand(placed, TVE_EXPAND);
    m_grid->SelectItem(placed, TVGN_CARET);
    m_grid->EnsureVisible(placed);
    NotifyStructureChanged();
}

void CViewDVTreeList::DeleteRow(HTREEITEM item) {
    // Marks on rows of the branch would otherwise name handles the grid gives out again.
    for (HTREEITEM* mark : {&m_hCutItem, &m_hCopySource, &m_hDragSource, &m_hDropTarget}) {
        if (*mark != 0 && IsInBranch(*mark, item)) {
            *mark = 0;
        }
    }
    m_grid->DeleteItem(item);
}

void CViewDVTreeList::MarkDeleted(CDVData* object) {
    m_pDocument->BeforeChange(object);
    object->m_bDeleted = true;
    m_pDocument->MarkModified(object);
}

bool CViewDVTreeList::DeleteChildRowsAndRow(HTREEITEM item) {
    while (const HTREEITEM child = m_grid->GetNextItem(item, TVGN_CHILD)) {
        if (!DeleteItemBranch(child)) {
            return false;
        }
    }
    DeleteRow(item);
    return true;
}

void CViewDVTreeList::DeleteSelected() {
    const HTREEITEM selected = m_grid != nullptr ? m_grid->GetNextItem(0, TVGN_NEXTSELECTED) : 0;
    const HTREEITEM row = selected != 0 ? selected : SelectedItem();
    if (row == 0) {
        return;
    }
    if (m_grid->GetSelectedCount() > 1) {
        DVMessageBox(QStringLiteral("Deleting more than one Requirement at the same time is not permitted."),
                     DV::MB_OK | DV::MB_ICONEXCLAMATION);
        return;
    }
    const CDVData* object = FamilyObjectOf(row);
    if (object == nullptr) {
        return;
    }
    const QString title = m_grid->GetItemText(row, 0);
    const QString id = QString::number(object->m_nId);
    const QString prompt =
        m_grid->GetNextItem(row, TVGN_CHILD) != 0
            ? QStringLiteral(
                  "Are you sure that you want to delete %1, ID %2,\n\nAND ALL ITS CHILD-REQUIREMENTS AT "
                  "THE SAME TIME?")
                  .arg(title, id)
            : QStringLiteral("Are you sure that you want to delete %1, ID %2?").arg(title, id);
    if (DVMessageBox(prompt, DV::MB_YESNO | DV::MB_ICONEXCLAMATION | DV::MB_DEFBUTTON2) != DV::IDYES) {
        return;
    }
    const HTREEITEM parent = m_grid->GetNextItem(row, TVGN_PARENT);
    const bool first = row == m_grid->GetNextItem(0, TVGN_ROOT);
    // The row below takes the deleted object's place among its siblings.
    CDVData* below = FamilyObjectOf(m_grid->GetNextItem(row, TVGN_NEXT));
    const qint32 previousId = object->m_nPrevSiblingId;
    m_pDocument->BeforeChange(below);
    if (DeleteItemBranch(row) && below != nullptr) {
        below->m_nPrevSiblingId = previousId;
    }
    const HTREEITEM select = parent != 0 ? parent : m_grid->GetNextItem(0, TVGN_ROOT);
    if (select != 0) {
        m_grid->SelectItem(select, TVGN_CARET);
        m_grid->EnsureVisible(select);
    }
    if (first) {
        Rebuild();
    } else {
        RefreshVisibleRows(false);
    }
    NotifyStructureChanged();
}

void CViewDVTreeList::BeginDrag(HTREEITEM item) {
    m_hDragSource = item;
    m_hDropTarget = 0;
    const QPixmap picture = m_grid->CreateDragImage(item);
    if (picture.isNull()) {
        return;
    }
    m_dragImage = std::make_unique<QLabel>(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
    m_dragImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_dragImage->setPixmap(picture);
    m_dragImage->move(QCursor::pos() + QPoint(15, 15));
    m_dragImage->show();
    m_bDragging = true;
    m_grid->viewport()->installEventFilter(this);
    m_grid->viewport()->grabMouse();
}

void CViewDVTreeList::DragMove(const QPoint& viewportPos) {
    m_dragImage->move(m_grid->viewport()->mapToGlobal(viewportPos) + QPoint(15, 15));
    TLHitTestInfo hit;
    hit.pt = viewportPos;
    if (const HTREEITEM over = m_grid->HitTest(hit)) {
        m_dragImage->hide();
        m_grid->SelectDropTarget(over);
        m_hDropTarget = over;
        m_dragImage->show();
    }
}

void CViewDVTreeList::EndDrag() {
    m_bDragging = false;
    m_dragImage.reset();
    m_grid->viewport()->removeEventFilter(this);
    m_grid->viewport()->releaseMouse();
    m_grid->SelectDropTarget(0);
}

bool CViewDVTreeList::eventFilter(QObject* watched, QEvent* event) {
    if (!m_bDragging || m_grid == nullptr || watched != m_grid->viewport()) {
        return CViewChildDV::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseMove) {
        DragMove(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        EndDrag();
        const HTREEITEM source = m_hDragSource;
        const HTREEITEM target = m_hDropTarget;
        m_hDragSource = m_hDropTarget = 0;
        DVUndoScope step(*m_pDocument, QStringLiteral("Move %1").arg(FamilyNoun()));
        step.Capture(StructureOwner());
        if (source != 0 && target != 0 && source != target &&
            PlaceBranch(target, source, true, false, false) != 0) {
            NotifyStructureChanged();
        }
        return false;  // the grid ends its own press as well
    }
    return CViewChildDV::eventFilter(watched, event);
}
