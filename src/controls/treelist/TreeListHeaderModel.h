#pragma once

#include <QAbstractTableModel>

struct TreeListState;

// Serves the column headers (text, alignment, image) from the column records to the header view.
class TreeListHeaderModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TreeListHeaderModel(const TreeListState& state, QObject* parent)
        : QAbstractTableModel(parent), m_s(state) {}

    int rowCount(const QModelIndex& = QModelIndex()) const override { return 0; }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex&, int) const override { return QVariant(); }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Column records changed in number or order.
    void Reset() {
        beginResetModel();
        endResetModel();
    }
    void Changed(int section) { Q_EMIT headerDataChanged(Qt::Horizontal, section, section); }

private:
    const TreeListState& m_s;
};
