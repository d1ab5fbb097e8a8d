#pragma once

#include "views/DVViewSearch.h"

class CViewDVTreeList;

// Replacing found text in the cells of a matrix view. Only the free texts that a cell edit may change
// take a replacement (titles, descriptions, comments, free-text step fields, text parameters); choices,
// numbers, links and read-only cells never do. Every change takes the road of a cell edit.
class DVViewReplace {
public:
    static bool IsReplaceable(const CViewDVTreeList& view, int column);

    // Replaces every occurrence of text in each of the cells, one cell edit after the other; cells that
    // may not take a replacement are left alone. Replace and Replace All both come through here, so the
    // edits of one Replace All stay together. Returns the cells that changed.
    static int ReplaceInCells(CViewDVTreeList& view, const std::vector<DVViewSearch::Cell>& cells,
                              const QString& text, const QString& replacement, Qt::CaseSensitivity cs);
};
