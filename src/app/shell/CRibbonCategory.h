#pragma once

#include <QIcon>
#include <QList>
#include <QWidget>

class QHBoxLayout;
class CRibbonPanel;

// One ribbon tab: its panels side by side.
class CRibbonCategory : public QWidget {
    Q_OBJECT

public:
    // title may carry a '&' mnemonic, which is its key tip.
    explicit CRibbonCategory(const QString& title, QWidget* parent = nullptr);

    // The tab's text as drawn.
    QString Title() const;
    QString KeyTip() const;

    CRibbonPanel* AddPanel(const QString& title, const QIcon& icon = {});
    QList<CRibbonPanel*> Panels() const { return m_panels; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    QHBoxLayout* m_row;
    QList<CRibbonPanel*> m_panels;
};
