// The requirement's edit sheet, opened through Edit All as the user opens it.
#include "DialogTestSupport.h"

#include "dialogs/DVDialogEntries.h"
#include "dialogs/DlgSheet_Req_Edit.h"
#include "dialogs/Dlg_Req_Created.h"
#include "dialogs/Dlg_Req_Description.h"
#include "dialogs/Dlg_Req_Fullfillment.h"
#include "model/StringIds.h"
#include "platform/DVFormat.h"
#include "views/CViewTreelist.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

class ReqEditSheet : public ViewTest {
protected:
    ReqEditSheet() { InstallDialogEntries(CDVViewHost::Instance()); }

    // Opens the requirement's sheet from its row and runs the action on it; the action ends the sheet.
    void EditInSheet(Requirement* requirement, const std::function<void(DlgSheet_Req_Edit&)>& action) {
        if (view == nullptr) {
            view = Open<CViewTreelist>();
        }
        Select(view, requirement->m_nId);
        bool opened = false;
        WhenModal([&](QWidget* modal) {
            auto* sheet = qobject_cast<DlgSheet_Req_Edit*>(modal);
            ASSERT_NE(sheet, nullptr);
            opened = true;
            action(*sheet);
        });
        view->OnCommand(DVCmd::EditAll);
        EXPECT_TRUE(opened);
    }

    void Approve(CDVVerificationData* object) {
        bool ok = false;
        object->Approve(true, &doc, false, ok, false);
        ASSERT_TRUE(ok) << object->GetTitle().toStdString();
    }

    CViewDVTreeList* view = nullptr;
};

TEST_F(ReqEditSheet, OkStampsOneVersionExactlyWhenATextOrTypeChanged) {
    struct Case {
        const char* name;
        std::function<void(Dlg_Req_Description&)> edit;
        bool changes;
    };
    const Case cases[] = {
        {"nothing", [](Dlg_Req_Description&) {}, false},
        {"comment",
         [](Dlg_Req_Description& page) {
             QTest::keyClick(page.Fields().comment, Qt::Key_End, Qt::ControlModifier);
             QTest::keyClicks(page.Fields().comment, "x");
         },
         true},
        {"title",
         [](Dlg_Req_Description& page) {
             QTest::keyClick(page.Fields().title, Qt::Key_End);
             QTest::keyClicks(page.Fields().title, "x");
         },
         true},
        {"type", [](Dlg_Req_Description& page) { page.TypeCombo()->setCurrentIndex(Requirement::Quality); },
         true},
        {"linkage", [](Dlg_Req_Description& page) { page.LinkageCombo()->setCurrentIndex(Requirement::Or); },
         true},
    };
    Requirement* requirement = AddRequirement(QStringLiteral("A"));
    requirement->m_strComment = QStringLiteral("line 1\r\nline 2");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const VersionNumber before = requirement->m_version;
        const VersionNumber next = NextPhaseVersion(&doc, *requirement);
        EditInSheet(requirement, [&](DlgSheet_Req_Edit& sheet) {
            // Visiting the other pages without editing them changes nothing either.
            for (int page = DlgSheet_Req_Edit::ParametersPage; page >= 0; --page) {
                sheet.Tabs()->setCurrentIndex(page);
            }
            c.edit(*sheet.Description());
            sheet.accept();
        });
        EXPECT_EQ(requirement->m_version, c.changes ? next : before);
    }
    EXPECT_EQ(requirement->m_strTitle, QStringLiteral("Ax"));
    EXPECT_EQ(requirement->m_strComment, QStringLiteral("line 1\nline 2x"));
    EXPECT_EQ(requirement->m_nType, Requirement::Quality);
    EXPECT_EQ(requirement->m_nLinkage, Requirement::Or);
    EXPECT_EQ(Cell(view, requirement->m_nId, 0), QStringLiteral("Ax"));
}

