#pragma once

#include "views/CViewDVTreeList.h"

// The end of an in-place edit of a cell, as the grid reports it to its view.
inline void EndCellEdit(CViewDVTreeList& view, HTREEITEM row, int column, const QString& text) {
    TLNotify notify;
    notify.code = TVN_ENDLABELEDITW;
    notify.hItem = row;
    notify.column = column;
    notify.text = text;
    view.OnTreeListNotify(*view.GetGrid(), notify);
}
