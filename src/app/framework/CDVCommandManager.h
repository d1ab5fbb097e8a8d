#pragma once

#include "views/CDVCommandTarget.h"

#include <QHash>
#include <QObject>
#include <QTimer>

#include <functional>
#include <vector>

class QAction;

// One QAction per command id, routed through a chain of command targets (active view, its document,
// its frame, the application). The actions' enabled and checked states follow the targets' update
// handlers; a command that no target handles is disabled.
class CDVCommandManager : public QObject {
    Q_OBJECT
public:
    using Chain = std::function<std::vector<CDVCommandTarget*>()>;

    explicit CDVCommandManager(QObject* parent = nullptr);

    void SetChain(Chain chain) { m_chain = std::move(chain); }

    // The action of a command, created on first use with the given text.
    QAction* Action(int id, const QString& text = QString());
    bool HasAction(int id) const { return m_actions.contains(id); }

    // Runs the command through the chain; false when no target handles it.
    bool Run(int id);
    // The state of the command; false when no target handles it.
    bool Update(int id, CDVCommandState& state);
    // Brings every action's state up to date.
    void UpdateActions();

Q_SIGNALS:
    // The states were brought up to date (at idle time and after every command).
    void actionsUpdated();

private:
    void Apply(QAction* action, int id);

    Chain m_chain;
    QHash<int, QAction*> m_actions;
    QTimer m_idle;
};
