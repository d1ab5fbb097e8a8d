#pragma once

#include "controls/treelist/CTreeListCtrl.h"
#include "controls/treelist/ITreeListOwner.h"
#include "document/DVExportWriter.h"
#include "model/CDVColumn.h"
#include "model/CDVData.h"
#include "model/DVObjectList.h"
#include "views/CViewChildDV.h"

#include <QPointer>

#include <functional>
#include <memory>

class CDVViewHost;
class QLabel;
class QPrinter;

// The matrix view of one object family: the tree-list grid with one row per object and one column per
// field id of the view's column set. The document's family list is the master copy; after every
// structural edit it is rewritten from the rows in pre-order. The families supply the hooks below.
class CViewDVTreeList : public CViewChildDV, public ITreeListOwner, public ITreeListNotify {
    Q_OBJECT
public:
    static constexpr int GridControlId = 1002;
    // Step type argument of InsertNewObject that leaves the type alone.
    static constexpr int NoStepType = 1024;

    CViewDVTreeList(CReqDoc* doc, int viewType, QWidget* parent = nullptr);
    ~CViewDVTreeList() override;

    CTreeListCtrl* GetGrid() const { return m_grid; }
    // The view's own copy of the family's column set.
    CDVColumn& ViewColumns() { return m_columns; }
    const CDVColumn& ViewColumns() const { return m_columns; }
    virtual DVFamily FamilyKind() const = 0;

    // CDVDocumentView
    bool IsMatrixView() const override { return true; }
    void RefreshVisibleRows(bool withTitle) override;
    void Rebuild() override;
    void StoreLayout() override;
    void ShowObject(int family, qint32 id) override;
    // Rows anew from the family list, keeping open branches, selection, marks and the top row.
    void ReloadRows() override;

    // CViewChildDV
    void OnInitialUpdate() override;
    bool OnFirstActivation() override;
    void ClearSelection() override;
    void RenderToBitmap() override;

