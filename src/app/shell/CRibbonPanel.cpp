#include "app/shell/CRibbonPanel.h"

#include "app/shell/CRibbonButton.h"
#include "app/shell/CVisualStyle.h"
#include "app/shell/RibbonPaint.h"
#include "app/shell/RibbonText.h"

#include <QGridLayout>
#include <QPainter>

namespace {

constexpr int kSmallRows = 3;

}  // namespace

CRibbonPanel::CRibbonPanel(const QString& title, const QIcon& icon, QWidget* parent)
    : QWidget(parent), m_icon(icon), m_grid(new QGridLayout(this)) {
    const RibbonText parsed = RibbonText::Parse(title);
    m_title = RibbonText::WithoutMnemonic(parsed.label);
    m_keyTip = parsed.keyTip;
    m_grid->setContentsMargins(4, 3, 4, TitleHeight() + 2);
    m_grid->setHorizontalSpacing(2);
    m_grid->setVerticalSpacing(1);
    m_grid->setSizeConstraint(QLayout::SetFixedSize);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

int CRibbonPanel::TitleHeight() const {
    return fontMetrics().height() + 4;
}

CRibbonButton* CRibbonPanel::AddLargeButton(QAction* action, const QIcon& icon) {
    auto* button = new CRibbonButton(action, icon, CRibbonButton::Kind::Large, this);
    m_grid->addWidget(button, 0, ++m_column, kSmallRows, 1, Qt::AlignTop);
    m_smallRow = kSmallRows;
    m_buttons.append(button);
    return button;
}

CRibbonButton* CRibbonPanel::AddSmallButton(QAction* action, const QIcon& icon) {
    auto* button = new CRibbonButton(action, icon, CRibbonButton::Kind::Small, this);
    if (m_smallRow == kSmallRows) {
        ++m_column;
        m_smallRow = 0;
    }
    m_grid->addWidget(button, m_smallRow++, m_column, Qt::AlignLeft | Qt::AlignTop);
    m_buttons.append(button);
    return button;
}

QSize CRibbonPanel::sizeHint() const {
    const QSize content = m_grid->sizeHint();
    const int titleWidth = fontMetrics().horizontalAdvance(m_title) + 16;
    return {std::max(content.width(), titleWidth), content.height()};
}

void CRibbonPanel::paintEvent(QPaintEvent*) {
    const RibbonColors& c = CVisualStyle::Ribbon();
    QPainter p(this);
    const QRect r = rect();
    RibbonPaint::Box(p, r, c.panelTop, c.panelBottom, c.panelBorder, c.radius);
    const QRect title(r.left() + 1, r.bottom() - TitleHeight(), r.width() - 2, TitleHeight());
    RibbonPaint::Box(p, title, c.titleBack, c.titleBack, QColor(), c.radius);
    p.setPen(c.titleText);
    p.drawText(title, Qt::AlignCenter, m_title);
}
