#include "app/shell/CRibbonBar.h"

#include "app/shell/CRibbonApplicationMenu.h"
#include "app/shell/CRibbonButton.h"
#include "app/shell/CRibbonCategory.h"
#include "app/shell/CVisualStyle.h"
#include "app/shell/RibbonPaint.h"
#include "app/shell/RibbonText.h"
#include "app/shell/WindowTitle.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>

namespace {

constexpr int kTopRow = 26;  // the quick-access toolbar and the window title
constexpr int kTabRow = 25;
constexpr int kHeaderHeight = kTopRow + kTabRow;
constexpr int kMargin = 4;
constexpr int kApplicationSize = 45;
constexpr int kHeaderLeft = kMargin + kApplicationSize + 10;

}  // namespace

CRibbonBar::CRibbonBar(QWidget* parent)
    : QWidget(parent),
      m_applicationButton(new CRibbonButton(nullptr, QIcon(), CRibbonButton::Kind::Application, this)),
      m_stack(new QStackedWidget(this)) {
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(m_applicationButton, &QAbstractButton::clicked, this, &CRibbonBar::ShowApplicationMenu);
    m_applicationButton->raise();
}

void CRibbonBar::SetApplicationButton(const QIcon& icon, const QString& text, const QString& toolTip) {
    m_applicationButton->setIcon(icon);
    m_applicationButton->SetKeyTip(RibbonText::Parse(text).keyTip);
    m_applicationButton->setToolTip(toolTip);
}

void CRibbonBar::SetApplicationMenu(CRibbonApplicationMenu* menu) {
    delete m_applicationMenu;
    m_applicationMenu = menu;
    menu->setParent(this, menu->windowFlags());
}

void CRibbonBar::ShowApplicationMenu() {
    if (m_applicationMenu) {
        m_applicationMenu->ShowAt(m_applicationButton->mapToGlobal(QPoint(0, m_applicationButton->height())));
    }
}

CRibbonCategory* CRibbonBar::AddCategory(const QString& title) {
    auto* category = new CRibbonCategory(title, m_stack);
    m_stack->addWidget(category);
    m_categories.append(category);
    LayoutHeader();
    updateGeometry();
    return category;
}

CRibbonCategory* CRibbonBar::ActiveCategory() const {
    return qobject_cast<CRibbonCategory*>(m_stack->currentWidget());
}

void CRibbonBar::SetActiveCategory(CRibbonCategory* category) {
    if (category == ActiveCategory() || !m_categories.contains(category)) {
        return;
    }
    m_stack->setCurrentWidget(category);
    update();
    Q_EMIT ActiveCategoryChanged(category);
}

CRibbonButton* CRibbonBar::AddRightAlignedButton(QAction* action, const QIcon& icon, QMenu* menu) {
    const auto kind = menu ? CRibbonButton::Kind::Small : CRibbonButton::Kind::IconOnly;
    auto* button = new CRibbonButton(action, icon, kind, this);
    button->SetOnFrame(true);
    if (menu) {
        button->SetMenu(menu, false);
    }
    m_rightButtons.append(button);
    LayoutHeader();
    return button;
}

CRibbonButton* CRibbonBar::AddQuickAccessAction(QAction* action, const QIcon& icon) {
    auto* button = new CRibbonButton(action, icon, CRibbonButton::Kind::IconOnly, this);
    button->SetOnFrame(true);
    m_quickAccess.append(button);
    LayoutHeader();
    return button;
}

QSize CRibbonBar::sizeHint() const {
    int width = kHeaderLeft;
    for (const QRect& tab : m_tabRects) {
        width = std::max(width, tab.right() + 1);
    }
    for (const CRibbonButton* button : m_rightButtons) {
        width += button->sizeHint().width() + 2;
    }
    const QSize panels = m_stack->sizeHint();
    return {std::max(width, panels.width()), kHeaderHeight + panels.height()};
}

QSize CRibbonBar::minimumSizeHint() const {
    return {kHeaderLeft * 2, sizeHint().height()};
}

