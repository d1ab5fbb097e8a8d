#include "document/CFileException.h"
#include "document/CReqDoc.h"
#include "document/DVExportFile.h"
#include "document/DVStoredViewExport.h"
#include "model/StringIds.h"
#include "support/DVTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Format = DVExportWriter::Format;

// A view's columns and rows as plain data.
class TableSource : public DVExportSource {
public:
    TableSource(std::vector<DVExportColumn> columns, std::vector<QStringList> rows)
        : m_columns(std::move(columns)), m_rows(std::move(rows)) {}
    std::vector<DVExportColumn> Columns() const override { return m_columns; }
    void ForEachRow(const std::function<void(const QStringList&)>& visit) const override {
        for (const QStringList& row : m_rows)
            visit(row);
    }

private:
    std::vector<DVExportColumn> m_columns;
    std::vector<QStringList> m_rows;
};

QByteArray Export(Format format, const DVExportSource& source) {
    QByteArray bytes;
    DVExportWriter::Write(format, source, [&](QByteArrayView chunk) { bytes += chunk; });
    return bytes;
}

const QByteArray kPrologue =
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

TEST(Export, XmlOfTitleAndIdIsTheDocumentedWorkbook) {
    const TableSource source({{"Title", 200}, {"ID", 40}}, {{"User Needs", "1"}});
    EXPECT_EQ(Export(Format::Xml, source),
              kPrologue +
                  "<ss:Column ss:Width=\"200\"/>\n"
                  "<ss:Column ss:Width=\"40\"/>\n"
                  "<ss:Row>\n"
                  "<ss:Cell ss:StyleID=\"1\"> <ss:Data ss:Type=\"String\">Title</ss:Data></ss:Cell>\n"
                  "<ss:Cell ss:StyleID=\"1\"> <ss:Data ss:Type=\"String\">ID</ss:Data></ss:Cell>\n"
                  "</ss:Row>\n"
                  "<ss:Row>\n"
                  "<ss:Cell ss:StyleID=\"2\"> <ss:Data ss:Type=\"String\">User Needs</ss:Data></ss:Cell>\n"
                  "<ss:Cell ss:StyleID=\"2\"> <ss:Data ss:Type=\"String\">1</ss:Data></ss:Cell>\n"
                  "</ss:Row>\n"
                  "</ss:Table>\n</ss:Worksheet>\n</ss:Workbook>\n");
}

