#include "dialogs/Dlg_ColumnList.h"

#include "app/shell/DVIcons.h"
#include "document/CReqDoc.h"
#include "model/StringIds.h"
#include "views/CViewDVTreeList.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {

constexpr int FieldIdRole = Qt::UserRole;
constexpr int ChosenRole = Qt::UserRole + 1;
// Width of a column the dialog appends.
constexpr qint32 NewColumnWidth = 150;

QString FamilyHeader(DVFamily family) {
    switch (family) {
        case DVFamily::UseCase:
            return QStringLiteral("Show Use-Case Data / Parameter");
        case DVFamily::Step:
            return QStringLiteral("Show Use-Case Step Data / Parameter");
        case DVFamily::Actor:
            return QStringLiteral("Show Actor Data / Parameter");
        default:
            return QStringLiteral("Show Requirement Data / Parameter");
    }
}

// The family's own rows, after the rows every family has.
std::vector<int> FamilyFields(DVFamily family) {
    switch (family) {
        case DVFamily::Requirement:
            return {408, 401, FIELD_LINKAGE_TEXT,
                    404, 409, 441,
                    443, 481, 482,
                    405, 410, 442,
                    444, 485, 486,
                    501, 502, 432,
                    433};
        case DVFamily::UseCase:
            return {437, 439, 441, 443, 481, 482, 438, 440, 442, 444, 485, 486, 434, 435};
        case DVFamily::Step:
            return {415, 493, 494, 492, 495, 496, 497, 491};
        case DVFamily::Actor:
            return {499, 500};
        default:
            return {};
    }
}

// The column flag word of a wrap choice: bit 0 keeps the text on one line.
quint16 FlagsOf(bool wrap) {
    return wrap ? 0 : CDVColumn::FlagSingleLine;
}

}  // namespace

Dlg_ColumnList::Dlg_ColumnList(CReqDoc* doc, CViewDVTreeList* view, QWidget* parent)
    : QDialog(parent), m_pDocument(doc), m_pView(view), m_list(new QTableWidget(this)) {
    setWindowTitle(QStringLiteral("Visualization of Project Data"));
    m_list->setColumnCount(2);
    m_list->setHorizontalHeaderLabels(
        {FamilyHeader(view != nullptr ? view->FamilyKind() : DVFamily::Requirement),
         QStringLiteral("Wrap Text in this Column")});
    m_list->verticalHeader()->hide();
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_list->setShowGrid(false);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setColumnWidth(ShowColumn, 350);
    m_list->horizontalHeader()->setSectionResizeMode(WrapColumn, QHeaderView::ResizeToContents);
    m_list->installEventFilter(this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(640, 520);

    connect(m_list, &QTableWidget::cellClicked, this, &Dlg_ColumnList::Toggle);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex index = m_list->indexAt(pos);
        if (index.isValid()) {
            m_list->setCurrentCell(index.row(), index.column());
            Toggle(index.row(), index.column());
        }
    });

    if (m_pDocument != nullptr && m_pView != nullptr) {
        FillRows();
        MarkColumnSet();
        m_list->setCurrentCell(0, ShowColumn);
    }
}

void Dlg_ColumnList::AddRow(int fieldId, const QString& text) {
    const int row = m_list->rowCount();
    m_list->insertRow(row);
    auto* show = new QTableWidgetItem(text);
    show->setData(FieldIdRole, fieldId);
    m_list->setItem(row, ShowColumn, show);
    m_list->setItem(row, WrapColumn, new QTableWidgetItem);
    SetChosen(row, ShowColumn, false);
    SetChosen(row, WrapColumn, true);
}

void Dlg_ColumnList::FillRows() {
    const QString title = m_pView->GetTitleColumnHeader();
    AddRow(FIELD_TITLE, title);
    AddRow(FIELD_TITLE_COLUMN, QStringLiteral("%1 (simple column)").arg(title));
    for (int fieldId : {402, 403, 412, 411, 436}) {
        AddRow(fieldId, m_pDocument->GetHeaderText(fieldId));
    }
    const DVFamily family = m_pView->FamilyKind();
    for (int fieldId : FamilyFields(family)) {
        const QString header =
            m_pDocument->GetHeaderText(fieldId == FIELD_LINKAGE_TEXT ? FIELD_LINKAGE : fieldId);
        AddRow(fieldId,
               fieldId == FIELD_LINKAGE_TEXT ? QStringLiteral("%1 (without icon)").arg(header) : header);
    }
    if (family == DVFamily::Requirement || family == DVFamily::UseCase) {
        if (m_pDocument->m_bImplementationPhase) {
            for (int fieldId : {473, 474, 475, 476, 483, 484}) {
                AddRow(fieldId, m_pDocument->GetHeaderText(fieldId));
            }
        }
        if (m_pDocument->m_bValidationPhase) {
            for (int fieldId : {477, 478, 479, 480, 487, 488}) {
                AddRow(fieldId, m_pDocument->GetHeaderText(fieldId));
            }
        }
    }
    int position = 0;
    for (const DVParameter* definition : m_pDocument->m_parameters) {
        if (!definition->m_bDeleted) {
            AddRow(FIELD_FIRST_PARAMETER + position, definition->m_strName);
        }
        ++position;
    }
}

