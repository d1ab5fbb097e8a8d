#include "document/CDVDocumentView.h"
#include "document/CReqDoc.h"
#include "model/StringIds.h"
#include "support/DVTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(CReqDoc, DefaultContentOfANewProject) {
    CReqDoc doc;
    doc.CreateDefaultContent();
    EXPECT_TRUE(doc.m_bOnlyDefaults);
    ASSERT_EQ(doc.m_requirements.size(), 4);
    const char* titles[] = {"User Needs", "Business Requirements", "Features", "Specifications"};
    for (int i = 0; i < 4; ++i) {
        const Requirement* r = doc.m_requirements.at(i);
        EXPECT_EQ(r->m_nId, i + 1);
        EXPECT_EQ(r->m_strTitle, QString::fromLatin1(titles[i]));
        EXPECT_EQ(r->m_nType, Requirement::Folder);
        EXPECT_EQ(r->m_nParentId, 0);
        EXPECT_EQ(FormatVersion(r->m_version), QStringLiteral("1.0.0"));
    }
    ASSERT_EQ(doc.m_actors.size(), 1);
    EXPECT_EQ(doc.m_actors.at(0)->m_strTitle, QStringLiteral("Actors"));
    EXPECT_EQ(doc.m_actors.at(0)->m_nKind, CActor::KindFolder);
    ASSERT_EQ(doc.m_useCases.size(), 1);
    EXPECT_EQ(doc.m_useCases.at(0)->m_nKind, CUseCase::KindFolder);
    EXPECT_EQ(doc.m_nLastActorId, 1);
    EXPECT_EQ(doc.m_nLastUseCaseId, 1);
    EXPECT_EQ(doc.m_colsRequirements.m_fieldIds, (std::vector<quint32>{407, 402, 403, 404, 473, 405}));
    EXPECT_EQ(doc.m_colsRequirements.m_flags, std::vector<quint16>(6, 0));
    EXPECT_TRUE(doc.m_colsRequirements.m_widths.empty());
    EXPECT_EQ(doc.m_colsActors.m_fieldIds, (std::vector<quint32>{407, 403}));
    EXPECT_EQ(doc.m_colsUseCases.m_fieldIds, (std::vector<quint32>{407, 403, 437, 438}));
    EXPECT_EQ(doc.m_colsSteps.m_fieldIds, (std::vector<quint32>{407, 415, 403, 496}));
    EXPECT_EQ(doc.NewRequirement()->m_nId, 5);
}

TEST(CReqDoc, IdentifiersAreNeverReused) {
    CReqDoc doc;
    doc.CreateDefaultContent();
    Requirement* five = doc.m_requirements.Append(doc.NewRequirement());
    five->m_bDeleted = true;
    doc.m_deletedRequirements.Append(doc.m_requirements.Take(five));
    Requirement* six = doc.m_requirements.Append(doc.NewRequirement());
    EXPECT_EQ(six->m_nId, 6);
    EXPECT_EQ(doc.CopyRequirement(*six)->m_nId, 7);
    EXPECT_EQ(doc.FindRequirement(5), nullptr);
    EXPECT_EQ(doc.m_deletedRequirements.FindById(5), five);
}

TEST(CReqDoc, NewObjectsAndCopiesTakeTheProjectNumbering) {
    CReqDoc doc;
    doc.m_version = {true, QString(), 2, 1, 0};
    auto fresh = doc.NewUseCase();
    EXPECT_EQ(FormatVersion(fresh->m_version), QStringLiteral("2.1.0"));
    fresh->m_version = {true, QString(), 2, 0, 15};
    EXPECT_EQ(FormatVersion(doc.CopyUseCase(*fresh)->m_version), QStringLiteral("2.1.15"));
    doc.m_version = {false, QStringLiteral("A.B."), 2, 1, 0};
    EXPECT_EQ(FormatVersion(doc.NewActor()->m_version), QStringLiteral("A.B.0"));
}

