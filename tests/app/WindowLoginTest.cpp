#include "WindowFixture.h"
#include "service/endpoints.h"
#include "service/session.h"

#include <QLineEdit>

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

using WindowLoginTest = WindowFixture;

// The byte-by-byte encoding and the outcomes of a login are the browser's; here
// only that the two fields reach it as typed.
TEST_F(WindowLoginTest, TypedFieldsAreSentPercentEncoded)
{
    logIn(QStringLiteral("demo"), QStringLiteral("中文"));
    const QList<DemoService::LoggedRequest> logins = loginRequests(service);
    ASSERT_EQ(logins.size(), 1);
    EXPECT_EQ(logins.first().method, QStringLiteral("POST"));
    EXPECT_EQ(logins.first().body, "login[account]=%64%65%6D%6F&login[passwd]=%E4%B8%AD%E6%96%87"
                                   "&login[time]=on&goto=" +
                                       MainSiteAddress().toUtf8());
    // No such account: the refusal leaves the window signed out.
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages.first().text, QStringLiteral("登陆失败！请确认账户和密码"));
    EXPECT_TRUE(SessionCookie().isEmpty());
    EXPECT_TRUE(listingTargets().isEmpty());
}

TEST_F(WindowLoginTest, DemoLoginListsTheRootFolder)
{
    logInAsDemo();
    EXPECT_TRUE(SessionCookie().startsWith(QStringLiteral("OOFA=")));
    EXPECT_EQ(listingTargets().size(), 1);
    EXPECT_EQ(control<QLineEdit>("Text8").text(), QStringLiteral("/0"));
    EXPECT_FALSE(control<QLineEdit>("Text6").text().isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
}

} // namespace
