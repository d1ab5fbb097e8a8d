#include "document/CReqDoc.h"
#include "model/StringIds.h"
#include "support/DVTestSupport.h"

#include <gtest/gtest.h>

namespace {

const QString kApprovalNotice = QStringLiteral(
    "Please note, that approvals and verifications of following\nRequirements and Use-Cases will also be "
    "removed:\n\n");
const QString kVerificationNotice = QStringLiteral(
    "Please note, that verifications of following\nRequirements and Use-Cases will also be removed:\n\n");

class PhaseRulesTest : public ::testing::Test {
protected:
    // Requirements are appended in tree pre-order by the caller.
    Requirement* Add(const char* title, qint32 parentId = 0, int linkage = Requirement::And) {
        auto r = doc.NewRequirement();
        r->m_strTitle = QString::fromLatin1(title);
        r->m_nParentId = parentId;
        r->m_nLinkage = linkage;
        return doc.m_requirements.Append(std::move(r));
    }
    CUseCase* AddUseCase(const char* title) {
        auto u = doc.NewUseCase();
        u->m_strTitle = QString::fromLatin1(title);
        return doc.m_useCases.Append(std::move(u));
    }
    bool Approve(CDVVerificationData* o, bool bDo = true, bool checkOnly = false) {
        bool ok = false;
        o->Approve(bDo, &doc, false, ok, checkOnly);
        return ok;
    }
    bool Verify(CDVVerificationData* o, bool bDo = true, bool checkOnly = false) {
        bool ok = false;
        o->Verify(bDo, &doc, false, ok, checkOnly);
        return ok;
    }
    bool Implement(CDVVerificationData* o, bool bDo = true) {
        bool ok = false;
        o->Implement(bDo, &doc, ok);
        return ok;
    }
    // Approves, implements and verifies.
    void Complete(CDVVerificationData* o) {
        ASSERT_TRUE(Approve(o));
        ASSERT_TRUE(Implement(o));
        ASSERT_TRUE(Verify(o));
    }
    bool SetCell(CDVVerificationData* o, int field, const char* text) {
        bool handled = false;
        const bool changed = o->SetFieldText(QString::fromLatin1(text), field, handled, &doc);
        EXPECT_TRUE(handled);
        return changed;
    }

    FixedClock clock{1000};
    MessageRecorder boxes;
    CReqDoc doc;
};

TEST_F(PhaseRulesTest, ApprovalFlowsDownTheTree) {
    Requirement* top = Add("Top");
    Requirement* child = Add("Child", top->m_nId);
    EXPECT_FALSE(Approve(child));
    EXPECT_EQ(child->m_approval.m_nState, CDVDevelopmentStep::Pending);
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral(
                               "\"Child\" cannot be approved now, because the parent \"Top\" has not been "
                               "approved so far.")});
    EXPECT_EQ(boxes.types[0], DV::MB_ICONEXCLAMATION | DV::MB_OK);
    EXPECT_TRUE(Approve(top));
    EXPECT_TRUE(Approve(child));
    EXPECT_EQ(child->m_approval.m_nState, CDVDevelopmentStep::Done);
    EXPECT_EQ(child->m_approval.m_timeLast, 1000);
    EXPECT_EQ(FormatVersion(child->m_approval.m_versionLast), QStringLiteral("1.0.1"));
}

TEST_F(PhaseRulesTest, DerivedFromSourcesMustBeApprovedUnlessIgnored) {
    Requirement* source = Add("Source");
    Requirement* derived = Add("Derived");
    derived->m_derivedFromRequirements = {static_cast<quint32>(source->m_nId)};
    EXPECT_FALSE(Approve(derived));
    EXPECT_EQ(boxes.texts.last(),
              QStringLiteral("\"Derived\" cannot be approved now, because it is derived from "
                             "Requirement \"Source\" which has not been approved so far."));
    source->m_nLinkage = Requirement::Ignore;
    EXPECT_TRUE(Approve(derived));

    CUseCase* useCase = AddUseCase("UC");
    Requirement* fromUseCase = Add("FromUC");
    fromUseCase->m_derivedFromUseCases = {static_cast<quint32>(useCase->m_nId)};
    EXPECT_FALSE(Approve(fromUseCase));
    EXPECT_EQ(boxes.texts.last(),
              QStringLiteral("\"FromUC\" cannot be approved now, because it is derived from "
                             "Use-Case \"UC\" which has not been approved so far."));
}

