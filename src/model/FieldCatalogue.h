#pragma once

#include "model/CDVData.h"

#include <QString>

class CReqProject;

// How a view lets the user edit a cell in place.
enum class DVEditKind {
    ReadOnly,
    Text,
    Stepped,   // a choice stepped to its next entry on each activation
    DropDown,  // a choice picked from a drop-down list
};

// The catalogue of field kinds: which families show a field, its cell text and image, how it is edited.
namespace FieldCatalogue {

// Whether the family lists the field (parameter columns are listed by every family with parameters).
bool FamilyHasField(DVFamily family, int fieldId);

// The text of the object's cell; the object's records may take over the project defaults on the way.
QString CellText(CReqProject* doc, CDVData* object, int fieldId);

// The image of the object's cell, -1 for none (phase cells, the linkage cell).
int CellImage(const CDVData* object, int fieldId);

DVEditKind EditKind(const CReqProject* doc, DVFamily family, int fieldId);

// The "|"-separated entries of a choice field; empty for other fields.
QString ChoiceList(const CReqProject* doc, int fieldId);

// A phase column that the project's phase settings leave out.
bool IsUnusedPhaseField(const CReqProject* doc, int fieldId);

// The cell text of a parameter column for an object.
QString ParameterCellText(const CReqProject* doc, const CDVData* object, int fieldId);

}  // namespace FieldCatalogue
