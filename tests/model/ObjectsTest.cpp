#include "document/CReqDoc.h"
#include "model/StringIds.h"
#include "support/DVTestSupport.h"

#include <gtest/gtest.h>

namespace {

bool Set(CDVData& object, CReqDoc& doc, const char* text, int field, bool* handledOut = nullptr) {
    bool handled = false;
    const bool changed = object.SetFieldText(QString::fromUtf8(text), field, handled, &doc);
    if (handledOut != nullptr) {
        *handledOut = handled;
    }
    return changed;
}

TEST(Objects, ConstructorDefaultsAndImages) {
    EXPECT_EQ(Requirement(5).m_strTitle, QStringLiteral("New Requirement"));
    EXPECT_EQ(CActor(5).m_strTitle, QStringLiteral("New Actor"));
    EXPECT_EQ(CUseCase(5).m_strTitle, QStringLiteral("New Use-Case"));
    EXPECT_EQ(CStep(5).m_strTitle, QStringLiteral("New Step"));
    EXPECT_TRUE(CFunction().m_strTitle.isEmpty());
    Requirement folder;
    folder.m_nType = Requirement::Folder;
    CActor actorFolder;
    actorFolder.m_nKind = CActor::KindFolder;
    CActor actor;
    actor.m_nKind = 7;
    CUseCase useCaseFolder;
    useCaseFolder.m_nKind = CUseCase::KindFolder;
    CStep gotoStep;
    gotoStep.m_nType = CStep::Goto;
    EXPECT_EQ(folder.GetImageIndex(), 3);
    EXPECT_EQ(actorFolder.GetImageIndex(), 3);
    EXPECT_EQ(actor.GetImageIndex(), 9);
    EXPECT_EQ(useCaseFolder.GetImageIndex(), 3);
    EXPECT_EQ(CUseCase().GetImageIndex(), 10);
    EXPECT_EQ(gotoStep.GetImageIndex(), 18);
    EXPECT_EQ(CFunction().GetImageIndex(), 0);
}

TEST(Objects, BaseFieldsReportOnlyRealChanges) {
    CReqDoc doc;
    Requirement r(1);
    EXPECT_FALSE(Set(r, doc, "New Requirement", FIELD_TITLE));
    EXPECT_TRUE(Set(r, doc, "Brew", FIELD_TITLE_COLUMN));
    EXPECT_TRUE(Set(r, doc, "Text", FIELD_DESCRIPTION));
    EXPECT_TRUE(Set(r, doc, "Note", FIELD_COMMENT));
    EXPECT_FALSE(Set(r, doc, "Note", FIELD_COMMENT));
    EXPECT_TRUE(Set(r, doc, "ignored", FIELD_ID));  // read-only fields report a change and store nothing
    EXPECT_EQ(r.m_nId, 1);
    bool handled = true;
    EXPECT_FALSE(Set(r, doc, "x", FIELD_STEP_NUMBER, &handled));
    EXPECT_FALSE(handled);
}

TEST(Requirement, LinkageAndTypeChoices) {
    CReqDoc doc;
    Requirement r(1);
    EXPECT_TRUE(Set(r, doc, "Or", FIELD_LINKAGE));
    EXPECT_EQ(r.m_nLinkage, Requirement::Or);
    EXPECT_FALSE(Set(r, doc, "Or", FIELD_LINKAGE_TEXT));
    EXPECT_FALSE(Set(r, doc, "or", FIELD_LINKAGE));
    EXPECT_FALSE(Set(r, doc, "Xor", FIELD_LINKAGE));
    EXPECT_EQ(r.m_nLinkage, Requirement::Or);
    EXPECT_TRUE(Set(r, doc, "Quality", FIELD_REQUIREMENT_TYPE));
    EXPECT_EQ(r.m_nType, Requirement::Quality);
    doc.m_userValueNames.push_back({509, QStringLiteral("Performance")});
    EXPECT_FALSE(Set(r, doc, "Quality", FIELD_REQUIREMENT_TYPE));
    EXPECT_TRUE(Set(r, doc, "Folder", FIELD_REQUIREMENT_TYPE));
    EXPECT_TRUE(Set(r, doc, "Performance", FIELD_REQUIREMENT_TYPE));
}

TEST(Requirement, CopyKeepsEverythingButTheIdentifier) {
    Requirement source(3);
    source.m_nType = Requirement::Constraint;
    source.m_nLinkage = Requirement::Ignore;
    source.m_approval.m_nState = CDVDevelopmentStep::Done;
    source.m_createdUseCases = {4, 9};
    source.m_derivedFromRequirements = {1};
    source.AddParameterValue(2).m_strText = QStringLiteral("v");
    const Requirement copy(8, source);
    EXPECT_EQ(copy.m_nId, 8);
    EXPECT_EQ(copy.m_nType, Requirement::Constraint);
    EXPECT_EQ(copy.m_nLinkage, Requirement::Ignore);
    EXPECT_TRUE(copy.m_approval.IsDone());
    EXPECT_EQ(copy.m_approval.m_nPhase, CDVDevelopmentStep::Approval);
    EXPECT_EQ(copy.m_verification.m_nPhase, CDVDevelopmentStep::Verification);
    EXPECT_EQ(copy.m_createdUseCases, source.m_createdUseCases);
    EXPECT_EQ(copy.m_derivedFromRequirements, source.m_derivedFromRequirements);
    ASSERT_TRUE(copy.FindParameterValue(2) != nullptr);
    EXPECT_EQ(copy.FindParameterValue(2)->m_strText, QStringLiteral("v"));
    EXPECT_FALSE(CUseCase(1, CUseCase(2)).m_pParameterValues.has_value());
}

TEST(Requirement, FormatIdListSkipsMissingObjects) {
    CReqDoc doc;
    doc.CreateDefaultContent();
    Requirement* r = doc.m_requirements.at(0);
    r->m_createdUseCases = {1, 77};
    r->m_createdRequirements = {2, 3};
    EXPECT_EQ(FormatIdList(&doc, r->m_createdUseCases, true), QStringLiteral("Use Cases(1)"));
    EXPECT_EQ(FormatIdList(&doc, r->m_createdRequirements, false),
              QStringLiteral("Business Requirements(2), Features(3)"));
    EXPECT_TRUE(FormatIdList(&doc, {}, false).isEmpty());
    doc.m_requirements.at(1)->m_strTitle = QStringLiteral("100%2 %1");
    EXPECT_EQ(FormatIdList(&doc, {2}, false), QStringLiteral("100%2 %1(2)"));
}

TEST(CActor, CopyIssuesFunctionAndParameterIdentifiers) {
    CReqDoc doc;
    doc.m_nLastFunctionId = 7;
    doc.m_nLastActorParameterId = 3;
    CActor source(1);
    for (int id : {2, 5}) {
        auto f = std::make_unique<CFunction>();
        f->m_nId = id;
        f->m_strTitle = QStringLiteral("f%1").arg(id);
        source.m_functions.push_back(std::move(f));
    }
    auto p = std::make_unique<DVParameter>();
    p->m_nId = 1;
    source.m_actorParameters.push_back(std::move(p));
    const auto copy = doc.CopyActor(source);
    ASSERT_EQ(copy->m_functions.size(), 2u);
    EXPECT_EQ(copy->m_functions[0]->m_nId, 8);
    EXPECT_EQ(copy->m_functions[1]->m_nId, 9);
    EXPECT_EQ(copy->m_functions[1]->m_strTitle, QStringLiteral("f5"));
    EXPECT_EQ(copy->m_actorParameters.at(0)->m_nId, 4);
    EXPECT_EQ(source.m_functions[0]->m_nId, 2);
    EXPECT_EQ(doc.m_nLastFunctionId, 9);
    EXPECT_EQ(doc.m_nLastActorParameterId, 4);
}

TEST(CActor, Texts) {
    CReqDoc doc;
    CActor actor(1);
    EXPECT_TRUE(actor.FunctionsText().isEmpty());
    auto f = std::make_unique<CFunction>();
    f->m_strTitle = QStringLiteral("Brew");
    EXPECT_EQ(f->FunctionText(), QStringLiteral(" = Brew(  )"));
    f->m_strParameters = QStringLiteral("int cups");
    f->m_strReturnValue = QStringLiteral("bool");
    actor.m_functions.push_back(std::move(f));
    actor.m_functions.push_back(std::make_unique<CFunction>());
    EXPECT_EQ(actor.FunctionsText(), QStringLiteral("bool = Brew( int cups ),  = (  )"));
    for (int type : {0, 1, 2, 5}) {
        auto p = std::make_unique<DVParameter>();
        p->m_strName = QStringLiteral("P%1").arg(type);
        p->m_nType = type;
        actor.m_actorParameters.push_back(std::move(p));
    }
    EXPECT_EQ(actor.ParameterText(&doc), QStringLiteral("P0 (Text), P1 (Number), P2 (List), P5 (Error)"));
    bool handled = false;
    EXPECT_TRUE(actor.SetFieldText(QString(), FIELD_ACTOR_FUNCTIONS, handled, &doc));
    EXPECT_TRUE(handled);
}

class StepTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.CreateDefaultContent();
        auto actor = doc.NewActor();
        actor->m_strTitle = QStringLiteral("Operator");
        auto f = std::make_unique<CFunction>();
        f->m_nId = ++doc.m_nLastFunctionId;
        f->m_strTitle = QStringLiteral("Start");
        actor->m_functions.push_back(std::move(f));
        for (const char* name : {"Temp", "Size"}) {
            auto p = std::make_unique<DVParameter>();
            p->m_nId = ++doc.m_nLastActorParameterId;
            p->m_strName = QString::fromLatin1(name);
            p->m_nType = DVParameter::TypeNumber;
            actor->m_actorParameters.push_back(std::move(p));
        }
        operatorActor = doc.m_actors.Append(std::move(actor));
    }
    static DVParameterValue Value(int id, double number) {
        DVParameterValue v;
        v.m_nParameterId = id;
        v.m_dNumber = number;
        return v;
    }
    CReqDoc doc;
    CActor* operatorActor = nullptr;
};

