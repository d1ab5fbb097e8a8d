#include "app/shell/CRibbonButton.h"

#include "app/shell/CVisualStyle.h"
#include "app/shell/RibbonPaint.h"
#include "app/shell/RibbonText.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kSmallHeight = 22;
constexpr int kLargeHeight = 3 * kSmallHeight + 2;  // as tall as a column of three small buttons
constexpr int kLargeIcon = 32;
constexpr int kSmallIcon = 16;
constexpr int kArrowWidth = 11;
constexpr int kApplicationSize = 45;
constexpr int kMenuItemHeight = 42;
constexpr int kMenuItemMinWidth = 200;

// The split of a two-word label with the narrower longest line.
QStringList SplitInTwo(const QString& label, const QFontMetrics& fm) {
    QStringList best = {label, QString()};
    int bestWidth = fm.horizontalAdvance(label);
    for (qsizetype i = label.indexOf(QLatin1Char(' ')); i > 0; i = label.indexOf(QLatin1Char(' '), i + 1)) {
        const QString first = label.left(i);
        const QString second = label.mid(i + 1);
        const int width = std::max(fm.horizontalAdvance(first), fm.horizontalAdvance(second));
        if (width < bestWidth || best[1].isEmpty()) {
            best = {first, second};
            bestWidth = width;
        }
    }
    return best;
}

}  // namespace

CRibbonButton::CRibbonButton(QAction* action, const QIcon& icon, Kind kind, QWidget* parent)
    : QAbstractButton(parent), m_action(action), m_kind(kind) {
    setIcon(icon);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (m_action) {
        connect(m_action, &QAction::changed, this, &CRibbonButton::SyncFromAction);
        connect(this, &QAbstractButton::clicked, m_action, [this] {
            Q_EMIT AboutToTrigger();
            if (m_action) {
                m_action->trigger();
            }
            update();  // a dialog the command showed may have taken the mouse away
        });
        m_actionVisible = m_action->isVisible();
        if (!m_actionVisible) {
            hide();
        }
        SyncFromAction();
    }
}

void CRibbonButton::SyncFromAction() {
    setText(RibbonText::WithoutMnemonic(RibbonText::Parse(m_action->text()).label));
    setToolTip(m_action->toolTip());
    setStatusTip(m_action->statusTip());
    setEnabled(m_action->isEnabled());
    if (m_action->isVisible() != m_actionVisible) {
        m_actionVisible = m_action->isVisible();
        setVisible(m_actionVisible);
    }
    updateGeometry();
    update();
}

QIcon CRibbonButton::EffectiveIcon() const {
    return icon().isNull() && m_action ? m_action->icon() : icon();
}

QString CRibbonButton::Label() const {
    return text();
}

QString CRibbonButton::KeyTip() const {
    if (!m_keyTip.isEmpty() || !m_action) {
        return m_keyTip;
    }
    const RibbonText parsed = RibbonText::Parse(m_action->text());
    return parsed.keyTip.isEmpty() ? RibbonText::MnemonicLetter(parsed.label) : parsed.keyTip;
}

void CRibbonButton::SetKeyTip(const QString& keyTip) {
    m_keyTip = keyTip;
}

void CRibbonButton::SetMenu(QMenu* menu, bool split) {
    m_menu = menu;
    m_split = split;
    connect(menu, &QMenu::aboutToHide, this, [this] {
        m_menuOpen = false;
        setDown(false);
        update();
    });
    updateGeometry();
}

QString CRibbonButton::ShortcutText() const {
    return m_action ? m_action->shortcut().toString(QKeySequence::NativeText) : QString();
}

bool CRibbonButton::IsHot() const {
    // A menu or dialog that took the mouse away leaves underMouse() set without a leave event.
    return underMouse() && rect().contains(mapFromGlobal(QCursor::pos()));
}

void CRibbonButton::SetOnFrame(bool onFrame) {
    m_onFrame = onFrame;
    update();
}

QStringList CRibbonButton::LargeLines() const {
    return SplitInTwo(text(), fontMetrics());
}

