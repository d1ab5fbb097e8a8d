#pragma once

#include <QIcon>
#include <QList>
#include <QVector>
#include <QWidget>

class QAction;
class QMenu;
class QStackedWidget;
class CRibbonApplicationMenu;
class CRibbonButton;
class CRibbonCategory;

// The ribbon: application button, quick-access toolbar, category tabs with right-aligned buttons, and
// the panels of the active category below.
class CRibbonBar : public QWidget {
    Q_OBJECT

public:
    explicit CRibbonBar(QWidget* parent = nullptr);

    // text may carry a key tip after a line break ("\nf").
    void SetApplicationButton(const QIcon& icon, const QString& text, const QString& toolTip);
    CRibbonButton* ApplicationButton() const { return m_applicationButton; }
    // The bar takes ownership; a previous menu is deleted.
    void SetApplicationMenu(CRibbonApplicationMenu* menu);
    CRibbonApplicationMenu* ApplicationMenu() const { return m_applicationMenu; }
    // Opens the application menu below the application button.
    void ShowApplicationMenu();

    CRibbonCategory* AddCategory(const QString& title);
    QList<CRibbonCategory*> Categories() const { return m_categories; }
    CRibbonCategory* ActiveCategory() const;
    void SetActiveCategory(CRibbonCategory* category);

    // A null icon uses the action's icon. With a menu the whole button opens it.
    CRibbonButton* AddRightAlignedButton(QAction* action, const QIcon& icon, QMenu* menu = nullptr);
    QList<CRibbonButton*> RightAlignedButtons() const { return m_rightButtons; }
    CRibbonButton* AddQuickAccessAction(QAction* action, const QIcon& icon = {});
    QList<CRibbonButton*> QuickAccessButtons() const { return m_quickAccess; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void ActiveCategoryChanged(CRibbonCategory* category);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void LayoutHeader();
    int TabAt(const QPoint& pos) const;

    CRibbonButton* m_applicationButton;
    CRibbonApplicationMenu* m_applicationMenu = nullptr;
    QStackedWidget* m_stack;
    QList<CRibbonCategory*> m_categories;
    QList<CRibbonButton*> m_quickAccess;
    QList<CRibbonButton*> m_rightButtons;
    QVector<QRect> m_tabRects;
    int m_hotTab = -1;
};
