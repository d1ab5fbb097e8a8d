#pragma once

#include "app/shell/RibbonColors.h"

#include <QColor>
#include <QPalette>
#include <QString>

// One visual look: the application palette, the ribbon colours and a few style metrics.
struct VisualLook {
    int id = 0;
    QColor window, windowText, base, alternateBase, button, buttonText, highlight, highlightedText;
    QColor toolTipBase, toolTipText;
    RibbonColors ribbon;
    int scrollBarExtent = 14;

    QPalette Palette() const;
    QString StyleSheet() const;

    // The look of styleId; unknown ids get the default look.
    static const VisualLook& For(int styleId);
};
