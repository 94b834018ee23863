#include "platform/HttpTransport.h"

#include "CaptureListener.h"
#include "CaseName.h"
#include "ScopedEnvironment.h"
#include "service/transportfailure.h"

#include <gtest/gtest.h>
#include <memory>

using namespace std::chrono_literals;

namespace {

class HttpTransportTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_listener.isListening()); }

    HttpRequest requestFor(const QString& target) const
    {
        HttpRequest request;
        request.url = m_listener.baseUrl() + target;
        return request;
    }

    QByteArray hostLine() const
    {
        return "Host: 127.0.0.1:" + QByteArray::number(m_listener.port()) + "\r\n";
    }

    static CaptureListener::Response answerWith(const QByteArray& body,
                                                const QByteArray& contentType = {})
    {
        CaptureListener::Response response;
        if (!contentType.isEmpty())
            response.headers.append({"Content-Type", contentType});
        response.body = body;
        return response;
    }

    CaptureListener m_listener;
};

TEST_F(HttpTransportTest, GetCarriesOnlyHostAndTheGivenHeadersInTheirOrder)
{
    HttpRequest request = requestFor("/list?a=1&b=2");
    request.headers = {{"X-Second", "2"}, {"Cookie", "OOFA=v"}, {"X-First", "1"}};
    const HttpResult result = SendHttpRequest(request);
    ASSERT_FALSE(result.failed()) << TransportFailureText(result).toStdString();
    EXPECT_EQ(m_listener.onlyRequestBytes(),
              "GET /list?a=1&b=2 HTTP/1.1\r\n" + hostLine() +
                  "X-Second: 2\r\nCookie: OOFA=v\r\nX-First: 1\r\n\r\n");
}

TEST_F(HttpTransportTest, PostAddsContentLengthButNoContentTypeOrExpect)
{
    HttpRequest request = requestFor("/form");
    request.method = HttpMethod::Post;
    request.body = QByteArray(3000, 'x'); // long enough for curl to want "Expect: 100-continue"
    request.headers = {{"X-Only", "yes"}};
    ASSERT_FALSE(SendHttpRequest(request).failed());
    EXPECT_EQ(m_listener.onlyRequestBytes(), "POST /form HTTP/1.1\r\n" + hostLine() +
                                                 "X-Only: yes\r\nContent-Length: 3000\r\n\r\n" +
                                                 QByteArray(3000, 'x'));
}

TEST_F(HttpTransportTest, PostWithoutBodySaysContentLengthZero)
{
    HttpRequest request = requestFor("/");
    request.method = HttpMethod::Post;
    ASSERT_FALSE(SendHttpRequest(request).failed());
    EXPECT_EQ(m_listener.onlyRequestBytes(),
              "POST / HTTP/1.1\r\n" + hostLine() + "Content-Length: 0\r\n\r\n");
}

TEST_F(HttpTransportTest, GetSendsItsBodyAsGiven)
{
    HttpRequest request = requestFor("/q");
    request.body = "a=1";
    ASSERT_FALSE(SendHttpRequest(request).failed());
    EXPECT_EQ(m_listener.onlyRequestBytes(),
              "GET /q HTTP/1.1\r\n" + hostLine() + "Content-Length: 3\r\n\r\na=1");
}

TEST_F(HttpTransportTest, GivenHostReplacesTheOwnAndOtherHeadersKeepTheirOrder)
{
    HttpRequest request = requestFor("/");
    request.headers = {
        {"Referer", "http://site.example/"}, {"Host", "site.example"}, {"Cookie", "c=1"}};
    ASSERT_FALSE(SendHttpRequest(request).failed());
    EXPECT_EQ(m_listener.onlyRequestBytes(),
              "GET / HTTP/1.1\r\nHost: site.example\r\n"
              "Referer: http://site.example/\r\nCookie: c=1\r\n\r\n");
}

TEST_F(HttpTransportTest, EmptyHeaderValueIsSentNotDropped)
{
    HttpRequest request = requestFor("/");
    request.headers = {{"Cookie", ""}, {"Accept", "*/*"}};
    ASSERT_FALSE(SendHttpRequest(request).failed());
    EXPECT_EQ(m_listener.onlyRequestBytes(),
              "GET / HTTP/1.1\r\n" + hostLine() + "Cookie:\r\nAccept: */*\r\n\r\n");
}

TEST_F(HttpTransportTest, NonAsciiAndSpacesInTheAddressArePercentEncoded)
{
    ASSERT_FALSE(SendHttpRequest(requestFor(QStringLiteral("/a b?n=中"))).failed());
    EXPECT_TRUE(m_listener.onlyRequestBytes().startsWith("GET /a%20b?n=%E4%B8%AD HTTP/1.1\r\n"));
}