TEST_F(PhaseRulesTest, CheckOnlyRefusalLeavesTheStateAlone) {
    Requirement* top = Add("Top");
    Requirement* child = Add("Child", top->m_nId);
    child->m_approval.m_nState = CDVDevelopmentStep::OutOfDate;
    EXPECT_FALSE(Approve(child, true, true));
    EXPECT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(child->m_approval.m_nState, CDVDevelopmentStep::OutOfDate);
    EXPECT_TRUE(Approve(top, true, true));
    EXPECT_EQ(top->m_approval.m_nState, CDVDevelopmentStep::Pending);
}

// Confirming a done phase again when its rule now refuses it shows the refusal and keeps the phase
// done: dropping it without its cascade would leave implemented, verified or approved dependents
// behind a pending approval.
TEST_F(PhaseRulesTest, RefusedRerunKeepsTheDonePhase) {
    Requirement* source = Add("Source");
    Requirement* derived = Add("Derived");
    Requirement* child = Add("Child", derived->m_nId);
    ASSERT_TRUE(Approve(derived));
    ASSERT_TRUE(Implement(derived));
    ASSERT_TRUE(Approve(child));
    derived->m_derivedFromRequirements = {static_cast<quint32>(source->m_nId)};
    boxes.Clear();
    EXPECT_FALSE(Approve(derived));
    EXPECT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(derived->m_approval.IsDone());
    EXPECT_TRUE(derived->m_implementation.IsDone());
    EXPECT_TRUE(child->m_approval.IsDone());

    // The same for a verification whose AND child is no longer verified.
    Requirement* parent = Add("Parent");
    Requirement* andChild = Add("And child", parent->m_nId);
    for (Requirement* r : {parent, andChild})
        ASSERT_TRUE(Approve(r) && Implement(r));
    ASSERT_TRUE(Verify(andChild));
    ASSERT_TRUE(Verify(parent));
    andChild->m_verification.m_nState = CDVDevelopmentStep::Pending;
    EXPECT_FALSE(Verify(parent));
    EXPECT_TRUE(parent->m_verification.IsDone());
}

TEST_F(PhaseRulesTest, VerificationNeedsApprovalAndImplementationWhenThatPhaseIsOn) {
    Requirement* r = Add("R");
    EXPECT_FALSE(Verify(r));
    EXPECT_EQ(boxes.texts.last(), QStringLiteral("\"R\" cannot be verified before it has been approved!"));
    ASSERT_TRUE(Approve(r));
    EXPECT_FALSE(Verify(r));
    EXPECT_EQ(boxes.texts.last(), QStringLiteral("\"R\" cannot be verified before it has been implemented!"));
    doc.m_bImplementationPhase = false;
    EXPECT_TRUE(Verify(r));
}

TEST_F(PhaseRulesTest, OrAndAndChildren) {
    doc.m_bImplementationPhase = false;
    Requirement* parent = Add("P");
    Requirement* or1 = Add("Or1", parent->m_nId, Requirement::Or);
    Requirement* or2 = Add("Or2", parent->m_nId, Requirement::Or);
    Requirement* ignored = Add("Ign", parent->m_nId, Requirement::Ignore);
    for (Requirement* r : {parent, or1, or2, ignored}) {
        ASSERT_TRUE(Approve(r));
    }
    boxes.Clear();
    EXPECT_FALSE(Verify(parent));
    const QString orMessage = QStringLiteral(
        "The verification of \"P\" is not permitted,\nbecause no child with an \"OR\"-Linkage has been "
        "verified "
        "yet.\n");
    EXPECT_EQ(boxes.texts, QStringList{orMessage});
    ASSERT_TRUE(Verify(or2));
    EXPECT_TRUE(Verify(parent));

    // An unverified And-child after an unverified Or-child: two boxes.
    ASSERT_TRUE(Verify(or2, false));
    ASSERT_TRUE(Verify(parent, false));
    Requirement* andChild = Add("And", parent->m_nId, Requirement::And);
    ASSERT_TRUE(Approve(andChild));
    boxes.Clear();
    EXPECT_FALSE(Verify(parent));
    EXPECT_EQ(boxes.texts,
              (QStringList{QStringLiteral("The verification of \"P\" is not permitted,\nbecause the "
                                          "child \"And\" has not been verified yet.\n"),
                           orMessage}));
    EXPECT_EQ(parent->m_verification.m_nState, CDVDevelopmentStep::Pending);

    // Only the And-child missing: one box.
    ASSERT_TRUE(Verify(or1));
    boxes.Clear();
    EXPECT_FALSE(Verify(parent));
    EXPECT_EQ(boxes.texts.size(), 1);
}

