#include "app/shell/CVisualStyle.h"

#include "app/shell/CVisualStyleProxy.h"
#include "app/shell/VisualLook.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

#include <optional>

namespace {

int g_currentId = CVisualStyle::kDefaultId;
std::optional<QPalette> g_systemPalette;

}  // namespace

void CVisualStyle::Apply(QApplication& app, int styleId) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (!g_systemPalette) {
        g_systemPalette = QApplication::palette();
    }
    g_currentId = styleId;
    const VisualLook& look = VisualLook::For(styleId);
    // The style sheet comes last: it polishes every widget with the palette current at that moment, so
    // set before the new palette it would leave the widgets one look behind.
    app.setStyle(new CVisualStyleProxy(look));
    app.setPalette(look.Palette());
    app.setStyleSheet(look.StyleSheet());
    for (QWidget* top : QApplication::topLevelWidgets()) {
        top->update();
    }
    QGuiApplication::restoreOverrideCursor();
}

int CVisualStyle::Current() {
    return g_currentId;
}

QPalette CVisualStyle::SystemPalette() {
    return g_systemPalette.value_or(QApplication::palette());
}

const RibbonColors& CVisualStyle::Ribbon() {
    return VisualLook::For(g_currentId).ribbon;
}
