#pragma once

#include <QString>

#include <optional>

class CReqDoc;

// What a script may type into a field: a cell edit only offers the value names of a choice and only
// takes numbers in a number field, so the command-line tool refuses the rest instead of letting an
// unknown text count as "No" or a bad number pass as "unchanged".
namespace CliFieldText {

// Why text cannot be entered into the field, or nothing when it can.
std::optional<QString> Refusal(const CReqDoc& doc, int fieldId, const QString& text);

}  // namespace CliFieldText
