#pragma once

#include <QString>

class CDVData;
class CReqDoc;

// The road of a cell edit, shared by the matrix views and the command-line tool: the rules that the
// commands for the same change enforce, the object's SetFieldText, then one version count when the
// object changed. The caller refreshes what shows the object.
namespace DVCellEdit {

struct Result {
    bool handled = false;  // the field belongs to the object
    bool changed = false;  // the object changed and was marked modified
};

// One undo step, unless the caller's step holds it (several edits as one).
Result Apply(CReqDoc& doc, CDVData& object, int fieldId, const QString& text);

// The undo step's name: "Edit" and the column header.
QString StepName(const CReqDoc& doc, int fieldId);

}  // namespace DVCellEdit
