#include "document/CArchiveWriter.h"

#include "document/CArchiveException.h"
#include "document/CArchiveFormat.h"

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <utility>

void CArchiveWriter::MakeRoom(qsizetype count) {
    // Doubling keeps a large project's archive from being copied over and over.
    m_out.resize(std::max(2 * m_out.size(), m_written + count));
}

QByteArray CArchiveWriter::TakeBytes() {
    m_out.truncate(std::exchange(m_written, 0));
    return std::exchange(m_out, QByteArray());
}

template <typename T>
void CArchiveWriter::WriteLittleEndian(T value) {
    qToLittleEndian(value, Grow(sizeof(T)));
}

void CArchiveWriter::WriteByte(quint8 value) {
    *Grow(1) = char(value);
}
void CArchiveWriter::WriteInt16(qint16 value) {
    WriteLittleEndian(value);
}
void CArchiveWriter::WriteUInt16(quint16 value) {
    WriteLittleEndian(value);
}
void CArchiveWriter::WriteInt32(qint32 value) {
    WriteLittleEndian(value);
}
void CArchiveWriter::WriteUInt32(quint32 value) {
    WriteLittleEndian(value);
}
void CArchiveWriter::WriteInt64(qint64 value) {
    WriteLittleEndian(value);
}
void CArchiveWriter::WriteBool(bool value) {
    WriteByte(value ? 1 : 0);
}
void CArchiveWriter::WriteDouble(double value) {
    WriteLittleEndian(std::bit_cast<quint64>(value));
}

void CArchiveWriter::WriteString(const QString& text) {
    const qsizetype length = text.size();
    if (length > DVArchive::kMaxStringLength)
        throw CArchiveException(CArchiveException::generic,
                                QStringLiteral("A text is too long to be saved."));
    WriteByte(0xFF);
    WriteUInt16(DVArchive::kWideStringTag);
    if (length < 0xFF) {
        WriteByte(quint8(length));
    } else if (length < 0xFFFE) {
        WriteByte(0xFF);
        WriteUInt16(quint16(length));
    } else {
        WriteByte(0xFF);
        WriteUInt16(0xFFFF);
        WriteUInt32(quint32(length));
    }
    qToLittleEndian<quint16>(text.utf16(), length, Grow(2 * length));
}

void CArchiveWriter::WriteTime(qint64 seconds) {
    WriteUInt32(DVArchive::kTimeMarker);
    WriteInt64(seconds);
}

void CArchiveWriter::WriteIdArray(const std::vector<quint32>& ids) {
    if (ids.size() < 0xFFFF) {
        WriteUInt16(quint16(ids.size()));
    } else {
        WriteUInt16(0xFFFF);
        WriteUInt32(quint32(ids.size()));
    }
    for (quint32 id : ids)
        WriteUInt32(id);
}
