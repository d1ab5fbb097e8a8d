#pragma once

class QMenu;

// What CTreeListCtrl needs of the view that owns it, for the column header menu.
class ITreeListOwner {
public:
    // Closes the owner's open popup menu, if any, before another one opens.
    virtual void CloseOpenPopupMenu() = 0;
    // Records the menu as the owner's open popup menu (nullptr when it closed).
    virtual void SetOpenPopupMenu(QMenu* menu) = 0;
    // Whether column order and sizes are saved automatically (or the document is embedded).
    virtual bool IsColumnLayoutSavedAutomatically() const = 0;
    // A command of the column header menu was chosen.
    virtual void OnColumnHeaderCommand(int commandId) = 0;

protected:
    ~ITreeListOwner() = default;
};
