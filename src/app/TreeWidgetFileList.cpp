#include "TreeWidgetFileList.h"

#include <QBrush>
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

void TreeWidgetFileList::appendRow(const QStringList& columns)
{
    auto* row = new QTreeWidgetItem(columns.mid(0, ColumnCount));
    row->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable |
                  Qt::ItemNeverHasChildren);
    row->setCheckState(0, Qt::Unchecked);
    m_tree->addTopLevelItem(row);
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
