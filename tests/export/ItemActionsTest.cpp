#include "export/ItemActions.h"

#include "MemoryFileList.h"
#include "platform/RecordingDesktop.h"

#include <gtest/gtest.h>

namespace {

QList<bool> Ticks(const FileList& list)
{
    QList<bool> ticks;
    for (int row = 0; row < list.rowCount(); ++row)
        ticks.append(list.isTicked(row));
    return ticks;
}

TEST(Check1, OnAnEmptyListChangesNothing)
{
    MemoryFileList list;
    TickEveryRow(list, true);
    EXPECT_EQ(list.rowCount(), 0);
}

TEST(Check1, PushesItsStateOntoEveryRow)
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

TEST(Command14, PutsTheLinkOnTheClipboard)
{
    RecordingDesktop desktop;
    CopyLink(QStringLiteral("http://cdn-ct.zorbel.example/files/abc/a.avi"));
    EXPECT_EQ(desktop.clipboardTexts,
              QList<QString>({QStringLiteral("http://cdn-ct.zorbel.example/files/abc/a.avi")}));
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST(Command14, EmptyLinkLeavesTheClipboardAlone)
{
    RecordingDesktop desktop;
    CopyLink(QString());
    EXPECT_TRUE(desktop.clipboardTexts.isEmpty());
}

TEST(Command15, OpensTheLinkUnchanged)
{
    RecordingDesktop desktop;
    OpenLink(QStringLiteral("http://cdn-cu.zorbel.example/files/abc/%E4%B8%AD.avi"));
    OpenLink(QString());
    EXPECT_EQ(
        desktop.openedTargets,
        QList<QString>({QStringLiteral("http://cdn-cu.zorbel.example/files/abc/%E4%B8%AD.avi")}));
}

TEST(Command17, OpensThePlainExportFileOfTheAccount)
{
    RecordingDesktop desktop;
    OpenPlainExportFile(QStringLiteral("张三"));
    OpenPlainExportFile(QString());
    EXPECT_EQ(desktop.openedTargets, QList<QString>({QStringLiteral("张三.txt")}));
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST(Command17, AccountThatCannotNameTheFilesOpensNothing)
{
    RecordingDesktop desktop;
    OpenPlainExportFile(QStringLiteral("../../etc/passwd"));
    EXPECT_TRUE(desktop.openedTargets.isEmpty());
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].title, QStringLiteral("错误"));
}

} // namespace
