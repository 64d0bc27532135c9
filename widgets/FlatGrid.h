#pragma once

#include <QColor>
#include <QStringList>
#include <QTableWidget>

// One column of a FlatGrid.
struct GridColumn {
    enum class Kind { Text, Date, PickList, Check, Button, Memo };

    QString name;    // object name of the column, as the windows refer to it
    QString caption; // header text
    Kind kind = Kind::Text;
    int width = 80;
    bool hidden = false;
    bool readOnly = false;
    QColor background;    // invalid: the grid's own
    QStringList pickList; // entries of a pick-list column (can change at run time)
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int tag = 0; // free number for the window, e.g. the works kind of a button
};

// An editable grid of text cells laid out by a table of columns. Every column of the
// table exists, hidden ones included, so a column's number is its position in the table.
// Cells hold texts: dates as yyyy-mm-dd, check boxes as "True"/"False". Tab and Enter move
// from cell to cell and open the editor at once; Enter in the last cell leaves the grid.
class FlatGrid : public QTableWidget {
    Q_OBJECT
public:
    FlatGrid(const QList<GridColumn>& columns, QWidget* parent = nullptr);

    const GridColumn& column(int index) const { return columns_.at(index); }
    int columnIndex(const QString& name) const;

    QString cellText(int row, int column) const;
    // Sets a cell without reporting it as edited.
    void setCellText(int row, int column, const QString& text);
    // The entries of a pick-list column.
    void setPickList(int column, const QStringList& entries);
    QStringList pickList(int column) const { return columns_.at(column).pickList; }

    // Appends an empty row and returns its number.
    int appendRow();
    void removeAllRows();
    // Row of the focused cell, -1 when none.
    int focusedRow() const { return currentRow(); }

Q_SIGNALS:
    // A cell has been changed by the user (after the editor wrote it back).
    void cellEdited(int row, int column);
    // A button cell has been pressed (click, or Enter/Space on the cell).
    void buttonClicked(int row, int column);
    // The focused row has changed (-1: none).
    void focusedRowChanged(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class FlatGridDelegate;
    QTableWidgetItem* itemAt(int row, int column);
    // The next visible, editable cell after (row, column) in reading order; invalid when
    // none is left.
    QModelIndex nextCell(int row, int column) const;
    void moveToNextCell();
    void reportEdited(int row, int column);

    QList<GridColumn> columns_;
    bool programmatic_ = false;
};
