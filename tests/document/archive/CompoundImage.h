#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <algorithm>
#include <cassert>

// Compound files made byte by byte, in shapes no writer makes: directories of any size and depth, and
// headers and chains for a test to damage afterwards. The allocation table fills the first sectors, the
// directory follows, then the stream "Contents".
namespace CompoundImage {

inline constexpr quint32 kEndOfChain = 0xFFFFFFFE;
inline constexpr quint32 kFreeSector = 0xFFFFFFFF;
inline constexpr quint32 kNoEntry = 0xFFFFFFFF;

// Offsets of header fields.
inline constexpr qsizetype kSectorShiftAt = 0x1E;
inline constexpr qsizetype kMiniSectorShiftAt = 0x20;
inline constexpr qsizetype kFatSectorsAt = 0x2C;
inline constexpr qsizetype kFirstDirectorySectorAt = 0x30;
inline constexpr qsizetype kDifatSectorsAt = 0x48;
inline constexpr qsizetype kHeaderFatListAt = 0x4C;

// Further streams beside "Contents", or storages each inside the one before.
enum class Shape { siblings, nested };

inline void SetUInt32(QByteArray& image, qsizetype at, quint32 value) {
    qToLittleEndian(value, image.data() + at);
}

inline quint32 UInt32(const QByteArray& image, qsizetype at) {
    return qFromLittleEndian<quint32>(image.constData() + at);
}

inline qsizetype SectorOffset(int sectorShift, quint32 sector) {
    return std::max<qsizetype>(512, qsizetype(1) << sectorShift) + (qsizetype(sector) << sectorShift);
}

// Where the table entry of sector lies: the table sectors come first, one after the other.
inline qsizetype FatEntryOffset(int sectorShift, quint32 sector) {
    return SectorOffset(sectorShift, 0) + 4 * qsizetype(sector);
}

inline QByteArray Entry(const QString& name, quint8 type, quint32 right, quint32 child, quint32 start,
                        quint32 size) {
    QByteArray entry(128, '\0');
    if (!name.isEmpty()) {
        std::copy_n(reinterpret_cast<const char*>(name.utf16()), 2 * name.size(), entry.data());
        qToLittleEndian(quint16(2 * name.size() + 2), entry.data() + 64);
    }
    entry[66] = char(type);
    entry[67] = 1;
    SetUInt32(entry, 68, kNoEntry);
    SetUInt32(entry, 72, right);
    SetUInt32(entry, 76, child);
    SetUInt32(entry, 116, start);
    SetUInt32(entry, 120, size);
    return entry;
}

// A compound file whose directory has entries entries (at least two): the root, "Contents" holding
// contents, then streams or storages after the shape. contents has at least 4096 bytes, so that it
// lies in whole sectors.
inline QByteArray Make(int entries, Shape shape, const QByteArray& contents, int sectorShift = 9) {
    assert(entries >= 2 && contents.size() >= 4096);
    const quint32 sectorSize = 1u << sectorShift;
    const quint32 perFatSector = sectorSize / 4;
    const quint32 directorySectors = (entries * 128 + sectorSize - 1) / sectorSize;
    const quint32 dataSectors = (contents.size() + sectorSize - 1) / sectorSize;
    quint32 fatSectors = 1;
    while (fatSectors * perFatSector < fatSectors + directorySectors + dataSectors)
        ++fatSectors;
    assert(fatSectors <= 109);
    const quint32 firstDirectory = fatSectors;
    const quint32 firstData = firstDirectory + directorySectors;

    QByteArray image(SectorOffset(sectorShift, firstData + dataSectors), '\0');
    image.replace(0, 8, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    qToLittleEndian(quint16(0x3E), image.data() + 0x18);
    qToLittleEndian(quint16(sectorShift == 9 ? 3 : 4), image.data() + 0x1A);
    qToLittleEndian(quint16(0xFFFE), image.data() + 0x1C);
    qToLittleEndian(quint16(sectorShift), image.data() + kSectorShiftAt);
    qToLittleEndian(quint16(6), image.data() + kMiniSectorShiftAt);
    if (sectorShift != 9)
        SetUInt32(image, 0x28, directorySectors);
    SetUInt32(image, kFatSectorsAt, fatSectors);
    SetUInt32(image, kFirstDirectorySectorAt, firstDirectory);
    SetUInt32(image, 0x38, 4096);
    SetUInt32(image, 0x3C, kEndOfChain);
    SetUInt32(image, 0x44, kEndOfChain);
    for (quint32 i = 0; i < 109; ++i)
        SetUInt32(image, kHeaderFatListAt + 4 * i, i < fatSectors ? i : kFreeSector);

    for (quint32 sector = 0; sector < fatSectors * perFatSector; ++sector) {
        quint32 next = kFreeSector;
        if (sector < fatSectors)
            next = 0xFFFFFFFD;
        else if (sector + 1 == firstData || sector + 1 == firstData + dataSectors)
            next = kEndOfChain;
        else if (sector < firstData + dataSectors)
            next = sector + 1;
        SetUInt32(image, FatEntryOffset(sectorShift, sector), next);
    }

    QByteArray directory;
    directory += Entry(QStringLiteral("Root Entry"), 5, kNoEntry, 1, kEndOfChain, 0);
    directory += Entry(QStringLiteral("Contents"), 2, entries > 2 ? 2 : kNoEntry, kNoEntry, firstData,
                       quint32(contents.size()));
    for (int i = 2; i < entries; ++i) {
        const quint32 next = i + 1 < entries ? quint32(i + 1) : kNoEntry;
        directory += shape == Shape::siblings
                         ? Entry(QStringLiteral("S%1").arg(i), 2, next, kNoEntry, kEndOfChain, 0)
                         : Entry(QStringLiteral("S%1").arg(i), 1, kNoEntry, next, kEndOfChain, 0);
    }
    while (directory.size() % sectorSize != 0)
        directory += Entry(QString(), 0, kNoEntry, kNoEntry, 0, 0);
    image.replace(SectorOffset(sectorShift, firstDirectory), directory.size(), directory);
    image.replace(SectorOffset(sectorShift, firstData), contents.size(), contents);
    return image;
}

}  // namespace CompoundImage
