#include "model/CDVColumn.h"

void CDVColumn::AddColumn(quint32 fieldId, qint32 width, quint16 flags) {
    m_fieldIds.push_back(fieldId);
    m_widths.push_back(width);
    m_flags.push_back(flags);
}

void CDVColumn::RemoveColumn(int index) {
    if (index < 0 || index >= ColumnCount()) {
        return;
    }
    const bool parallel = m_widths.size() == m_fieldIds.size() && m_flags.size() == m_fieldIds.size();
    m_fieldIds.erase(m_fieldIds.begin() + index);
    if (parallel) {
        m_widths.erase(m_widths.begin() + index);
        m_flags.erase(m_flags.begin() + index);
    }
}

void CDVColumn::Clear() {
    m_fieldIds.clear();
    m_widths.clear();
    m_flags.clear();
}

void CDVColumn::CopyFrom(const CDVColumn& other) {
    m_fieldIds = other.m_fieldIds;
    m_widths = other.m_widths;
    m_flags = other.m_flags;
    m_bFirstColumnHidden = other.m_bFirstColumnHidden;
}
