#include "document/DVOverviewFigures.h"

#include "document/CReqDoc.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using Tallies = std::array<PhaseTally, 4>;

// Every requirement counts in all four phases, also in phases the project switches off. The record's
// -1 means the project default; the record itself is left as it is.
void AddPhases(Tallies& own, const Requirement& requirement, const CReqDoc& doc) {
    for (int k = 0; k < 4; ++k) {
        const CDVDevelopmentStep& record = requirement.PhaseRecord(k);
        const CDVDevelopmentStep& fallback = doc.DefaultStep(k);
        const double cost = record.m_dCost == -1.0 ? fallback.m_dCost : record.m_dCost;
        const double duration = record.m_dDuration == -1.0 ? fallback.m_dDuration : record.m_dDuration;
        PhaseTally& tally = own[size_t(k)];
        tally.n += 1;
        tally.cost += cost;
        tally.duration += duration;
        if (record.IsDone()) {
            tally.nDone += 1;
            tally.costDone += cost;
            tally.durationDone += duration;
        }
    }
}

void MergeAnd(const DVPOData& source, DVPOData& target) {
    for (size_t k = 0; k < 4; ++k) {
        target.own[k] += source.own[k];
        target.own[k] += source.orPart[k];
    }
}

// Among Or-siblings the first verified alternative replaces the earlier ones and later verified ones
// add to it; while none is verified the largest value of each field counts.
void MergeOr(bool verified, DVPOData& accumulator, const DVPOData& alternative) {
    Tallies& part = accumulator.orPart;
    if (accumulator.bOrDone) {
        if (verified) {
            for (size_t k = 0; k < 4; ++k) {
                part[k] += alternative.own[k];
            }
        }
    } else if (part[0].n != 0 && !verified) {
        for (size_t k = 0; k < 4; ++k) {
            const PhaseTally& x = alternative.own[k];
            PhaseTally& s = part[k];
            s.n = std::max(s.n, x.n);
            s.cost = std::max(s.cost, x.cost);
            s.duration = std::max(s.duration, x.duration);
            s.nDone = std::max(s.nDone, x.nDone);
            s.costDone = std::max(s.costDone, x.costDone);
            s.durationDone = std::max(s.durationDone, x.durationDone);
        }
    } else {
        accumulator.bOrDone = verified;
        part = alternative.own;
    }
}

// Merges the descendants that follow the top-level requirement at position in the list into row and
// returns the position after them. A frame per open parent instead of recursion, so that no depth of
// the tree exhausts the call stack.
int MergeDescendants(const CReqDoc& doc, int position, DVPOData& row) {
    struct Frame {
        const Requirement* owner;  // the requirement whose children this frame merges
        DVPOData element;
        DVPOData accumulator;
    };
    const auto& list = doc.m_requirements;
    std::vector<Frame> frames;
    frames.push_back(Frame{list.at(position), {}, {}});
    ++position;
    while (!frames.empty()) {
        if (position < list.size() && list.at(position)->m_nParentId == frames.back().owner->m_nId) {
            frames.push_back(Frame{list.at(position), {}, {}});
            ++position;
            continue;
        }
        Frame done = std::move(frames.back());
        frames.pop_back();
        MergeAnd(done.accumulator, done.element);
        if (frames.empty()) {
            MergeAnd(done.element, row);
            break;
        }
        const Requirement& child = *done.owner;
        AddPhases(done.element.own, child, doc);
        DVPOData& siblings = frames.back().accumulator;
        switch (child.m_nLinkage) {
            case Requirement::And:
                MergeAnd(done.element, siblings);
                break;
            case Requirement::Or:
                MergeOr(child.m_verification.IsDone(), siblings, done.element);
                break;
            default:
                break;  // Ignore adds nothing
        }
    }
    return position;
}

}  // namespace

void DVOverviewFigures::Compute(const CReqDoc& doc) {
    m_rows.clear();
    m_total = DVPOData();
    const auto& list = doc.m_requirements;
    int position = 0;
    while (position < list.size()) {
        const Requirement& requirement = *list.at(position);
        if (requirement.m_nParentId != 0) {
            ++position;
            continue;
        }
        DVPOData row;
        row.strName = requirement.m_strTitle;
        AddPhases(row.own, requirement, doc);
        position = MergeDescendants(doc, position, row);
        if (requirement.m_nLinkage != Requirement::Ignore) {
            MergeAnd(row, m_total);
            m_rows.push_back(std::move(row));
        }
    }
    ComputeSum(doc.m_nOverviewApprImpl, doc.m_nOverviewVerValid);
}

void DVOverviewFigures::ComputeSum(int apprImpl, int verValid) {
    const Tallies& total = m_total.own;
    m_sum = PhaseTally();
    if (apprImpl == 1 || apprImpl == 3 || apprImpl == 4) {
        m_sum += total[0];
    }
    if (apprImpl >= 2 && apprImpl <= 4) {
        m_sum += total[1];
    }
    if (apprImpl == 3 || apprImpl == 4) {
        m_sum.nDone = total[1].nDone;
    }
    if (verValid == 1 || verValid == 3 || verValid == 4) {
        m_sum += total[2];
        m_sum.nDone = total[2].nDone;
    }
    if (verValid >= 2 && verValid <= 4) {
        m_sum += total[3];
        m_sum.nDone = total[3].nDone;
    }
    m_sum.n = total[0].n;
}

int DVOverviewFigures::Percent(double done, double all) {
    if (all == 0.0) {
        return 100;
    }
    const double percent = std::trunc(done * 100.0 / all + 0.5);
    if (!std::isfinite(percent)) {
        return 0;
    }
    return int(std::clamp(percent, double(std::numeric_limits<int>::min()),
                          double(std::numeric_limits<int>::max())));
}