TEST_F(StepTest, CellTexts) {
    CStep step(1);
    step.m_nActorId = operatorActor->m_nId;
    step.m_actsOn = {1, 99, static_cast<quint32>(operatorActor->m_nId)};
    step.m_callingFunctions = {1, 42};
    step.m_inputValues = {Value(1, 90), Value(77, 1), Value(2, 0.5)};
    EXPECT_EQ(step.ActorText(&doc), QStringLiteral("Operator"));
    EXPECT_EQ(step.ActsOnText(&doc), QStringLiteral("Actors, Operator"));
    EXPECT_EQ(step.CallingFunctionsText(&doc), QStringLiteral(" = Start(  )"));
    EXPECT_EQ(CStep::ValuesText(&doc, step.m_inputValues), QStringLiteral("Temp = 90, Size = 0.5"));
    step.m_nActorId = 99;
    EXPECT_TRUE(step.ActorText(&doc).isEmpty());
}

TEST_F(StepTest, EqualityComparesStepFieldsOnly) {
    CStep a(1);
    a.m_inputValues = {Value(1, 1), Value(2, 2)};
    CStep b(a);
    b.m_strTitle = QStringLiteral("Other title");
    b.m_strComment = QStringLiteral("c");
    EXPECT_TRUE(a.IsEqual(b, &doc));
    b.m_inputValues = {Value(2, 2), Value(1, 1)};
    EXPECT_FALSE(a.IsEqual(b, &doc));
    b.m_inputValues = a.m_inputValues;
    b.m_inputValues[0].m_strText = QStringLiteral("not shown for a number");
    EXPECT_TRUE(a.IsEqual(b, &doc));
    b.m_pendingRemovals = {3};
    EXPECT_FALSE(a.IsEqual(b, &doc));
    // A value whose definition is unknown never equals anything.
    CStep c(1), d(1);
    c.m_outputValues = d.m_outputValues = {Value(50, 1)};
    EXPECT_FALSE(c.IsEqual(d, &doc));
}

