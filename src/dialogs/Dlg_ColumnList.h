#pragma once

#include <QDialog>

#include <vector>

class CReqDoc;
class CViewDVTreeList;
class QTableWidget;

// "Visualization of Project Data": which columns one matrix view shows and whether each wraps its text.
// It edits the view's own column set at OK; the view then rebuilds itself.
class Dlg_ColumnList : public QDialog {
    Q_OBJECT
public:
    enum Column { ShowColumn, WrapColumn };

    Dlg_ColumnList(CReqDoc* doc, CViewDVTreeList* view, QWidget* parent = nullptr);

    // After OK: whether the column set changed, and whether the view may keep its column widths.
    bool Changed() const { return m_bChanged; }
    bool KeepWidths() const { return m_bKeepWidths; }

    QTableWidget* List() const { return m_list; }
    // The row of a field id, -1 when the list has none.
    int RowOf(int fieldId) const;
    bool IsChosen(int row, int column) const;
    void Toggle(int row, int column);

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillRows();
    void AddRow(int fieldId, const QString& text);
    void MarkColumnSet();
    void SetChosen(int row, int column, bool chosen);

    CReqDoc* m_pDocument;
    CViewDVTreeList* m_pView;
    QTableWidget* m_list;
    bool m_bChanged = false;
    bool m_bKeepWidths = true;
};
