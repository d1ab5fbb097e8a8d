// The "User-Defined Parameters" page: values private until OK, definitions live at once, deletion at OK.
#include "DialogTestSupport.h"

#include "dialogs/CReqParEdit.h"
#include "dialogs/Dlg_Req_Parameters.h"
#include "model/StringIds.h"
#include "views/CViewTreelist.h"

#include <QHeaderView>

namespace {

class ParametersPage : public ViewTest {
protected:
    ParametersPage() {
        cost = AddDefinition(DVParameter::TypeNumber, QStringLiteral("Cost"));
        colour = AddDefinition(DVParameter::TypeList, QStringLiteral("Colour"));
        colour->m_items = {QStringLiteral("Red"), QStringLiteral("Green")};
        colour->m_nDefaultItem = 0;
        note = AddDefinition(DVParameter::TypeText, QStringLiteral("Note"));
        note->m_nMaxLength = 3;
        requirement = AddRequirement(QStringLiteral("A"));
        requirement->AddParameterValue(cost->m_nId).m_dNumber = 5;
        SetColumns(doc.m_colsRequirements, {FIELD_TITLE, FIELD_ID, FIELD_FIRST_PARAMETER,
                                            FIELD_FIRST_PARAMETER + 1, FIELD_FIRST_PARAMETER + 2});
    }
    DVParameter* AddDefinition(int type, const QString& name) {
        auto definition = std::make_unique<DVParameter>();
        definition->m_nId = ++doc.m_nLastParameterId;
        definition->m_nType = type;
        definition->m_strName = name;
        return doc.m_parameters.Append(std::move(definition));
    }
    std::unique_ptr<Dlg_Req_Parameters> OpenPage() {
        view = Open<CViewTreelist>();
        auto page = std::make_unique<Dlg_Req_Parameters>(&doc);
        page->SetContext(requirement, view, &changed, &columnRemoved, &definitionsChanged);
        page->EnsureInitialised();
        page->resize(500, 300);
        page->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(page.get()));
        page->activateWindow();
        return page;
    }
    static int RowOf(Dlg_Req_Parameters& page, const QString& name) {
        for (int row = 0; row < page.List()->rowCount(); ++row) {
            if (page.List()->CellText(row, Dlg_Req_Parameters::ColumnName) == name) {
                return row;
            }
        }
        return -1;
    }

    DVParameter* cost;
    DVParameter* colour;
    DVParameter* note;
    Requirement* requirement;
    CViewDVTreeList* view = nullptr;
    bool changed = false;
    bool columnRemoved = false;
    bool definitionsChanged = false;
};

TEST_F(ParametersPage, RowsShowTheDefinitionsAndTheObjectsValues) {
    auto deleted = AddDefinition(DVParameter::TypeText, QStringLiteral("Gone"));
    deleted->m_bDeleted = true;
    auto page = OpenPage();
    CDVValueList* list = page->List();
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_EQ(list->CellText(0, Dlg_Req_Parameters::ColumnName), QStringLiteral("Cost"));
    EXPECT_EQ(list->CellText(0, Dlg_Req_Parameters::ColumnType), QStringLiteral("Number"));
    EXPECT_EQ(list->CellText(0, Dlg_Req_Parameters::ColumnValue), QStringLiteral("5"));
    EXPECT_EQ(list->CellText(1, Dlg_Req_Parameters::ColumnValue), QStringLiteral("Red"));  // the default item
    EXPECT_EQ(list->CellText(2, Dlg_Req_Parameters::ColumnValue), QString());
    EXPECT_EQ(list->horizontalHeader()->visualIndex(Dlg_Req_Parameters::ColumnName), 0);
    EXPECT_EQ(list->horizontalHeader()->visualIndex(Dlg_Req_Parameters::ColumnValue), 2);
}

TEST_F(ParametersPage, ValuesStayOnThePageUntilOk) {
    auto page = OpenPage();
    TypeValue(page->List(), RowOf(*page, QStringLiteral("Note")), QStringLiteral("abcd"));
    EXPECT_EQ(messages.texts,
              QStringList(QStringLiteral("Text is longer than permitted. Maximum length is 3.")));
    EXPECT_EQ(page->List()->CellText(2, Dlg_Req_Parameters::ColumnValue), QString());
    TypeValue(page->List(), RowOf(*page, QStringLiteral("Note")), QStringLiteral("abc"));
    TypeValue(page->List(), RowOf(*page, QStringLiteral("Cost")), QStringLiteral("7"));
    EXPECT_EQ(page->List()->CellText(0, Dlg_Req_Parameters::ColumnValue), QStringLiteral("7"));
    ASSERT_EQ(requirement->m_pParameterValues->size(), 1u);
    EXPECT_EQ(requirement->m_pParameterValues->at(0).m_dNumber, 5.0);

    EXPECT_TRUE(page->ApplyPage());
    EXPECT_TRUE(changed);
    EXPECT_FALSE(definitionsChanged);
    const auto& values = *requirement->m_pParameterValues;
    ASSERT_EQ(values.size(), 3u);  // the untouched list row takes its default
    EXPECT_EQ(values[0].m_dNumber, 7.0);
    EXPECT_EQ(values[1].m_nParameterId, colour->m_nId);
    EXPECT_EQ(values[1].m_nItem, 0);
    EXPECT_EQ(values[2].m_strText, QStringLiteral("abc"));
}

