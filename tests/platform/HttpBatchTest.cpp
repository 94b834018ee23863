#include "DemoDrive.h"
#include "DemoService.h"
#include "platform/CancelToken.h"
#include "platform/HttpTransport.h"
#include "service/transportfailure.h"

#include <QTimer>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// Requests to a demo service of its own, so that every connection it counts is the test's.
class HttpBatchTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_service.start()); }

    HttpRequest get(const QString& target) const
    {
        HttpRequest request;
        request.url = m_service.baseUrl() + target;
        return request;
    }

    // The download page of the sample drive's `index`-th file; answered 403 without a session,
    // which is an answer all the same.
    HttpRequest pageRequest(int index) const
    {
        return get("/?ct=pickcode&ac=download&pickcode=" +
                   DemoDrive::sample().files().at(index).pickCode + "&_t=1");
    }

    QStringList pageTargets() const
    {
        return m_service.requestTargets({DemoService::Endpoint::DownloadPage});
    }

    DemoService m_service;
};

TEST_F(HttpBatchTest, RequestsReuseOpenConnections)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(SendHttpRequest(get("/files?cid=0")).status, 200);
    EXPECT_EQ(m_service.connectionsAccepted(), 1);
    // Two at once: the open connection and one more. The answers are held back, so the first
    // cannot come back and free its connection before the second starts.
    m_service.setFault(DemoService::Endpoint::DownloadPage, {.delay = 50ms});
    EXPECT_EQ(SendHttpBatch({pageRequest(0), pageRequest(1)}).size(), 2);
    EXPECT_EQ(m_service.connectionsAccepted(), 2);
}

TEST_F(HttpBatchTest, ResultsComeInListOrderWhateverOrderTheyFinish)
{
    // The listing is held back, so every page answers before it.
    m_service.setFault(DemoService::Endpoint::Files, {.status = 500, .delay = 300ms});
    QList<HttpRequest> requests{get("/files?cid=0")};
    for (int i = 0; i < 11; ++i)
        requests.append(pageRequest(i));
    QList<qsizetype> finishOrder;
    const QList<HttpResult> results =
        SendHttpBatch(requests, {nullptr, [&](qsizetype index, const HttpResult& result) {
                                     finishOrder.append(index);
                                     EXPECT_EQ(result.status, index == 0 ? 500 : 403);
                                 }});

    ASSERT_EQ(results.size(), requests.size());
    EXPECT_EQ(results[0].status, 500);
    for (qsizetype i = 1; i < results.size(); ++i)
        EXPECT_EQ(results[i].status, 403) << i;
    ASSERT_EQ(finishOrder.size(), requests.size());
    EXPECT_EQ(finishOrder.last(), 0) << "the held-back listing finishes last";
    EXPECT_GE(m_service.connectionsAccepted(), 2) << "nothing ran at the same time";
    EXPECT_LE(m_service.connectionsAccepted(), MaxRequestsInFlight);
}

// The caller sets how many go at once, below the default and above it: with slow answers every
// request in flight holds a connection of its own, and no more are opened.
TEST_F(HttpBatchTest, TheCallerChoosesHowManyRequestsAreInFlight)
{
    m_service.setFault(DemoService::Endpoint::DownloadPage, {.delay = 100ms});
    QList<HttpRequest> requests;
    for (int i = 0; i < 16; ++i)
        requests.append(pageRequest(i));
    int opened = 0;
    for (const int inFlight : {1, 8}) {
        HttpBatchControl control;
        control.requestsInFlight = inFlight;
        for (const HttpResult& result : SendHttpBatch(requests, control))
            EXPECT_EQ(result.status, 403);
        EXPECT_EQ(m_service.connectionsAccepted() - opened, inFlight - opened) << inFlight;
        opened = m_service.connectionsAccepted();
    }
}

TEST_F(HttpBatchTest, ReusedConnectionClosedByTheServerIsReplacedOnce)
{
    ASSERT_EQ(SendHttpRequest(pageRequest(0)).status, 403);
    m_service.setFault(DemoService::Endpoint::DownloadPage, {.dropConnection = true, .times = 1});
    const HttpResult retried = SendHttpRequest(pageRequest(1));
    EXPECT_EQ(retried.status, 403) << TransportFailureText(retried).toStdString();
    EXPECT_EQ(pageTargets().size(), 3);
    EXPECT_EQ(m_service.connectionsAccepted(), 2);

    m_service.setFault(DemoService::Endpoint::DownloadPage, {.dropConnection = true, .times = 2});
    const HttpResult failed = SendHttpRequest(pageRequest(2));
    EXPECT_TRUE(failed.failed()) << "the request is sent again once, not twice";
    EXPECT_EQ(failed.failure, HttpFailure::Transient);
    EXPECT_EQ(pageTargets().size(), 5);
}

TEST_F(HttpBatchTest, CancelAbortsTransfersInFlightAndClosesTheirConnections)
{
    m_service.setFault(DemoService::Endpoint::DownloadPage, {.delay = 1min});
    QList<HttpRequest> requests;
    for (int i = 0; i < 8; ++i)
        requests.append(pageRequest(i));
    CancelToken cancel;
    int finished = 0;
    QTimer::singleShot(100ms, [&] { cancel.cancel(); });
    const QList<HttpResult> results =
        SendHttpBatch(requests, {&cancel, [&](qsizetype, const HttpResult&) { ++finished; }});

    ASSERT_EQ(results.size(), 8);
    for (const HttpResult& result : results) {
        EXPECT_EQ(result.failure, HttpFailure::Cancelled);
        EXPECT_EQ(TransportFailureText(result), QStringLiteral("已取消"));
    }
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(pageTargets().size(), MaxRequestsInFlight) << "no request starts after a cancel";

    m_service.clearFaults();
    EXPECT_EQ(SendHttpRequest(pageRequest(0)).status, 403) << "no half-read connection was kept";
}

TEST_F(HttpBatchTest, EmptyBatchSendsNothing)
{
    EXPECT_TRUE(SendHttpBatch({}).isEmpty());
    EXPECT_EQ(m_service.connectionsAccepted(), 0);
}

} // namespace
