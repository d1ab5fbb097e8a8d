#include "tools/make-examples/ExampleBuilder.h"

#include "platform/DVClock.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Whether object lies below the node with identifier ancestorId; the walk is bounded.
template <typename T>
bool IsBelow(const DVObjectList<T>& list, const T* object, qint32 ancestorId) {
    for (int depth = 0; object != nullptr && depth < list.size(); ++depth) {
        if (object->m_nParentId == ancestorId)
            return true;
        object = list.FindById(object->m_nParentId);
    }
    return false;
}

// Inserts the object as the last child of parentId (0: top level), keeping the list in pre-order
// and the sibling chain intact.
template <typename T>
T* InsertInTree(DVObjectList<T>& list, std::unique_ptr<T> object, qint32 parentId) {
    int position = 0;
    qint32 previousSibling = 0;
    if (parentId != 0)
        position = list.IndexOf(list.FindById(parentId)) + 1;
    for (; position < list.size(); ++position) {
        const T* next = list.at(position);
        if (parentId != 0 && !IsBelow(list, next, parentId))
            break;
        if (next->m_nParentId == parentId)
            previousSibling = next->m_nId;
    }
    object->m_nParentId = parentId;
    object->m_nPrevSiblingId = previousSibling;
    return list.Insert(position, std::move(object));
}

}  // namespace

ExampleBuilder::ExampleBuilder(CReqDoc& doc, const QString& projectName, qint64 startTime)
    : m_doc(doc), m_now(startTime) {
    SetDVClock([this] { return m_now; });
    m_doc.CreateDefaultContent();
    m_doc.m_strProjectName = projectName;
}

ExampleBuilder::~ExampleBuilder() {
    SetDVClock({});
}

void ExampleBuilder::Touch(CDVData* object) {
    m_now += 60;
    m_doc.MarkModified(object);
}

void ExampleBuilder::Check(bool ok, const QString& what, const CDVData* object) const {
    if (ok)
        return;
    std::fprintf(stderr, "%s of \"%s\" was refused\n", qPrintable(what), qPrintable(object->m_strTitle));
    std::exit(1);
}

DVParameter* ExampleBuilder::Parameter(const QString& name, int type, std::initializer_list<QString> items) {
    auto parameter = m_doc.NewParameter();
    parameter->m_strName = name;
    parameter->m_nType = type;
    for (const QString& item : items)
        parameter->m_items.append(item);
    if (type == DVParameter::TypeList)
        parameter->m_nDefaultItem = 0;
    return m_doc.m_parameters.Append(std::move(parameter));
}

Requirement* ExampleBuilder::AddRequirement(const Requirement* parent, const QString& title, int type,
                                            const QString& description, int linkage) {
    auto requirement = m_doc.NewRequirement();
    requirement->m_strTitle = title;
    requirement->m_strDescription = description;
    requirement->m_nType = type;
    requirement->m_nLinkage = linkage;
    Requirement* added =
        InsertInTree(m_doc.m_requirements, std::move(requirement), parent ? parent->m_nId : 0);
    Touch(added);
    return added;
}

CActor* ExampleBuilder::AddActor(const CActor* parent, const QString& title, const QString& description,
                                 int kind) {
    auto actor = m_doc.NewActor();
    actor->m_strTitle = title;
    actor->m_strDescription = description;
    actor->m_nKind = kind;
    CActor* added = InsertInTree(m_doc.m_actors, std::move(actor), parent ? parent->m_nId : 0);
    Touch(added);
    return added;
}

CFunction* ExampleBuilder::AddFunction(CActor* actor, const QString& name, const QString& parameters,
                                       const QString& returnValue) {
    auto function = std::make_unique<CFunction>();
    function->m_nId = ++m_doc.m_nLastFunctionId;
    function->m_strTitle = name;
    function->m_strParameters = parameters;
    function->m_strReturnValue = returnValue;
    actor->m_functions.push_back(std::move(function));
    Touch(actor);
    return actor->m_functions.back().get();
}

DVParameter* ExampleBuilder::AddActorParameter(CActor* actor, const QString& name, int type) {
    auto parameter = std::make_unique<DVParameter>();
    parameter->m_nId = ++m_doc.m_nLastActorParameterId;
    parameter->m_strName = name;
    parameter->m_nType = type;
    actor->m_actorParameters.push_back(std::move(parameter));
    Touch(actor);
    return actor->m_actorParameters.back().get();
}

