#pragma once

#include <QString>

// Version of the project, of every object and of every phase record.
struct VersionNumber {
    bool bThreeDigit = true;
    QString strPrefix;
    qint32 nMajor = 1;
    qint32 nMinor = 0;
    qint32 nCount = 0;

    // Same numbering: both three-digit with equal major and minor, or both user-defined with equal prefix.
    bool SameNumbering(const VersionNumber& other) const;
    // Equality of phase versions: major, minor and count when three-digit, the prefix when user-defined.
    bool operator==(const VersionNumber& other) const;

    // The project's numbering with the count of an object whose numbering is "this" and that is about to
    // be modified: count 1 when the numbering differs, else this count + 1.
    VersionNumber Next(const VersionNumber& project) const;
};

// "%i.%i.%i" of major, minor, count when three-digit, else "%s%i" of prefix and count.
QString FormatVersion(const VersionNumber& version);
