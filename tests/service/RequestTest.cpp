#include "CaptureListener.h"
#include "CaseName.h"
#include "platform/RecordingDesktop.h"
#include "service/endpoints.h"
#include "service/httpxml.h"
#include "service/session.h"
#include "service/settings.h"
#include "service/zuancun.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

using RequestOperation = QString (*)(const QString&, const QString&, const QString&);

const QByteArray ContentTypeLine = "Content-Type: application/x-www-form-urlencoded";

class RequestTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_listener.isListening());
        SetServiceBase(m_listener.baseUrl());
        SetSessionCookie("OOFA=abc123");
    }

    QString address(const QString& target) const { return m_listener.baseUrl() + target; }
    QByteArray host() const { return "127.0.0.1:" + QByteArray::number(m_listener.port()); }
    QByteArray hostLine() const { return "Host: " + host(); }
    QByteArray refererLine() const { return "Referer: http://" + host() + "/"; }

    /** The web API header lines after the optional Content-Type. */
    QByteArrayList serviceHeaderLines() const
    {
        return {"Accept: application/x-shockwave-flash,image/gif,image/x-xbitmap,image/jpeg,"
                "image/pjpeg,application/vnd.ms-excel,application/vnd.ms-powerpoint,"
                "application/msword,application/xaml+xml,application/x-ms-xbap,"
                "application/x-ms-application,*/*",
                refererLine(),
                "Accept-Language: zh-cn",
                "User-Agent: " + ServiceUserAgent().toUtf8(),
                "Connection: Keep-Alive",
                "Cookie: OOFA=abc123"};
    }

    void answer(const QByteArray& body, const QList<CaptureListener::Header>& headers = {})
    {
        CaptureListener::Response response;
        response.headers = headers;
        response.body = body;
        m_listener.setResponse(response);
    }

    void answerStatus(const QByteArray& statusLine,
                      const QList<CaptureListener::Header>& headers = {})
    {
        CaptureListener::Response response;
        response.statusLine = statusLine;
        response.headers = headers;
        m_listener.setResponse(response);
    }

    void expectOneMessage(const QString& text, const QString& title) const
    {
        ASSERT_EQ(m_desktop.messages.size(), 1);
        EXPECT_EQ(m_desktop.messages[0].text, text);
        EXPECT_EQ(m_desktop.messages[0].title, title);
        EXPECT_EQ(m_desktop.messages[0].icon, Desktop::Icon::Information);
    }

    CaptureListener m_listener;
    RecordingDesktop m_desktop;
};

// --- the bytes on the wire -------------------------------------------------

/** A request as bytes: the request line and header lines, a blank line, the body. */
QByteArray wire(const QByteArrayList& lines, const QByteArray& body = {})
{
    return lines.join("\r\n") + "\r\n\r\n" + body;
}

TEST_F(RequestTest, ServiceGetSendsItsHeaderSetInOrder)
{
    answer("{}");
    EXPECT_EQ(ServiceRequest("GET", address("/files?aid=1&cid=0&o=user_ptime&asc=0"), ""), "{}");
    EXPECT_EQ(
        m_listener.onlyRequestBytes(),
        wire(QByteArrayList{"GET /files?aid=1&cid=0&o=user_ptime&asc=0 HTTP/1.1", hostLine()} +
             serviceHeaderLines()));
    EXPECT_TRUE(m_desktop.messages.isEmpty());
}

TEST_F(RequestTest, ServicePostPutsContentTypeFirstAndSendsTheBody)
{
    answer("{}");
    ServiceRequest("POST", address("/lists?aid=30"), "a=1&b=2");
    EXPECT_EQ(m_listener.onlyRequestBytes(),
              wire(QByteArrayList{"POST /lists?aid=30 HTTP/1.1", hostLine(), ContentTypeLine} +
                       serviceHeaderLines() + QByteArrayList{"Content-Length: 7"},
                   "a=1&b=2"));
}

