#pragma once

#include "dialogs/CDVEditSheet.h"

class CDVUserDefinedParList;
class CReqDoc;
class CViewDVTreeList;

// The edit sheet of one actor, use case or step; the two mode flags choose the kind and its pages:
// actor: description, functions, actor parameters, user-defined parameters;
// use case: description, approval and verification, created requirements, user-defined parameters;
// step: description, step requirements, step parameters, user-defined parameters.
class DlgSheet_Actor_Edit : public CDVEditSheet {
    Q_OBJECT
public:
    enum ActorPage { ActorDescriptionPage, FunctionsPage, ActorParametersPage, ActorUserParametersPage };

    DlgSheet_Actor_Edit(const QString& caption, bool actorMode, bool stepMode, CDVUserDefinedParList* object,
                        CReqDoc* doc, CViewDVTreeList* view, QWidget* parent = nullptr);

    // Actor mode: the page shown first; functions win when both are asked for.
    void SetOpenAtFunctions(bool open) { m_bOpenAtFunctions = open; }
    void SetOpenAtActorParameters(bool open) { m_bOpenAtActorParameters = open; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_bActorMode;
    bool m_bOpenAtFunctions = false;
    bool m_bOpenAtActorParameters = false;
};
