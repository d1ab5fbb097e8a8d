#include "app/shell/CRibbonApplicationMenu.h"

#include "app/shell/CRibbonButton.h"
#include "app/shell/CVisualStyle.h"
#include "app/shell/RibbonPaint.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int kRecentPage = 0;

}  // namespace

CRibbonApplicationMenu::CRibbonApplicationMenu(QWidget* parent)
    : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint),
      m_left(new QWidget(this)),
      m_leftColumn(new QVBoxLayout(m_left)),
      m_right(new QStackedWidget(this)),
      m_bottomRow(new QHBoxLayout) {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(5, 5, 5, 4);
    root->setSpacing(4);
    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(m_left);
    body->addWidget(m_right, 1);
    root->addLayout(body, 1);
    root->addLayout(m_bottomRow);
    m_bottomRow->addStretch(1);
    m_bottomRow->setSpacing(4);
    m_leftColumn->setContentsMargins(2, 2, 2, 2);
    m_leftColumn->setSpacing(1);
    m_leftColumn->addStretch(1);
    m_right->addWidget(MakeRightPage(QString(), &m_recentTitle, &m_recentColumn));
}

QWidget* CRibbonApplicationMenu::MakeRightPage(const QString& title, QLabel** heading, QVBoxLayout** column) {
    auto* page = new QWidget(m_right);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(1);
    *heading = new QLabel(title, page);
    QFont font = (*heading)->font();
    font.setBold(true);
    (*heading)->setFont(font);
    (*heading)->setContentsMargins(2, 0, 0, 6);
    layout->addWidget(*heading);
    *column = new QVBoxLayout;
    (*column)->setSpacing(1);
    layout->addLayout(*column);
    layout->addStretch(1);
    return page;
}

CRibbonButton* CRibbonApplicationMenu::AddMenuButton(QAction* action, const QIcon& icon, QWidget* parent,
                                                     QVBoxLayout* column) {
    auto* button = new CRibbonButton(action, icon, CRibbonButton::Kind::MenuItem, parent);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(button, &CRibbonButton::AboutToTrigger, this, &QWidget::hide);
    column->addWidget(button);
    return button;
}

CRibbonButton* CRibbonApplicationMenu::AddItem(QAction* action, const QIcon& icon,
                                               const QString& subItemsLabel, const QList<SubItem>& subItems) {
    auto* item = new CRibbonButton(action, icon, CRibbonButton::Kind::MenuItem, m_left);
    connect(item, &CRibbonButton::AboutToTrigger, this, &QWidget::hide);
    item->installEventFilter(this);
    m_leftColumn->insertWidget(m_leftColumn->count() - 1, item);
    m_items.append(item);
    if (!subItems.isEmpty()) {
        QLabel* heading = nullptr;
        QVBoxLayout* column = nullptr;
        const int page = m_right->addWidget(MakeRightPage(subItemsLabel, &heading, &column));
        m_subItemPages.insert(item, page);
        for (const SubItem& sub : subItems) {
            m_subItems[page].append(AddMenuButton(sub.first, sub.second, m_right->widget(page), column));
        }
    }
    return item;
}

void CRibbonApplicationMenu::AddSeparator() {
    auto* separator = new QWidget(m_left);
    separator->setFixedHeight(7);
    m_leftColumn->insertWidget(m_leftColumn->count() - 1, separator);
    m_separators.append(separator);
}

CRibbonButton* CRibbonApplicationMenu::AddBottomButton(QAction* action, const QIcon& icon) {
    auto* button = new CRibbonButton(action, icon, CRibbonButton::Kind::Small, this);
    button->SetOnFrame(true);
    connect(button, &CRibbonButton::AboutToTrigger, this, &QWidget::hide);
    m_bottomRow->addWidget(button);
    m_bottomButtons.append(button);
    return button;
}

void CRibbonApplicationMenu::SetRecentFilesTitle(const QString& title, int width) {
    m_recentTitle->setText(title);
    m_right->setMinimumWidth(width);
}

void CRibbonApplicationMenu::SetRecentFiles(const QStringList& paths) {
    for (CRibbonButton* button : std::as_const(m_recentButtons)) {
        delete button->Action();
        delete button;
    }
    m_recentButtons.clear();
    m_recentPaths = paths;
    QWidget* page = m_right->widget(kRecentPage);
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        auto* action =
            new QAction(QStringLiteral("&%1  %2").arg(i + 1).arg(QFileInfo(path).fileName()), this);
        action->setToolTip(path);
        connect(action, &QAction::triggered, this, [this, path] { Q_EMIT RecentFileChosen(path); });
        m_recentButtons.append(AddMenuButton(action, QIcon(), page, m_recentColumn));
    }
}

QList<CRibbonButton*> CRibbonApplicationMenu::SubItems(const CRibbonButton* item) const {
    return m_subItems.value(m_subItemPages.value(item, kRecentPage));
}

int CRibbonApplicationMenu::RightPage() const {
    return m_right->currentIndex();
}

void CRibbonApplicationMenu::ShowAt(const QPoint& globalTopLeft) {
    m_right->setCurrentIndex(kRecentPage);
    adjustSize();
    move(globalTopLeft);
    show();
}

bool CRibbonApplicationMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        // Items without sub-items bring the recent documents back.
        m_right->setCurrentIndex(m_subItemPages.value(static_cast<CRibbonButton*>(watched), kRecentPage));
    }
    return QFrame::eventFilter(watched, event);
}

void CRibbonApplicationMenu::keyPressEvent(QKeyEvent* event) {
    const QString key = event->text().toLower();
    if (key.isEmpty()) {
        QFrame::keyPressEvent(event);
        return;
    }
    for (const CRibbonButton* item : std::as_const(m_items)) {
        if (!item->MenuKeyTip().isEmpty() && item->MenuKeyTip() == key && m_subItemPages.contains(item)) {
            m_right->setCurrentIndex(m_subItemPages.value(item));
            return;
        }
    }
    const QList<CRibbonButton*> shown =
        m_right->currentIndex() == kRecentPage ? m_recentButtons : m_subItems.value(m_right->currentIndex());
    for (const QList<CRibbonButton*>& buttons : {shown, m_items, m_bottomButtons}) {
        for (CRibbonButton* button : buttons) {
            if (button->isEnabled() && button->KeyTip() == key) {
                button->click();
                return;
            }
        }
    }
    QFrame::keyPressEvent(event);
}

void CRibbonApplicationMenu::paintEvent(QPaintEvent*) {
    const RibbonColors& c = CVisualStyle::Ribbon();
    QPainter p(this);
    const QRect r = rect();
    RibbonPaint::Box(p, r, c.frameTop, c.frameBottom, c.menuBorder, 0);
    RibbonPaint::Box(p, QRect(m_left->geometry().topLeft(), m_right->geometry().bottomRight()), c.menuBack,
                     c.menuBack, c.areaBorder, 0);
    RibbonPaint::Box(p, m_right->geometry(), c.menuSide, c.menuSide, c.areaBorder, 0);
    p.setPen(c.areaBorder);
    for (const QWidget* separator : std::as_const(m_separators)) {
        const QRect g = separator->geometry().translated(m_left->pos());
        p.drawLine(g.left() + 44, g.center().y(), g.right() - 4, g.center().y());
    }
}
