#include "document/DVStoredViewExport.h"

#include "document/CReqDoc.h"
#include "model/DVFamilyTree.h"
#include "model/FieldCatalogue.h"
#include "model/StringIds.h"

namespace {

template <typename T>
CDVData* At(const DVObjectList<T>& list, int position) {
    return position >= 0 && position < list.size() ? list.at(position) : nullptr;
}

}  // namespace

DVStoredViewExport::DVStoredViewExport(CReqDoc& doc, int viewType, CUseCase* useCase)
    : m_doc(doc), m_nViewType(viewType), m_pUseCase(useCase) {
    if (const CDVColumn* stored = m_doc.ColumnSetOfViewType(viewType)) {
        m_fieldIds = stored->m_fieldIds;
    }
    if (m_fieldIds.empty()) {
        m_fieldIds.push_back(FIELD_TITLE);
    }
}

std::vector<DVExportColumn> DVStoredViewExport::Columns() const {
    const CDVColumn* stored = m_doc.ColumnSetOfViewType(m_nViewType);
    const bool matching = stored != nullptr && stored->m_widths.size() == m_fieldIds.size();
    std::vector<DVExportColumn> columns;
    for (size_t i = 0; i < m_fieldIds.size(); ++i) {
        columns.push_back(
            {HeaderText(m_doc, int(m_fieldIds[i])), matching ? stored->m_widths[i] : DefaultWidth});
    }
    // As the view lays them out: a hidden title column has no width, a visible one never none.
    if (stored != nullptr && stored->m_bFirstColumnHidden) {
        columns[0].width = 0;
    } else if (matching && columns[0].width == 0) {
        columns[0].width = 200;
    }
    return columns;
}

CDVData* DVStoredViewExport::ObjectAt(int position) const {
    switch (m_nViewType) {
        case CReqDoc::ViewRequirements:
            return At(m_doc.m_requirements, position);
        case CReqDoc::ViewUseCases:
            return At(m_doc.m_useCases, position);
        case CReqDoc::ViewActors:
            return At(m_doc.m_actors, position);
        case CReqDoc::ViewSteps:
            return m_pUseCase != nullptr ? At(m_pUseCase->m_steps, position) : nullptr;
        default:
            return nullptr;
    }
}

void DVStoredViewExport::ForEachRow(const std::function<void(const QStringList& cells)>& visit) const {
    QStringList cells;
    DVFamilyTree::Walk([this](int position) { return ObjectAt(position); }, 0,
                       [&](CDVData* object, int) {
                           cells.clear();
                           // The first column shows the title whatever field it names.
                           cells.append(object->GetTitle());
                           for (size_t i = 1; i < m_fieldIds.size(); ++i) {
                               cells.append(FieldCatalogue::CellText(&m_doc, object, int(m_fieldIds[i])));
                           }
                           visit(cells);
                           return true;
                       });
}
