// Building columns and rows, and the road of an in-place edit.
#include "ViewFixture.h"

#include "views/CViewMotherDV.h"
#include "views/CViewTreelist.h"

#include <QLineEdit>

namespace {

class BuildAndEditTest : public ViewTest {
protected:
    void SetUp() override {
        auto list = doc.NewParameter();
        list->m_strName = QStringLiteral("Priority");
        list->m_nType = DVParameter::TypeList;
        list->m_items = {QStringLiteral("High"), QStringLiteral("Low")};
        doc.m_parameters.Append(std::move(list));
        top = AddRequirement(QStringLiteral("Top"));
        child = AddRequirement(QStringLiteral("Child"), top->m_nId);
        other = AddRequirement(QStringLiteral("Other"));
    }

    Requirement* top = nullptr;
    Requirement* child = nullptr;
    Requirement* other = nullptr;
};

TEST_F(BuildAndEditTest, HeadersAndEditModesFollowTheFieldIds) {
    SetColumns(doc.m_colsRequirements, {407, 402, 403, 404, 401, 408, 470, 432, 100000, 100007});
    auto* view = Open<CViewTreelist>();
    struct Case {
        int fieldId;
        const char* header;
        bool modeSet;
        int mode;
        int imageBase;
        QStringList entries;
    };
    const Case cases[] = {
        {407, "Requirement", false, 0, -1, {}},
        {402, "ID", true, TLE_MODE_READONLY, -1, {}},
        {403, "Description", false, 0, -1, {}},
        {404, "Approved", true, TLE_MODE_CYCLE, 7, {"No", "Yes"}},
        {401, "Linkage", true, TLE_MODE_CYCLE, 4, {"And", "Or", "Ignore"}},
        {408, "Requirement Type", true, TLE_MODE_LIST, -1, {"Functional", "Constraint", "Quality", "Folder"}},
        {470, "Linkage", true, TLE_MODE_LIST, -1, {"And", "Or", "Ignore"}},
        {432, "Use Cases(ID)", true, TLE_MODE_READONLY, -1, {}},
        {100000, "Priority", true, TLE_MODE_LIST, -1, {"High", "Low"}},
        {100007, "<Not defined>", true, TLE_MODE_READONLY, -1, {}},
    };
    const TLLayout* layout = view->GetGrid()->GetLayout();
    ASSERT_EQ(layout->columnCount, int(std::size(cases)));
    for (int c = 0; c < layout->columnCount; ++c) {
        const Case& expected = cases[c];
        const TLColumnRecord& record = layout->columns[size_t(c)];
        SCOPED_TRACE(expected.fieldId);
        EXPECT_EQ(int(record.userValue), expected.fieldId);
        EXPECT_EQ(record.headerText, QString::fromUtf8(expected.header));
        EXPECT_EQ(record.editModeSet, expected.modeSet);
        if (expected.modeSet) {
            EXPECT_EQ(record.editMode, expected.mode);
            EXPECT_EQ(record.imageBase, expected.imageBase);
            EXPECT_EQ(record.entries, expected.entries);
        }
    }
    // Cells: the linkage and approval cells carry their images.
    const HTREEITEM row = view->FindRowOfObject(top->m_nId);
    EXPECT_EQ(view->GetGrid()->GetItemText(row, 3), QStringLiteral("No"));
    EXPECT_EQ(view->GetGrid()->GetItemImage(row, 3), 7);
    EXPECT_EQ(view->GetGrid()->GetItemImage(row, 4), 4);
    EXPECT_EQ(view->GetGrid()->GetItemText(row, 1), QString::number(top->m_nId));
}

TEST_F(BuildAndEditTest, AnEmptyColumnSetShowsTheTitleColumn) {
    doc.m_colsRequirements.Clear();
    auto* view = Open<CViewTreelist>();
    ASSERT_EQ(view->GetGrid()->GetColumnCount(), 1);
    EXPECT_EQ(view->FieldIdOfColumn(0), 407);
    EXPECT_EQ(view->GetGrid()->GetLayout()->columns[0].headerText, QStringLiteral("Requirement"));
    EXPECT_EQ(RowIds(view), (std::vector<qint32>{top->m_nId, child->m_nId, other->m_nId}));
    // Another initial update builds the same view, not a second set of columns and rows.
    view->OnInitialUpdate();
    EXPECT_EQ(view->GetGrid()->GetColumnCount(), 1);
    EXPECT_EQ(view->GetGrid()->GetCount(), 3);
}

TEST_F(BuildAndEditTest, RowsEndAtAnObjectBeforeItsParentYetTheObjectStaysInTheProject) {
    // "Orphan" names "Late" as parent, but comes first.
    Requirement* late = AddRequirement(QStringLiteral("Late"));
    Requirement* orphan = AddRequirement(QStringLiteral("Orphan"), late->m_nId);
    doc.m_requirements.Clear();
    for (Requirement* r : {top, child, orphan, late, other}) {
        doc.m_requirements.Append(r);
    }
    SetColumns(doc.m_colsRequirements, {407});
    auto* view = Open<CViewTreelist>();
    EXPECT_EQ(RowIds(view), (std::vector<qint32>{top->m_nId, child->m_nId}));

    Select(view, child->m_nId);
    view->OnCommand(DVCmd::InsertNew);
    const std::vector<qint32> ids = ListIds(doc.m_requirements);
    ASSERT_EQ(ids.size(), 6u);
    EXPECT_EQ(std::vector<qint32>(ids.end() - 3, ids.end()),
              (std::vector<qint32>{orphan->m_nId, late->m_nId, other->m_nId}));
}

TEST_F(BuildAndEditTest, TitleEditTakesTheRoadThroughTheObject) {
    SetColumns(doc.m_colsRequirements, {407, 411});
    doc.m_version = VersionNumber{true, QString(), 2, 3, 0};
    auto* view = Open<CViewTreelist>();
    Select(view, other->m_nId, 0);
    view->OnCommand(DVCmd::EditField);
    auto* editor = qobject_cast<QLineEdit*>(view->GetGrid()->GetEditControl());
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("Renamed"));
    QTest::keyClick(editor, Qt::Key_Return);

