#include "model/DVFamilyTree.h"

#include "model/CDVData.h"

#include <vector>

namespace DVFamilyTree {

void Walk(const std::function<CDVData*(int position)>& objectAt, int first,
          const std::function<bool(CDVData* object, int depth)>& visit) {
    // One level per open parent, kept on a stack so that deep trees cannot exhaust the call stack.
    struct Level {
        qint32 parentId;
        qint32 lastId;
        bool hasLast;
    };
    std::vector<Level> levels{{0, 0, false}};
    int position = first;
    while (position >= 0 && !levels.empty()) {
        CDVData* object = objectAt(position);
        if (object == nullptr) {
            break;
        }
        if (object->m_bDeleted) {
            ++position;
            continue;
        }
        Level& level = levels.back();
        if (object->m_nParentId == level.parentId) {
            if (!visit(object, int(levels.size()) - 1)) {
                break;
            }
            level.lastId = object->m_nId;
            level.hasLast = true;
            ++position;
        } else if (level.hasLast && object->m_nParentId == level.lastId) {
            levels.push_back(Level{level.lastId, 0, false});
        } else {
            levels.pop_back();
        }
    }
}

}  // namespace DVFamilyTree
