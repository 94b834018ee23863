#include "DemoServiceEnvironment.h"

#include <QSet>
#include <thread>

namespace {

using RequestLogTest = DemoServiceTest;

TEST_F(RequestLogTest, RecordsMethodTargetHeadersAndBody)
{
    service().clearRequests();
    httplib::Client client = DemoClient();
    client.Get("/files?aid=1&cid=0&o=file_name&asc=1&is_share=0",
               {{"Referer", "http://zorbel.example/"}, {"Accept-Language", "zh-cn"}});
    client.Post("/?ac=login", "login[account]=%64", "application/x-www-form-urlencoded");

    const QList<DemoService::LoggedRequest> log = service().requests();
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(log[0].method, "GET");
    EXPECT_EQ(log[0].target, "/files?aid=1&cid=0&o=file_name&asc=1&is_share=0");
    EXPECT_EQ(log[0].headers.value("Referer"), "http://zorbel.example/");
    EXPECT_EQ(log[0].headers.value("Accept-Language"), "zh-cn");
    EXPECT_FALSE(log[0].headers.contains("REMOTE_ADDR")) << "only headers that were sent";
    EXPECT_TRUE(log[0].body.isEmpty());
    EXPECT_EQ(log[1].method, "POST");
    EXPECT_EQ(log[1].target, "/?ac=login");
    EXPECT_EQ(log[1].headers.value("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(log[1].body, "login[account]=%64");

    service().clearRequests();
    EXPECT_TRUE(service().requests().isEmpty());
}

TEST_F(RequestLogTest, RecordsRefusedUnknownAndDroppedRequests)
{
    service().clearRequests();
    service().setFault(DemoService::Endpoint::Lists, {.dropConnection = true});
    Get("/files?cid=0", "");
    Get("/nowhere", "");
    Get("/lists?aid=30", "");
    const QList<DemoService::LoggedRequest> log = service().requests();
    ASSERT_EQ(log.size(), 3);
    EXPECT_EQ(log[0].target, "/files?cid=0");
    EXPECT_EQ(log[1].target, "/nowhere");
    EXPECT_EQ(log[2].target, "/lists?aid=30");
}

// Each request is filed under the endpoint that serves it, whatever its answer; the targets
// of a kind come in arrival order, and a request no endpoint serves is of no kind.
TEST_F(RequestLogTest, GivesTheTargetsOfTheEndpointsAsked)
{
    service().clearRequests();
    service().setFault(DemoService::Endpoint::Lists, {.status = 500});
    Get("/files?cid=0", "");
    Get("/?ct=pickcode&ac=download&pickcode=nope", "");
    Get("/nowhere?ct=pickcode", "");
    Get("/lists?aid=30", "");
    Get("/files?cid=1", "");
    EXPECT_EQ(
        service().requestTargets({DemoService::Endpoint::Files, DemoService::Endpoint::Lists}),
        (QStringList{"/files?cid=0", "/lists?aid=30", "/files?cid=1"}));
    EXPECT_EQ(service().requestTargets({DemoService::Endpoint::DownloadPage}),
              QStringList{"/?ct=pickcode&ac=download&pickcode=nope"});
    EXPECT_TRUE(service().requestTargets({DemoService::Endpoint::Login}).isEmpty());
}

TEST_F(RequestLogTest, KeepsEveryRequestOfParallelClients)
{
    service().clearRequests();
    constexpr int Clients = 6;
    constexpr int RequestsEach = 15;
    std::vector<std::thread> clients;
    for (int c = 0; c < Clients; ++c) {
        clients.emplace_back([c] {
            for (int r = 0; r < RequestsEach; ++r)
                Get("/files?cid=0&client=" + std::to_string(c) + "&n=" + std::to_string(r), "");
        });
    }
    for (std::thread& client : clients)
        client.join();

    const QList<DemoService::LoggedRequest> log = service().requests();
    QSet<QString> targets;
    for (const DemoService::LoggedRequest& request : log)
        targets.insert(request.target);
    EXPECT_EQ(log.size(), Clients * RequestsEach);
    EXPECT_EQ(targets.size(), Clients * RequestsEach);
}

} // namespace
