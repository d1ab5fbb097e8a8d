#pragma once

#include "document/PhaseTally.h"

#include <QString>

#include <array>

// One row of the project overview: the phases of a top-level requirement with its descendants merged
// in (approval, implementation, verification, validation). While merging children it also serves as
// the accumulator of their Or-alternatives.
struct DVPOData {
    QString strName;
    std::array<PhaseTally, 4> own{};
    bool bOrDone = false;
    std::array<PhaseTally, 4> orPart{};
};
