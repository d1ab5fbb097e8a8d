#include "cli/CliFieldText.h"

#include "document/CReqDoc.h"
#include "model/DVParameter.h"
#include "model/FieldCatalogue.h"
#include "model/StringIds.h"

namespace CliFieldText {

namespace {
bool IsNumberField(const CReqDoc& doc, int fieldId) {
    if (fieldId >= FIELD_APPROVAL_DURATION && fieldId <= FIELD_VALIDATION_COST)
        return true;
    const DVParameter* definition = doc.FindParameterByColumn(fieldId);
    return definition != nullptr && definition->m_nType == DVParameter::TypeNumber;
}
}  // namespace

std::optional<QString> Refusal(const CReqDoc& doc, const CDVData& object, int fieldId, const QString& text) {
    const bool listed =
        fieldId >= FIELD_FIRST_PARAMETER || FieldCatalogue::FamilyHasField(object.Family(), fieldId);
    if (listed && FieldCatalogue::EditKind(&doc, object.Family(), fieldId) == DVEditKind::ReadOnly)
        return QStringLiteral(
                   "Field %1 cannot be edited in a cell; the application edits it in a dialog or "
                   "not at all.")
            .arg(fieldId);
    double number = 0.0;
    if (IsNumberField(doc, fieldId) && !ParseNumber(text, number))
        return QStringLiteral("\"%1\" is not a number; field %2 takes numbers.").arg(text).arg(fieldId);
    const QString choices = FieldCatalogue::ChoiceList(&doc, fieldId);
    if (!choices.isEmpty() && !choices.split(u'|').contains(text))
        return QStringLiteral("\"%1\" is not a value of field %2; use one of: %3.")
            .arg(text)
            .arg(fieldId)
            .arg(choices.split(u'|').join(QStringLiteral(", ")));
    return std::nullopt;
}

}  // namespace CliFieldText
