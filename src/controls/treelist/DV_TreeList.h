#pragma once

#include "controls/treelist/TreeListEditor.h"
#include "controls/treelist/TreeListImageList.h"
#include "controls/treelist/TreeListLayout.h"
#include "controls/treelist/TreeListState.h"
#include "controls/treelist/TreeListTypes.h"

#include <QAbstractScrollArea>
#include <QTimer>
#include <functional>

class DV_TreeList;
class QHeaderView;
class TreeListHeaderModel;

// Receives the control's notifications; the answer counts as each notification code says (for example
// non-zero refuses a selection change, or takes care of the text at the end of an edit).
class ITreeListNotify {
public:
    virtual qintptr OnTreeListNotify(DV_TreeList& control, TLNotify& notify) = 0;

protected:
    ~ITreeListNotify() = default;
};

// A tree whose rows carry further columns, with a header, per-column edit modes, per-cell colours,
// multi-line rows and print support. It knows nothing of what the rows mean: it reports every user
// action to its handler, which decides. The handler may call the control from inside a notification.
// The control lives on the GUI thread only, so its state needs no lock; Qt double-buffers its painting.
// Items are not reported deleted when the control is destroyed: by then its owner is gone.
class DV_TreeList : public QAbstractScrollArea, private TreeListCellSource {
    Q_OBJECT
public:
    explicit DV_TreeList(QWidget* parent = nullptr, quint32 style = 0);
    ~DV_TreeList() override;

    void SetNotifyHandler(ITreeListNotify* handler) { m_handler = handler; }
    void SetControlId(int id) { m_controlId = id; }
    int GetControlId() const { return m_controlId; }
    quint32 GetStyle() const { return m_s.style; }
    void SetStyle(quint32 style);

