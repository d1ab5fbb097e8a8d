#pragma once

#include "model/DV_UserDefinition.h"

#include <vector>

class CArchiveReader;
class CArchiveWriter;
class CActor;
class CDVColumn;
class CDVDevelopmentStep;
class CFunction;
class CStep;
class CUseCase;
class DVParameter;
class Requirement;
struct DVParameterValue;
struct VersionNumber;

// The records of the project file's object families and settings. Store writes a record, Load reads
// one into an object that the caller constructed with identifier 0; every field comes from the record.
namespace ProjectRecords {

// The fewest bytes a record can take, so that a count of records is refused before anything is
// allocated when the rest of the archive cannot hold it.
inline constexpr int kMinVersionNumber = 1 + 1 + 3 * 4;
inline constexpr int kMinData = 3 * 4 + 3 * 1 + 1 + 4 + kMinVersionNumber;
inline constexpr int kMinParList = kMinData + 4;
inline constexpr int kMinParameterValue = 4 + 8 + 1 + 4;
inline constexpr int kMinParameter = 4 + 4 + 1 + 8 + 8 + 1 + 1 + 4 + 4 + 1 + 4;
inline constexpr int kMinPhase = 4 + 4 + 1 + 8 + 8 + kMinVersionNumber;
inline constexpr int kMinVerification = kMinParList + 4 * kMinPhase + 2 + 2;
inline constexpr int kMinRequirement = kMinVerification + 3 * 4 + 2 + 2;
inline constexpr int kMinActor = kMinParList + 3 * 4;
inline constexpr int kMinFunction = 4 + 3 * 1;
inline constexpr int kMinUseCase = kMinVerification + 5 * 4;
inline constexpr int kMinStep = kMinParList + 4 + 1 + 1 + 4 + 2 + 4 + 4 + 2 + 2;
inline constexpr int kMinUserDefinition = 4 + 1;
inline constexpr int kMinColumn = 4 + 4 + 2;

void Store(CArchiveWriter& out, const VersionNumber& version);
void Load(CArchiveReader& in, VersionNumber& version);
// The phase kind is not stored: the owner's record keeps it.
void Store(CArchiveWriter& out, const CDVDevelopmentStep& step);
void Load(CArchiveReader& in, CDVDevelopmentStep& step);
void Store(CArchiveWriter& out, const DVParameterValue& value);
void Load(CArchiveReader& in, DVParameterValue& value);
void Store(CArchiveWriter& out, const DVParameter& parameter);
void Load(CArchiveReader& in, DVParameter& parameter);
void Store(CArchiveWriter& out, const Requirement& requirement);
void Load(CArchiveReader& in, Requirement& requirement);
void Store(CArchiveWriter& out, const CActor& actor);
void Load(CArchiveReader& in, CActor& actor);
void Store(CArchiveWriter& out, const CUseCase& useCase);
void Load(CArchiveReader& in, CUseCase& useCase);
// Only the identifier and the three texts of a function are stored.
void Store(CArchiveWriter& out, const CFunction& function);
void Load(CArchiveReader& in, CFunction& function);
void Store(CArchiveWriter& out, const CStep& step);
void Load(CArchiveReader& in, CStep& step);
// Arrays whose length differs from the number of field ids are written as -1 widths and 0 flags.
void Store(CArchiveWriter& out, const CDVColumn& columns);
// Appends to the set's arrays; a -1 width empties the width array.
void Load(CArchiveReader& in, CDVColumn& columns);
void Store(CArchiveWriter& out, const std::vector<DV_UserDefinition>& definitions);
void Load(CArchiveReader& in, std::vector<DV_UserDefinition>& definitions);

}  // namespace ProjectRecords
