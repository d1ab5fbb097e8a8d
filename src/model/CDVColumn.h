#pragma once

#include <QtGlobal>

#include <vector>

// The column set of one view: field ids, widths and text flags per column, the first visible object.
class CDVColumn {
public:
    // Text flag bit 0: the column's text stays on one line (cut, whole text in a tooltip).
    static constexpr quint16 FlagSingleLine = 0x0001;

    CDVColumn() = default;
    CDVColumn(const CDVColumn&) = delete;
    CDVColumn& operator=(const CDVColumn&) = delete;
    virtual ~CDVColumn() = default;

    void AddColumn(quint32 fieldId, qint32 width, quint16 flags);
    // Removes the field id; widths and flags only when the three arrays had the same length.
    void RemoveColumn(int index);
    // Empties the three arrays; the top object and the hidden flag stay.
    void Clear();
    // The three arrays and the hidden flag; the top object is not copied.
    void CopyFrom(const CDVColumn& other);
    int ColumnCount() const { return static_cast<int>(m_fieldIds.size()); }

    std::vector<quint32> m_fieldIds;
    std::vector<qint32> m_widths;
    std::vector<quint16> m_flags;
    qint32 m_nTopObjectId = 0;
    bool m_bFirstColumnHidden = false;
};
