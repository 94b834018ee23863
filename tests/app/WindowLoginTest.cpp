#include "CaseName.h"
#include "WindowFixture.h"
#include "service/endpoints.h"
#include "service/session.h"

#include <QLineEdit>
#include <QTreeWidget>

namespace {

QList<DemoService::LoggedRequest> loginRequests(const DemoService& service)
{
    QList<DemoService::LoggedRequest> logins;
    for (const DemoService::LoggedRequest& request : service.requests()) {
        if (request.target == QLatin1String("/?ac=login"))
            logins.append(request);
    }
    return logins;
}

struct BodyCase
{
    const char* name;
    QString account;
    QString password;
    QByteArray encodedAccount;
    QByteArray encodedPassword;
};

const BodyCase bodyCases[] = {
    {"OneLetterEach", QStringLiteral("a"), QStringLiteral("b"), "%61", "%62"},
    {"SpaceAccount", QStringLiteral(" "), QStringLiteral("x&y=z"), "%20", "%78%26%79%3D%7A"},
    {"ChinesePassword", QStringLiteral("demo"), QStringLiteral("中文"), "%64%65%6D%6F",
     "%E4%B8%AD%E6%96%87"},
};

class LoginBodyTest : public WindowFixture, public ::testing::WithParamInterface<BodyCase>
{
};

TEST_P(LoginBodyTest, SendsEveryByteOfBothFieldsPercentEncoded)
{
    const BodyCase& typed = GetParam();
    logIn(typed.account, typed.password);
    const QList<DemoService::LoggedRequest> logins = loginRequests(service);
    ASSERT_EQ(logins.size(), 1);
    EXPECT_EQ(logins.first().method, QStringLiteral("POST"));
    EXPECT_EQ(logins.first().body, "login[account]=" + typed.encodedAccount +
                                       "&login[passwd]=" + typed.encodedPassword +
                                       "&login[time]=on&goto=" + MainSiteAddress().toUtf8());
    // None of these accounts exists: the refusal leaves the window signed out.
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages.first().text, QStringLiteral("登陆失败！请确认账户和密码"));
    EXPECT_EQ(desktop.messages.first().title, QStringLiteral("错误"));
    EXPECT_TRUE(SessionCookie().isEmpty());
    EXPECT_TRUE(listingTargets().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Typed, LoginBodyTest, ::testing::ValuesIn(bodyCases), CaseName());

using WindowLoginTest = WindowFixture;

TEST_F(WindowLoginTest, DemoLoginListsTheRootFolder)
{
    logInAsDemo();
    EXPECT_TRUE(SessionCookie().startsWith(QStringLiteral("OOFA=")));
    EXPECT_EQ(listingTargets().size(), 1);
    EXPECT_EQ(control<QLineEdit>("Text8").text(), QStringLiteral("/0"));
    EXPECT_FALSE(control<QLineEdit>("Text6").text().isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(WindowLoginTest, MissingPasswordSendsNothing)
{
    logIn(DemoService::account(), QString());
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages.first().text, QStringLiteral("请填写账号和密码！"));
    EXPECT_EQ(desktop.messages.first().title, QStringLiteral("错误"));
    EXPECT_TRUE(service.requests().isEmpty());
}

TEST_F(WindowLoginTest, RefusedLoginKeepsTheEarlierCookieAndRows)
{
    logInAsDemo();
    const QString cookie = SessionCookie();
    const QStringList rows = rowNames();
    forgetTraffic();

    logIn(DemoService::account(), QStringLiteral("not-the-password"));

    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages.first().text, QStringLiteral("登陆失败！请确认账户和密码"));
    EXPECT_EQ(SessionCookie(), cookie);
    EXPECT_EQ(rowNames(), rows);
    EXPECT_TRUE(listingTargets().isEmpty());
}

TEST_F(WindowLoginTest, FailedLoginRequestSignsOutAndEmptiesTheList)
{
    logInAsDemo();
    forgetTraffic();
    DemoService::Fault fault;
    fault.status = 500;
    service.setFault(DemoService::Endpoint::Login, fault);

    logIn(DemoService::account(), DemoService::password());

    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages.first().text, QStringLiteral("Http错误代码:500"));
    EXPECT_TRUE(SessionCookie().isEmpty());
    EXPECT_EQ(control<QTreeWidget>("ListView1").topLevelItemCount(), 0);
    EXPECT_TRUE(listingTargets().isEmpty());
}

TEST_F(WindowLoginTest, SecondLoginListsTheRootAgain)
{
    logInAsDemo();
    enterFolder(QStringLiteral("电影"));
    forgetTraffic();

    logInAsDemo();

    EXPECT_EQ(control<QLineEdit>("Text8").text(), QStringLiteral("/0"));
    EXPECT_TRUE(rowNames().contains(QStringLiteral("■电影")));
    EXPECT_FALSE(listingTargets().isEmpty());
}

} // namespace
