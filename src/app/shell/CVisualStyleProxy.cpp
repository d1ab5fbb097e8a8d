#include "app/shell/CVisualStyleProxy.h"

#include <QStyleFactory>

CVisualStyleProxy::CVisualStyleProxy(const VisualLook& look)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), m_look(look) {}

QPalette CVisualStyleProxy::standardPalette() const {
    return m_look.Palette();
}

int CVisualStyleProxy::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                   const QWidget* widget) const {
    switch (metric) {
        case PM_ScrollBarExtent:
            return m_look.scrollBarExtent;
        case PM_SmallIconSize:
        case PM_ToolBarIconSize:
            return 16;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
            return m_look.ribbon.radius == 0 ? 2 : 3;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int CVisualStyleProxy::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                 QStyleHintReturn* returnData) const {
    // Plain text buttons in dialogs, as in every look the program offers.
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
        return 0;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
