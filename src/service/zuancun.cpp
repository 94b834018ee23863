#include "zuancun.h"

#include "endpoints.h"
#include "exchange.h"
#include "session.h"

#include <QCoreApplication>

namespace {

QList<HttpHeader> siteHeaders(const QString& method)
{
    QList<HttpHeader> headers;
    if (!IsGetMethod(method))
        headers.append(FormContentTypeHeader());
    headers.append({{QStringLiteral("Referer"), MainSiteRoot()},
                    {QStringLiteral("Host"), MainSiteHost()},
                    {QStringLiteral("Cookie"), SessionCookie()}});
    return headers;
}

} // namespace

HttpRequest SiteHttpRequest(const QString& method, const QString& url, const QString& body)
{
    return BuildServiceRequest(method, url, body, siteHeaders(method), true);
}

QString SiteRequest(const QString& method, const QString& url, const QString& body)
{
    const auto answer = ExchangeWithService(method, url, body, siteHeaders(method), true,
                                            QCoreApplication::translate("zuancun", "提示"));
    return answer ? answer->body : QString();
}