TEST(CReqDoc, MarkModifiedFollowsTheVersionRules) {
    FixedClock clock(777);
    CReqDoc doc;
    doc.m_version = {true, QString(), 2, 0, 0};
    Requirement r(1);
    r.m_version = {true, QString(), 2, 0, 14};
    doc.MarkModified(&r);
    EXPECT_EQ(FormatVersion(r.m_version), QStringLiteral("2.0.15"));
    EXPECT_EQ(r.m_timeModified, 777);
    doc.m_version.nMinor = 1;
    EXPECT_EQ(FormatVersion(r.m_version), QStringLiteral("2.0.15"));
    doc.MarkModified(&r);
    EXPECT_EQ(FormatVersion(r.m_version), QStringLiteral("2.1.1"));
    doc.MarkModified(&r);
    EXPECT_EQ(FormatVersion(r.m_version), QStringLiteral("2.1.2"));
    doc.m_version = {false, QStringLiteral("A.B."), 2, 1, 0};
    doc.MarkModified(&r);
    EXPECT_EQ(FormatVersion(r.m_version), QStringLiteral("A.B.1"));
    // A lower project version is not "reached" by a higher object version: any difference restarts.
    doc.m_version = {true, QString(), 1, 5, 0};
    Requirement high(2);
    high.m_version = {true, QString(), 2, 0, 3};
    doc.MarkModified(&high);
    EXPECT_EQ(FormatVersion(high.m_version), QStringLiteral("1.5.1"));
    // Prefixes compare exactly.
    doc.m_version = {false, QStringLiteral("a.b."), 0, 0, 0};
    r.m_version = {false, QStringLiteral("A.B."), 0, 0, 4};
    doc.MarkModified(&r);
    EXPECT_EQ(FormatVersion(r.m_version), QStringLiteral("a.b.1"));
}

TEST(CReqDoc, LookupsOfNestedObjects) {
    CReqDoc doc;
    doc.CreateDefaultContent();
    auto actor = doc.NewActor();
    auto f = std::make_unique<CFunction>();
    f->m_nId = 11;
    actor->m_functions.push_back(std::move(f));
    auto p = std::make_unique<DVParameter>();
    p->m_nId = 21;
    actor->m_actorParameters.push_back(std::move(p));
    CActor* owner = doc.m_actors.Append(std::move(actor));
    EXPECT_EQ(doc.FindFunction(11), owner->m_functions[0].get());
    EXPECT_EQ(doc.FindFunction(12), nullptr);
    CActor* found = nullptr;
    EXPECT_EQ(doc.FindActorParameter(21, &found), owner->m_actorParameters[0].get());
    EXPECT_EQ(found, owner);
    CUseCase* useCase = doc.m_useCases.at(0);
    CStep* step = useCase->m_steps.Append(doc.NewStep(*useCase));
    EXPECT_TRUE(doc.ContainsStep(step));
    CStep loose(1);
    EXPECT_FALSE(doc.ContainsStep(&loose));
    EXPECT_TRUE(doc.ContainsUseCase(useCase));
    EXPECT_FALSE(doc.ContainsRequirement(nullptr));
    const DVParameterValue* value = reinterpret_cast<const DVParameterValue*>(&doc);
    EXPECT_EQ(doc.GetParameterValue(100000, useCase, &value), nullptr);
    EXPECT_EQ(value, nullptr);
}

TEST(CReqDoc, DeleteContentsKeepsCountersAndSettings) {
    CReqDoc doc;
    doc.CreateDefaultContent();
    doc.m_strProjectName = QStringLiteral("Kept");
    doc.m_userHeaders.push_back({403, QStringLiteral("x")});
    doc.m_colsRequirements.m_nTopObjectId = 3;
    doc.DeleteContents();
    EXPECT_TRUE(doc.m_requirements.empty() && doc.m_actors.empty() && doc.m_useCases.empty());
    EXPECT_EQ(doc.m_colsRequirements.ColumnCount(), 0);
    EXPECT_TRUE(doc.m_colsRequirements.m_flags.empty());
    EXPECT_EQ(doc.m_nLastRequirementId, 4);
    EXPECT_EQ(doc.m_strProjectName, QStringLiteral("Kept"));
    EXPECT_EQ(doc.m_userHeaders.size(), 1u);
}

