#include "MemoryFileList.h"

int MemoryFileList::rowCount() const
{
    return static_cast<int>(m_rows.size());
}

void MemoryFileList::clearRows()
{
    m_rows.clear();
    m_selected = -1;
}

void MemoryFileList::appendRow(const QStringList& columns)
{
    Row row;
    for (int i = 0; i < ColumnCount && i < columns.size(); ++i)
        row.texts[i] = columns[i];
    m_rows.push_back(row);
}

QString MemoryFileList::text(int row, Column column) const
{
    return m_rows.at(row).texts[ColumnIndex(column)];
}

void MemoryFileList::setText(int row, Column column, const QString& text)
{
    m_rows.at(row).texts[ColumnIndex(column)] = text;
}

bool MemoryFileList::isTicked(int row) const
{
    return m_rows.at(row).ticked;
}

void MemoryFileList::setTicked(int row, bool ticked)
{
    m_rows.at(row).ticked = ticked;
}

QColor MemoryFileList::textColour(int row, Column column) const
{
    return m_rows.at(row).colours[ColumnIndex(column)];
}

void MemoryFileList::setTextColour(int row, Column column, const QColor& colour)
{
    m_rows.at(row).colours[ColumnIndex(column)] = colour;
}

int MemoryFileList::selectedRow() const
{
    return m_selected;
}
