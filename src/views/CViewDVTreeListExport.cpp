// Export of CViewDVTreeList to CSV and SpreadsheetML.
#include "views/CViewDVTreeList.h"

#include "document/CReqDoc.h"
#include "document/DVExportFile.h"
#include "model/StringIds.h"
#include "platform/DVMessageBox.h"
#include "platform/DVStringTable.h"
#include "views/CDVViewHost.h"
#include "views/DVCommandIds.h"

namespace {

// The view's grid as it stands: its columns in display order with their current widths, its rows
// depth first with the texts the cells display.
class GridExportSource : public DVExportSource {
public:
    explicit GridExportSource(const CViewDVTreeList& view) : m_view(view) {}

    std::vector<DVExportColumn> Columns() const override {
        const TLLayout* layout = m_view.GetGrid()->GetLayout();
        std::vector<DVExportColumn> columns;
        for (int i = 0; i < layout->columnCount; ++i) {
            columns.push_back({HeaderText(*m_view.GetDocument(), m_view.FieldIdOfColumn(i)),
                               qint32(layout->ColumnWidth(i))});
        }
        return columns;
    }

    void ForEachRow(const std::function<void(const QStringList& cells)>& visit) const override {
        CTreeListCtrl* grid = m_view.GetGrid();
        const int count = grid->GetColumnCount();
        QStringList cells;
        for (HTREEITEM row = grid->GetNextItem(0, TVGN_ROOT); row != 0; row = m_view.NextInPreOrder(row)) {
            cells.clear();
            for (int c = 0; c < count; ++c) {
                cells.append(grid->GetItemText(row, c));
            }
            visit(cells);
        }
    }

private:
    const CViewDVTreeList& m_view;
};

// "Name (*.csv)|*.csv||" in the file dialog's form.
QString DialogFilter(int stringId) {
    return LoadString(stringId).section(u'|', 0, 0);
}

}  // namespace

void CViewDVTreeList::ExportView(int commandId) {
    const auto& chooseFile = CDVViewHost::Instance().exportFileName;
    if (!chooseFile || m_grid == nullptr) {
        return;
    }
    const bool xml = commandId == DVCmd::ExportXml;
    const QString path = chooseFile(this, DialogFilter(xml ? IDS_EXPORT_XML_FILTER : IDS_EXPORT_CSV_FILTER),
                                    xml ? QStringLiteral("xml") : QStringLiteral("csv"));
    if (path.isEmpty()) {
        return;
    }
    const auto format = xml                                 ? DVExportWriter::Format::Xml
                        : commandId == DVCmd::ExportCsvUtf8 ? DVExportWriter::Format::CsvUtf8
                                                            : DVExportWriter::Format::Csv;
    ExportTo(format, path);
}

bool CViewDVTreeList::ExportTo(DVExportWriter::Format format, const QString& path) {
    if (m_grid == nullptr) {
        return false;
    }
    QString error;
    if (!DVExportFile::Write(format, GridExportSource(*this), path, error)) {
        DVMessageBox(error, DV::MB_OK | DV::MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}
