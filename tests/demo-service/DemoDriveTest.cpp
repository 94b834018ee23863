#include "DemoDrive.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const DemoDrive& Drive()
{
    return DemoDrive::sample();
}

QStringList AllNames()
{
    QStringList names;
    for (const DemoFolder& folder : Drive().folders())
        names.append(folder.name);
    for (const DemoFile& file : Drive().files())
        names.append(file.name);
    return names;
}

class EveryDemoDriveTest : public ::testing::TestWithParam<const DemoDrive*>
{
};

TEST_P(EveryDemoDriveTest, IdsAndPickCodesAreUniqueAndParentsExist)
{
    const DemoDrive& drive = *GetParam();
    QSet<QString> ids;
    QSet<QString> pickCodes;
    for (const DemoFolder& folder : drive.folders()) {
        ids.insert(folder.cid);
        EXPECT_TRUE(folder.parentCid == DemoDriveIds::Root || drive.folder(folder.parentCid));
    }
    for (const DemoFile& file : drive.files()) {
        ids.insert(file.fid);
        pickCodes.insert(file.pickCode);
        EXPECT_TRUE(file.cid == DemoDriveIds::Root || drive.folder(file.cid));
        EXPECT_TRUE(QRegularExpression("^[0-9a-z]{17}$").match(file.pickCode).hasMatch());
    }
    EXPECT_EQ(ids.size(), drive.folders().size() + drive.files().size());
    EXPECT_EQ(pickCodes.size(), drive.files().size());
}

INSTANTIATE_TEST_SUITE_P(Drives, EveryDemoDriveTest,
                         ::testing::Values(&DemoDrive::sample(), &DemoDrive::large()),
                         [](const auto& info) {
                             return info.param == &DemoDrive::sample() ? "Sample" : "Large";
                         });

TEST(DemoDriveTest, LargeDriveNestsThreeLevelsWithFoldersOfSeveralPages)
{
    const DemoDrive& drive = DemoDrive::large();
    EXPECT_EQ(drive.files().size(), DemoDriveIds::LargeDriveFileCount);
    EXPECT_EQ(drive.folders().size(), DemoDriveIds::LargeDriveFolderCount);
    int deepest = 0;
    int foldersOfSeveralPages = 0;
    for (const DemoFolder& folder : drive.folders()) {
        int depth = 1;
        for (const DemoFolder* up = &folder; up->parentCid != DemoDriveIds::Root;
             up = drive.folder(up->parentCid))
            ++depth;
        deepest = std::max(deepest, depth);
        if (drive.subfoldersOf(folder.cid).size() + drive.filesIn(folder.cid).size() > 30)
            ++foldersOfSeveralPages;
    }
    EXPECT_EQ(deepest, 3);
    EXPECT_GE(foldersOfSeveralPages, 20);
}

TEST(DemoDriveTest, SameDataOnEveryRun)
{
    const DemoFile* welcome = Drive().file("20001");
    ASSERT_NE(welcome, nullptr);
    EXPECT_EQ(welcome->pickCode, "2vm51bomhipmzis2m");
    EXPECT_EQ(Drive().fileByPickCode("2vm51bomhipmzis2m"), welcome);
    EXPECT_EQ(Drive().file(DemoDriveIds::TelecomFirstFile)->sha1.size(), 40);
    EXPECT_EQ(DemoDrive::fileTimeText(1344257890), "2012-08-06 20:58");
    EXPECT_EQ(Drive().folder(DemoDriveIds::Documents)->time, DemoDriveIds::DocumentsTime);
}

TEST(DemoDriveTest, FoldersNestThreeLevelsDeep)
{
    const DemoFolder* report = Drive().folder(DemoDriveIds::Report);
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->name, QString::fromUtf8(DemoDriveIds::ReportName));
    EXPECT_EQ(report->parentCid, DemoDriveIds::Work);
    EXPECT_EQ(Drive().folder(DemoDriveIds::Work)->parentCid, DemoDriveIds::Documents);
    EXPECT_EQ(Drive().folder(DemoDriveIds::Documents)->parentCid, DemoDriveIds::Root);
    EXPECT_EQ(Drive().subfoldersOf(DemoDriveIds::Documents).size(), 2);
}

TEST(DemoDriveTest, PagingFolderHolds95Entries)
{
    EXPECT_EQ(Drive().subfoldersOf(DemoDriveIds::Photos).size() +
                  Drive().filesIn(DemoDriveIds::Photos).size(),
              DemoDriveIds::PhotosEntryCount);
    EXPECT_TRUE(Drive().filesIn(DemoDriveIds::EmptyFolder).isEmpty());
    EXPECT_TRUE(Drive().subfoldersOf(DemoDriveIds::EmptyFolder).isEmpty());
}

TEST(DemoDriveTest, EveryVideoExtensionInBothCases)
{
    const QStringList names = AllNames();
    for (const QString extension : {"wmv", "rm", "mkv", "flv", "avi", "rmvb"}) {
        for (const QString& spelled : {"." + extension, "." + extension.toUpper()}) {
            EXPECT_TRUE(std::any_of(names.begin(), names.end(), [&](const QString& name) {
                return name.endsWith(spelled, Qt::CaseSensitive);
            })) << spelled.toStdString();
        }
    }
}

TEST(DemoDriveTest, NamesInChineseJapaneseAndEmoji)
{
    const QString names = AllNames().join('\n');
    EXPECT_TRUE(names.contains(QRegularExpression("[\\x{4e00}-\\x{9fff}]")));
    EXPECT_TRUE(names.contains(QRegularExpression("[\\x{3040}-\\x{30ff}]")));
    EXPECT_TRUE(
        std::any_of(names.begin(), names.end(), [](const QChar c) { return c.isHighSurrogate(); }));
}

TEST(DemoDriveTest, SizesFromZeroBeyondOneTebibyte)
{
    QSet<qint64> sizes;
    for (const DemoFile& file : Drive().files())
        sizes.insert(file.size);
    for (const qint64 size : {0LL, 1023LL, 1024LL, 1048575LL, 1048576LL, 1073741823LL, 1073741824LL,
                              4509715660LL, 1099511627775LL, 1099511627776LL, 3298534883328LL})
        EXPECT_TRUE(sizes.contains(size)) << size;
    EXPECT_EQ(Drive().file(DemoDriveIds::FourGigabyteFile)->size, 4509715660LL);
    EXPECT_EQ(Drive().file(DemoDriveIds::ThreeTebibyteFile)->size, 3298534883328LL);
    EXPECT_EQ(Drive().file(DemoDriveIds::ZeroByteFile)->size, 0);
}

TEST(DemoDriveTest, SharedAndUnsharedEntriesOfBothKinds)
{
    const auto folders = Drive().folders();
    const auto files = Drive().files();
    const auto shared = [](const auto& entry) { return entry.shared; };
    EXPECT_TRUE(std::any_of(folders.begin(), folders.end(), shared));
    EXPECT_FALSE(std::all_of(folders.begin(), folders.end(), shared));
    EXPECT_TRUE(std::any_of(files.begin(), files.end(), shared));
    EXPECT_FALSE(std::all_of(files.begin(), files.end(), shared));
}

} // namespace
