#include "CaseName.h"
#include "DemoDrive.h"
#include "WindowFixture.h"
#include "export/LinkResolution.h"
#include "text/GbkText.h"
#include "tour/WidgetDriver.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <functional>

namespace {

/** Signed in with the demo account, in the folder of films. */
class WindowRowMenuTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        if (!HasFatalFailure())
            signInAndEnter({DemoDriveIds::MoviesName});
    }

    QAction& entry(const char* name) const
    {
        auto* action = window->findChild<QAction*>(QLatin1String(name));
        if (!action)
            qFatal("the row menu has no entry %s", name);
        return *action;
    }
    /** Right-clicks `row` and chooses the menu entry `name`, which must be offered. */
    void choose(QTreeWidgetItem* row, const char* name)
    {
        RightClickRow(list(), row);
        auto& menu = control<QMenu>("RowMenu");
        ASSERT_TRUE(menu.isVisible());
        ASSERT_TRUE(entry(name).isVisible() && entry(name).isEnabled()) << name;
        entry(name).trigger();
        menu.close();
    }
};

struct FileEntryCase
{
    std::string name;
    const char* entry;
    int pageRequests;
    // The clipboard text or opened address the entry yields for the file.
    std::function<QString(const DemoFile&, const QString& unresolved)> expected;
    bool opens = false;
};

void PrintTo(const FileEntryCase& entryCase, std::ostream* out)
{
    *out << entryCase.name;
}

const FileEntryCase fileEntryCases[] = {
    {"PickCode", "CopyPickCode", 0,
     [](const DemoFile& file, const QString&) { return file.pickCode; }},
    {"Sha1", "CopySha1", 1, [](const DemoFile& file, const QString&) { return file.sha1; }},
    {"StandardForm", "CopyStandardForm", 1,
     [](const DemoFile& file, const QString& unresolved) { return file.sha1 + unresolved; }},
    {"DownloadLink", "CopyDownloadLink", 1,
     [](const DemoFile& file, const QString&) { return file.buttons.at(1).url; }},
    {"OpenDownloadLink", "OpenDownloadLink", 1,
     [](const DemoFile& file, const QString&) { return file.buttons.at(1).url; }, true},
};

class FileEntryTest : public WindowRowMenuTest, public ::testing::WithParamInterface<FileEntryCase>
{
};

TEST_P(FileEntryTest, CopiesOrOpensThroughTheDesktop)
{
    const FileEntryCase& entryCase = GetParam();
    const DemoFile& film = *DemoDrive::sample().file(QLatin1String(DemoDriveIds::UnicomFirstFile));
    QTreeWidgetItem* row = rowOfFile(DemoDriveIds::UnicomFirstFile);
    const QString unresolved = row->text(4);

    choose(row, entryCase.entry);

    const QList<QString> expected{entryCase.expected(film, unresolved)};
    EXPECT_EQ(entryCase.opens ? desktop.openedTargets : desktop.clipboardTexts, expected);
    EXPECT_EQ(downloadTargets().size(), entryCase.pageRequests);
    // A fetch does what a click on the row does: SHA1 in front, the cell blue, the fields filled.
    if (entryCase.pageRequests > 0) {
        EXPECT_EQ(row->text(4), film.sha1 + unresolved);
        EXPECT_EQ(row->foreground(4).color(), ResolvedColour);
        EXPECT_EQ(control<QLineEdit>("Text10").text(), film.pickCode);
    }
    EXPECT_TRUE(desktop.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(RowMenu, FileEntryTest, ::testing::ValuesIn(fileEntryCases), CaseName());

TEST_F(WindowRowMenuTest, ResolvedRowCopiesItsSha1WithoutAFetch)
{
    QTreeWidgetItem* row = rowOfFile(DemoDriveIds::TelecomFirstFile);
    choose(row, "CopySha1");
    choose(row, "CopyStandardForm");
    EXPECT_EQ(downloadTargets().size(), 1);
    EXPECT_EQ(desktop.clipboardTexts, QList<QString>({row->text(4).left(40), row->text(4)}));
}

TEST_F(WindowRowMenuTest, PageWithoutWhatIsWantedCopiesNothingAndSaysSo)
{
    choose(rowOfFile(DemoDriveIds::NoSha1File), "CopyStandardForm");
    EXPECT_TRUE(desktop.clipboardTexts.isEmpty());
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].title, QStringLiteral("提示"));
    EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("SHA1")));
}

TEST_F(WindowRowMenuTest, FolderRowOffersOpenAndTheTickedCopyOnly)
{
    control<QPushButton>("Command10").click();
    const QList<QTreeWidgetItem*> folders = list().findItems(
        QStringLiteral("■") + QString::fromUtf8(DemoDriveIds::DocumentsName), Qt::MatchExactly, 0);
    ASSERT_EQ(folders.size(), 1);
    RightClickRow(list(), folders.first());
    for (const char* fileEntry :
         {"CopyPickCode", "CopySha1", "CopyStandardForm", "CopyDownloadLink", "OpenDownloadLink"})
        EXPECT_FALSE(entry(fileEntry).isVisible()) << fileEntry;
    EXPECT_TRUE(entry("CopyTickedExtraction").isVisible());
    EXPECT_FALSE(entry("CopyTickedExtraction").isEnabled()); // nothing ticked
    control<QMenu>("RowMenu").close();

    choose(folders.first(), "OpenFolder");
    EXPECT_EQ(control<QLineEdit>("Text3").text(), QLatin1String(DemoDriveIds::Documents));
}

TEST_F(WindowRowMenuTest, TickedCopyIsThePlainFilesSectionByteForByte)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    rowOfFile(DemoDriveIds::UnicomFirstFile)->setCheckState(0, Qt::Checked);
    rowOfFile(DemoDriveIds::NoSha1File)->setCheckState(0, Qt::Checked);
    rowOfFile(DemoDriveIds::LowerCaseSha1File)->setCheckState(0, Qt::Checked);

    choose(rowOfFile(DemoDriveIds::TelecomFirstFile), "CopyTickedExtraction");
    ASSERT_EQ(desktop.clipboardTexts.size(), 1);
    EXPECT_EQ(downloadTargets().size(), 3);
    // The export fetches again only the row whose page had no SHA1.
    control<QPushButton>("Command16").click();
    EXPECT_EQ(downloadTargets().size(), 4);

    QFile plain(DemoService::account() + QStringLiteral(".txt"));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    EXPECT_EQ(EncodeGbkText(desktop.clipboardTexts.first()), plain.readAll());
    QDir::setCurrent(previous);
}

} // namespace
