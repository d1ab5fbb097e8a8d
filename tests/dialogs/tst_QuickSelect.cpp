// The quick selection of links: the tree, both sides of every link, the questions and refusals.
#include "DialogTestSupport.h"

namespace {

// Requirements Top > Child, Middle, Folder (folder), Quality (quality); use case UC with two steps.
class QuickSelectLinks : public QuickSelectTest {
protected:
    QuickSelectLinks() {
        top = AddRequirement(QStringLiteral("Top"));
        child = AddRequirement(QStringLiteral("Child"), top->m_nId);
        middle = AddRequirement(QStringLiteral("Middle"));
        folder = AddRequirement(QStringLiteral("Folder"), 0, Requirement::Folder);
        quality = AddRequirement(QStringLiteral("Quality"), 0, Requirement::Quality);
        useCase = AddUseCase(QStringLiteral("UC"));
        other = AddUseCase(QStringLiteral("Other"));
        first = AddStep(useCase, QStringLiteral("First"));
        second = AddStep(useCase, QStringLiteral("Second"));
    }
    static quint32 Id(const CDVData* object) { return quint32(object->m_nId); }
    // OK closes the dialog after exactly this one message.
    void ExpectAcceptedAfter(Dlg_QuickSelect& dialog, const QString& message) {
        dialog.accept();
        EXPECT_TRUE(Accepted(dialog));
        EXPECT_EQ(messages.texts, QStringList(message));
    }

    Requirement* top;
    Requirement* child;
    Requirement* middle;
    Requirement* folder;
    Requirement* quality;
    CUseCase* useCase;
    CUseCase* other;
    CStep* first;
    CStep* second;
};

TEST_F(QuickSelectLinks, TreeFollowsTheFamilyListWithoutDeletedObjects) {
    middle->m_bDeleted = true;
    top->m_createdRequirements = Ids({Id(child)});
    auto dialog = Open(top, Dlg_QuickSelect::CreatedRequirements);
    QTreeWidget* tree = dialog->Tree();
    ASSERT_EQ(tree->topLevelItemCount(), 3);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("Top"));
    ASSERT_EQ(tree->topLevelItem(0)->childCount(), 1);
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("Child"));
    EXPECT_TRUE(tree->topLevelItem(0)->isExpanded());
    EXPECT_EQ(tree->topLevelItem(1)->text(0), QStringLiteral("Folder"));
    EXPECT_TRUE(IsChecked(*dialog, child->m_nId));
    EXPECT_FALSE(IsChecked(*dialog, quality->m_nId));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Quick-Select: Created Requirements by Requirement"));
}

TEST_F(QuickSelectLinks, WithoutTheObjectNothingIsBuilt) {
    auto dialog = Open(first, Dlg_QuickSelect::StepRequirements);  // no use case for the step
    EXPECT_EQ(dialog->Tree()->topLevelItemCount(), 0);
    dialog->accept();
    EXPECT_FALSE(dialog->Changed());
}

