#pragma once

#include <QColor>

// Colours the ribbon paints with; each visual look provides one set.
struct RibbonColors {
    QColor frameTop, frameBottom;  // band behind the quick-access toolbar and the tabs
    QColor frameText;
    QColor tabText, tabHover;
    QColor areaTop, areaBottom, areaBorder;  // behind the panels; the active tab shares it
    QColor panelTop, panelBottom, panelBorder;
    QColor titleBack, titleText;
    QColor buttonText;
    QColor hoverTop, hoverBottom, hoverBorder;
    QColor pressedTop, pressedBottom, pressedBorder;
    QColor appTop, appBottom, appRing;
    QColor menuBack, menuSide, menuBorder;
    int radius = 3;
};
