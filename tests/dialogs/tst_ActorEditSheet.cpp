// The actor, use-case and step edit sheet, opened from the views as the user opens it.
#include "DialogTestSupport.h"

#include "dialogs/CReqParEdit.h"
#include "dialogs/DVDialogEntries.h"
#include "dialogs/DlgSheet_Actor_Edit.h"
#include "dialogs/Dlg_Actor_Parameters.h"
#include "dialogs/Dlg_DVData_Description.h"
#include "dialogs/Dlg_FunctionEdit.h"
#include "dialogs/Dlg_QuickParSelect.h"
#include "dialogs/Dlg_Req_Created.h"
#include "dialogs/Dlg_Step_Parameter.h"
#include "model/StringIds.h"
#include "views/CViewActors.h"
#include "views/CViewUseCaseList.h"
#include "views/CViewUseCaseSteps.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

class ActorEditSheet : public ViewTest {
protected:
    ActorEditSheet() {
        InstallDialogEntries(CDVViewHost::Instance());
        actor = AddActor(QStringLiteral("Alice"));
        actor->m_functions.push_back(Function(++doc.m_nLastFunctionId, "int", "count", "void"));
    }

    static std::unique_ptr<CFunction> Function(qint32 id, const char* returnValue, const char* name,
                                               const char* parameters) {
        auto function = std::make_unique<CFunction>();
        function->m_nId = id;
        function->m_strReturnValue = QString::fromLatin1(returnValue);
        function->m_strTitle = QString::fromLatin1(name);
        function->m_strParameters = QString::fromLatin1(parameters);
        return function;
    }

    // Runs the action on the sheet that the trigger opens; the action ends the sheet.
    static void InSheet(const std::function<void()>& trigger,
                        const std::function<void(DlgSheet_Actor_Edit&)>& action) {
        bool opened = false;
        WhenModal([&](QWidget* modal) {
            auto* sheet = qobject_cast<DlgSheet_Actor_Edit*>(modal);
            ASSERT_NE(sheet, nullptr);
            opened = true;
            action(*sheet);
        });
        trigger();
        EXPECT_TRUE(opened);
    }
    void EditAll(CViewDVTreeList* view, qint32 id, const std::function<void(DlgSheet_Actor_Edit&)>& action) {
        Select(view, id);
        InSheet([view] { view->OnCommand(DVCmd::EditAll); }, action);
    }

    template <typename Page>
    static Page* ShowPage(DlgSheet_Actor_Edit& sheet, int index) {
        sheet.Tabs()->setCurrentIndex(index);
        auto* page = qobject_cast<Page*>(sheet.Page(index));
        EXPECT_NE(page, nullptr);
        return page;
    }

    // Adds a function through the page's button and its editor.
    static void AddFunction(Dlg_Actor_Parameters* page, const char* name) {
        WhenModal([name](QWidget* modal) {
            auto* editor = qobject_cast<Dlg_FunctionEdit*>(modal);
            ASSERT_NE(editor, nullptr);
            EXPECT_EQ(editor->NameEdit()->text(), QStringLiteral("New Function"));
            editor->ReturnValueEdit()->setText(QStringLiteral("int"));
            editor->NameEdit()->setText(QString::fromLatin1(name));
            editor->ParametersEdit()->setText(QStringLiteral("void"));
            editor->accept();
        });
        page->AddEntry();
    }

    static QStringList FunctionTexts(const CActor* actor) {
        QStringList texts;
        for (const auto& function : actor->m_functions) {
            texts << QStringLiteral("%1:%2").arg(function->m_nId).arg(function->FunctionText());
        }
        return texts;
    }

    CActor* actor;
};

