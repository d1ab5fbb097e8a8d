#pragma once

#include <QString>

#include <optional>

class CDVData;
class CReqDoc;

// What a script may type into a field: only what a cell of the matrix views could take. A cell edits
// only some fields in place, offers only the value names of a choice and takes only numbers in a
// number field; the command-line tool refuses the rest instead of letting an unknown text count as
// "No", a bad number pass as "unchanged" or a field that only a dialog edits be written.
namespace CliFieldText {

// Why text cannot be entered into the field, or nothing when it can.
std::optional<QString> Refusal(const CReqDoc& doc, const CDVData& object, int fieldId, const QString& text);

}  // namespace CliFieldText
