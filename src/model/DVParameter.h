#pragma once

#include <QString>
#include <QStringList>

struct DVParameterValue;

// Definition of a user-defined parameter: at project level for all objects, or held by an actor for
// the input and output values of steps.
class DVParameter {
public:
    enum Type { TypeText = 0, TypeNumber = 1, TypeList = 2 };

    DVParameter() = default;
    DVParameter(const DVParameter&) = default;
    DVParameter& operator=(const DVParameter&) = default;
    virtual ~DVParameter() = default;

    // Definition equality: identifier, type and name, then the fields that matter for the type.
    bool operator==(const DVParameter& other) const;

    qint32 m_nId = 0;
    qint32 m_nType = TypeText;
    QString m_strName = QStringLiteral("New Parameter");
    double m_dMin = 0.0;
    double m_dMax = 0.0;
    bool m_bHasMin = false;
    bool m_bHasMax = false;
    qint32 m_nMaxLength = -1;
    QStringList m_items;
    qint32 m_nDefaultItem = -1;
    bool m_bDeleted = false;
};

// Displayed text of a value under its definition; "<Not defined>" without a definition or a valid item.
QString GetValueText(const DVParameter* definition, const DVParameterValue& value);
// Whether two values of the definition are the same: numbers compare as numbers, since their text
// keeps only six significant digits; other values compare by their text.
bool SameValue(const DVParameter* definition, const DVParameterValue& a, const DVParameterValue& b);

// Checks the text against the definition and stores it into the value; shows the refusal itself.
bool CheckAndConvert(const DVParameter* definition, DVParameterValue& value, const QString& text);

// Index of the first item equal to the text (case-sensitive), -1 when none.
int FindItemIndex(const DVParameter& definition, const QString& text);

// The one rule by which the program reads a number typed by the user.
bool ParseNumber(const QString& text, double& number);
