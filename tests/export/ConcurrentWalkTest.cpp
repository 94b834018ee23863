#include "CaseName.h"
#include "DemoDrive.h"
#include "DemoService.h"
#include "ExportTestSupport.h"
#include "browser/Login.h"
#include "export/FolderExport.h"
#include "export/RequestPacing.h"
#include "platform/RecordingDesktop.h"
#include "service/endpoints.h"
#include "service/httpxml.h"
#include "service/session.h"

#include <QSet>
#include <QTimer>
#include <algorithm>

using namespace std::chrono_literals;

namespace {

const QString Account = QStringLiteral("tester");

/** Remembers the last counts and whether pages fetched ever ran ahead of pages known. */
class CheckingProgress final : public ExportProgress
{
public:
    void report(const ExportCounts& counts) override
    {
        aheadOfKnown = aheadOfKnown || counts.pagesFetched > counts.pagesToFetch;
        last = counts;
    }
    ExportCounts last;
    bool aheadOfKnown = false;
};

/** The demo service serving `drive`, signed in, a recording desktop and a working folder. */
class DriveTest : public ::testing::Test
{
protected:
    void serve(const DemoDrive& drive)
    {
        m_service = std::make_unique<DemoService>(drive);
        ASSERT_TRUE(m_service->start());
        SetServiceBase(m_service->baseUrl());
        const QString cookie =
            LoginRequest(QStringLiteral("POST"), LoginAddress(),
                         LoginBody(DemoService::account(), DemoService::password()));
        ASSERT_TRUE(cookie.startsWith(QLatin1String("OOFA="))) << cookie.toStdString();
        SetSessionCookie(cookie);
    }

    /** The root and every subfolder exported with `policy`: the plain file's bytes. */
    QByteArray exportRoot(const RetryPolicy& policy)
    {
        const WorkingFolder folder;
        WalkScope scope;
        scope.includeSubfolders = true;
        Sha1Cache sha1s;
        CheckingProgress progress;
        EXPECT_EQ(ExportFolder(scope, Account, sha1s, &progress, policy), ExportOutcome::Written)
            << desktop.messages.value(0).text.toStdString();
        EXPECT_FALSE(progress.aheadOfKnown);
        EXPECT_EQ(progress.last.pagesFetched, progress.last.pagesToFetch);
        return FileBytes(Account + QStringLiteral(".txt"));
    }

