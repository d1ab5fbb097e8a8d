#include "model/VersionNumber.h"

#include <charconv>

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
        // Written into one buffer: a search formats the version cell of every row.
        char buffer[40];
        char* end = buffer + sizeof buffer;
        char* at = std::to_chars(buffer, end, version.nMajor).ptr;
        *at++ = '.';
        at = std::to_chars(at, end, version.nMinor).ptr;
        *at++ = '.';
        at = std::to_chars(at, end, version.nCount).ptr;
        return QString::fromLatin1(buffer, at - buffer);
    }
    return version.strPrefix + QString::number(version.nCount);
}
