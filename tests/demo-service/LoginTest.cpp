#include "CaseName.h"
#include "DemoServiceEnvironment.h"

#include <QRegularExpression>

namespace {

using LoginTest = DemoServiceTest;

httplib::Result PostLogin(const std::string& body)
{
    return DemoClient().Post("/?ac=login", body, "application/x-www-form-urlencoded");
}

TEST_F(LoginTest, DemoAccountGetsSessionCookieLine)
{
    const httplib::Result result =
        PostLogin(LoginBody(DemoService::account(), DemoService::password()));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    const std::string cookie = SessionCookieOf(result);
    EXPECT_TRUE(
        QRegularExpression("^OOFA=[0-9a-f]{32}$").match(QString::fromStdString(cookie)).hasMatch())
        << cookie;

    // The line as a client reads it from the raw header block: one space after the colon,
    // the cookie text ended by ";".
    const QByteArray raw = RawExchange(
        service().port(),
        "POST /?ac=login HTTP/1.1\r\nHost: 127.0.0.1\r\n"
        "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
            QByteArray::number(
                qsizetype(LoginBody(DemoService::account(), DemoService::password()).size())) +
            "\r\n\r\n" +
            QByteArray::fromStdString(LoginBody(DemoService::account(), DemoService::password())));
    EXPECT_TRUE(QRegularExpression("\r\nSet-Cookie: OOFA=[0-9a-f]{32}; path=/; domain=[^\r]+\r\n")
                    .match(QString::fromLatin1(raw))
                    .hasMatch())
        << raw.constData();
}

TEST_F(LoginTest, EveryLoginGetsItsOwnValidToken)
{
    const std::string first = LogIn();
    const std::string second = LogIn();
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_NE(first, second);
    for (const std::string& cookie : {first, second}) {
        const httplib::Result listing = Get("/files?aid=1&cid=0", cookie);
        ASSERT_TRUE(listing);
        EXPECT_NE(listing->body.find("\"count\""), std::string::npos) << cookie;
    }
}

TEST_F(LoginTest, AddedAccountWithChineseCredentialsLogsIn)
{
    const QString account = QStringLiteral("演示用户");
    const QString password = QStringLiteral("密码 🔑 pass");
    service().addAccount(account, password);
    EXPECT_FALSE(SessionCookieOf(PostLogin(LoginBody(account, password))).empty());
    EXPECT_TRUE(SessionCookieOf(PostLogin(LoginBody(account, "密码"))).empty());
    EXPECT_FALSE(LogIn().empty()) << "the demo account still logs in";
}

struct RefusedLogin
{
    const char* name;
    std::string body;
};

class RefusedLoginTest : public DemoServiceTableTest<RefusedLogin>
{
};

TEST_P(RefusedLoginTest, AnswersOkWithoutCookie)
{
    const httplib::Result result = PostLogin(GetParam().body);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_EQ(SessionCookieOf(result), "");
    EXPECT_FALSE(result->has_header("Set-Cookie"));
}

INSTANTIATE_TEST_SUITE_P(
    Credentials, RefusedLoginTest,
    ::testing::Values(
        RefusedLogin{"WrongPassword", LoginBody(DemoService::account(), "zorbel-dem0")},
        RefusedLogin{"PasswordWithTrailingSpace",
                     LoginBody(DemoService::account(), DemoService::password() + " ")},
        RefusedLogin{"UnknownAccount", LoginBody("nobody", DemoService::password())},
        RefusedLogin{"AccountInOtherCase", LoginBody("DEMO", DemoService::password())},
        RefusedLogin{"EmptyAccountAndPassword", LoginBody("", "")},
        RefusedLogin{"NoFields", "login[time]=on"}, RefusedLogin{"EmptyBody", ""}),
    CaseName());

TEST_F(LoginTest, PlainFormEncodingIsDecodedToo)
{
    EXPECT_FALSE(
        SessionCookieOf(PostLogin("login[account]=demo&login[passwd]=zorbel-demo")).empty());
}

TEST_F(LoginTest, LoginIsOnlyAPostToTheRootWithAcLogin)
{
    const std::string body = LoginBody(DemoService::account(), DemoService::password());
    EXPECT_EQ(SessionCookieOf(
                  DemoClient().Post("/?ac=logout", body, "application/x-www-form-urlencoded")),
              "");
    EXPECT_EQ(SessionCookieOf(
                  DemoClient().Post("/login?ac=login", body, "application/x-www-form-urlencoded")),
              "");
    EXPECT_EQ(SessionCookieOf(DemoClient().Get("/?ac=login")), "");
}

} // namespace
