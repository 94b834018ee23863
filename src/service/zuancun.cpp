#include "zuancun.h"

#include "endpoints.h"
#include "exchange.h"
#include "session.h"

QString SiteRequest(const QString& method, const QString& url, const QString& body)
{
    QList<HttpHeader> headers;
    if (!IsGetMethod(method))
        headers.append(FormContentTypeHeader());
    headers.append({{QStringLiteral("Referer"), MainSiteRoot()},
                    {QStringLiteral("Host"), MainSiteHost()},
                    {QStringLiteral("Cookie"), SessionCookie()}});
    const auto answer =
        ExchangeWithService(method, url, body, std::move(headers), true, QStringLiteral("提示"));
    return answer ? answer->body : QString();
}