TEST_F(RequestTest, ServiceUserAgentIsTheEmbeddedBrowserControl)
{
    const QString agent = ServiceUserAgent();
    EXPECT_TRUE(agent.startsWith("Mozilla/4.0(compatible;MSIE6.0;WindowsNT5.1;SV1;"));
    EXPECT_TRUE(agent.endsWith(";.NETCLR2.0.50727;.NET4.0C;.NET4.0E)"));
    EXPECT_TRUE(agent.contains("Mozilla/4.0(compatible;MSIE6.0;WindowsNT5.1;SV1)"));
    EXPECT_FALSE(agent.contains(' '));
}

TEST_F(RequestTest, LoginPostSendsHostContentTypeAndAgentButNoCookie)
{
    answer("", {{"Set-Cookie", "OOFA=new; path=/"}});
    const QByteArray body =
        "login[account]=%61&login[passwd]=%62&login[time]=on&goto=" + MainSiteAddress().toUtf8();
    EXPECT_EQ(LoginRequest("POST", LoginAddress(), body), "OOFA=new");
    EXPECT_EQ(m_listener.onlyRequestBytes(),
              wire({"POST /?ac=login HTTP/1.1", hostLine(), ContentTypeLine,
                    "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; "
                    ".NET CLR 2.0.50727; .NET4.0C; .NET4.0E)",
                    "Content-Length: " + QByteArray::number(body.size())},
                   body));
}

TEST_F(RequestTest, LoginGetStillSendsContentType)
{
    answer("");
    LoginRequest("GET", LoginAddress(), "");
    EXPECT_EQ(m_listener.onlyRequestBytes(),
              wire({"GET /?ac=login HTTP/1.1", hostLine(), ContentTypeLine,
                    "User-Agent: " + LoginUserAgent().toUtf8()}));
}

TEST_F(RequestTest, SiteGetSendsRefererHostAndCookie)
{
    answer("<html/>");
    SiteRequest("GET", address("/?ct=pickcode&ac=download&pickcode=abc&_t=1344257890"), "");
    // curl writes Host first; the other headers keep their order.
    EXPECT_EQ(m_listener.onlyRequestBytes(),
              wire({"GET /?ct=pickcode&ac=download&pickcode=abc&_t=1344257890 HTTP/1.1", hostLine(),
                    refererLine(), "Cookie: OOFA=abc123"}));
}

TEST_F(RequestTest, SitePostPutsContentTypeFirst)
{
    answer("<html/>");
    SiteRequest("post", address("/"), "x=1");
    EXPECT_EQ(m_listener.onlyRequestBytes(),
              wire({"POST / HTTP/1.1", hostLine(), ContentTypeLine, refererLine(),
                    "Cookie: OOFA=abc123", "Content-Length: 3"},
                   "x=1"));
}

TEST_F(RequestTest, SiteSendsAnEmptyCookieAsIs)
{
    SetSessionCookie({});
    answer("<html/>");
    SiteRequest("GET", address("/"), "");
    EXPECT_TRUE(m_listener.onlyRequestBytes().endsWith("\r\nCookie:\r\n\r\n"));
}

struct MethodCase
{
    const char* name;
    QString method;
    QByteArray requestLineStart;
};

class MethodTest : public RequestTest, public ::testing::WithParamInterface<MethodCase>
{
};

TEST_P(MethodTest, OnlyExactGetSendsGet)
{
    answer("{}");
    ServiceRequest(GetParam().method, address("/files"), "");
    EXPECT_TRUE(m_listener.onlyRequestBytes().startsWith(GetParam().requestLineStart));
}

INSTANTIATE_TEST_SUITE_P(Methods, MethodTest,
                         ::testing::Values(MethodCase{"Get", "GET", "GET /files "},
                                           MethodCase{"LowerGet", "get", "POST /files "},
                                           MethodCase{"LowerPost", "post", "POST /files "},
                                           MethodCase{"Put", "PUT", "POST /files "},
                                           MethodCase{"Empty", "", "POST /files "}),
                         CaseName());

// --- results -----------------------------------------------------------------

TEST_F(RequestTest, ServiceAnswerIsUnescaped)
{
    answer(R"({"n":"\u4e2d%41\u0022"})");
    EXPECT_EQ(ServiceRequest("GET", address("/files"), ""), QStringLiteral(R"({"n":"中A\""})"));
}

