#include "document/DVExportWriter.h"

#include "platform/DVMessageBox.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <utility>

namespace {

constexpr qsizetype kChunk = 1 << 16;

constexpr char kPrologue[] =
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n"
    "<?mso-application progid=\"Excel.Sheet\"?>\n"
    "<ss:Workbook xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">\n"
    "<ss:Styles>\n"
    "<ss:Style ss:ID=\"1\"> <ss:Font ss:Bold=\"1\"/>\n"
    "  <ss:Alignment ss:Horizontal=\"Center\" ss:Vertical=\"Center\" ss:WrapText=\"1\"/>\n"
    "  <ss:Interior ss:Color=\"#C0C0C0\" ss:Pattern=\"Solid\"/>\n"
    "</ss:Style>\n"
    "<ss:Style ss:ID=\"2\"> <ss:Alignment ss:Vertical=\"Center\" ss:WrapText=\"1\"/>\n"
    "</ss:Style>\n"
    "</ss:Styles>\n"
    "<ss:Worksheet ss:Name=\"Sheet1\">\n"
    "<ss:Table>\n";
constexpr char kClosing[] = "</ss:Table>\n</ss:Worksheet>\n</ss:Workbook>\n";
constexpr char kHeaderCell[] = "<ss:Cell ss:StyleID=\"1\"> <ss:Data ss:Type=\"String\">";
constexpr char kDataCell[] = "<ss:Cell ss:StyleID=\"2\"> <ss:Data ss:Type=\"String\">";
constexpr char kCellEnd[] = "</ss:Data></ss:Cell>";

// XML 1.0 allows no other control characters, not even as references.
bool IsXmlChar(char32_t c) {
    return c >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r';
}

}  // namespace

DVExportWriter::DVExportWriter(Format format, Sink sink) : m_format(format), m_sink(std::move(sink)) {}

void DVExportWriter::Write(Format format, const DVExportSource& source, const Sink& sink) {
    DVExportWriter writer(format, sink);
    writer.Begin(source.Columns());
    source.ForEachRow([&](const QStringList& cells) { writer.Row(cells); });
    writer.End();
}

void DVExportWriter::Begin(const std::vector<DVExportColumn>& columns) {
    switch (m_format) {
        case Format::Xml:
            m_buffer += kPrologue;
            for (const DVExportColumn& column : columns) {
                m_buffer += "<ss:Column ss:Width=\"" + QByteArray::number(column.width) + "\"/>\n";
            }
            m_buffer += "<ss:Row>\n";
            for (size_t i = 0; i < columns.size(); ++i) {
                if (i > 0) {
                    m_buffer += '\n';
                }
                m_buffer += kHeaderCell;
                AppendXmlText(columns[i].header);
                m_buffer += kCellEnd;
            }
            m_buffer += "\n</ss:Row>\n";
            break;
        case Format::Csv:
            // The header is written as it stands, never asked about.
            for (size_t i = 0; i < columns.size(); ++i) {
                if (i > 0) {
                    m_buffer += ';';
                }
                m_buffer += EncodeWindows1252(columns[i].header);
            }
            m_buffer += '\n';
            break;
        case Format::CsvUtf8:
            m_buffer += "\xEF\xBB\xBF";
            for (size_t i = 0; i < columns.size(); ++i) {
                if (i > 0) {
                    m_buffer += ';';
                }
                AppendUtf8Field(columns[i].header);
            }
            m_buffer += '\n';
            break;
    }
    FlushIfFull();
}

void DVExportWriter::Row(const QStringList& cells) {
    if (m_format == Format::Xml) {
        m_buffer += "<ss:Row>\n";
        for (const QString& text : cells) {
            m_buffer += kDataCell;
            AppendXmlText(text);
            m_buffer += kCellEnd;
            m_buffer += '\n';
        }
        m_buffer += "</ss:Row>\n";
    } else {
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (i > 0) {
                m_buffer += ';';
            }
            if (m_format == Format::Csv) {
                AppendCsvText(cells[i]);
            } else {
                AppendUtf8Field(cells[i]);
            }
        }
        m_buffer += '\n';
    }
    FlushIfFull();
}

void DVExportWriter::End() {
    if (m_format == Format::Xml) {
        m_buffer += kClosing;
    }
    m_sink(m_buffer);
    m_buffer.clear();
}

void DVExportWriter::AppendXmlText(QStringView text) {
    // Most texts are plain ASCII without markup characters: one conversion instead of a character loop.
    const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x80 && (u >= 0x20 || u == u'\t' || u == u'\n') && u != u'&' && u != u'<' && u != u'>';
    });
    if (plain) {
        m_buffer += text.toLatin1();
        return;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode());
            ++i;
        } else if (QChar::isSurrogate(c) || !IsXmlChar(c)) {
            c = 0xFFFD;  // a lone surrogate half or a control character no XML reader accepts
        }
        switch (c) {
            case u'&':
                m_buffer += "&amp;";
                break;
            case u'<':
                m_buffer += "&lt;";
                break;
            case u'>':
                m_buffer += "&gt;";
                break;
            default:
                // A raw carriage return would reach the reader as a line feed.
                if (c < 0x80 && c != u'\r') {
                    m_buffer += char(c);
                } else {
                    m_buffer += "&#" + QByteArray::number(quint32(c)) + ';';
                }
        }
    }
}

void DVExportWriter::AppendCsvText(const QString& text) {
    if (!text.contains(u';')) {
        m_buffer += EncodeWindows1252(text);
        return;
    }
    if (!m_bAsked) {
        m_bAsked = true;
        m_bReplace = DVMessageBox(QStringLiteral("Do you want to replace all \";\"-characters with \":\"?"),
                                  DV::MB_YESNO | DV::MB_ICONEXCLAMATION) == DV::IDYES;
    }
    m_buffer += EncodeWindows1252(m_bReplace ? QString(text).replace(u';', u':') : text);
}

void DVExportWriter::AppendUtf8Field(const QString& text) {
    const bool quoted =
        text.contains(u';') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r');
    if (!quoted) {
        m_buffer += text.toUtf8();
        return;
    }
    m_buffer += '"';
    m_buffer += QString(text).replace(u'"', QStringLiteral("\"\"")).toUtf8();
    m_buffer += '"';
}

void DVExportWriter::FlushIfFull() {
    if (m_buffer.size() >= kChunk) {
        m_sink(m_buffer);
        m_buffer.clear();
    }
}
