#include "CaseName.h"
#include "DemoDrive.h"
#include "WindowFixture.h"
#include "export/LinkResolution.h"
#include "text/GbkText.h"
#include "tour/WidgetDriver.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <chrono>

using namespace std::chrono_literals;

namespace {

/** Signed in with the demo account, in the folder of films, whose download
 *  pages differ in SHA1s and buttons; the working folder is a fresh one. */
class WindowExportTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        ASSERT_TRUE(workingFolder.isValid());
        previousFolder = QDir::currentPath();
        QDir::setCurrent(workingFolder.path());
        signInAndEnter({DemoDriveIds::MoviesName});
    }
    void TearDown() override { QDir::setCurrent(previousFolder); }

    static const DemoFile& file(const char* fid)
    {
        return *DemoDrive::sample().file(QLatin1String(fid));
    }
    QStringList exportFiles() const { return QDir(workingFolder.path()).entryList(QDir::Files); }

    QTemporaryDir workingFolder;
    QString previousFolder;
};

TEST_F(WindowExportTest, RowClickResolvesTheSha1AndTheTelecomLink)
{
    const DemoFile& film = file(DemoDriveIds::UnicomFirstFile);
    QTreeWidgetItem* row = rowOfFile(DemoDriveIds::UnicomFirstFile);
    const QString unresolved = row->text(4);

    ClickRow(list(), row);

    EXPECT_EQ(downloadTargets().size(), 1);
    EXPECT_EQ(row->text(4), film.sha1 + unresolved);
    EXPECT_EQ(row->foreground(4).color(), ResolvedColour);
    EXPECT_EQ(text("Text10"), film.pickCode);
    EXPECT_EQ(text("Text11"), film.buttons.at(1).url);

    // A resolved row only shows its pick code and clears the link.
    ClickRow(list(), row);
    EXPECT_EQ(downloadTargets().size(), 1);
    EXPECT_EQ(text("Text10"), film.pickCode);
    EXPECT_EQ(text("Text11"), QString());
}

TEST_F(WindowExportTest, ClickOnATickBoxOnlyTicks)
{
    QTreeWidgetItem* row = rowOfFile(DemoDriveIds::UnicomFirstFile);
    ClickTickBox(list(), row);
    EXPECT_EQ(row->checkState(0), Qt::Checked);
    ClickTickBox(list(), row);
    EXPECT_EQ(row->checkState(0), Qt::Unchecked);
    EXPECT_EQ(downloadTargets().size(), 0);
    EXPECT_TRUE(row->text(4).startsWith(u'#'));
    EXPECT_EQ(text("Text10"), QString());
}

TEST_F(WindowExportTest, FetchButtonTakesTheLinkOfTheTypedPickCode)
{
    const DemoFile& film = file(DemoDriveIds::TelecomFirstFile);
    control<QLineEdit>("Text10").setText(film.pickCode);
    control<QPushButton>("Command13").click();
    EXPECT_EQ(downloadTargets().size(), 1);
    EXPECT_EQ(text("Text11"), film.buttons.at(0).url);
    EXPECT_TRUE(rowOfFile(DemoDriveIds::TelecomFirstFile)->text(4).startsWith(u'#'));
}

TEST_F(WindowExportTest, LinkButtonsCopyAndOpenTheLink)
{
    ClickRow(list(), rowOfFile(DemoDriveIds::OnlyTelecomFile));
    const QString link = text("Text11");
    ASSERT_FALSE(link.isEmpty());
    control<QPushButton>("Command14").click();
    control<QPushButton>("Command15").click();
    EXPECT_EQ(desktop.clipboardTexts, QStringList{link});
    EXPECT_EQ(desktop.openedTargets, QStringList{link});
}

TEST_F(WindowExportTest, SelectAllTicksAndUnticksEveryRow)
{
    auto& selectAll = control<QCheckBox>("Check1");
    ClickTickBox(list(), rowOfFile(DemoDriveIds::UnicomFirstFile));
    selectAll.click();
    for (int row = 0; row < list().topLevelItemCount(); ++row)
        EXPECT_EQ(list().topLevelItem(row)->checkState(0), Qt::Checked) << row;
    selectAll.click();
    for (int row = 0; row < list().topLevelItemCount(); ++row)
        EXPECT_EQ(list().topLevelItem(row)->checkState(0), Qt::Unchecked) << row;
}