TEST_F(PhaseRulesTest, CreatedObjectsMustBeVerified) {
    doc.m_bImplementationPhase = false;
    Requirement* source = Add("Source");
    Requirement* created = Add("Created");
    CUseCase* useCase = AddUseCase("UC");
    source->m_createdRequirements = {static_cast<quint32>(created->m_nId)};
    source->m_createdUseCases = {static_cast<quint32>(useCase->m_nId)};
    ASSERT_TRUE(Approve(source));
    EXPECT_FALSE(Verify(source));
    EXPECT_EQ(boxes.texts.last(),
              QStringLiteral("The verification of \"Source\" is not permitted,\nbecause the "
                             "created Requirement \"Created\" has not been verified yet.\n"));
    created->m_nLinkage = Requirement::Ignore;
    EXPECT_FALSE(Verify(source));
    EXPECT_EQ(boxes.texts.last(),
              QStringLiteral("The verification of \"Source\" is not permitted,\nbecause the "
                             "created Use-Case \"UC\" has not been verified yet.\n"));
}

TEST_F(PhaseRulesTest, WithdrawingAnApprovalCascadesWithOneNotice) {
    Requirement* top = Add("Top");
    Requirement* child = Add("Child", top->m_nId);
    for (Requirement* r : {top, child}) {
        ASSERT_TRUE(Approve(r));
        ASSERT_TRUE(Implement(r));
    }
    ASSERT_TRUE(Verify(child));
    ASSERT_TRUE(Verify(top));
    boxes.Clear();
    clock.Set(2000);

    EXPECT_TRUE(SetCell(top, FIELD_APPROVED, "No"));
    EXPECT_EQ(top->m_approval.m_nState, CDVDevelopmentStep::Pending);
    EXPECT_EQ(top->m_implementation.m_nState, CDVDevelopmentStep::OutOfDate);
    EXPECT_EQ(top->m_verification.m_nState, CDVDevelopmentStep::OutOfDate);
    EXPECT_EQ(child->m_approval.m_nState, CDVDevelopmentStep::OutOfDate);
    EXPECT_EQ(child->m_verification.m_nState, CDVDevelopmentStep::OutOfDate);
    EXPECT_EQ(child->m_timeModified, 2000);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0],
              kApprovalNotice + QStringLiteral("The approval of the child \"Child\" of \"Top\" will "
                                               "be removed.\n"));
}

TEST_F(PhaseRulesTest, OutOfDateChildKeepsItsVersionMarks) {
    doc.m_bImplementationPhase = false;
    Requirement* top = Add("Top");
    Requirement* child = Add("Child", top->m_nId);
    ASSERT_TRUE(Approve(top));
    ASSERT_TRUE(Approve(child));
    ASSERT_TRUE(Verify(child));
    doc.MarkModified(child);  // the edit of the verification cell records child at 1.0.1
    ASSERT_TRUE(Verify(child));
    const VersionNumber lastApproval = child->m_approval.m_versionLast;
    const VersionNumber lastVerification = child->m_verification.m_versionLast;
    EXPECT_EQ(FormatVersion(lastApproval), QStringLiteral("1.0.1"));
    EXPECT_EQ(FormatVersion(lastVerification), QStringLiteral("1.0.2"));
    boxes.Clear();

    ASSERT_TRUE(Approve(top, false));
    EXPECT_EQ(child->m_approval.m_nState, CDVDevelopmentStep::OutOfDate);
    EXPECT_EQ(child->m_verification.m_nState, CDVDevelopmentStep::OutOfDate);
    EXPECT_TRUE(child->m_approval.m_versionLast == lastApproval);
    EXPECT_TRUE(child->m_verification.m_versionLast == lastVerification);
    // Two cascade marks: one by its approval, one by its verification.
    EXPECT_EQ(FormatVersion(child->m_version), QStringLiteral("1.0.3"));
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0],
              kApprovalNotice +
                  QStringLiteral("The approval of the child \"Child\" of \"Top\" will be removed.\n"));
}

