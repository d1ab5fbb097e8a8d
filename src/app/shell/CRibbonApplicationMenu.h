#pragma once

#include <QFrame>
#include <QIcon>
#include <QList>
#include <QMap>
#include <QStringList>
#include <utility>

class QAction;
class QKeyEvent;
class QLabel;
class QStackedWidget;
class QVBoxLayout;
class QHBoxLayout;
class CRibbonButton;

// The popup behind the application button: a column of large items, a right column with the recent
// documents (or the sub-items of the item under the mouse) and a row of buttons at the bottom.
class CRibbonApplicationMenu : public QFrame {
    Q_OBJECT

public:
    using SubItem = std::pair<QAction*, QIcon>;

    explicit CRibbonApplicationMenu(QWidget* parent = nullptr);

    // subItems replace the recent documents in the right column while the mouse is on the item,
    // under the heading subItemsLabel.
    CRibbonButton* AddItem(QAction* action, const QIcon& icon, const QString& subItemsLabel = {},
                           const QList<SubItem>& subItems = {});
    void AddSeparator();
    CRibbonButton* AddBottomButton(QAction* action, const QIcon& icon);

    void SetRecentFilesTitle(const QString& title, int width);
    void SetRecentFiles(const QStringList& paths);
    QStringList RecentFiles() const { return m_recentPaths; }

    QList<CRibbonButton*> Items() const { return m_items; }
    QList<CRibbonButton*> SubItems(const CRibbonButton* item) const;
    QList<CRibbonButton*> RecentFileButtons() const { return m_recentButtons; }
    QList<CRibbonButton*> BottomButtons() const { return m_bottomButtons; }
    // The right-column page shown: 0 the recent documents, n the sub-items of the n-th item that has some.
    int RightPage() const;

    void ShowAt(const QPoint& globalTopLeft);

Q_SIGNALS:
    void RecentFileChosen(const QString& path);

protected:
    // Key tips: a letter runs the item that carries it (the right column first); a menu key tip shows
    // that item's sub-items.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CRibbonButton* AddMenuButton(QAction* action, const QIcon& icon, QWidget* parent, QVBoxLayout* column);
    QWidget* MakeRightPage(const QString& title, QLabel** heading, QVBoxLayout** column);

    QWidget* m_left;
    QVBoxLayout* m_leftColumn;
    QStackedWidget* m_right;
    QLabel* m_recentTitle;
    QVBoxLayout* m_recentColumn;
    QHBoxLayout* m_bottomRow;
    QList<CRibbonButton*> m_items;
    QMap<const CRibbonButton*, int> m_subItemPages;
    QMap<int, QList<CRibbonButton*>> m_subItems;
    QList<QWidget*> m_separators;
    QList<CRibbonButton*> m_bottomButtons;
    QStringList m_recentPaths;
    QList<CRibbonButton*> m_recentButtons;
};
