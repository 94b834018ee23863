#include "service/transportfailure.h"

#include "CaptureListener.h"
#include "CaseName.h"
#include "platform/HttpTransport.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

using Behaviour = CaptureListener::Behaviour;

struct ServerFailureCase
{
    const char* name;
    CaptureListener::Response response;
    const char* reason;
    bool transient; // worth another try later
};

class ServerFailureTest : public ::testing::TestWithParam<ServerFailureCase>
{
protected:
    CaptureListener m_listener;
};

// Each failure the server causes is described by what happened, curl's own words following in
// brackets: one case for each way a reply goes wrong.
TEST_P(ServerFailureTest, EndsTheRequestWithAFailureThatSaysWhatHappened)
{
    ASSERT_TRUE(m_listener.isListening());
    m_listener.setResponse(GetParam().response);
    HttpRequest request;
    request.url = m_listener.baseUrl() + "/";
    request.timeouts = {200ms, 200ms, 200ms, 200ms};
    const HttpResult result = SendHttpRequest(request);
    EXPECT_TRUE(
        TransportFailureText(result).startsWith(QString::fromUtf8(GetParam().reason) + " ("))
        << TransportFailureText(result).toStdString();
    EXPECT_EQ(result.failure == HttpFailure::Transient, GetParam().transient);
    EXPECT_EQ(m_listener.requests().size(), 1);
}

const QByteArray LongValue(200 * 1024, 'a');

INSTANTIATE_TEST_SUITE_P(
    Behaviours, ServerFailureTest,
    ::testing::Values(
        ServerFailureCase{
            "Drop", {.behaviour = Behaviour::Drop}, "服务器未作应答就关闭了连接", true},
        ServerFailureCase{"NeverAnswer", {.behaviour = Behaviour::NeverAnswer}, "操作超时", true},
        ServerFailureCase{"NoStatusLine",
                          {.statusLine = "<html>hello</html>", .declareLength = false},
                          "服务器的应答无法读取（不是 HTTP 应答）",
                          false},
        ServerFailureCase{"GarbledStatus",
                          {.statusLine = "HTTP/1.1 2OO OK"},
                          "服务器的应答无法读取（不是 HTTP 应答）",
                          false},
        ServerFailureCase{"GarbledLength",
                          {.headers = {{"Content-Length", "abc"}}},
                          "服务器的应答无法读取",
                          false},
        ServerFailureCase{"OverlongHeaderLine",
                          {.headers = {{"X-Long", LongValue}}},
                          "服务器的应答头过长",
                          false},
        ServerFailureCase{"OverlongCookie",
                          {.headers = {{"Set-Cookie", "OOFA=" + LongValue}}},
                          "服务器的应答头过长",
                          false},
        ServerFailureCase{
            "BodyCutShort",
            {.headers = {{"Content-Length", "5"}}, .body = "ab", .declareLength = false},
            "服务器的应答不完整",
            true},
        ServerFailureCase{"GarbledChunk",
                          {.headers = {{"Transfer-Encoding", "chunked"}},
                           .body = "zz\r\n",
                           .declareLength = false},
                          "接收应答失败",
                          true},
        ServerFailureCase{
            "RedirectToAnotherScheme",
            {.statusLine = "HTTP/1.1 302 Found", .headers = {{"Location", "ftp://127.0.0.1/x"}}},
            "重定向的目标地址不受支持",
            false},
        ServerFailureCase{
            "RedirectToABrokenAddress",
            {.statusLine = "HTTP/1.1 302 Found", .headers = {{"Location", "http://[bad"}}},
            "重定向的目标地址无效",
            false}),
    CaseName());

} // namespace
