#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Writes the little-endian primitive encodings of the project archive into a byte array of its own.
class CArchiveWriter {
public:
    CArchiveWriter() = default;

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

    // Hands over the bytes written so far; the writer starts empty again.
    QByteArray TakeBytes();

private:
    // Room for count more bytes after those written. Inline and without a resize of the array per
    // value: a large project writes tens of millions of values.
    char* Grow(qsizetype count) {
        if (count > m_out.size() - m_written)
            MakeRoom(count);
        char* at = m_out.data() + m_written;
        m_written += count;
        return at;
    }
    void MakeRoom(qsizetype count);
    template <typename T>
    void WriteLittleEndian(T value);

    // Its size is the room made so far; the bytes written are the first m_written.
    QByteArray m_out;
    qsizetype m_written = 0;
};
