// Lookups and phase rules on a generated project of 100,000 requirements in a tree of depth 6, each
// derived from two others: a requirement from its parent and grandparent (or, at the top, from the two
// source requirements at the end of the list), so that a withdrawal cascades through its own branch.
#include "document/CReqDoc.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kBranching = 7;  // 1 + 7 + ... + 7^5 = 19,608 requirements per top-level branch
constexpr int kDepth = 6;
constexpr int kBranches = 5;
constexpr int kWideChildren = 1000;
constexpr int kTotal = 100000;

struct Project {
    CReqDoc doc;
    Requirement* firstTop = nullptr;
    Requirement* deepestLeaf = nullptr;
    Requirement* wideParent = nullptr;
    std::vector<Requirement*> firstBranch;

    static constexpr qint32 kSourceA = kTotal - 1;
    static constexpr qint32 kSourceB = kTotal;

    Requirement* Add(qint32 parentId) {
        auto r = doc.NewRequirement();
        r->m_nParentId = parentId;
        Requirement* added = doc.m_requirements.Append(std::move(r));
        const Requirement* parent = doc.FindRequirement(parentId);
        const qint32 first = parent != nullptr ? parentId : kSourceA;
        const qint32 second = parent != nullptr && parent->m_nParentId != 0 ? parent->m_nParentId : kSourceB;
        added->m_derivedFromRequirements = {static_cast<quint32>(first), static_cast<quint32>(second)};
        return added;
    }

    // The partner side of every link, once all requirements exist.
    void LinkPartners() {
        for (const Requirement* r : doc.m_requirements) {
            for (quint32 source : r->m_derivedFromRequirements) {
                if (Requirement* s = doc.FindRequirement(static_cast<qint32>(source))) {
                    s->m_createdRequirements.push_back(static_cast<quint32>(r->m_nId));
                }
            }
        }
    }

    void Branch(qint32 parentId, int level, std::vector<Requirement*>* members) {
        Requirement* r = Add(parentId);
        if (members != nullptr) {
            members->push_back(r);
        }
        if (level == kDepth) {
            deepestLeaf = r;
            return;
        }
        for (int i = 0; i < kBranching; ++i) {
            Branch(r->m_nId, level + 1, members);
        }
    }

    Project() {
        doc.m_bImplementationPhase = false;
        for (int b = 0; b < kBranches; ++b) {
            Branch(0, 1, b == 0 ? &firstBranch : nullptr);
        }
        firstTop = firstBranch.front();
        wideParent = Add(0);
        for (int i = 0; i < kWideChildren; ++i) {
            Add(wideParent->m_nId);
        }
        while (doc.m_requirements.size() < kTotal) {
            Add(0);
        }
        LinkPartners();
        for (Requirement* r : doc.m_requirements) {
            r->m_approval.m_nState = CDVDevelopmentStep::Done;
            r->m_verification.m_nState = CDVDevelopmentStep::Done;
        }
    }
};

Project& SharedProject() {
    static Project project;
    return project;
}

void BM_FindRequirement(benchmark::State& state) {
    Project& p = SharedProject();
    std::mt19937 random(7);
    std::uniform_int_distribution<qint32> ids(1, kTotal);
    for (auto _ : state) {
        benchmark::DoNotOptimize(p.doc.FindRequirement(ids(random)));
    }
}
BENCHMARK(BM_FindRequirement);

void BM_ApproveDeepestLeaf(benchmark::State& state) {
    Project& p = SharedProject();
    for (auto _ : state) {
        bool ok = false;
        p.deepestLeaf->Approve(true, &p.doc, false, ok, false);
        if (!ok) {
            state.SkipWithError("approval refused");
        }
    }
}
BENCHMARK(BM_ApproveDeepestLeaf)->Unit(benchmark::kMicrosecond);

void BM_VerifyParentOf1000Children(benchmark::State& state) {
    Project& p = SharedProject();
    for (auto _ : state) {
        bool ok = false;
        p.wideParent->Verify(true, &p.doc, false, ok, false);
        if (!ok) {
            state.SkipWithError("verification refused");
        }
    }
}
BENCHMARK(BM_VerifyParentOf1000Children)->Unit(benchmark::kMicrosecond);

void BM_WithdrawTopLevelApproval(benchmark::State& state) {
    Project& p = SharedProject();
    qsizetype noticeLength = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (Requirement* r : p.doc.m_requirements) {
            r->m_approval.m_nState = CDVDevelopmentStep::Done;
            r->m_verification.m_nState = CDVDevelopmentStep::Done;
        }
        state.ResumeTiming();
        bool ok = false;
        noticeLength = p.firstTop->Approve(false, &p.doc, false, ok, false).size();
    }
    state.counters["branch"] = static_cast<double>(p.firstBranch.size());
    state.counters["notice_chars"] = static_cast<double>(noticeLength);
}
BENCHMARK(BM_WithdrawTopLevelApproval)->Unit(benchmark::kMillisecond);

}  // namespace