CUseCase* ExampleBuilder::AddUseCase(const CUseCase* parent, const QString& title, const QString& description,
                                     int kind) {
    auto useCase = m_doc.NewUseCase();
    useCase->m_strTitle = title;
    useCase->m_strDescription = description;
    useCase->m_nKind = kind;
    CUseCase* added = InsertInTree(m_doc.m_useCases, std::move(useCase), parent ? parent->m_nId : 0);
    Touch(added);
    return added;
}

CStep* ExampleBuilder::AddStep(CUseCase* useCase, const CStep* parent, int type, const QString& title,
                               const CActor* actor) {
    auto step = m_doc.NewStep(*useCase);
    step->m_strTitle = title;
    step->m_nType = type;
    step->m_nActorId = actor ? actor->m_nId : 0;
    CStep* added = InsertInTree(useCase->m_steps, std::move(step), parent ? parent->m_nId : 0);
    Touch(added);
    return added;
}

void ExampleBuilder::SetText(CDVUserDefinedParList* object, const DVParameter* parameter,
                             const QString& text) {
    object->AddParameterValue(parameter->m_nId).m_strText = text;
    Touch(object);
}

void ExampleBuilder::SetNumber(CDVUserDefinedParList* object, const DVParameter* parameter, double number) {
    object->AddParameterValue(parameter->m_nId).m_dNumber = number;
    Touch(object);
}

void ExampleBuilder::SetItem(CDVUserDefinedParList* object, const DVParameter* parameter, int item) {
    object->AddParameterValue(parameter->m_nId).m_nItem = item;
    Touch(object);
}

void ExampleBuilder::DeriveRequirement(const Requirement* derived, const Requirement* source) {
    m_now += 60;
    m_doc.AddRequirementLink(derived->m_nId, source->m_nId, true);
    m_doc.AddRequirementLink(derived->m_nId, source->m_nId, false);
}

void ExampleBuilder::DeriveUseCase(const CUseCase* useCase, const Requirement* source) {
    m_now += 60;
    m_doc.AddUseCaseOfRequirement(useCase->m_nId, source->m_nId, true);
    m_doc.AddUseCaseOfRequirement(useCase->m_nId, source->m_nId, false);
}

void ExampleBuilder::UseCaseCreates(const CUseCase* useCase, const Requirement* created) {
    m_now += 60;
    m_doc.AddRequirementOfUseCase(useCase->m_nId, created->m_nId, true, true);
}

void ExampleBuilder::Approve(CDVVerificationData* object) {
    bool ok = false;
    m_now += 60;
    object->Approve(true, &m_doc, false, ok, false);
    Check(ok, QStringLiteral("Approval"), object);
    m_doc.MarkModified(object);
}

void ExampleBuilder::Verify(CDVVerificationData* object) {
    bool ok = false;
    m_now += 60;
    object->Verify(true, &m_doc, false, ok, false);
    Check(ok, QStringLiteral("Verification"), object);
    m_doc.MarkModified(object);
}

void ExampleBuilder::Implement(CDVVerificationData* object) {
    bool ok = false;
    m_now += 60;
    object->Implement(true, &m_doc, ok);
    Check(ok, QStringLiteral("Implementation"), object);
    m_doc.MarkModified(object);
}

void ExampleBuilder::WithdrawApproval(CDVVerificationData* object) {
    bool ok = false;
    m_now += 60;
    object->Approve(false, &m_doc, false, ok, false);
    m_doc.MarkModified(object);
}

void ExampleBuilder::ArrangeViews() {
    struct Column {
        quint32 fieldId;
        qint32 width;
    };
    const auto arrange = [](CDVColumn& columns, std::initializer_list<Column> layout) {
        columns.Clear();
        for (const Column& column : layout) {
            columns.AddColumn(column.fieldId, column.width, 0);
        }
    };
    arrange(m_doc.m_colsRequirements,
            {{407, 260}, {402, 45}, {408, 110}, {401, 80}, {403, 330}, {404, 90}, {473, 105}, {405, 90}});
    arrange(m_doc.m_colsUseCases, {{407, 230}, {402, 45}, {403, 330}, {434, 260}, {437, 90}, {438, 90}});
    arrange(m_doc.m_colsActors, {{407, 220}, {402, 45}, {403, 300}, {500, 330}, {499, 220}});
    arrange(m_doc.m_colsSteps, {{407, 240}, {415, 70}, {403, 330}, {493, 130}, {496, 260}});
    // About 1,300 x 650 pixels at 96 dots per inch.
    m_doc.m_sizeExtent = DVSize{34000, 17000};
}

void ExampleBuilder::NumberSteps() {
    for (CUseCase* useCase : m_doc.m_useCases) {
        int number = 0;
        for (CStep* step : useCase->m_steps)
            step->m_strNumber = QString::number(++number);
    }
}
