#include "dialogs/CReqParEdit.h"

#include "app/shell/DVIcons.h"
#include "dialogs/DVOkCancel.h"
#include "model/DVParameter.h"
#include "platform/DVMessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kMaxTextLength = 1000000000;

// The dialog framework's reading of a number field: the whole text, blanks around it allowed.
bool ReadDouble(QLineEdit* edit, double& value) {
    bool ok = false;
    value = edit->text().trimmed().toDouble(&ok);
    if (!ok) {
        DVMessageBox(QStringLiteral("Please enter a number."), DV::MB_OK | DV::MB_ICONEXCLAMATION);
        edit->setFocus();
        edit->selectAll();
    }
    return ok;
}

QString DoubleText(double value) {
    return QString::number(value, 'g', 15);
}

}  // namespace

CReqParEdit::CReqParEdit(DVParameter* definition, QWidget* parent)
    : QDialog(parent),
      m_pDefinition(definition),
      m_nDefaultItem(definition->m_nDefaultItem),
      m_name(new QLineEdit(definition->m_strName, this)),
      m_id(new QLineEdit(this)),
      m_type(new QComboBox(this)),
      m_maxLengthCheck(new QCheckBox(QStringLiteral("Define Maximum Length of Text:"), this)),
      m_maxLength(new QLineEdit(this)),
      m_minCheck(new QCheckBox(QStringLiteral("Define Minimum:"), this)),
      m_min(new QLineEdit(DoubleText(definition->m_dMin), this)),
      m_maxCheck(new QCheckBox(QStringLiteral("Define Maximum:"), this)),
      m_max(new QLineEdit(DoubleText(definition->m_dMax), this)),
      m_items(new QTreeWidget(this)),
      m_addItem(new QPushButton(DVIcons::Named("add"), QStringLiteral("Add Item"), this)),
      m_editItem(new QPushButton(DVIcons::Named("edit-list"), QStringLiteral("Edit Item"), this)),
      m_toggleDefault(
          new QPushButton(DVIcons::Named("phase-done"), QStringLiteral("Toggle Default Item"), this)),
      m_deleteItem(new QPushButton(DVIcons::Named("close"), QStringLiteral("Delete Item"), this)) {
    setWindowTitle(definition->m_nId != 0 ? QStringLiteral("Edit Parameter %1").arg(definition->m_strName)
                                          : QStringLiteral("Add New Parameter"));
    m_id->setText(definition->m_nId != 0 ? QString::number(definition->m_nId) : QStringLiteral("---"));
    m_id->setReadOnly(true);
    m_type->addItem(DVIcons::Named("edit-list"), QStringLiteral("Text"));
    m_type->addItem(DVIcons::Named("properties"), QStringLiteral("Number"));
    m_type->addItem(DVIcons::Named("column-edit"), QStringLiteral("List"));
    m_type->setCurrentIndex(definition->m_nType >= 0 && definition->m_nType < 3 ? definition->m_nType : 0);
    m_maxLengthCheck->setChecked(definition->m_nMaxLength > 0);
    m_maxLength->setText(QString::number(std::max(definition->m_nMaxLength, 0)));
    m_minCheck->setChecked(definition->m_bHasMin);
    m_maxCheck->setChecked(definition->m_bHasMax);
    m_items->setHeaderLabels({QStringLiteral("Item")});
    m_items->setRootIsDecorated(false);
    m_items->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_items->setContextMenuPolicy(Qt::CustomContextMenu);
    for (const QString& text : definition->m_items) {
        auto* item = new QTreeWidgetItem(m_items, {text});
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    ShowDefaultIcons();

    auto* layout = new QVBoxLayout(this);
    auto* head = new QGridLayout;
    head->addWidget(new QLabel(QStringLiteral("Name:"), this), 0, 0);
    head->addWidget(m_name, 0, 1);
    head->addWidget(new QLabel(QStringLiteral("ID:"), this), 0, 2);
    head->addWidget(m_id, 0, 3);
    head->addWidget(new QLabel(QStringLiteral("Type:"), this), 1, 0);
    head->addWidget(m_type, 1, 1);
    head->setColumnStretch(1, 1);
    layout->addLayout(head);

    auto* limits = new QGroupBox(this);
    auto* grid = new QGridLayout(limits);
    grid->addWidget(m_maxLengthCheck, 0, 0);
    grid->addWidget(m_maxLength, 0, 1);
    grid->addWidget(m_minCheck, 1, 0);
    grid->addWidget(m_min, 1, 1);
    grid->addWidget(m_maxCheck, 2, 0);
    grid->addWidget(m_max, 2, 1);
    layout->addWidget(limits);

    auto* list = new QHBoxLayout;
    list->addWidget(m_items, 1);
    auto* itemButtons = new QVBoxLayout;
    for (QPushButton* button : {m_addItem, m_editItem, m_toggleDefault, m_deleteItem}) {
        button->setAutoDefault(false);
        itemButtons->addWidget(button);
    }
    itemButtons->addStretch();
    list->addLayout(itemButtons);
    layout->addLayout(list);

    QDialogButtonBox* buttons = OkCancelButtons(this);
    layout->addWidget(buttons);
    connect(m_type, &QComboBox::currentIndexChanged, this, &CReqParEdit::EnableByType);
    connect(m_addItem, &QPushButton::clicked, this, &CReqParEdit::AddItem);
    connect(m_editItem, &QPushButton::clicked, this, &CReqParEdit::EditItem);
    connect(m_toggleDefault, &QPushButton::clicked, this, &CReqParEdit::ToggleDefaultItem);
    connect(m_deleteItem, &QPushButton::clicked, this, &CReqParEdit::DeleteItem);
    connect(m_items, &QTreeWidget::itemDoubleClicked, this, &CReqParEdit::ToggleDefaultItem);
    connect(m_items, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (QTreeWidgetItem* item = m_items->itemAt(pos)) {
            m_items->setCurrentItem(item);
            EditItem();
        }
    });
    EnableByType();
}

