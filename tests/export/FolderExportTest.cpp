#include "export/FolderExport.h"

#include "CaseName.h"
#include "ExportTestSupport.h"
#include "browser/SizeText.h"
#include "export/DownloadPage.h"
#include "export/LinkResolution.h"
#include "service/exchange.h"
#include "service/session.h"
#include "text/GbkText.h"
#include "text/JSON.h"

#include <QDir>
#include <QTimer>

using namespace std::chrono_literals;

namespace {

const QString Account = QStringLiteral("tester");
const QString PlainFile = QStringLiteral("tester.txt");
const QStringList ExportFiles = {PlainFile, QStringLiteral("tester[贴吧+Chrome] .txt"),
                                 QStringLiteral("tester[贴吧+IE] .txt")};

// Short waits, so that retries cost the tests no time.
const RetryPolicy QuickRetries{{10ms, 10ms, 10ms}};

/** A file expected in an export: its path below the exported folder and its demo file. */
struct Expected
{
    QString path;
    const char* fid;
};

QString sizeTextOf(qint64 bytes)
{
    const std::optional<JsonValue> root = ParseJson(QStringLiteral("[%1]").arg(bytes));
    return SizeText(root->array()->Item(1));
}

QByteArray plainSection(const QList<Expected>& files)
{
    QString blocks;
    for (const Expected& expected : files) {
        const DemoFile& file = DemoFileWithId(expected.fid);
        blocks += expected.path + "    " + sizeTextOf(file.size) + "    " + file.pickCode + "\r\n" +
                  file.sha1 + "#" + QString::number(file.size) + "#" + file.name + "\r\n\r\n";
    }
    return HeaderLineBytes() + "\r\n" + EncodeGbkText(blocks) + "\r\n";
}

class FolderExportTest : public SignedInTest
{
protected:
    ExportOutcome exportFolder(const QString& folderId, bool includeSubfolders,
                               const RetryPolicy& policy = QuickRetries)
    {
        WalkScope scope;
        scope.query.folderId = folderId;
        scope.includeSubfolders = includeSubfolders;
        return ExportFolder(scope, Account, sha1s, &progress, policy);
    }

    void expectNothingWrittenAndOneMessageWith(const QString& part)
    {
        EXPECT_TRUE(folder.entries().isEmpty());
        ASSERT_EQ(desktop.messages.size(), 1);
        EXPECT_TRUE(desktop.messages[0].text.contains(part))
            << desktop.messages[0].text.toStdString();
        EXPECT_TRUE(
            desktop.messages[0].text.endsWith(QStringLiteral("本次导出没有写入任何文件。")));
    }

