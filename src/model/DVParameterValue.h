#pragma once

#include <QString>

// One value of a user-defined parameter. All three value fields are kept; the definition's type says
// which one counts.
struct DVParameterValue {
    virtual ~DVParameterValue() = default;
    DVParameterValue() = default;
    DVParameterValue(const DVParameterValue&) = default;
    DVParameterValue& operator=(const DVParameterValue&) = default;

    qint32 m_nParameterId = 0;
    double m_dNumber = 0.0;
    QString m_strText;
    qint32 m_nItem = -1;
};