// The semicolon question and the CSV rows: the question comes once per export at the first data text
// holding ";", never for the header, and its answer holds for the rest of the export.
TEST(Export, SemicolonQuestionAndCsvRows) {
    const QString question = QStringLiteral("Do you want to replace all \";\"-characters with \":\"?");
    struct Case {
        const char* name;
        std::vector<QStringList> rows;
        std::deque<int> answers;
        int asked;
        QByteArray csv;
    };
    const std::vector<Case> cases = {
        {"no semicolon", {{"a", "b", "c"}}, {}, 0, "H;I;J\na;b;c\n"},
        {"two with Yes", {{"a;1", "b", "c"}, {"d", "e;2", "f"}}, {DV::IDYES}, 1, "H;I;J\na:1;b;c\nd;e:2;f\n"},
        {"two with No", {{"a;1", "b", "c"}, {"d", "e;2", "f"}}, {DV::IDNO}, 1, "H;I;J\na;1;b;c\nd;e;2;f\n"},
        {"empty leading cells", {{"", "", "x"}}, {}, 0, "H;I;J\n;;x\n"},
        {"entities stay in CSV", {{"A & <B>", "", ""}}, {}, 0, "H;I;J\nA & <B>;;\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessageRecorder messages;
        messages.answers = c.answers;
        const TableSource source({{"H", 1}, {"I", 1}, {"J", 1}}, c.rows);
        EXPECT_EQ(Export(Format::Csv, source), c.csv);
        ASSERT_EQ(messages.texts.size(), c.asked);
        if (c.asked) {
            EXPECT_EQ(messages.texts[0], question);
            EXPECT_EQ(messages.types[0], DV::MB_YESNO | DV::MB_ICONEXCLAMATION);
        }
    }
    // A header with ";" is written as it stands and asks nothing; the UTF-8 form never asks.
    MessageRecorder messages;
    const TableSource header({{"A;B", 1}}, {{"x;y"}});
    EXPECT_EQ(Export(Format::CsvUtf8, header), "\xEF\xBB\xBF\"A;B\"\n\"x;y\"\n");
    messages.answers = {DV::IDYES};
    EXPECT_EQ(Export(Format::Csv, header), "A;B\nx:y\n");
    EXPECT_EQ(messages.texts.size(), 1);
}

// Characters beyond ASCII: numeric references in the XML, the code page in CSV, UTF-8 in the other.
TEST(Export, CharactersInEachFormat) {
    const QString text = QString::fromUtf8("M\u00fcller \u20ac \U0001F600 & <x>\r\n\"q\";\x01");
    const TableSource source({{QString::fromUtf8("K\u00f6pfe"), 7}}, {{text}});
    const QByteArray xml = Export(Format::Xml, source);
    EXPECT_TRUE(xml.contains("<ss:Data ss:Type=\"String\">K&#246;pfe</ss:Data>"));
    EXPECT_TRUE(
        xml.contains("<ss:Data ss:Type=\"String\">M&#252;ller &#8364; &#128512; &amp; "
                     "&lt;x&gt;&#13;\n\"q\";&#65533;</ss:Data>"));
    for (const char byte : xml)
        EXPECT_LT(static_cast<unsigned char>(byte), 0x80);

    MessageRecorder messages;
    messages.answers = {DV::IDNO};
    EXPECT_EQ(Export(Format::Csv, source), QByteArray("K\xF6pfe\nM\xFCller \x80 ?? & <x>\r\n\"q\";\x01\n"));
    EXPECT_EQ(Export(Format::CsvUtf8, source),
              QByteArray("\xEF\xBB\xBF") + QString::fromUtf8("K\u00f6pfe\n").toUtf8() + "\"" +
                  QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")).toUtf8() + "\"\n");
    EXPECT_EQ(messages.texts.size(), 1);
}

// Headers of the stored view: parameter names, "<Not defined>" past the list, the user's header texts;
// the first column shows the title whatever field it names.
TEST(Export, StoredViewHeadersAndCells) {
    CReqDoc doc;
    doc.CreateDefaultContent();
    auto parameter = std::make_unique<DVParameter>();
    parameter->m_strName = QStringLiteral("Risk");
    doc.m_parameters.Append(std::move(parameter));
    doc.m_userHeaders.push_back({FIELD_DESCRIPTION, QStringLiteral("What")});
    doc.m_colsRequirements.Clear();
    for (quint32 field : {quint32(FIELD_ID), quint32(FIELD_DESCRIPTION), 100000u, 100001u})
        doc.m_colsRequirements.AddColumn(field, 50, 0);
    doc.m_requirements.at(0)->m_strDescription = QStringLiteral("first");
    Requirement* child = doc.m_requirements.Insert(1, doc.NewRequirement());
    child->m_nParentId = 1;
    child->m_strTitle = QStringLiteral("Child");
    const DVStoredViewExport source(doc, CReqDoc::ViewRequirements);
    EXPECT_EQ(Export(Format::Csv, source).toStdString(),
              "ID;What;Risk;<Not defined>\n"
              "User Needs;first;<Not defined>;<Not defined>\n"
              "Child;;<Not defined>;<Not defined>\n"
              "Business Requirements;;<Not defined>;<Not defined>\n"
              "Features;;<Not defined>;<Not defined>\n"
              "Specifications;;<Not defined>;<Not defined>\n");
    EXPECT_TRUE(Export(Format::Xml, source).contains("<ss:Column ss:Width=\"50\"/>\n<ss:Column"));
}

// Stored widths when they match the columns, 100 otherwise; a hidden title column has none.
TEST(Export, StoredViewWidths) {
    CReqDoc doc;
    doc.CreateDefaultContent();
    auto widthsOf = [&] {
        std::vector<qint32> widths;
        for (const DVExportColumn& column : DVStoredViewExport(doc, CReqDoc::ViewActors).Columns())
            widths.push_back(column.width);
        return widths;
    };
    EXPECT_EQ(widthsOf(), (std::vector<qint32>{100, 100}));
    doc.m_colsActors.m_widths = {0, 70};
    EXPECT_EQ(widthsOf(), (std::vector<qint32>{200, 70}));
    doc.m_colsActors.m_bFirstColumnHidden = true;
    EXPECT_EQ(widthsOf(), (std::vector<qint32>{0, 70}));
    doc.m_colsActors.m_fieldIds.clear();
    doc.m_colsActors.m_widths.clear();
    ASSERT_EQ(DVStoredViewExport(doc, CReqDoc::ViewActors).Columns().size(), 1u);
    EXPECT_EQ(DVStoredViewExport(doc, CReqDoc::ViewActors).Columns()[0].header, QStringLiteral("Title"));
}

// A failure half way leaves the earlier file as it was and nothing else in its folder.
TEST(Export, FileIsWrittenCompletelyOrNotAtAll) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.csv"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old contents\n");
    }
    class FailingSource : public TableSource {
    public:
        FailingSource() : TableSource({{"H", 1}}, {}) {}
        void ForEachRow(const std::function<void(const QStringList&)>& visit) const override {
            for (int i = 0; i < 100000; ++i)
                visit({QStringLiteral("row %1").arg(i)});
            throw CFileException(CFileException::writeFailed, QStringLiteral("disk full"));
        }
    };
    QString error;
    EXPECT_FALSE(DVExportFile::Write(Format::Csv, FailingSource(), path, error));
    EXPECT_EQ(error, QStringLiteral("disk full"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "old contents\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("out.csv")});

    const TableSource good({{"H", 1}}, {{"a"}});
    EXPECT_TRUE(DVExportFile::Write(Format::Csv, good, path, error));
    file.seek(0);
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "H\na\n");
    // A folder in the way is refused with the reason.
    EXPECT_FALSE(DVExportFile::Write(Format::Csv, good, folder.path(), error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