void CRibbonBar::LayoutHeader() {
    m_applicationButton->setGeometry(kMargin, kMargin, kApplicationSize, kApplicationSize);
    int x = kHeaderLeft + 4;
    for (CRibbonButton* button : std::as_const(m_quickAccess)) {
        const QSize size = button->sizeHint();
        button->setGeometry(x, (kTopRow - size.height()) / 2 + 1, size.width(), size.height());
        x += size.width();
    }
    const QFontMetrics fm = fontMetrics();
    m_tabRects.clear();
    x = kHeaderLeft;
    for (const CRibbonCategory* category : std::as_const(m_categories)) {
        const int w = fm.horizontalAdvance(category->Title()) + 28;
        m_tabRects.append(QRect(x, kTopRow, w, kTabRow));
        x += w + 2;
    }
    int right = width() - kMargin;
    for (qsizetype i = m_rightButtons.size() - 1; i >= 0; --i) {
        const QSize size = m_rightButtons[i]->sizeHint();
        right -= size.width();
        m_rightButtons[i]->setGeometry(right, kTopRow + (kTabRow - size.height()) / 2, size.width(),
                                       size.height());
        right -= 2;
    }
    m_stack->setGeometry(0, kHeaderHeight, width(), height() - kHeaderHeight);
    m_applicationButton->raise();
    update();
}

int CRibbonBar::TabAt(const QPoint& pos) const {
    for (qsizetype i = 0; i < m_tabRects.size(); ++i) {
        if (m_tabRects[i].contains(pos)) {
            return int(i);
        }
    }
    return -1;
}

void CRibbonBar::paintEvent(QPaintEvent*) {
    const RibbonColors& c = CVisualStyle::Ribbon();
    QPainter p(this);
    RibbonPaint::Box(p, QRect(0, 0, width(), kHeaderHeight + c.radius + 1), c.frameTop, c.frameBottom,
                     QColor(), 0);

    if (!m_quickAccess.isEmpty()) {
        const QRect first = m_quickAccess.first()->geometry();
        const QRect last = m_quickAccess.last()->geometry();
        const QRect group(first.left() - 4, first.top() - 1, last.right() - first.left() + 9,
                          first.height() + 2);
        QColor top = c.areaTop;
        top.setAlpha(150);
        QColor border = c.areaBorder;
        border.setAlpha(150);
        RibbonPaint::Box(p, group, top, top, border, group.height() / 2);
    }
    const QString title = WindowTitle::Shown(window());
    if (!title.isEmpty()) {
        p.setPen(c.frameText);
        p.drawText(QRect(0, 0, width(), kTopRow), Qt::AlignCenter, title);
    }

    const int active = int(m_categories.indexOf(ActiveCategory()));
    for (qsizetype i = 0; i < m_tabRects.size(); ++i) {
        const QRect tab = m_tabRects[i];
        if (i == active) {
            RibbonPaint::Box(p, tab.adjusted(0, 2, 0, c.radius + 2), c.areaTop, c.areaTop, c.areaBorder,
                             c.radius);
        } else if (i == m_hotTab) {
            RibbonPaint::Box(p, tab.adjusted(0, 2, 0, c.radius + 2), c.tabHover, c.areaTop, c.areaBorder,
                             c.radius);
        }
        p.setPen(i == active ? c.buttonText : c.tabText);
        p.drawText(tab.adjusted(0, 2, 0, 0), Qt::AlignCenter, m_categories[i]->Title());
    }
    // The line between header and panels stays open below the active tab.
    p.setPen(c.areaBorder);
    const int y = kHeaderHeight - 1;
    if (active >= 0) {
        p.drawLine(0, y, m_tabRects[active].left(), y);
        p.drawLine(m_tabRects[active].right(), y, width(), y);
    } else {
        p.drawLine(0, y, width(), y);
    }
}

void CRibbonBar::resizeEvent(QResizeEvent*) {
    LayoutHeader();
}

void CRibbonBar::mousePressEvent(QMouseEvent* event) {
    const int tab = TabAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && tab >= 0) {
        SetActiveCategory(m_categories[tab]);
        return;
    }
    QWidget::mousePressEvent(event);
}

void CRibbonBar::mouseMoveEvent(QMouseEvent* event) {
    const int tab = TabAt(event->position().toPoint());
    if (tab != m_hotTab) {
        m_hotTab = tab;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void CRibbonBar::leaveEvent(QEvent* event) {
    m_hotTab = -1;
    update();
    QWidget::leaveEvent(event);
}

void CRibbonBar::showEvent(QShowEvent* event) {
    window()->installEventFilter(this);
    LayoutHeader();
    QWidget::showEvent(event);
}

bool CRibbonBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window() &&
        (event->type() == QEvent::WindowTitleChange || event->type() == QEvent::ModifiedChange)) {
        update();
    }
    return QWidget::eventFilter(watched, event);
}
