#include "app/shell/CVisualStyle.h"

#include "app/shell/CVisualStyleProxy.h"
#include "app/shell/VisualLook.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

namespace {

int g_currentId = CVisualStyle::kDefaultId;

}  // namespace

void CVisualStyle::Apply(QApplication& app, int styleId) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    g_currentId = styleId;
    const VisualLook& look = VisualLook::For(styleId);
    // The style sheet goes first: setting it re-polishes with whatever style is current.
    app.setStyleSheet(look.StyleSheet());
    app.setStyle(new CVisualStyleProxy(look));
    app.setPalette(look.Palette());
    for (QWidget* top : QApplication::topLevelWidgets()) {
        top->update();
    }
    QGuiApplication::restoreOverrideCursor();
}

int CVisualStyle::Current() {
    return g_currentId;
}

const RibbonColors& CVisualStyle::Ribbon() {
    return VisualLook::For(g_currentId).ribbon;
}
