#pragma once

#include "views/CDVCommandTarget.h"

#include <functional>

class CReqDoc;
class CReqDocLink;

// The commands a document handles, whichever of its views is active: opening windows of a view type,
// the automatic column layout switch, the project properties and, while embedded, linking.
class CDocumentCommands : public CDVCommandTarget {
public:
    struct Hooks {
        // Opens another window on the document showing its m_nNextViewType.
        std::function<void(CReqDoc*)> openWindow;
        // The project options sheet; true when it ended with OK and a page reported a change.
        std::function<bool(CReqDoc*)> projectProperties;
        // After the project properties changed: titles, options and colours of the open views.
        std::function<void(CReqDoc*)> applyProjectProperties;
    };

    CDocumentCommands(CReqDoc& doc, Hooks hooks) : m_doc(doc), m_hooks(std::move(hooks)) {}

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CDVCommandState& state) override;

    // Command 464: the sheet, then the project-properties update.
    void ProjectProperties();

    // Command 505: the "Embedded Document Options" dialog.
    void EmbeddedDocumentOptions();

private:
    void OpenWindowOfType(int viewType);
    // After the sheet ended with OK and a change: the phase adjustment, the views, the modified flag.
    void ApplyProjectProperties();
    CReqDocLink Link();
    // Enabled when there is a step to take; the text names it ("Undo Delete Requirement").
    void UpdateUndoCommand(bool undo, CDVCommandState& state) const;

    CReqDoc& m_doc;
    Hooks m_hooks;
};
