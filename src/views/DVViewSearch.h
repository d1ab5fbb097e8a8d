#pragma once

#include "controls/treelist/TreeListTypes.h"

#include <QString>

#include <vector>

class CDVData;
class CViewDVTreeList;

// Finding text in the cells of a matrix view: every row, collapsed branches included, in row pre-order
// and columns left to right. The texts come from the objects through the view, as the cells show them,
// so a row needs no stored cell texts to be found.
class DVViewSearch {
public:
    struct Cell {
        HTREEITEM row = 0;
        int column = 0;
        bool operator==(const Cell&) const = default;
    };

    struct Result {
        std::vector<Cell> matches;
        int before = 0;       // matches that come before the cell the search started from
        bool atFrom = false;  // that cell is a match itself (matches[before])

        // The match at or after the starting cell, the one after it or the one before it; each wraps
        // around the ends. -1 without matches.
        int AtOrAfter() const;
        int Next() const;
        int Previous() const;
    };

    enum class IdState { Shown, Deleted, Unknown };

    // The cells whose text contains the text; an empty text matches nothing.
    static Result Find(const CViewDVTreeList& view, const QString& text, Qt::CaseSensitivity cs, Cell from);

    // Where the object of the view's family with that identifier is: its row (Shown), deleted, or
    // neither in the family nor among its deleted objects.
    static IdState LookUpId(const CViewDVTreeList& view, qint32 id, HTREEITEM& row);

private:
    static bool IsDeleted(const CViewDVTreeList& view, qint32 id);
};
