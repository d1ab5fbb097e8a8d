#pragma once

#include "controls/treelist/TreeListLayout.h"

#include <vector>

// Column records and widths: fixed and proportional columns, the spreading of width changes and the
// column edges.
class TreeListColumnLayout {
public:
    explicit TreeListColumnLayout(TLLayout& layout) : m_layout(layout) {}

    // Returns the index of the new column or -1. availableWidth is the width of the rows area, which the
    // proportional columns share after every insertion.
    int Insert(int index, const TLColumn& column, int availableWidth);
    bool Delete(int index);
    void Apply(TLColumnRecord& record, const TLColumn& column);
    void Read(int index, TLColumn& column) const;
    void SetWidth(int index, int width);
    // Spreads a change of the rows area width over the proportional columns by weight.
    void Spread(int delta);
    // Re-arranges the records so that new index c holds old index newToOld[c].
    void Permute(const std::vector<int>& newToOld);
    void RecomputeEdges();

private:
    void Distribute(int availableWidth);
    static void Show(TLColumnRecord& record);

    TLLayout& m_layout;
};
