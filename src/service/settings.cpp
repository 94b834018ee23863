#include "settings.h"

#include "SessionEnd.h"
#include "endpoints.h"
#include "session.h"

namespace {

HttpTimeouts& timeouts()
{
    static HttpTimeouts current;
    return current;
}

QString& sessionCookie()
{
    static QString cookie;
    return cookie;
}

} // namespace

HttpTimeouts ServiceTimeouts()
{
    return timeouts();
}

void SetServiceTimeouts(const HttpTimeouts& limits)
{
    timeouts() = limits;
}

QString SessionCookie()
{
    return sessionCookie();
}

void SetSessionCookie(const QString& cookie)
{
    sessionCookie() = cookie;
}

void ResetServiceSettings()
{
    SetSessionCookie(QString());
    ResetServiceBase();
    timeouts() = HttpTimeouts{};
    SetSessionRenewal(nullptr);
}
