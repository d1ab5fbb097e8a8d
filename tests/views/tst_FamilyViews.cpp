// The family views: deletion effects, type and folder switches, Enter in link cells, context menus.
#include "ViewFixture.h"

#include "views/CViewActors.h"
#include "views/CViewMotherDV.h"
#include "views/CViewTreelist.h"
#include "views/CViewUseCaseList.h"
#include "views/CViewUseCaseSteps.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include <functional>

namespace {

constexpr qint64 Before = 1000;

class FamilyViewsTest : public ViewTest {
protected:
    // Every object's time is set back, so a stamp shows as the clock's time.
    void Age() {
        for (Requirement* r : doc.m_requirements) {
            r->m_timeModified = Before;
        }
        for (CUseCase* u : doc.m_useCases) {
            u->m_timeModified = Before;
            for (CStep* s : u->m_steps) {
                s->m_timeModified = Before;
            }
        }
        for (CActor* a : doc.m_actors) {
            a->m_timeModified = Before;
        }
    }
    static bool Stamped(const CDVData* object) { return object->m_timeModified != Before; }
};

TEST_F(FamilyViewsTest, DeletingARequirementRemovesEveryLinkToIt) {
    Requirement* target = AddRequirement(QStringLiteral("Target"));
    Requirement* derived = AddRequirement(QStringLiteral("Derived"));
    Requirement* source = AddRequirement(QStringLiteral("Source"));
    Requirement* bystander = AddRequirement(QStringLiteral("Bystander"));
    CUseCase* created = AddUseCase(QStringLiteral("Created"));
    CUseCase* origin = AddUseCase(QStringLiteral("Origin"));
    CStep* step = AddStep(origin, QStringLiteral("Uses target"));
    const quint32 t = quint32(target->m_nId);
    target->m_createdRequirements = {quint32(derived->m_nId)};
    derived->m_derivedFromRequirements = {t};
    target->m_derivedFromRequirements = {quint32(source->m_nId)};
    source->m_createdRequirements = {t, 99};
    target->m_createdUseCases = {quint32(created->m_nId)};
    created->m_derivedFromRequirements = {t};
    target->m_derivedFromUseCases = {quint32(origin->m_nId), 77};
    origin->m_createdRequirements = {t};
    step->m_stepRequirements = {t, t};
    Age();
    auto* view = Open<CViewTreelist>();
    Select(view, target->m_nId);
    messages.answers = {DV::IDYES};
    view->OnCommand(DVCmd::Delete);

    EXPECT_TRUE(derived->m_derivedFromRequirements.empty());
    EXPECT_EQ(source->m_createdRequirements, (DVIdArray{99}));
    EXPECT_TRUE(created->m_derivedFromRequirements.empty());
    EXPECT_TRUE(origin->m_createdRequirements.empty());
    EXPECT_EQ(step->m_stepRequirements, (DVIdArray{t}));  // first occurrence only
    for (const CDVData* object :
         std::initializer_list<const CDVData*>{derived, source, created, origin, step}) {
        EXPECT_TRUE(Stamped(object)) << object->m_strTitle.toStdString();
    }
    EXPECT_FALSE(Stamped(bystander));
    EXPECT_TRUE(target->m_bDeleted);
    EXPECT_EQ(doc.m_deletedRequirements.first(), target);
    EXPECT_FALSE(doc.ContainsRequirement(target));
    EXPECT_EQ(target->m_createdUseCases, (DVIdArray{quint32(created->m_nId)}));  // its own lists stay
    EXPECT_EQ(view->FindRowOfObject(t), 0u);
}

TEST_F(FamilyViewsTest, TypeChangesAreRefusedForRequirementsThatCreatedUseCases) {
    Requirement* creator = AddRequirement(QStringLiteral("Creator"));
    Requirement* constraint = AddRequirement(QStringLiteral("Limit"), 0, Requirement::Constraint);
    creator->m_createdUseCases = {1};
    doc.m_version = VersionNumber{true, QString(), 3, 0, 0};
    auto* view = Open<CViewTreelist>();

    Select(view, creator->m_nId);
    EXPECT_FALSE(view->QueryCommand(DVCmd::TypeFunctional).enabled);
    EXPECT_TRUE(view->QueryCommand(DVCmd::TypeFolder).enabled);
    view->OnCommand(DVCmd::TypeFolder);
    EXPECT_EQ(creator->m_nType, Requirement::Functional);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(
        messages.texts[0].startsWith(QStringLiteral("It is not permitted to change the requirement type")));

    Select(view, constraint->m_nId);
    view->OnCommand(DVCmd::TypeFunctional);
    EXPECT_EQ(constraint->m_nType, Requirement::Functional);
    EXPECT_EQ(view->GetGrid()->GetItemImage(view->FindRowOfObject(constraint->m_nId), 0), 0);
    EXPECT_EQ(constraint->m_version.nMajor, 3);
    EXPECT_EQ(constraint->m_timeModified, 1700000000);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(FamilyViewsTest, DeletingAnActorRemovesItFromEveryStep) {
    CActor* actor = AddActor(QStringLiteral("Operator"));
    auto parameter = std::make_unique<DVParameter>();
    parameter->m_nId = ++doc.m_nLastActorParameterId;
    const qint32 p = parameter->m_nId;
    actor->m_actorParameters.push_back(std::move(parameter));
    auto function = std::make_unique<CFunction>();
    function->m_nId = ++doc.m_nLastFunctionId;
    const qint32 f = function->m_nId;
    actor->m_functions.push_back(std::move(function));
    CUseCase* useCase = AddUseCase(QStringLiteral("Run"));
    CUseCase* quiet = AddUseCase(QStringLiteral("Quiet"));
    CStep* step = AddStep(useCase, QStringLiteral("Acts"));
    CStep* other = AddStep(useCase, QStringLiteral("Other"));
    AddStep(quiet, QStringLiteral("Nothing"));
    step->m_nActorId = actor->m_nId;
    step->m_actsOn = {quint32(actor->m_nId), 5, quint32(actor->m_nId)};
    DVParameterValue value;
    value.m_nParameterId = p;
    step->m_inputValues = {value, value};
    step->m_outputValues = {value};
    step->m_callingFunctions = {quint32(f), 8};
    AddRequirement(QStringLiteral("Keeps the project from being new"));
    Age();
    auto* view = Open<CViewActors>();
    Select(view, actor->m_nId);
    messages.answers = {DV::IDYES};
    view->OnCommand(DVCmd::Delete);

    EXPECT_EQ(step->m_nActorId, 0);
    EXPECT_EQ(step->m_actsOn, (DVIdArray{5, quint32(actor->m_nId)}));
    EXPECT_EQ(step->m_inputValues.size(), 1u);
    EXPECT_TRUE(step->m_outputValues.empty());
    EXPECT_EQ(step->m_callingFunctions, (DVIdArray{8}));
    EXPECT_TRUE(Stamped(step));
    EXPECT_TRUE(Stamped(useCase));
    EXPECT_FALSE(Stamped(other));
    EXPECT_FALSE(Stamped(quiet));
    EXPECT_TRUE(actor->m_bDeleted);
    EXPECT_EQ(doc.m_deletedActors.first(), actor);
    EXPECT_TRUE(doc.m_actors.empty());
}

TEST_F(FamilyViewsTest, DeletingAUseCaseRemovesItsRequirementLinks) {
    Requirement* origin = AddRequirement(QStringLiteral("Origin"));
    Requirement* created = AddRequirement(QStringLiteral("Created"));
    CUseCase* useCase = AddUseCase(QStringLiteral("Order"));
    CStep* step = AddStep(useCase, QStringLiteral("Step"));
    const quint32 u = quint32(useCase->m_nId);
    useCase->m_derivedFromRequirements = {quint32(origin->m_nId)};
    origin->m_createdUseCases = {u};
    useCase->m_createdRequirements = {quint32(created->m_nId)};
    created->m_derivedFromUseCases = {u};
    step->m_stepRequirements = {quint32(created->m_nId)};
    Age();
    auto* view = Open<CViewUseCaseList>();
    Select(view, useCase->m_nId);
    messages.answers = {DV::IDYES};
    view->OnCommand(DVCmd::Delete);

    EXPECT_TRUE(origin->m_createdUseCases.empty());
    EXPECT_TRUE(created->m_derivedFromUseCases.empty());
    EXPECT_TRUE(step->m_stepRequirements.empty());
    EXPECT_TRUE(Stamped(origin));
    EXPECT_TRUE(Stamped(created));
    EXPECT_TRUE(useCase->m_bDeleted);
    EXPECT_EQ(doc.m_deletedUseCases.first(), useCase);
    EXPECT_EQ(useCase->m_steps.size(), 1);  // the steps stay inside it
}

TEST_F(FamilyViewsTest, FolderSwitchChangesImageKindAndEnabling) {
    CActor* actor = AddActor(QStringLiteral("Person"));
    CUseCase* useCase = AddUseCase(QStringLiteral("Order"));
    AddRequirement(QStringLiteral("R"));
    auto* actors = Open<CViewActors>();
    Select(actors, actor->m_nId);
    EXPECT_FALSE(actors->QueryCommand(DVCmd::KindActor).enabled);
    actors->OnCommand(DVCmd::TypeFolder);
    EXPECT_EQ(actor->m_nKind, CActor::KindFolder);
    EXPECT_EQ(actors->GetGrid()->GetItemImage(actors->FindRowOfObject(actor->m_nId), 0), 3);
    EXPECT_TRUE(actors->QueryCommand(DVCmd::KindActor).enabled);
    EXPECT_FALSE(actors->QueryCommand(DVCmd::TypeFolder).enabled);

    auto* useCases = Open<CViewUseCaseList>();
    Select(useCases, useCase->m_nId);
    useCases->OnCommand(DVCmd::TypeFolder);
    useCases->OnCommand(DVCmd::KindUseCase);
    EXPECT_EQ(useCase->m_nKind, CUseCase::KindUseCase);
    EXPECT_EQ(useCases->GetGrid()->GetItemImage(useCases->FindRowOfObject(useCase->m_nId), 0), 10);
}

TEST_F(FamilyViewsTest, EnterInALinkCellGoesThroughTheQuickSelection) {
    Requirement* constraint = AddRequirement(QStringLiteral("Limit"), 0, Requirement::Constraint);
    CUseCase* useCase = AddUseCase(QStringLiteral("Order"));
    SetColumns(doc.m_colsRequirements, {407, 403, 432, 502});
    SetColumns(doc.m_colsUseCases, {407, 434});
    std::vector<int> modes;
    bool answer = false;
    CDVViewHost::Instance().quickSelect = [&](CReqDoc*, CDVData*, int mode, bool deferred, QWidget*) {
        EXPECT_FALSE(deferred);
        modes.push_back(mode);
        return answer;
    };
    auto* requirements = Open<CViewTreelist>();

    Select(requirements, constraint->m_nId, 2);
    QTest::keyClick(requirements->GetGrid(), Qt::Key_Return);
    EXPECT_TRUE(modes.empty());
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts[0],
              QStringLiteral("Only Functional Requirements can create Use-Cases!\nThis field "
                             "cannot be edited."));

    Select(requirements, constraint->m_nId, 3);
    QTest::keyClick(requirements->GetGrid(), Qt::Key_Return);
    EXPECT_EQ(modes, (std::vector<int>{7}));
    EXPECT_FALSE(doc.IsModified());  // cancelled: nothing marked

    Select(requirements, constraint->m_nId, 1);
    QTest::keyClick(requirements->GetGrid(), Qt::Key_Return);
    EXPECT_NE(requirements->GetGrid()->GetEditControl(), nullptr);
    requirements->GetGrid()->EndEditLabelNow(true);

    auto* useCases = Open<CViewUseCaseList>();
    answer = true;
    Select(useCases, useCase->m_nId, 1);
    QTest::keyClick(useCases->GetGrid(), Qt::Key_Return);
    EXPECT_EQ(modes.back(), 10);
    EXPECT_EQ(useCase->m_timeModified, 1700000000);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(FamilyViewsTest, EnterInTheTreeColumnEditsTheTitleWhateverItsFieldId) {
    // Column 0 always shows the title, so Enter there and a new row's title edit never reach the
    // link or sheet editing of the field id the column was given.
    Requirement* constraint = AddRequirement(QStringLiteral("Limit"), 0, Requirement::Constraint);
    CActor* actor = AddActor(QStringLiteral("Clerk"));
    SetColumns(doc.m_colsRequirements, {432, 403});
    SetColumns(doc.m_colsActors, {500, 403});
    int dialogs = 0;
    CDVViewHost::Instance().quickSelect = [&](CReqDoc*, CDVData*, int, bool, QWidget*) {
        ++dialogs;
        return false;
    };
    CDVViewHost::Instance().editSheet = [&](CViewDVTreeList*, CDVData*, int, bool&) {
        ++dialogs;
        return false;
    };
    struct Case {
        CViewDVTreeList* view;
        qint32 id;
        int command;  // 0: Enter on the title cell
    };
    auto* requirements = Open<CViewTreelist>();
    auto* actors = Open<CViewActors>();
    const Case cases[] = {{requirements, constraint->m_nId, 0},
                          {requirements, constraint->m_nId, DVCmd::InsertNew},
                          {actors, actor->m_nId, 0},
                          {actors, actor->m_nId, DVCmd::InsertNewChild}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        Select(c.view, c.id, 0);
        if (c.command == 0) {
            QTest::keyClick(c.view->GetGrid(), Qt::Key_Return);
        } else {
            c.view->OnCommand(c.command);
        }
        EXPECT_NE(c.view->GetGrid()->GetEditControl(), nullptr);
        c.view->GetGrid()->EndEditLabelNow(true);
    }
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(FamilyViewsTest, CommandsWithoutTheirDialogsChangeNothing) {
    Requirement* r = AddRequirement(QStringLiteral("R"));
    auto* view = Open<CViewTreelist>();
    Select(view, r->m_nId);
    for (int id : {DVCmd::EditAll, DVCmd::ChooseColumns, DVCmd::ExportXml, DVCmd::NewWindow}) {
        EXPECT_TRUE(view->OnCommand(id));
    }
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(r->m_timeModified, 0);

    bool parametersChanged = false;
    CDVViewHost::Instance().editSheet = [&](CViewDVTreeList*, CDVData* object, int, bool& changed) {
        object->m_strTitle = QStringLiteral("Edited");
        changed = parametersChanged;
        return true;
    };
    view->OnCommand(DVCmd::EditAll);
    EXPECT_EQ(Cell(view, r->m_nId, 0), QStringLiteral("Edited"));
    EXPECT_EQ(r->m_timeModified, 1700000000);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(FamilyViewsTest, WindowCommandsAskTheHostForTheirViewType) {
    CUseCase* useCase = AddUseCase(QStringLiteral("Order"));
    AddRequirement(QStringLiteral("R"));
    std::vector<std::pair<int, qint32>> opened;  // view type, steps use case
    std::vector<int> switched;
    CViewDVTreeList* useCases = Open<CViewUseCaseList>();
    CDVViewHost::Instance().openNewWindow = [&](CReqDoc* d) {
        opened.emplace_back(d->m_nNextViewType, d->m_nNextStepsUseCaseId);
    };
    CDVViewHost::Instance().switchViewType = [&](CViewChildDV* view, int type) {
        EXPECT_EQ(view, useCases);
        switched.push_back(type);
    };
    useCases->OnCommand(DVCmd::NewWindow);
    Select(useCases, useCase->m_nId);
    useCases->OnCommand(DVCmd::EditUseCaseSteps);
    useCases->OnColumnHeaderCommand(DVCmd::ViewActors);
    useCases->OnColumnHeaderCommand(DVCmd::ViewOverview);
    EXPECT_EQ(opened, (std::vector<std::pair<int, qint32>>{{1, 0}, {2, useCase->m_nId}}));
    EXPECT_EQ(doc.m_nNextViewType, CReqDoc::ViewNone);
    EXPECT_EQ(switched, (std::vector<int>{3, 5}));
}

TEST_F(FamilyViewsTest, MotherViewsHostTheViewOfTheRequestedType) {
    CUseCase* folder = AddUseCase(QStringLiteral("Folder"));
    AddUseCase(QStringLiteral("Order"));
    AddRequirement(QStringLiteral("R"));
    struct Case {
        int requested;
        qint32 stepsUseCase;
        int viewType;
    };
    const Case cases[] = {{0, 0, 0}, {1, 0, 1}, {2, 999, 2}, {3, 0, 3}, {4, 0, 0}, {7, 0, 0}};
    for (const Case& c : cases) {
        doc.m_nNextViewType = c.requested;
        doc.m_nNextStepsUseCaseId = c.stepsUseCase;
        CViewMotherDV mother(&doc);
        mother.OnInitialUpdate();
        ASSERT_NE(mother.GetHostedView(), nullptr);
        EXPECT_EQ(mother.GetHostedView()->ViewType(), c.viewType) << c.requested;
        if (c.viewType == CReqDoc::ViewSteps) {
            EXPECT_EQ(static_cast<CViewUseCaseSteps*>(mother.GetHostedView())->GetUseCase(), folder);
            EXPECT_EQ(doc.m_nStepsUseCaseId, folder->m_nId);
        }
    }
}

// Texts of a menu in order, submenus indented, and the ids shown disabled.
void Flatten(QMenu* menu, QStringList& texts, std::vector<int>& disabled, const QString& indent = QString()) {
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            continue;
        }
        texts.append(indent + action->text());
        if (action->menu() != nullptr) {
            Flatten(action->menu(), texts, disabled, indent + QStringLiteral("  "));
        } else if (!action->isEnabled()) {
            disabled.push_back(action->data().toInt());
        }
    }
}

TEST_F(FamilyViewsTest, ContextMenusListTheFamilyCommandsAndDisableTheUnhandled) {
    AddRequirement(QStringLiteral("R"));
    AddActor(QStringLiteral("A"));
    CUseCase* useCase = AddUseCase(QStringLiteral("U"));
    AddStep(useCase, QStringLiteral("S"));
    const QStringList tail{"Increase Indent", "Decrease Indent", "Move Up",
                           "Move Down",       "Delete",          "Embedded Document"};
    struct Case {
        CViewDVTreeList* view;
        QStringList head;
        std::vector<int> disabled;
    };
    const Case cases[] = {
        {Open<CViewTreelist>(),
         {"Edit All Requirement Parameter", "Edit This Requirement Field\tENTER",
          "Change Requirement Type To", "  Functional Requirement", "  Quality Requirement / Performance",
          "  Constraint", "  Folder / Grouping", "Cut", "Copy Selected Requirement", "Copy Complete Branch",
          "Paste", "Insert New Requirement", "Insert New Child-Requirement"},
         {DVCmd::EditAll, DVCmd::EmbeddedDocument}},
        {Open<CViewActors>(),
         {"Edit All Actor Parameter", "Edit This Actor Field", "Change Actor Type To", "  Actor",
          "  Folder / Grouping", "Cut", "Copy Selected Actor", "Copy Complete Branch", "Paste",
          "Insert New Actor", "Insert New Child-Actor"},
         {DVCmd::EditAll, DVCmd::EmbeddedDocument}},
        {Open<CViewUseCaseList>(),
         {"Edit All Use-Case Parameter", "Edit This Use-Case Field", "Change Use-Case Type To", "  Use-Case",
          "  Folder / Grouping", "Edit Use-Case Steps", "Cut", "Copy Selected Use-Case",
          "Copy Complete Branch", "Paste", "Insert New Use-Case", "Insert New Child-Use-Case"},
         {DVCmd::EditAll, DVCmd::EmbeddedDocument}},
        {Open<CViewUseCaseSteps>(useCase),
         {"Edit All Step Parameter", "Edit This Step Field", "Change Step Type To", "Cut",
          "Copy Selected Step", "Copy Complete Branch", "Paste", "Insert New Step", "  Simple Step",
          "  If Statement", "  Else If Statement", "  Else Statement", "  Fork Node", "  Fork Thread",
          "  Goto Statement", "  Successful End", "  Unsuccessful End", "Insert New Child-Step"},
         {DVCmd::EditAll, DVCmd::ChangeStepType, DVCmd::InsertNewChild, DVCmd::EmbeddedDocument}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<QMenu> menu(c.view->CreateContextMenu(nullptr));
        QStringList texts;
        std::vector<int> disabled;
        Flatten(menu.get(), texts, disabled);
        // Undo and Redo come first; the document handles them, so a view alone disables them.
        EXPECT_EQ(texts, QStringList({"Undo", "Redo"}) + c.head + tail);
        std::vector<int> expected{DVCmd::Undo, DVCmd::Redo};
        expected.insert(expected.end(), c.disabled.begin(), c.disabled.end());
        EXPECT_EQ(disabled, expected) << texts.first().toStdString();
    }

    // With the application's routing and edit sheet, a command it handles is enabled.
    CDVViewHost::Instance().editSheet = [](CViewDVTreeList*, CDVData*, int, bool&) { return false; };
    CDVViewHost::Instance().updateCommand = [](CViewChildDV* view, int id, CDVCommandState& state) {
        return id == DVCmd::EmbeddedDocument || id == DVCmd::Undo || id == DVCmd::Redo ||
               view->OnUpdateCommand(id, state);
    };
    std::unique_ptr<QMenu> menu(cases[0].view->CreateContextMenu(nullptr));
    QStringList texts;
    std::vector<int> disabled;
    Flatten(menu.get(), texts, disabled);
    EXPECT_TRUE(disabled.empty());
}

TEST_F(FamilyViewsTest, TheMenuKeyAndShiftF10OpenTheContextMenuUnderTheSelectedCell) {
    AddRequirement(QStringLiteral("R1"));
    AddRequirement(QStringLiteral("R2"));
    CViewTreelist* view = Open<CViewTreelist>();
    view->show();
    DV_TreeList* grid = view->GetGrid();
    const HTREEITEM second = grid->GetNextItem(grid->GetNextItem(0, TVGN_ROOT), TVGN_NEXT);
    grid->SelectItem(second, TVGN_CARET);
    QRect cell;
    ASSERT_TRUE(grid->GetItemRect(second, &cell, false));
    const QPoint cellBottom = grid->viewport()->mapToGlobal(cell.bottomLeft());

    const std::function<void()> requests[] = {
        [grid] {
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
            QApplication::sendEvent(grid->viewport(), &menuKey);
        },
        [grid] { QTest::keyClick(grid, Qt::Key_F10, Qt::ShiftModifier); },
    };
    for (const auto& request : requests) {
        request();
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            texts << action->text();
        }
        EXPECT_TRUE(texts.contains(QStringLiteral("Edit All Requirement Parameter")))
            << texts.join(u'|').toStdString();
        EXPECT_NEAR(menu->pos().y(), cellBottom.y(), 2);
        menu->close();
    }
}

}  // namespace
