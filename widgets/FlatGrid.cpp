#include "FlatGrid.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {
const QString TrueText = QStringLiteral("True");
const QString FalseText = QStringLiteral("False");
const QString DateFormat = QStringLiteral("yyyy-MM-dd");
} // namespace

// Editors by column kind: line edit, date picker, editable pick list; check and button
// cells have no editor.
class FlatGridDelegate : public QStyledItemDelegate {
public:
    explicit FlatGridDelegate(FlatGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        const GridColumn& column = grid_->column(index.column());
        switch (column.kind) {
        case GridColumn::Kind::Date: {
            auto* editor = new QDateEdit(parent);
            editor->setDisplayFormat(DateFormat);
            editor->setCalendarPopup(true);
            editor->setFrame(false);
            return editor;
        }
        case GridColumn::Kind::PickList: {
            auto* editor = new QComboBox(parent);
            editor->setEditable(true);
            editor->setFrame(false);
            editor->addItems(column.pickList);
            return editor;
        }
        case GridColumn::Kind::Check:
        case GridColumn::Kind::Button:
            return nullptr;
        case GridColumn::Kind::Text:
        case GridColumn::Kind::Memo:
            break;
        }
        auto* editor =
            qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        if (editor)
            editor->setFrame(false);
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        const QString text = index.data(Qt::EditRole).toString();
        if (auto* date = qobject_cast<QDateEdit*>(editor)) {
            const QDate value = QDate::fromString(text, DateFormat);
            date->setDate(value.isValid() ? value : QDate::currentDate());
        } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            combo->setCurrentText(text);
        } else {
            QStyledItemDelegate::setEditorData(editor, index);
        }
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        const QString before = index.data(Qt::EditRole).toString();
        QString after;
        if (auto* date = qobject_cast<QDateEdit*>(editor))
            after = date->date().toString(DateFormat);
        else if (auto* combo = qobject_cast<QComboBox*>(editor))
            after = combo->currentText();
        else if (auto* line = qobject_cast<QLineEdit*>(editor))
            after = line->text();
        if (after == before)
            return;
        model->setData(index, after, Qt::EditRole);
        grid_->reportEdited(index.row(), index.column());
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (grid_->column(index.column()).kind != GridColumn::Kind::Button) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionButton button;
        button.rect = option.rect.adjusted(1, 1, -1, -1);
        button.text = QStringLiteral("…");
        button.state = option.state | QStyle::State_Raised;
        QApplication::style()->drawControl(QStyle::CE_PushButton, &button, painter);
    }

protected:
    // Enter in an open editor writes the cell back at once and moves on to the next cell.
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const auto* combo = qobject_cast<QComboBox*>(editor);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                !(combo && combo->view()->isVisible())) {
                Q_EMIT commitData(editor);
                Q_EMIT closeEditor(editor, QAbstractItemDelegate::EditNextItem);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    FlatGrid* grid_;
};

FlatGrid::FlatGrid(const QList<GridColumn>& columns, QWidget* parent)
    : QTableWidget(0, int(columns.size()), parent), columns_(columns) {
    setItemDelegate(new FlatGridDelegate(this));
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setHighlightSections(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QStringList captions;
    for (int i = 0; i < columns_.size(); ++i) {
        captions << columns_[i].caption;
        setColumnWidth(i, columns_[i].width);
        setColumnHidden(i, columns_[i].hidden);
    }
    setHorizontalHeaderLabels(captions);

    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previousRow, int) {
                if (row != previousRow)
                    Q_EMIT focusedRowChanged(row);
            });
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!programmatic_ && columns_.at(item->column()).kind == GridColumn::Kind::Check)
            Q_EMIT cellEdited(item->row(), item->column());
    });
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (columns_.at(column).kind == GridColumn::Kind::Button)
            Q_EMIT buttonClicked(row, column);
    });
}