TEST_F(ActorEditSheet, EnterOnTheFunctionsAndParameterCellsOpensTheirPages) {
    AddRequirement(QStringLiteral("R"));  // an empty project would get the default columns
    SetColumns(doc.m_colsActors, {FIELD_DESCRIPTION, FIELD_ACTOR_PARAMETER, FIELD_ACTOR_FUNCTIONS});
    auto* view = Open<CViewActors>();
    const std::pair<int, int> cases[] = {{FIELD_ACTOR_FUNCTIONS, DlgSheet_Actor_Edit::FunctionsPage},
                                         {FIELD_ACTOR_PARAMETER, DlgSheet_Actor_Edit::ActorParametersPage}};
    for (const auto& [fieldId, page] : cases) {
        SCOPED_TRACE(fieldId);
        Select(view, actor->m_nId, FieldColumn(view, fieldId));
        InSheet([view] { view->OnCommand(DVCmd::EditField); },
                [page](DlgSheet_Actor_Edit& sheet) {
                    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Edit Actor Alice, ID=1"));
                    EXPECT_EQ(sheet.Tabs()->currentIndex(), page);
                    EXPECT_TRUE(sheet.Page(page)->IsInitialised());
                    EXPECT_FALSE(sheet.Page(DlgSheet_Actor_Edit::ActorDescriptionPage)->IsInitialised());
                    sheet.reject();
                });
    }
    EditAll(view, actor->m_nId, [](DlgSheet_Actor_Edit& sheet) {
        EXPECT_EQ(sheet.Tabs()->currentIndex(), DlgSheet_Actor_Edit::ActorDescriptionPage);
        QStringList titles;
        for (int i = 0; i < sheet.Tabs()->count(); ++i) {
            titles << sheet.Tabs()->tabText(i);
        }
        EXPECT_EQ(titles, (QStringList{QStringLiteral("Description"), QStringLiteral("Functions of Actor"),
                                       QStringLiteral("Parameters of Actor"),
                                       QStringLiteral("User-Defined Parameters")}));
        sheet.reject();
    });
}

TEST_F(ActorEditSheet, AddedFunctionsGetTheirIdentifiersOnlyOnOk) {
    auto* view = Open<CViewActors>();
    const qint32 lastId = doc.m_nLastFunctionId;
    const QStringList before = FunctionTexts(actor);
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        const VersionNumber version = actor->m_version;
        const VersionNumber next = NextPhaseVersion(&doc, *actor);
        EditAll(view, actor->m_nId, [&](DlgSheet_Actor_Edit& sheet) {
            auto* page = ShowPage<Dlg_Actor_Parameters>(sheet, DlgSheet_Actor_Edit::FunctionsPage);
            ASSERT_EQ(page->List()->topLevelItemCount(), 1);
            QTreeWidgetItem* row = page->List()->topLevelItem(0);
            EXPECT_EQ(row->text(Dlg_Actor_Parameters::ColumnReturnValue), QStringLiteral("int"));
            EXPECT_EQ(row->text(Dlg_Actor_Parameters::ColumnFunctionName), QStringLiteral("= count"));
            EXPECT_EQ(row->text(Dlg_Actor_Parameters::ColumnParameterList), QStringLiteral("( void )"));
            AddFunction(page, "first");
            AddFunction(page, "second");
            EXPECT_EQ(page->List()->currentItem(), page->List()->topLevelItem(2));
            ok ? sheet.accept() : sheet.reject();
        });
        EXPECT_EQ(actor->m_version, ok ? next : version);
    }
    EXPECT_EQ(doc.m_nLastFunctionId, lastId + 2);
    const QStringList added{QStringLiteral("%1:int = first( void )").arg(lastId + 1),
                            QStringLiteral("%1:int = second( void )").arg(lastId + 2)};
    EXPECT_EQ(FunctionTexts(actor), before + added);
}

