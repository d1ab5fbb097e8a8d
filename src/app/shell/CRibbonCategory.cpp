#include "app/shell/CRibbonCategory.h"

#include "app/shell/CRibbonPanel.h"
#include "app/shell/CVisualStyle.h"
#include "app/shell/RibbonPaint.h"
#include "app/shell/RibbonText.h"

#include <QHBoxLayout>
#include <QPainter>

CRibbonCategory::CRibbonCategory(const QString& title, QWidget* parent)
    : QWidget(parent), m_title(title), m_row(new QHBoxLayout(this)) {
    m_row->setContentsMargins(4, 4, 4, 4);
    m_row->setSpacing(4);
    m_row->addStretch(1);
}

QString CRibbonCategory::Title() const {
    return RibbonText::WithoutMnemonic(m_title);
}

QString CRibbonCategory::KeyTip() const {
    return RibbonText::MnemonicLetter(m_title);
}

CRibbonPanel* CRibbonCategory::AddPanel(const QString& title, const QIcon& icon) {
    auto* panel = new CRibbonPanel(title, icon, this);
    m_row->insertWidget(m_row->count() - 1, panel);
    m_panels.append(panel);
    return panel;
}

void CRibbonCategory::paintEvent(QPaintEvent*) {
    const RibbonColors& c = CVisualStyle::Ribbon();
    QPainter p(this);
    // The border is left open at the top where the bar joins it to the active tab.
    RibbonPaint::Box(p, rect().adjusted(0, -c.radius - 1, 0, 0), c.areaTop, c.areaBottom, c.areaBorder,
                     c.radius);
}
