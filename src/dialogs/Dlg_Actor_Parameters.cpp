#include "dialogs/Dlg_Actor_Parameters.h"

#include "dialogs/CReqParEdit.h"
#include "dialogs/Dlg_FunctionEdit.h"
#include "document/CReqDoc.h"
#include "model/CActor.h"
#include "platform/DVMessageBox.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Equal when the counts match and each row's copy is found, by its identifier, at or after its own
// position in the list, equal to the entry there.
template <typename T, typename Same>
bool SameEntries(const std::vector<std::unique_ptr<T>>& rows, const std::vector<std::unique_ptr<T>>& list,
                 Same same) {
    if (rows.size() != list.size()) {
        return false;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto entry = std::find_if(list.begin() + std::ptrdiff_t(i), list.end(),
                                        [&](const auto& e) { return e->m_nId == rows[i]->m_nId; });
        if (entry == list.end() || !same(**entry, *rows[i])) {
            return false;
        }
    }
    return true;
}

// The actor's list takes the copies in row order; a copy without identifier gets the next one.
template <typename T>
void ReplaceEntries(std::vector<std::unique_ptr<T>>& list, std::vector<std::unique_ptr<T>>& rows,
                    qint32& lastId) {
    for (auto& row : rows) {
        if (row->m_nId == 0) {
            row->m_nId = ++lastId;
        }
    }
    list = std::move(rows);
    rows.clear();
}

}  // namespace

Dlg_Actor_Parameters::Dlg_Actor_Parameters(CReqDoc* doc, CActor* actor, bool functionsMode, bool* changed,
                                           QWidget* parent)
    : CDVPropertyPage(
          doc, functionsMode ? QStringLiteral("Functions of Actor") : QStringLiteral("Parameters of Actor"),
          parent),
      m_pActor(actor),
      m_bFunctionsMode(functionsMode),
      m_pChanged(changed),
      m_list(new QTreeWidget(this)) {
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    QHeaderView* header = m_list->header();
    if (functionsMode) {
        m_list->setHeaderLabels({QStringLiteral("Function Name"), QStringLiteral("Return Value"),
                                 QStringLiteral("Parameter List")});
        header->moveSection(ColumnReturnValue, 0);
        m_list->setColumnWidth(ColumnReturnValue, 100);
        m_list->setColumnWidth(ColumnFunctionName, 200);
        m_list->setColumnWidth(ColumnParameterList, 250);
    } else {
        m_list->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Type")});
        m_list->setColumnWidth(ColumnName, 200);
        header->setSectionResizeMode(ColumnType, QHeaderView::ResizeToContents);
    }

    auto* add = new QPushButton(
        functionsMode ? QStringLiteral("Add Function") : QStringLiteral("Add New Parameter"), this);
    auto* edit = new QPushButton(
        functionsMode ? QStringLiteral("Edit Function") : QStringLiteral("Edit Name / Type of Parameter"),
        this);
    auto* remove = new QPushButton(
        functionsMode ? QStringLiteral("Delete Function") : QStringLiteral("Delete Parameter"), this);
    auto* buttons = new QGroupBox(
        functionsMode ? QStringLiteral("Edit Functions:") : QStringLiteral("Edit Parameter-List:"), this);
    auto* buttonLayout = new QHBoxLayout(buttons);
    for (QPushButton* button : {add, edit, remove}) {
        button->setAutoDefault(false);
        buttonLayout->addWidget(button);
    }
    buttonLayout->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(functionsMode ? QStringLiteral("Functions:") : QStringLiteral("Parameters:"), this));
    layout->addWidget(m_list);
    layout->addWidget(buttons);

    connect(add, &QPushButton::clicked, this, &Dlg_Actor_Parameters::AddEntry);
    connect(edit, &QPushButton::clicked, this, &Dlg_Actor_Parameters::EditEntry);
    connect(remove, &QPushButton::clicked, this, &Dlg_Actor_Parameters::DeleteEntry);
    // A double-click or a right-click edits the row it hits.
    const auto editItem = [this](QTreeWidgetItem* item) {
        if (item != nullptr) {
            m_list->setCurrentItem(item);
            EditEntry();
        }
    };
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, editItem);
    connect(m_list, &QTreeWidget::customContextMenuRequested, this,
            [this, editItem](const QPoint& at) { editItem(m_list->itemAt(at)); });
}

Dlg_Actor_Parameters::~Dlg_Actor_Parameters() = default;

