// "Visualization of Project Data": the columns of one matrix view and their wrapping.
#include "ProjectOptionsTest.h"

#include "dialogs/Dlg_ColumnList.h"
#include "model/StringIds.h"

#include <QHeaderView>
#include <QTableWidget>

namespace {

class ColumnListTest : public ProjectOptionsTest {
protected:
    void SetUp() override {
        ProjectOptionsTest::SetUp();
        view = ActiveMatrix();
        CDVColumn& columns = view->ViewColumns();
        columns.Clear();
        columns.AddColumn(407, 200, 0);
        columns.AddColumn(402, 80, 0);
        columns.AddColumn(FIELD_DESCRIPTION, 120, 0);
        view->Rebuild();
    }
    // Runs "Choose Columns ..." of the view; act works on the dialog while it is open.
    void ChooseColumns(const std::function<void(Dlg_ColumnList&)>& act, bool ok = true) {
        WithModal<Dlg_ColumnList>([this] { view->OnCommand(DVCmd::ChooseColumns); }, act, ok);
    }
    static QStringList Texts(Dlg_ColumnList& dialog) {
        QStringList texts;
        for (int row = 0; row < dialog.List()->rowCount(); ++row) {
            texts.append(dialog.List()->item(row, Dlg_ColumnList::ShowColumn)->text());
        }
        return texts;
    }
    static void Click(Dlg_ColumnList& dialog, int fieldId, int column,
                      Qt::MouseButton button = Qt::LeftButton) {
        const int row = dialog.RowOf(fieldId);
        ASSERT_GE(row, 0) << fieldId;
        QTableWidget* list = dialog.List();
        list->scrollToItem(list->item(row, column));
        const QPoint centre = list->visualItemRect(list->item(row, column)).center();
        if (button == Qt::RightButton) {
            list->customContextMenuRequested(centre);
        } else {
            QTest::mouseClick(list->viewport(), button, {}, centre);
        }
    }

