#pragma once

#include <QIcon>
#include <QList>
#include <QWidget>

class QAction;
class QGridLayout;
class CRibbonButton;

// A titled group of buttons: each large button takes a column of its own, small buttons stack three
// to a column.
class CRibbonPanel : public QWidget {
    Q_OBJECT

public:
    // title may carry a key tip after a line break ("Clipboard\nd").
    CRibbonPanel(const QString& title, const QIcon& icon, QWidget* parent = nullptr);

    QString Title() const { return m_title; }
    QString KeyTip() const { return m_keyTip; }
    QIcon Icon() const { return m_icon; }

    // A null icon uses the action's icon.
    CRibbonButton* AddLargeButton(QAction* action, const QIcon& icon = {});
    CRibbonButton* AddSmallButton(QAction* action, const QIcon& icon = {});
    QList<CRibbonButton*> Buttons() const { return m_buttons; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int TitleHeight() const;

    QString m_title;
    QString m_keyTip;
    QIcon m_icon;
    QGridLayout* m_grid;
    QList<CRibbonButton*> m_buttons;
    int m_column = -1;
    int m_smallRow = 3;  // rows used in the current column by small buttons; 3 means start a new one
};
