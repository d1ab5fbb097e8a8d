#pragma once

#include "document/CReqDoc.h"
#include "views/DVCommandIds.h"

// The view type a "Change View Type to ..." command switches a window to; -1 for other commands.
inline int ViewTypeOfSwitchCommand(int id) {
    switch (id) {
        case DVCmd::ViewOverview:
            return CReqDoc::ViewOverview;
        case DVCmd::ViewRequirements:
            return CReqDoc::ViewRequirements;
        case DVCmd::ViewActors:
            return CReqDoc::ViewActors;
        case DVCmd::ViewUseCases:
            return CReqDoc::ViewUseCases;
        default:
            return -1;
    }
}

// Whether the switch to that type is offered to a window showing currentType.
inline bool CanSwitchViewType(int currentType, int targetType) {
    return targetType >= 0 && targetType != currentType;
}