TEST(CReqDoc, PhaseSelectionAdjustment) {
    CReqDoc doc;
    doc.m_bImplementationPhase = false;
    doc.m_nOverviewApprImpl = 3;
    doc.m_nOverviewVerValid = 0;
    doc.AdjustPhaseSelection();
    EXPECT_EQ(doc.m_nOverviewApprImpl, 1);
    EXPECT_EQ(doc.m_nOverviewVerValid, 0);
    doc.m_nOverviewVerValid = 2;
    doc.AdjustPhaseSelection();
    EXPECT_EQ(doc.m_nOverviewVerValid, 1);
}

// A view that logs what the document asks of it.
class LoggingView : public CDVDocumentView {
public:
    LoggingView(QStringList& log, QString name, int type, bool mother = false,
                CDVDocumentView* hosted = nullptr)
        : m_log(log), m_name(std::move(name)), m_type(type), m_mother(mother), m_hosted(hosted) {}
    bool IsMotherView() const override { return m_mother; }
    CDVDocumentView* HostedView() const override { return m_hosted; }
    bool IsChildView() const override { return !m_mother; }
    int ViewType() const override { return m_type; }
    void RefreshVisibleRows(bool) override { m_log << m_name + QStringLiteral(":refresh"); }
    void Rebuild() override { m_log << m_name + QStringLiteral(":rebuild"); }
    void StoreLayout() override { m_log << m_name + QStringLiteral(":store"); }
    void RenumberSteps() override { m_log << m_name + QStringLiteral(":renumber"); }
    void OnUpdate(CDVDocumentView*) override { m_log << m_name + QStringLiteral(":update"); }

private:
    QStringList& m_log;
    QString m_name;
    int m_type;
    bool m_mother;
    CDVDocumentView* m_hosted;
};

TEST(CReqDoc, ModificationNoticeReachesTheOtherViews) {
    QStringList log;
    CReqDoc doc;
    LoggingView steps(log, QStringLiteral("steps"), CReqDoc::ViewSteps);
    LoggingView stepsMother(log, QStringLiteral("m1"), 0, true, &steps);
    LoggingView reqs(log, QStringLiteral("reqs"), CReqDoc::ViewRequirements);
    LoggingView reqsMother(log, QStringLiteral("m2"), 0, true, &reqs);
    for (CDVDocumentView* v :
         std::initializer_list<CDVDocumentView*>{&stepsMother, &steps, &reqsMother, &reqs}) {
        doc.AddView(v);
    }
    doc.m_bOnlyDefaults = true;
    doc.OnObjectsModified(&steps);
    EXPECT_FALSE(doc.m_bOnlyDefaults);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(log, (QStringList{QStringLiteral("steps:renumber"), QStringLiteral("steps:refresh"),
                                QStringLiteral("reqs:refresh"), QStringLiteral("m1:update"),
                                QStringLiteral("m2:update"), QStringLiteral("reqs:update")}));
    log.clear();
    doc.RefreshAllViews();
    EXPECT_EQ(log.mid(0, 2), (QStringList{QStringLiteral("steps:rebuild"), QStringLiteral("reqs:rebuild")}));
    log.clear();
    doc.CollectColumnLayouts();
    EXPECT_EQ(log, (QStringList{QStringLiteral("steps:store"), QStringLiteral("reqs:store")}));
    EXPECT_EQ(doc.m_nViewType, CReqDoc::ViewRequirements);
    log.clear();
    doc.m_bSaveColumnsAutomatically = false;
    doc.CollectColumnLayouts();
    EXPECT_TRUE(log.isEmpty());
    doc.m_bEmbedded = true;
    doc.m_pMotherView = &stepsMother;
    doc.CollectColumnLayouts();
    EXPECT_EQ(log, QStringList{QStringLiteral("steps:store")});
    EXPECT_EQ(doc.m_nViewType, CReqDoc::ViewSteps);
    doc.RemoveView(&steps);
    EXPECT_EQ(doc.Views().size(), 3u);
}

}  // namespace
