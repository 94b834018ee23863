#include "browser/FileList.h"

#include "MemoryFileList.h"

#include <gtest/gtest.h>

namespace {

QList<bool> Ticks(const FileList& list)
{
    QList<bool> ticks;
    for (int row = 0; row < list.rowCount(); ++row)
        ticks.append(list.isTicked(row));
    return ticks;
}

TEST(TickEveryRow, OnAnEmptyListChangesNothing)
{
    MemoryFileList list;
    TickEveryRow(list, true);
    EXPECT_EQ(list.rowCount(), 0);
}

TEST(TickEveryRow, PushesItsStateOntoEveryRow)
{
    MemoryFileList list;
    for (int i = 0; i < 3; ++i)
        list.appendRow({QStringLiteral("f%1").arg(i)});
    list.setTicked(1, true);

    TickEveryRow(list, true);
    EXPECT_EQ(Ticks(list), QList<bool>({true, true, true}));

    list.setTicked(0, false); // a row unticked by hand
    TickEveryRow(list, false);
    EXPECT_EQ(Ticks(list), QList<bool>({false, false, false}));
}

} // namespace
