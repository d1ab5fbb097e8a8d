#pragma once

#include "model/CDVVerificationData.h"
#include "model/DVParameterValue.h"

#include <QDialog>

#include <vector>

class CDVValueList;
class CReqDoc;
class CStep;
class DVParameter;

// "Input Parameter Values" / "Output Parameter Values": one value per selected actor parameter of a step,
// each checked by its parameter's rules.
class Dlg_QuickParSelect : public QDialog {
    Q_OBJECT
public:
    // Logical columns; shown as Actor, Parameter-Name, Parameter-Type, Parameter-Value.
    enum Column { ColumnValue = 0, ColumnActor = 1, ColumnName = 2, ColumnType = 3 };

    Dlg_QuickParSelect(CReqDoc* doc, CStep* step, const DVIdArray& selection, bool output,
                       QWidget* parent = nullptr);

    // After OK: one value per selected parameter, in selection order (empty when one was not found).
    const std::vector<DVParameterValue>& Values() const { return m_values; }
    CDVValueList* List() const { return m_list; }

    void accept() override;

private:
    void FillRows();
    const DVParameter* DefinitionOfRow(int row) const;

    CReqDoc* m_pDocument;
    CStep* m_pStep;
    DVIdArray m_selection;
    bool m_bOutput;
    CDVValueList* m_list;
    std::vector<const DVParameter*> m_rowDefinitions;
    std::vector<DVParameterValue> m_values;
};
