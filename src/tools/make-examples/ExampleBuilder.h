#pragma once

#include "document/CReqDoc.h"

#include <QString>

#include <initializer_list>

// Builds an example project through the document's own operations, as a user would in the views:
// new objects get their identifiers from the document, links are made on both sides, phases are
// done by the phase operations. The clock advances one minute per operation.
class ExampleBuilder {
public:
    ExampleBuilder(CReqDoc& doc, const QString& projectName, qint64 startTime);
    ~ExampleBuilder();
    ExampleBuilder(const ExampleBuilder&) = delete;
    ExampleBuilder& operator=(const ExampleBuilder&) = delete;

    // The default content's top-level folders: 1 user needs, 2 business requirements, 3 features,
    // 4 specifications.
    Requirement* Folder(int id) { return m_doc.FindRequirement(id); }

    DVParameter* Parameter(const QString& name, int type, std::initializer_list<QString> items = {});
    Requirement* AddRequirement(const Requirement* parent, const QString& title, int type,
                                const QString& description, int linkage = Requirement::And);
    CActor* AddActor(const CActor* parent, const QString& title, const QString& description,
                     int kind = CActor::KindActor);
    CFunction* AddFunction(CActor* actor, const QString& name, const QString& parameters,
                           const QString& returnValue);
    DVParameter* AddActorParameter(CActor* actor, const QString& name, int type);
    CUseCase* AddUseCase(const CUseCase* parent, const QString& title, const QString& description,
                         int kind = CUseCase::KindUseCase);
    CStep* AddStep(CUseCase* useCase, const CStep* parent, int type, const QString& title,
                   const CActor* actor = nullptr);

    // Values of project parameters on an object.
    void SetText(CDVUserDefinedParList* object, const DVParameter* parameter, const QString& text);
    void SetNumber(CDVUserDefinedParList* object, const DVParameter* parameter, double number);
    void SetItem(CDVUserDefinedParList* object, const DVParameter* parameter, int item);

    // derived was derived from source; both sides are recorded.
    void DeriveRequirement(const Requirement* derived, const Requirement* source);
    void DeriveUseCase(const CUseCase* useCase, const Requirement* source);
    void UseCaseCreates(const CUseCase* useCase, const Requirement* created);

    // Phase operations; a refusal stops the generator, since the example would not be what it claims.
    void Approve(CDVVerificationData* object);
    void Verify(CDVVerificationData* object);
    void Implement(CDVVerificationData* object);
    void WithdrawApproval(CDVVerificationData* object);

    // Numbers the steps of every use case 1, 2, 3, ... in tree order, as the steps view does.
    void NumberSteps();
    // The column layouts and window size a user saves after arranging the views.
    void ArrangeViews();

private:
    void Touch(CDVData* object);
    void Check(bool ok, const QString& what, const CDVData* object) const;

    CReqDoc& m_doc;
    qint64 m_now;
};
