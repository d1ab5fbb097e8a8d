#pragma once

#include <QString>

#include <vector>

// Reads the primitive encodings of the project archive from a byte buffer it does not own.
// Every read that runs past the end throws CArchiveException (endOfFile); malformed values
// throw CArchiveException (generic). No read allocates more than the remaining bytes can fill.
class CArchiveReader {
public:
    CArchiveReader(const char* data, qsizetype size) : m_data(data), m_size(size) {}

    quint8 ReadByte();
    qint16 ReadInt16();
    quint16 ReadUInt16();
    qint32 ReadInt32();
    quint32 ReadUInt32();
    qint64 ReadInt64();
    bool ReadBool();
    double ReadDouble();
    // Wide strings in every length form, and 8-bit strings in the Windows-1252 code page.
    QString ReadString();
    // Seconds since 1970-01-01 UTC; a value without the time marker is an old 32-bit time.
    qint64 ReadTime();
    std::vector<quint32> ReadIdArray();
    // An int32 element count, refused when negative or when the remaining bytes cannot hold
    // that many elements of at least minElementSize bytes each.
    qint32 ReadCount(qsizetype minElementSize);
    // How many of count elements of elementSize bytes in memory to reserve room for up front: no more
    // than the remaining bytes could hold, so that a lying count costs no more memory than the archive's
    // size. Room beyond that grows as elements are really read.
    qsizetype ReservableCount(qint32 count, qsizetype elementSize) const;

    qsizetype Position() const { return m_pos; }
    qsizetype Remaining() const { return m_size - m_pos; }
    bool AtEnd() const { return m_pos == m_size; }

private:
    template <typename T>
    T ReadLittleEndian();
    const char* Take(qint64 count);
    void RequireElements(qint64 count, qsizetype elementSize) const;
    qint64 ReadStringLength(bool& wide);

    const char* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};
