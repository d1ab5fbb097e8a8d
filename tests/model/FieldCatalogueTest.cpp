#include "document/CReqDoc.h"
#include "model/FieldCatalogue.h"
#include "model/StringIds.h"
#include "support/DVTestSupport.h"

#include <gtest/gtest.h>

namespace {

using FieldCatalogue::CellImage;
using FieldCatalogue::CellText;
using FieldCatalogue::EditKind;

class FieldCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.CreateDefaultContent();
        requirement = doc.m_requirements.Append(doc.NewRequirement());
        requirement->m_strTitle = QStringLiteral("Brew");
    }
    QString Text(CDVData* object, int field) { return CellText(&doc, object, field); }

    FixedClock clock{0};
    CReqDoc doc;
    Requirement* requirement = nullptr;
};

TEST_F(FieldCatalogueTest, RequirementCells) {
    requirement->m_nLinkage = Requirement::Or;
    requirement->m_approval.m_nState = CDVDevelopmentStep::Done;
    requirement->m_implementation.m_nState = CDVDevelopmentStep::OutOfDate;
    const struct {
        int field;
        const char* text;
        int image;
    } cases[] = {
        {FIELD_ID, "5", -1},
        {FIELD_TITLE, "Brew", -1},
        {FIELD_TITLE_COLUMN, "Brew", -1},
        {FIELD_LINKAGE, "Or", 5},
        {FIELD_LINKAGE_TEXT, "Or", -1},
        {FIELD_REQUIREMENT_TYPE, "Functional", -1},
        {FIELD_APPROVED, "Yes", 8},
        {FIELD_IMPLEMENTED, "No", 7},
        {FIELD_VERIFIED, "No", 7},
        {FIELD_VERSION, "1.0.0", -1},
        {FIELD_APPROVAL_DURATION, "0.5 days", -1},
        {FIELD_APPROVAL_COST, "1 kEUR", -1},
        {FIELD_IMPLEMENTATION_DURATION, "5 days", -1},
        {FIELD_VALIDATION_COST, "1 kEUR", -1},
        {FIELD_LAST_VALIDATION_TIME, "Never validated so far.", -1},
        {FIELD_UC_APPROVED, "<Not defined>", -1},  // a use-case field in the requirements family
        {FIELD_STEP_NUMBER, "<Not defined>", -1},
        {100000, "<Not defined>", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(requirement, c.field), QString::fromUtf8(c.text)) << c.field;
        EXPECT_EQ(CellImage(requirement, c.field), c.image) << c.field;
    }
    requirement->m_nType = 9;
    EXPECT_EQ(Text(requirement, FIELD_REQUIREMENT_TYPE), QStringLiteral("Error, index invalid"));
}

TEST_F(FieldCatalogueTest, UserTextsReplaceHeadersAndValueNames) {
    EXPECT_EQ(doc.GetHeaderText(FIELD_DESCRIPTION), QStringLiteral("Description"));
    doc.m_userHeaders.push_back({FIELD_DESCRIPTION, QStringLiteral("Beschreibung")});
    doc.m_userHeaders.push_back({FIELD_LINKAGE, QStringLiteral("Link")});
    doc.m_userHeaders.push_back({FIELD_DESCRIPTION, QStringLiteral("second entry ignored")});
    EXPECT_EQ(doc.GetHeaderText(FIELD_DESCRIPTION), QStringLiteral("Beschreibung"));
    EXPECT_EQ(doc.GetHeaderText(FIELD_LINKAGE_TEXT), QStringLiteral("Link"));
    doc.m_userHeaders.clear();
    EXPECT_EQ(doc.GetHeaderText(FIELD_DESCRIPTION), QStringLiteral("Description"));
    EXPECT_TRUE(doc.GetHeaderText(123456).isEmpty());
    doc.m_userValueNames.push_back({VALUE_YES, QStringLiteral("Ja")});
    EXPECT_EQ(doc.GetYesNoChoices(), QStringLiteral("No|Ja"));
    EXPECT_EQ(doc.GetAndOrIgnoreChoices(), QStringLiteral("And|Or|Ignore"));
    EXPECT_EQ(doc.GetRequirementTypeChoices(), QStringLiteral("Functional|Constraint|Quality|Folder"));
    requirement->m_approval.m_nState = CDVDevelopmentStep::Done;
    EXPECT_EQ(Text(requirement, FIELD_APPROVED), QStringLiteral("Ja"));
}

