#include "DemoDrive.h"
#include "DemoServiceEnvironment.h"

#include <QElapsedTimer>
#include <future>

namespace {

using Endpoint = DemoService::Endpoint;
using Fault = DemoService::Fault;
using namespace std::chrono_literals;

// One request per endpoint, as the client sends it.
httplib::Result Request(Endpoint endpoint, httplib::Client& client)
{
    const httplib::Headers headers = {{"Cookie", DemoCookie()}};
    switch (endpoint) {
    case Endpoint::Login:
        return client.Post("/?ac=login", LoginBody(DemoService::account(), DemoService::password()),
                           "application/x-www-form-urlencoded");
    case Endpoint::Files:
        return client.Get("/files?aid=1&cid=0&o=user_ptime&asc=0&offset=0&limit=30", headers);
    case Endpoint::Lists:
        return client.Get("/lists?aid=30&cid=0&o=user_ptime&asc=0&offset=0&limit=30", headers);
    case Endpoint::DownloadPage:
        return client.Get(
            "/?ct=pickcode&ac=download&pickcode=" +
                DemoDrive::sample().file(DemoDriveIds::UnicomFirstFile)->pickCode.toStdString() +
                "&_t=1",
            headers);
    }
    return client.Get("/");
}

httplib::Result Request(Endpoint endpoint)
{
    httplib::Client client = DemoClient();
    return Request(endpoint, client);
}

QByteArray RawRequest(Endpoint endpoint)
{
    switch (endpoint) {
    case Endpoint::Login:
        return "POST /?ac=login HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 0\r\n\r\n";
    case Endpoint::Files:
        return "GET /files?aid=1&cid=0 HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    case Endpoint::Lists:
        return "GET /lists?aid=32&cid=0 HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    case Endpoint::DownloadPage:
        return "GET /?ct=pickcode&ac=download&pickcode=x&_t=1 HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    }
    return {};
}

const char* Name(Endpoint endpoint)
{
    switch (endpoint) {
    case Endpoint::Login:
        return "Login";
    case Endpoint::Files:
        return "Files";
    case Endpoint::Lists:
        return "Lists";
    case Endpoint::DownloadPage:
        return "DownloadPage";
    }
    return "";
}

// The usual answer of each endpoint: status and Content-Type.
const char* UsualType(Endpoint endpoint)
{
    return endpoint == Endpoint::Files || endpoint == Endpoint::Lists
               ? "application/json; charset=utf-8"
               : "text/html; charset=utf-8";
}

const Endpoint AllEndpoints[] = {Endpoint::Login, Endpoint::Files, Endpoint::Lists,
                                 Endpoint::DownloadPage};

class FaultTest : public DemoServiceTableTest<Endpoint>
{
};

TEST_P(FaultTest, StatusReplacesTheAnswer)
{
    for (const int status : {404, 500}) {
        service().setFault(GetParam(), Fault{.status = status});
        const httplib::Result result = Request(GetParam());
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, status);
        EXPECT_EQ(result->body.find("count"), std::string::npos);
        EXPECT_FALSE(result->has_header("Set-Cookie"));
    }
}

TEST_P(FaultTest, RedirectNamesItsLocation)
{
    service().setFault(GetParam(), Fault{.status = 302, .location = "/elsewhere?x=1"});
    httplib::Client client = DemoClient();
    client.set_follow_location(false);
    httplib::Result result = Request(GetParam(), client);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 302);
    EXPECT_EQ(result->get_header_value("Location"), "/elsewhere?x=1");

    service().setFault(GetParam(), Fault{.status = 302});
    result = Request(GetParam(), client);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->get_header_value("Location"), "/");
}

TEST_P(FaultTest, GivenBodyWithAndWithoutContentType)
{
    service().setFault(GetParam(), Fault{.body = QByteArray("{\"count\":\"x\"")});
    httplib::Result result = Request(GetParam());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_EQ(result->body, "{\"count\":\"x\"");
    EXPECT_EQ(result->get_header_value("Content-Type"), UsualType(GetParam()));

    service().setFault(GetParam(), Fault{.status = 500,
                                         .body = QByteArray("\xc4\xe3\xba\xc3"),
                                         .contentType = "text/plain; charset=gbk"});
    result = Request(GetParam());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 500);
    EXPECT_EQ(result->body, "\xc4\xe3\xba\xc3");
    EXPECT_EQ(result->get_header_value("Content-Type"), "text/plain; charset=gbk");
}