    WorkingFolder folder;
    Sha1Cache sha1s;
    RecordingProgress progress;
};

struct LayoutCase
{
    const char* name;
    const char* folderId;
    bool includeSubfolders;
    QList<Expected> files;
    DemoService::ListingForm form = DemoService::ListingForm::List;
};

const QList<Expected> DocumentsTree = {{"购物清单.xlsx", "20012"},
                                       {"读书笔记.txt", "20011"},
                                       {"工作/项目计划书.docx", "20022"},
                                       {"工作/会议纪要.txt", "20021"},
                                       {"工作/2012 年度报告/演示文稿.pptx", "20033"},
                                       {"工作/2012 年度报告/财务报表 Q4.xlsx", "20032"},
                                       {"工作/2012 年度报告/年度总结.docx", "20031"},
                                       {"个人/简历.pdf", "20041"}};

class FolderExportLayoutTest : public FolderExportTest,
                               public ::testing::WithParamInterface<LayoutCase>
{
};

TEST_P(FolderExportLayoutTest, WritesEveryFileByItsPathInWalkOrder)
{
    service.setListingForm(GetParam().form);
    EXPECT_EQ(exportFolder(GetParam().folderId, GetParam().includeSubfolders),
              ExportOutcome::Written);
    EXPECT_EQ(folder.entries(), ExportFiles);
    EXPECT_EQ(FileBytes(PlainFile), plainSection(GetParam().files));
    EXPECT_TRUE(desktop.messages.isEmpty());
    ASSERT_FALSE(progress.reports.isEmpty());
    EXPECT_EQ(progress.reports.constLast().filesFound, GetParam().files.size());
    EXPECT_EQ(progress.reports.constLast().pagesFetched, progress.reports.constLast().pagesToFetch);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FolderExportLayoutTest,
    ::testing::Values(LayoutCase{"NestedFolder", DemoDriveIds::Documents, true, DocumentsTree},
                      LayoutCase{"NestedFolderInKeyedListings", DemoDriveIds::Documents, true,
                                 DocumentsTree, DemoService::ListingForm::Keyed},
                      LayoutCase{"WithoutSubfolders",
                                 DemoDriveIds::Documents,
                                 false,
                                 {{"购物清单.xlsx", "20012"}, {"读书笔记.txt", "20011"}}},
                      // Emoji are outside GBK: written in GB18030.
                      LayoutCase{"NamesOutsideGbk",
                                 DemoDriveIds::Music,
                                 true,
                                 {{"😀😀😀.ogg", "20305"},
                                  {"さくら（独唱）.mp3", "20304"},
                                  {"夜曲.mp3", "20303"},
                                  {"🎸 吉他独奏.flac", "20302"},
                                  {"月亮代表我的心.mp3", "20301"}}}),
    CaseName());

TEST_F(FolderExportTest, FourPageWalkOneAtATimeKeepsToOneConnection)
{
    RetryPolicy oneAtATime = QuickRetries;
    oneAtATime.requestsInFlight = 1;
    RetryingFetcher fetcher(nullptr, oneAtATime);
    ExportCounts counts;
    WalkScope scope;
    scope.query.folderId = DemoDriveIds::Photos;
    const WalkResult walk = WalkFolder(scope, fetcher, counts, {});

    EXPECT_EQ(walk.files.size(), DemoDriveIds::PhotosEntryCount);
    EXPECT_EQ(listingTargets().size(), 4);
    EXPECT_EQ(counts.pagesToFetch, 4);
    EXPECT_EQ(service.connectionsAccepted(), 1) << "the login's connection carries every page";
}

TEST_F(FolderExportTest, SecondExportFetchesOnlyWhatIsMissing)
{
    // The first try of one download page fails and is not tried again: the export stops.
    service.setFault(DemoService::Endpoint::DownloadPage, {.status = 503, .times = 1});
    EXPECT_EQ(exportFolder(DemoDriveIds::Work, true, RetryPolicy{{}}), ExportOutcome::FetchFailed);
    expectNothingWrittenAndOneMessageWith(QStringLiteral("Http错误代码:503"));
    EXPECT_EQ(sha1s.size(), 4) << "every page fetched keeps its SHA1";
    EXPECT_EQ(downloadTargets().size(), 5);

    EXPECT_EQ(exportFolder(DemoDriveIds::Work, true), ExportOutcome::Written);
    EXPECT_EQ(downloadTargets().size(), 6);
    EXPECT_EQ(exportFolder(DemoDriveIds::Work, true), ExportOutcome::Written);
    EXPECT_EQ(downloadTargets().size(), 6);

    const int row = appendFile("20033");
    ResolveKnownRows(rows, sha1s);
    EXPECT_EQ(rows.text(row, Column::StandardForm).left(40), DemoFileWithId("20033").sha1);
    EXPECT_EQ(rows.textColour(row, Column::StandardForm), QColor(0, 0, 255));
}

TEST_F(FolderExportTest, TransientFailuresAreRetriedUntilTheyClear)
{
    service.setFault(DemoService::Endpoint::Files, {.status = 503, .times = 3});
    EXPECT_EQ(exportFolder(DemoDriveIds::Report, false), ExportOutcome::Written);
    EXPECT_EQ(listingTargets().size(), 4);
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(FolderExportTest, RetriesExhaustedNameTheFileAndWhy)
{
    service.setFault(DemoService::Endpoint::DownloadPage, {.status = 500});
    EXPECT_EQ(exportFolder(DemoDriveIds::Report, false), ExportOutcome::FetchFailed);
    expectNothingWrittenAndOneMessageWith(QStringLiteral(
        "无法获取文件“演示文稿.pptx”的下载页：Http错误代码:500（多次重试后仍然失败）"));
    EXPECT_EQ(downloadTargets().size(), 3 * 4);
}

TEST_F(FolderExportTest, ListingThatFailsNamesTheFolder)
{
    service.setFault(DemoService::Endpoint::Files, {.status = 404});
    EXPECT_EQ(exportFolder(DemoDriveIds::Report, false), ExportOutcome::FetchFailed);
    expectNothingWrittenAndOneMessageWith(
        QStringLiteral("无法读取当前目录的列表（第 1 页）：Http错误代码:404"));
    EXPECT_EQ(listingTargets().size(), 1) << "404 is not worth another try";
}

struct CancelCase
{
    const char* name;
    DemoService::Endpoint slowEndpoint;
};

class FolderExportCancelTest : public FolderExportTest,
                               public ::testing::WithParamInterface<CancelCase>
{
};

TEST_P(FolderExportCancelTest, WritesNothingAndShowsNothing)
{
    service.setFault(GetParam().slowEndpoint, {.delay = 1min});
    QTimer::singleShot(100ms, [this] { progress.cancelToken().cancel(); });
    EXPECT_EQ(exportFolder(DemoDriveIds::Work, true), ExportOutcome::Cancelled);
    EXPECT_TRUE(folder.entries().isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_TRUE(sha1s.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Phases, FolderExportCancelTest,
                         ::testing::Values(CancelCase{"Walk", DemoService::Endpoint::Files},
                                           CancelCase{"Fetch",
                                                      DemoService::Endpoint::DownloadPage}),
                         CaseName());

struct FetchCancelCase
{
    const char* name;
    DemoService::Fault fault;
    RetryPolicy policy;
};

class FetchCancelTest : public FolderExportTest,
                        public ::testing::WithParamInterface<FetchCancelCase>
{
};

// Whether a cancel meets the requests in flight or waiting for their next try, each comes back
// cancelled, and a cancelled request is not reported to the user as a failure.
TEST_P(FetchCancelTest, UnsettledRequestsComeBackCancelled)
{
    service.setFault(DemoService::Endpoint::DownloadPage, GetParam().fault);
    QList<HttpRequest> requests;
    for (int i = 0; i < 3; ++i)
        requests.append(DownloadPageRequest(DemoDrive::sample().files().at(i).pickCode));
    QTimer::singleShot(100ms, [this] { progress.cancelToken().cancel(); });
    RetryingFetcher fetcher(&progress.cancelToken(), GetParam().policy);

    const QList<HttpResult> results = fetcher.fetch(requests);
    ASSERT_EQ(results.size(), requests.size());
    for (const HttpResult& result : results) {
        EXPECT_EQ(result.failure, HttpFailure::Cancelled);
        EXPECT_FALSE(AcceptExchange(result, QStringLiteral("提示")));
    }
    EXPECT_TRUE(desktop.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Phases, FetchCancelTest,
    ::testing::Values(FetchCancelCase{"InFlight", {.delay = 1min}, QuickRetries},
                      FetchCancelCase{"WaitingToRetry", {.status = 503}, RetryPolicy{{1min}}}),
    CaseName());

// A listing that names the listed folder itself and one more folder, whose listing is the same.
const QByteArray LoopingListing = R"({"data":[{"cid":"1021","n":"again"},{"cid":"777","n":"loop"},)"
                                  R"({"fid":"1","n":"a.txt","s":1,"pc":"nosuchcode"}],"count":3})";

TEST_F(FolderExportTest, FolderSeenTwiceIsNotWalkedAgain)
{
    service.setFault(DemoService::Endpoint::Files, {.body = LoopingListing});
    service.setFault(DemoService::Endpoint::DownloadPage,
                     {.status = 200, .body = QByteArray("no sha1 here")});
    EXPECT_EQ(exportFolder(DemoDriveIds::Report, true), ExportOutcome::Written)
        << desktop.messages.value(0).text.toStdString();
    EXPECT_EQ(listingTargets().size(), 2);
    const QByteArray plain = FileBytes(PlainFile);
    EXPECT_TRUE(plain.contains("\r\na.txt    1B    nosuchcode\r\n#1#a.txt\r\n"));
    EXPECT_TRUE(plain.contains("\r\nloop/a.txt    1B    nosuchcode\r\n#1#a.txt\r\n"));
    EXPECT_EQ(plain.count("a.txt    "), 2);
}

struct BrokenListingCase
{
    const char* name;
    QByteArray body;
    const char* messagePart;
};

class BrokenListingTest : public FolderExportTest,
                          public ::testing::WithParamInterface<BrokenListingCase>
{
};

TEST_P(BrokenListingTest, StopsWithAClearMessage)
{
    service.setFault(DemoService::Endpoint::Files, {.body = GetParam().body});
    EXPECT_EQ(exportFolder(DemoDriveIds::Report, true), ExportOutcome::FetchFailed);
    expectNothingWrittenAndOneMessageWith(QString::fromUtf8(GetParam().messagePart));
    EXPECT_TRUE(downloadTargets().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, BrokenListingTest,
    ::testing::Values(BrokenListingCase{"TooManyEntries", R"({"data":[],"count":100001})",
                                        "有 100001 个条目，超过了 100000 个的上限"},
                      BrokenListingCase{"CountThatDoesNotShrink", R"({"data":[],"count":45})",
                                        "与目录的条目数（45）不符"},
                      BrokenListingCase{"NotAListing",
                                        R"({"state":false,"error":"login required"})",
                                        "服务器的应答不是目录列表"}),
    CaseName());

TEST_F(FolderExportTest, SharedCategoryListsNoFolderOfItsOwn)
{
    WalkScope scope;
    scope.query.categoryCode = QStringLiteral("30");
    scope.includeSubfolders = true;
    EXPECT_EQ(ExportFolder(scope, Account, sha1s, nullptr, QuickRetries), ExportOutcome::Written);
    for (const DemoService::LoggedRequest& request : service.requests())
        EXPECT_FALSE(request.target.startsWith(QLatin1String("/files")))
            << request.target.toStdString();
    const QByteArray rowBlocks = FileBytes(PlainFile).mid(HeaderLineBytes().size());
    EXPECT_GT(rowBlocks.count("\r\n\r\n"), 1);
    EXPECT_FALSE(rowBlocks.contains('/')) << "a shared folder was walked";
}

TEST_F(FolderExportTest, SignedOutSendsNothing)
{
    SetSessionCookie(QString());
    EXPECT_EQ(exportFolder(DemoDriveIds::Report, false), ExportOutcome::FetchFailed);
    EXPECT_TRUE(service.requests().isEmpty());
    EXPECT_TRUE(folder.entries().isEmpty());
    ASSERT_EQ(desktop.messages.size(), 1);
}

struct RetryAfterCase
{
    const char* name;
    QString header;
    std::optional<std::chrono::milliseconds> wait;
};

class RetryAfterTest : public ::testing::TestWithParam<RetryAfterCase>
{
};

TEST_P(RetryAfterTest, IsReadAndCapped)
{
    HttpResult result;
    result.status = 503;
    result.headers = "HTTP/1.1 503 Busy\r\n" + GetParam().header + "\r\nContent-Length: 0\r\n\r\n";
    EXPECT_EQ(RetryAfterOf(result, 30s), GetParam().wait);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, RetryAfterTest,
    ::testing::Values(RetryAfterCase{"Seconds", "Retry-After: 7", 7s},
                      RetryAfterCase{"AnyCase", "retry-after:2", 2s},
                      RetryAfterCase{"CappedAtTheLongest", "Retry-After: 86400", 30s},
                      RetryAfterCase{"PastDate", "Retry-After: Wed, 21 Oct 2015 07:28:00 GMT", 0ms},
                      RetryAfterCase{"Unreadable", "Retry-After: soon", std::nullopt},
                      RetryAfterCase{"Negative", "Retry-After: -5", std::nullopt},
                      RetryAfterCase{"Missing", "X-Other: 1", std::nullopt}),
    CaseName());

} // namespace

namespace {

// With keepGoing every file whose page fails is left out; the summary names the first ten
// with their reasons, counts the rest and gives the plain file's full path.
TEST_F(FolderExportTest, KeepGoingSummaryNamesTenSkippedFilesAndCountsTheRest)
{
    DemoService::Fault missing;
    missing.status = 404;
    service.setFault(DemoService::Endpoint::DownloadPage, missing);
    WalkScope scope;
    scope.query.folderId = QString::fromLatin1(DemoDriveIds::Photos);
    scope.keepGoing = true;
    FolderExportReport report;
    ASSERT_EQ(ExportFolder(scope, Account, sha1s, &progress, QuickRetries, {}, &report),
              ExportOutcome::Written);
    EXPECT_EQ(report.rowsWritten, 0);
    ASSERT_EQ(report.skipped.size(), DemoDriveIds::PhotosEntryCount);
    EXPECT_TRUE(desktop.messages.isEmpty());

    ShowFolderExportSummary(report);
    ASSERT_EQ(desktop.messages.size(), 1);
    const QString text = desktop.messages[0].text;
    EXPECT_EQ(desktop.messages[0].title, QStringLiteral("导出完成"));
    EXPECT_TRUE(text.contains(QStringLiteral("跳过的文件和目录：%1 个\n    %2：")
                                  .arg(DemoDriveIds::PhotosEntryCount)
                                  .arg(report.skipped[0].path)))
        << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("\n    ")), SummarySkippedShown + 1);
    EXPECT_TRUE(text.contains(QStringLiteral("……另有 %1 个\n")
                                  .arg(DemoDriveIds::PhotosEntryCount - SummarySkippedShown)));
    EXPECT_TRUE(text.endsWith(QDir::current().absoluteFilePath(PlainFile)));
}

} // namespace
