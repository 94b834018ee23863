#include "Login.h"

#include "FileBrowser.h"
#include "platform/Desktop.h"
#include "service/endpoints.h"
#include "service/httpxml.h"
#include "service/qita.h"
#include "service/session.h"

#include <QCoreApplication>

namespace {

void showLoginError(const QString& text)
{
    CurrentDesktop().showMessage(text, QCoreApplication::translate("Login", "错误"),
                                 Desktop::Icon::None);
}

} // namespace

QString LoginBody(const QString& account, const QString& password)
{
    return QStringLiteral("login[account]=") + EncodeUtf8Percent(account) +
           QStringLiteral("&login[passwd]=") + EncodeUtf8Percent(password) +
           QStringLiteral("&login[time]=on&goto=") + MainSiteAddress();
}

QString LoginRefusedText()
{
    return QCoreApplication::translate("Login", "登陆失败！请确认账户和密码");
}

LoginOutcome SignIn(const QString& account, const QString& password)
{
    if (account.isEmpty() || password.isEmpty()) {
        showLoginError(QCoreApplication::translate("Login", "请填写账号和密码！"));
        return LoginOutcome::MissingCredentials;
    }
    const QString cookie =
        LoginRequest(QStringLiteral("POST"), LoginAddress(), LoginBody(account, password));
    if (cookie == QLatin1String("false")) {
        showLoginError(LoginRefusedText());
        return LoginOutcome::Refused;
    }
    SetSessionCookie(cookie);
    return cookie.isEmpty() ? LoginOutcome::SignedOut : LoginOutcome::SignedIn;
}

LoginOutcome SignInAndList(const QString& account, const QString& password, FileBrowser& browser)
{
    const LoginOutcome outcome = SignIn(account, password);
    if (outcome == LoginOutcome::MissingCredentials || outcome == LoginOutcome::Refused)
        return outcome;
    // Forgetting the held response lets the root listing show again after a
    // second login, even when it reads the same as before.
    browser.clearListing();
    browser.GoRoot();
    return outcome;
}