TEST_F(ActorEditSheet, AFunctionDeletedAndAddedAgainIsAChangeButARebuiltListIsNot) {
    auto* view = Open<CViewActors>();
    struct Case {
        const char* name;
        bool replace;
    };
    for (const Case& c : {Case{"untouched", false}, Case{"replaced", true}}) {
        SCOPED_TRACE(c.name);
        const VersionNumber version = actor->m_version;
        messages.answers = {DV::IDYES};
        EditAll(view, actor->m_nId, [&](DlgSheet_Actor_Edit& sheet) {
            auto* page = ShowPage<Dlg_Actor_Parameters>(sheet, DlgSheet_Actor_Edit::FunctionsPage);
            if (c.replace) {
                page->List()->setCurrentItem(page->List()->topLevelItem(0));
                page->DeleteEntry();
                EXPECT_EQ(page->List()->topLevelItemCount(), 0);
                AddFunction(page, "count");
            }
            sheet.accept();
        });
        EXPECT_EQ(actor->m_version != version, c.replace);
    }
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts[0], QStringLiteral("Do you really want to delete the function \"count\"?"));
    EXPECT_EQ(messages.types[0], DV::MB_YESNO | DV::MB_ICONQUESTION | DV::MB_DEFBUTTON2);
    ASSERT_EQ(actor->m_functions.size(), 1u);
    EXPECT_EQ(actor->m_functions[0]->m_nId, doc.m_nLastFunctionId);
}

TEST_F(ActorEditSheet, ActorParametersAreAddedEditedAndDeleted) {
    auto* view = Open<CViewActors>();
    EditAll(view, actor->m_nId, [&](DlgSheet_Actor_Edit& sheet) {
        auto* page = ShowPage<Dlg_Actor_Parameters>(sheet, DlgSheet_Actor_Edit::ActorParametersPage);
        for (const char* name : {"Speed", "Gone"}) {
            WhenModal([name](QWidget* modal) {
                auto* editor = qobject_cast<CReqParEdit*>(modal);
                ASSERT_NE(editor, nullptr);
                EXPECT_EQ(editor->NameEdit()->text(), QStringLiteral("New Parameter"));
                editor->NameEdit()->setText(QString::fromLatin1(name));
                editor->accept();
            });
            page->AddEntry();
        }
        // Rename the first by a double-click, delete the second.
        WhenModal([](QWidget* modal) {
            auto* editor = qobject_cast<CReqParEdit*>(modal);
            ASSERT_NE(editor, nullptr);
            editor->NameEdit()->setText(QStringLiteral("Velocity"));
            editor->TypeCombo()->setCurrentIndex(DVParameter::TypeNumber);
            editor->accept();
        });
        QTreeWidgetItem* first = page->List()->topLevelItem(0);
        Q_EMIT page->List()->itemDoubleClicked(first, 0);
        EXPECT_EQ(first->text(Dlg_Actor_Parameters::ColumnName), QStringLiteral("Velocity"));
        EXPECT_EQ(first->text(Dlg_Actor_Parameters::ColumnType), QStringLiteral("Number"));
        page->List()->setCurrentItem(page->List()->topLevelItem(1));
        messages.answers = {DV::IDYES};
        page->DeleteEntry();
        EXPECT_TRUE(actor->m_actorParameters.empty());  // private copies until OK
        sheet.accept();
    });
    ASSERT_EQ(actor->m_actorParameters.size(), 1u);
    EXPECT_EQ(actor->m_actorParameters[0]->m_strName, QStringLiteral("Velocity"));
    EXPECT_EQ(actor->m_actorParameters[0]->m_nType, DVParameter::TypeNumber);
    EXPECT_EQ(actor->m_actorParameters[0]->m_nId, doc.m_nLastActorParameterId);
    EXPECT_EQ(messages.texts.last(), QStringLiteral("Do you really want to delete the parameter \"Gone\"?"));
}

