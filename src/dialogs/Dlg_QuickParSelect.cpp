#include "dialogs/Dlg_QuickParSelect.h"

#include "dialogs/CDVValueList.h"
#include "dialogs/DVOkCancel.h"
#include "document/CReqDoc.h"

#include <QHeaderView>
#include <QVBoxLayout>

Dlg_QuickParSelect::Dlg_QuickParSelect(CReqDoc* doc, CStep* step, const DVIdArray& selection, bool output,
                                       QWidget* parent)
    : QDialog(parent),
      m_pDocument(doc),
      m_pStep(step),
      m_selection(selection),
      m_bOutput(output),
      m_list(new CDVValueList(ColumnValue, 4, this)) {
    setWindowTitle(output ? QStringLiteral("Output Parameter Values")
                          : QStringLiteral("Input Parameter Values"));
    m_list->setHorizontalHeaderLabels({QStringLiteral("Parameter-Value"), QStringLiteral("Actor"),
                                       QStringLiteral("Parameter-Name"), QStringLiteral("Parameter-Type")});
    QHeaderView* header = m_list->horizontalHeader();
    header->moveSection(ColumnValue, ColumnType);
    for (int column = 0; column < 4; ++column) {
        m_list->setColumnWidth(column, 125);
    }
    m_list->SetCallbacks([this](int row) { return DefinitionOfRow(row); },
                         [this](int row, const QString& text, int item) {
                             // A chosen item is one of the definition's own texts.
                             DVParameterValue value;
                             return item >= 0 || CheckAndConvert(DefinitionOfRow(row), value, text);
                         });

    QDialogButtonBox* buttons = OkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(4 * 125 + 40, 260);
    FillRows();
}

const DVParameter* Dlg_QuickParSelect::DefinitionOfRow(int row) const {
    return row >= 0 && row < int(m_rowDefinitions.size()) ? m_rowDefinitions[size_t(row)] : nullptr;
}

void Dlg_QuickParSelect::FillRows() {
    if (m_pDocument == nullptr || m_pStep == nullptr) {
        return;
    }
    const std::vector<DVParameterValue>& current =
        m_bOutput ? m_pStep->m_outputValues : m_pStep->m_inputValues;
    for (const quint32 id : m_selection) {
        CActor* actor = nullptr;
        const DVParameter* definition = m_pDocument->FindActorParameter(qint32(id), &actor);
        if (definition == nullptr) {
            continue;
        }
        QString valueText;
        for (const DVParameterValue& value : current) {
            if (value.m_nParameterId == definition->m_nId) {
                valueText = GetValueText(definition, value);
                break;
            }
        }
        const int row = m_list->AppendRow();
        m_list->SetCell(row, ColumnValue, valueText);
        m_list->SetCell(row, ColumnActor, actor != nullptr ? actor->GetTitle() : QString());
        m_list->SetCell(row, ColumnName, definition->m_strName);
        m_list->SetCell(row, ColumnType, ParameterTypeName(m_pDocument, definition->m_nType));
        m_rowDefinitions.push_back(definition);
    }
}

void Dlg_QuickParSelect::accept() {
    std::vector<DVParameterValue> values;
    if (m_rowDefinitions.size() == m_selection.size()) {
        for (int row = 0; row < int(m_rowDefinitions.size()); ++row) {
            const DVParameter* definition = m_rowDefinitions[size_t(row)];
            DVParameterValue value;
            value.m_nParameterId = definition->m_nId;
            if (!CheckAndConvert(definition, value, m_list->CellText(row, ColumnValue))) {
                return;
            }
            values.push_back(value);
        }
    }
    m_values = std::move(values);
    QDialog::accept();
}
