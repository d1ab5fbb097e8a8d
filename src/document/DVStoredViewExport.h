#pragma once

#include "document/DVExportSource.h"

class CDVColumn;
class CDVData;
class CReqDoc;
class CUseCase;

// What a matrix view would export when opened on the stored project: the stored column set of its
// view type (the title alone when none is stored) with the stored widths, and every row the view
// builds, collapsed branches included, with the texts its cells display.
class DVStoredViewExport : public DVExportSource {
public:
    // The width of a column without a stored width.
    static constexpr qint32 DefaultWidth = 100;

    // useCase names the use case whose steps the steps view shows; other view types ignore it.
    DVStoredViewExport(CReqDoc& doc, int viewType, CUseCase* useCase = nullptr);

    std::vector<DVExportColumn> Columns() const override;
    void ForEachRow(const std::function<void(const QStringList& cells)>& visit) const override;

private:
    CDVData* ObjectAt(int position) const;

    CReqDoc& m_doc;
    int m_nViewType;
    CUseCase* m_pUseCase;
    std::vector<quint32> m_fieldIds;
};
