#pragma once

#include "views/CViewDVTreeList.h"

#include <vector>

// Identifiers of the objects of a view's rows in pre-order.
inline std::vector<qint32> RowIds(const CViewDVTreeList* view) {
    std::vector<qint32> ids;
    for (HTREEITEM row = view->GetGrid()->GetNextItem(0, TVGN_ROOT); row != 0;
         row = view->NextInPreOrder(row)) {
        ids.push_back(view->ObjectOf(row)->m_nId);
    }
    return ids;
}

// Identifiers of the objects of a view's family list in list order.
inline std::vector<qint32> FamilyListIds(const CViewDVTreeList* view) {
    std::vector<qint32> ids;
    int position = view->GetFamilyListHead();
    while (CDVData* object = view->GetNextObject(position)) {
        ids.push_back(object->m_nId);
    }
    return ids;
}