TEST_F(StepTest, SetFieldTextOfSteps) {
    CStep step(1);
    EXPECT_TRUE(Set(step, doc, "2 s", FIELD_TIME_REQUIREMENT));
    EXPECT_FALSE(Set(step, doc, "2 s", FIELD_TIME_REQUIREMENT));
    EXPECT_TRUE(Set(step, doc, "x", FIELD_STEP_REQUIREMENTS));
    EXPECT_TRUE(step.m_stepRequirements.empty());
    bool handled = true;
    EXPECT_FALSE(Set(step, doc, "x", FIELD_APPROVED, &handled));
    EXPECT_FALSE(handled);
}

TEST_F(StepTest, UseCaseCopyKeepsStepIdentifiers) {
    CUseCase source(4);
    source.m_nLastStepId = 2;
    source.m_steps.Append(doc.NewStep(source));
    source.m_steps.Append(doc.NewStep(source));
    source.m_steps.at(1)->m_nParentId = 1;
    const auto copy = doc.CopyUseCase(source);
    ASSERT_EQ(copy->m_steps.size(), 2);
    EXPECT_EQ(copy->m_steps.at(0)->m_nId, 3);
    EXPECT_EQ(copy->m_steps.at(1)->m_nId, 4);
    EXPECT_EQ(copy->m_steps.at(1)->m_nParentId, 1);
    EXPECT_EQ(copy->m_nLastStepId, 4);
    EXPECT_EQ(doc.NewStep(*copy)->m_nId, 5);
    EXPECT_NE(copy->m_steps.at(0), source.m_steps.at(0));
    EXPECT_EQ(copy->m_steps.FindById(4), copy->m_steps.at(1));
}

}  // namespace