void CReqParEdit::EnableByType() {
    const int type = m_type->currentIndex();
    m_maxLengthCheck->setEnabled(type == DVParameter::TypeText);
    m_maxLength->setEnabled(type == DVParameter::TypeText);
    for (QWidget* control : std::initializer_list<QWidget*>{m_minCheck, m_min, m_maxCheck, m_max}) {
        control->setEnabled(type == DVParameter::TypeNumber);
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_items, m_addItem, m_editItem, m_toggleDefault, m_deleteItem}) {
        control->setEnabled(type == DVParameter::TypeList);
    }
}

void CReqParEdit::ShowDefaultIcons() {
    // The other items keep the icon's room, so that all texts start in one line.
    QPixmap blank(m_items->iconSize().isValid() ? m_items->iconSize() : QSize(16, 16));
    blank.fill(Qt::transparent);
    for (int i = 0; i < m_items->topLevelItemCount(); ++i) {
        m_items->topLevelItem(i)->setIcon(0,
                                          i == m_nDefaultItem ? DVIcons::Named("phase-done") : QIcon(blank));
    }
}

void CReqParEdit::AddItem() {
    if (m_items->topLevelItemCount() == 0) {
        m_nDefaultItem = 0;
    }
    auto* item = new QTreeWidgetItem(m_items, {QStringLiteral("New Item")});
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    ShowDefaultIcons();
    m_items->setCurrentItem(item);
    m_items->setFocus();
}

void CReqParEdit::EditItem() {
    if (QTreeWidgetItem* item = m_items->currentItem()) {
        m_items->editItem(item);
    }
}

void CReqParEdit::ToggleDefaultItem() {
    const int selected = m_items->indexOfTopLevelItem(m_items->currentItem());
    if (selected < 0) {
        return;
    }
    m_nDefaultItem = selected == m_nDefaultItem ? -1 : selected;
    ShowDefaultIcons();
}

void CReqParEdit::DeleteItem() {
    const int selected = m_items->indexOfTopLevelItem(m_items->currentItem());
    if (selected < 0) {
        return;
    }
    delete m_items->takeTopLevelItem(selected);
    if (selected == m_nDefaultItem) {
        m_nDefaultItem = -1;
    } else if (selected < m_nDefaultItem) {
        --m_nDefaultItem;
    }
    ShowDefaultIcons();
}

void CReqParEdit::accept() {
    bool ok = false;
    const int maxLength = m_maxLength->text().trimmed().toInt(&ok);
    if (!ok || maxLength < 0 || maxLength > kMaxTextLength) {
        DVMessageBox(QStringLiteral("Please enter an integer between 0 and %1.").arg(kMaxTextLength),
                     DV::MB_OK | DV::MB_ICONEXCLAMATION);
        m_maxLength->setFocus();
        m_maxLength->selectAll();
        return;
    }
    double minimum = 0.0;
    double maximum = 0.0;
    if (!ReadDouble(m_min, minimum) || !ReadDouble(m_max, maximum)) {
        return;
    }
    const int type = m_type->currentIndex();
    if (type == DVParameter::TypeNumber && m_minCheck->isChecked() && m_maxCheck->isChecked() &&
        maximum < minimum) {
        DVMessageBox(QStringLiteral("Minimum cannot be larger than maximum."),
                     DV::MB_OK | DV::MB_ICONEXCLAMATION);
        return;
    }
    m_pDefinition->m_nType = type;
    m_pDefinition->m_strName = m_name->text();
    switch (type) {
        case DVParameter::TypeText:
            m_pDefinition->m_nMaxLength = m_maxLengthCheck->isChecked() ? maxLength : -1;
            break;
        case DVParameter::TypeNumber:
            m_pDefinition->m_dMin = minimum;
            m_pDefinition->m_dMax = maximum;
            m_pDefinition->m_bHasMin = m_minCheck->isChecked();
            m_pDefinition->m_bHasMax = m_maxCheck->isChecked();
            break;
        default:
            m_pDefinition->m_items.clear();
            for (int i = 0; i < m_items->topLevelItemCount(); ++i) {
                m_pDefinition->m_items.append(m_items->topLevelItem(i)->text(0));
            }
            m_pDefinition->m_nDefaultItem = m_nDefaultItem;
            break;
    }
    QDialog::accept();
}
