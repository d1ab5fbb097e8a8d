#pragma once

#include <functional>

class QAction;
class CRibbonBar;

// Lays out the program's ribbon. The actions come from the caller, who owns the commands; an action
// without text gets the ribbon's text and one without icon the ribbon's image. Commands the callback
// answers with null are left out.
class CRibbonBuilder {
public:
    using ActionFor = std::function<QAction*(int commandId)>;

    static void Build(CRibbonBar& bar, const ActionFor& actionFor);
};