TEST_F(QuickSelectLinks, LinkingAStepToRequirementsUpdatesBothSides) {
    auto dialog = Open(first, Dlg_QuickSelect::StepRequirements, false, useCase);
    Check(*dialog, top->m_nId);
    Check(*dialog, middle->m_nId);
    dialog->accept();
    ASSERT_TRUE(Accepted(*dialog));
    EXPECT_TRUE(dialog->Changed());
    EXPECT_EQ(first->m_stepRequirements, Ids({Id(top), Id(middle)}));
    EXPECT_EQ(useCase->m_createdRequirements, Ids({Id(top), Id(middle)}));
    EXPECT_EQ(top->m_derivedFromUseCases, Ids({Id(useCase)}));
    EXPECT_EQ(middle->m_derivedFromUseCases, Ids({Id(useCase)}));
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(QuickSelectLinks, RemovingAStepRequirementAsksWhetherTheUseCaseLosesIt) {
    struct Case {
        const char* name;
        bool usedBySecond;
        int answer;
        bool deferred;
        bool leavesUseCase;
        bool pending;
    };
    const Case cases[] = {{"yes", false, DV::IDYES, false, true, false},
                          {"no", false, DV::IDNO, false, false, false},
                          {"another step uses it", true, DV::IDYES, false, false, false},
                          {"deferred yes", false, DV::IDYES, true, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.Clear();
        first->m_stepRequirements = Ids({Id(middle)});
        first->m_pendingRemovals.clear();
        second->m_stepRequirements = c.usedBySecond ? Ids({Id(middle)}) : DVIdArray{};
        useCase->m_createdRequirements = Ids({Id(middle)});
        middle->m_derivedFromUseCases = Ids({Id(useCase)});
        messages.answers = {c.answer};
        auto dialog = Open(first, Dlg_QuickSelect::StepRequirements, c.deferred, useCase);
        Check(*dialog, middle->m_nId, false);
        dialog->accept();
        ASSERT_TRUE(Accepted(*dialog));
        EXPECT_TRUE(first->m_stepRequirements.empty());
        EXPECT_EQ(messages.texts.size(), c.usedBySecond ? 0 : 1);
        if (!c.usedBySecond) {
            EXPECT_EQ(messages.texts.first(),
                      QStringLiteral("Would you like to remove the Requirement \"Middle\" "
                                     "also from the requirement-list of Use-Case \"UC\"?"));
            EXPECT_EQ(messages.types.front(), DV::MB_YESNO | DV::MB_ICONQUESTION | DV::MB_DEFBUTTON2);
        }
        EXPECT_EQ(useCase->m_createdRequirements.empty(), c.leavesUseCase);
        EXPECT_EQ(middle->m_derivedFromUseCases.empty(), c.leavesUseCase);
        EXPECT_EQ(first->m_pendingRemovals, c.pending ? Ids({Id(middle)}) : DVIdArray{});
    }
}

TEST_F(QuickSelectLinks, ACircularDerivationWarnsAndYesReturnsToTheTree) {
    struct Case {
        const char* name;
        int mode;
        Requirement* edited;
        Requirement* checked;
        const char* where;
    };
    const Case cases[] = {
        {"created above", Dlg_QuickSelect::CreatedRequirements, middle, top, "above"},
        {"derived from below", Dlg_QuickSelect::DerivedFromRequirements, middle, quality, "below"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.Clear();
        messages.answers = {DV::IDYES};
        auto dialog = Open(c.edited, c.mode);
        Check(*dialog, c.checked->m_nId);
        dialog->accept();
        EXPECT_FALSE(Accepted(*dialog));
        EXPECT_TRUE(IsChecked(*dialog, c.checked->m_nId));
        EXPECT_FALSE(dialog->Changed());
        EXPECT_TRUE(c.checked->m_createdRequirements.empty());
        EXPECT_TRUE(c.checked->m_derivedFromRequirements.empty());
        ASSERT_EQ(messages.texts.size(), 1);
        EXPECT_EQ(messages.texts.first(),
                  QStringLiteral("Selection of items %1 the item \"Middle\" in the tree-list may cause "
                                 "circle-dependencies, which impossibilitates the verification of all "
                                 "requirements.\nThose items are:\n   -   %2\nDo you whish to reedit the "
                                 "item-list?")
                      .arg(QLatin1String(c.where), c.checked->GetTitle()));
        EXPECT_EQ(messages.types.front(), DV::MB_YESNO | DV::MB_ICONEXCLAMATION);

        messages.answers = {DV::IDNO};
        dialog->accept();
        EXPECT_TRUE(Accepted(*dialog));
    }
    // Both sides of both links.
    EXPECT_EQ(middle->m_createdRequirements, Ids({Id(top)}));
    EXPECT_EQ(top->m_derivedFromRequirements, Ids({Id(middle)}));
    EXPECT_EQ(middle->m_derivedFromRequirements, Ids({Id(quality)}));
    EXPECT_EQ(quality->m_createdRequirements, Ids({Id(middle)}));
}

TEST_F(QuickSelectLinks, ASelfLinkIsDroppedAndTheRestApplied) {
    auto dialog = Open(middle, Dlg_QuickSelect::CreatedRequirements);
    Check(*dialog, middle->m_nId);
    Check(*dialog, quality->m_nId);
    ExpectAcceptedAfter(
        *dialog,
        QStringLiteral("Linkage to itself is not permitted. Selection of item \"Middle\" will be ignored."));
    EXPECT_EQ(middle->m_createdRequirements, Ids({Id(quality)}));
    EXPECT_EQ(quality->m_derivedFromRequirements, Ids({Id(middle)}));
}

TEST_F(QuickSelectLinks, AStepCannotNeedARequirementItsUseCaseDerivesFrom) {
    useCase->m_derivedFromRequirements = Ids({Id(middle)});
    middle->m_createdUseCases = Ids({Id(useCase)});
    messages.answers = {DV::IDOK, DV::IDNO};
    auto dialog = Open(first, Dlg_QuickSelect::StepRequirements, false, useCase);
    Check(*dialog, middle->m_nId);
    Check(*dialog, top->m_nId);
    dialog->accept();
    ASSERT_TRUE(Accepted(*dialog));
    ASSERT_EQ(messages.texts.size(), 2);
    EXPECT_TRUE(messages.texts[0].startsWith(QStringLiteral("Linkage to itself is not permitted.")));
    // Top lies above the use case's requirement.
    EXPECT_TRUE(messages.texts[1].contains(QStringLiteral("above the item \"Middle\"")));
    EXPECT_EQ(first->m_stepRequirements, Ids({Id(top)}));
}

TEST_F(QuickSelectLinks, AUseCaseDerivesOnlyFromFunctionalRequirements) {
    messages.answers = {DV::IDNO};
    auto dialog = Open(useCase, Dlg_QuickSelect::UseCaseDerivedFrom);
    Check(*dialog, top->m_nId);
    Check(*dialog, folder->m_nId);
    Check(*dialog, quality->m_nId);
    ExpectAcceptedAfter(
        *dialog,
        QStringLiteral("It is not permitted to select Requirements which are not functional.\nFollowing "
                       "Requirements will be ignored:\n   -   Folder\n   -   Quality\nDo you whish to "
                       "reedit item-list?"));
    EXPECT_EQ(useCase->m_derivedFromRequirements, Ids({Id(top)}));
    EXPECT_EQ(top->m_createdUseCases, Ids({Id(useCase)}));
    EXPECT_TRUE(folder->m_createdUseCases.empty());
}

TEST_F(QuickSelectLinks, AUseCaseDerivedFromARequirementAboveWarns) {
    other->m_derivedFromRequirements = Ids({Id(middle), Id(top)});
    messages.answers = {DV::IDNO};
    auto dialog = Open(child, Dlg_QuickSelect::DerivedFromUseCases);
    Check(*dialog, other->m_nId);
    ExpectAcceptedAfter(
        *dialog,
        QStringLiteral("There are selected Use-Cases which are derived from Requirements which are above the "
                       "Requirement \"Child\" in the tree-list.\nThis may cause circle-dependencies, which "
                       "impossibilitates the verification of all requirements.\nThose selected Use-Cases "
                       "are:\n   -  Use-Case \"Other\" which is derived from Requirement \"Top\"\n\nDo you "
                       "whish to reedit the item-list?"));
    EXPECT_EQ(child->m_derivedFromUseCases, Ids({Id(other)}));
    EXPECT_EQ(other->m_createdRequirements, Ids({Id(child)}));
}

TEST_F(QuickSelectLinks, AUseCaseWithoutOriginIsNotCheckedForCircles) {
    auto dialog = Open(useCase, Dlg_QuickSelect::UseCaseRequirements);
    Check(*dialog, top->m_nId);
    dialog->accept();
    ASSERT_TRUE(Accepted(*dialog));
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(useCase->m_createdRequirements, Ids({Id(top)}));
    EXPECT_EQ(top->m_derivedFromUseCases, Ids({Id(useCase)}));
}

TEST_F(QuickSelectLinks, RemovingARequirementAStepUsesAsksFirst) {
    for (const int answer : {DV::IDNO, DV::IDYES}) {
        SCOPED_TRACE(answer);
        messages.Clear();
        useCase->m_createdRequirements = Ids({Id(top)});
        top->m_derivedFromUseCases = Ids({Id(useCase)});
        second->m_stepRequirements = Ids({Id(top)});
        messages.answers = {answer};
        auto dialog = Open(useCase, Dlg_QuickSelect::UseCaseRequirements);
        Check(*dialog, top->m_nId, false);
        dialog->accept();
        ASSERT_TRUE(Accepted(*dialog));
        ASSERT_EQ(messages.texts.size(), 1);
        EXPECT_EQ(messages.texts.first(),
                  QStringLiteral(
                      "The Requirement \"Top\" also exists in at least one Use-Case Step within the "
                      "Use-Case \"UC\".\nAre you sure that you want to remove this Requirement not\nonly "
                      "from the Use-Case, but also from every Use-Case Step?"));
        const bool kept = answer == DV::IDNO;
        EXPECT_EQ(useCase->m_createdRequirements.empty(), !kept);
        EXPECT_EQ(second->m_stepRequirements.empty(), !kept);
        EXPECT_EQ(top->m_derivedFromUseCases.empty(), !kept);
    }
}

TEST_F(QuickSelectLinks, DeferredSelectionLeavesThePartnersAlone) {
    top->m_createdRequirements = Ids({Id(child)});
    child->m_derivedFromRequirements = Ids({Id(top)});
    auto dialog = Open(top, Dlg_QuickSelect::CreatedRequirements, true);
    Check(*dialog, child->m_nId, false);
    Check(*dialog, quality->m_nId);
    dialog->accept();
    ASSERT_TRUE(Accepted(*dialog));
    EXPECT_TRUE(dialog->Changed());
    EXPECT_EQ(top->m_createdRequirements, Ids({Id(quality)}));
    EXPECT_EQ(child->m_derivedFromRequirements, Ids({Id(top)}));
    EXPECT_TRUE(quality->m_derivedFromRequirements.empty());
}

TEST_F(QuickSelectLinks, OneActorPerStep) {
    CActor* alice = AddActor(QStringLiteral("Alice"));
    CActor* bob = AddActor(QStringLiteral("Bob"));
    first->m_nActorId = alice->m_nId;
    auto dialog = Open(first, Dlg_QuickSelect::StepActor);
    EXPECT_TRUE(IsChecked(*dialog, alice->m_nId));
    Check(*dialog, bob->m_nId);
    dialog->accept();
    EXPECT_FALSE(Accepted(*dialog));
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts.first(), QStringLiteral("Please, select only one Actor."));
    EXPECT_EQ(first->m_nActorId, alice->m_nId);

    Check(*dialog, alice->m_nId, false);
    dialog->accept();
    ASSERT_TRUE(Accepted(*dialog));
    EXPECT_TRUE(dialog->Changed());
    EXPECT_EQ(first->m_nActorId, bob->m_nId);

    auto none = Open(first, Dlg_QuickSelect::StepActor);
    Check(*none, bob->m_nId, false);
    none->accept();
    EXPECT_TRUE(none->Changed());
    EXPECT_EQ(first->m_nActorId, 0);
}

TEST_F(QuickSelectLinks, OkWithoutAChangeReportsNone) {
    top->m_createdUseCases = Ids({Id(useCase)});
    useCase->m_derivedFromRequirements = Ids({Id(top)});
    auto dialog = Open(top, Dlg_QuickSelect::CreatedUseCases);
    EXPECT_TRUE(IsChecked(*dialog, useCase->m_nId));
    dialog->accept();
    ASSERT_TRUE(Accepted(*dialog));
    EXPECT_FALSE(dialog->Changed());
}

}  // namespace