int FlatGrid::columnIndex(const QString& name) const {
    for (int i = 0; i < columns_.size(); ++i) {
        if (columns_[i].name == name)
            return i;
    }
    return -1;
}

QTableWidgetItem* FlatGrid::itemAt(int row, int column) {
    QTableWidgetItem* cell = item(row, column);
    if (cell)
        return cell;
    const bool wasProgrammatic = std::exchange(programmatic_, true);
    cell = new QTableWidgetItem;
    const GridColumn& layout = columns_.at(column);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!layout.readOnly && layout.kind == GridColumn::Kind::Check)
        flags |= Qt::ItemIsUserCheckable;
    else if (!layout.readOnly && layout.kind != GridColumn::Kind::Button)
        flags |= Qt::ItemIsEditable;
    cell->setFlags(flags);
    cell->setTextAlignment(layout.alignment);
    if (layout.background.isValid())
        cell->setBackground(layout.background);
    if (layout.kind == GridColumn::Kind::Check)
        cell->setCheckState(Qt::Unchecked);
    setItem(row, column, cell);
    programmatic_ = wasProgrammatic;
    return cell;
}

QString FlatGrid::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    if (columns_.at(column).kind == GridColumn::Kind::Check)
        return cell && cell->checkState() == Qt::Checked ? TrueText : FalseText;
    return cell ? cell->text() : QString();
}

void FlatGrid::setCellText(int row, int column, const QString& text) {
    const bool wasProgrammatic = std::exchange(programmatic_, true);
    QTableWidgetItem* cell = itemAt(row, column);
    if (columns_.at(column).kind == GridColumn::Kind::Check)
        cell->setCheckState(text.compare(TrueText, Qt::CaseInsensitive) == 0 ? Qt::Checked
                                                                             : Qt::Unchecked);
    else
        cell->setText(text);
    programmatic_ = wasProgrammatic;
}

void FlatGrid::setPickList(int column, const QStringList& entries) {
    columns_[column].pickList = entries;
}

int FlatGrid::appendRow() {
    const int row = rowCount();
    const bool wasProgrammatic = std::exchange(programmatic_, true);
    insertRow(row);
    for (int column = 0; column < columns_.size(); ++column)
        itemAt(row, column);
    programmatic_ = wasProgrammatic;
    return row;
}

void FlatGrid::removeAllRows() {
    const bool wasProgrammatic = std::exchange(programmatic_, true);
    setRowCount(0);
    programmatic_ = wasProgrammatic;
}

void FlatGrid::reportEdited(int row, int column) {
    Q_EMIT cellEdited(row, column);
}

QModelIndex FlatGrid::nextCell(int row, int column) const {
    for (int r = row; r < rowCount(); ++r) {
        for (int c = r == row ? column + 1 : 0; c < columnCount(); ++c) {
            if (!isColumnHidden(c) && !columns_.at(c).readOnly)
                return model()->index(r, c);
        }
    }
    return {};
}

void FlatGrid::moveToNextCell() {
    const QModelIndex next = nextCell(currentRow(), currentColumn());
    if (next.isValid())
        setCurrentIndex(next);
    else
        focusNextChild();
}

void FlatGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        if (current.isValid() && columns_.at(current.column()).kind == GridColumn::Kind::Button &&
            event->key() != Qt::Key_Tab) {
            Q_EMIT buttonClicked(current.row(), current.column());
            return;
        }
        moveToNextCell();
        return;
    case Qt::Key_Space:
        if (current.isValid() && columns_.at(current.column()).kind == GridColumn::Kind::Button) {
            Q_EMIT buttonClicked(current.row(), current.column());
            return;
        }
        break;
    default:
        break;
    }
    QTableWidget::keyPressEvent(event);
}

void FlatGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (hint == QAbstractItemDelegate::EditNextItem) {
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        moveToNextCell();
        return;
    }
    QTableWidget::closeEditor(editor, hint);
}
