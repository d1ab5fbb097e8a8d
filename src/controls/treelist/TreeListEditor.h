#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <functional>

class QWidget;
class QFont;
class QFontMetrics;

// The in-place editor: an edit box, an editable drop-down or a drop-down list over one cell.
class TreeListEditor : public QObject {
    Q_OBJECT
public:
    enum Kind { EditBox = 0, Combo = 1, List = 2 };
    // keep: the text is taken; byEnter: the Enter key ended the edit.
    using EndHandler = std::function<void(bool keep, bool byEnter)>;

    TreeListEditor(QWidget* parent, EndHandler onEnd);
    ~TreeListEditor() override;

    // Where the editor goes: textRect is the cell's text area (after its images).
    static QRect Geometry(Kind kind, const QRect& cell, int textLeft, int align, bool wholeCell,
                          const QFontMetrics& fm, const QString& text, int scrollBarWidth);

    QWidget* Open(Kind kind, const QRect& rect, const QFont& font, const QString& text,
                  const QStringList& entries);
    void Close();
    QWidget* Widget() const { return m_widget; }
    bool IsOpen() const { return m_widget != nullptr; }
    Kind CurrentKind() const { return m_kind; }
    QString Text() const;
    // Index of the chosen entry in a list, or -1.
    int ChosenEntry() const;
    bool Changed() const { return m_changed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void End(bool keep, bool byEnter);

    QWidget* m_parent;
    EndHandler m_onEnd;
    QPointer<QWidget> m_widget;
    Kind m_kind = EditBox;
    bool m_changed = false;
    bool m_ending = false;
    int m_wheel = 0;  // wheel units not yet turned into list steps
};
