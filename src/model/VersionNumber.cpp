#include "model/VersionNumber.h"

bool VersionNumber::SameNumbering(const VersionNumber& other) const {
    if (bThreeDigit != other.bThreeDigit) {
        return false;
    }
    return bThreeDigit ? nMajor == other.nMajor && nMinor == other.nMinor : strPrefix == other.strPrefix;
}

bool VersionNumber::operator==(const VersionNumber& other) const {
    if (bThreeDigit != other.bThreeDigit) {
        return false;
    }
    return bThreeDigit ? nMajor == other.nMajor && nMinor == other.nMinor && nCount == other.nCount
                       : strPrefix == other.strPrefix;
}

VersionNumber VersionNumber::Next(const VersionNumber& project) const {
    VersionNumber next = *this;
    next.bThreeDigit = project.bThreeDigit;
    if (project.bThreeDigit) {
        next.nMajor = project.nMajor;
        next.nMinor = project.nMinor;
    } else {
        next.strPrefix = project.strPrefix;
    }
    next.nCount = SameNumbering(project) ? nCount + 1 : 1;
    return next;
}

QString FormatVersion(const VersionNumber& version) {
    if (version.bThreeDigit) {
        return QStringLiteral("%1.%2.%3").arg(version.nMajor).arg(version.nMinor).arg(version.nCount);
    }
    return version.strPrefix + QString::number(version.nCount);
}
