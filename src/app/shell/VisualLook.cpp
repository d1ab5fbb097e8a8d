#include "app/shell/VisualLook.h"

#include "app/shell/CVisualStyle.h"
#include "app/shell/RibbonPaint.h"

#include <array>

namespace {

// The Office-like looks share the warm hot-tracking colours.
constexpr QRgb kWarmHoverTop = 0xFFF6D5, kWarmHoverBottom = 0xFFE08A, kWarmHoverBorder = 0xE3AE4E;
constexpr QRgb kWarmPressedTop = 0xFFD685, kWarmPressedBottom = 0xF9B957, kWarmPressedBorder = 0xC48A32;

// Field order: see VisualLook and RibbonColors.
const std::array<VisualLook, 9> kLooks = {{
    {210,
     0xD4D0C8u,
     0x000000u,
     0xFFFFFFu,
     0xF0EFEAu,
     0xD4D0C8u,
     0x000000u,
     0x0A246Au,
     0xFFFFFFu,
     0xFFFFE1u,
     0x000000u,
     {0xD4D0C8u, 0xD4D0C8u, 0x000000u,                        // frame
      0x000000u, 0xE4E1DAu,                                   // tabs
      0xD4D0C8u, 0xD4D0C8u, 0x808080u,                        // area
      0xD4D0C8u, 0xD4D0C8u, 0x808080u, 0x9D9A93u, 0xFFFFFFu,  // panels
      0x000000u, 0xE4E1DAu, 0xE4E1DAu, 0x808080u,             // hover
      0xBDB9B1u, 0xBDB9B1u, 0x404040u,                        // pressed
      0x3A6EA5u, 0x0A246Au, 0x000000u,                        // application button
      0xD4D0C8u, 0xFFFFFFu, 0x808080u, 0},                    // menu
     16},
    {211,
     0xECE9E2u,
     0x000000u,
     0xFFFFFFu,
     0xF6F5F2u,
     0xECE9E2u,
     0x000000u,
     0x316AC5u,
     0xFFFFFFu,
     0xFFFFE1u,
     0x000000u,
     {0xF7F6F3u, 0xE4E2DAu, 0x333333u, 0x222222u, 0xC1D2EEu, 0xFBFAF8u, 0xEDEBE5u, 0xA7A6AAu, 0xFFFFFFu,
      0xF4F3EFu, 0xC5C2B8u, 0xDEDBD2u, 0x444444u, 0x000000u, 0xC1D2EEu, 0xC1D2EEu, 0x316AC5u, 0x98B5E2u,
      0x98B5E2u, 0x316AC5u, 0x7A96DFu, 0x316AC5u, 0x1E4A9Au, 0xFFFFFFu, 0xF6F5F2u, 0x8A867Au, 0},
     14},
    {212,
     0xECE9D8u,
     0x000000u,
     0xFFFFFFu,
     0xF7F6EFu,
     0xECE9D8u,
     0x000000u,
     0x316AC5u,
     0xFFFFFFu,
     0xFFFFE1u,
     0x000000u,
     {0x3A70E0u, 0x1F4FBFu, 0xFFFFFFu, 0xFFFFFFu, 0x5A8AF0u, 0xF6F5EEu, 0xE3E0CFu, 0x7F9DB9u, 0xFBFBF7u,
      0xECE9D8u, 0xB7B39Cu, 0xD8D4C0u, 0x3D3D3Du, 0x000000u, 0xFEFEFEu, 0xF1EEE3u, 0xE8A33Bu, 0xE5E2D4u,
      0xD8D2BDu, 0xC08A2Au, 0x5FC45Au, 0x2E8B2Eu, 0x1E5E1Eu, 0xFFFFFFu, 0xECE9D8u, 0x7F9DB9u, 3},
     15},
    {213,
     0xC3DAF9u,
     0x000000u,
     0xFFFFFFu,
     0xEEF5FFu,
     0xDDECFEu,
     0x000000u,
     0x316AC5u,
     0xFFFFFFu,
     0xFFFFE1u,
     0x000000u,
     {0x9EBEF5u, 0x7EA6E6u, 0x0B2F66u, 0x0B2F66u, 0xC4DAFAu, 0xE3EFFFu, 0xB3CEF2u, 0x3B619Cu, 0xEEF5FFu,
      0xC4DAFAu, 0x7A9ED6u, 0xA9C6F0u, 0x0B2F66u, 0x000040u, 0xFFF4CCu, 0xFFD091u, 0x000080u, 0xFE9E50u,
      0xFFD38Eu, 0x000080u, 0x5C8EE0u, 0x1B4CA6u, 0x0B2F66u, 0xF6F6F6u, 0xDDECFEu, 0x002D96u, 2},
     14},
    {214,
     0xF0EFE7u,
     0x000000u,
     0xFFFFFFu,
     0xF7F7F3u,
     0xECE9D8u,
     0x000000u,
     0x316AC5u,
     0xFFFFFFu,
     0xFFFFE1u,
     0x000000u,
     {0xE4E2D5u, 0xCFCBBCu, 0x333333u, 0x1E1E1Eu, 0xF4F3EEu, 0xFAF9F5u, 0xE0DED3u, 0x9D9D92u, 0xFDFCFAu,
      0xEBE9E0u, 0xB9B6A7u, 0xC9C6B8u, 0x2B2B2Bu, 0x000000u, 0xD4DFF5u, 0xC1D2EEu, 0x316AC5u, 0x98B5E2u,
      0x98B5E2u, 0x316AC5u, 0x8A6DC1u, 0x5B3E94u, 0x3F2A6Bu, 0xFCFCF9u, 0xEEEDE5u, 0x8A867Au, 1},
     14},
    {215,
     0xDCE7F5u,
     0x15283Eu,
     0xFFFFFFu,
     0xF1F6FCu,
     0xE4EDF8u,
     0x15283Eu,
     0x3B78D8u,
     0xFFFFFFu,
     0xFFFFFFu,
     0x15283Eu,
     {0xDFEAF8u,          0xC9DBF2u,          0x1E3A66u,
      0x15428Bu,          0xEAF2FCu,          0xF5F9FEu,
      0xD5E4F6u,          0x8DB2E3u,          0xF8FBFFu,
      0xDCE8F7u,          0xA9C4E8u,          0xC5DAF3u,
      0x15428Bu,          0x15283Eu,          kWarmHoverTop,
      kWarmHoverBottom,   kWarmHoverBorder,   kWarmPressedTop,
      kWarmPressedBottom, kWarmPressedBorder, 0x4A8BE0u,
      0x1C56A8u,          0x163F7Au,          0xFFFFFFu,
      0xE9F1FBu,          0x8DB2E3u,          3},
     14},
    {216,
     0x3A3A3Au,
     0xEEEEEEu,
     0x2B2B2Bu,
     0x333333u,
     0x454545u,
     0xEEEEEEu,
     0x5A8FD8u,
     0xFFFFFFu,
     0x4A4A4Au,
     0xF0F0F0u,
     {0x2A2A2Au, 0x1C1C1Cu, 0xD8D8D8u, 0xE6E6E6u, 0x4A4A4Au, 0x4E4E4Eu, 0x3A3A3Au, 0x141414u, 0x575757u,
      0x434343u, 0x2A2A2Au, 0x333333u, 0xCFCFCFu, 0xF2F2F2u, 0x727272u, 0x5E5E5Eu, 0x909090u, 0xB8832Eu,
      0x8F611Du, 0xD9A24Au, 0xF2A33Au, 0xC46E12u, 0x5A3208u, 0x3A3A3Au, 0x2E2E2Eu, 0x111111u, 3},
     14},
    {217,
     0xE9ECF0u,
     0x2B2B2Bu,
     0xFFFFFFu,
     0xF4F5F7u,
     0xEEF0F3u,
     0x2B2B2Bu,
     0x4F7CC0u,
     0xFFFFFFu,
     0xFFFFFFu,
     0x2B2B2Bu,
     {0xF1F2F4u,          0xDADDE3u,          0x3A3A3Au,
      0x2E2E2Eu,          0xFFFFFFu,          0xFAFAFBu,
      0xE1E4E9u,          0xA8ADB5u,          0xFFFFFFu,
      0xE9EBEFu,          0xBEC3CBu,          0xD3D7DDu,
      0x3A3F47u,          0x1F1F1Fu,          kWarmHoverTop,
      kWarmHoverBottom,   kWarmHoverBorder,   kWarmPressedTop,
      kWarmPressedBottom, kWarmPressedBorder, 0x9AA3AFu,
      0x5F6874u,          0x3E444Cu,          0xFFFFFFu,
      0xF0F1F3u,          0xA8ADB5u,          3},
     14},
    {218,
     0xDDEEF5u,
     0x0E3B4Eu,
     0xFFFFFFu,
     0xF0F8FBu,
     0xE3F2F8u,
     0x0E3B4Eu,
     0x1E9BC8u,
     0xFFFFFFu,
     0xF3FBFEu,
     0x0E3B4Eu,
     {0xCFE9F3u, 0xA9D5E8u, 0x0E4A63u, 0x0E4A63u, 0xE6F5FBu, 0xF1FAFDu, 0xCFE8F2u, 0x7DBCD6u, 0xF7FCFEu,
      0xD8EEF6u, 0x9ACDE0u, 0xB7DDECu, 0x0E4A63u, 0x0B3546u, 0xE9FAFFu, 0xB9EAF8u, 0x4FB6D8u, 0x9EDDF2u,
      0x6CC6E6u, 0x2F98C0u, 0x3CC0E0u, 0x107E9Eu, 0x0A5670u, 0xFFFFFFu, 0xE8F5FAu, 0x7DBCD6u, 4},
     14},
}};

}  // namespace

