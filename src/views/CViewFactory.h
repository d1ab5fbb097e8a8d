#pragma once

#include <memory>

class CReqDoc;
class CUseCase;
class CViewChildDV;
class QWidget;

// Creates the hosted view object of a view type (0 requirements, 1 use cases, 2 steps of stepsUseCase,
// 3 actors; other types are the caller's to map). The view exists without its grid until its
// OnInitialUpdate runs.
std::unique_ptr<CViewChildDV> CreateHostedViewObject(int viewType, CReqDoc* doc, CUseCase* stepsUseCase,
                                                     QWidget* parent);
