// Each kind of change, undone and redone, compared through the project's dump.
#include "document/CReqDocFile.h"
#include "document/DVCellEdit.h"
#include "document/DVUndoScope.h"
#include "model/StringIds.h"
#include "support/DVTestSupport.h"
#include "support/UndoDump.h"
#include "undo/CReqDocHistory.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

class UndoSteps : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CReqDocFile(doc).OpenDocument(QStringLiteral(DV_FIXTURES_DIR "/sample.dvx")).ok);
        stack = CReqDocHistory::Attach(doc);
    }

    bool Edit(CDVData* object, int fieldId, const QString& text) {
        return DVCellEdit::Apply(doc, *object, fieldId, text).changed;
    }
    template <typename T, typename Test>
    T* First(const DVObjectList<T>& list, Test test) {
        for (T* object : list) {
            if (test(object))
                return object;
        }
        return nullptr;
    }
    // A parent approved with its whole branch, so that withdrawing its approval cascades.
    Requirement* ApprovedBranch() {
        Requirement* parent =
            First(doc.m_requirements, [this](const Requirement* r) { return !r->Children(&doc).empty(); });
        std::vector<Requirement*> branch{parent};
        for (std::size_t i = 0; parent != nullptr && i < branch.size(); ++i) {
            branch[i]->m_approval.m_nState = CDVDevelopmentStep::Done;
            for (Requirement* child : branch[i]->Children(&doc))
                branch.push_back(child);
        }
        return parent;
    }

    FixedClock clock{1800000000};
    MessageRecorder boxes;
    CReqDoc doc;
    QUndoStack* stack = nullptr;
};