TEST_F(ParametersPage, AListValueIsChosenFromItsItems) {
    auto page = OpenPage();
    ChooseItem(page->List(), RowOf(*page, QStringLiteral("Colour")), 1);
    EXPECT_EQ(page->List()->CellText(1, Dlg_Req_Parameters::ColumnValue), QStringLiteral("Green"));
    page->ApplyPage();
    EXPECT_EQ(requirement->FindParameterValue(colour->m_nId)->m_nItem, 1);
}

TEST_F(ParametersPage, AnUntouchedObjectWithoutValuesStaysUnchanged) {
    colour->m_bDeleted = true;
    requirement->m_pParameterValues.reset();
    auto page = OpenPage();
    EXPECT_FALSE(page->ApplyPage());
    EXPECT_FALSE(changed);
    EXPECT_FALSE(requirement->m_pParameterValues.has_value());
}

TEST_F(ParametersPage, AnAddedDefinitionIsLiveAtOnce) {
    auto page = OpenPage();
    doc.SetModifiedFlag(false);
    WhenModal([](QWidget* modal) {
        auto* editor = qobject_cast<CReqParEdit*>(modal);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->IdEdit()->text(), QStringLiteral("---"));
        editor->NameEdit()->setText(QStringLiteral("Weight"));
        editor->accept();
    });
    page->AddParameter();
    ASSERT_EQ(doc.m_parameters.size(), 4);
    const DVParameter* added = doc.m_parameters.at(3);
    EXPECT_EQ(added->m_nId, 4);
    EXPECT_EQ(doc.m_nLastParameterId, 4);
    EXPECT_EQ(added->m_strName, QStringLiteral("Weight"));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(page->List()->rowCount(), 4);
    EXPECT_EQ(page->List()->currentRow(), 3);
    // The sheet is cancelled: the definition stays, the object's values are untouched.
    page.reset();
    EXPECT_EQ(doc.m_parameters.size(), 4);
    EXPECT_EQ(requirement->m_pParameterValues->size(), 1u);
}

TEST_F(ParametersPage, ACancelledEditorAddsNothing) {
    auto page = OpenPage();
    WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    page->AddParameter();
    EXPECT_EQ(doc.m_parameters.size(), 3);
    EXPECT_EQ(doc.m_nLastParameterId, 3);
}

TEST_F(ParametersPage, RenamingSetsTheDefinitionsChangedFlag) {
    auto page = OpenPage();
    page->List()->selectRow(RowOf(*page, QStringLiteral("Cost")));
    WhenModal([](QWidget* modal) {
        auto* editor = qobject_cast<CReqParEdit*>(modal);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->windowTitle(), QStringLiteral("Edit Parameter Cost"));
        editor->NameEdit()->setText(QStringLiteral("Price"));
        editor->accept();
    });
    page->EditParameter();
    EXPECT_EQ(cost->m_strName, QStringLiteral("Price"));  // live before OK
    EXPECT_EQ(page->List()->CellText(0, Dlg_Req_Parameters::ColumnName), QStringLiteral("Price"));
    EXPECT_EQ(page->List()->CellText(0, Dlg_Req_Parameters::ColumnValue), QStringLiteral("5"));
    page->ApplyPage();
    EXPECT_TRUE(changed);
    EXPECT_TRUE(definitionsChanged);
}

TEST_F(ParametersPage, DeletingRemovesTheColumnAtOnceAndMarksTheDefinitionAtOk) {
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        colour->m_bDeleted = false;
        columnRemoved = false;
        messages.Clear();
        auto page = OpenPage();
        const int columns = view->GetGrid()->GetColumnCount();
        page->List()->selectRow(RowOf(*page, QStringLiteral("Colour")));
        messages.answers = {DV::IDYES};
        page->DeleteParameter();
        EXPECT_EQ(messages.texts,
                  QStringList(QStringLiteral("Do you really want to delete the parameter \"Colour\"?")));
        EXPECT_EQ(messages.types.front(), DV::MB_YESNO | DV::MB_ICONQUESTION | DV::MB_DEFBUTTON2);
        EXPECT_TRUE(columnRemoved);
        EXPECT_EQ(FieldColumn(view, FIELD_FIRST_PARAMETER + 1), -1);
        EXPECT_EQ(view->GetGrid()->GetColumnCount(), columns - 1);
        EXPECT_EQ(view->ViewColumns().ColumnCount(), columns - 1);
        EXPECT_EQ(FieldColumn(view, FIELD_FIRST_PARAMETER + 2),
                  columns - 2);  // the later column kept its field
        EXPECT_EQ(page->List()->rowCount(), 2);
        EXPECT_FALSE(colour->m_bDeleted);
        if (ok) {
            page->ApplyPage();
        }
        EXPECT_EQ(colour->m_bDeleted, ok);
    }
}

TEST_F(ParametersPage, NoToTheDeleteQuestionKeepsEverything) {
    auto page = OpenPage();
    page->List()->selectRow(RowOf(*page, QStringLiteral("Colour")));
    page->DeleteParameter();  // the recorder answers with the default button, No
    EXPECT_FALSE(columnRemoved);
    EXPECT_NE(FieldColumn(view, FIELD_FIRST_PARAMETER + 1), -1);
    EXPECT_EQ(page->List()->rowCount(), 3);
    page->ApplyPage();
    EXPECT_FALSE(colour->m_bDeleted);
}

}  // namespace
