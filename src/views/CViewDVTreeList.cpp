// Grid creation, activation, notifications, command dispatch and menus of CViewDVTreeList.
#include "views/CViewDVTreeList.h"

#include "document/CReqDoc.h"
#include "views/CDVViewHost.h"
#include "views/CViewFindBar.h"
#include "views/CViewImageList.h"
#include "views/DVCommandIds.h"

#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QResizeEvent>

CViewDVTreeList::CViewDVTreeList(CReqDoc* doc, int viewType, QWidget* parent) : CViewChildDV(doc, parent) {
    SetViewType(viewType);
}

CViewDVTreeList::~CViewDVTreeList() {
    if (m_grid != nullptr) {
        // The grid must not call back into a view that is half destroyed.
        m_grid->SetNotifyHandler(nullptr);
    }
}

void CViewDVTreeList::OnInitialUpdate() {
    CViewChildDV::OnInitialUpdate();
    if (m_grid == nullptr) {
        const quint32 style =
            TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS | TVS_FULLROWSELECT;
        m_grid = new CTreeListCtrl(this, this, style);
        m_grid->SetControlId(GridControlId);
        m_grid->SetNotifyHandler(this);
        m_grid->SetImageList(TVSIL_NORMAL, CViewImageList::Get());
        m_grid->setGeometry(rect());
        m_grid->show();
    } else {
        // A second initial update builds the view anew instead of adding to it.
        DeleteRowsAndColumns();
    }
    ApplyColours();
    m_columns.CopyFrom(*FamilyColumnSet());
    BuildColumnsAndRows();
}

bool CViewDVTreeList::OnFirstActivation() {
    if (!CViewChildDV::OnFirstActivation()) {
        return false;
    }
    ScrollToObject(GetStoredTopObjectId());
    RelayoutGrid();
    ApplyColumnWidths();
    if (m_bDefaultContent) {
        m_bDefaultContent = false;
        if (m_pDocument->IsEmbedded()) {
            window()->raise();
            RunRoutedCommand(DVCmd::EmbeddedDocument);
        }
    }
    return true;
}

void CViewDVTreeList::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_grid == nullptr) {
        return;
    }
    PlaceGrid();
    TrackExtent(event->size());
}

void CViewDVTreeList::PlaceGrid() {
    if (m_grid == nullptr) {
        return;
    }
    // An open find bar takes the bottom of the view.
    auto* bar = findChild<CViewFindBar*>(QString(), Qt::FindDirectChildrenOnly);
    const int barHeight = bar != nullptr && !bar->isHidden() ? bar->sizeHint().height() : 0;
    const int gridHeight = std::max(0, height() - barHeight);
    m_grid->setGeometry(0, 0, width(), gridHeight);
    if (barHeight > 0) {
        bar->setGeometry(0, gridHeight, width(), barHeight);
    }
}

void CViewDVTreeList::ClearSelection() {
    if (m_grid != nullptr) {
        m_grid->SelectCell(0, 0);
        m_grid->SelectItem(0, TVGN_CARET);
    }
}

void CViewDVTreeList::StoreLayout() {
    StoreColumns();
    StoreTopObjectId();
}

qintptr CViewDVTreeList::OnTreeListNotify(DV_TreeList& control, TLNotify& notify) {
    Q_UNUSED(control);
    switch (notify.code) {
        case NM_RCLICK:
            ShowContextMenu(m_grid->viewport()->mapToGlobal(notify.pt));
            return 1;
        case NM_RETURN:
            return OnEnterInCell();
        case TVN_SELCHANGEDW:
            // The grid's caret is the selection the commands use; a menu of the old one goes.
            CloseOpenPopup();
            return 0;
        case TVN_BEGINDRAGW:
            BeginDrag(notify.hItem);
            return 0;
        case TVN_ENDLABELEDITW:
            if (!notify.textNull) {
                ApplyCellEdit(notify.hItem, notify.column, notify.text);
            }
            return 1;
        case TLN_CELLSTEPPED:
            ApplyCellEdit(notify.hItem, notify.column, notify.text);
            return 1;
        case TVN_ITEMEXPANDEDW:
            RefreshVisibleRows(true);
            m_grid->viewport()->update();
            return 0;
        default:
            return 0;
    }
}

