#include "app/framework/CWindowsDialog.h"

#include "app/shell/WindowTitle.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

CWindowsDialog::CWindowsDialog(QMdiArea* area, QWidget* parent)
    : QDialog(parent), m_area(area), m_list(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Windows"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* activate = buttons->addButton(QStringLiteral("&Activate"), QDialogButtonBox::AcceptRole);
    QPushButton* closeWindow =
        buttons->addButton(QStringLiteral("Close &Window"), QDialogButtonBox::ActionRole);
    connect(activate, &QPushButton::clicked, this, &CWindowsDialog::ActivateSelected);
    connect(closeWindow, &QPushButton::clicked, this, &CWindowsDialog::CloseSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CWindowsDialog::ActivateSelected);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    Fill();
    // Wide enough for the window titles, which name the view and the project.
    const int titles = m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 8;
    m_list->setMinimumWidth(std::min(titles, 720));
}

void CWindowsDialog::Fill() {
    m_list->clear();
    for (QMdiSubWindow* window : m_area->subWindowList()) {
        auto* item = new QListWidgetItem(window->windowIcon(), WindowTitle::Shown(window), m_list);
        item->setData(Qt::UserRole, QVariant::fromValue(static_cast<QObject*>(window)));
        if (window == m_area->activeSubWindow()) {
            m_list->setCurrentItem(item);
        }
    }
}

void CWindowsDialog::ActivateSelected() {
    if (QListWidgetItem* item = m_list->currentItem()) {
        if (auto* window = qobject_cast<QMdiSubWindow*>(item->data(Qt::UserRole).value<QObject*>())) {
            m_area->setActiveSubWindow(window);
        }
    }
    accept();
}

void CWindowsDialog::CloseSelected() {
    if (QListWidgetItem* item = m_list->currentItem()) {
        if (auto* window = qobject_cast<QMdiSubWindow*>(item->data(Qt::UserRole).value<QObject*>())) {
            window->close();
        }
    }
    Fill();
}
