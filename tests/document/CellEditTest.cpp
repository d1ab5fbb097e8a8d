#include "document/CReqDoc.h"
#include "document/DVCellEdit.h"
#include "model/StringIds.h"
#include "support/DVTestSupport.h"

#include <gtest/gtest.h>

namespace {

class CellEdit : public testing::Test {
protected:
    Requirement* Add(const char* title) {
        auto requirement = doc.NewRequirement();
        requirement->m_strTitle = QString::fromLatin1(title);
        return doc.m_requirements.Append(std::move(requirement));
    }
    DVCellEdit::Result Edit(CDVData* object, int fieldId, const QString& text) {
        return DVCellEdit::Apply(doc, *object, fieldId, text);
    }

    FixedClock clock{1000};
    MessageRecorder boxes;
    CReqDoc doc;
};

// Withdrawing a phase whose cascade comes back to the edited object is still one change of it: its
// version goes up by one, and so does its withdrawn record's.
TEST_F(CellEdit, OneEditCountsOnceThroughItsCascade) {
    const struct {
        int fieldId;
        const char* text;
    } edits[] = {{FIELD_APPROVED, "No"}, {FIELD_IMPLEMENTED, "No"}};
    for (const auto& edit : edits) {
        SCOPED_TRACE(edit.fieldId);
        Requirement* requirement = Add("Verified");
        for (const int fieldId : {FIELD_APPROVED, FIELD_IMPLEMENTED, FIELD_VERIFIED})
            ASSERT_TRUE(Edit(requirement, fieldId, QStringLiteral("Yes")).changed);
        const qint32 count = requirement->m_version.nCount;
        ASSERT_TRUE(Edit(requirement, edit.fieldId, QLatin1String(edit.text)).changed);
        EXPECT_EQ(requirement->m_version.nCount, count + 1);
        EXPECT_EQ(requirement->m_verification.m_nState, CDVDevelopmentStep::OutOfDate);
    }
}

// A number that differs beyond the sixth significant digit is a change and is kept.
TEST_F(CellEdit, NumbersCompareAsNumbers) {
    auto parameter = doc.NewParameter();
    parameter->m_nType = DVParameter::TypeNumber;
    doc.m_parameters.Append(std::move(parameter));
    Requirement* requirement = Add("Measured");
    ASSERT_TRUE(Edit(requirement, FIELD_FIRST_PARAMETER, QStringLiteral("1234567")).changed);
    EXPECT_TRUE(Edit(requirement, FIELD_FIRST_PARAMETER, QStringLiteral("1234568")).changed);
    EXPECT_EQ(requirement->FindParameterValue(doc.m_parameters.at(0)->m_nId)->m_dNumber, 1234568.0);
    EXPECT_FALSE(Edit(requirement, FIELD_FIRST_PARAMETER, QStringLiteral("1234568.0")).changed);
}

// The type cell refuses what the type-change commands refuse: a requirement that created use cases
// stays functional.
TEST_F(CellEdit, TypeCellKeepsTheUseCaseRule) {
    Requirement* requirement = Add("Creates use cases");
    auto useCase = doc.NewUseCase();
    const qint32 useCaseId = useCase->m_nId;
    doc.m_useCases.Append(std::move(useCase));
    requirement->m_createdUseCases.push_back(quint32(useCaseId));
    const qint32 count = requirement->m_version.nCount;

    const DVCellEdit::Result result = Edit(requirement, FIELD_REQUIREMENT_TYPE, QStringLiteral("Constraint"));
    EXPECT_TRUE(result.handled);
    EXPECT_FALSE(result.changed);
    EXPECT_EQ(requirement->m_nType, Requirement::Functional);
    EXPECT_EQ(requirement->m_version.nCount, count);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(
        boxes.texts[0].startsWith(QStringLiteral("It is not permitted to change the requirement type")));

    Add("Creates nothing");
    EXPECT_TRUE(Edit(doc.m_requirements.at(doc.m_requirements.size() - 1), FIELD_REQUIREMENT_TYPE,
                     QStringLiteral("Constraint"))
                    .changed);
}

}  // namespace
