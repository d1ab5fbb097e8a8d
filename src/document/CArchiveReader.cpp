#include "document/CArchiveReader.h"

#include "document/CArchiveException.h"
#include "document/CArchiveFormat.h"
#include "platform/Windows1252.h"

#include <QtEndian>

#include <algorithm>
#include <bit>

const char* CArchiveReader::Take(qint64 count) {
    if (count > Remaining())
        throw CArchiveException(CArchiveException::endOfFile);
    const char* bytes = m_data + m_pos;
    m_pos += count;
    return bytes;
}

void CArchiveReader::RequireElements(qint64 count, qsizetype elementSize) const {
    if (count > Remaining() / elementSize)
        throw CArchiveException(CArchiveException::endOfFile);
}

template <typename T>
T CArchiveReader::ReadLittleEndian() {
    return qFromLittleEndian<T>(Take(sizeof(T)));
}

quint8 CArchiveReader::ReadByte() {
    return quint8(*Take(1));
}
qint16 CArchiveReader::ReadInt16() {
    return ReadLittleEndian<qint16>();
}
quint16 CArchiveReader::ReadUInt16() {
    return ReadLittleEndian<quint16>();
}
qint32 CArchiveReader::ReadInt32() {
    return ReadLittleEndian<qint32>();
}
quint32 CArchiveReader::ReadUInt32() {
    return ReadLittleEndian<quint32>();
}
qint64 CArchiveReader::ReadInt64() {
    return ReadLittleEndian<qint64>();
}
bool CArchiveReader::ReadBool() {
    return ReadByte() != 0;
}
double CArchiveReader::ReadDouble() {
    return std::bit_cast<double>(ReadLittleEndian<quint64>());
}

qint64 CArchiveReader::ReadStringLength(bool& wide) {
    wide = false;
    quint8 shortLength = ReadByte();
    if (shortLength < 0xFF)
        return shortLength;
    quint16 length16 = ReadUInt16();
    if (length16 == DVArchive::kWideStringTag) {
        wide = true;
        shortLength = ReadByte();
        if (shortLength < 0xFF)
            return shortLength;
        length16 = ReadUInt16();
    }
    if (length16 < 0xFFFF)
        return length16;
    const quint32 length32 = ReadUInt32();
    const quint64 length = length32 < 0xFFFFFFFF ? length32 : ReadLittleEndian<quint64>();
    if (length > quint64(DVArchive::kMaxStringLength))
        throw CArchiveException(CArchiveException::generic);
    return qint64(length);
}

QString CArchiveReader::ReadString() {
    bool wide = false;
    const qint64 length = ReadStringLength(wide);
    if (!wide)
        return DecodeWindows1252(Take(length), length);
    RequireElements(length, 2);
    QString text(length, Qt::Uninitialized);
    qFromLittleEndian<quint16>(Take(2 * length), length, text.data());
    return text;
}

qint64 CArchiveReader::ReadTime() {
    const quint32 first = ReadUInt32();
    if (first == DVArchive::kTimeMarker)
        return ReadInt64();
    return qint32(first);
}

std::vector<quint32> CArchiveReader::ReadIdArray() {
    const quint16 count16 = ReadUInt16();
    const quint32 count = count16 < 0xFFFF ? count16 : ReadUInt32();
    RequireElements(count, sizeof(quint32));
    std::vector<quint32> ids(count);
    for (quint32& id : ids)
        id = ReadUInt32();
    return ids;
}

qint32 CArchiveReader::ReadCount(qsizetype minElementSize) {
    const qint32 count = ReadInt32();
    if (count < 0)
        throw CArchiveException(CArchiveException::generic);
    RequireElements(count, minElementSize);
    return count;
}

qsizetype CArchiveReader::ReservableCount(qint32 count, qsizetype elementSize) const {
    return std::min<qsizetype>(count, Remaining() / elementSize);
}
