#pragma once

#include <QAbstractButton>
#include <QPointer>

class QAction;
class QMenu;

// A ribbon button bound to a QAction: text, enabled, checked and visible state follow the action and a
// click triggers it. Text after a line break ("Paste\nv") is the key tip, not drawn.
class CRibbonButton : public QAbstractButton {
    Q_OBJECT

public:
    enum class Kind {
        Large,        // 32 x 32 icon above a text of up to two lines
        Small,        // 16 x 16 icon left of the text
        IconOnly,     // 16 x 16 icon, text as tooltip
        Application,  // the round application button
        MenuItem,     // 32 x 32 icon left of the text, for the application menu
    };

    // action may be null for a button whose owner handles clicked() itself.
    CRibbonButton(QAction* action, const QIcon& icon, Kind kind, QWidget* parent = nullptr);

    QAction* Action() const { return m_action; }
    Kind ButtonKind() const { return m_kind; }
    // The text as drawn: before the line break, without '&' mnemonics.
    QString Label() const;
    // The action's first key as text; menu items show it beside their text.
    QString ShortcutText() const;
    // Explicit key tip, else the one of the action's text, else its mnemonic letter.
    QString KeyTip() const;
    void SetKeyTip(const QString& keyTip);
    // The key tip of the button's sub-items (its menu part), beside the one of the button itself.
    QString MenuKeyTip() const { return m_menuKeyTip; }
    void SetMenuKeyTip(const QString& keyTip) { m_menuKeyTip = keyTip; }
    // With split, the main part runs the action and only the arrow part opens the menu;
    // otherwise the whole button opens it.
    void SetMenu(QMenu* menu, bool split);
    QMenu* Menu() const { return m_menu; }
    bool IsSplit() const { return m_menu && m_split; }
    // The part that opens the menu; empty without a menu.
    QRect MenuRect() const;
    // Buttons on the frame band draw their text in the frame's colour.
    void SetOnFrame(bool onFrame);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    // A click is about to trigger the action; popups close here before the command runs.
    void AboutToTrigger();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool IsHot() const;
    void SyncFromAction();
    void ShowMenu();
    QIcon EffectiveIcon() const;
    QStringList LargeLines() const;
    void PaintBackground(QPainter& p) const;
    void PaintApplicationButton(QPainter& p) const;
    void PaintContent(QPainter& p) const;

    QPointer<QAction> m_action;
    Kind m_kind;
    QMenu* m_menu = nullptr;
    bool m_split = false;
    bool m_menuOpen = false;
    bool m_onFrame = false;
    bool m_actionVisible = true;
    QString m_keyTip;
    QString m_menuKeyTip;
};
