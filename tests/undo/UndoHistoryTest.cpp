// The undo history of a document: clean state and modified flag, clearing, and the cost of a step.
#include "document/CReqDoc.h"
#include "document/CReqDocChange.h"
#include "document/DVCellEdit.h"
#include "document/DVUndoScope.h"
#include "model/StringIds.h"
#include "support/DVTestSupport.h"
#include "undo/CReqDocHistory.h"
#include "undo/CReqDocUndoCommand.h"

#include <gtest/gtest.h>

namespace {

class UndoHistory : public testing::Test {
protected:
    void SetUp() override {
        stack = CReqDocHistory::Attach(doc);
        for (int i = 0; i < 3; ++i)
            doc.m_requirements.Append(doc.NewRequirement())->m_strTitle = QStringLiteral("R%1").arg(i);
    }
    void Retitle(int index, const QString& title) {
        ASSERT_TRUE(DVCellEdit::Apply(doc, *doc.m_requirements.at(index), FIELD_TITLE, title).changed);
    }

    FixedClock clock{1800000000};
    MessageRecorder boxes;
    CReqDoc doc;
    QUndoStack* stack = nullptr;
};

TEST_F(UndoHistory, UndoBackToTheSavedStepClearsTheModifiedFlag) {
    Retitle(0, QStringLiteral("first"));
    doc.SetModifiedFlag(false);  // saved
    Retitle(1, QStringLiteral("second"));
    EXPECT_TRUE(doc.IsModified());
    stack->undo();
    EXPECT_FALSE(doc.IsModified());
    stack->undo();
    EXPECT_TRUE(doc.IsModified());
    stack->redo();
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(UndoHistory, AChangeOutsideTheStepsKeepsTheSaveQuestion) {
    doc.SetModifiedFlag(false);
    doc.SetModifiedFlag(true);  // as a new project's content or an embedded update marks it
    Retitle(0, QStringLiteral("first"));
    stack->undo();
    EXPECT_TRUE(doc.IsModified());
    doc.SetModifiedFlag(false);
    Retitle(0, QStringLiteral("again"));
    stack->undo();
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(UndoHistory, ReplacingTheContentClearsTheStackAndKeepsTheFlag) {
    doc.SetModifiedFlag(false);
    Retitle(0, QStringLiteral("first"));
    doc.ClearUndoHistory();
    EXPECT_EQ(stack->count(), 0);
    EXPECT_TRUE(doc.IsModified());
    Retitle(1, QStringLiteral("second"));
    stack->undo();
    EXPECT_TRUE(doc.IsModified()) << "undo cannot reach the saved state any more";
    doc.DeleteContents();
    EXPECT_EQ(stack->count(), 0);
}

TEST_F(UndoHistory, ACellEditIsNamedAfterItsColumn) {
    Retitle(0, QStringLiteral("first"));
    EXPECT_EQ(stack->undoText(), QStringLiteral("Edit Title"));
    ASSERT_TRUE(
        DVCellEdit::Apply(doc, *doc.m_requirements.at(0), FIELD_APPROVED, QStringLiteral("Yes")).changed);
    EXPECT_EQ(stack->undoText(), QStringLiteral("Edit Approved"));
}

TEST_F(UndoHistory, NestedStepsAreOneStepWithTheOuterName) {
    {
        DVUndoScope step(doc, QStringLiteral("Replace"));
        Retitle(0, QStringLiteral("a"));
        Retitle(1, QStringLiteral("b"));
    }
    ASSERT_EQ(stack->count(), 1);
    EXPECT_EQ(stack->undoText(), QStringLiteral("Replace"));
    stack->undo();
    EXPECT_EQ(doc.m_requirements.at(0)->m_strTitle, QStringLiteral("R0"));
    EXPECT_EQ(doc.m_requirements.at(1)->m_strTitle, QStringLiteral("R1"));
}

TEST_F(UndoHistory, ACellEditStepDoesNotGrowWithTheProject) {
    const auto stepBytes = [this](int requirements) {
        while (doc.m_requirements.size() < requirements)
            doc.m_requirements.Append(doc.NewRequirement())->m_strTitle = QStringLiteral("filler");
        Retitle(requirements / 2, QStringLiteral("edited %1").arg(requirements));
        return static_cast<const CReqDocUndoCommand*>(stack->command(stack->count() - 1))->Change().Bytes();
    };
    const std::size_t small = stepBytes(100);
    const std::size_t large = stepBytes(20000);
    EXPECT_LT(small, 2000u);
    EXPECT_LT(large, small + 64);
}

TEST_F(UndoHistory, UndoingAnInsertionOwnsTheObjectUntilRedo) {
    Requirement* added = nullptr;
    {
        DVUndoScope step(doc, QStringLiteral("Insert New Requirement"));
        added = doc.m_requirements.Insert(1, doc.NewRequirement());
        added->m_strTitle = QStringLiteral("new");
    }
    stack->undo();
    EXPECT_FALSE(doc.ContainsRequirement(added));
    EXPECT_EQ(doc.m_requirements.size(), 3);
    stack->redo();
    EXPECT_EQ(doc.m_requirements.IndexOf(added), 1);
    EXPECT_EQ(added->m_strTitle, QStringLiteral("new"));
}

}  // namespace
