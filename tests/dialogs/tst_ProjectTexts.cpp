// "Language Support" and "Column Header Definitions": the project's own value names and headers.
#include "ProjectOptionsTest.h"

#include "dialogs/Dlg_Project_Columns.h"
#include "dialogs/Dlg_Project_General.h"
#include "dialogs/Dlg_Project_Phases.h"
#include "dialogs/Dlg_Project_ViewProperties.h"
#include "model/StringIds.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

using namespace ProjectIds;

namespace {

class ProjectTextsTest : public ProjectOptionsTest {
protected:
    // Starts editing the user text of a field's row with the given gesture and types the text.
    enum Gesture { Button, DoubleClick, RightClick, F2Key };
    static void Rename(Dlg_Project_Columns* page, int fieldId, Gesture gesture, const QString& text) {
        QTreeWidget* list = page->List();
        QTreeWidgetItem* item = page->RowOf(fieldId);
        ASSERT_NE(item, nullptr) << fieldId;
        list->setCurrentItem(item);
        list->scrollToItem(item);
        const QPoint centre = list->visualItemRect(item).center();
        switch (gesture) {
            case Button:
                page->EditButton()->click();
                break;
            case DoubleClick:
                // The first click of the gesture, then the second that makes it a double-click.
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
                break;
            case RightClick:
                list->customContextMenuRequested(centre);
                break;
            case F2Key:
                list->setFocus();
                QTest::keyClick(list, Qt::Key_F2);
                break;
        }
        TypeIntoEditor(text);
    }
    static QStringList Row(Dlg_Project_Columns* page, int fieldId) {
        const QTreeWidgetItem* item = page->RowOf(fieldId);
        return item == nullptr ? QStringList() : QStringList{item->text(0), item->text(1), item->text(2)};
    }
};

TEST_F(ProjectTextsTest, PagesListTheirTextsWithTheirDefaults) {
    doc->m_userHeaders = {{403, QStringLiteral("Beschreibung")}};
    RunSheet(
        [&](Dlg_Project_Options_Sheet& sheet) {
            auto* language = ShowPage<Dlg_Project_Columns>(sheet, Dlg_Project_Options_Sheet::LanguagePage);
            EXPECT_EQ(language->Title(), QStringLiteral("Language Support"));
            EXPECT_EQ(language->List()->topLevelItemCount(), 50);
            EXPECT_EQ(language->List()->headerItem()->text(2), QStringLiteral("User Defined Expression"));
            EXPECT_EQ(language->EditButton()->text(), QStringLiteral("Edit User Expression"));
            EXPECT_EQ(Row(language, 515), (QStringList{"General", "Yes", ""}));
            EXPECT_EQ(Row(language, 532), (QStringList{"Use-Case Step", "Unsuccessful End", ""}));

            auto* headers = ShowPage<Dlg_Project_Columns>(sheet, Dlg_Project_Options_Sheet::HeadersPage);
            EXPECT_EQ(headers->Title(), QStringLiteral("Column Header Definitions"));
            EXPECT_EQ(headers->List()->topLevelItemCount(), 55);
            EXPECT_EQ(headers->List()->headerItem()->text(1), QStringLiteral("Default Header Definition"));
            EXPECT_EQ(headers->EditButton()->text(), QStringLiteral("Edit User Defined Header"));
            EXPECT_EQ(headers->ResetButton()->text(), QStringLiteral("Reset Default Value"));
            EXPECT_EQ(Row(headers, 403), (QStringList{"General", "Description", "Beschreibung"}));
            EXPECT_EQ(Row(headers, 488), (QStringList{"Rqmt. / Use Case", "Validation Cost", ""}));
            EXPECT_EQ(headers->List()->topLevelItem(0)->text(1), QStringLiteral("ID"));
            EXPECT_EQ(headers->List()->topLevelItem(54)->text(1), QStringLiteral("Time Requirement"));
        },
        false);
}

TEST_F(ProjectTextsTest, RenamedValueNamesAndHeadersShowInEveryViewAndTheSavedFile) {
    CViewDVTreeList* requirements = ActiveMatrix();
    ShowColumns(requirements, {407, 402, FIELD_DESCRIPTION, FIELD_APPROVED});
    CViewDVTreeList* useCases = OpenWindow(CommandIds::ID_VIEW_USE_CASES_WINDOW);
    ShowColumns(useCases, {407, FIELD_DESCRIPTION, FIELD_UC_APPROVED});
    bool ok = false;
    doc->FindRequirement(1)->Approve(true, doc, false, ok, false);
    ASSERT_TRUE(ok);
    doc->SetModifiedFlag(false);

    RunSheet([&](Dlg_Project_Options_Sheet& sheet) {
        ShowPage<Dlg_Project_General>(sheet, Dlg_Project_Options_Sheet::GeneralPage)
            ->NameEdit()
            ->setText(QStringLiteral("Kaffee"));
        auto* language = ShowPage<Dlg_Project_Columns>(sheet, Dlg_Project_Options_Sheet::LanguagePage);
        Rename(language, 515, Button, QStringLiteral("Ja"));
        Rename(language, 514, DoubleClick, QStringLiteral("Nein"));
        auto* headers = ShowPage<Dlg_Project_Columns>(sheet, Dlg_Project_Options_Sheet::HeadersPage);
        Rename(headers, FIELD_DESCRIPTION, F2Key, QStringLiteral("Beschreibung"));
        Rename(headers, FIELD_APPROVED, RightClick, QStringLiteral("Freigegeben"));
        EXPECT_EQ(Row(headers, FIELD_APPROVED).value(2), QStringLiteral("Freigegeben"));
    });
    EXPECT_TRUE(doc->IsModified());
    QStringList titles;
    for (CChildFrame* window : frame->WindowsOf(doc)) {
        titles.append(window->windowTitle());
    }
    EXPECT_EQ(titles, (QStringList{"Requirements of Kaffee[*]", "Use Cases of Kaffee[*]"}));
    EXPECT_EQ(Headers(requirements), (QStringList{"Requirement", "ID", "Beschreibung", "Freigegeben"}));
    EXPECT_EQ(Headers(useCases).value(1), QStringLiteral("Beschreibung"));
    EXPECT_EQ(Headers(useCases).value(2), QStringLiteral("Approved"));  // 437 is a header of its own
    EXPECT_EQ(CellText(requirements, 1, FIELD_APPROVED), QStringLiteral("Ja"));
    EXPECT_EQ(CellText(requirements, 2, FIELD_APPROVED), QStringLiteral("Nein"));
    EXPECT_EQ(CellText(useCases, MakeCoffee, FIELD_UC_APPROVED), QStringLiteral("Nein"));

    const std::unique_ptr<CReqDoc> reopened = SaveAndReopen();
    EXPECT_EQ(reopened->GetHeaderText(FIELD_DESCRIPTION), QStringLiteral("Beschreibung"));
    EXPECT_EQ(reopened->GetHeaderText(FIELD_APPROVED), QStringLiteral("Freigegeben"));
    EXPECT_EQ(reopened->GetValueName(515), QStringLiteral("Ja"));
    EXPECT_EQ(reopened->GetValueName(514), QStringLiteral("Nein"));
    ASSERT_EQ(reopened->m_userValueNames.size(), 2u);
    EXPECT_EQ(reopened->m_userValueNames[0].nFieldId, 515);  // in row order
}

TEST_F(ProjectTextsTest, DefaultTextsAndResetRowsLeaveTheList) {
    doc->m_userHeaders = {
        {402, QStringLiteral("ID")}, {412, QStringLiteral("Remark")}, {403, QStringLiteral("Text")}};
    doc->SetModifiedFlag(false);
    RunSheet([&](Dlg_Project_Options_Sheet& sheet) {
        auto* headers = ShowPage<Dlg_Project_Columns>(sheet, Dlg_Project_Options_Sheet::HeadersPage);
        EXPECT_EQ(Row(headers, 402).value(2), QString());  // equals its default
        EXPECT_EQ(Row(headers, 412).value(2), QStringLiteral("Remark"));
        headers->List()->setCurrentItem(headers->RowOf(412));
        headers->ResetButton()->click();
        EXPECT_EQ(Row(headers, 412).value(2), QString());
        Rename(headers, 403, Button, QString());  // an empty text is the default
    });
    EXPECT_TRUE(doc->m_userHeaders.empty());
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(Headers(ActiveMatrix()).value(1), QStringLiteral("ID"));
}

TEST_F(ProjectTextsTest, CancelChangesNothing) {
    CViewDVTreeList* view = ActiveMatrix();
    ShowColumns(view, {407, 402, FIELD_DESCRIPTION, FIELD_IMPLEMENTED});
    doc->SetModifiedFlag(false);
    const QByteArray before = Dump();
    const QStringList headersBefore = Headers(view);
    RunSheet(
        [&](Dlg_Project_Options_Sheet& sheet) {
            auto* phases = ShowPage<Dlg_Project_Phases>(sheet, Dlg_Project_Options_Sheet::PhasesPage);
            phases->ImplementationCheck()->click();
            phases->CurrencyEdit()->setText(QStringLiteral("USD"));
            auto* language = ShowPage<Dlg_Project_Columns>(sheet, Dlg_Project_Options_Sheet::LanguagePage);
            Rename(language, 515, Button, QStringLiteral("Ja"));
            auto* headers = ShowPage<Dlg_Project_Columns>(sheet, Dlg_Project_Options_Sheet::HeadersPage);
            Rename(headers, FIELD_DESCRIPTION, Button, QStringLiteral("Text"));
            auto* matrix = ShowPage<Dlg_Project_ViewProperties>(sheet, Dlg_Project_Options_Sheet::MatrixPage);
            matrix->GridLinesCheck()->click();
            matrix->AlternateCheck(Dlg_Project_ViewProperties::Requirement)->click();
            sheet.reject();
        },
        false);
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(Headers(view), headersBefore);
    EXPECT_FALSE(doc->IsModified());
}

}  // namespace
