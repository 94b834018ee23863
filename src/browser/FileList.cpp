#include "FileList.h"

FileList::~FileList() = default;

void FileList::appendRows(const QList<QStringList>& rows)
{
    for (const QStringList& columns : rows)
        appendRow(columns);
}

void FileList::updateRows(const std::function<void()>& change)
{
    change();
}

void TickEveryRow(FileList& list, bool ticked)
{
    list.updateRows([&list, ticked] {
        for (int row = 0; row < list.rowCount(); ++row)
            list.setTicked(row, ticked);
    });
}
