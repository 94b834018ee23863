#include "FileList.h"

FileList::~FileList() = default;

void TickEveryRow(FileList& list, bool ticked)
{
    for (int row = 0; row < list.rowCount(); ++row)
        list.setTicked(row, ticked);
}
