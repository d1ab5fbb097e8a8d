#pragma once

class QMenu;

// What CTreeListCtrl needs of the view that owns it, for the column header menu.
class ITreeListOwner {
public:
    // Closes the owner's open popup menu, if any, before another one opens.
    virtual void CloseOpenPopupMenu() = 0;
    // Records the menu as the owner's open popup menu (nullptr when it closed).
    virtual void SetOpenPopupMenu(QMenu* menu) = 0;
    // Gives every action of the column header menu (its data is the command id) the enabled and checked
    // state of its command, as the owner's other menus show them.
    virtual void UpdateColumnHeaderMenu(QMenu* menu) = 0;
    // A command of the column header menu was chosen.
    virtual void OnColumnHeaderCommand(int commandId) = 0;

protected:
    ~ITreeListOwner() = default;
};
