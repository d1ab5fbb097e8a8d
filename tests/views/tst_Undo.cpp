// Undo and redo of the views' changes: tree commands, type changes, cell edits and step structures,
// each compared through the project's dump and the rows it shows.
#include "ViewFixture.h"

#include "support/UndoDump.h"
#include "undo/CReqDocHistory.h"
#include "views/CViewTreelist.h"
#include "views/CViewUseCaseSteps.h"

#include <QLineEdit>

#include <functional>

namespace {

class UndoViewTest : public ViewTest {
protected:
    void SetUp() override {
        stack = CReqDocHistory::Attach(doc);
        SetColumns(doc.m_colsRequirements, {407, 402});
        SetColumns(doc.m_colsSteps, {407, 415, 403});
        idOf = AddOutlineOfRequirements();
        useCase = AddUseCase(QStringLiteral("Order"));
        AddStep(useCase, QStringLiteral("First"));
        AddStep(useCase, QStringLiteral("Last"));
        view = Open<CViewTreelist>();
        doc.AddView(view);
    }

    void SelectTitle(const QString& title, int column = 0) { Select(view, idOf.at(title), column); }
    void EditSelectedCell(const QString& text) {
        view->OnCommand(DVCmd::EditField);
        auto* editor = qobject_cast<QLineEdit*>(view->GetGrid()->GetEditControl());
        ASSERT_NE(editor, nullptr);
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    // Runs the change, then undo and redo, and compares the dumps and the rows each time.
    void ExpectUndoAndRedo(CViewDVTreeList* shown, const std::function<void()>& change, const QString& step) {
        const QByteArray before = UndoComparableDump(doc);
        const QStringList rowsBefore = Outline(shown);
        const int index = stack->index();
        change();
        const QByteArray after = UndoComparableDump(doc);
        const QStringList rowsAfter = Outline(shown);
        ASSERT_FALSE(SameDump(before, after));
        ASSERT_EQ(stack->index(), index + 1);
        EXPECT_EQ(stack->undoText(), step);
        stack->undo();
        EXPECT_TRUE(SameDump(UndoComparableDump(doc), before));
        EXPECT_EQ(Outline(shown), rowsBefore);
        ExpectTreeInvariants(shown);
        stack->redo();
        EXPECT_TRUE(SameDump(UndoComparableDump(doc), after));
        EXPECT_EQ(Outline(shown), rowsAfter);
        ExpectTreeInvariants(shown);
        stack->undo();
    }

    QUndoStack* stack = nullptr;
    std::map<QString, qint32> idOf;
    CUseCase* useCase = nullptr;
    CViewDVTreeList* view = nullptr;
};

TEST_F(UndoViewTest, TreeCommandsAreStepsThatUndoAndRedoReplay) {
    const struct Case {
        const char* name;
        const char* select;
        std::vector<int> commands;
        const char* target;  // then Paste here
        const char* step;
    } cases[] = {
        {"insert", "B", {DVCmd::InsertNew}, nullptr, "Insert New Requirement"},
        {"insert child", "A", {DVCmd::InsertNewChild}, nullptr, "Insert New Child-Requirement"},
        {"delete a branch", "A2", {DVCmd::Delete}, nullptr, "Delete Requirement"},
        {"indent", "B", {DVCmd::IncreaseIndent}, nullptr, "Increase Indent"},
        {"outdent", "A2", {DVCmd::DecreaseIndent}, nullptr, "Decrease Indent"},
        {"move up", "C", {DVCmd::MoveUp}, nullptr, "Move Up"},
        {"move down", "A1", {DVCmd::MoveDown}, nullptr, "Move Down"},
        {"cut and paste", "A2", {DVCmd::Cut}, "C", "Paste"},
        {"copy a branch and paste", "A", {DVCmd::CopyBranch}, "B", "Paste"},
        {"type change", "B", {DVCmd::TypeQuality}, nullptr, "Change Requirement Type"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.answers = {DV::IDYES};
        ExpectUndoAndRedo(
            view,
            [&] {
                SelectTitle(QString::fromUtf8(c.select));
                for (int command : c.commands) {
                    view->OnCommand(command);
                }
                if (c.target != nullptr) {
                    SelectTitle(QString::fromUtf8(c.target));
                    view->OnCommand(DVCmd::Paste);
                }
                view->GetGrid()->EndEditLabelNow(true);
            },
            QString::fromUtf8(c.step));
    }
}

TEST_F(UndoViewTest, ACellEditIsAStepAndUndoSelectsItsRow) {
    ExpectUndoAndRedo(
        view,
        [&] {
            SelectTitle(QStringLiteral("C"));
            EditSelectedCell(QStringLiteral("Renamed"));
        },
        QStringLiteral("Edit Title"));
    SelectTitle(QStringLiteral("A"));
    stack->redo();
    EXPECT_EQ(view->SelectedItem(), view->FindRowOfObject(idOf.at(QStringLiteral("C"))));
    EXPECT_EQ(Cell(view, idOf.at(QStringLiteral("C")), 0), QStringLiteral("Renamed"));
}

TEST_F(UndoViewTest, StepStructuresAndDeletionsInAStepsView) {
    auto* steps = Open<CViewUseCaseSteps>(useCase);
    doc.AddView(steps);
    const qint32 first = useCase->m_steps.at(0)->m_nId;
    Select(steps, first);
    ExpectUndoAndRedo(
        steps, [&] { steps->OnCommand(DVCmd::StepIf); }, QStringLiteral("Insert New Step"));
    messages.answers = {DV::IDYES};
    Select(steps, first);
    ExpectUndoAndRedo(
        steps, [&] { steps->OnCommand(DVCmd::Delete); }, QStringLiteral("Delete Step"));
}

}  // namespace
