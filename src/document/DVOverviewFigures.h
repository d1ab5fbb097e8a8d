#pragma once

#include "document/DVPOData.h"

#include <vector>

class CReqDoc;

// The figures of the project overview: one row per top-level requirement with its descendants merged
// by linkage, the total of the rows and the sum of totals.
class DVOverviewFigures {
public:
    // Rows and total from the document's requirements; the sum from its overview options.
    void Compute(const CReqDoc& doc);
    // The sum of totals of the phases the two option values show (values 0 to 4 of
    // m_nOverviewApprImpl and m_nOverviewVerValid).
    void ComputeSum(int apprImpl, int verValid);

    const std::vector<DVPOData>& Rows() const { return m_rows; }
    const DVPOData& Total() const { return m_total; }
    const PhaseTally& Sum() const { return m_sum; }

    // The integer part of done × 100 / all + 0.5, 100 when all is 0; 0 for values that make no number.
    static int Percent(double done, double all);

private:
    std::vector<DVPOData> m_rows;
    DVPOData m_total;
    PhaseTally m_sum;
};
