#include "KeptLogin.h"

#include "Login.h"
#include "platform/HttpTransport.h"
#include "service/endpoints.h"
#include "service/httpxml.h"
#include "service/session.h"

SecretKey AccountSecretKey(const QString& account, SecretKind kind)
{
    return {MainSiteAddress(), account, kind};
}

QString SignInSilently(const QString& account, const QString& password)
{
    const HttpResult answer = SendHttpRequest(
        LoginHttpRequest(QStringLiteral("POST"), LoginAddress(), LoginBody(account, password)));
    if (answer.failed() || answer.status != 200)
        return {};
    return ExtractSetCookie(answer.headers, QStringLiteral("OOFA"));
}

KeptLogin::KeptLogin(std::function<void()> ended) : m_ended(std::move(ended))
{
    SetSessionRenewal(this);
}

KeptLogin::~KeptLogin()
{
    SetSessionRenewal(nullptr);
}

void KeptLogin::keep(const QString& account, const QString& password)
{
    m_account = account;
    m_password = password;
}

bool KeptLogin::renew()
{
    if (m_account.isEmpty())
        return false;
    QString password = m_password;
    if (password.isEmpty())
        password = CurrentSecretStore()
                       .read(AccountSecretKey(m_account, SecretKind::Password))
                       .secret.value_or(QString());
    if (password.isEmpty())
        return false;
    const QString cookie = SignInSilently(m_account, password);
    if (cookie.isEmpty())
        return false;
    SetSessionCookie(cookie);
    // The next run starts from the new session; a keyring that cannot keep it changes nothing.
    CurrentSecretStore().write(AccountSecretKey(m_account, SecretKind::SessionCookie), cookie);
    return true;
}

void KeptLogin::reportEnded()
{
    if (m_ended)
        m_ended();
}