    CViewDVTreeList* view = nullptr;
};

TEST_F(ColumnListTest, TheRowsFollowTheFamilyThePhasesAndTheParameters) {
    doc->m_bImplementationPhase = false;
    doc->m_bValidationPhase = true;
    for (const char* name : {"Weight", "Gone", "Colour"}) {
        DVParameter* definition = doc->m_parameters.Append(doc->NewParameter());
        definition->m_strName = QString::fromUtf8(name);
        definition->m_bDeleted = definition->m_strName == QStringLiteral("Gone");
    }
    ChooseColumns(
        [&](Dlg_ColumnList& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Visualization of Project Data"));
            EXPECT_EQ(dialog.List()->horizontalHeaderItem(0)->text(),
                      QStringLiteral("Show Requirement Data / Parameter"));
            EXPECT_EQ(dialog.List()->horizontalHeaderItem(1)->text(),
                      QStringLiteral("Wrap Text in this Column"));
            const QStringList texts = Texts(dialog);
            EXPECT_EQ(texts.mid(0, 9),
                      (QStringList{"Requirement", "Requirement (simple column)", "ID", "Description",
                                   "Comment", "Version", "Last Modified", "Requirement Type", "Linkage"}));
            EXPECT_EQ(texts.value(9), QStringLiteral("Linkage (without icon)"));
            EXPECT_EQ(dialog.RowOf(FIELD_IMPLEMENTED), -1);
            EXPECT_EQ(dialog.RowOf(FIELD_IMPLEMENTATION_COST), -1);
            EXPECT_GE(dialog.RowOf(FIELD_VALIDATED), 0);
            EXPECT_EQ(texts.mid(texts.size() - 2), (QStringList{"Weight", "Colour"}));
            EXPECT_EQ(dialog.RowOf(FIELD_FIRST_PARAMETER + 2), int(texts.size()) - 1);
            // The view's columns are chosen; every column wraps.
            for (int fieldId : {407, 402, 403}) {
                EXPECT_TRUE(dialog.IsChosen(dialog.RowOf(fieldId), Dlg_ColumnList::ShowColumn)) << fieldId;
            }
            EXPECT_FALSE(dialog.IsChosen(dialog.RowOf(412), Dlg_ColumnList::ShowColumn));
            EXPECT_EQ(dialog.List()->item(0, Dlg_ColumnList::WrapColumn)->text(), QStringLiteral("Yes"));
        },
        false);

    // Use cases offer their own rows.
    view = OpenWindow(CommandIds::ID_VIEW_USE_CASES_WINDOW);
    ChooseColumns(
        [&](Dlg_ColumnList& dialog) {
            EXPECT_EQ(dialog.List()->horizontalHeaderItem(0)->text(),
                      QStringLiteral("Show Use-Case Data / Parameter"));
            EXPECT_GE(dialog.RowOf(FIELD_UC_APPROVED), 0);
            EXPECT_EQ(dialog.RowOf(FIELD_APPROVED), -1);
        },
        false);
}

TEST_F(ColumnListTest, RemovingAndAddingColumnsRebuildsTheViewWithNewWidths) {
    ChooseColumns([&](Dlg_ColumnList& dialog) {
        Click(dialog, 402, Dlg_ColumnList::ShowColumn);                   // remove
        Click(dialog, 412, Dlg_ColumnList::ShowColumn, Qt::RightButton);  // append
        Click(dialog, 411, Dlg_ColumnList::ShowColumn);
        Click(dialog, 411, Dlg_ColumnList::WrapColumn);  // appended on one line
        EXPECT_EQ(dialog.List()->item(dialog.RowOf(411), Dlg_ColumnList::WrapColumn)->text(),
                  QStringLiteral("No"));
    });
    EXPECT_EQ(FieldIds(view), (std::vector<quint32>{407, 403, 412, 411}));
    EXPECT_EQ(view->ViewColumns().m_flags, (std::vector<quint16>{0, 0, 0, 1}));
    EXPECT_TRUE(view->ViewColumns().m_widths.empty());  // the view shares out its width anew
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(ColumnListTest, TheDialogAppendsWithWidth150AndRemovesDeletedParameters) {
    DVParameter* weight = doc->m_parameters.Append(doc->NewParameter());
    view->ViewColumns().AddColumn(FIELD_FIRST_PARAMETER, 90, 0);
    weight->m_bDeleted = true;
    Dlg_ColumnList dialog(doc, view);
    EXPECT_EQ(dialog.RowOf(FIELD_FIRST_PARAMETER), -1);
    dialog.Toggle(dialog.RowOf(412), Dlg_ColumnList::ShowColumn);
    dialog.accept();
    EXPECT_TRUE(dialog.Changed());
    EXPECT_FALSE(dialog.KeepWidths());
    const CDVColumn& columns = view->ViewColumns();
    EXPECT_EQ(columns.m_fieldIds, (std::vector<quint32>{407, 402, 403, 412}));
    EXPECT_EQ(columns.m_widths, (std::vector<qint32>{200, 80, 120, 150}));
    EXPECT_EQ(columns.m_flags, (std::vector<quint16>{0, 0, 0, 0}));
}

TEST_F(ColumnListTest, WrappingAloneKeepsTheWidths) {
    view->GetGrid()->SetColumnWidth(1, 133);
    ChooseColumns([&](Dlg_ColumnList& dialog) {
        dialog.List()->setCurrentCell(dialog.RowOf(402), Dlg_ColumnList::WrapColumn);
        dialog.List()->setFocus();
        QTest::keyClick(dialog.List(), Qt::Key_Space);
    });
    EXPECT_EQ(FieldIds(view), (std::vector<quint32>{407, 402, 403}));
    EXPECT_EQ(view->ViewColumns().m_flags, (std::vector<quint16>{0, 1, 0}));
    EXPECT_EQ(view->GetGrid()->GetColumnWidth(1), 133);
    EXPECT_EQ(view->GetGrid()->GetLayout()->columns[1].textFlags, TLTF_SINGLELINE);
}

TEST_F(ColumnListTest, TheTopRowHidesAndShowsTheTitleColumn) {
    ChooseColumns([&](Dlg_ColumnList& dialog) { Click(dialog, 407, Dlg_ColumnList::ShowColumn); });
    EXPECT_TRUE(view->ViewColumns().m_bFirstColumnHidden);
    EXPECT_EQ(FieldIds(view), (std::vector<quint32>{407, 402, 403}));
    EXPECT_EQ(view->GetGrid()->GetColumnWidth(0), 0);
    ChooseColumns([&](Dlg_ColumnList& dialog) {
        EXPECT_FALSE(dialog.IsChosen(0, Dlg_ColumnList::ShowColumn));
        Click(dialog, 407, Dlg_ColumnList::ShowColumn);
    });
    EXPECT_FALSE(view->ViewColumns().m_bFirstColumnHidden);
    EXPECT_GT(view->GetGrid()->GetColumnWidth(0), 0);
}

TEST_F(ColumnListTest, CancelChangesNothing) {
    doc->SetModifiedFlag(false);
    ChooseColumns(
        [&](Dlg_ColumnList& dialog) {
            Click(dialog, 402, Dlg_ColumnList::ShowColumn);
            Click(dialog, 412, Dlg_ColumnList::ShowColumn);
            Click(dialog, 403, Dlg_ColumnList::WrapColumn);
        },
        false);
    EXPECT_EQ(FieldIds(view), (std::vector<quint32>{407, 402, 403}));
    EXPECT_EQ(view->ViewColumns().m_flags, (std::vector<quint16>{0, 0, 0}));
    EXPECT_FALSE(doc->IsModified());
}

}  // namespace
