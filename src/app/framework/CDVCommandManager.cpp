#include "app/framework/CDVCommandManager.h"

#include <QAction>

CDVCommandManager::CDVCommandManager(QObject* parent) : QObject(parent) {
    // The counterpart of idle-time updating: states are refreshed a few times a second.
    m_idle.setInterval(250);
    connect(&m_idle, &QTimer::timeout, this, &CDVCommandManager::UpdateActions);
    m_idle.start();
}

QAction* CDVCommandManager::Action(int id, const QString& text) {
    auto it = m_actions.constFind(id);
    if (it != m_actions.constEnd()) {
        if (it.value()->text().isEmpty() && !text.isEmpty()) {
            it.value()->setText(text);
        }
        return it.value();
    }
    auto* action = new QAction(text, this);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] {
        Run(id);
        UpdateActions();
    });
    m_actions.insert(id, action);
    Apply(action, id);
    return action;
}

bool CDVCommandManager::Run(int id) {
    if (!m_chain) {
        return false;
    }
    for (CDVCommandTarget* target : m_chain()) {
        if (target == nullptr) {
            continue;
        }
        CDVCommandState state;
        if (target->OnUpdateCommand(id, state)) {
            return state.enabled && target->OnCommand(id);
        }
        if (target->OnCommand(id)) {
            return true;
        }
    }
    return false;
}

bool CDVCommandManager::Update(int id, CDVCommandState& state) {
    if (!m_chain) {
        return false;
    }
    for (CDVCommandTarget* target : m_chain()) {
        if (target != nullptr && target->OnUpdateCommand(id, state)) {
            return true;
        }
    }
    return false;
}

void CDVCommandManager::Apply(QAction* action, int id) {
    CDVCommandState state;
    const bool handled = Update(id, state);
    action->setEnabled(handled && state.enabled);
    const bool checkable = handled && (state.checked || action->isCheckable());
    action->setCheckable(checkable);
    if (checkable) {
        action->setChecked(state.checked);
    }
    if (handled && !state.text.isEmpty()) {
        action->setText(state.text);
    }
}

void CDVCommandManager::UpdateActions() {
    for (auto it = m_actions.constBegin(); it != m_actions.constEnd(); ++it) {
        Apply(it.value(), it.key());
    }
    Q_EMIT actionsUpdated();
}