bool CViewDVTreeList::OnCommand(int id) {
    CDVViewHost& host = CDVViewHost::Instance();
    switch (id) {
        case DVCmd::EditAll:
            OpenEditSheet(CDVViewHost::SheetPageFirst);
            return true;
        case DVCmd::EditField:
            SendEnterToGrid();
            return true;
        case DVCmd::ChooseColumns: {
            bool keepWidths = false;
            if (!host.chooseColumns || m_grid == nullptr || !host.chooseColumns(this, keepWidths)) {
                return true;
            }
            m_pDocument->OnObjectsModified(this);
            if (keepWidths) {
                // Columns the dialog added have no width yet: they get the width of a default column.
                const TLLayout* layout = m_grid->GetLayout();
                m_columns.m_widths.assign(size_t(m_columns.ColumnCount()), 100);
                for (int i = 0; i < m_columns.ColumnCount() && i < layout->columnCount; ++i) {
                    m_columns.m_widths[size_t(i)] = layout->ColumnWidth(i);
                }
            } else {
                m_columns.m_widths.clear();
            }
            Rebuild();
            return true;
        }
        case DVCmd::SaveColumns:
            StoreColumns();
            return true;
        case DVCmd::ResetColumns:
            ResetColumns();
            return true;
        case DVCmd::ColumnEdit:
            if (m_grid != nullptr) {
                m_grid->ShowColumnHeaderMenu(QCursor::pos());
            }
            return true;
        case DVCmd::ExportMenu:
            ShowExportMenu(QCursor::pos());
            return true;
        case DVCmd::ExportXml:
        case DVCmd::ExportCsv:
        case DVCmd::ExportCsvUtf8:
            ExportView(id);
            return true;
        default:
            return RunWindowCommand(id) || RunTreeCommand(id) || CViewFindBar::RunCommand(*this, id);
    }
}

bool CViewDVTreeList::OnUpdateCommand(int id, CDVCommandState& state) {
    const CDVViewHost& host = CDVViewHost::Instance();
    switch (id) {
        // Without the dialog of the program around the view these commands could do nothing.
        case DVCmd::EditAll:
            state.enabled = bool(host.editSheet);
            return true;
        case DVCmd::ChooseColumns:
            state.enabled = bool(host.chooseColumns);
            return true;
        case DVCmd::ExportXml:
        case DVCmd::ExportCsv:
        case DVCmd::ExportCsvUtf8:
            state.enabled = bool(host.exportFileName);
            return true;
        case DVCmd::EditField:
        case DVCmd::SaveColumns:
        case DVCmd::ResetColumns:
        case DVCmd::ColumnEdit:
        case DVCmd::ExportMenu:
            state.enabled = true;
            return true;
        default:
            return UpdateWindowCommand(id, state) || UpdateTreeCommand(id, state) ||
                   CViewFindBar::UpdateCommand(*this, id, state);
    }
}

void CViewDVTreeList::AddEditCommands(QMenu* menu, const QString& noun, bool enterHint) {
    AddCommand(menu, DVCmd::EditAll, QStringLiteral("Edit All %1 Parameter").arg(noun));
    AddCommand(
        menu, DVCmd::EditField,
        QStringLiteral("Edit This %1 Field").arg(noun) + (enterHint ? QStringLiteral("\tENTER") : QString()));
    menu->addSeparator();
}

void CViewDVTreeList::AddClipboardCommands(QMenu* menu, const QString& noun) {
    menu->addSeparator();
    AddCommand(menu, DVCmd::Cut, QStringLiteral("Cut"));
    AddCommand(menu, DVCmd::CopySelected, QStringLiteral("Copy Selected %1").arg(noun));
    AddCommand(menu, DVCmd::CopyBranch, QStringLiteral("Copy Complete Branch"));
    AddCommand(menu, DVCmd::Paste, QStringLiteral("Paste"));
    menu->addSeparator();
}

void CViewDVTreeList::AddStructureCommands(QMenu* menu) {
    menu->addSeparator();
    AddCommand(menu, DVCmd::IncreaseIndent, QStringLiteral("Increase Indent"));
    AddCommand(menu, DVCmd::DecreaseIndent, QStringLiteral("Decrease Indent"));
    AddCommand(menu, DVCmd::MoveUp, QStringLiteral("Move Up"));
    AddCommand(menu, DVCmd::MoveDown, QStringLiteral("Move Down"));
    menu->addSeparator();
    AddCommand(menu, DVCmd::Delete, QStringLiteral("Delete"));
}

void CViewDVTreeList::AddEmbeddedCommand(QMenu* menu) {
    menu->addSeparator();
    AddCommand(menu, DVCmd::EmbeddedDocument, QStringLiteral("Embedded Document"));
}

QMenu* CViewDVTreeList::CreateContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    AddCommand(menu, DVCmd::Undo, QStringLiteral("Undo"));
    AddCommand(menu, DVCmd::Redo, QStringLiteral("Redo"));
    menu->addSeparator();
    BuildContextMenu(menu);
    UpdateMenuActions(menu);
    return menu;
}

void CViewDVTreeList::ShowContextMenu(const QPoint& globalPos) {
    CloseOpenPopup();
    ShowPopup(CreateContextMenu(this), globalPos);
}

void CViewDVTreeList::ShowExportMenu(const QPoint& globalPos) {
    CloseOpenPopup();
    auto* menu = new QMenu(this);
    AddCommand(menu, DVCmd::ExportXml, QStringLiteral("Expot to XML-File (Excel compatible)"));
    AddCommand(menu, DVCmd::ExportCsv, QStringLiteral("Export to CSV-File (Comma-Separated Values)"));
    AddCommand(menu, DVCmd::ExportCsvUtf8, QStringLiteral("Export to CSV-File (UTF-8)"));
    UpdateMenuActions(menu);
    ShowPopup(menu, globalPos);
}

void CViewDVTreeList::NotifyModified() {
    m_pDocument->OnObjectsModified(this);
}