QSize CRibbonButton::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    const int arrow = m_menu ? kArrowWidth : 0;
    switch (m_kind) {
        case Kind::Large: {
            const QStringList lines = LargeLines();
            const int textWidth =
                std::max(fm.horizontalAdvance(lines[0]), fm.horizontalAdvance(lines[1]) + arrow);
            return {std::max(kLargeIcon + 12, textWidth + 10), kLargeHeight};
        }
        case Kind::Small:
            return {4 + kSmallIcon + 5 + fm.horizontalAdvance(text()) + 6 + arrow, kSmallHeight};
        case Kind::IconOnly:
            return {kSmallIcon + 8 + arrow, kSmallHeight};
        case Kind::Application:
            return {kApplicationSize, kApplicationSize};
        case Kind::MenuItem: {
            if (EffectiveIcon().isNull()) {
                return {std::max(kMenuItemMinWidth, fm.horizontalAdvance(text()) + 20), fm.height() + 10};
            }
            const QString keys = ShortcutText();
            const int keysWidth = keys.isEmpty() ? 0 : fm.horizontalAdvance(keys) + 24;
            return {std::max(kMenuItemMinWidth,
                             6 + kLargeIcon + 10 + fm.horizontalAdvance(text()) + 16 + keysWidth + arrow),
                    kMenuItemHeight};
        }
    }
    return {};
}

QRect CRibbonButton::MenuRect() const {
    if (!m_menu) {
        return {};
    }
    if (!m_split) {
        return rect();
    }
    if (m_kind == Kind::Large) {
        return QRect(0, 4 + kLargeIcon + 2, width(), height() - kLargeIcon - 6);
    }
    return QRect(width() - kArrowWidth - 2, 0, kArrowWidth + 2, height());
}

bool CRibbonButton::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::HoverEnter:
        case QEvent::HoverLeave:
        case QEvent::EnabledChange:
        case QEvent::PaletteChange:
            update();
            break;
        default:
            break;
    }
    return QAbstractButton::event(event);
}

void CRibbonButton::mousePressEvent(QMouseEvent* event) {
    if (m_menu && event->button() == Qt::LeftButton && MenuRect().contains(event->position().toPoint())) {
        ShowMenu();
        return;
    }
    QAbstractButton::mousePressEvent(event);
}

void CRibbonButton::mouseMoveEvent(QMouseEvent* event) {
    if (IsSplit()) {
        update();  // the hot part follows the mouse
    }
    QAbstractButton::mouseMoveEvent(event);
}

void CRibbonButton::ShowMenu() {
    m_menuOpen = true;
    update();
    m_menu->popup(mapToGlobal(QPoint(0, height())));
}

void CRibbonButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_kind == Kind::Application) {
        PaintApplicationButton(p);
        return;
    }
    PaintBackground(p);
    PaintContent(p);
}

void CRibbonButton::PaintBackground(QPainter& p) const {
    if (!isEnabled()) {
        return;
    }
    const RibbonColors& c = CVisualStyle::Ribbon();
    const bool hot = IsHot();
    const bool pressed = isDown() || m_menuOpen;
    const bool checked = m_action && m_action->isChecked();
    if (!hot && !pressed && !checked) {
        return;
    }
    const QRect r = rect();
    if (pressed || checked) {
        RibbonPaint::Box(p, r, c.pressedTop, c.pressedBottom, c.pressedBorder, c.radius);
    } else {
        RibbonPaint::Box(p, r, c.hoverTop, c.hoverBottom, c.hoverBorder, c.radius);
    }
    if (!IsSplit()) {
        return;
    }
    // The part under the mouse gets the stronger colour; a line parts the two.
    const QRect menuPart = MenuRect();
    if (hot && !pressed && !checked) {
        const QRect mainPart = m_kind == Kind::Large ? QRect(0, 0, r.width(), menuPart.top())
                                                     : QRect(0, 0, menuPart.left(), r.height());
        const bool overMenu = menuPart.contains(mapFromGlobal(QCursor::pos()));
        RibbonPaint::Box(p, overMenu ? menuPart : mainPart, c.pressedTop, c.hoverBottom, c.hoverBorder,
                         c.radius);
    }
    p.setPen(c.hoverBorder);
    if (m_kind == Kind::Large) {
        p.drawLine(r.left() + 1, menuPart.top(), r.right() - 1, menuPart.top());
    } else {
        p.drawLine(menuPart.left(), r.top() + 1, menuPart.left(), r.bottom() - 1);
    }
}

