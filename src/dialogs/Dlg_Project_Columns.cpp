#include "dialogs/Dlg_Project_Columns.h"

#include "document/CReqDoc.h"
#include "platform/DVStringTable.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {

// Enter ends the edit of a text and nothing more: left to the line editor, the key would also
// press the sheet's default button.
class UserTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    bool eventFilter(QObject* editor, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                auto* widget = static_cast<QWidget*>(editor);
                Q_EMIT commitData(widget);
                Q_EMIT closeEditor(widget, QAbstractItemDelegate::NoHint);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }
};

constexpr int FieldIdRole = Qt::UserRole;
// The user text the cell showed before the current edit.
constexpr int ShownTextRole = Qt::UserRole + 1;

struct RowGroup {
    const char* objectType;
    std::vector<int> fieldIds;
};

const std::vector<RowGroup> ValueNameRows = {
    {"General", {515, 514, 517, 533}},
    {"Project Overview",
     {538, 552, 553, 556, 535, 536, 537, 539, 540, 541, 542, 543, 544, 545, 546, 547, 548, 549, 550, 551}},
    {"Parameter", {554, 534, 555}},
    {"Rqmt. / Use Case", {516, 518, 519, 520}},
    {"Requirement", {507, 508, 509, 510, 511, 512, 513}},
    {"Use-Case Step", {521, 522, 523, 524, 525, 526, 527, 528, 529, 530, 531, 532}},
};

const std::vector<RowGroup> HeaderRows = {
    {"General", {402, 403, 411, 436, 412}},
    {"Requirement", {465, 408, 401, 404, 405, 409, 410, 501, 502, 432, 433}},
    {"Rqmt. / Use Case",
     {441, 442, 443, 444, 473, 474, 475, 476, 477, 478, 479, 480, 481, 482, 483, 484, 485, 486, 487, 488}},
    {"Use Case", {467, 437, 438, 439, 440, 435, 434}},
    {"Actor", {466, 499, 500}},
    {"Use-Case Step", {468, 415, 493, 494, 497, 492, 495, 496, 491}},
};

}  // namespace

Dlg_Project_Columns::Dlg_Project_Columns(CReqDoc* doc, Mode mode, QWidget* parent)
    : CDVPropertyPage(doc,
                      mode == ValueNames ? QStringLiteral("Language Support")
                                         : QStringLiteral("Column Header Definitions"),
                      parent),
      m_mode(mode),
      m_list(new QTreeWidget(this)),
      m_edit(new QPushButton(mode == ValueNames ? QStringLiteral("Edit User Expression")
                                                : QStringLiteral("Edit User Defined Header"),
                             this)),
      m_reset(new QPushButton(QStringLiteral("Reset Default Value"), this)) {
    m_list->setColumnCount(3);
    m_list->setHeaderLabels(
        mode == ValueNames
            ? QStringList{QStringLiteral("Object Type"), QStringLiteral("Default Expression"),
                          QStringLiteral("User Defined Expression")}
            : QStringList{QStringLiteral("Object Type"), QStringLiteral("Default Header Definition"),
                          QStringLiteral("User Defined Header")});
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setItemDelegate(new UserTextDelegate(m_list));
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(ObjectTypeColumn, 100);
    m_list->setColumnWidth(DefaultColumn, 175);
    m_list->setColumnWidth(UserColumn, 200);
    m_list->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_edit);
    buttons->addWidget(m_reset);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);

    connect(m_edit, &QPushButton::clicked, this, &Dlg_Project_Columns::EditSelected);
    connect(m_reset, &QPushButton::clicked, this, &Dlg_Project_Columns::ResetSelected);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &Dlg_Project_Columns::EditSelected);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (QTreeWidgetItem* item = m_list->itemAt(pos)) {
            m_list->setCurrentItem(item);
            EditSelected();
        }
    });
}

void Dlg_Project_Columns::OnInitPage() {
    if (m_pDocument == nullptr) {
        return;
    }
    for (const RowGroup& group : m_mode == ValueNames ? ValueNameRows : HeaderRows) {
        for (int fieldId : group.fieldIds) {
            const QString defaultText = LoadString(fieldId);
            const QString userText = m_mode == ValueNames ? m_pDocument->GetValueName(fieldId)
                                                          : m_pDocument->GetHeaderText(fieldId);
            const QString shown = userText == defaultText ? QString() : userText;
            auto* item =
                new QTreeWidgetItem(m_list, {QString::fromLatin1(group.objectType), defaultText, shown});
            item->setFlags(item->flags() | Qt::ItemIsEditable);
            item->setData(ObjectTypeColumn, FieldIdRole, fieldId);
            item->setData(UserColumn, ShownTextRole, shown);
        }
    }
    // Object types and default texts are shown whole, however wide the font makes them.
    for (const auto& [column, width] : {std::pair{ObjectTypeColumn, 100}, std::pair{DefaultColumn, 175}}) {
        m_list->resizeColumnToContents(column);
        m_list->setColumnWidth(column, std::max(width, m_list->columnWidth(column)));
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));
    connect(m_list, &QTreeWidget::itemChanged, this, &Dlg_Project_Columns::OnItemChanged);
}

QTreeWidgetItem* Dlg_Project_Columns::RowOf(int fieldId) const {
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_list->topLevelItem(i);
        if (item->data(ObjectTypeColumn, FieldIdRole).toInt() == fieldId) {
            return item;
        }
    }
    return nullptr;
}

bool Dlg_Project_Columns::eventFilter(QObject* watched, QEvent* event) {
    // F2 edits the user text of the row, as in every list where texts are renamed.
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
        EditSelected();
        return true;
    }
    return CDVPropertyPage::eventFilter(watched, event);
}

void Dlg_Project_Columns::EditSelected() {
    if (QTreeWidgetItem* item = m_list->currentItem()) {
        m_list->setFocus();
        m_list->editItem(item, UserColumn);
    }
}

void Dlg_Project_Columns::OnItemChanged(QTreeWidgetItem* item, int column) {
    if (column != UserColumn) {
        return;
    }
    const QString text = item->text(UserColumn);
    if (text != item->data(UserColumn, ShownTextRole).toString()) {
        m_bEdited = true;
        item->setData(UserColumn, ShownTextRole, text);
    }
}

void Dlg_Project_Columns::ResetSelected() {
    QTreeWidgetItem* item = m_list->currentItem();
    if (item != nullptr && !item->text(UserColumn).isEmpty()) {
        item->setText(UserColumn, QString());
    }
}

bool Dlg_Project_Columns::ApplyPage() {
    if (m_pDocument == nullptr) {
        return false;
    }
    std::vector<DV_UserDefinition> texts;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_list->topLevelItem(i);
        const QString text = item->text(UserColumn);
        if (!text.isEmpty()) {
            texts.push_back({item->data(ObjectTypeColumn, FieldIdRole).toInt(), text});
        }
    }
    std::vector<DV_UserDefinition>& target =
        m_mode == ValueNames ? m_pDocument->m_userValueNames : m_pDocument->m_userHeaders;
    // Texts equal to their defaults drop out here too; that changes the project as well.
    const bool differs = texts.size() != target.size() ||
                         !std::equal(texts.begin(), texts.end(), target.begin(),
                                     [](const DV_UserDefinition& a, const DV_UserDefinition& b) {
                                         return a.nFieldId == b.nFieldId && a.strText == b.strText;
                                     });
    target = std::move(texts);
    return m_bEdited || differs;
}