TEST_F(UndoSteps, EveryKindOfChangeIsOneStepThatUndoAndRedoReplay) {
    Requirement* approvedParent = ApprovedBranch();
    // The step names of cell edits follow the project's headers (see UndoHistory for them).
    const struct Case {
        const char* name;
        const char* step;
        std::function<void()> change;
    } cases[] = {
        {"title", nullptr,
         [&] { EXPECT_TRUE(Edit(doc.m_requirements.at(1), FIELD_TITLE, QStringLiteral("Changed"))); }},
        {"withdrawal cascade", nullptr,
         [&] {
             ASSERT_NE(approvedParent, nullptr);
             EXPECT_TRUE(Edit(approvedParent, FIELD_APPROVED, QStringLiteral("No")));
             EXPECT_FALSE(boxes.texts.isEmpty()) << "the cascade's notice";
         }},
        {"requirement type", nullptr,
         [&] {
             Requirement* functional = First(doc.m_requirements, [](const Requirement* r) {
                 return r->m_nType == Requirement::Functional && r->m_createdUseCases.empty();
             });
             ASSERT_NE(functional, nullptr);
             const QString quality = doc.GetRequirementTypeChoices().split(u'|').at(Requirement::Quality);
             EXPECT_TRUE(Edit(functional, FIELD_REQUIREMENT_TYPE, quality));
         }},
        {"use case and its steps", nullptr,
         [&] {
             CUseCase* useCase = First(doc.m_useCases, [](const CUseCase* u) { return !u->m_steps.empty(); });
             ASSERT_NE(useCase, nullptr);
             EXPECT_TRUE(Edit(useCase, FIELD_DESCRIPTION, QStringLiteral("Use case, changed")));
         }},
        {"step", nullptr,
         [&] {
             CUseCase* useCase = First(doc.m_useCases, [](const CUseCase* u) { return !u->m_steps.empty(); });
             ASSERT_NE(useCase, nullptr);
             EXPECT_TRUE(Edit(useCase->m_steps.at(0), FIELD_DESCRIPTION, QStringLiteral("Step, changed")));
         }},
        {"parameter value", nullptr,
         [&] { EXPECT_TRUE(Edit(doc.m_requirements.at(2), 100000, QStringLiteral("7"))); }},
        {"link on both sides", "Link",
         [&] {
             DVUndoScope step(doc, QStringLiteral("Link"));
             const qint32 derived = doc.m_requirements.at(5)->m_nId;
             const qint32 source = doc.m_requirements.at(1)->m_nId;
             doc.AddRequirementLink(derived, source, true);
             doc.AddRequirementLink(derived, source, false);
         }},
        {"unlink a use case from its requirement and the steps", "Unlink",
         [&] {
             CUseCase* useCase =
                 First(doc.m_useCases, [](const CUseCase* u) { return !u->m_createdRequirements.empty(); });
             ASSERT_NE(useCase, nullptr);
             DVUndoScope step(doc, QStringLiteral("Unlink"));
             doc.RemoveRequirementOfUseCase(useCase->m_nId, qint32(useCase->m_createdRequirements.front()),
                                            true, true);
         }},
        {"several edits grouped", "Replace",
         [&] {
             DVUndoScope step(doc, QStringLiteral("Replace"));
             for (int i = 0; i < 3; ++i)
                 EXPECT_TRUE(Edit(doc.m_requirements.at(i), FIELD_COMMENT, QStringLiteral("replaced")));
         }},
        {"project settings and parameter definitions", "Project Properties",
         [&] {
             DVUndoScope step(doc, QStringLiteral("Project Properties"), DVUndoScope::WithSettings);
             doc.m_strProjectName = QStringLiteral("Renamed");
             doc.m_colsRequirements.m_fieldIds.push_back(FIELD_COMMENT);
             doc.m_colsRequirements.m_widths.clear();
             doc.m_colsRequirements.m_flags.push_back(0);
             doc.m_userHeaders.push_back({FIELD_TITLE, QStringLiteral("Name")});
             doc.m_parameters.at(0)->m_strName = QStringLiteral("Renamed parameter");
             doc.m_parameters.Append(doc.NewParameter())->m_strName = QStringLiteral("Added");
             doc.m_stepApproval.m_dCost = 42;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clock.Set(1800000000 + stack->count());
        const QByteArray before = UndoComparableDump(doc);
        const int count = stack->count();
        c.change();
        const QByteArray after = UndoComparableDump(doc);
        ASSERT_FALSE(SameDump(before, after));
        ASSERT_EQ(stack->count(), count + 1);
        if (c.step != nullptr) {
            EXPECT_EQ(stack->undoText(), QLatin1String(c.step));
        }
        stack->undo();
        EXPECT_TRUE(SameDump(UndoComparableDump(doc), before));
        stack->redo();
        EXPECT_TRUE(SameDump(UndoComparableDump(doc), after));
    }
}

TEST_F(UndoSteps, UnchangedOrRefusedEditsLeaveNoStep) {
    EXPECT_FALSE(Edit(doc.m_requirements.at(1), FIELD_TITLE, doc.m_requirements.at(1)->m_strTitle));
    { DVUndoScope step(doc, QStringLiteral("Nothing"), DVUndoScope::WithSettings); }
    EXPECT_EQ(stack->count(), 0);
}

TEST_F(UndoSteps, RandomEditsUndoneToTheStartGiveTheOriginal) {
    std::mt19937 random(17);
    const auto pick = [&random](int size) { return int(random() % unsigned(size)); };
    const int fields[] = {FIELD_TITLE,    FIELD_DESCRIPTION,      FIELD_COMMENT,    FIELD_APPROVED,
                          FIELD_VERIFIED, FIELD_REQUIREMENT_TYPE, FIELD_IMPLEMENTED};
    const QStringList types = doc.GetRequirementTypeChoices().split(u'|');
    const QByteArray original = UndoComparableDump(doc);
    for (int i = 0; i < 300; ++i) {
        clock.Set(1800000000 + i);
        const int kind = pick(10);
        if (kind == 0) {
            DVUndoScope step(doc, QStringLiteral("Link"));
            const qint32 a = doc.m_requirements.at(pick(doc.m_requirements.size()))->m_nId;
            const qint32 b = doc.m_requirements.at(pick(doc.m_requirements.size()))->m_nId;
            doc.AddRequirementLink(a, b, true);
            doc.AddRequirementLink(a, b, false);
            continue;
        }
        if (kind == 1) {
            const CUseCase* useCase = doc.m_useCases.at(pick(doc.m_useCases.size()));
            const Requirement* requirement = doc.m_requirements.at(pick(doc.m_requirements.size()));
            DVUndoScope step(doc, QStringLiteral("Link"));
            if (pick(2) == 0)
                doc.AddRequirementOfUseCase(useCase->m_nId, requirement->m_nId, true, true);
            else
                doc.RemoveRequirementOfUseCase(useCase->m_nId, requirement->m_nId, true, true);
            continue;
        }
        CDVData* object = kind < 4 ? static_cast<CDVData*>(doc.m_useCases.at(pick(doc.m_useCases.size())))
                                   : doc.m_requirements.at(pick(doc.m_requirements.size()));
        const int field = fields[pick(std::size(fields))];
        QString text = QStringLiteral("text %1").arg(i);
        if (field == FIELD_REQUIREMENT_TYPE)
            text = types.at(pick(types.size()));
        else if (field != FIELD_TITLE && field != FIELD_DESCRIPTION && field != FIELD_COMMENT)
            text = pick(2) == 0 ? QStringLiteral("Yes") : QStringLiteral("No");
        Edit(object, field == FIELD_APPROVED && kind < 4 ? FIELD_UC_APPROVED : field, text);
    }
    ASSERT_GT(stack->count(), 100);
    const QByteArray last = UndoComparableDump(doc);
    stack->setIndex(0);
    EXPECT_TRUE(SameDump(UndoComparableDump(doc), original));
    stack->setIndex(stack->count());
    EXPECT_TRUE(SameDump(UndoComparableDump(doc), last));
}

}  // namespace
