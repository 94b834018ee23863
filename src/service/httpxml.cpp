#include "httpxml.h"

#include "endpoints.h"
#include "exchange.h"
#include "session.h"

#include <QCoreApplication>

namespace {

QList<HttpHeader> serviceHeaders(const QString& method)
{
    QList<HttpHeader> headers;
    if (!IsGetMethod(method))
        headers.append(FormContentTypeHeader());
    headers.append(
        {{QStringLiteral("Accept"),
          QStringLiteral("application/x-shockwave-flash,image/gif,image/x-xbitmap,image/jpeg,"
                         "image/pjpeg,application/vnd.ms-excel,application/vnd.ms-powerpoint,"
                         "application/msword,application/xaml+xml,application/x-ms-xbap,"
                         "application/x-ms-application,*/*")},
         {QStringLiteral("Referer"), MainSiteRoot()},
         {QStringLiteral("Accept-Language"), QStringLiteral("zh-cn")},
         {QStringLiteral("User-Agent"), ServiceUserAgent()},
         {QStringLiteral("Connection"), QStringLiteral("Keep-Alive")},
         {QStringLiteral("Cookie"), SessionCookie()}});
    return headers;
}

QList<HttpHeader> loginHeaders()
{
    return {{QStringLiteral("Host"), LoginHost()},
            FormContentTypeHeader(),
            {QStringLiteral("User-Agent"), LoginUserAgent()}};
}

} // namespace

HttpRequest ServiceHttpRequest(const QString& method, const QString& url, const QString& body)
{
    return BuildServiceRequest(method, url, body, serviceHeaders(method), true);
}

QString ServiceRequest(const QString& method, const QString& url, const QString& body)
{
    const auto answer = ExchangeWithService(method, url, body, serviceHeaders(method), true,
                                            QCoreApplication::translate("httpxml", "提示"));
    return answer ? UnescapeText(answer->body) : QString();
}

HttpRequest LoginHttpRequest(const QString& method, const QString& url, const QString& body)
{
    return BuildServiceRequest(method, url, body, loginHeaders(), false);
}

QString LoginRequest(const QString& method, const QString& url, const QString& body)
{
    const auto answer = ExchangeWithService(method, url, body, loginHeaders(), false,
                                            QCoreApplication::translate("httpxml", "提示1"));
    if (!answer)
        return {};
    const QString cookie = ExtractSetCookie(answer->headers, QStringLiteral("OOFA"));
    return cookie.isEmpty() ? QStringLiteral("false") : cookie;
}

QString ExtractSetCookie(const QString& headers, const QString& name)
{
    const QString marker = QStringLiteral("Set-Cookie: ");
    const qsizetype found = headers.indexOf(marker + name);
    if (found < 0)
        return {};
    const qsizetype start = found + marker.size();
    qsizetype end = start;
    while (end < headers.size() && headers[end] != u';' && headers[end] != u'\r' &&
           headers[end] != u'\n')
        ++end;
    return headers.mid(start, end - start);
}