TEST_F(FieldCatalogueTest, ParameterCells) {
    auto list = doc.NewParameter();
    list->m_nType = DVParameter::TypeList;
    list->m_items = {QStringLiteral("A"), QStringLiteral("B")};
    doc.m_parameters.Append(std::move(list));
    doc.m_parameters.Append(doc.NewParameter());
    EXPECT_EQ(Text(requirement, 100000), QStringLiteral("<Not defined>"));
    requirement->AddParameterValue(1).m_nItem = 1;
    EXPECT_EQ(Text(requirement, 100000), QStringLiteral("B"));
    EXPECT_EQ(FieldCatalogue::ChoiceList(&doc, 100000), QStringLiteral("A|B"));
    EXPECT_EQ(EditKind(&doc, DVFamily::Requirement, 100000), DVEditKind::DropDown);
    EXPECT_EQ(EditKind(&doc, DVFamily::Step, 100001), DVEditKind::Text);
    doc.m_parameters.at(0)->m_bDeleted = true;
    EXPECT_EQ(Text(requirement, 100000), QStringLiteral("<Parameter Deleted>"));
    EXPECT_EQ(Text(doc.m_actors.at(0), 100001), QStringLiteral("<Not defined>"));
}

TEST_F(FieldCatalogueTest, EditKindsAndChoices) {
    const struct {
        DVFamily family;
        int field;
        DVEditKind kind;
    } cases[] = {
        {DVFamily::Requirement, FIELD_APPROVED, DVEditKind::Stepped},
        {DVFamily::Requirement, FIELD_LINKAGE, DVEditKind::Stepped},
        {DVFamily::Requirement, FIELD_LINKAGE_TEXT, DVEditKind::DropDown},
        {DVFamily::Requirement, FIELD_REQUIREMENT_TYPE, DVEditKind::DropDown},
        {DVFamily::UseCase, FIELD_UC_VERIFIED, DVEditKind::Stepped},
        {DVFamily::UseCase, FIELD_APPROVED, DVEditKind::ReadOnly},
        {DVFamily::Requirement, FIELD_ID, DVEditKind::ReadOnly},
        {DVFamily::Requirement, FIELD_USE_CASES, DVEditKind::ReadOnly},
        {DVFamily::Actor, FIELD_ACTOR_FUNCTIONS, DVEditKind::ReadOnly},
        {DVFamily::Step, FIELD_TIME_REQUIREMENT, DVEditKind::Text},
        {DVFamily::Step, FIELD_ACTOR, DVEditKind::ReadOnly},
        {DVFamily::UseCase, FIELD_VALIDATION_COST, DVEditKind::Text},
        {DVFamily::Actor, FIELD_COMMENT, DVEditKind::Text},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EditKind(&doc, c.family, c.field), c.kind) << c.field;
    }
    EXPECT_EQ(FieldCatalogue::ChoiceList(&doc, FIELD_VALIDATED), QStringLiteral("No|Yes"));
    EXPECT_TRUE(FieldCatalogue::ChoiceList(&doc, FIELD_TITLE).isEmpty());
}

TEST_F(FieldCatalogueTest, UnusedPhaseColumns) {
    doc.m_bImplementationPhase = false;
    doc.m_bValidationPhase = false;
    for (int field : {473, 474, 475, 476, 483, 484, 477, 478, 479, 480, 487, 488}) {
        EXPECT_TRUE(FieldCatalogue::IsUnusedPhaseField(&doc, field)) << field;
    }
    for (int field : {404, 405, 481, 482, 485, 486}) {
        EXPECT_FALSE(FieldCatalogue::IsUnusedPhaseField(&doc, field)) << field;
    }
    doc.m_bImplementationPhase = true;
    EXPECT_FALSE(FieldCatalogue::IsUnusedPhaseField(&doc, 473));
}

TEST(CDVColumn, Operations) {
    CDVColumn set;
    set.AddColumn(407, 100, 0);
    set.AddColumn(403, 200, 1);
    set.m_nTopObjectId = 9;
    set.m_bFirstColumnHidden = true;
    CDVColumn copy;
    copy.m_nTopObjectId = 3;
    copy.CopyFrom(set);
    EXPECT_EQ(copy.m_fieldIds, set.m_fieldIds);
    EXPECT_EQ(copy.m_widths, set.m_widths);
    EXPECT_TRUE(copy.m_bFirstColumnHidden);
    EXPECT_EQ(copy.m_nTopObjectId, 3);
    set.RemoveColumn(0);
    EXPECT_EQ(set.m_fieldIds, std::vector<quint32>{403});
    EXPECT_EQ(set.m_widths, std::vector<qint32>{200});
    EXPECT_EQ(set.m_flags, std::vector<quint16>{1});
    // Arrays of different lengths: only the field id goes.
    copy.m_flags.pop_back();
    copy.RemoveColumn(0);
    EXPECT_EQ(copy.m_fieldIds, std::vector<quint32>{403});
    EXPECT_EQ(copy.m_widths.size(), 2u);
    copy.RemoveColumn(5);
    set.Clear();
    EXPECT_EQ(set.ColumnCount(), 0);
    EXPECT_TRUE(set.m_widths.empty() && set.m_flags.empty());
    EXPECT_EQ(set.m_nTopObjectId, 9);
}

}  // namespace