TEST_F(PhaseRulesTest, WithdrawingAVerificationWithdrawsEveryVerifiedAncestorOnce) {
    doc.m_bImplementationPhase = false;
    Requirement* a = Add("A");
    Requirement* b = Add("B", a->m_nId);
    Requirement* c = Add("C", b->m_nId);
    for (Requirement* r : {a, b, c}) {
        ASSERT_TRUE(Approve(r));
    }
    for (Requirement* r : {c, b, a}) {
        ASSERT_TRUE(Verify(r));
    }
    boxes.Clear();
    ASSERT_TRUE(Verify(c, false));
    EXPECT_EQ(c->m_verification.m_nState, CDVDevelopmentStep::Pending);
    EXPECT_EQ(b->m_verification.m_nState, CDVDevelopmentStep::OutOfDate);
    EXPECT_EQ(a->m_verification.m_nState, CDVDevelopmentStep::OutOfDate);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(
        boxes.texts[0],
        kVerificationNotice + QStringLiteral("The verification of parent \"B\" of \"C\" will be removed.\n"
                                             "The verification of parent \"A\" of \"B\" will be removed.\n"));
}

TEST_F(PhaseRulesTest, CreatedAndSourceCascades) {
    doc.m_bImplementationPhase = false;
    Requirement* source = Add("Source");
    Requirement* derived = Add("Derived");
    CUseCase* useCase = AddUseCase("UC");
    source->m_createdRequirements = {static_cast<quint32>(derived->m_nId)};
    derived->m_derivedFromRequirements = {static_cast<quint32>(source->m_nId)};
    source->m_createdUseCases = {static_cast<quint32>(useCase->m_nId)};
    useCase->m_derivedFromRequirements = {static_cast<quint32>(source->m_nId)};
    for (CDVVerificationData* o : std::initializer_list<CDVVerificationData*>{source, derived, useCase}) {
        ASSERT_TRUE(Approve(o));
    }
    ASSERT_TRUE(Verify(derived));
    ASSERT_TRUE(Verify(useCase));
    ASSERT_TRUE(Verify(source));
    boxes.Clear();

    ASSERT_TRUE(Verify(derived, false));
    EXPECT_EQ(
        boxes.texts.last(),
        kVerificationNotice + QStringLiteral("The verification of Requirement \"Source\", which created "
                                             "\"Derived\", will be removed.\n"));
    ASSERT_TRUE(Verify(derived));
    ASSERT_TRUE(Verify(source));
    boxes.Clear();
    ASSERT_TRUE(Approve(source, false));
    EXPECT_EQ(boxes.texts.last(),
              kApprovalNotice +
                  QStringLiteral(
                      "The approval of the created Requirement \"Derived\" by \"Source\" will be removed.\n"
                      "The approval of the created Use-Case \"UC\" by \"Source\" will be removed.\n"));
    EXPECT_EQ(useCase->m_approval.m_nState, CDVDevelopmentStep::OutOfDate);
    EXPECT_EQ(useCase->m_verification.m_nState, CDVDevelopmentStep::OutOfDate);
}

