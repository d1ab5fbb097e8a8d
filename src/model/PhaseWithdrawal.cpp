#include "model/PhaseWithdrawal.h"

#include "model/CReqProject.h"
#include "model/CUseCase.h"
#include "model/Requirement.h"

#include <vector>

namespace {

// One object's withdrawal in progress: which list of dependents it walks and where it stands.
struct Frame {
    enum Stage {
        // Approval: own verification, children, created requirements, created use cases.
        OwnVerification,
        Children,
        CreatedRequirements,
        CreatedUseCases,
        // Verification: ancestors, source requirements, source use cases.
        Ancestors,
        SourceRequirements,
        SourceUseCases,
    };

    CDVVerificationData* object;
    Stage stage;
    std::size_t index = 0;
    std::vector<Requirement*> children;
    qint32 nextAncestorId = 0;
    int ancestorBudget = 0;
};

class Cascade {
public:
    // root: the object whose withdrawal the user asked for; whoever asked counts its one change.
    Cascade(CReqProject* doc, QString& text, const CDVVerificationData* root)
        : m_doc(doc), m_text(text), m_root(root) {}

    // Applies the object's own withdrawal and, when it was done, schedules its dependents.
    void StartApproval(CDVVerificationData* object, bool cascade) {
        CDVDevelopmentStep& approval = object->m_approval;
        if (!approval.IsDone()) {
            return;
        }
        Withdraw(object, approval, cascade);
        if (object->m_implementation.IsDone()) {
            object->m_implementation.m_nState = CDVDevelopmentStep::OutOfDate;
        }
        m_stack.push_back(Frame{object, Frame::OwnVerification});
    }

    void StartVerification(CDVVerificationData* object, bool cascade) {
        if (!object->m_verification.IsDone()) {
            return;
        }
        Withdraw(object, object->m_verification, cascade);
        if (object->m_validation.IsDone()) {
            object->m_validation.m_nState = CDVDevelopmentStep::OutOfDate;
        }
        Frame frame{object, Frame::Ancestors};
        if (AsRequirement(object) != nullptr) {
            frame.nextAncestorId = object->m_nParentId;
            frame.ancestorBudget = m_doc->m_requirements.size();
        }
        m_stack.push_back(std::move(frame));
    }

    void Run() {
        while (!m_stack.empty()) {
            Step();
        }
    }

private:
    void Withdraw(CDVVerificationData* object, CDVDevelopmentStep& record, bool cascade) {
        m_doc->BeforeChange(object);
        if (cascade) {
            record.m_nState = CDVDevelopmentStep::OutOfDate;
            if (object != m_root) {
                m_doc->MarkModified(object);
            }
        } else {
            record.m_nState = CDVDevelopmentStep::Pending;
        }
    }