TEST_F(ActorEditSheet, AStepsActorIsSetOnOkOnlyAndItsTypeKeepsWhenTheParameterPageWasSeen) {
    CUseCase* useCase = AddUseCase(QStringLiteral("UC"));
    CStep* step = AddStep(useCase, QStringLiteral("S"));
    auto* view = Open<CViewUseCaseSteps>(useCase);
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        EditAll(view, step->m_nId, [&](DlgSheet_Actor_Edit& sheet) {
            EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Edit Step S, ID=%1").arg(step->m_nId));
            auto* description = qobject_cast<Dlg_DVData_Description*>(sheet.Page(0));
            ASSERT_EQ(description->TypeCombo()->count(), 10);
            EXPECT_EQ(description->TypeCombo()->itemText(9), QStringLiteral("Unsuccessful End"));
            description->TypeCombo()->setCurrentIndex(CStep::Fork);
            auto* parameters = ShowPage<Dlg_Step_Parameter>(sheet, 2);
            CheckInNextQuickSelect(actor->m_nId);
            QTest::mouseClick(parameters->EditButton(Dlg_Step_Parameter::RowActor), Qt::LeftButton);
            EXPECT_EQ(parameters->RowText(Dlg_Step_Parameter::RowActor)->toPlainText(),
                      QStringLiteral("Alice"));
            EXPECT_EQ(step->m_nActorId, 0);
            QTest::keyClicks(parameters->TimeRequirementEdit(), "1 s");
            ok ? sheet.accept() : sheet.reject();
        });
        EXPECT_EQ(step->m_nActorId, ok ? actor->m_nId : 0);
        EXPECT_EQ(step->m_nType, ok ? CStep::Fork : CStep::Simple);
        EXPECT_EQ(step->m_strTimeRequirement, ok ? QStringLiteral("1 s") : QString());
    }
}

TEST_F(ActorEditSheet, AStepsInputAndOutputValuesAreSetOnOkOnly) {
    auto addParameter = [this](int type, const char* name) {
        auto parameter = std::make_unique<DVParameter>();
        parameter->m_nId = ++doc.m_nLastActorParameterId;
        parameter->m_nType = type;
        parameter->m_strName = QString::fromLatin1(name);
        actor->m_actorParameters.push_back(std::move(parameter));
        return actor->m_actorParameters.back().get();
    };
    DVParameter* speed = addParameter(DVParameter::TypeNumber, "Speed");
    DVParameter* mode = addParameter(DVParameter::TypeList, "Mode");
    mode->m_items = {QStringLiteral("Auto"), QStringLiteral("Manual")};
    CUseCase* useCase = AddUseCase(QStringLiteral("UC"));
    CStep* step = AddStep(useCase, QStringLiteral("S"));
    auto* view = Open<CViewUseCaseSteps>(useCase);
    // Picks the parameter in the quick selection and enters its value in the value dialog.
    const auto setValue = [](Dlg_Step_Parameter* page, int row, const DVParameter* parameter,
                             const std::function<void(CDVValueList*)>& enter) {
        WhenModal([&](QWidget* modal) {
            auto* select = qobject_cast<Dlg_QuickSelect*>(modal);
            ASSERT_NE(select, nullptr);
            select->Tree()->setCurrentItem(select->FindItem(quint32(parameter->m_nId)));
            WhenModal([&](QWidget* valuesModal) {
                auto* values = qobject_cast<Dlg_QuickParSelect*>(valuesModal);
                ASSERT_NE(values, nullptr);
                enter(values->List());
                values->accept();
            });
            select->accept();
        });
        QTest::mouseClick(page->EditButton(row), Qt::LeftButton);
    };
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        EditAll(view, step->m_nId, [&](DlgSheet_Actor_Edit& sheet) {
            auto* page = ShowPage<Dlg_Step_Parameter>(sheet, 2);
            setValue(page, Dlg_Step_Parameter::RowInputValues, speed,
                     [](CDVValueList* list) { TypeValue(list, 0, QStringLiteral("5")); });
            setValue(page, Dlg_Step_Parameter::RowOutputValues, mode,
                     [](CDVValueList* list) { ChooseItem(list, 0, 1); });
            EXPECT_EQ(page->RowText(Dlg_Step_Parameter::RowInputValues)->toPlainText(),
                      QStringLiteral("Speed = 5"));
            EXPECT_EQ(page->RowText(Dlg_Step_Parameter::RowOutputValues)->toPlainText(),
                      QStringLiteral("Mode = Manual"));
            EXPECT_TRUE(step->m_inputValues.empty());
            ok ? sheet.accept() : sheet.reject();
        });
        ASSERT_EQ(step->m_inputValues.size(), ok ? 1u : 0u);
        ASSERT_EQ(step->m_outputValues.size(), ok ? 1u : 0u);
    }
    EXPECT_EQ(step->m_inputValues[0].m_nParameterId, speed->m_nId);
    EXPECT_EQ(step->m_inputValues[0].m_dNumber, 5.0);
    EXPECT_EQ(step->m_outputValues[0].m_nParameterId, mode->m_nId);
    EXPECT_EQ(step->m_outputValues[0].m_nItem, 1);
}

