#pragma once

#include "model/CDVData.h"

// A function an actor offers, written like a signature.
class CFunction : public CDVData {
public:
    CFunction() = default;
    // Copies the base part, the identifier and both strings.
    CFunction(const CFunction& source);

    DVFamily Family() const override { return DVFamily::Function; }
    int GetImageIndex() const override { return 0; }

    // "%s = %s( %s )" of return value, name and parameter list.
    QString FunctionText() const;

    QString m_strParameters;
    QString m_strReturnValue;
};