TEST_F(RequestTest, SiteAnswerIsReturnedAsItStands)
{
    answer(R"(<p>\u4e2d %41</p>)");
    EXPECT_EQ(SiteRequest("GET", address("/"), ""), R"(<p>\u4e2d %41</p>)");
}

struct CharsetCase
{
    const char* name;
    RequestOperation operation;
};

class CharsetTest : public RequestTest, public ::testing::WithParamInterface<CharsetCase>
{
};

TEST_P(CharsetTest, AnswerIsDecodedByItsCharset)
{
    answer("<p>\xD6\xD0\xCE\xC4</p>", {{"Content-Type", "text/html; charset=GBK"}});
    EXPECT_EQ(GetParam().operation("GET", address("/"), ""), QStringLiteral("<p>中文</p>"));
}

INSTANTIATE_TEST_SUITE_P(Operations, CharsetTest,
                         ::testing::Values(CharsetCase{"Service", &ServiceRequest},
                                           CharsetCase{"Site", &SiteRequest}),
                         CaseName());

struct LoginAnswerCase
{
    const char* name;
    QList<CaptureListener::Header> headers;
    QString result;
};

class LoginAnswerTest : public RequestTest, public ::testing::WithParamInterface<LoginAnswerCase>
{
};

TEST_P(LoginAnswerTest, GivesTheCookieOrFalse)
{
    answer("<html/>", GetParam().headers);
    EXPECT_EQ(LoginRequest("POST", LoginAddress(), "x"), GetParam().result);
    EXPECT_TRUE(m_desktop.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, LoginAnswerTest,
    ::testing::Values(
        LoginAnswerCase{"CookieWithPath", {{"Set-Cookie", "OOFA=v1; path=/; domain=x"}}, "OOFA=v1"},
        LoginAnswerCase{"CookieAmongOthers",
                        {{"Set-Cookie", "SID=1; path=/"}, {"Set-Cookie", "OOFA=v2; path=/"}},
                        "OOFA=v2"},
        LoginAnswerCase{"CookieWithoutAttributes",
                        {{"Set-Cookie", "OOFA=v3"}, {"Content-Type", "text/html; charset=utf-8"}},
                        "OOFA=v3"},
        LoginAnswerCase{"NoCookie", {{"Content-Type", "text/html"}}, "false"},
        LoginAnswerCase{"LowerCaseHeader", {{"set-cookie", "OOFA=v4; path=/"}}, "false"}),
    CaseName());

TEST_F(RequestTest, CookieWithoutAttributesNeverCarriesTheNextHeaderOnward)
{
    answer("", {{"Set-Cookie", "OOFA=v5"}, {"X-Next", "evil; a=1"}});
    SetSessionCookie(LoginRequest("POST", LoginAddress(), "x"));
    EXPECT_EQ(SessionCookie(), "OOFA=v5");

    answer("{}");
    ServiceRequest("GET", address("/files"), "");
    const auto requests = m_listener.requests();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_TRUE(requests[1].raw.endsWith("\r\nCookie: OOFA=v5\r\n\r\n"));
}

// --- redirects -----------------------------------------------------------------

class FollowingRedirectTest : public RequestTest, public ::testing::WithParamInterface<CharsetCase>
{
};

TEST_P(FollowingRedirectTest, ArrivesAtTheTarget)
{
    CaptureListener::Response moved;
    moved.statusLine = "HTTP/1.1 302 Found";
    moved.headers = {{"Location", "/moved-here"}};
    m_listener.setResponse("/start", moved);
    CaptureListener::Response target;
    target.body = "arrived";
    m_listener.setResponse("/moved-here", target);

    EXPECT_EQ(GetParam().operation("GET", address("/start"), ""), "arrived");
    EXPECT_TRUE(m_desktop.messages.isEmpty());
    EXPECT_EQ(m_listener.requests().size(), 2);
}

INSTANTIATE_TEST_SUITE_P(Operations, FollowingRedirectTest,
                         ::testing::Values(CharsetCase{"Service", &ServiceRequest},
                                           CharsetCase{"Site", &SiteRequest}),
                         CaseName());

TEST_F(RequestTest, LoginDoesNotFollowARedirect)
{
    answerStatus("HTTP/1.1 302 Found",
                 {{"Location", "/elsewhere"}, {"Set-Cookie", "OOFA=never; path=/"}});
    EXPECT_EQ(LoginRequest("POST", LoginAddress(), "x"), "");
    expectOneMessage("Http错误代码:302", "提示");
    EXPECT_EQ(m_listener.requests().size(), 1);
}

// --- failures ------------------------------------------------------------------

struct OperationCase
{
    const char* name;
    RequestOperation operation;
    QString failureTitle;
};

const auto AllOperations = ::testing::Values(OperationCase{"Service", &ServiceRequest, "提示"},
                                             OperationCase{"Login", &LoginRequest, "提示1"},
                                             OperationCase{"Site", &SiteRequest, "提示"});

class FailureTest : public RequestTest, public ::testing::WithParamInterface<OperationCase>
{
protected:
    QString send() { return GetParam().operation("GET", address("/"), ""); }
};

TEST_P(FailureTest, StatusNotFoundShowsTheStatus)
{
    answerStatus("HTTP/1.1 404 Not Found");
    EXPECT_EQ(send(), "");
    expectOneMessage("Http错误代码:404", "提示");
}

TEST_P(FailureTest, ServerErrorShowsTheStatus)
{
    answerStatus("HTTP/1.1 500 Internal Server Error");
    EXPECT_EQ(send(), "");
    expectOneMessage("Http错误代码:500", "提示");
}

TEST_P(FailureTest, RefusedConnectionShowsTheReason)
{
    QString deadBase;
    {
        const CaptureListener gone;
        deadBase = gone.baseUrl();
    }
    EXPECT_EQ(GetParam().operation("GET", deadBase + "/", ""), "");
    ASSERT_EQ(m_desktop.messages.size(), 1);
    EXPECT_TRUE(m_desktop.messages[0].text.startsWith("错误原因:无法连接到服务器 ("))
        << m_desktop.messages[0].text.toStdString();
    EXPECT_EQ(m_desktop.messages[0].title, GetParam().failureTitle);
    EXPECT_EQ(m_desktop.messages[0].icon, Desktop::Icon::Information);
}

TEST_P(FailureTest, SilentServerTimesOutWithinTheShortenedLimits)
{
    CaptureListener::Response silent;
    silent.behaviour = CaptureListener::Behaviour::NeverAnswer;
    m_listener.setResponse(silent);
    SetServiceTimeouts({250ms, 250ms, 250ms, 250ms});
    EXPECT_EQ(send(), "");
    ASSERT_EQ(m_desktop.messages.size(), 1);
    EXPECT_TRUE(m_desktop.messages[0].text.startsWith("错误原因:操作超时 ("))
        << m_desktop.messages[0].text.toStdString();
    EXPECT_EQ(m_desktop.messages[0].title, GetParam().failureTitle);
}

TEST_P(FailureTest, OversizedAnswerIsRefused)
{
    answer(QByteArray(64 * 1024 * 1024 + 1, 'x'));
    EXPECT_EQ(send(), "");
    ASSERT_EQ(m_desktop.messages.size(), 1);
    EXPECT_TRUE(m_desktop.messages[0].text.startsWith("错误原因:响应内容超过 64 MiB 上限"))
        << m_desktop.messages[0].text.toStdString();
    EXPECT_EQ(m_desktop.messages[0].title, GetParam().failureTitle);
}

INSTANTIATE_TEST_SUITE_P(Operations, FailureTest, AllOperations, CaseName());

class InjectedCookieTest : public RequestTest, public ::testing::WithParamInterface<OperationCase>
{
};

TEST_P(InjectedCookieTest, LineBreakInTheCookieIsNeverSent)
{
    SetSessionCookie("OOFA=1\r\nX-Injected: yes");
    EXPECT_EQ(GetParam().operation("GET", address("/"), ""), "");
    expectOneMessage("错误原因:请求头“Cookie”含有回车或换行符，请求未发送",
                     GetParam().failureTitle);
    EXPECT_TRUE(m_listener.requests().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Operations, InjectedCookieTest,
                         ::testing::Values(OperationCase{"Service", &ServiceRequest, "提示"},
                                           OperationCase{"Site", &SiteRequest, "提示"}),
                         CaseName());

} // namespace
