#include "document/CReqDoc.h"
#include "document/DVOverviewFigures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A project whose requirements are appended in tree order; every phase costs 1 and lasts 1 unless a
// test says otherwise, so that counts and sums are easy to read.
class Project {
public:
    Project() {
        for (CDVDevelopmentStep* step : {&doc.m_stepApproval, &doc.m_stepImplementation,
                                         &doc.m_stepVerification, &doc.m_stepValidation}) {
            step->m_dCost = 1.0;
            step->m_dDuration = 1.0;
        }
    }
    Requirement* Add(qint32 parentId, int linkage = Requirement::And, bool verified = false) {
        Requirement* requirement = doc.m_requirements.Append(doc.NewRequirement());
        requirement->m_strTitle = QStringLiteral("R%1").arg(requirement->m_nId);
        requirement->m_nParentId = parentId;
        requirement->m_nLinkage = linkage;
        if (verified)
            requirement->m_verification.m_nState = CDVDevelopmentStep::Done;
        return requirement;
    }
    DVOverviewFigures Compute() {
        DVOverviewFigures figures;
        figures.Compute(doc);
        return figures;
    }
    CReqDoc doc;
};

PhaseTally Tally(qint32 n, double cost, double duration, qint32 nDone, double costDone, double durationDone) {
    return PhaseTally{n, cost, duration, nDone, costDone, durationDone};
}

TEST(OverviewFigures, DefaultFoldersGiveFourEmptyRows) {
    CReqDoc doc;
    doc.CreateDefaultContent();
    DVOverviewFigures figures;
    figures.Compute(doc);
    ASSERT_EQ(figures.Rows().size(), 4u);
    EXPECT_EQ(figures.Rows()[1].strName, QStringLiteral("Business Requirements"));
    EXPECT_EQ(figures.Rows()[0].own[0], Tally(1, 1.0, 0.5, 0, 0, 0));
    EXPECT_EQ(figures.Rows()[0].own[1], Tally(1, 8.0, 5.0, 0, 0, 0));
    EXPECT_EQ(figures.Total().own[2], Tally(4, 12.0, 8.0, 0, 0, 0));
    // The default options show both phases of both groups.
    EXPECT_EQ(figures.Sum(), Tally(4, 4 * (1.0 + 8.0 + 3.0 + 1.0), 4 * (0.5 + 5.0 + 2.0 + 0.5), 0, 0, 0));
    EXPECT_EQ(DVOverviewFigures::Percent(figures.Rows()[0].own[0].nDone, figures.Rows()[0].own[0].n), 0);
    // Computing leaves the records' "project default" marks alone.
    EXPECT_EQ(doc.m_requirements.at(0)->m_approval.m_dCost, -1.0);
}

TEST(OverviewFigures, AndChildrenCountWithTheirParent) {
    Project p;
    const Requirement* top = p.Add(0);
    p.Add(top->m_nId);
    p.Add(top->m_nId, Requirement::And, true);
    const Requirement* third = p.Add(top->m_nId);
    p.Add(third->m_nId, Requirement::And, true);  // a grandchild counts too
    const DVOverviewFigures figures = p.Compute();
    ASSERT_EQ(figures.Rows().size(), 1u);
    EXPECT_EQ(figures.Rows()[0].own[2], Tally(5, 5, 5, 2, 2, 2));
    EXPECT_EQ(figures.Total().own[2], figures.Rows()[0].own[2]);
}

// Or-alternatives: while none is verified the largest value of each field counts; the first verified
// one replaces the earlier ones, later verified ones add to it, later unverified ones add nothing.
TEST(OverviewFigures, OrAlternatives) {
    {
        Project p;
        const Requirement* top = p.Add(0);
        p.Add(top->m_nId, Requirement::Or)->m_approval.m_dCost = 2.0;
        p.Add(top->m_nId, Requirement::Or)->m_approval.m_dCost = 5.0;
        EXPECT_EQ(p.Compute().Rows()[0].own[0], Tally(2, 6, 2, 0, 0, 0));
    }
    {
        Project p;
        const Requirement* top = p.Add(0);
        p.Add(top->m_nId, Requirement::Or)->m_verification.m_dCost = 7.0;
        p.Add(top->m_nId, Requirement::Or, true)->m_verification.m_dCost = 3.0;
        p.Add(top->m_nId, Requirement::Or)->m_verification.m_dCost = 9.0;
        EXPECT_EQ(p.Compute().Rows()[0].own[2], Tally(2, 4, 2, 1, 3, 1));
    }
    {
        Project p;
        const Requirement* top = p.Add(0);
        p.Add(top->m_nId, Requirement::Or, true);
        p.Add(top->m_nId, Requirement::Or);
        p.Add(top->m_nId, Requirement::Or, true);
        p.Add(top->m_nId, Requirement::And);
        EXPECT_EQ(p.Compute().Rows()[0].own[2], Tally(4, 4, 4, 2, 2, 2));
    }
}

