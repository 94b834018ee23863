#include "ExportTestSupport.h"
#include "export/LinkResolution.h"
#include "export/ResultActions.h"
#include "export/RowMenuActions.h"
#include "export/TickedRowsExport.h"

#include <functional>

namespace {

class StoredSha1sTest : public SignedInTest
{
protected:
    // A row click on a fresh row of `fid` fetches its page, and the store keeps its SHA1; then
    // the list holds that file once more, unresolved.
    int storeThenRelist(const char* fid)
    {
        rows.selectRow(appendFile(fid));
        LinkFields fields;
        ResolveSelectedRow(rows, fields);
        EXPECT_EQ(downloadTargets().size(), 1);
        rows.clearRows();
        service.clearRequests();
        return appendFile(fid);
    }
};

struct StepCase
{
    const char* name;
    std::function<void(MemoryFileList& list, int row)> step;
    bool copiesSha1;
};

class StoreFirstTest : public StoredSha1sTest, public ::testing::WithParamInterface<StepCase>
{
};

// Each SHA1 step takes a SHA1 the store holds without a request, and the row changes as a
// fetched one does: SHA1 in front, blue cell.
TEST_P(StoreFirstTest, ResolvesTheRowFromTheStore)
{
    const DemoFile& file = DemoFileWithId(DemoDriveIds::UnicomFirstFile);
    const int row = storeThenRelist(DemoDriveIds::UnicomFirstFile);
    GetParam().step(rows, row);
    EXPECT_TRUE(downloadTargets().isEmpty());
    EXPECT_TRUE(rows.text(row, Column::StandardForm).startsWith(file.sha1 + '#'));
    EXPECT_EQ(rows.textColour(row, Column::StandardForm), ResolvedColour);
    if (GetParam().copiesSha1) {
        EXPECT_EQ(desktop.clipboardTexts, QStringList{file.sha1});
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, StoreFirstTest,
                         ::testing::Values(StepCase{"CopyRowSha1",
                                                    [](MemoryFileList& list, int row) {
                                                        LinkFields fields;
                                                        CopyRowSha1(list, row, fields);
                                                    },
                                                    true},
                                           StepCase{"CopyTickedExtraction",
                                                    [](MemoryFileList& list, int row) {
                                                        list.setTicked(row, true);
                                                        CopyTickedExtraction(list);
                                                    },
                                                    false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A row click still fetches its page for the link, which the store does not keep.
TEST_F(StoredSha1sTest, RowClickStillFetchesItsPage)
{
    const int row = storeThenRelist(DemoDriveIds::UnicomFirstFile);
    rows.selectRow(row);
    LinkFields fields;
    ResolveSelectedRow(rows, fields);
    EXPECT_EQ(downloadTargets().size(), 1);
    EXPECT_EQ(fields.downloadLink,
              ButtonUrl(DemoDriveIds::UnicomFirstFile, QStringLiteral("电信")));
}

// A file listed with another size is another file: its page is fetched.
TEST_F(StoredSha1sTest, AStoredSha1OfAnotherSizeIsNotTaken)
{
    const int row = storeThenRelist(DemoDriveIds::UnicomFirstFile);
    rows.setText(row, Column::StandardForm, QStringLiteral("#1#") + rows.text(row, Column::Name));
    LinkFields fields;
    CopyRowSha1(rows, row, fields);
    EXPECT_EQ(downloadTargets().size(), 1);
}

} // namespace
