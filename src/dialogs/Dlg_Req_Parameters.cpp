#include "dialogs/Dlg_Req_Parameters.h"

#include "dialogs/CDVValueList.h"
#include "dialogs/CReqParEdit.h"
#include "document/CReqDoc.h"
#include "model/StringIds.h"
#include "platform/DVMessageBox.h"
#include "views/CViewDVTreeList.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

DVParameterValue DefaultValue(const DVParameter& definition) {
    DVParameterValue value;
    value.m_nParameterId = definition.m_nId;
    value.m_nItem = definition.m_nDefaultItem;
    return value;
}

}  // namespace

Dlg_Req_Parameters::Dlg_Req_Parameters(CReqDoc* doc, QWidget* parent)
    : CDVPropertyPage(doc, QStringLiteral("User-Defined Parameters"), parent),
      m_list(new CDVValueList(ColumnValue, 3, this)) {
    m_list->setHorizontalHeaderLabels(
        {QStringLiteral("Value"), QStringLiteral("Type"), QStringLiteral("Name")});
    QHeaderView* header = m_list->horizontalHeader();
    header->moveSection(ColumnName, 0);
    header->moveSection(1, 2);
    header->setSectionsMovable(true);
    header->setStretchLastSection(true);
    m_list->setColumnWidth(ColumnName, 150);
    m_list->setColumnWidth(ColumnType, 100);
    m_list->SetCallbacks(
        [this](int row) { return DefinitionOfRow(row); },
        [this](int row, const QString& text, int item) { return AcceptValue(row, text, item); });

    auto* add = new QPushButton(QStringLiteral("Add New Parameter"), this);
    auto* edit = new QPushButton(QStringLiteral("Edit Name / Type of Parameter"), this);
    auto* remove = new QPushButton(QStringLiteral("Delete Parameter"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add, edit, remove}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &Dlg_Req_Parameters::AddParameter);
    connect(edit, &QPushButton::clicked, this, &Dlg_Req_Parameters::EditParameter);
    connect(remove, &QPushButton::clicked, this, &Dlg_Req_Parameters::DeleteParameter);
}

void Dlg_Req_Parameters::SetContext(CDVUserDefinedParList* object, CViewDVTreeList* view, bool* changed,
                                    bool* columnRemoved, bool* definitionsChanged) {
    m_pObject = object;
    m_pView = view;
    m_pChanged = changed;
    m_pColumnRemoved = columnRemoved;
    m_pDefinitionsChanged = definitionsChanged;
}

void Dlg_Req_Parameters::OnInitPage() {
    m_bReady = m_pObject != nullptr && m_pDocument != nullptr && m_pView != nullptr &&
               m_pChanged != nullptr && m_pColumnRemoved != nullptr && m_pDefinitionsChanged != nullptr;
    if (!m_bReady) {
        return;
    }
    for (DVParameter* definition : m_pDocument->m_parameters) {
        if (!definition->m_bDeleted) {
            AppendRow(definition);
        }
    }
    if (!m_pObject->m_pParameterValues) {
        return;
    }
    for (const DVParameterValue& value : *m_pObject->m_pParameterValues) {
        for (int row = 0; row < int(m_rows.size()); ++row) {
            Row& record = m_rows[size_t(row)];
            // The first value of a definition is the one that counts.
            if (record.definition->m_nId == value.m_nParameterId && !record.value) {
                record.value = value;
                ShowRow(row);
                break;
            }
        }
    }
}

int Dlg_Req_Parameters::AppendRow(DVParameter* definition) {
    m_rows.push_back(Row{definition, std::nullopt});
    const int row = m_list->AppendRow();
    ShowRow(row);
    return row;
}

void Dlg_Req_Parameters::ShowRow(int row) {
    const Row& record = m_rows[size_t(row)];
    const DVParameter* definition = record.definition;
    QString value;
    if (record.value) {
        value = GetValueText(definition, *record.value);
    } else if (definition->m_nType == DVParameter::TypeList && definition->m_nDefaultItem >= 0) {
        value = GetValueText(definition, DefaultValue(*definition));
    }
    m_list->SetCell(row, ColumnValue, value);
    m_list->SetCell(row, ColumnType, ParameterTypeName(m_pDocument, definition->m_nType));
    m_list->SetCell(row, ColumnName, definition->m_strName);
}

const DVParameter* Dlg_Req_Parameters::DefinitionOfRow(int row) const {
    return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].definition : nullptr;
}

bool Dlg_Req_Parameters::AcceptValue(int row, const QString& text, int item) {
    if (row < 0 || row >= int(m_rows.size())) {
        return false;
    }
    Row& record = m_rows[size_t(row)];
    if (item >= 0) {
        if (!record.value) {
            record.value = DefaultValue(*record.definition);
        }
        record.value->m_nItem = item;
        return true;
    }
    DVParameterValue value;
    value.m_nParameterId = record.definition->m_nId;
    if (!CheckAndConvert(record.definition, value, text)) {
        return false;
    }
    record.value = value;
    return true;
}

