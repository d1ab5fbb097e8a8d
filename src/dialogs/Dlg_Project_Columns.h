#pragma once

#include "dialogs/CDVPropertyPage.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// "Language Support" and "Column Header Definitions": the project's own texts for value names or for
// column headers, one row per text with its default beside it. An empty user text means the default.
class Dlg_Project_Columns : public CDVPropertyPage {
    Q_OBJECT
public:
    enum Mode { ValueNames, Headers };
    enum Column { ObjectTypeColumn, DefaultColumn, UserColumn };

    Dlg_Project_Columns(CReqDoc* doc, Mode mode, QWidget* parent = nullptr);

    bool ApplyPage() override;

    Mode GetMode() const { return m_mode; }
    QTreeWidget* List() const { return m_list; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* ResetButton() const { return m_reset; }
    // The row of a field id, null when the page has none.
    QTreeWidgetItem* RowOf(int fieldId) const;

protected:
    void OnInitPage() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EditSelected();
    void ResetSelected();
    void OnItemChanged(QTreeWidgetItem* item, int column);

    Mode m_mode;
    QTreeWidget* m_list;
    QPushButton* m_edit;
    QPushButton* m_reset;
    bool m_bEdited = false;
};
