#include "TreeWidgetFileList.h"

#include <QBrush>
#include <QSignalBlocker>
#include <QTreeWidget>

TreeWidgetFileList::TreeWidgetFileList(QTreeWidget* tree) : m_tree(tree) {}

QTreeWidgetItem* TreeWidgetFileList::item(int row) const
{
    return m_tree->topLevelItem(row);
}

int TreeWidgetFileList::rowCount() const
{
    return m_tree->topLevelItemCount();
}

void TreeWidgetFileList::clearRows()
{
    m_tree->clear();
}

namespace {

QTreeWidgetItem* newRow(const QStringList& columns)
{
    auto* row = new QTreeWidgetItem(columns.mid(0, ColumnCount));
    row->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable |
                  Qt::ItemNeverHasChildren);
    row->setCheckState(0, Qt::Unchecked);
    return row;
}

} // namespace

void TreeWidgetFileList::appendRow(const QStringList& columns)
{
    m_tree->addTopLevelItem(newRow(columns));
}

void TreeWidgetFileList::appendRows(const QList<QStringList>& rows)
{
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (const QStringList& columns : rows)
        items.append(newRow(columns));
    m_tree->addTopLevelItems(items);
}

// Told of each changed cell, the view finds the cell's row by a search that, for rows it has
// not met yet, grows with the row count: one pass over fresh rows would take time quadratic in
// their number. Quiet during the pass, the model tells once, for all rows, afterwards.
void TreeWidgetFileList::updateRows(const std::function<void()>& change)
{
    QAbstractItemModel* model = m_tree->model();
    {
        const QSignalBlocker quiet(model);
        change();
    }
    if (const int rows = rowCount(); rows > 0)
        emit model->dataChanged(model->index(0, 0), model->index(rows - 1, ColumnCount - 1));
}

QString TreeWidgetFileList::text(int row, Column column) const
{
    return item(row)->text(ColumnIndex(column));
}

void TreeWidgetFileList::setText(int row, Column column, const QString& text)
{
    item(row)->setText(ColumnIndex(column), text);
}

bool TreeWidgetFileList::isTicked(int row) const
{
    return item(row)->checkState(0) == Qt::Checked;
}

void TreeWidgetFileList::setTicked(int row, bool ticked)
{
    item(row)->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
}

QColor TreeWidgetFileList::textColour(int row, Column column) const
{
    const QVariant brush = item(row)->data(ColumnIndex(column), Qt::ForegroundRole);
    return brush.isValid() ? brush.value<QBrush>().color() : QColor();
}

void TreeWidgetFileList::setTextColour(int row, Column column, const QColor& colour)
{
    // An invalid colour removes the role, so the view falls back to its palette.
    item(row)->setData(ColumnIndex(column), Qt::ForegroundRole,
                       colour.isValid() ? QVariant(QBrush(colour)) : QVariant());
}

int TreeWidgetFileList::selectedRow() const
{
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    return selected.isEmpty() ? -1 : m_tree->indexOfTopLevelItem(selected.first());
}