    // Advances the top frame by one dependent; a dependent that is still done is reported and its own
    // cascade is pushed, so that it runs to its end before the next dependent is looked at.
    void Step() {
        Frame& frame = m_stack.back();
        CDVVerificationData* object = frame.object;
        const Requirement* requirement = AsRequirement(object);
        switch (frame.stage) {
            case Frame::OwnVerification:
                frame.stage = Frame::Children;
                if (requirement != nullptr) {
                    frame.children = requirement->Children(m_doc);
                }
                if (object->m_verification.IsDone()) {
                    StartVerification(object, true);
                }
                return;
            case Frame::Children:
                if (frame.index < frame.children.size()) {
                    Requirement* child = frame.children[frame.index++];
                    if (child->m_approval.IsDone()) {
                        m_text +=
                            QStringLiteral("The approval of the child \"%1\" of \"%2\" will be removed.\n")
                                .arg(child->m_strTitle, object->m_strTitle);
                        StartApproval(child, true);
                    }
                    return;
                }
                frame.stage = Frame::CreatedRequirements;
                frame.index = 0;
                return;
            case Frame::CreatedRequirements:
                if (frame.index < object->m_createdRequirements.size()) {
                    Requirement* created = m_doc->FindRequirement(
                        static_cast<qint32>(object->m_createdRequirements[frame.index++]));
                    if (created != nullptr && created->m_approval.IsDone()) {
                        m_text +=
                            QStringLiteral(
                                "The approval of the created Requirement \"%1\" by \"%2\" will be removed.\n")
                                .arg(created->m_strTitle, object->m_strTitle);
                        StartApproval(created, true);
                    }
                    return;
                }
                frame.stage = Frame::CreatedUseCases;
                frame.index = 0;
                return;
            case Frame::CreatedUseCases:
                if (requirement != nullptr && frame.index < requirement->m_createdUseCases.size()) {
                    CUseCase* created = m_doc->FindUseCase(
                        static_cast<qint32>(requirement->m_createdUseCases[frame.index++]));
                    if (created != nullptr && created->m_approval.IsDone()) {
                        m_text +=
                            QStringLiteral(
                                "The approval of the created Use-Case \"%1\" by \"%2\" will be removed.\n")
                                .arg(created->m_strTitle, object->m_strTitle);
                        StartApproval(created, true);
                    }
                    return;
                }
                m_stack.pop_back();
                return;
            case Frame::Ancestors:
                if (frame.nextAncestorId != 0 && frame.ancestorBudget-- > 0) {
                    Requirement* ancestor = m_doc->FindRequirement(frame.nextAncestorId);
                    if (ancestor == nullptr) {
                        frame.nextAncestorId = 0;
                        return;
                    }
                    frame.nextAncestorId = ancestor->m_nParentId;
                    if (ancestor->m_verification.IsDone()) {
                        m_text +=
                            QStringLiteral("The verification of parent \"%1\" of \"%2\" will be removed.\n")
                                .arg(ancestor->m_strTitle, object->m_strTitle);
                        StartVerification(ancestor, true);
                    }
                    return;
                }
                frame.stage = Frame::SourceRequirements;
                frame.index = 0;
                return;
            case Frame::SourceRequirements:
                if (frame.index < object->m_derivedFromRequirements.size()) {
                    Requirement* source = m_doc->FindRequirement(
                        static_cast<qint32>(object->m_derivedFromRequirements[frame.index++]));
                    if (source != nullptr && source->m_verification.IsDone()) {
                        m_text += QStringLiteral(
                                      "The verification of Requirement \"%1\", which created \"%2\", will be "
                                      "removed.\n")
                                      .arg(source->m_strTitle, object->m_strTitle);
                        StartVerification(source, true);
                    }
                    return;
                }
                frame.stage = Frame::SourceUseCases;
                frame.index = 0;
                return;
            case Frame::SourceUseCases:
                if (requirement != nullptr && frame.index < requirement->m_derivedFromUseCases.size()) {
                    CUseCase* source = m_doc->FindUseCase(
                        static_cast<qint32>(requirement->m_derivedFromUseCases[frame.index++]));
                    if (source != nullptr && source->m_verification.IsDone()) {
                        m_text += QStringLiteral(
                                      "The verification of Use-Case \"%1\", which created \"%2\", will be "
                                      "removed.\n")
                                      .arg(source->m_strTitle, object->m_strTitle);
                        StartVerification(source, true);
                    }
                    return;
                }
                m_stack.pop_back();
                return;
        }
    }

    CReqProject* m_doc;
    QString& m_text;
    const CDVVerificationData* m_root;
    std::vector<Frame> m_stack;
};

}  // namespace

QString PhaseWithdrawal::WithdrawApproval(CDVVerificationData* object, bool cascade) {
    QString text;
    Cascade run(m_doc, text, object);
    run.StartApproval(object, cascade);
    run.Run();
    return text;
}

QString PhaseWithdrawal::WithdrawVerification(CDVVerificationData* object, bool cascade) {
    QString text;
    Cascade run(m_doc, text, object);
    run.StartVerification(object, cascade);
    run.Run();
    return text;
}