    // CDVCommandTarget
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CDVCommandState& state) override;

    // ITreeListNotify
    qintptr OnTreeListNotify(DV_TreeList& control, TLNotify& notify) override;

    // ITreeListOwner
    void CloseOpenPopupMenu() override { CloseOpenPopup(); }
    void SetOpenPopupMenu(QMenu* menu) override { SetOpenPopup(menu); }
    void UpdateColumnHeaderMenu(QMenu* menu) override { UpdateMenuActions(menu); }
    void OnColumnHeaderCommand(int commandId) override { RunRoutedCommand(commandId); }

    // Family hooks. Positions are indexes into the family list; -1 is none.
    virtual CDVData* GetObjectAt(int position) const = 0;
    CDVData* GetNextObject(int& position) const;
    virtual int GetFamilyListHead() const;
    virtual void ClearFamilyList() = 0;
    // Puts back an object that ClearFamilyList detached; false when the list does not hold it so.
    virtual bool AppendToFamilyList(CDVData* object) = 0;
    // New objects with the family's next identifier and the project version, owned by the family list
    // (appended at its end until the list is rewritten); null when the family cannot make one.
    virtual CDVData* CreateCopy(CDVData* source) = 0;
    virtual CDVData* CreateObject() = 0;
    // Deletes the object of the row with its links, then its child rows, then the row.
    virtual bool DeleteItemBranch(HTREEITEM item) = 0;
    virtual qint32 GetStoredTopObjectId() const = 0;
    virtual void SetStoredTopObjectId(qint32 id) = 0;
    virtual qint32 GetFamilyRowColour() const = 0;
    virtual bool IsFamilyObject(const CDVData* object) const = 0;
    virtual QString GetTitleColumnHeader() const = 0;
    // The document's column set of the family.
    virtual CDVColumn* FamilyColumnSet() const = 0;
    virtual void FillRow(HTREEITEM item, CDVData* object, bool withTitle);
    // The text the object shows in a column: the title in the tree column, the field's text elsewhere.
    QString CellTextOf(CDVData* object, int column) const;
    void StoreColumns();
    // Stores the columns, then takes the first column of the field out of the column set and the grid
    // (never the tree column); false when the view has none.
    bool RemoveParameterColumn(int fieldId);
    void StoreTopObjectId();
    // Edits a link cell through the quick selection; any other cell gets the in-place editor. True when
    // a link changed.
    virtual bool EditLinkCell(CDVData* object, int fieldId, bool deferred);
    void ApplyColours();

    // Building.
    void BuildColumnsAndRows();
    void ApplyColumnWidths();
    void ApplyColumnEditModes();
    void ApplyProjectOptions();
    void ResetColumns();
    // Rewrites the family list from the rows in pre-order.
    void RewriteFamilyList();

    // Tree editing.
    HTREEITEM InsertNewObject(bool asChild, bool editTitle, const QString& title = QString(),
                              const QString& description = QString(), int stepType = NoStepType);
    HTREEITEM PlaceBranch(HTREEITEM target, HTREEITEM source, bool move, bool objectOnly, bool ontoItself);
    HTREEITEM CopyBranch(HTREEITEM source, HTREEITEM target, bool move, bool objectOnly, bool asNextSibling);
    HTREEITEM GetCutItem() const { return m_hCutItem; }
    HTREEITEM GetCopySource() const { return m_hCopySource; }

    // The end of an in-place edit: the object of the row takes the text of the column's field. A run of
    // edits (a replace of many cells) tells the document once, through NotifyModified, at its end.
    bool ApplyCellEdit(HTREEITEM item, int column, const QString& text, bool notify = true);
    // Other windows refresh, the document is marked modified.
    void NotifyModified();
    // Grid and find bar over the view's area.
    void PlaceGrid();

    // Rows.
    HTREEITEM SelectedItem() const;
    int SelectedFieldId() const;
    // The object a row carries, whatever it is (null for none).
    CDVData* ObjectOf(HTREEITEM item) const;
    // The object of the row when it is a live object of the family, else null.
    CDVData* FamilyObjectOf(HTREEITEM item) const;
    // The row of the family object with that identifier, 0 when none.
    HTREEITEM FindRowOfObject(qint32 id) const;
    // The row after this one in pre-order (its first child, else the next sibling of it or of an
    // ancestor), 0 after the last.
    HTREEITEM NextInPreOrder(HTREEITEM row) const;
    int FieldIdOfColumn(int column) const;

    // Menus. The context menu comes with every action's state from the command routing.
    QMenu* CreateContextMenu(QWidget* parent);
    void ShowContextMenu(const QPoint& globalPos);

    // Export (CViewDVTreeListExport.cpp): the file dialog, then the file. ExportTo writes the view's
    // columns and rows to path and reports a failure in a message box; false then.
    void ExportView(int commandId);
    bool ExportTo(DVExportWriter::Format format, const QString& path);

    // Printing: the grid on pages of the printer's paper, the header on every page; only the pages of
    // the printer's page range when it has one. False when the printer could not be started.
    bool PrintTo(QPrinter& printer) override;
    // The pages on any device: beginPage readies the painter for the n-th painted page (0 the first) or
    // answers null to stop; paper is the page size in device pixels at deviceDpi; wanted picks the pages
    // (0 the first) to paint, all without it. Returns the pages painted.
    int PaintPages(const std::function<QPainter*(int painted)>& beginPage, QSizeF paper, qreal deviceDpi,
                   const std::function<bool(int page)>& wanted = {});
    // Pages the last PrintTo produced.
    int LastPageCount() const { return m_nLastPageCount; }

