#pragma once

#include "model/CDVVerificationData.h"

// One entry of the requirements tree.
class Requirement : public CDVVerificationData {
public:
    enum Type { Functional = 0, Constraint = 1, Quality = 2, Folder = 3 };
    enum Linkage { And = 0, Or = 1, Ignore = 2 };

    explicit Requirement(qint32 id = 0);
    Requirement(qint32 id, const Requirement& source);

    DVFamily Family() const override { return DVFamily::Requirement; }
    int GetImageIndex() const override { return m_nType; }
    bool SetFieldText(const QString& text, int fieldId, bool& handled, CReqProject* doc) override;
    CDVVerificationData* FindById(qint32 id, const CReqProject* doc) const override;
    int GetNextInList(const CReqProject* doc) const override;

    // Whether the requirement may take the type; shows why not when it may not: only functional
    // requirements create use cases, so one that created some stays functional.
    bool MayTakeType(int type) const;

    // The live children in list order: the objects of this requirement's branch whose parent it is.
    std::vector<Requirement*> Children(const CReqProject* doc) const;

    qint32 m_nType = Functional;
    qint32 m_nLinkage = And;
    DVIdArray m_createdUseCases;
    DVIdArray m_derivedFromUseCases;
};

// The object as a requirement, null for a use case.
inline const Requirement* AsRequirement(const CDVVerificationData* object) {
    return object->Family() == DVFamily::Requirement ? static_cast<const Requirement*>(object) : nullptr;
}

// "%s(%i)" of title and identifier of each listed object that exists, joined with ", ".
// useCases selects the use-case list of the document, else the requirement list.
QString FormatIdList(const CReqProject* doc, const DVIdArray& ids, bool useCases);
