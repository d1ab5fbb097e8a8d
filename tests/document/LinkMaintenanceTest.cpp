#include "document/CReqDoc.h"
#include "support/DVTestSupport.h"

#include <gtest/gtest.h>

namespace {

class LinkMaintenanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.CreateDefaultContent();
        for (int i = 0; i < 3; ++i) {
            doc.m_requirements.Append(doc.NewRequirement());  // 5, 6, 7
        }
        useCase = doc.FindUseCase(1);
        for (int i = 0; i < 2; ++i) {
            CStep* step = useCase->m_steps.Append(doc.NewStep(*useCase));
            step->m_stepRequirements = {5, 6, 5};
        }
    }
    Requirement* R(qint32 id) { return doc.FindRequirement(id); }
    static QString V(const CDVData* o) { return FormatVersion(o->m_version); }

    FixedClock clock{42};
    CReqDoc doc;
    CUseCase* useCase = nullptr;
};

TEST_F(LinkMaintenanceTest, RequirementLinksKeepAscendingOrderOneSideAtATime) {
    doc.AddRequirementLink(7, 5, true);
    doc.AddRequirementLink(6, 5, true);
    doc.AddRequirementLink(6, 5, true);  // duplicates are not checked
    EXPECT_EQ(R(5)->m_createdRequirements, (DVIdArray{6, 6, 7}));
    EXPECT_TRUE(R(6)->m_derivedFromRequirements.empty());
    EXPECT_EQ(V(R(5)), QStringLiteral("1.0.3"));
    doc.AddRequirementLink(6, 5, false);
    EXPECT_EQ(R(6)->m_derivedFromRequirements, DVIdArray{5});
    doc.RemoveRequirementLink(6, 5, true);
    EXPECT_EQ(R(5)->m_createdRequirements, (DVIdArray{6, 7}));
    doc.RemoveRequirementLink(4, 7, true);  // not listed: still marked
    EXPECT_EQ(V(R(7)), QStringLiteral("1.0.1"));
    EXPECT_EQ(R(7)->m_timeModified, 42);
    doc.AddRequirementLink(99, 5, true);  // missing partner: nothing happens
    EXPECT_EQ(R(5)->m_createdRequirements, (DVIdArray{6, 7}));
}

TEST_F(LinkMaintenanceTest, UseCasesOfRequirements) {
    doc.AddUseCaseOfRequirement(1, 5, true);
    doc.AddUseCaseOfRequirement(1, 5, false);
    EXPECT_EQ(R(5)->m_createdUseCases, DVIdArray{1});
    EXPECT_EQ(useCase->m_derivedFromRequirements, DVIdArray{5});
    doc.RemoveUseCaseOfRequirement(1, 5, false);
    EXPECT_TRUE(useCase->m_derivedFromRequirements.empty());
    EXPECT_EQ(R(5)->m_createdUseCases, DVIdArray{1});
}

TEST_F(LinkMaintenanceTest, RequirementsOfUseCases) {
    EXPECT_TRUE(doc.AddRequirementOfUseCase(1, 6, true, false));
    EXPECT_FALSE(doc.AddRequirementOfUseCase(1, 6, true, false));
    EXPECT_TRUE(R(6)->m_derivedFromUseCases.empty());
    EXPECT_TRUE(doc.AddRequirementOfUseCase(1, 6, false, true));
    EXPECT_EQ(R(6)->m_derivedFromUseCases, DVIdArray{1});
    EXPECT_FALSE(doc.AddRequirementOfUseCase(1, 6, true, true));
    EXPECT_EQ(useCase->m_createdRequirements, DVIdArray{6});
    EXPECT_EQ(V(useCase), QStringLiteral("1.0.1"));

    // The use-case side alone also takes the requirement off the steps (first occurrence per step).
    doc.AddRequirementOfUseCase(1, 5, true, true);
    doc.RemoveRequirementOfUseCase(1, 5, true, false);
    EXPECT_EQ(useCase->m_createdRequirements, DVIdArray{6});
    EXPECT_EQ(R(5)->m_derivedFromUseCases, DVIdArray{1});
    for (const CStep* step : useCase->m_steps) {
        EXPECT_EQ(step->m_stepRequirements, (DVIdArray{6, 5}));
        EXPECT_EQ(V(step), QStringLiteral("1.0.1"));
    }
    doc.RemoveRequirementOfUseCase(1, 5, false, false);
    EXPECT_TRUE(R(5)->m_derivedFromUseCases.empty());
    for (const CStep* step : useCase->m_steps) {
        EXPECT_EQ(step->m_stepRequirements, DVIdArray{6});
    }
    doc.RemoveRequirementOfUseCase(1, 6, true, true);
    EXPECT_TRUE(useCase->m_createdRequirements.empty());
    EXPECT_TRUE(R(6)->m_derivedFromUseCases.empty());
    for (const CStep* step : useCase->m_steps) {
        EXPECT_TRUE(step->m_stepRequirements.empty());
    }
}

}  // namespace
