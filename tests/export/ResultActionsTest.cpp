#include "export/ResultActions.h"

#include "platform/RecordingDesktop.h"

#include <gtest/gtest.h>

namespace {

TEST(CopyLink, PutsTheLinkOnTheClipboard)
{
    RecordingDesktop desktop;
    CopyLink(QStringLiteral("http://cdn-ct.zorbel.example/files/abc/a.avi"));
    EXPECT_EQ(desktop.clipboardTexts,
              QList<QString>({QStringLiteral("http://cdn-ct.zorbel.example/files/abc/a.avi")}));
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST(CopyLink, EmptyLinkLeavesTheClipboardAlone)
{
    RecordingDesktop desktop;
    CopyLink(QString());
    EXPECT_TRUE(desktop.clipboardTexts.isEmpty());
}

TEST(OpenLink, OpensTheLinkUnchanged)
{
    RecordingDesktop desktop;
    OpenLink(QStringLiteral("http://cdn-cu.zorbel.example/files/abc/%E4%B8%AD.avi"));
    OpenLink(QString());
    EXPECT_EQ(
        desktop.openedTargets,
        QList<QString>({QStringLiteral("http://cdn-cu.zorbel.example/files/abc/%E4%B8%AD.avi")}));
}

TEST(OpenPlainExportFile, OpensThePlainExportFileOfTheAccount)
{
    RecordingDesktop desktop;
    OpenPlainExportFile(QStringLiteral("张三"));
    OpenPlainExportFile(QString());
    EXPECT_EQ(desktop.openedTargets, QList<QString>({QStringLiteral("张三.txt")}));
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST(OpenPlainExportFile, AccountThatCannotNameTheFilesOpensNothing)
{
    RecordingDesktop desktop;
    OpenPlainExportFile(QStringLiteral("../../etc/passwd"));
    EXPECT_TRUE(desktop.openedTargets.isEmpty());
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].title, QStringLiteral("错误"));
}

} // namespace
