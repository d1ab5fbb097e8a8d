#include "model/DVParameter.h"

#include "model/DVParameterValue.h"
#include "model/StringIds.h"
#include "platform/DVFormat.h"
#include "platform/DVMessageBox.h"
#include "platform/DVStringTable.h"

#include <charconv>
#include <string>

bool DVParameter::operator==(const DVParameter& other) const {
    if (m_nId != other.m_nId || m_nType != other.m_nType || m_strName != other.m_strName) {
        return false;
    }
    switch (m_nType) {
        case TypeText:
            return m_nMaxLength == other.m_nMaxLength;
        case TypeNumber:
            return m_bHasMin == other.m_bHasMin && m_bHasMax == other.m_bHasMax &&
                   (!m_bHasMin || m_dMin == other.m_dMin) && (!m_bHasMax || m_dMax == other.m_dMax);
        case TypeList:
            return m_nDefaultItem == other.m_nDefaultItem && m_items == other.m_items;
        default:
            return true;
    }
}

QString GetValueText(const DVParameter* definition, const DVParameterValue& value) {
    if (definition != nullptr) {
        switch (definition->m_nType) {
            case DVParameter::TypeText:
                return value.m_strText;
            case DVParameter::TypeNumber:
                return FormatG(value.m_dNumber);
            case DVParameter::TypeList:
                if (value.m_nItem >= 0 && value.m_nItem < definition->m_items.size()) {
                    return definition->m_items.at(value.m_nItem);
                }
                break;
            default:
                break;
        }
    }
    return LoadString(IDS_NOT_DEFINED);
}

namespace {

void Refuse(const QString& message) {
    DVMessageBox(message, DV::MB_ICONEXCLAMATION | DV::MB_OK);
}

}  // namespace

bool SameValue(const DVParameter* definition, const DVParameterValue& a, const DVParameterValue& b) {
    if (definition != nullptr && definition->m_nType == DVParameter::TypeNumber) {
        return a.m_dNumber == b.m_dNumber;
    }
    return GetValueText(definition, a) == GetValueText(definition, b);
}

bool CheckAndConvert(const DVParameter* definition, DVParameterValue& value, const QString& text) {
    if (definition == nullptr) {
        return false;
    }
    switch (definition->m_nType) {
        case DVParameter::TypeText:
            if (definition->m_nMaxLength > 0 && text.size() > definition->m_nMaxLength) {
                Refuse(QStringLiteral("Text is longer than permitted. Maximum length is %1.")
                           .arg(definition->m_nMaxLength));
                return false;
            }
            value.m_strText = text;
            return true;
        case DVParameter::TypeNumber: {
            double number = 0.0;
            const bool isNumber = ParseNumber(text, number);
            value.m_dNumber = number;
            if (!isNumber) {
                Refuse(QStringLiteral("Invalid Number. Please enter a valid number."));
                return false;
            }
            if (definition->m_bHasMin && number < definition->m_dMin) {
                Refuse(QStringLiteral("Number is smaller than permitted. Minimum value is %1.")
                           .arg(FormatG(definition->m_dMin)));
                return false;
            }
            if (definition->m_bHasMax && number > definition->m_dMax) {
                Refuse(QStringLiteral("Number is larger than permitted. Maximum value is %1.")
                           .arg(FormatG(definition->m_dMax)));
                return false;
            }
            return true;
        }
        case DVParameter::TypeList:
            value.m_nItem = FindItemIndex(*definition, text);
            return true;
        default:
            return true;
    }
}

int FindItemIndex(const DVParameter& definition, const QString& text) {
    return static_cast<int>(definition.m_items.indexOf(text));
}

namespace {

bool IsCSpace(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || (u >= u'\t' && u <= u'\r');
}

bool IsDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Reads a decimal number at the start of the text the way the C library does: leading blanks, sign,
// digits with one point, optional exponent; reading stops at the first character that cannot continue
// the number. Returns false on overflow or underflow.
bool ReadLeadingNumber(const QString& text, double& number) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsCSpace(text.at(i))) {
        ++i;
    }
    bool negative = false;
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    std::string digits;
    bool anyDigit = false;
    while (i < n && IsDigit(text.at(i))) {
        digits += static_cast<char>(text.at(i++).unicode());
        anyDigit = true;
    }
    if (i < n && text.at(i) == u'.') {
        digits += '.';
        ++i;
        while (i < n && IsDigit(text.at(i))) {
            digits += static_cast<char>(text.at(i++).unicode());
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        number = 0.0;
        return true;
    }
    if (i < n && (text.at(i) == u'e' || text.at(i) == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text.at(j) == u'+' || text.at(j) == u'-')) {
            exponent += static_cast<char>(text.at(j++).unicode());
        }
        if (j < n && IsDigit(text.at(j))) {
            while (j < n && IsDigit(text.at(j))) {
                exponent += static_cast<char>(text.at(j++).unicode());
            }
            digits += exponent;
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc()) {
        return false;
    }
    number = negative ? -value : value;
    return true;
}

}  // namespace

bool ParseNumber(const QString& text, double& number) {
    number = 0.0;
    if (!ReadLeadingNumber(text, number)) {
        number = 0.0;
        return false;
    }
    if (number != 0.0) {
        return true;
    }
    // A zero result is a number only when the text holds nothing but zeros, commas, points and blanks.
    for (QChar c : text) {
        if (c != u'0' && c != u',' && c != u'.' && !c.isSpace()) {
            return false;
        }
    }
    return true;
}