TEST_F(ActorEditSheet, AStepsRequirementsReachItsUseCaseOnOk) {
    Requirement* requirement = AddRequirement(QStringLiteral("R"));
    CUseCase* useCase = AddUseCase(QStringLiteral("UC"));
    CStep* step = AddStep(useCase, QStringLiteral("S"));
    auto* view = Open<CViewUseCaseSteps>(useCase);
    EditAll(view, step->m_nId, [&](DlgSheet_Actor_Edit& sheet) {
        auto* created = ShowPage<Dlg_Req_Created>(sheet, 1);
        EXPECT_TRUE(created->EditButton(0)->isEnabled());
        EXPECT_FALSE(created->EditButton(1)->isEnabled());
        CheckInNextQuickSelect(requirement->m_nId);
        QTest::mouseClick(created->EditButton(0), Qt::LeftButton);
        EXPECT_EQ(created->ListEdit(0)->toPlainText(), QStringLiteral("R(1)"));
        EXPECT_TRUE(useCase->m_createdRequirements.empty());
        sheet.accept();
    });
    EXPECT_EQ(step->m_stepRequirements, Ids({quint32(requirement->m_nId)}));
    EXPECT_EQ(useCase->m_createdRequirements, Ids({quint32(requirement->m_nId)}));
    EXPECT_EQ(requirement->m_derivedFromUseCases, Ids({quint32(useCase->m_nId)}));
}

TEST_F(ActorEditSheet, AUseCaseSheetHasTheApprovalAndCreatedPages) {
    CUseCase* useCase = AddUseCase(QStringLiteral("UC"));
    auto* view = Open<CViewUseCaseList>();
    const VersionNumber next = NextPhaseVersion(&doc, *useCase);
    EditAll(view, useCase->m_nId, [&](DlgSheet_Actor_Edit& sheet) {
        EXPECT_EQ(sheet.Tabs()->tabText(1), QStringLiteral("Approval and Verification"));
        EXPECT_EQ(sheet.Tabs()->tabText(2), QStringLiteral("Created Requirements"));
        auto* description = qobject_cast<Dlg_DVData_Description*>(sheet.Page(0));
        EXPECT_EQ(description->TypeCombo()->itemText(0), QStringLiteral("Use Case"));
        description->TypeCombo()->setCurrentIndex(CUseCase::KindFolder);
        auto* created = ShowPage<Dlg_Req_Created>(sheet, 2);
        EXPECT_FALSE(created->EditButton(2)->isEnabled());
        sheet.accept();
    });
    EXPECT_EQ(useCase->m_nKind, CUseCase::KindFolder);
    EXPECT_EQ(useCase->m_version, next);
}

TEST_F(ActorEditSheet, AUseCasesDerivedFromLinkReachesTheRequirementOnOkOnly) {
    Requirement* requirement = AddRequirement(QStringLiteral("R"));
    CUseCase* useCase = AddUseCase(QStringLiteral("UC"));
    auto* view = Open<CViewUseCaseList>();
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        EditAll(view, useCase->m_nId, [&](DlgSheet_Actor_Edit& sheet) {
            auto* created = ShowPage<Dlg_Req_Created>(sheet, 2);
            CheckInNextQuickSelect(requirement->m_nId);
            QTest::mouseClick(created->EditButton(1), Qt::LeftButton);
            EXPECT_EQ(created->ListEdit(1)->toPlainText(), QStringLiteral("R(1)"));
            EXPECT_TRUE(requirement->m_createdUseCases.empty());
            ok ? sheet.accept() : sheet.reject();
        });
        EXPECT_EQ(useCase->m_derivedFromRequirements, ok ? Ids({quint32(requirement->m_nId)}) : Ids({}));
        EXPECT_EQ(requirement->m_createdUseCases, ok ? Ids({quint32(useCase->m_nId)}) : Ids({}));
    }
}

}  // namespace
