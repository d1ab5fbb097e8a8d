#pragma once

#include "views/DVViewSearch.h"

#include <QWidget>

struct CDVCommandState;
class CViewDVTreeList;
class QCheckBox;
class QLabel;
class QLineEdit;

// The find bar at the bottom of a matrix view: text to find (F3 and Shift+F3 step through the
// matches, wrapping at the ends, and the bar counts them), text to replace it with, and an identifier
// to go to. A found row is revealed and its cell selected. Escape closes the bar.
class CViewFindBar : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Find, Replace, GoToId };

    explicit CViewFindBar(CViewDVTreeList& view);

    // The view's commands that the bar carries out: Find, Find Next and Previous, Replace and Go to ID,
    // and Escape while the bar is open; false for any other command.
    static bool RunCommand(CViewDVTreeList& view, int id);
    static bool UpdateCommand(CViewDVTreeList& view, int id, CDVCommandState& state);
    // The bar of the view; null until the view first opened one.
    static CViewFindBar* Of(const CViewDVTreeList& view);

    void Open(Mode mode);
    void Close();
    // Selects the match after (or before) the selected cell; false without matches.
    bool FindNext(bool backward);
    // Changes the selected cell when it is a match that may take the replacement, then selects the next
    // such match.
    void ReplaceCurrent();
    // Returns the cells that changed.
    int ReplaceAll();
    void GoToId();

    QLineEdit* FindField() const { return m_find; }
    QLineEdit* ReplaceField() const { return m_replace; }
    QLineEdit* IdField() const { return m_id; }
    QCheckBox* MatchCaseBox() const { return m_matchCase; }
    QString StatusText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    DVViewSearch::Result Search() const;
    Qt::CaseSensitivity CaseSensitivity() const;
    // Selects the match at index (none for -1) and tells where it is among all.
    void ShowMatch(const DVViewSearch::Result& result, int index);
    void SetReplaceShown(bool shown);
    void OnTextEdited();

    CViewDVTreeList& m_view;
    QLineEdit* m_find;
    QLineEdit* m_replace;
    QLineEdit* m_id;
    QCheckBox* m_matchCase;
    QLabel* m_status;
    QList<QWidget*> m_replaceRow;
};
