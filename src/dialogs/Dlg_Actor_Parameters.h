#pragma once

#include "dialogs/CDVPropertyPage.h"

#include <memory>
#include <vector>

class CActor;
class CFunction;
class DVParameter;
class QTreeWidget;
class QTreeWidgetItem;

// "Functions of Actor" or "Parameters of Actor": the actor's functions or its parameter definitions as
// private copies, one per row. The copies replace the actor's list when the page applies; new ones get
// their identifiers only then.
class Dlg_Actor_Parameters : public CDVPropertyPage {
    Q_OBJECT
public:
    // Logical columns of the functions mode; shown as Return Value, Function Name, Parameter List.
    enum FunctionColumn { ColumnFunctionName = 0, ColumnReturnValue = 1, ColumnParameterList = 2 };
    // Columns of the parameter mode.
    enum ParameterColumn { ColumnName = 0, ColumnType = 1 };

    Dlg_Actor_Parameters(CReqDoc* doc, CActor* actor, bool functionsMode, bool* changed,
                         QWidget* parent = nullptr);
    ~Dlg_Actor_Parameters() override;

    bool ApplyPage() override;

    // The buttons.
    void AddEntry();
    void EditEntry();
    void DeleteEntry();

    QTreeWidget* List() const { return m_list; }

protected:
    void OnInitPage() override;

private:
    QTreeWidgetItem* AppendRow();
    void ShowRow(int row);
    bool EditCopy(int row);
    QString NameOfRow(int row) const;
    bool RowsEqualList() const;

    CActor* m_pActor;
    bool m_bFunctionsMode;
    bool* m_pChanged;
    bool m_bReady = false;
    // The rows' copies, in row order; only the list of the mode is used.
    std::vector<std::unique_ptr<CFunction>> m_functions;
    std::vector<std::unique_ptr<DVParameter>> m_parameters;

    QTreeWidget* m_list;
};