TEST_P(FaultTest, DroppedConnectionSendsNoByte)
{
    service().setFault(GetParam(), Fault{.dropConnection = true});
    EXPECT_EQ(RawExchange(service().port(), RawRequest(GetParam())), QByteArray());
    const httplib::Result result = Request(GetParam());
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error(), httplib::Error::Read);

    service().clearFaults();
    EXPECT_TRUE(RawExchange(service().port(), RawRequest(GetParam())).startsWith("HTTP/1.1 "));
}

TEST_P(FaultTest, RawReplyIsSentAsItStandsInsteadOfAnAnswer)
{
    service().setFault(GetParam(), Fault{.rawReply = QByteArray("garbage\r\n\r\n")});
    EXPECT_EQ(RawExchange(service().port(), RawRequest(GetParam())), "garbage\r\n\r\n");
}

TEST_P(FaultTest, DelayHoldsTheAnswerBack)
{
    service().setFault(GetParam(), Fault{.delay = 300ms});
    QElapsedTimer timer;
    timer.start();
    const httplib::Result result = Request(GetParam());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_GE(timer.elapsed(), 300);

    service().setFault(GetParam(), Fault{.delay = 3s});
    httplib::Client impatient = DemoClient();
    impatient.set_read_timeout(0, 200000);
    const httplib::Result timedOut = Request(GetParam(), impatient);
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(timedOut.error(), httplib::Error::Read);
}

TEST_P(FaultTest, FaultStaysOnItsEndpointAndClears)
{
    service().setFault(GetParam(), Fault{.status = 500});
    for (const Endpoint other : AllEndpoints) {
        const httplib::Result result = Request(other);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, other == GetParam() ? 500 : 200) << Name(other);
    }
    service().clearFaults();
    const httplib::Result result = Request(GetParam());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
}

TEST_P(FaultTest, LimitedFaultHitsTheFirstRequestsOnlyAndSaysWhenToRetry)
{
    service().setFault(GetParam(), Fault{.status = 503, .retryAfter = "7", .times = 2});
    for (int attempt = 1; attempt <= 2; ++attempt) {
        const httplib::Result result = Request(GetParam());
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, 503) << attempt;
        EXPECT_EQ(result->get_header_value("Retry-After"), "7");
    }
    const httplib::Result result = Request(GetParam());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_FALSE(result->has_header("Retry-After"));
}

TEST_P(FaultTest, OneConnectionCarriesManyRequestsAndIsCounted)
{
    const int before = service().connectionsAccepted();
    httplib::Client client = DemoClient();
    client.set_keep_alive(true);
    for (int request = 0; request < 8; ++request) {
        const httplib::Result result = Request(GetParam(), client);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, 200);
    }
    EXPECT_EQ(service().connectionsAccepted(), before + 1);
}

INSTANTIATE_TEST_SUITE_P(Endpoints, FaultTest, ::testing::ValuesIn(AllEndpoints),
                         [](const auto& info) { return std::string(Name(info.param)); });

TEST(DemoServiceStopTest, StopEndsAWaitingDelayAtOnce)
{
    DemoService service;
    ASSERT_TRUE(service.start());
    service.setFault(Endpoint::Files, Fault{.delay = 10min});
    auto pending = std::async(std::launch::async, [port = service.port()] {
        return RawExchange(port, "GET /files HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    });
    while (service.requests().isEmpty())
        std::this_thread::sleep_for(5ms);
    service.stop();
    ASSERT_EQ(pending.wait_for(30s), std::future_status::ready) << "stop left the request hanging";
    EXPECT_EQ(pending.get(), QByteArray());
    EXPECT_EQ(service.baseUrl(), "");
}

TEST(DemoServiceKeepAliveTest, OffClosesEveryConnectionAfterOneAnswer)
{
    DemoService service;
    service.setKeepAlive(false);
    ASSERT_TRUE(service.start());
    httplib::Client client("127.0.0.1", service.port());
    client.set_keep_alive(true);
    for (int request = 0; request < 3; ++request) {
        const httplib::Result result = client.Get("/");
        ASSERT_TRUE(result);
        EXPECT_EQ(result->get_header_value("Connection"), "close");
    }
    EXPECT_EQ(service.connectionsAccepted(), 3);
}

TEST(DemoServiceStopTest, RestartsOnAnotherPortAndRefusesTheTakenOne)
{
    DemoService first;
    ASSERT_TRUE(first.start());
    EXPECT_EQ(first.baseUrl(), QStringLiteral("http://127.0.0.1:%1").arg(first.port()));
    EXPECT_FALSE(first.start()) << "already running";

    DemoService second;
    EXPECT_FALSE(second.start(first.port()));
    first.stop();
    EXPECT_EQ(first.port(), 0);
    ASSERT_TRUE(first.start());
    EXPECT_NE(first.port(), 0);
}

} // namespace