TEST_F(WindowExportTest, ExportShowsItsProgressAndWritesTheThreeFiles)
{
    for (const char* fid : {DemoDriveIds::UnicomFirstFile, DemoDriveIds::TelecomFirstFile})
        ClickTickBox(list(), rowOfFile(fid));
    DemoService::Fault slow;
    slow.delay = 300ms;
    service.setFault(DemoService::Endpoint::DownloadPage, slow);
    QString shownProgress;
    bool modal = false;
    QTimer::singleShot(150ms, window.get(), [&] {
        if (auto* dialog = window->findChild<QProgressDialog*>()) {
            shownProgress = dialog->labelText();
            modal = dialog->isVisible() && dialog->windowModality() == Qt::WindowModal;
        }
    });

    control<QPushButton>("Command16").click();

    EXPECT_EQ(shownProgress, QStringLiteral("0 / 2"));
    EXPECT_TRUE(modal);
    EXPECT_EQ(window->findChild<QProgressDialog*>(), nullptr);
    EXPECT_EQ(downloadTargets().size(), 2);
    EXPECT_EQ(exportFiles().size(), 3);
    QFile plain(QDir(workingFolder.path()).filePath(QStringLiteral("demo.txt")));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    const QByteArray written = plain.readAll();
    for (const char* fid : {DemoDriveIds::UnicomFirstFile, DemoDriveIds::TelecomFirstFile})
        EXPECT_TRUE(written.contains(file(fid).sha1.toLatin1())) << fid;

    control<QPushButton>("Command17").click();
    EXPECT_EQ(desktop.openedTargets, QStringList{QStringLiteral("demo.txt")});
}

TEST_F(WindowExportTest, CancelAbortsThePagesInFlightBeforeAnyFileIsWritten)
{
    const char* films[] = {DemoDriveIds::UnicomFirstFile, DemoDriveIds::TelecomFirstFile,
                           DemoDriveIds::ThreeButtonsFile};
    for (const char* fid : films)
        ClickTickBox(list(), rowOfFile(fid));
    DemoService::Fault slow;
    slow.delay = 1min;
    service.setFault(DemoService::Endpoint::DownloadPage, slow);
    // The user presses Cancel while the pages are on their way.
    QTimer::singleShot(150ms, window.get(), [&] {
        if (auto* dialog = window->findChild<QProgressDialog*>())
            dialog->findChild<QPushButton*>()->click();
    });

    control<QPushButton>("Command16").click();

    EXPECT_EQ(downloadTargets().size(), 3);
    EXPECT_TRUE(exportFiles().isEmpty());
    for (int row = 0; row < list().topLevelItemCount(); ++row)
        EXPECT_TRUE(list().topLevelItem(row)->text(4).startsWith(u'#')) << row;
}

TEST_F(WindowExportTest, FolderExportControlsSitBetweenTheExportButtonAndTheSharedBox)
{
    const auto& button = control<QPushButton>("CommandFolderExport");
    const auto& subfolders = control<QCheckBox>("CheckSubfolders");
    EXPECT_EQ(button.text(), QStringLiteral("导出当前目录"));
    EXPECT_EQ(subfolders.text(), QStringLiteral("含子目录"));
    EXPECT_FALSE(subfolders.isChecked());
    EXPECT_LE(control<QPushButton>("Command16").geometry().right(), button.geometry().left());
    EXPECT_LE(button.geometry().right(), subfolders.geometry().left());
    EXPECT_LE(subfolders.geometry().right(), control<QCheckBox>("Check3").geometry().left());
    EXPECT_EQ(button.geometry().top(), control<QPushButton>("Command16").geometry().top());
}

