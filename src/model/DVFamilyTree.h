#pragma once

#include <functional>

class CDVData;

// The tree a view builds from a family list in pre-order. Deleted objects are left out; an object whose
// parent is neither an open level's nor the object just before it ends its level, and one that fits no
// level ends the walk, as do a null object and visit answering false.
namespace DVFamilyTree {

// objectAt answers the object at a list position (null past the end); visit gets each object with its
// depth (0 for top level) in pre-order.
void Walk(const std::function<CDVData*(int position)>& objectAt, int first,
          const std::function<bool(CDVData* object, int depth)>& visit);

}  // namespace DVFamilyTree