TEST_F(ReqEditSheet, OpensInTheTitleAndSwitchesPagesWithCtrlTabFromAnyField) {
    Requirement* requirement = AddRequirement(QStringLiteral("A"));
    EditInSheet(requirement, [](DlgSheet_Req_Edit& sheet) {
        EXPECT_EQ(sheet.focusWidget(), sheet.Description()->Fields().title);
        // The offscreen platform leaves the test's view window active; the keys need the sheet's.
        QApplication::setActiveWindow(&sheet);
        QPlainTextEdit* comment = sheet.Description()->Fields().comment;
        comment->setFocus();
        QTest::keyClick(comment, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(sheet.Tabs()->currentIndex(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        EXPECT_EQ(sheet.Tabs()->currentIndex(), DlgSheet_Req_Edit::ParametersPage);
        EXPECT_EQ(comment->toPlainText(), QString());
        sheet.reject();
    });
}

TEST_F(ReqEditSheet, TheTypeIsLiveWhileOpenAndCancelPutsItBack) {
    Requirement* requirement = AddRequirement(QStringLiteral("A"), 0, Requirement::Constraint);
    EditInSheet(requirement, [&](DlgSheet_Req_Edit& sheet) {
        sheet.Description()->TypeCombo()->setCurrentIndex(Requirement::Quality);
        EXPECT_EQ(requirement->m_nType, Requirement::Quality);
        QTest::keyClicks(sheet.Description()->Fields().title, "x");
        sheet.reject();
    });
    EXPECT_EQ(requirement->m_nType, Requirement::Constraint);
    EXPECT_EQ(requirement->m_strTitle, QStringLiteral("A"));
}

TEST_F(ReqEditSheet, ARequirementThatCreatedUseCasesStaysFunctional) {
    Requirement* requirement = AddRequirement(QStringLiteral("A"));
    CUseCase* useCase = AddUseCase(QStringLiteral("UC"));
    doc.AddUseCaseOfRequirement(useCase->m_nId, requirement->m_nId, true);
    ASSERT_FALSE(requirement->m_createdUseCases.empty());
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        messages.Clear();
        EditInSheet(requirement, [&](DlgSheet_Req_Edit& sheet) {
            QComboBox* type = sheet.Description()->TypeCombo();
            type->setFocus();
            QTest::keyClick(type, Qt::Key_Down);
            EXPECT_EQ(type->currentIndex(), Requirement::Functional);
            EXPECT_EQ(requirement->m_nType, Requirement::Functional);
            ok ? sheet.accept() : sheet.reject();
        });
        ASSERT_EQ(messages.texts.size(), 1);
        EXPECT_TRUE(messages.texts[0].startsWith(
            QStringLiteral("It is not permitted to change the requirement type, because this Requirement "
                           "created at least one Use-Case.")));
        EXPECT_EQ(messages.types[0], DV::MB_OK | DV::MB_ICONEXCLAMATION);
        EXPECT_EQ(requirement->m_nType, Requirement::Functional);
    }
}

TEST_F(ReqEditSheet, ThePhaseCombosShowTheStateAndTheLastCompletion) {
    Requirement* never = AddRequirement(QStringLiteral("Never"));
    Requirement* done = AddRequirement(QStringLiteral("Done"));
    Requirement* outOfDate = AddRequirement(QStringLiteral("Old"));
    Approve(done);
    Approve(outOfDate);
    outOfDate->m_approval.m_nState = CDVDevelopmentStep::OutOfDate;
    struct Case {
        Requirement* requirement;
        QString no;
        int selected;
    };
    for (const Case& c : {Case{never, QStringLiteral("No (pendant)"), 0}, Case{done, QStringLiteral("No"), 1},
                          Case{outOfDate, QStringLiteral("No (out-of-date)"), 0}}) {
        SCOPED_TRACE(c.requirement->GetTitle().toStdString());
        EditInSheet(c.requirement, [&](DlgSheet_Req_Edit& sheet) {
            sheet.Tabs()->setCurrentIndex(DlgSheet_Req_Edit::FullfillmentPage);
            Dlg_Req_Fullfillment* page = sheet.Fullfillment();
            EXPECT_EQ(page->ApprovedCombo()->itemText(0), c.no);
            EXPECT_EQ(page->ApprovedCombo()->itemText(1), QStringLiteral("Yes"));
            EXPECT_EQ(page->ApprovedCombo()->currentIndex(), c.selected);
            EXPECT_EQ(page->VerifiedCombo()->itemText(0), QStringLiteral("No (pendant)"));
            const QString last = c.requirement == never
                                     ? QStringLiteral("Never approved so far.")
                                     : QStringLiteral("%1, Version %2")
                                           .arg(FormatTime(c.requirement->m_approval.m_timeLast),
                                                FormatVersion(c.requirement->m_approval.m_versionLast));
            EXPECT_EQ(page->LastApprovalEdit()->text(), last);
            EXPECT_EQ(page->LastVerificationEdit()->text(), QStringLiteral("Never verified so far."));
            sheet.reject();
        });
    }
}

TEST_F(ReqEditSheet, ChoosingYesChecksOnlyAndOkApproves) {
    Requirement* parent = AddRequirement(QStringLiteral("P"));
    Requirement* child = AddRequirement(QStringLiteral("C"), parent->m_nId);
    // The child cannot be approved before its parent: the message, "No" again, nothing changed.
    EditInSheet(child, [&](DlgSheet_Req_Edit& sheet) {
        sheet.Tabs()->setCurrentIndex(DlgSheet_Req_Edit::FullfillmentPage);
        sheet.Fullfillment()->ApprovedCombo()->setCurrentIndex(1);
        EXPECT_EQ(sheet.Fullfillment()->ApprovedCombo()->currentIndex(), 0);
        sheet.accept();
    });
    EXPECT_EQ(messages.texts,
              QStringList{QStringLiteral(
                  "\"C\" cannot be approved now, because the parent \"P\" has not been approved so far.")});
    EXPECT_EQ(child->m_approval.m_nState, CDVDevelopmentStep::Pending);
    EXPECT_FALSE(child->m_approval.EverDone());

    // The parent: the check passes without approving, OK approves and stamps the version.
    const VersionNumber next = NextPhaseVersion(&doc, *parent);
    EditInSheet(parent, [&](DlgSheet_Req_Edit& sheet) {
        sheet.Tabs()->setCurrentIndex(DlgSheet_Req_Edit::FullfillmentPage);
        sheet.Fullfillment()->ApprovedCombo()->setCurrentIndex(1);
        EXPECT_EQ(sheet.Fullfillment()->ApprovedCombo()->currentIndex(), 1);
        EXPECT_EQ(parent->m_approval.m_nState, CDVDevelopmentStep::Pending);
        // Verifying before the approval is done is refused by the check.
        sheet.Fullfillment()->VerifiedCombo()->setCurrentIndex(1);
        EXPECT_EQ(sheet.Fullfillment()->VerifiedCombo()->currentIndex(), 0);
        sheet.accept();
    });
    EXPECT_EQ(parent->m_approval.m_nState, CDVDevelopmentStep::Done);
    EXPECT_EQ(parent->m_approval.m_versionLast, next);
    EXPECT_EQ(parent->m_version, next);
}

TEST_F(ReqEditSheet, WithdrawingTheApprovalOnOkCascadesAndRefusesTheVerification) {
    doc.m_bImplementationPhase = false;
    Requirement* parent = AddRequirement(QStringLiteral("P"));
    Requirement* child = AddRequirement(QStringLiteral("C"), parent->m_nId);
    Approve(parent);
    Approve(child);
    bool ok = false;
    child->Verify(true, &doc, false, ok, false);
    ASSERT_TRUE(ok);
    messages.Clear();
    EditInSheet(child, [&](DlgSheet_Req_Edit& sheet) {
        sheet.Tabs()->setCurrentIndex(DlgSheet_Req_Edit::FullfillmentPage);
        // "No" for the approval with "Yes" left for the verification.
        sheet.Fullfillment()->ApprovedCombo()->setCurrentIndex(0);
        EXPECT_EQ(sheet.Fullfillment()->VerifiedCombo()->currentIndex(), 1);
        sheet.accept();
    });
    EXPECT_EQ(child->m_approval.m_nState, CDVDevelopmentStep::Pending);
    EXPECT_EQ(child->m_verification.m_nState, CDVDevelopmentStep::Pending);
    ASSERT_FALSE(messages.texts.isEmpty());
    EXPECT_EQ(messages.texts.last(), QStringLiteral("\"C\" cannot be verified before it has been approved!"));

    // The parent's withdrawal takes the child's approval along and tells so in one notice.
    Approve(child);
    messages.Clear();
    EditInSheet(parent, [&](DlgSheet_Req_Edit& sheet) {
        sheet.Tabs()->setCurrentIndex(DlgSheet_Req_Edit::FullfillmentPage);
        sheet.Fullfillment()->ApprovedCombo()->setCurrentIndex(0);
        sheet.accept();
    });
    EXPECT_EQ(parent->m_approval.m_nState, CDVDevelopmentStep::Pending);
    EXPECT_EQ(child->m_approval.m_nState, CDVDevelopmentStep::OutOfDate);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts[0],
              QStringLiteral("Please note, that approvals and verifications of following\n"
                             "Requirements and Use-Cases will also be removed:\n\n"
                             "The approval of the child \"C\" of \"P\" will be removed.\n"));
}

TEST_F(ReqEditSheet, CreatedLinksChangeThePartnerOnlyOnOk) {
    Requirement* three = AddRequirement(QStringLiteral("Three"));
    Requirement* seven = AddRequirement(QStringLiteral("Seven"));
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        EditInSheet(three, [&](DlgSheet_Req_Edit& sheet) {
            sheet.Tabs()->setCurrentIndex(DlgSheet_Req_Edit::CreatedPage);
            Dlg_Req_Created* page = sheet.Created();
            CheckInNextQuickSelect(seven->m_nId);
            QTest::mouseClick(page->EditButton(0), Qt::LeftButton);
            EXPECT_EQ(page->ListEdit(0)->toPlainText(), QStringLiteral("Seven(2)"));
            // Deferred: the partner learns of the link only at OK.
            EXPECT_TRUE(seven->m_derivedFromRequirements.empty());
            ok ? sheet.accept() : sheet.reject();
        });
        EXPECT_EQ(three->m_createdRequirements, ok ? Ids({quint32(seven->m_nId)}) : Ids({}));
        EXPECT_EQ(seven->m_derivedFromRequirements, ok ? Ids({quint32(three->m_nId)}) : Ids({}));
    }
    EXPECT_EQ(Cell(view, seven->m_nId, 0), QStringLiteral("Seven"));
}

}  // namespace
