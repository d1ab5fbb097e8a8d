#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class CReqDoc;

// One exported column: its header text and its width in pixels.
struct DVExportColumn {
    QString header;
    qint32 width = 0;
};

// What an export takes from a matrix view: its columns in display order and its rows depth first,
// each as the texts its cells display.
class DVExportSource {
public:
    virtual ~DVExportSource() = default;
    virtual std::vector<DVExportColumn> Columns() const = 0;
    virtual void ForEachRow(const std::function<void(const QStringList& cells)>& visit) const = 0;

    // The exported header of a field: a parameter's name (or "<Not defined>"), else the project's
    // header text of the field, so the title column is "Title" whatever the view's own header says.
    static QString HeaderText(const CReqDoc& doc, int fieldId);
};