    RecordingDesktop desktop;
    std::unique_ptr<DemoService> m_service;
};

RetryPolicy inFlight(int requests)
{
    RetryPolicy policy;
    policy.requestsInFlight = requests;
    return policy;
}

/** The pick codes of `drive`'s files in the order a depth-first walk of the root meets them,
 *  newest first as the walk lists them: a folder's files, then each subfolder in turn. */
QStringList walkOrder(const DemoDrive& drive, const QString& cid = QStringLiteral("0"))
{
    const auto newestFirst = [](const auto* a, const auto* b) { return a->time > b->time; };
    QList<const DemoFile*> files = drive.filesIn(cid);
    std::sort(files.begin(), files.end(), newestFirst);
    QStringList pickCodes;
    for (const DemoFile* file : files)
        pickCodes.append(file->pickCode);
    QList<const DemoFolder*> subfolders = drive.subfoldersOf(cid);
    std::sort(subfolders.begin(), subfolders.end(), newestFirst);
    for (const DemoFolder* subfolder : subfolders)
        pickCodes += walkOrder(drive, subfolder->cid);
    return pickCodes;
}

struct DriveCase
{
    const char* name;
    const DemoDrive& (*drive)();
};

class ConcurrentWalkTest : public DriveTest, public ::testing::WithParamInterface<DriveCase>
{
};

// However many go at once and in whatever order the answers come, the export files are those
// of one request after another, and the rows come in walk order.
TEST_P(ConcurrentWalkTest, WritesTheFilesOfTheSequentialWalk)
{
    const DemoDrive& drive = GetParam().drive();
    serve(drive);
    const QByteArray sequential = exportRoot(inFlight(1));
    EXPECT_EQ(exportRoot(inFlight(MaxRequestsInFlight)), sequential);
    EXPECT_EQ(exportRoot(inFlight(RequestsInFlightLimit)), sequential);

    QStringList pickCodes;
    for (const QByteArray& line : sequential.split('\n')) {
        const qsizetype columns = line.lastIndexOf("    ");
        if (columns > 0)
            pickCodes.append(QString::fromLatin1(line.mid(columns + 4).trimmed()));
    }
    EXPECT_EQ(pickCodes, walkOrder(drive));
}

INSTANTIATE_TEST_SUITE_P(Drives, ConcurrentWalkTest,
                         ::testing::Values(DriveCase{"Sample", &DemoDrive::sample},
                                           DriveCase{"Large", &DemoDrive::large}),
                         CaseName());

// A service that serves one request at a time and answers 429 to any other: the export slows
// down to what it allows and still completes, with the default policy.
TEST_F(DriveTest, OneAtATimeServiceGetsACompleteExportWithFewRefusals)
{
    const DemoDrive drive = DemoDrive::generated(200);
    serve(drive);
    m_service->setOneAtATime(true);
    const QByteArray plain = exportRoot(RetryPolicy{});
    EXPECT_EQ(plain.count("\r\n\r\n"), 200 + 1) << "a block per file and the section's end";
    EXPECT_LT(m_service->busyRefusals(), 40);
}

// A wait the service asks for ("Retry-After") ends at once with Cancel.
TEST_F(DriveTest, CancelEndsAWaitForTheNextTry)
{
    serve(DemoDrive::sample());
    m_service->setFault(DemoService::Endpoint::DownloadPage, {.status = 429, .retryAfter = "600"});
    const WorkingFolder folder;
    RetryPolicy policy;
    policy.longestRetryAfter = 10min;
    CheckingProgress progress;
    QTimer::singleShot(300ms, [&] { progress.cancelToken().cancel(); });
    WalkScope scope;
    scope.query.folderId = QString::fromLatin1(DemoDriveIds::Report);
    Sha1Cache sha1s;
    EXPECT_EQ(ExportFolder(scope, Account, sha1s, &progress, policy), ExportOutcome::Cancelled);
    EXPECT_TRUE(folder.entries().isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
}

/** The listing pages a recursive walk of folder `cid` of `drive` fetches: one per 30 entries of
 *  each folder, at least one. */
int listingPages(const DemoDrive& drive, const QString& cid = QStringLiteral("0"))
{
    const QList<const DemoFolder*> subfolders = drive.subfoldersOf(cid);
    const qsizetype entries = subfolders.size() + drive.filesIn(cid).size();
    int pages = int(std::max<qsizetype>(1, (entries + 29) / 30));
    for (const DemoFolder* subfolder : subfolders)
        pages += listingPages(drive, subfolder->cid);
    return pages;
}

/** Every report of a walk, to be read once it has returned. */
class AllReports final : public ExportProgress
{
public:
    void report(const ExportCounts& counts) override { reports.append(counts); }
    QList<ExportCounts> reports;
};

// Retried listing and download pages, answers in any order: no report ever counts more pages
// fetched than known, neither count goes back, and the last counts every page once.
TEST_F(DriveTest, EveryReportCountsNoMorePagesFetchedThanKnown)
{
    const DemoDrive& drive = DemoDrive::sample();
    serve(drive);
    m_service->setFault(DemoService::Endpoint::DownloadPage,
                        {.status = 429, .retryAfter = "0", .times = 6});
    m_service->setFault(DemoService::Endpoint::Files, {.dropConnection = true, .times = 3});
    WalkScope scope;
    scope.includeSubfolders = true;
    scope.refresh = true;
    Sha1Cache sha1s;
    AllReports progress;
    // More tries than faults: every page gets through in the end.
    const RetryPolicy policy{QList<std::chrono::milliseconds>(7, 10ms)};
    const WalkResult walk = ListFolder(scope, sha1s, true, &progress, policy);
    ASSERT_TRUE(walk.failure.isEmpty()) << walk.failure.toStdString();

    ASSERT_FALSE(progress.reports.isEmpty());
    ExportCounts before;
    for (const ExportCounts& counts : progress.reports) {
        EXPECT_LE(counts.pagesFetched, counts.pagesToFetch);
        EXPECT_GE(counts.pagesFetched, before.pagesFetched);
        EXPECT_GE(counts.pagesToFetch, before.pagesToFetch);
        before = counts;
    }
    QSet<QString> pickCodes; // one download page each
    for (const WalkedFile& file : walk.files)
        pickCodes.insert(file.columns.value(ColumnIndex(Column::PickCode)));
    const int expected = listingPages(drive) + int(pickCodes.size());
    EXPECT_EQ(progress.reports.constLast().pagesFetched, expected);
    EXPECT_EQ(progress.reports.constLast().pagesToFetch, expected);
    EXPECT_EQ(walk.counts, progress.reports.constLast());
    EXPECT_EQ(
        m_service
            ->requestTargets({DemoService::Endpoint::Files, DemoService::Endpoint::DownloadPage})
            .size(),
        expected + 6 + 3)
        << "each fault costs one more request";
}

struct PacingCase
{
    const char* name;
    int limit;
    QList<int> statuses; // the answers, in order; 0 for a failure without an answer
    int expected;        // requests in flight after them
};

class RequestPacingTest : public ::testing::TestWithParam<PacingCase>
{
};

TEST_P(RequestPacingTest, FollowsWhatTheServiceAnswers)
{
    RequestPacing pacing(GetParam().limit);
    for (const int status : GetParam().statuses) {
        HttpResult result;
        result.status = status;
        if (status == 0)
            result.failure = HttpFailure::Transient;
        pacing.observe(result);
    }
    EXPECT_EQ(pacing.requestsInFlight(), GetParam().expected);
}

QList<int> repeated(int status, int times)
{
    return QList<int>(times, status);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RequestPacingTest,
    ::testing::Values(
        PacingCase{"StartsAtTheLimit", 6, {}, 6}, PacingCase{"HalvesAfter429", 6, {200, 429}, 3},
        PacingCase{"HalvesAfter503", 7, {503}, 3},
        PacingCase{"NeverBelowOne", 6, {429, 429, 503, 429}, 1},
        PacingCase{"OtherFailuresChangeNothing", 6, {500, 404, 0}, 6},
        PacingCase{"GrowsByOnePerTenCalmAnswers", 6, QList<int>{429} + repeated(200, 19), 4},
        PacingCase{"ABusyAnswerRestartsTheCount", 6,
                   QList<int>{429} + repeated(200, 9) + QList<int>{429} + repeated(200, 9), 1},
        PacingCase{"FailuresAreNoAnswers", 6, QList<int>{429} + repeated(0, 10), 3},
        PacingCase{"NeverAboveTheLimit", 2, QList<int>{429} + repeated(200, 50), 2}),
    CaseName());

} // namespace
