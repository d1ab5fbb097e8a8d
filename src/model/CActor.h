#pragma once

#include "model/CDVUserDefinedParList.h"
#include "model/CFunction.h"
#include "model/DVParameter.h"

#include <memory>
#include <vector>

// A person or system that takes part in use cases, with its functions and its own parameter definitions.
class CActor : public CDVUserDefinedParList {
public:
    enum Kind { KindActor = 0, KindFolder = 1 };

    explicit CActor(qint32 id = 0);
    // Copies the source; its functions and parameter definitions get new identifiers from the document.
    CActor(qint32 id, const CActor& source, CReqProject* doc);

    DVFamily Family() const override { return DVFamily::Actor; }
    int GetImageIndex() const override { return m_nKind == KindFolder ? 3 : 9; }
    bool SetFieldText(const QString& text, int fieldId, bool& handled, CReqProject* doc) override;

    // "%s (%s)" of name and type name of each parameter definition, joined with ", ".
    QString ParameterText(const CReqProject* doc) const;
    // The function texts joined with ", ".
    QString FunctionsText() const;

    qint32 m_nKind = KindActor;
    std::vector<std::unique_ptr<CFunction>> m_functions;
    std::vector<std::unique_ptr<DVParameter>> m_actorParameters;
};

// The type name of a parameter definition ("Text", "Number", "List" as the project names them), "Error"
// for an unknown type.
QString ParameterTypeName(const CReqProject* doc, qint32 type);
