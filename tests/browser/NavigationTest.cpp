#include "DemoDrive.h"
#include "ServiceFixture.h"
#include "browser/ListingRows.h"

namespace {

const QString Photos = QString::fromLatin1(DemoDriveIds::Photos);
const QString Documents = QString::fromLatin1(DemoDriveIds::Documents);
const QString Work = QString::fromLatin1(DemoDriveIds::Work);
const QString DocumentsName = FolderMarker + QString::fromUtf8(DemoDriveIds::DocumentsName);
const QString WorkName = FolderMarker + QString::fromUtf8(DemoDriveIds::WorkName);

class Navigation : public ServiceFixture
{
protected:
    void SetUp() override
    {
        ServiceFixture::SetUp();
        logIn();
    }

    /** Runs `step`; expects it to move the offset to `offset` with one request of that page
     *  showing `rowCount` rows, or, for an empty `offset`, to send nothing. */
    void expectPage(void (FileBrowser::*step)(), const QString& offset, int rowCount)
    {
        const QString before = browser.state().offset();
        forgetTraffic();
        (browser.*step)();
        if (offset.isEmpty()) {
            EXPECT_EQ(browser.state().offset(), before);
            EXPECT_TRUE(listingTargets().isEmpty());
            return;
        }
        EXPECT_EQ(browser.state().offset(), offset);
        EXPECT_EQ(listingTargets(), QStringList{FilesTarget(Photos, offset)});
        EXPECT_EQ(rows.rowCount(), rowCount);
        EXPECT_EQ(browser.state().pageItemCount(), QString::number(rowCount));
    }
};

TEST_F(Navigation, PagingWalkOverNinetyFiveEntries)
{
    enterFolder(Photos);
    ASSERT_EQ(browser.state().totalCount(), "95");
    ASSERT_EQ(rows.rowCount(), 30);
    expectPage(&FileBrowser::PreviousPage, {}, 0);
    expectPage(&FileBrowser::FirstPage, {}, 0);
    expectPage(&FileBrowser::NextPage, "30", 30);
    expectPage(&FileBrowser::NextPage, "60", 30);
    expectPage(&FileBrowser::NextPage, "90", 5);
    expectPage(&FileBrowser::NextPage, {}, 0);
    expectPage(&FileBrowser::LastPage, "65", 30);
    expectPage(&FileBrowser::PreviousPage, "35", 30);
    expectPage(&FileBrowser::PreviousPage, "5", 30);
    expectPage(&FileBrowser::PreviousPage, "0", 30);
    expectPage(&FileBrowser::PreviousPage, {}, 0);
}

TEST_F(Navigation, TypedOffsetIsSentAsIsAndPagingGoesOnFromIt)
{
    enterFolder(Photos);
    forgetTraffic();
    browser.state().setOffset("45");
    EXPECT_EQ(listingTargets(), QStringList{FilesTarget(Photos, "45")});
    expectPage(&FileBrowser::NextPage, "75", 20);
    expectPage(&FileBrowser::FirstPage, "0", 30);
}

TEST_F(Navigation, EnterFolderExtendsBothPaths)
{
    enterFolder(Documents);
    enterFolder(Work);
    EXPECT_EQ(browser.state().idPath(), "/0/" + Documents + "/" + Work);
    EXPECT_EQ(browser.state().namePath(), "/" + DocumentsName + "/" + WorkName);
    EXPECT_EQ(browser.state().folderId(), Work);
    EXPECT_GE(rowWithId(QString::fromLatin1(DemoDriveIds::Report)), 0);
}

TEST_F(Navigation, GoUpListsTheParentThenTheRoot)
{
    enterFolder(Documents);
    enterFolder(Work);
    forgetTraffic();
    browser.GoUp();
    EXPECT_EQ(browser.state().idPath(), "/0/" + Documents);
    EXPECT_EQ(browser.state().namePath(), "/" + DocumentsName);
    EXPECT_EQ(listingTargets(), QStringList{FilesTarget(Documents, "0")});
    EXPECT_GE(rowWithId(Work), 0);
    browser.GoUp();
    EXPECT_EQ(browser.state().idPath(), "/0");
    EXPECT_EQ(browser.state().namePath(), "");
    EXPECT_EQ(browser.state().folderId(), "0");
    EXPECT_GE(rowWithId(Documents), 0);
    forgetTraffic();
    browser.GoUp();
    EXPECT_TRUE(listingTargets().isEmpty());
}

TEST_F(Navigation, GoUpFromALaterPageSendsTwoRequests)
{
    enterFolder(Photos);
    browser.NextPage();
    forgetTraffic();
    browser.GoUp();
    // the parent's id resets the offset, which reloads; then the listing of its own
    EXPECT_EQ(listingTargets(), (QStringList{FilesTarget("0", "0"), FilesTarget("0", "0")}));
    EXPECT_EQ(browser.state().offset(), "0");
    EXPECT_GE(rowWithId(Photos), 0);
}

TEST_F(Navigation, GoUpWithoutNamesLeftEmptiesTheNamePath)
{
    enterFolder(Documents);
    browser.state().setNamePath("typed");
    browser.GoUp();
    EXPECT_EQ(browser.state().namePath(), "");
    EXPECT_EQ(browser.state().idPath(), "/0");
    EXPECT_EQ(browser.state().folderId(), "0");
}

TEST_F(Navigation, GoRootFromALaterPageOfASubfolderSendsTwoRequests)
{
    enterFolder(Photos);
    browser.NextPage();
    forgetTraffic();
    browser.GoRoot();
    EXPECT_EQ(listingTargets(), (QStringList{FilesTarget(Photos, "0"), FilesTarget("0", "0")}));
    EXPECT_EQ(browser.state().idPath(), "/0");
    EXPECT_EQ(browser.state().namePath(), "");
    EXPECT_GE(rowWithId(Photos), 0);
}

TEST_F(Navigation, FolderAlreadyOnThePathIsOnlyReloaded)
{
    enterFolder(Documents);
    enterFolder(Work);
    const int row = rowWithId(QString::fromLatin1(DemoDriveIds::Report));
    ASSERT_GE(row, 0);
    rows.setText(row, Column::Id, Documents); // a listed folder that is an ancestor
    rows.selectRow(row);
    forgetTraffic();
    browser.EnterFolder();
    EXPECT_EQ(listingTargets(), QStringList{FilesTarget(Work, "0")});
    EXPECT_EQ(browser.state().idPath(), "/0/" + Documents + "/" + Work);
    EXPECT_EQ(browser.state().folderId(), Work);
}

TEST_F(Navigation, FolderWhoseIdIsPartOfALongerIdIsEntered)
{
    enterFolder(Documents);
    const int row = rowWithId(Work);
    ASSERT_GE(row, 0);
    const QString partOfDocumentsId = Documents.left(3); // "100" in "/0/1001"
    rows.setText(row, Column::Id, partOfDocumentsId);
    rows.selectRow(row);
    forgetTraffic();
    browser.EnterFolder();
    EXPECT_EQ(browser.state().idPath(), "/0/" + Documents + "/" + partOfDocumentsId);
    EXPECT_EQ(browser.state().folderId(), partOfDocumentsId);
    EXPECT_EQ(listingTargets().first(), FilesTarget(partOfDocumentsId, "0"));
}

TEST_F(Navigation, EnterFolderIgnoresFilesAndMissingSelection)
{
    forgetTraffic();
    browser.EnterFolder(); // nothing selected
    const int file = rowWithId(QString::fromLatin1(DemoDriveIds::EmojiNameFile));
    ASSERT_GE(file, 0);
    rows.selectRow(file);
    browser.EnterFolder();
    EXPECT_TRUE(listingTargets().isEmpty());
    EXPECT_EQ(browser.state().idPath(), "/0");
}

} // namespace
