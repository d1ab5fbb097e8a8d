#include "controls/treelist/TreeListColors.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <optional>

namespace TreeListColors {
namespace {

int Red(COLORREF c) {
    return int(c & 0xFF);
}
int Green(COLORREF c) {
    return int((c >> 8) & 0xFF);
}
int Blue(COLORREF c) {
    return int((c >> 16) & 0xFF);
}
COLORREF Rgb(int r, int g, int b) {
    auto clamp = [](int v) { return COLORREF(std::clamp(v, 0, 255)); };
    return clamp(r) | (clamp(g) << 8) | (clamp(b) << 16);
}
COLORREF Darker(COLORREF c, int by) {
    return Rgb(Red(c) - by, Green(c) - by, Blue(c) - by);
}
COLORREF Blend(COLORREF c, COLORREF h, int parts, int total) {
    auto mix = [&](int a, int b) { return (a * (total - parts) + b * parts) / total; };
    return Rgb(mix(Red(c), Red(h)), mix(Green(c), Green(h)), mix(Blue(c), Blue(h)));
}
int Distance2(COLORREF a, COLORREF b) {
    const int r = Red(a) - Red(b), g = Green(a) - Green(b), bl = Blue(a) - Blue(b);
    return r * r + g * g + bl * bl;
}

std::optional<QPalette> g_system;

// A palette whose roles all count as set, so a widget does not resolve any of them against the
// application's palette.
QPalette Pinned(const QPalette& source) {
    QPalette pinned;
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto group = QPalette::ColorGroup(g);
            const auto role = QPalette::ColorRole(r);
            if (role != QPalette::NoRole) {
                pinned.setBrush(group, role, source.brush(group, role));
            }
        }
    }
    return pinned;
}

}  // namespace

void ApplyDefaults(TLLayout& layout, const QPalette& palette) {
    const COLORREF window = ToColorRef(palette.color(QPalette::Base));
    const COLORREF windowText = ToColorRef(palette.color(QPalette::Text));
    const COLORREF infoBack = ToColorRef(palette.color(QPalette::ToolTipBase));
    const COLORREF face = ToColorRef(palette.color(QPalette::Button));
    const COLORREF shadow = ToColorRef(palette.color(QPalette::Dark));
    const COLORREF highlight = ToColorRef(palette.color(QPalette::Highlight));
    COLORREF def[TL_COLOR_SLOTS];
    auto slot = [&](int i) { return layout.colorSet[i] ? layout.colors[i] : def[i]; };
    def[Background] = window;
    def[OtherRow] = window;
    // An alternate colour too close to the other rows would not show: step it off by lowering blue.
    def[AlternateRow] = Distance2(infoBack, slot(OtherRow)) < 64
                            ? Rgb(Red(slot(OtherRow)), Green(slot(OtherRow)), Blue(slot(OtherRow)) - 8)
                            : infoBack;
    def[GridLines] = face;
    def[Text] = windowText;
    def[ButtonSign] = windowText;
    def[ButtonFrame] = shadow;
    def[Spare] = windowText ^ 0xFF0000;
    def[SelectedAlternate] = Blend(slot(AlternateRow), highlight, 1, 8);
    def[SelectedOther] = Blend(slot(OtherRow), highlight, 1, 8);
    def[InsertMark] = infoBack;
    def[ButtonInside] = window;
    def[Marked] = Darker(slot(Background), 16);
    def[MarkedAlternate] = Darker(slot(AlternateRow), 16);
    def[MarkedOther] = Darker(slot(OtherRow), 16);
    def[Disabled] = Blend(face, window, 1, 2);
    for (int i = 0; i < TL_COLOR_SLOTS; ++i) {
        if (!layout.colorSet[i]) {
            layout.colors[i] = def[i];
        }
    }
}

QPalette SystemPalette() {
    if (!g_system) {
        g_system = Pinned(QGuiApplication::palette());
    }
    return *g_system;
}

void SetSystemPalette(const QPalette& palette) {
    g_system = Pinned(palette);
}

}  // namespace TreeListColors