void Dlg_ColumnList::MarkColumnSet() {
    const CDVColumn& columns = m_pView->ViewColumns();
    for (int i = 0; i < columns.ColumnCount(); ++i) {
        const int row = RowOf(int(columns.m_fieldIds[size_t(i)]));
        if (row < 0) {
            continue;
        }
        if (!(row == 0 && columns.m_bFirstColumnHidden)) {
            SetChosen(row, ShowColumn, true);
        }
        if (size_t(i) < columns.m_flags.size() && (columns.m_flags[size_t(i)] & CDVColumn::FlagSingleLine)) {
            SetChosen(row, WrapColumn, false);
        }
    }
}

int Dlg_ColumnList::RowOf(int fieldId) const {
    for (int row = 0; row < m_list->rowCount(); ++row) {
        if (m_list->item(row, ShowColumn)->data(FieldIdRole).toInt() == fieldId) {
            return row;
        }
    }
    return -1;
}

bool Dlg_ColumnList::IsChosen(int row, int column) const {
    const QTableWidgetItem* item = m_list->item(row, column);
    return item != nullptr && item->data(ChosenRole).toBool();
}

void Dlg_ColumnList::SetChosen(int row, int column, bool chosen) {
    QTableWidgetItem* item = m_list->item(row, column);
    if (item == nullptr) {
        return;
    }
    item->setData(ChosenRole, chosen);
    item->setIcon(DVIcons::Named(chosen ? "phase-done" : "phase-open"));
    if (column == WrapColumn) {
        item->setText(chosen ? QStringLiteral("Yes") : QStringLiteral("No"));
    }
}

void Dlg_ColumnList::Toggle(int row, int column) {
    SetChosen(row, column, !IsChosen(row, column));
}

bool Dlg_ColumnList::eventFilter(QObject* watched, QEvent* event) {
    // Space toggles the current cell, as a click does.
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && m_list->currentItem() != nullptr) {
        Toggle(m_list->currentRow(), m_list->currentColumn());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Dlg_ColumnList::accept() {
    if (m_pDocument == nullptr || m_pView == nullptr) {
        QDialog::accept();
        return;
    }
    CDVColumn& set = m_pView->ViewColumns();
    // Work on copies whose flag array has one word per column, so that removing a column removes its
    // flags whatever the widths array holds.
    std::vector<quint32> fieldIds = set.m_fieldIds;
    std::vector<qint32> widths = set.m_widths;
    std::vector<quint16> flags = set.m_flags;
    flags.resize(fieldIds.size(), 0);
    bool firstHidden = set.m_bFirstColumnHidden;
    const auto removeAt = [&](size_t index) {
        if (widths.size() == fieldIds.size()) {
            widths.erase(widths.begin() + std::ptrdiff_t(index));
        }
        fieldIds.erase(fieldIds.begin() + std::ptrdiff_t(index));
        flags.erase(flags.begin() + std::ptrdiff_t(index));
        m_bChanged = true;
        m_bKeepWidths = false;
    };

    for (int row = 0; row < m_list->rowCount(); ++row) {
        const quint32 fieldId = m_list->item(row, ShowColumn)->data(FieldIdRole).toUInt();
        const bool shown = IsChosen(row, ShowColumn);
        const quint16 wanted = FlagsOf(IsChosen(row, WrapColumn));
        const auto found = std::find(fieldIds.begin(), fieldIds.end(), fieldId);
        const size_t index = size_t(found - fieldIds.begin());
        const bool inSet = found != fieldIds.end();
        const bool present = inSet && !(index == 0 && firstHidden);
        if (present && !shown) {
            if (index == 0) {
                firstHidden = true;
                m_bChanged = true;
                m_bKeepWidths = false;
            } else {
                removeAt(index);
            }
        } else if (present && shown) {
            if (flags[index] != wanted) {
                flags[index] = wanted;
                m_bChanged = true;
            }
        } else if (!present && shown) {
            if (inSet) {
                firstHidden = false;
            } else {
                if (widths.size() == fieldIds.size()) {
                    widths.push_back(NewColumnWidth);
                }
                fieldIds.push_back(fieldId);
                flags.push_back(wanted);
            }
            m_bChanged = true;
            m_bKeepWidths = false;
        }
    }
    // Columns of deleted parameter definitions go whether or not their rows were offered.
    int position = 0;
    for (const DVParameter* definition : m_pDocument->m_parameters) {
        if (definition->m_bDeleted) {
            const auto found =
                std::find(fieldIds.begin(), fieldIds.end(), quint32(FIELD_FIRST_PARAMETER + position));
            if (found != fieldIds.end()) {
                removeAt(size_t(found - fieldIds.begin()));
            }
        }
        ++position;
    }
    if (m_bChanged) {
        set.m_fieldIds = std::move(fieldIds);
        set.m_widths = std::move(widths);
        set.m_flags = std::move(flags);
        set.m_bFirstColumnHidden = firstHidden;
    }
    QDialog::accept();
}
