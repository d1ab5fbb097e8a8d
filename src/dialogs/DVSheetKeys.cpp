#include "dialogs/DVSheetKeys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTabWidget>

void InstallPageSwitchKeys(QTabWidget* tabs) {
    const auto step = [tabs](int delta) {
        const int count = tabs->count();
        if (count > 1) {
            tabs->setCurrentIndex((tabs->currentIndex() + delta + count) % count);
        }
    };
    QWidget* sheet = tabs->window();
    const struct {
        QKeySequence keys;
        int delta;
    } bindings[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& binding : bindings) {
        auto* shortcut = new QShortcut(binding.keys, sheet);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, tabs,
                         [step, delta = binding.delta] { step(delta); });
    }
}

void FocusFirstControl(QWidget* page) {
    if (page == nullptr) {
        return;
    }
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            w->isVisibleTo(page)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}
