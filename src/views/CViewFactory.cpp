#include "views/CViewFactory.h"

#include "document/CReqDoc.h"
#include "views/CViewActors.h"
#include "views/CViewProjectOverview.h"
#include "views/CViewTreelist.h"
#include "views/CViewUseCaseList.h"
#include "views/CViewUseCaseSteps.h"

std::unique_ptr<CViewChildDV> CreateHostedViewObject(int viewType, CReqDoc* doc, CUseCase* stepsUseCase,
                                                     QWidget* parent) {
    switch (viewType) {
        case CReqDoc::ViewUseCases:
            return std::make_unique<CViewUseCaseList>(doc, parent);
        case CReqDoc::ViewSteps:
            return std::make_unique<CViewUseCaseSteps>(doc, stepsUseCase, parent);
        case CReqDoc::ViewActors:
            return std::make_unique<CViewActors>(doc, parent);
        case CReqDoc::ViewRequirements:
            return std::make_unique<CViewTreelist>(doc, parent);
        case CReqDoc::ViewOverview:
            return std::make_unique<CViewProjectOverview>(doc, parent);
        default:
            return nullptr;
    }
}
