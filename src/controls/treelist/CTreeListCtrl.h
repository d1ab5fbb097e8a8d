#pragma once

#include "controls/treelist/DV_TreeList.h"

class ITreeListOwner;
class QMenu;

// The tree-list as the matrix views hold it: commits the header's drag order when the header lets go
// of the mouse, and shows the column header menu on a right click on the header.
class CTreeListCtrl : public DV_TreeList {
    Q_OBJECT
public:
    static constexpr int IDR_COLUMN_HEADER_MENU = 317;
    static constexpr int ID_CHOOSE_COLUMNS = 32807;
    static constexpr int ID_SAVE_COLUMN_LAYOUT = 32815;
    static constexpr int ID_SAVE_COLUMN_LAYOUT_AUTO = 32818;
    static constexpr int ID_RESET_COLUMN_LAYOUT = 32816;
    static constexpr int ID_VIEW_PROJECT_OVERVIEW = 32860;
    static constexpr int ID_VIEW_REQUIREMENTS = 32823;
    static constexpr int ID_VIEW_ACTORS = 32824;
    static constexpr int ID_VIEW_USE_CASES = 32825;

    CTreeListCtrl(ITreeListOwner* owner, QWidget* parent = nullptr, quint32 style = 0);

    ITreeListOwner* GetOwner() const { return m_owner; }
    // Menu 317; each action carries its command id as data. The views' command 295 opens it too.
    static QMenu* CreateColumnHeaderMenu(QWidget* parent);
    // Shows menu 317 at the global position on behalf of the owner, with the states the owner gives.
    void ShowColumnHeaderMenu(const QPoint& globalPos);

protected:
    void OnHeaderReleased() override { CommitColumnOrder(); }
    void OnHeaderContextMenu(const QPoint& globalPos) override { ShowColumnHeaderMenu(globalPos); }

private:
    ITreeListOwner* m_owner;
};
