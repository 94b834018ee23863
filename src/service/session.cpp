#include "session.h"

namespace {
QString& sessionCookie()
{
    static QString cookie;
    return cookie;
}
} // namespace

QString SessionCookie()
{
    return sessionCookie();
}

void SetSessionCookie(const QString& cookie)
{
    sessionCookie() = cookie;
}
