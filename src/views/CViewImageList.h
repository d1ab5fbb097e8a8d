#pragma once

#include "controls/treelist/TreeListImageList.h"

// The image list of the matrix views, numbered as rows and cells use it: 0 to 3 requirement types (3 the
// folder of every family), 4 to 6 linkage And / Or / Ignore, 7 and 8 phase not done / done, 9 actor,
// 10 use case, 11 to 20 step types 0 to 9. Icons the host supplies take precedence; the rest are plain
// pictures drawn here, so that the views work without the application's icon set.
class CViewImageList {
public:
    static constexpr int Count = 21;
    static constexpr int Size = 16;

    static TLImageList Get();
    // The picture drawn for an index when the host supplies none.
    static QIcon Fallback(int index);
};