TEST(OverviewFigures, IgnoreAddsNothing) {
    Project p;
    const Requirement* top = p.Add(0);
    const Requirement* ignored = p.Add(top->m_nId, Requirement::Ignore, true);
    p.Add(ignored->m_nId, Requirement::And, true);  // its own children go with it
    p.Add(0, Requirement::Ignore);
    p.Add(0);
    const DVOverviewFigures figures = p.Compute();
    ASSERT_EQ(figures.Rows().size(), 2u);
    EXPECT_EQ(figures.Rows()[0].own[2], Tally(1, 1, 1, 0, 0, 0));
    EXPECT_EQ(figures.Rows()[1].strName, QStringLiteral("R5"));
    EXPECT_EQ(figures.Total().own[0].n, 2);
}

TEST(OverviewFigures, CostsAndDurationsFallBackToTheProjectDefaults) {
    Project p;
    p.doc.m_stepImplementation.m_dCost = 40.0;
    p.doc.m_stepImplementation.m_dDuration = 4.0;
    p.doc.m_bImplementationPhase = false;  // switched off, still counted
    p.doc.m_bValidationPhase = false;
    Requirement* top = p.Add(0);
    top->m_implementation.m_nState = CDVDevelopmentStep::Done;
    Requirement* child = p.Add(top->m_nId);
    child->m_implementation.m_dCost = 2.5;
    child->m_implementation.m_dDuration = 0.0;
    const DVOverviewFigures figures = p.Compute();
    EXPECT_EQ(figures.Rows()[0].own[1], Tally(2, 42.5, 4.0, 1, 40.0, 4.0));
    EXPECT_EQ(figures.Rows()[0].own[3].n, 2);
    EXPECT_EQ(top->m_implementation.m_dCost, -1.0);
}

// The sum of totals by the two option values: cost and duration over every shown phase, the count
// done of the last shown phase, the count of approvals.
TEST(OverviewFigures, SumOfTotals) {
    Project p;
    Requirement* top = p.Add(0);
    top->m_approval.m_nState = CDVDevelopmentStep::Done;
    Requirement* child = p.Add(top->m_nId);
    child->m_approval.m_nState = child->m_implementation.m_nState = CDVDevelopmentStep::Done;
    child->m_verification.m_nState = CDVDevelopmentStep::Done;
    DVOverviewFigures figures = p.Compute();
    struct Case {
        int apprImpl, verValid;
        PhaseTally sum;
    };
    for (const Case& c : std::vector<Case>{{0, 0, Tally(2, 0, 0, 0, 0, 0)},
                                           {1, 0, Tally(2, 2, 2, 2, 2, 2)},
                                           {2, 0, Tally(2, 2, 2, 1, 1, 1)},
                                           {3, 0, Tally(2, 4, 4, 1, 3, 3)},
                                           {4, 0, Tally(2, 4, 4, 1, 3, 3)},
                                           {0, 1, Tally(2, 2, 2, 1, 1, 1)},
                                           {1, 2, Tally(2, 4, 4, 0, 2, 2)},
                                           {3, 3, Tally(2, 8, 8, 0, 4, 4)},
                                           {4, 4, Tally(2, 8, 8, 0, 4, 4)},
                                           {5, 7, Tally(2, 0, 0, 0, 0, 0)}}) {
        SCOPED_TRACE(testing::Message() << c.apprImpl << "/" << c.verValid);
        figures.ComputeSum(c.apprImpl, c.verValid);
        EXPECT_EQ(figures.Sum(), c.sum);
    }
}

TEST(OverviewFigures, Percentages) {
    EXPECT_EQ(DVOverviewFigures::Percent(1, 4), 25);
    EXPECT_EQ(DVOverviewFigures::Percent(2, 3), 67);
    EXPECT_EQ(DVOverviewFigures::Percent(1, 8), 13);
    EXPECT_EQ(DVOverviewFigures::Percent(0, 0), 100);
    EXPECT_EQ(DVOverviewFigures::Percent(3, 0), 100);
    EXPECT_EQ(DVOverviewFigures::Percent(std::nan(""), 2), 0);
    EXPECT_EQ(DVOverviewFigures::Percent(1e300, 1e-300), 0);
    EXPECT_EQ(DVOverviewFigures::Percent(1e12, 1), std::numeric_limits<int>::max());
}

// Children that are not where the tree order puts them are left out, and no depth of nesting
// exhausts the stack.
TEST(OverviewFigures, DeepAndMisplacedTrees) {
    Project p;
    qint32 parent = 0;
    for (int i = 0; i < 50000; ++i)
        parent = p.Add(parent)->m_nId;
    p.Add(0);
    p.Add(parent + 5);  // names a parent that does not exist
    const DVOverviewFigures figures = p.Compute();
    ASSERT_EQ(figures.Rows().size(), 2u);
    EXPECT_EQ(figures.Rows()[0].own[0].n, 50000);
    EXPECT_EQ(figures.Rows()[1].own[0].n, 1);
}

}  // namespace
