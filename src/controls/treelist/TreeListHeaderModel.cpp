#include "controls/treelist/TreeListHeaderModel.h"

#include "controls/treelist/TreeListState.h"

int TreeListHeaderModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_s.layout.columnCount;
}

QVariant TreeListHeaderModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || !m_s.IsValidColumn(section)) {
        return QVariant();
    }
    const TLColumnRecord& record = m_s.layout.columns[size_t(section)];
    switch (role) {
        case Qt::DisplayRole:
            return record.headerText;
        case Qt::TextAlignmentRole: {
            const Qt::Alignment h = record.align == LVCFMT_RIGHT    ? Qt::AlignRight
                                    : record.align == LVCFMT_CENTER ? Qt::AlignHCenter
                                                                    : Qt::AlignLeft;
            return int(h | Qt::AlignVCenter);
        }
        case Qt::DecorationRole:
            if (m_s.images[0].Has(record.headerImage)) {
                return m_s.images[0].icons[record.headerImage];
            }
            return QVariant();
        case Qt::FontRole:
            return m_s.font;
        default:
            return QVariant();
    }
}