void Dlg_Req_Parameters::AddParameter() {
    if (!m_bReady) {
        return;
    }
    auto definition = std::make_unique<DVParameter>();
    CReqParEdit editor(definition.get(), this);
    if (editor.exec() != QDialog::Accepted) {
        return;
    }
    definition->m_nId = ++m_pDocument->m_nLastParameterId;
    DVParameter* added = m_pDocument->m_parameters.Append(std::move(definition));
    // The definition is the project's from now on, whatever becomes of the sheet.
    m_pDocument->SetModifiedFlag();
    const int row = AppendRow(added);
    m_rows[size_t(row)].value = DefaultValue(*added);
    ShowRow(row);
    m_list->setFocus();
    m_list->selectRow(row);
}

void Dlg_Req_Parameters::EditParameter() {
    const int row = m_list->currentRow();
    if (!m_bReady || row < 0 || row >= int(m_rows.size())) {
        return;
    }
    Row& record = m_rows[size_t(row)];
    DVParameter* definition = record.definition;
    const qint32 oldType = definition->m_nType;
    const QString oldName = definition->m_strName;
    CReqParEdit editor(definition, this);
    if (editor.exec() != QDialog::Accepted) {
        return;
    }
    m_pDocument->SetModifiedFlag();
    if (definition->m_nType != oldType || !record.value) {
        record.value = DefaultValue(*definition);
    } else if (definition->m_nType == DVParameter::TypeList && record.value->m_nItem < 0 &&
               definition->m_nDefaultItem >= 0) {
        record.value->m_nItem = definition->m_nDefaultItem;
    }
    ShowRow(row);
    m_list->selectRow(row);
    if (definition->m_nType != oldType || definition->m_strName != oldName) {
        m_bDefinitionsChanged = true;
    }
}

void Dlg_Req_Parameters::DeleteParameter() {
    const int row = m_list->currentRow();
    if (!m_bReady || row < 0 || row >= int(m_rows.size())) {
        return;
    }
    DVParameter* definition = m_rows[size_t(row)].definition;
    if (DVMessageBox(
            QStringLiteral("Do you really want to delete the parameter \"%1\"?").arg(definition->m_strName),
            DV::MB_YESNO | DV::MB_ICONQUESTION | DV::MB_DEFBUTTON2) != DV::IDYES) {
        return;
    }
    // The column is named by the definition's position, which never changes.
    const int columnId = FIELD_FIRST_PARAMETER + m_pDocument->m_parameters.IndexOf(definition);
    if (m_pView->RemoveParameterColumn(columnId)) {
        *m_pColumnRemoved = true;
    }
    m_rows.erase(m_rows.begin() + row);
    m_list->removeRow(row);
    m_waitingForDeletion.push_back(definition);
}

bool Dlg_Req_Parameters::ValuesDiffer(const std::vector<DVParameterValue>& values) const {
    // An object without values that gets none is unchanged.
    if (!m_pObject->m_pParameterValues) {
        return !values.empty();
    }
    const std::vector<DVParameterValue>& old = *m_pObject->m_pParameterValues;
    if (old.size() != values.size()) {
        return true;
    }
    for (std::size_t i = 0; i < old.size(); ++i) {
        const auto match = std::find_if(
            values.begin() + std::ptrdiff_t(i), values.end(),
            [&](const DVParameterValue& value) { return value.m_nParameterId == old[i].m_nParameterId; });
        if (match == values.end() ||
            !SameValue(m_pDocument->m_parameters.FindById(old[i].m_nParameterId), old[i], *match)) {
            return true;
        }
    }
    return false;
}

bool Dlg_Req_Parameters::ApplyPage() {
    if (!m_bReady) {
        return false;
    }
    std::vector<DVParameterValue> values;
    for (const Row& record : m_rows) {
        if (record.value) {
            values.push_back(*record.value);
        } else if (record.definition->m_nType == DVParameter::TypeList ||
                   record.definition->m_nDefaultItem >= 0) {
            values.push_back(DefaultValue(*record.definition));
        }
    }
    bool changed = ValuesDiffer(values);
    if (m_bDefinitionsChanged) {
        changed = true;
        *m_pDefinitionsChanged = true;
    }
    if (changed) {
        *m_pChanged = true;
    }
    if (m_pObject->m_pParameterValues || !values.empty()) {
        m_pObject->m_pParameterValues = std::move(values);
    }
    for (DVParameter* definition : m_waitingForDeletion) {
        definition->m_bDeleted = true;
    }
    if (!m_waitingForDeletion.empty()) {
        m_pDocument->SetModifiedFlag();
    }
    return changed;
}