    // Items.
    HTREEITEM InsertItem(const TLInsertStruct& insert);
    HTREEITEM InsertItem(const QString& text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    bool DeleteItem(HTREEITEM h);
    bool DeleteAllItems() { return DeleteItem(TVI_ROOT); }
    bool GetItem(TLItem& item);
    bool SetItem(const TLItem& item);
    bool SetItemText(HTREEITEM h, int column, const QString& text);
    QString GetItemText(HTREEITEM h, int column = 0);
    bool SetItemImage(HTREEITEM h, int column, int image);
    int GetItemImage(HTREEITEM h, int column = 0);
    bool SetItemState(HTREEITEM h, int column, quint32 state, quint32 mask);
    quint32 GetItemState(HTREEITEM h, quint32 mask, int column = 0);
    int GetCount() const { return int(m_s.items.Count()); }
    bool Expand(HTREEITEM h, int code);
    HTREEITEM GetNextItem(HTREEITEM h, int code);
    bool SelectItem(HTREEITEM h, int code);
    bool EnsureVisible(HTREEITEM h, int column = 0);
    bool SortChildren(HTREEITEM parent, bool recurse = false);
    bool SortChildrenCB(HTREEITEM parent, const std::function<int(qintptr, qintptr, qintptr)>& compare,
                        qintptr lParamSort, bool recurse = false);
    HTREEITEM FindItem(HTREEITEM start, const TLFindInfo& criteria);
    void* GetItemUserData(HTREEITEM h);
    qint64 GetUserDataSize() const { return qint64(m_s.userDataSize); }
    qint64 SetUserDataSize(qint64 size);

    // Rows and geometry.
    int GetRowOfItem(HTREEITEM h);
    int GetRowCount() const { return m_s.rows.Count(); }
    HTREEITEM GetItemOfRow(int row) const { return m_s.rows.At(row); }
    bool GetItemRect(HTREEITEM h, QRect* rect, bool textOnly, int column = 0);
    HTREEITEM HitTest(TLHitTestInfo& info);
    int GetVisibleCount() const { return m_s.layout.linesFitWholly; }
    int GetCountPerPage() const { return m_s.layout.linesFitPartly; }
    int SetItemHeight(int height);
    int GetItemHeight() const { return m_s.layout.rowHeight; }
    int SetIndent(int indent);
    int GetIndent() const { return m_s.indent; }
    QPixmap CreateDragImage(HTREEITEM h);

    // Colours: slot 0..15; CLR_NONE gives the slot back its default. Results are the previous colour.
    COLORREF SetBkColor(int slot, COLORREF color);
    COLORREF GetBkColor(int slot = 0) const;
    COLORREF SetTextColor(COLORREF color) { return SetBkColor(4, color); }
    COLORREF GetTextColor() const { return GetBkColor(4); }
    COLORREF SetLineColor(COLORREF color) { return SetBkColor(5, color); }
    COLORREF GetLineColor() const { return GetBkColor(5); }
    COLORREF SetInsertMarkColor(COLORREF color) { return SetBkColor(10, color); }
    COLORREF GetInsertMarkColor() const { return GetBkColor(10); }
    COLORREF GetCellTextColor(quint32 cell) const;
    COLORREF SetCellTextColor(quint32 cell, COLORREF color);
    COLORREF GetCellBkColor(quint32 cell) const;
    COLORREF SetCellBkColor(quint32 cell, COLORREF color);

    quint32 SetExtendedStyle(quint32 mask, quint32 style);
    quint32 GetExtendedStyle() const { return m_s.exStyle; }
    TLImageList SetImageList(int kind, const TLImageList& list);
    TLImageList GetImageList(int kind) const;
    bool SetToolTips(bool enable);
    bool GetToolTips() const { return m_s.toolTips; }
    bool SetInsertMark(HTREEITEM h, bool after);
    QString GetISearchString() const;

    // Selection.
    bool SelectDropTarget(HTREEITEM h, int column = 0);
    bool SelectCell(HTREEITEM h, int column);
    int GetCaretColumn() const { return m_s.caretColumn; }
    int GetSelectedCount() const { return m_s.selectedCount; }

    // Columns.
    int InsertColumn(int index, const TLColumn& column);
    bool DeleteColumn(int index);
    int GetColumnCount() const { return m_s.layout.columnCount; }
    bool GetColumn(int index, TLColumn& column) const;
    bool SetColumn(int index, const TLColumn& column);
    int GetColumnWidth(int index) const;
    int SetColumnWidth(int index, int width);
    bool CommitColumnOrder();
    int SetColumnEdit(quint32 setting, const QString& entries);
    int SetColumnEdit(quint32 setting, const QStringList& entries);
    int SetEditImageBase(int column, int imageBase);
    QHeaderView* GetHeader() const { return m_header; }
    TLLayout* GetLayout() { return &m_s.layout; }

    // In-place editing. columnAndKind: column in bits 0-28, TLEL_COMBO or TLEL_LIST, TLEL_WHOLECELL.
    QWidget* EditLabel(HTREEITEM h, quint32 columnAndKind);
    QWidget* GetEditControl() const { return m_editor.Widget(); }
    bool EndEditLabelNow(bool cancel);

    // Paints into the painter: the picture the window shows, or in print mode the grid from the current
    // first row with the client figures of the layout record (the header paints itself). The painter's
    // units are the control's pixels on any device; a clip the painter has narrows the rows painted.
    void Paint(QPainter& painter, bool printMode);
    // Brings the wrapped lines of every shown row up to date, so that the line totals are exact.
    void ComputeAllLineBreaks();

protected:
    // Sends a notification to the handler; returns its answer (0 without handler).
    virtual qintptr Notify(TLNotify& notify);
    // The header's mouse button was released after a divider or item drag.
    virtual void OnHeaderReleased() {}
    virtual void OnHeaderContextMenu(const QPoint& globalPos) { Q_UNUSED(globalPos); }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Activation { Enter, DoubleClick, IconClick, Typing };

    // TreeListCellSource
    QString DisplayText(HTREEITEM h, int column) override;
    int DisplayImage(HTREEITEM h, int column) override;

    void RequestKeyboardContextMenu();
    qintptr SendItemNotify(int code, HTREEITEM h, int column, int action = 0, const QPoint& pt = QPoint());
    bool IsItem(HTREEITEM h) const { return m_s.items.IsValid(h); }
    HTREEITEM ToParent(HTREEITEM h) const { return h == TVI_ROOT ? 0 : h; }

    // Items (DV_TreeListItems.cpp).
    void DeleteBranch(HTREEITEM h);
    bool ExpandItem(HTREEITEM h, int code, bool notify);
    void SetExpandedState(HTREEITEM h, bool expand);
    void SortRowsOf(HTREEITEM parent, const std::function<bool(HTREEITEM, HTREEITEM)>& less, bool recurse);
    void ClampTopRow();

    // Selection (DV_TreeListSelection.cpp).
    bool SetCaret(HTREEITEM h, int column, int action, bool select = true);
    void SetSelected(HTREEITEM h, bool selected);
    void ClearSelection(HTREEITEM except = 0);
    void SelectRange(HTREEITEM from, HTREEITEM to);
    HTREEITEM NextSelected(HTREEITEM after);

    // Columns and header (DV_TreeListColumns.cpp).
    void CreateHeader();
    void SyncHeader();
    void ResetHeader();
    void OnSectionResized(int logical, int oldSize, int newSize);
    void OnSectionHandleDoubleClicked(int logical);
    int OptimalWidth(int column);
    void UpdateRowHeight();
    void RelayoutColumns();

    // Scrolling and painting (DV_TreeListView.cpp).
    void UpdatePageFigures();
    void UpdateScrollBars();
    // Coalesces scroll-bar updates of a run of insertions into one.
    void ScheduleScrollBars();
    void SetTopRow(int row);
    void SetHorizontalPos(int pos);
    void OnVerticalAction(int action);
    void OnVerticalValue(int value);
    void OnHorizontalValue(int value);
    int RowAt(int y, int* rowTop = nullptr);
    int ColumnAt(int x) const;
    QRect CellRect(HTREEITEM h, int column);
    void InvalidateItem(HTREEITEM h);
    // Asks for one repaint however many changes come before it.
    void Invalidate();
    void UpdateCheckImages();

    // Mouse and keyboard (DV_TreeListInput.cpp).
    void HandleKey(QKeyEvent* event);
    void MoveCaret(int row, Qt::KeyboardModifiers mods);
    void IncrementalSearch(QChar c);
    void RestartToolTipTimer(const QPoint& pos);
    void ShowCellToolTip();

    // Edit modes and the editor (DV_TreeListEditing.cpp).
    bool ActivateEditMode(HTREEITEM h, int column, Activation how, QChar typed = QChar());
    QWidget* OpenEditor(HTREEITEM h, int column, TreeListEditor::Kind kind, bool wholeCell,
                        const QString& initialText = QString(), bool useInitial = false);
    void OnEditorEnd(bool keep, bool byEnter);
    void StepCell(HTREEITEM h, int column);
    void ToggleCheck(HTREEITEM h, int column);
    bool IsLocked(HTREEITEM h, int column) const;

    TreeListState m_s;
    ITreeListNotify* m_handler = nullptr;
    int m_controlId = 0;
    QHeaderView* m_header = nullptr;
    TreeListHeaderModel* m_headerModel = nullptr;
    TreeListEditor m_editor;
    HTREEITEM m_editItem = 0;
    int m_editColumn = 0;
    bool m_syncingHeader = false;
    bool m_scrollBarsPending = false;
    bool m_updatePending = false;
    bool m_inDispInfo = false;
    bool m_syncingScroll = false;
    int m_spreadWidth = 0;  // rows area width the proportional columns were last spread over
    int m_wheelRemainder = 0;
    // Drag detection: armed on a button press over a row, fired once on the first move.
    HTREEITEM m_dragItem = 0;
    Qt::MouseButton m_dragButton = Qt::NoButton;
    QTimer m_toolTipTimer;
    HTREEITEM m_hoverItem = 0;
    int m_hoverColumn = -1;
};
