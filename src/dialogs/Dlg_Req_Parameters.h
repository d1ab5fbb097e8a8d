#pragma once

#include "dialogs/CDVPropertyPage.h"
#include "model/DVParameterValue.h"

#include <optional>
#include <vector>

class CDVUserDefinedParList;
class CDVValueList;
class CViewDVTreeList;
class DVParameter;

// "User-Defined Parameters": the object's values of the project's parameters, and the project's
// definitions themselves. Definitions are shared by the whole project, so an added or edited one is live
// at once; a deleted one is marked only when the page applies, but the calling view loses its column at
// once. The values stay on the page until it applies.
class Dlg_Req_Parameters : public CDVPropertyPage {
    Q_OBJECT
public:
    // Logical columns; shown as Name, Type, Value.
    enum Column { ColumnValue = 0, ColumnType = 1, ColumnName = 2 };

    explicit Dlg_Req_Parameters(CReqDoc* doc, QWidget* parent = nullptr);

    // The sheet's pointers, given before the page is first shown: the changed flag, the
    // parameter-column-removed flag and the parameter-definitions-changed flag. Without all of them the
    // page does nothing.
    void SetContext(CDVUserDefinedParList* object, CViewDVTreeList* view, bool* changed, bool* columnRemoved,
                    bool* definitionsChanged);

    // Sets the changed flag when the values differ from the object's; marks the deleted definitions.
    bool ApplyPage() override;

    // The buttons.
    void AddParameter();
    void EditParameter();
    void DeleteParameter();

    CDVValueList* List() const { return m_list; }

protected:
    void OnInitPage() override;

private:
    struct Row {
        DVParameter* definition;
        std::optional<DVParameterValue> value;
    };

    int AppendRow(DVParameter* definition);
    void ShowRow(int row);
    bool AcceptValue(int row, const QString& text, int item);
    const DVParameter* DefinitionOfRow(int row) const;
    bool ValuesDiffer(const std::vector<DVParameterValue>& values) const;

    CDVUserDefinedParList* m_pObject = nullptr;
    CViewDVTreeList* m_pView = nullptr;
    bool* m_pChanged = nullptr;
    bool* m_pColumnRemoved = nullptr;
    bool* m_pDefinitionsChanged = nullptr;
    bool m_bReady = false;
    bool m_bDefinitionsChanged = false;
    std::vector<Row> m_rows;
    std::vector<DVParameter*> m_waitingForDeletion;

    CDVValueList* m_list;
};