struct RefusedCase
{
    const char* name;
    QString url;
    QList<HttpHeader> headers;
    const char* reasonPart;
};

class RefusedRequestTest : public HttpTransportTest,
                           public ::testing::WithParamInterface<RefusedCase>
{
};

TEST_P(RefusedRequestTest, IsNotSent)
{
    HttpRequest request = requestFor(GetParam().url);
    request.headers = GetParam().headers;
    const HttpResult result = SendHttpRequest(request);
    EXPECT_TRUE(result.failed());
    EXPECT_TRUE(TransportFailureText(result).contains(QString::fromUtf8(GetParam().reasonPart)))
        << TransportFailureText(result).toStdString();
    EXPECT_NE(result.failure, HttpFailure::Transient);
    EXPECT_TRUE(m_listener.requests().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    LineBreaks, RefusedRequestTest,
    ::testing::Values(
        RefusedCase{"LineFeedInValue", "/", {{"Cookie", "OOFA=1\nX-Evil: 1"}}, "“Cookie”"},
        RefusedCase{"CarriageReturnInValue", "/", {{"Cookie", "OOFA=1\r"}}, "回车或换行"},
        RefusedCase{"NulInValue", "/", {{"Cookie", QString::fromLatin1("a\0b", 3)}}, "“Cookie”"},
        RefusedCase{"LineBreakInName", "/", {{"X-A\r\nX-B", "1"}}, "“X-AX-B”"},
        RefusedCase{"LineBreakInAddress", "/a\r\nX-Evil: 1", {}, "控制字符"}),
    CaseName());

TEST_F(HttpTransportTest, RedirectIsFollowedWhenAsked)
{
    CaptureListener::Response moved;
    moved.statusLine = "HTTP/1.1 302 Found";
    moved.headers = {{"Location", "/final"}};
    m_listener.setResponse("/start", moved);
    m_listener.setResponse("/final", answerWith("arrived"));

    const HttpResult result = SendHttpRequest(requestFor("/start"));
    EXPECT_EQ(result.status, 200);
    EXPECT_EQ(result.body, "arrived");
    EXPECT_TRUE(result.headers.startsWith("HTTP/1.1 200 OK\r\n")) << result.headers.toStdString();
    EXPECT_FALSE(result.headers.contains("302"));
    EXPECT_EQ(m_listener.requests().size(), 2);
}

TEST_F(HttpTransportTest, RedirectIsReturnedWhenNotFollowed)
{
    CaptureListener::Response moved;
    moved.statusLine = "HTTP/1.1 302 Found";
    moved.headers = {{"Location", "/final"}, {"Set-Cookie", "OOFA=1; path=/"}};
    m_listener.setResponse("/start", moved);

    HttpRequest request = requestFor("/start");
    request.followRedirects = false;
    const HttpResult result = SendHttpRequest(request);
    EXPECT_EQ(result.status, 302);
    EXPECT_EQ(result.headers, "HTTP/1.1 302 Found\r\nLocation: /final\r\n"
                              "Set-Cookie: OOFA=1; path=/\r\nContent-Length: 0\r\n"
                              "Connection: close\r\n\r\n");
    EXPECT_EQ(m_listener.requests().size(), 1);
}

TEST_F(HttpTransportTest, ErrorStatusIsAnAnswerNotAFailure)
{
    CaptureListener::Response missing = answerWith("gone");
    missing.statusLine = "HTTP/1.1 404 Not Found";
    m_listener.setResponse(missing);
    const HttpResult result = SendHttpRequest(requestFor("/"));
    EXPECT_FALSE(result.failed());
    EXPECT_EQ(result.status, 404);
    EXPECT_EQ(result.body, "gone");
}

TEST_F(HttpTransportTest, BodyIsDecodedByItsCharset)
{
    m_listener.setResponse(answerWith("\xD6\xD0\xCE\xC4", "text/html; charset=GBK"));
    EXPECT_EQ(SendHttpRequest(requestFor("/")).body, QStringLiteral("中文"));
}

TEST_F(HttpTransportTest, RefusedConnectionIsAFailure)
{
    QString deadAddress;
    {
        const CaptureListener gone;
        deadAddress = gone.baseUrl() + "/";
    }
    HttpRequest request;
    request.url = deadAddress;
    const HttpResult result = SendHttpRequest(request);
    EXPECT_TRUE(result.failed());
    EXPECT_TRUE(TransportFailureText(result).startsWith(QStringLiteral("无法连接到服务器 (")))
        << TransportFailureText(result).toStdString();
    EXPECT_EQ(result.failure, HttpFailure::Transient);
}

TEST_F(HttpTransportTest, UnusableAddressIsBlamedWhenNothingWasSent)
{
    HttpRequest request;
    request.url = "ftp://127.0.0.1/";
    EXPECT_TRUE(TransportFailureText(SendHttpRequest(request))
                    .startsWith(QStringLiteral("请求地址无效 (")));
}

// The Host line names where the request goes; after a redirect to another port the old
// one would send it to the wrong site, and the cookie must not follow at all.
TEST_F(HttpTransportTest, RedirectToAnotherOriginNamesItInHostAndDropsTheCookie)
{
    CaptureListener other;
    other.setResponse(answerWith("arrived"));
    m_listener.setResponse(
        CaptureListener::Response{.statusLine = "HTTP/1.1 302 Found",
                                  .headers = {{"Location", other.baseUrl().toUtf8() + "/final"}}});
    HttpRequest request = requestFor("/start");
    request.headers = {{"Referer", "http://site.example/"},
                       {"Host", QStringLiteral("127.0.0.1:%1").arg(m_listener.port())},
                       {"Cookie", "OOFA=secret"}};

    const HttpResult result = SendHttpRequest(request);
    EXPECT_EQ(result.body, "arrived");
    EXPECT_EQ(m_listener.onlyRequestBytes(),
              "GET /start HTTP/1.1\r\n" + hostLine() +
                  "Referer: http://site.example/\r\nCookie: OOFA=secret\r\n\r\n");
    const auto redirected = other.requests();
    ASSERT_EQ(redirected.size(), 1);
    EXPECT_EQ(redirected.first().raw,
              "GET /final HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(other.port()) +
                  "\r\nReferer: http://site.example/\r\n\r\n");
}

// A request through a proxy names its whole address to the proxy, so the built-in host is
// never looked up: every byte goes to the listener on loopback.
TEST_F(HttpTransportTest, HttpProxyOfTheEnvironmentCarriesTheRequest)
{
    const ScopedEnvironment proxy("http_proxy", m_listener.baseUrl().toUtf8());
    HttpRequest request;
    request.url = "http://www.zorbel.example/files?cid=0";
    const HttpResult result = SendHttpRequest(request);
    ASSERT_FALSE(result.failed()) << TransportFailureText(result).toStdString();
    const auto requests = m_listener.requests();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests.first().requestLine, "GET http://www.zorbel.example/files?cid=0 HTTP/1.1");
}