TEST_F(PhaseRulesTest, ImplementAndValidate) {
    Requirement* r = Add("R");
    EXPECT_FALSE(Implement(r));
    EXPECT_EQ(boxes.texts.last(), QStringLiteral("\"R\" cannot be implemented before it has been approved!"));
    bool ok = true;
    r->Validate(true, &doc, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(boxes.texts.last(), QStringLiteral("\"R\" cannot be validated before it has been verified!"));
    Complete(r);
    r->Validate(true, &doc, ok);
    EXPECT_TRUE(ok);
    boxes.Clear();
    // Withdrawing the implementation takes the verification with it.
    ASSERT_TRUE(Implement(r, false));
    EXPECT_EQ(r->m_implementation.m_nState, CDVDevelopmentStep::Pending);
    EXPECT_EQ(r->m_verification.m_nState, CDVDevelopmentStep::OutOfDate);
    EXPECT_EQ(r->m_validation.m_nState, CDVDevelopmentStep::OutOfDate);
    EXPECT_TRUE(boxes.texts.isEmpty());  // nothing else depended on it: no notice
}

TEST_F(PhaseRulesTest, ApprovedCellSetToYesAgainRenewsButReportsNoChange) {
    Requirement* r = Add("R");
    EXPECT_TRUE(SetCell(r, FIELD_APPROVED, "Yes"));
    clock.Set(5000);
    EXPECT_FALSE(SetCell(r, FIELD_APPROVED, "Yes"));
    EXPECT_EQ(r->m_approval.m_timeLast, 5000);
    EXPECT_TRUE(SetCell(r, FIELD_APPROVED, "Maybe"));  // anything but the second entry withdraws
    EXPECT_EQ(r->m_approval.m_nState, CDVDevelopmentStep::Pending);
    EXPECT_TRUE(SetCell(r, FIELD_APPROVAL_DESCRIPTION, "why"));
    EXPECT_FALSE(SetCell(r, FIELD_APPROVAL_DESCRIPTION, "why"));
}

TEST_F(PhaseRulesTest, DurationAndCostFields) {
    Requirement* r = Add("R");
    EXPECT_EQ(r->m_approval.DurationText(&doc), QStringLiteral("0.5 days"));
    EXPECT_EQ(r->m_approval.m_dDuration, 0.5);  // the default is materialised
    doc.m_stepApproval.m_dDuration = 3;
    EXPECT_EQ(r->m_approval.DurationText(&doc), QStringLiteral("0.5 days"));
    EXPECT_EQ(r->m_implementation.CostText(&doc, QStringLiteral("EUR")), QStringLiteral("8 EUR"));
    EXPECT_FALSE(SetCell(r, FIELD_APPROVAL_DURATION, "0.5"));
    EXPECT_TRUE(SetCell(r, FIELD_APPROVAL_DURATION, "2"));
    EXPECT_FALSE(SetCell(r, FIELD_VALIDATION_COST, "abc"));
    EXPECT_EQ(boxes.texts.last(), QStringLiteral("Invalid Number. Please enter a valid number."));
    EXPECT_EQ(r->m_validation.m_dCost, 1.0);
    EXPECT_TRUE(SetCell(r, FIELD_VALIDATION_COST, "7"));
    EXPECT_EQ(r->m_validation.m_dCost, 7.0);
}

TEST_F(PhaseRulesTest, LastDoneTexts) {
    Requirement* r = Add("R");
    EXPECT_EQ(r->m_approval.LastTimeText(&doc), QStringLiteral("Never approved so far."));
    EXPECT_EQ(r->m_implementation.LastVersionText(&doc), QStringLiteral("Not implemented yet."));
    EXPECT_EQ(r->m_verification.LastTimeText(&doc), QStringLiteral("Never verified so far."));
    EXPECT_EQ(r->m_validation.LastVersionText(&doc), QStringLiteral("Never validated so far."));
    ASSERT_TRUE(Approve(r));
    EXPECT_EQ(r->m_approval.LastVersionText(&doc), QStringLiteral("1.0.1"));
    EXPECT_FALSE(r->m_approval.LastTimeText(&doc).isEmpty());
}

TEST_F(PhaseRulesTest, NoDocumentDoesNothing) {
    Requirement r(1);
    bool ok = true;
    EXPECT_TRUE(r.Approve(true, nullptr, false, ok, false).isEmpty());
    EXPECT_FALSE(ok);
    EXPECT_EQ(r.m_approval.m_nState, CDVDevelopmentStep::Pending);
}

TEST_F(PhaseRulesTest, ParentCycleInDamagedDataDoesNotHang) {
    Requirement* a = Add("A");
    Requirement* b = Add("B", a->m_nId);
    a->m_nParentId = b->m_nId;
    b->m_approval.m_nState = CDVDevelopmentStep::Done;
    a->m_approval.m_nState = CDVDevelopmentStep::Done;
    Requirement* c = Add("C", b->m_nId);
    EXPECT_TRUE(Approve(c));
    EXPECT_TRUE(Verify(c, false));
}

TEST_F(PhaseRulesTest, LongDerivationChainsDoNotExhaustTheStack) {
    constexpr int kLength = 100000;
    Requirement* previous = nullptr;
    Requirement* first = nullptr;
    for (int i = 0; i < kLength; ++i) {
        Requirement* r = Add("R");
        r->m_approval.m_nState = CDVDevelopmentStep::Done;
        r->m_verification.m_nState = CDVDevelopmentStep::Done;
        if (previous != nullptr) {
            previous->m_createdRequirements = {static_cast<quint32>(r->m_nId)};
            r->m_derivedFromRequirements = {static_cast<quint32>(previous->m_nId)};
        } else {
            first = r;
        }
        previous = r;
    }
    ASSERT_TRUE(Verify(previous, false));
    EXPECT_EQ(first->m_verification.m_nState, CDVDevelopmentStep::OutOfDate);  // withdrawn along the chain
    ASSERT_TRUE(Approve(first, false));
    EXPECT_EQ(previous->m_approval.m_nState, CDVDevelopmentStep::OutOfDate);
    EXPECT_EQ(boxes.texts.size(), 2);
}

}  // namespace
