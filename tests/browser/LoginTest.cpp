#include "browser/Login.h"

#include "DemoDrive.h"
#include "ServiceFixture.h"
#include "service/endpoints.h"
#include "service/session.h"

namespace {

class Login : public ServiceFixture
{
protected:
    /** The body of the one login request sent so far. */
    QByteArray loginBody() const
    {
        const QList<DemoService::LoggedRequest> requests = service.requests();
        EXPECT_FALSE(requests.isEmpty());
        return requests.isEmpty() ? QByteArray() : requests.first().body;
    }
};

struct BodyCase
{
    const char* name;
    const char* account; // UTF-8
    const char* password;
    const char* encoded; // account and password as the body carries them
};

void PrintTo(const BodyCase& c, std::ostream* out)
{
    *out << c.name;
}

class LoginBodyBytes : public Login, public ::testing::WithParamInterface<BodyCase>
{
};

TEST_P(LoginBodyBytes, FrameTheEncodedValues)
{
    const BodyCase& c = GetParam();
    EXPECT_EQ(SignInAndList(QString::fromUtf8(c.account), QString::fromUtf8(c.password), browser),
              LoginOutcome::Refused);
    const QByteArray expected =
        QByteArray(c.encoded) + "&login[time]=on&goto=" + MainSiteAddress().toLatin1();
    EXPECT_EQ(loginBody(), expected);
    ASSERT_EQ(service.requests().size(), 1);
    EXPECT_EQ(service.requests().first().target, "/?ac=login");
    EXPECT_EQ(service.requests().first().method, "POST");
}

const BodyCase BodyCases[] = {
    {"OneLetterEach", "a", "B", "login[account]=%61&login[passwd]=%42"},
    {"SpaceAccount", " ", "x&y=z", "login[account]=%20&login[passwd]=%78%26%79%3D%7A"},
    {"ChinesePassword", "demo", "中文",
     "login[account]=%64%65%6D%6F&login[passwd]=%E4%B8%AD%E6%96%87"},
    {"FormCharacters", "a&b=c", "%", "login[account]=%61%26%62%3D%63&login[passwd]=%25"},
};

INSTANTIATE_TEST_SUITE_P(Body, LoginBodyBytes, ::testing::ValuesIn(BodyCases));

TEST_F(Login, MissingAccountOrPasswordSendsNothing)
{
    EXPECT_EQ(SignInAndList(QString(), "pw", browser), LoginOutcome::MissingCredentials);
    EXPECT_EQ(SignInAndList("user", QString(), browser), LoginOutcome::MissingCredentials);
    EXPECT_TRUE(service.requests().isEmpty());
    ASSERT_EQ(desktop.messages.size(), 2);
    for (const RecordingDesktop::Message& message : desktop.messages) {
        EXPECT_EQ(message.text, "请填写账号和密码！");
        EXPECT_EQ(message.title, "错误");
        EXPECT_EQ(message.icon, Desktop::Icon::None);
    }
}

TEST_F(Login, DemoAccountSignsInAndListsTheRoot)
{
    EXPECT_EQ(SignInAndList(DemoService::account(), DemoService::password(), browser),
              LoginOutcome::SignedIn);
    EXPECT_TRUE(SessionCookie().startsWith("OOFA="));
    EXPECT_GT(rows.rowCount(), 0);
    EXPECT_EQ(listingTargets(), QStringList{FilesTarget("0", "0")});
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(Login, RefusedLoginKeepsCookieAndRows)
{
    logIn();
    const QString cookie = SessionCookie();
    const int rootRows = rows.rowCount();
    forgetTraffic();
    EXPECT_EQ(SignInAndList(DemoService::account(), "wrong", browser), LoginOutcome::Refused);
    EXPECT_EQ(SessionCookie(), cookie);
    EXPECT_EQ(rows.rowCount(), rootRows);
    EXPECT_TRUE(listingTargets().isEmpty());
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages.first().text, "登陆失败！请确认账户和密码");
    EXPECT_EQ(desktop.messages.first().title, "错误");
    EXPECT_EQ(desktop.messages.first().icon, Desktop::Icon::None);
}

TEST_F(Login, SecondLoginReplacesTheCookieAndShowsTheRootAgain)
{
    logIn();
    const QString first = SessionCookie();
    const int rootRows = rows.rowCount();
    enterFolder(QString::fromLatin1(DemoDriveIds::Documents));
    logIn();
    EXPECT_NE(SessionCookie(), first);
    EXPECT_EQ(browser.state().idPath(), "/0");
    EXPECT_EQ(browser.state().folderId(), "0");
    EXPECT_EQ(rows.rowCount(), rootRows);
    EXPECT_GE(rowWithId(QString::fromLatin1(DemoDriveIds::Documents)), 0);
}

struct FailureCase
{
    const char* name;
    DemoService::Fault fault;
    const char* title;     // of the request layer's message
    const char* textStart; // of its text
};

void PrintTo(const FailureCase& c, std::ostream* out)
{
    *out << c.name;
}

class FailedLogin : public Login, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(FailedLogin, EmptiesCookieAndList)
{
    logIn();
    browser.state().setOffset("30"); // somewhere else than the root's first page
    forgetTraffic();
    service.setFault(DemoService::Endpoint::Login, GetParam().fault);
    EXPECT_EQ(SignInAndList(DemoService::account(), DemoService::password(), browser),
              LoginOutcome::SignedOut);
    EXPECT_EQ(SessionCookie(), "");
    EXPECT_EQ(rows.rowCount(), 0);
    EXPECT_EQ(browser.state().offset(), "0");
    EXPECT_EQ(browser.state().responseText(), "");
    EXPECT_TRUE(listingTargets().isEmpty());
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages.first().title, QString::fromUtf8(GetParam().title));
    EXPECT_TRUE(desktop.messages.first().text.startsWith(QString::fromUtf8(GetParam().textStart)))
        << desktop.messages.first().text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Request, FailedLogin,
    ::testing::Values(FailureCase{"Status500", StatusFault(500), "提示", "Http错误代码:500"},
                      FailureCase{"Dropped", DroppedConnection(), "提示1", "错误原因:"}));

} // namespace
