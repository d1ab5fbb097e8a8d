#include "document/DVCellEdit.h"

#include "document/CReqDoc.h"
#include "document/DVUndoScope.h"
#include "model/Requirement.h"
#include "model/StringIds.h"

namespace DVCellEdit {

Result Apply(CReqDoc& doc, CDVData& object, int fieldId, const QString& text) {
    // The type cell takes the same refusal as the type-change commands.
    if (fieldId == FIELD_REQUIREMENT_TYPE && object.Family() == DVFamily::Requirement) {
        const int type = int(doc.GetRequirementTypeChoices().split(u'|').indexOf(text));
        if (type >= 0 && !static_cast<const Requirement&>(object).MayTakeType(type))
            return {true, false};
    }
    DVUndoScope step(doc, StepName(doc, fieldId));
    doc.BeforeChange(&object);
    Result result;
    result.changed = object.SetFieldText(text, fieldId, result.handled, &doc);
    result.changed = result.changed && result.handled;
    if (result.changed)
        doc.MarkModified(&object);
    return result;
}

QString StepName(const CReqDoc& doc, int fieldId) {
    return QStringLiteral("Edit %1").arg(doc.GetHeaderText(fieldId));
}

}  // namespace DVCellEdit
