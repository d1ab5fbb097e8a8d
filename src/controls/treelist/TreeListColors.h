#pragma once

#include "controls/treelist/TreeListLayout.h"

#include <QColor>

class QPalette;

// The colour slots: defaults derived from the palette, kept for the slots the caller has not set.
namespace TreeListColors {

enum Slot {
    Background = 0,
    AlternateRow = 1,
    OtherRow = 2,
    GridLines = 3,
    Text = 4,
    ButtonSign = 5,
    ButtonFrame = 6,
    Spare = 7,
    SelectedAlternate = 8,
    SelectedOther = 9,
    InsertMark = 10,
    ButtonInside = 11,
    Marked = 12,
    MarkedAlternate = 13,
    MarkedOther = 14,
    Disabled = 15,
};

inline COLORREF ToColorRef(const QColor& c) {
    return COLORREF(c.red()) | (COLORREF(c.green()) << 8) | (COLORREF(c.blue()) << 16);
}
inline QColor ToQColor(COLORREF c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

// Fills every slot the caller has not set with its default.
void ApplyDefaults(TLLayout& layout, const QPalette& palette);

// The system colours of every grid: the palette set last, else the application's palette when first
// asked. Every colour role is set explicitly, so a grid given this palette keeps it whatever palette the
// application takes later: looks of the application restyle its frames, never the cells.
QPalette SystemPalette();
// Grids created afterwards take the palette as their system colours.
void SetSystemPalette(const QPalette& palette);

}  // namespace TreeListColors