void CRibbonButton::PaintApplicationButton(QPainter& p) const {
    const RibbonColors& c = CVisualStyle::Ribbon();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QColor top = c.appTop;
    QColor bottom = c.appBottom;
    if (isDown() || m_menuOpen) {
        top = top.darker(115);
        bottom = bottom.darker(115);
    } else if (IsHot()) {
        top = top.lighter(115);
        bottom = bottom.lighter(115);
    }
    // Round in the rounded looks, square in the flat ones.
    const qreal corner = c.radius == 0 ? 4 : r.width() / 2;
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.setPen(QPen(c.appRing, 1.5));
    p.setBrush(gradient);
    p.drawRoundedRect(r, corner, corner);
    // A soft highlight on the upper half gives the button its depth.
    const QRectF glossRect = r.adjusted(4, 2, -4, -r.height() / 2);
    QLinearGradient gloss(glossRect.topLeft(), glossRect.bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    const qreal glossCorner = std::min(corner, glossRect.height() / 2);
    p.drawRoundedRect(glossRect, glossCorner, glossCorner);
    const QRect iconRect(QPoint(0, 0), QSize(28, 28));
    icon().paint(&p, iconRect.translated(rect().center() - iconRect.center()));
}

void CRibbonButton::PaintContent(QPainter& p) const {
    const RibbonColors& c = CVisualStyle::Ribbon();
    QColor textColor = m_onFrame ? c.tabText : c.buttonText;
    if (!isEnabled()) {
        textColor.setAlpha(110);
    }
    const QIcon icon = EffectiveIcon();
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QFontMetrics fm = fontMetrics();
    p.setPen(textColor);
    const QRect r = rect();
    switch (m_kind) {
        case Kind::Large: {
            icon.paint(&p, QRect((r.width() - kLargeIcon) / 2, 4, kLargeIcon, kLargeIcon), Qt::AlignCenter,
                       mode);
            const QStringList lines = LargeLines();
            const int lineTop = 4 + kLargeIcon + 3;
            p.drawText(QRect(0, lineTop, r.width(), fm.height()), Qt::AlignHCenter | Qt::AlignTop, lines[0]);
            const int secondWidth = fm.horizontalAdvance(lines[1]) + (m_menu ? kArrowWidth : 0);
            const QRect second((r.width() - secondWidth) / 2, lineTop + fm.height(), secondWidth,
                               fm.height());
            p.drawText(second, Qt::AlignLeft | Qt::AlignTop, lines[1]);
            if (m_menu) {
                RibbonPaint::DropArrow(
                    p, QRect(second.right() - kArrowWidth + 1, second.top(), kArrowWidth, fm.height()),
                    textColor);
            }
            break;
        }
        case Kind::Small:
        case Kind::IconOnly: {
            icon.paint(&p, QRect(4, (r.height() - kSmallIcon) / 2, kSmallIcon, kSmallIcon), Qt::AlignCenter,
                       mode);
            if (m_kind == Kind::Small) {
                p.drawText(r.adjusted(4 + kSmallIcon + 5, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text());
            }
            if (m_menu) {
                RibbonPaint::DropArrow(p, QRect(r.right() - kArrowWidth, 0, kArrowWidth, r.height()),
                                       textColor);
            }
            break;
        }
        case Kind::MenuItem: {
            int textLeft = 10;
            if (!icon.isNull()) {
                icon.paint(&p, QRect(6, (r.height() - kLargeIcon) / 2, kLargeIcon, kLargeIcon),
                           Qt::AlignCenter, mode);
                textLeft = 6 + kLargeIcon + 10;
            }
            p.drawText(r.adjusted(textLeft, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter, text());
            if (const QString keys = ShortcutText(); !keys.isEmpty()) {
                // The key beside the command, quieter than its name, as menus show it.
                QColor keyColor = textColor;
                keyColor.setAlpha(textColor.alpha() * 2 / 3);
                p.setPen(keyColor);
                p.drawText(r.adjusted(textLeft, 0, -(10 + (m_menu ? kArrowWidth + 4 : 0)), 0),
                           Qt::AlignRight | Qt::AlignVCenter, keys);
                p.setPen(textColor);
            }
            if (m_menu) {
                RibbonPaint::DropArrow(p, QRect(r.right() - kArrowWidth - 4, 0, kArrowWidth, r.height()),
                                       textColor);
            }
            break;
        }
        case Kind::Application:
            break;
    }
}