void Dlg_Actor_Parameters::OnInitPage() {
    m_bReady = m_pActor != nullptr && m_pDocument != nullptr && m_pChanged != nullptr;
    if (!m_bReady) {
        return;
    }
    if (m_bFunctionsMode) {
        for (const auto& function : m_pActor->m_functions) {
            m_functions.push_back(std::make_unique<CFunction>(*function));
            AppendRow();
        }
    } else {
        for (const auto& definition : m_pActor->m_actorParameters) {
            m_parameters.push_back(std::make_unique<DVParameter>(*definition));
            AppendRow();
        }
    }
}

QTreeWidgetItem* Dlg_Actor_Parameters::AppendRow() {
    auto* item = new QTreeWidgetItem(m_list);
    ShowRow(m_list->topLevelItemCount() - 1);
    return item;
}

void Dlg_Actor_Parameters::ShowRow(int row) {
    QTreeWidgetItem* item = m_list->topLevelItem(row);
    if (m_bFunctionsMode) {
        const CFunction& function = *m_functions[std::size_t(row)];
        // The row reads like a declaration.
        item->setText(ColumnReturnValue, function.m_strReturnValue);
        item->setText(ColumnFunctionName, QStringLiteral("= %1").arg(function.m_strTitle));
        item->setText(ColumnParameterList, QStringLiteral("( %1 )").arg(function.m_strParameters));
    } else {
        const DVParameter& definition = *m_parameters[std::size_t(row)];
        item->setText(ColumnName, definition.m_strName);
        item->setText(ColumnType, ParameterTypeName(m_pDocument, definition.m_nType));
    }
}

bool Dlg_Actor_Parameters::EditCopy(int row) {
    if (m_bFunctionsMode) {
        Dlg_FunctionEdit editor(m_functions[std::size_t(row)].get(), this);
        return editor.exec() == QDialog::Accepted;
    }
    CReqParEdit editor(m_parameters[std::size_t(row)].get(), this);
    return editor.exec() == QDialog::Accepted;
}

void Dlg_Actor_Parameters::AddEntry() {
    if (!m_bReady) {
        return;
    }
    // The new copy takes the next row; it goes again when the editor is cancelled.
    if (m_bFunctionsMode) {
        auto function = std::make_unique<CFunction>();
        function->m_strTitle = QStringLiteral("New Function");
        m_functions.push_back(std::move(function));
    } else {
        m_parameters.push_back(std::make_unique<DVParameter>());
    }
    const int row = m_list->topLevelItemCount();
    if (!EditCopy(row)) {
        m_bFunctionsMode ? m_functions.pop_back() : m_parameters.pop_back();
        return;
    }
    QTreeWidgetItem* item = AppendRow();
    m_list->setFocus();
    m_list->setCurrentItem(item);
}

void Dlg_Actor_Parameters::EditEntry() {
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (!m_bReady || row < 0) {
        return;
    }
    if (EditCopy(row)) {
        ShowRow(row);
        m_list->setCurrentItem(m_list->topLevelItem(row));
    }
}

QString Dlg_Actor_Parameters::NameOfRow(int row) const {
    return m_bFunctionsMode ? m_functions[std::size_t(row)]->m_strTitle
                            : m_parameters[std::size_t(row)]->m_strName;
}

void Dlg_Actor_Parameters::DeleteEntry() {
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (!m_bReady || row < 0) {
        return;
    }
    const QString question = m_bFunctionsMode
                                 ? QStringLiteral("Do you really want to delete the function \"%1\"?")
                                 : QStringLiteral("Do you really want to delete the parameter \"%1\"?");
    if (DVMessageBox(question.arg(NameOfRow(row)), DV::MB_YESNO | DV::MB_ICONQUESTION | DV::MB_DEFBUTTON2) !=
        DV::IDYES) {
        return;
    }
    delete m_list->takeTopLevelItem(row);
    if (m_bFunctionsMode) {
        m_functions.erase(m_functions.begin() + row);
    } else {
        m_parameters.erase(m_parameters.begin() + row);
    }
}

bool Dlg_Actor_Parameters::RowsEqualList() const {
    if (m_bFunctionsMode) {
        return SameEntries(m_functions, m_pActor->m_functions, [](const CFunction& a, const CFunction& b) {
            return a.FunctionText() == b.FunctionText();
        });
    }
    return SameEntries(m_parameters, m_pActor->m_actorParameters,
                       [](const DVParameter& a, const DVParameter& b) { return a == b; });
}

bool Dlg_Actor_Parameters::ApplyPage() {
    if (!m_bReady) {
        return false;
    }
    const bool changed = !RowsEqualList();
    if (changed) {
        *m_pChanged = true;
    }
    if (m_bFunctionsMode) {
        ReplaceEntries(m_pActor->m_functions, m_functions, m_pDocument->m_nLastFunctionId);
    } else {
        ReplaceEntries(m_pActor->m_actorParameters, m_parameters, m_pDocument->m_nLastActorParameterId);
    }
    return changed;
}
