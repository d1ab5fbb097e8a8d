#include "document/CompoundFileScreen.h"

#include <QByteArray>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <vector>

namespace {

constexpr qint64 kHeaderSize = 512;
constexpr quint32 kHeaderFatSectors = 109;
constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFreeSector = 0xFFFFFFFF;
constexpr qint64 kDirectoryEntrySize = 128;

// Offsets of the header fields.
constexpr qsizetype kSectorShiftAt = 0x1E;
constexpr qsizetype kMiniSectorShiftAt = 0x20;
constexpr qsizetype kFatSectorsAt = 0x2C;
constexpr qsizetype kFirstDirectorySectorAt = 0x30;
constexpr qsizetype kFirstDifatSectorAt = 0x44;
constexpr qsizetype kDifatSectorsAt = 0x48;
constexpr qsizetype kHeaderFatListAt = 0x4C;

quint32 UInt32At(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

class Screen {
public:
    explicit Screen(QIODevice& device) : m_device(device) {}

    bool Accepts() {
        const QByteArray header = ReadAt(0, kHeaderSize);
        if (header.size() != kHeaderSize)
            return false;
        // Only the two sector sizes of the format: the library reads a whole sector for every directory
        // entry, and accepts sectors of up to a gigabyte.
        const quint16 shift = qFromLittleEndian<quint16>(header.constData() + kSectorShiftAt);
        if ((shift != 9 && shift != 12) ||
            qFromLittleEndian<quint16>(header.constData() + kMiniSectorShiftAt) != 6)
            return false;
        m_sectorSize = qint64(1) << shift;
        const qint64 sectors = (m_device.size() - FirstSectorOffset() + m_sectorSize - 1) / m_sectorSize;
        m_sectorCount = quint32(std::clamp<qint64>(sectors, 0, kEndOfChain));
        return ReadFatSectorList(header) && DirectoryFits(UInt32At(header, kFirstDirectorySectorAt));
    }

private:
    // The header sector is as large as the others.
    qint64 FirstSectorOffset() const { return std::max(kHeaderSize, m_sectorSize); }
    qint64 SectorOffset(quint32 sector) const { return FirstSectorOffset() + qint64(sector) * m_sectorSize; }
    quint32 EntriesPerSector() const { return quint32(m_sectorSize / 4); }

    // Empty when the bytes run past the end; a buffer complains on standard error of a seek there.
    QByteArray ReadAt(qint64 offset, qint64 size) {
        return offset <= m_device.size() - size && m_device.seek(offset) ? m_device.read(size) : QByteArray();
    }

    // The sectors of the allocation table, from the header and the chain of further list sectors.
    bool ReadFatSectorList(const QByteArray& header) {
        const quint32 fatSectors = UInt32At(header, kFatSectorsAt);
        // Covering every sector of the file takes one table sector per EntriesPerSector() sectors. Twice
        // that leaves room for generous writers, while the library's table, which it sizes by this count,
        // stays within the file's size and its bitmap of the table on the stack within a 2048th of it.
        const quint32 covering = m_sectorCount / EntriesPerSector() + 1;
        if (fatSectors == 0 || fatSectors > 2 * covering)
            return false;
        const quint32 perListSector = EntriesPerSector() - 1;
        const quint32 beyondHeader = fatSectors - std::min(fatSectors, kHeaderFatSectors);
        const quint32 listSectors = (beyondHeader + perListSector - 1) / perListSector;
        if (UInt32At(header, kDifatSectorsAt) != listSectors)
            return false;
        m_fatSectors.reserve(fatSectors);
        for (quint32 i = 0; i < std::min(fatSectors, kHeaderFatSectors); ++i)
            m_fatSectors.push_back(UInt32At(header, kHeaderFatListAt + 4 * i));
        quint32 listSector = UInt32At(header, kFirstDifatSectorAt);
        for (quint32 i = 0; i < listSectors; ++i) {
            const QByteArray list =
                listSector < m_sectorCount ? ReadAt(SectorOffset(listSector), m_sectorSize) : QByteArray();
            if (list.size() != m_sectorSize)
                return false;
            for (quint32 j = 0; j < perListSector && m_fatSectors.size() < fatSectors; ++j)
                m_fatSectors.push_back(UInt32At(list, 4 * j));
            listSector = UInt32At(list, 4 * perListSector);
        }
        // The library reads an unused entry as a table sector of free sectors.
        return std::all_of(m_fatSectors.begin(), m_fatSectors.end(),
                           [&](quint32 sector) { return sector == kFreeSector || sector < m_sectorCount; });
    }

    // The sector after sector in its chain; a free sector when the table cannot tell.
    quint32 NextSector(quint32 sector) {
        const quint32 index = sector / EntriesPerSector();
        if (index >= m_fatSectors.size() || m_fatSectors[index] == kFreeSector)
            return kFreeSector;
        const QByteArray entry =
            ReadAt(SectorOffset(m_fatSectors[index]) + 4 * qint64(sector % EntriesPerSector()), 4);
        return entry.size() == 4 ? UInt32At(entry, 0) : kFreeSector;
    }

    // Whether the directory chain from sector ends within kMaxDirectoryEntries entries. A chain that
    // loops never reaches its end, so the bound ends a loop too.
    bool DirectoryFits(quint32 sector) {
        const qint64 entriesPerSector = m_sectorSize / kDirectoryEntrySize;
        qint64 entries = 0;
        do {
            entries += entriesPerSector;
            if (sector >= m_sectorCount || entries > CompoundFileScreen::kMaxDirectoryEntries)
                return false;
            sector = NextSector(sector);
        } while (sector != kEndOfChain);
        return true;
    }

    QIODevice& m_device;
    qint64 m_sectorSize = 0;
    quint32 m_sectorCount = 0;
    std::vector<quint32> m_fatSectors;
};

}  // namespace

bool CompoundFileScreen::Accepts(QIODevice& device) {
    return Screen(device).Accepts();
}