protected:
    // Link field ids: the quick-selection mode, LinkRefused after a refusal the family showed, or
    // NoLink for a cell edited in place.
    static constexpr int NoLink = -1;
    static constexpr int LinkRefused = -2;
    virtual int QuickSelectMode(CDVData* object, int fieldId);
    // Enter in a cell; the answer to the grid (non-zero: the view took care of it).
    virtual qintptr OnEnterInCell();
    // The family's context menu, built by the families from the shared parts below.
    virtual void BuildContextMenu(QMenu* menu) = 0;
    void AddEditCommands(QMenu* menu, const QString& noun, bool enterHint);
    void AddClipboardCommands(QMenu* menu, const QString& noun);
    void AddStructureCommands(QMenu* menu);
    void AddEmbeddedCommand(QMenu* menu);

    // Shared bodies of the families' commands.
    void OpenEditSheet(int page);
    // After a type or kind change of the object of the row: images, version, cells, notice.
    void ApplyKindChange(HTREEITEM row, CDVData* object, bool withTitle);
    // Deletes the child rows through DeleteItemBranch, then the row; false when a child fails.
    bool DeleteChildRowsAndRow(HTREEITEM item);
    // A deleted object keeps its identifier and goes to the document's deleted list.
    template <typename T>
    void RetireObject(DVObjectList<T>& live, DVObjectList<T>& deleted, T* object) {
        MarkDeleted(object);
        deleted.Append(live.Take(object));
    }
    void MarkDeleted(CDVData* object);
    // Undo (CViewDVTreeListUndo.cpp): the family's name in step names ("Delete Requirement"), and the
    // object whose record holds the view's list (the steps' use case), kept by every tree command.
    QString FamilyNoun() const;
    virtual CDVData* StructureOwner() const { return nullptr; }
    // Whether the other view shows the same family list (the families; the steps of one use case).
    virtual bool SharesRowsWith(const CViewDVTreeList& other) const;
    // Membership tests compare addresses only, because a row may name an object another view destroyed.
    // The object classes derive singly from CDVData, so the address is the object's own.
    template <typename T>
    static T* AsMember(const CDVData* object) {
        return reinterpret_cast<T*>(const_cast<CDVData*>(object));
    }

    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building (CViewDVTreeListBuild.cpp).
    void InsertRows(int position);
    void WriteBackFamilyList(HTREEITEM first);
    void SetColumnEditMode(int column, int fieldId);
    QString HeaderTextOf(int fieldId) const;
    bool DropUnusedPhaseColumns();
    void DeleteRowsAndColumns();
    void ScrollToObject(qint32 id);
    void RelayoutGrid();
    HTREEITEM InsertObjectRow(HTREEITEM parent, HTREEITEM after, CDVData* object, bool expanded = false);

    QString TreeStepName(int id) const;

    // Editing (CViewDVTreeListEdit.cpp).
    bool EditCellInMode(CDVData* object, int mode, bool deferred);
    void SendEnterToGrid();

    // Tree commands (CViewDVTreeListTree.cpp).
    bool RunTreeCommand(int id);
    bool UpdateTreeCommand(int id, CDVCommandState& state);
    HTREEITEM CopyOneRow(HTREEITEM source, HTREEITEM target, bool move, bool asNextSibling);
    void SetTreeLinks(HTREEITEM row);
    void Cut();
    void CopyRow(bool onlySelected);
    void MarkCut(HTREEITEM row);
    void RemoveCutMarking();
    void Paste();
    void IncreaseIndent();
    void DecreaseIndent();
    void MoveUp();
    void MoveDown();
    void DeleteSelected();
    void DeleteRow(HTREEITEM item);
    bool IsInBranch(HTREEITEM item, HTREEITEM branch) const;
    void BeginDrag(HTREEITEM item);
    void DragMove(const QPoint& viewportPos);
    void EndDrag();

    // Views of the same rows (CViewDVTreeListSync.cpp).
    // After a structure edit: the other views of the same rows take the new family list, then the
    // modification notice goes out.
    void NotifyStructureChanged();

    // Printing and pictures (CViewDVTreeListPrint.cpp).
    void PaintHeader(QPainter& painter) const;
    qreal ScreenDpi() const;
    // Rows by lines while the first row is the top one.
    int FirstLineOfRow(int row) const;
    int RowAtLine(int line) const;

    void ShowExportMenu(const QPoint& globalPos);

    CTreeListCtrl* m_grid = nullptr;
    CDVColumn m_columns;
    bool m_bDragging = false;
    HTREEITEM m_hDragSource = 0;
    HTREEITEM m_hDropTarget = 0;
    HTREEITEM m_hCutItem = 0;
    HTREEITEM m_hCopySource = 0;
    bool m_bCopyOnlySelected = false;
    std::unique_ptr<QLabel> m_dragImage;
    int m_nLastPageCount = 0;
};
