#pragma once

#include "app/shell/RibbonColors.h"

#include <QPalette>

class QApplication;

// Visual styles 210 to 218 (command ids): the application's QStyle, palette and style sheet, and the
// colours the ribbon paints with.
class CVisualStyle {
public:
    static constexpr int kFirstId = 210;
    static constexpr int kLastId = 218;
    static constexpr int kDefaultId = 215;

    // Unknown ids apply the default look; Current() then still reports the id given.
    static void Apply(QApplication& app, int styleId);
    static int Current();
    // The application's palette before the first look: the system's colours, which no look changes.
    static QPalette SystemPalette();
    static const RibbonColors& Ribbon();
};
