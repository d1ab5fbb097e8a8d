#include "controls/treelist/CTreeListCtrl.h"

#include "controls/treelist/ITreeListOwner.h"

#include <QMenu>

CTreeListCtrl::CTreeListCtrl(ITreeListOwner* owner, QWidget* parent, quint32 style)
    : DV_TreeList(parent, style), m_owner(owner) {}

QMenu* CTreeListCtrl::CreateColumnHeaderMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    auto add = [](QMenu* m, const QString& text, int id) {
        QAction* action = m->addAction(text);
        action->setData(id);
        return action;
    };
    add(menu, QStringLiteral("Choose Columns ..."), ID_CHOOSE_COLUMNS);
    add(menu, QStringLiteral("Save Column Order and Size"), ID_SAVE_COLUMN_LAYOUT);
    add(menu, QStringLiteral("Save Column Order and Size Automatically"), ID_SAVE_COLUMN_LAYOUT_AUTO);
    add(menu, QStringLiteral("Reset Column Order and Size"), ID_RESET_COLUMN_LAYOUT);
    QMenu* viewType = menu->addMenu(QStringLiteral("Change View Type to ..."));
    add(viewType, QStringLiteral("Project Overview"), ID_VIEW_PROJECT_OVERVIEW);
    add(viewType, QStringLiteral("Requirements"), ID_VIEW_REQUIREMENTS);
    add(viewType, QStringLiteral("Actors"), ID_VIEW_ACTORS);
    add(viewType, QStringLiteral("Use Cases"), ID_VIEW_USE_CASES);
    return menu;
}

void CTreeListCtrl::ShowColumnHeaderMenu(const QPoint& globalPos) {
    if (!m_owner) {
        return;
    }
    m_owner->CloseOpenPopupMenu();
    QMenu* menu = CreateColumnHeaderMenu(this);
    m_owner->UpdateColumnHeaderMenu(menu);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Connected per action, so that the actions of the submenu reach the owner as well.
    for (QAction* action : menu->findChildren<QAction*>()) {
        if (const int id = action->data().toInt()) {
            connect(action, &QAction::triggered, this, [this, id] {
                if (m_owner) {
                    m_owner->OnColumnHeaderCommand(id);
                }
            });
        }
    }
    connect(menu, &QMenu::aboutToHide, this, [this] {
        if (m_owner) {
            m_owner->SetOpenPopupMenu(nullptr);
        }
    });
    m_owner->SetOpenPopupMenu(menu);
    menu->popup(globalPos);
}
