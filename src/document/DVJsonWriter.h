#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

class QIODevice;

// Writes JSON as it goes, in exactly the indented layout of QJsonDocument, so that a large project
// is printed without building its whole tree first. The caller writes the keys of each object in the
// order QJsonObject keeps them (sorted), which is what makes the text the same.
class DVJsonWriter {
public:
    explicit DVJsonWriter(QIODevice& out);
    DVJsonWriter(const DVJsonWriter&) = delete;
    DVJsonWriter& operator=(const DVJsonWriter&) = delete;

    // Writes what is buffered; false when the device refused any of the text.
    bool Finish();

    DVJsonWriter& Key(const char* key);
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Int(qint64 value);
    void Bool(bool value);
    // Shortest round-trip text; the non-finite values as the strings "NaN", "Infinity", "-Infinity"
    // and negative zero as -0.0, which a reader cannot take for the integer 0.
    void Double(double value);
    void String(const QString& text);
    void Null();

private:
    void BeginValue();
    // Closes the innermost object or array; the number of its entries.
    int PopLevel();
    void Indent();
    void Raw(const char* text, std::size_t size) { m_buffer.append(text, size); }
    void Raw(QByteArrayView text) { m_buffer.append(text.data(), std::size_t(text.size())); }
    void FlushIfFull();

    QIODevice& m_out;
    std::string m_buffer;
    // Per open object or array: how many entries it has so far.
    std::vector<int> m_counts;
    bool m_afterKey = false;
    bool m_failed = false;
};
