#pragma once

#include "document/DVExportSource.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// Writes a matrix view as semicolon-separated text or as a SpreadsheetML 2003 workbook. The bytes go
// to a sink in chunks; a sink reports a failure by throwing.
//
// Csv is one byte per UTF-16 code unit in the Windows-1252 code page, fields unquoted. CsvUtf8 is UTF-8
// with a byte-order mark, fields quoted where they need it. Xml is pure ASCII: every other character is
// a numeric character reference, so readers that ignore the declared encoding get every character.
class DVExportWriter {
public:
    enum class Format { Xml, Csv, CsvUtf8 };
    using Sink = std::function<void(QByteArrayView bytes)>;

    DVExportWriter(Format format, Sink sink);

    // The whole export of the source. In Csv the first data text holding ";" asks once whether every
    // ";" of this and later data texts is to become ":".
    static void Write(Format format, const DVExportSource& source, const Sink& sink);

    void Begin(const std::vector<DVExportColumn>& columns);
    void Row(const QStringList& cells);
    void End();

private:
    void AppendXmlText(QStringView text);
    void AppendCsvText(const QString& text);
    void AppendUtf8Field(const QString& text);
    void FlushIfFull();

    Format m_format;
    Sink m_sink;
    QByteArray m_buffer;
    bool m_bAsked = false;
    bool m_bReplace = false;
};