TEST_F(HttpTransportTest, NoProxyNamesTheHostsReachedDirectly)
{
    QString deadProxy;
    {
        const CaptureListener gone;
        deadProxy = gone.baseUrl();
    }
    const ScopedEnvironment proxy("http_proxy", deadProxy.toUtf8());
    EXPECT_TRUE(TransportFailureText(SendHttpRequest(requestFor("/")))
                    .startsWith(QStringLiteral("无法连接到服务器 (")));
    const ScopedEnvironment direct("no_proxy", "127.0.0.1");
    EXPECT_FALSE(SendHttpRequest(requestFor("/")).failed());
    EXPECT_EQ(m_listener.requests().size(), 1);
}

TEST_F(HttpTransportTest, BodyUpToTheCapIsAccepted)
{
    m_listener.setResponse(answerWith(QByteArray(MaxResponseBodyBytes, 'a')));
    const HttpResult result = SendHttpRequest(requestFor("/"));
    ASSERT_FALSE(result.failed()) << TransportFailureText(result).toStdString();
    EXPECT_EQ(result.body.size(), MaxResponseBodyBytes);
}

struct OversizeCase
{
    const char* name;
    bool declareLength;
};

class OversizedBodyTest : public HttpTransportTest,
                          public ::testing::WithParamInterface<OversizeCase>
{
};

TEST_P(OversizedBodyTest, IsAFailure)
{
    CaptureListener::Response huge = answerWith(QByteArray(MaxResponseBodyBytes + 1, 'a'));
    huge.declareLength = GetParam().declareLength;
    m_listener.setResponse(huge);
    const HttpResult result = SendHttpRequest(requestFor("/"));
    EXPECT_TRUE(result.failed());
    EXPECT_TRUE(TransportFailureText(result).startsWith(QStringLiteral("响应内容超过 64 MiB 上限")))
        << TransportFailureText(result).toStdString();
    EXPECT_TRUE(result.body.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Lengths, OversizedBodyTest,
                         ::testing::Values(OversizeCase{"Declared", true},
                                           OversizeCase{"UntilClose", false}),
                         CaseName());

} // namespace