    EXPECT_EQ(other->m_strTitle, QStringLiteral("Renamed"));
    EXPECT_EQ(other->m_timeModified, 1700000000);
    EXPECT_EQ(Cell(view, other->m_nId, 0), QStringLiteral("Renamed"));
    EXPECT_EQ(Cell(view, other->m_nId, 1), CReqDoc::FormatVersion(other->m_version));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(BuildAndEditTest, SteppedApprovalIsAppliedAndARefusalPutsTheStoredValueBack) {
    SetColumns(doc.m_colsRequirements, {407, 404});
    auto* view = Open<CViewTreelist>();

    // The child cannot be approved before its parent.
    Select(view, child->m_nId, 1);
    QTest::keyClick(view->GetGrid(), Qt::Key_Return);
    EXPECT_FALSE(child->m_approval.IsDone());
    EXPECT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(Cell(view, child->m_nId, 1), QStringLiteral("No"));
    EXPECT_EQ(view->GetGrid()->GetItemImage(view->FindRowOfObject(child->m_nId), 1), 7);
    EXPECT_FALSE(doc.IsModified());

    Select(view, top->m_nId, 1);
    QTest::keyClick(view->GetGrid(), Qt::Key_Return);
    EXPECT_TRUE(top->m_approval.IsDone());
    EXPECT_EQ(Cell(view, top->m_nId, 1), QStringLiteral("Yes"));
    EXPECT_EQ(view->GetGrid()->GetItemImage(view->FindRowOfObject(top->m_nId), 1), 8);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(BuildAndEditTest, AListParameterTakesAnEntryAndRefusesOtherText) {
    SetColumns(doc.m_colsRequirements, {407, 100000});
    auto* view = Open<CViewTreelist>();
    const HTREEITEM row = view->FindRowOfObject(top->m_nId);
    auto endEdit = [&](const QString& text) {
        TLNotify notify;
        notify.code = TVN_ENDLABELEDITW;
        notify.hItem = row;
        notify.column = 1;
        notify.text = text;
        return view->OnTreeListNotify(*view->GetGrid(), notify);
    };
    EXPECT_EQ(endEdit(QStringLiteral("Low")), 1);
    EXPECT_EQ(Cell(view, top->m_nId, 1), QStringLiteral("Low"));
    EXPECT_EQ(top->m_timeModified, 1700000000);

    view->GetGrid()->SetItemText(row, 1, QStringLiteral("Urgent"));
    clock.Set(1700000100);
    endEdit(QStringLiteral("Urgent"));
    EXPECT_EQ(Cell(view, top->m_nId, 1), QStringLiteral("Low"));
    EXPECT_EQ(top->m_timeModified, 1700000000);
}

TEST_F(BuildAndEditTest, AnEditRefreshesTheVisibleRowsOfEveryOpenView) {
    SetColumns(doc.m_colsRequirements, {407, 403});
    std::vector<std::unique_ptr<CViewMotherDV>> mothers;
    for (int i = 0; i < 2; ++i) {
        doc.m_nNextViewType = CReqDoc::ViewRequirements;
        mothers.push_back(std::make_unique<CViewMotherDV>(&doc));
        mothers.back()->resize(600, 300);
        mothers.back()->show();
        mothers.back()->OnInitialUpdate();
    }
    auto* first = static_cast<CViewDVTreeList*>(mothers[0]->GetHostedView());
    auto* second = static_cast<CViewDVTreeList*>(mothers[1]->GetHostedView());
    Select(first, top->m_nId, 1);
    QTest::keyClick(first->GetGrid(), Qt::Key_Return);
    auto* editor = qobject_cast<QLineEdit*>(first->GetGrid()->GetEditControl());
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("Shared text"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(top->m_strDescription, QStringLiteral("Shared text"));
    EXPECT_EQ(Cell(second, top->m_nId, 1), QStringLiteral("Shared text"));
}

}  // namespace