const VisualLook& VisualLook::For(int styleId) {
    for (const VisualLook& look : kLooks) {
        if (look.id == styleId) {
            return look;
        }
    }
    return For(CVisualStyle::kDefaultId);
}

QPalette VisualLook::Palette() const {
    QPalette p(button, window);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, alternateBase);
        p.setColor(group, QPalette::Button, button);
        p.setColor(group, QPalette::Highlight, highlight);
        p.setColor(group, QPalette::HighlightedText, highlightedText);
        p.setColor(group, QPalette::ToolTipBase, toolTipBase);
        p.setColor(group, QPalette::ToolTipText, toolTipText);
        const bool disabled = group == QPalette::Disabled;
        const QColor text = disabled ? RibbonPaint::Mix(windowText, window) : windowText;
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::ButtonText, disabled ? RibbonPaint::Mix(buttonText, button) : buttonText);
        p.setColor(group, QPalette::PlaceholderText, RibbonPaint::Mix(windowText, base));
    }
    return p;
}

QString VisualLook::StyleSheet() const {
    const RibbonColors& r = ribbon;
    return QStringLiteral(
               "QToolTip { color: %1; background: %2; border: 1px solid %3; padding: 3px; }"
               "QMenu { background: %4; border: 1px solid %5; padding: 3px; }"
               "QMenu::item { color: %6; padding: 5px 24px 5px 28px; border: 1px solid transparent;"
               " border-radius: %7px; }"
               "QMenu::item:selected { background: %8; border-color: %9; }"
               "QMenu::item:disabled { color: %10; }"
               "QMenu::separator { height: 1px; background: %5; margin: 3px 6px; }")
        .arg(toolTipText.name(), toolTipBase.name(), r.areaBorder.name(), r.menuBack.name(),
             r.menuBorder.name(), r.buttonText.name(), QString::number(r.radius), r.hoverBottom.name(),
             r.hoverBorder.name(), RibbonPaint::Mix(r.buttonText, r.menuBack).name());
}
