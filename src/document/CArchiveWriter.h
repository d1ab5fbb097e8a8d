#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Appends the little-endian primitive encodings of the project archive to a byte array.
class CArchiveWriter {
public:
    explicit CArchiveWriter(QByteArray& out) : m_out(out) {}

    void WriteByte(quint8 value);
    void WriteInt16(qint16 value);
    void WriteUInt16(quint16 value);
    void WriteInt32(qint32 value);
    void WriteUInt32(quint32 value);
    void WriteInt64(qint64 value);
    void WriteBool(bool value);
    void WriteDouble(double value);
    // Always the wide form; throws CArchiveException for texts longer than a reader accepts.
    void WriteString(const QString& text);
    // Seconds since 1970-01-01 UTC, behind the 64-bit time marker.
    void WriteTime(qint64 seconds);
    void WriteIdArray(const std::vector<quint32>& ids);

private:
    // Room for count more bytes at the end of the array.
    char* Grow(qsizetype count);
    template <typename T>
    void WriteLittleEndian(T value);

    QByteArray& m_out;
};
