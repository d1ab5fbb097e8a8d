#pragma once

#include <QTableWidget>

#include <functional>

class DVParameter;

// A list of parameter rows whose value cell is edited in place: a drop-down of the items for a list
// definition with items, a text editor for the other types. Double-click, right-click and F2 start the
// edit; Enter ends it.
class CDVValueList : public QTableWidget {
    Q_OBJECT
public:
    // The definition of a row; rows without one are not edited.
    using DefinitionOf = std::function<const DVParameter*(int row)>;
    // An edit ended with text; item is the chosen item's index, -1 for typed text. True lets the cell show
    // the text, false keeps the old one (the callback has told the user why).
    using Accept = std::function<bool(int row, const QString& text, int item)>;

    CDVValueList(int valueColumn, int columnCount, QWidget* parent = nullptr);

    void SetCallbacks(DefinitionOf definitionOf, Accept accept);
    // Starts editing the value cell of the row (nothing for a list definition without items).
    void EditValue(int row);
    int ValueColumn() const { return m_nValueColumn; }
    // Appends a row whose cells are read-only apart from the value cell; returns its index.
    int AppendRow();
    void SetCell(int row, int column, const QString& text);
    QString CellText(int row, int column) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_nValueColumn;
    DefinitionOf m_definitionOf;
    Accept m_accept;

    friend class CDVValueDelegate;
};
