#pragma once

#include <QString>

// A user's text for a field header or an enumeration value, keyed by field id.
struct DV_UserDefinition {
    qint32 nFieldId = 0;
    QString strText;
};