TEST_F(WindowExportTest, FolderExportWritesTheShownFolderAndResolvesItsRows)
{
    DemoService::Fault slow;
    slow.delay = 200ms;
    service.setFault(DemoService::Endpoint::DownloadPage, slow);
    // Every text the dialog shows while the pages are fetched, however fast the walk goes.
    QStringList shownProgress;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, window.get(), [&] {
        const auto* dialog = window->findChild<QProgressDialog*>();
        if (dialog && dialog->isVisible() && !shownProgress.contains(dialog->labelText()))
            shownProgress.append(dialog->labelText());
    });
    watcher.start(20ms);

    control<QPushButton>("CommandFolderExport").click();
    watcher.stop();

    EXPECT_TRUE(std::any_of(shownProgress.cbegin(), shownProgress.cend(), [](const QString& shown) {
        return shown.startsWith(QStringLiteral("已遍历目录 1 个，找到文件 16 个"));
    })) << shownProgress.join(u'|').toStdString();
    EXPECT_EQ(exportFiles().size(), 3);
    EXPECT_EQ(downloadTargets().size(), 16);
    // The one message: the summary, whose button opens the files' folder.
    ASSERT_EQ(desktop.messages.size(), 1);
    const RecordingDesktop::Message& summary = desktop.messages.first();
    EXPECT_EQ(summary.title, QStringLiteral("导出完成"));
    EXPECT_TRUE(summary.text.startsWith(QStringLiteral("已写入 16 行。\n被筛选排除的文件：0 个\n"
                                                       "跳过的文件和目录：0 个\n")))
        << summary.text.toStdString();
    EXPECT_TRUE(summary.text.endsWith(
        QDir::toNativeSeparators(QDir::current().absoluteFilePath(QStringLiteral("demo.txt")))));
    ASSERT_TRUE(summary.action);
    summary.action();
    EXPECT_EQ(desktop.openedTargets, QStringList{QDir::currentPath()});
    for (int row = 0; row < list().topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list().topLevelItem(row);
        const DemoFile& film = file(item->text(5).toLatin1().constData());
        if (!film.sha1.isEmpty()) {
            EXPECT_TRUE(item->text(4).startsWith(film.sha1)) << row;
        }
    }
}

struct FolderMenuCase
{
    const char* name;
    const char* entry; // object name of the row menu's entry
    bool withSubfolders;
};

class FolderRowMenuTest : public WindowExportTest,
                          public ::testing::WithParamInterface<FolderMenuCase>
{
};

TEST_P(FolderRowMenuTest, ExportsThatFolder)
{
    control<QPushButton>("Command10").click();
    enterFolder(QString::fromUtf8(DemoDriveIds::DocumentsName));
    QTreeWidgetItem* work = nullptr;
    for (int row = 0; row < list().topLevelItemCount(); ++row) {
        if (list().topLevelItem(row)->text(5) == QLatin1String(DemoDriveIds::Work))
            work = list().topLevelItem(row);
    }
    ASSERT_NE(work, nullptr);

    RightClickRow(list(), work);
    auto& menu = control<QMenu>("RowMenu");
    ASSERT_TRUE(menu.isVisible());
    QStringList offered;
    for (const QAction* action : menu.actions()) {
        if (action->isVisible() && !action->isSeparator())
            offered.append(action->text());
    }
    EXPECT_EQ(offered, QStringList({QStringLiteral("打开"), QStringLiteral("导出此目录"),
                                    QStringLiteral("导出此目录（含子目录）"),
                                    QStringLiteral("复制选中文件的提取式")}));
    window->findChild<QAction*>(QLatin1String(GetParam().entry))->trigger();
    menu.close();

    QFile plain(QDir(workingFolder.path()).filePath(QStringLiteral("demo.txt")));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    const QByteArray bytes = plain.readAll();
    EXPECT_EQ(bytes.contains(EncodeGbkText(QStringLiteral("2012 年度报告/年度总结.docx"))),
              GetParam().withSubfolders);
    EXPECT_TRUE(bytes.contains(EncodeGbkText(QStringLiteral("项目计划书.docx"))));
}

INSTANTIATE_TEST_SUITE_P(Entries, FolderRowMenuTest,
                         ::testing::Values(FolderMenuCase{"Alone", "ExportFolder", false},
                                           FolderMenuCase{"WithSubfolders",
                                                          "ExportFolderWithSubfolders", true}),
                         CaseName());

} // namespace
